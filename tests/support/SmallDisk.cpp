#include "support/SmallDisk.h"

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

SmallDisk::SmallDisk(const std::string& folder, std::size_t bytes) : m_folder(folder)
{
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0)
        m_why = "no small disk can be mounted here (" + std::string(std::strerror(errno)) +
                "): mounting one takes root's right to";
}

SmallDisk::~SmallDisk()
{
    if (Mounted())
        ::umount2(m_folder.c_str(), MNT_DETACH);
}
