#pragma once
// Another user on the same machine (nobody), for what one user may do to another's files in a
// folder both may write. Only root can act as another user: tests skip it otherwise.

#include <cerrno>
#include <functional>
#include <sys/types.h>
#include <unistd.h>

constexpr uid_t kOtherUser = 65534;
constexpr gid_t kOtherGroup = 65534;

inline bool CanActAsAnotherUser()
{
    return ::geteuid() == 0;
}

// Runs the action as the other user, then as root again: the error number it failed with
// (errno after a false result), 0 when it succeeded, -1 when the user could not be changed.
inline int AsOtherUser(const std::function<bool()>& action)
{
    if (::setegid(kOtherGroup) != 0 || ::seteuid(kOtherUser) != 0)
        return -1;
    errno = 0;
    const int error = action() ? 0 : (errno != 0 ? errno : -1);
    return ::seteuid(0) == 0 && ::setegid(0) == 0 ? error : -1;
}
