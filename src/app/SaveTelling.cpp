#include "app/SaveTelling.h"

#include "platform/SystemError.h"
#include "platform/ui/Wnd.h"

bool SaveTelling(CWnd& owner, const CString& file, const char* caption, const std::function<bool()>& save)
{
    const platform::Attempted saved = platform::Attempt(save);
    if (!saved.ok) {
        const std::string message = "无法保存文件 '" + file.str() + "'。";
        owner.MessageBox(platform::WithSystemReason(message, saved.error).c_str(), caption, MB_OK | MB_ICONERROR);
    }
    return saved.ok;
}
