#pragma once
// The system's reason for a failed file operation, for messages that tell the user why.

#include <cerrno>
#include <exception>
#include <string>
#include <string_view>

namespace platform {

// The system's words for an error number, in the user's language where the system has them.
std::string SystemErrorText(int error);

// The message, and on a line of its own the system's reason when there is one (error not 0).
std::string WithSystemReason(std::string_view message, int error);

// The system's error number a thrown failure stands for: ENOMEM for memory refused, the number a
// system error carries; 0 for any other failure, which has no such number.
int ErrorNumberOf(const std::exception& failure);

// A file operation's result with the system's error number it failed with (0 when it gave none).
struct Attempted {
    bool ok;
    int error;
};

// Runs an operation that reports a failure with false and the system's error number in errno.
template <class Operation>
Attempted Attempt(Operation&& operation)
{
    errno = 0;
    const bool ok = operation();
    return {ok, ok ? 0 : errno};
}

// A failure with the system's reason for it, as the system would give it.
inline bool Refused(int error)
{
    errno = error;
    return false;
}

// Holds errno as it was when made and puts it back at its end, so what runs meanwhile (a trace
// line, a clean-up) keeps the reason a failure left.
class KeptReason {
public:
    KeptReason() : m_error(errno) {}
    ~KeptReason() { errno = m_error; }
    KeptReason(const KeptReason&) = delete;
    KeptReason& operator=(const KeptReason&) = delete;

private:
    int m_error;
};

} // namespace platform
