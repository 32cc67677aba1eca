#include "app/DesktopOpening.h"

#include "platform/Shell.h"
#include "platform/ui/BackgroundTask.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Wnd.h"
#include "settings/DateTimeOper.h"

#include <functional>

namespace {

constexpr const char* kFile = "文件";
constexpr const char* kFolder = "文件夹";

// "无法打开文件 '…'。" under the caption "打开文件", and the same for a folder.
void Tell(HWND owner, const char* what, const CString& path)
{
    const CString text = CString("无法打开") + what + " '" + path + "'。";
    ::MessageBox(CWnd::IsWindow(owner) ? owner : nullptr, text, CString("打开") + what, MB_OK | MB_ICONERROR);
}

// Hands the request a teller for a failure the opener reports later; tells at once when the
// request could not be started.
void Request(CWnd& owner, const char* what, const CString& path,
             const std::function<bool(platform::ShellFailure)>& request)
{
    const HWND window = owner.m_hWnd;
    const auto later = [window, what, path] {
        platform::ui::PostToGuiThread([window, what, path] { Tell(window, what, path); });
    };
    if (!request(later))
        Tell(window, what, path);
}

} // namespace

void OpenFileTelling(CWnd& owner, const CString& file)
{
    Request(owner, kFile, file, [&](platform::ShellFailure failed) {
        return platform::ShellOpen(file.str(), std::move(failed));
    });
}

void OpenFolderTelling(CWnd& owner, const CString& folder)
{
    Request(owner, kFolder, folder, [&](platform::ShellFailure failed) {
        return CDateTimeOper().OpenFolder(folder, std::move(failed)) != FALSE;
    });
}

void ShowInFolderTelling(CWnd& owner, const CString& file)
{
    Request(owner, kFolder, CDateTimeOper().GetFolderPart(file), [&](platform::ShellFailure failed) {
        return platform::ShellShowInFolder(file.str(), std::move(failed));
    });
}
