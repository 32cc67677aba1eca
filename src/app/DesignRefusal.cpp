#include "app/DesignRefusal.h"

#include "platform/Files.h"
#include "platform/HeldFolder.h"
#include "platform/Profile.h"
#include "platform/SystemError.h"
#include "settings/DesignFile.h"

#include <cerrno>

namespace {

// The system's words for what the read met (ENOENT, EACCES) would hide that it is a link.
constexpr const char* kUnfollowedLink =
    "路径上有一个链接，放在别人也能写入的文件夹里，可能是别人放的；程序不跟随这样的链接。";

} // namespace

std::string DesignRefusal(const CString& path, MissingDesign missing)
{
    CString unread;
    unread.Format("无法读取文件 '%s'。", path.GetString());
    if (platform::HeldFolder::MeetsUnfollowedLink(path.str()))
        return unread.str() + "\n" + kUnfollowedLink;
    const platform::Attempted there = platform::Attempt([&] { return platform::PathExists(path.str()); });
    if (!there.ok && missing == MissingDesign::Refused)
        return platform::WithSystemReason(unread.str(), there.error);
    const platform::ProfileFileState state = platform::GetProfileFileState(path.str());
    const int error = errno;
    if (!HoldsNoDesign(state))
        return {};
    CString message;
    if (state == platform::ProfileFileState::TooLarge)
        message.Format("无法读取文件 '%s'：它大于 %d MB，不是模板配置文件。", path.GetString(),
                       static_cast<int>(platform::kMaxProfileFileBytes >> 20));
    else if (state == platform::ProfileFileState::NotIniText)
        message.Format("无法读取文件 '%s'：它不是模板配置文件（INI 文本）。", path.GetString());
    else
        return platform::WithSystemReason(unread.str(), error);
    return message.str();
}
