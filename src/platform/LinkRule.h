#pragma once
// The one rule for a symbolic link met on the way to a file the program reads, writes or removes:
// a link is followed only where the user could not have been handed it. Whoever may add or rename
// entries in a folder can put any link there, or move there a link of the user's own made
// elsewhere for something else, so a link is trusted only for its owner and its folder together.

#include <sys/stat.h>

namespace platform {

// True when the link `link`, an entry of the folder open as `folder` (O_PATH will do), may be
// followed: the user's own or root's (who needs none to reach any file), in a folder of the user's
// or root's in which nobody else may add or rename entries (no write permission for its group or
// others, or the sticky bit, which lets each rename only their own entries).
bool MayFollowLink(int folder, const struct stat& link);

} // namespace platform
