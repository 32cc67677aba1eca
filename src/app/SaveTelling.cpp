#include "app/SaveTelling.h"

#include "app/AppGlobals.h"
#include "app/ConfigPathFile.h"
#include "platform/Files.h"
#include "platform/SystemError.h"
#include "platform/ui/Wnd.h"

namespace {

void TellFailure(CWnd& owner, const std::string& failure, const char* caption, int error)
{
    owner.MessageBox(platform::WithSystemReason(failure, error).c_str(), caption, MB_OK | MB_ICONERROR);
}

std::string SaveFailure(const CString& file)
{
    return "无法保存文件 '" + file.str() + "'。";
}

bool AttemptTelling(CWnd& owner, const std::string& failure, const char* caption, const std::function<bool()>& operation)
{
    const platform::Attempted done = platform::Attempt(operation);
    if (!done.ok)
        TellFailure(owner, failure, caption, done.error);
    return done.ok;
}

} // namespace

bool SaveTelling(CWnd& owner, const CString& file, const char* caption, const std::function<bool()>& save)
{
    return AttemptTelling(owner, SaveFailure(file), caption, save);
}

bool PathFileSaveTelling(CWnd& owner, const std::function<bool()>& write)
{
    const platform::Attempted done = platform::Attempt(write);
    if (!done.ok && !g_bPathFileFailureTold) {
        g_bPathFileFailureTold = true;
        TellFailure(owner, SaveFailure(ConfigPathFile()), "保存设置", done.error);
    }
    return done.ok;
}

bool DeleteTelling(CWnd& owner, const CString& file)
{
    return AttemptTelling(owner, "无法删除文件 '" + file.str() + "'。", "删除文件",
                          [&] { return platform::RemoveFile(file.str()); });
}
