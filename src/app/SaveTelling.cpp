#include "app/SaveTelling.h"

#include "platform/Files.h"
#include "platform/SystemError.h"
#include "platform/ui/Wnd.h"

namespace {

bool AttemptTelling(CWnd& owner, const std::string& failure, const char* caption, const std::function<bool()>& operation)
{
    const platform::Attempted done = platform::Attempt(operation);
    if (!done.ok)
        owner.MessageBox(platform::WithSystemReason(failure, done.error).c_str(), caption, MB_OK | MB_ICONERROR);
    return done.ok;
}

} // namespace

bool SaveTelling(CWnd& owner, const CString& file, const char* caption, const std::function<bool()>& save)
{
    return AttemptTelling(owner, "无法保存文件 '" + file.str() + "'。", caption, save);
}

bool DeleteTelling(CWnd& owner, const CString& file)
{
    return AttemptTelling(owner, "无法删除文件 '" + file.str() + "'。", "删除文件",
                          [&] { return platform::RemoveFile(file.str()); });
}
