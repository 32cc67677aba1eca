#include "platform/LinkRule.h"

#include <unistd.h>

namespace platform {
namespace {

bool IsUserOrRoot(uid_t owner)
{
    return owner == ::geteuid() || owner == 0;
}

} // namespace

bool MayFollowLink(int folder, const struct stat& link)
{
    struct stat holder {};
    if (!S_ISLNK(link.st_mode) || !IsUserOrRoot(link.st_uid) || ::fstat(folder, &holder) != 0)
        return false;
    const bool othersMayWrite = (holder.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (holder.st_mode & S_ISVTX) == 0;
    return IsUserOrRoot(holder.st_uid) && !othersMayWrite;
}

} // namespace platform
