#include "platform/ui/App.h"

#include "platform/ProfileBinary.h"
#include "platform/WriteSignals.h"
#include "platform/ui/TestHooks.h"

#include <cstdlib>

namespace {

CWinApp* g_app = nullptr;

} // namespace

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

std::optional<std::vector<BYTE>> CWinApp::GetProfileBinary(LPCTSTR section, LPCTSTR entry) const
{
    return platform::GetProfileBinary(section, entry, m_strProfileName.str());
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR section, LPCTSTR entry, const std::vector<BYTE>& bytes) const
{
    return platform::WriteProfileBinary(section, entry, bytes, m_strProfileName.str()) ? TRUE : FALSE;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int RunApplication(CWinApp& app)
{
    // Before the toolkit starts its threads: a write past a limit fails and is told, as any.
    platform::IgnoreWriteSignals();
    platform::ui::EnsureApplication();
    app.InitInstance();
    return app.ExitInstance();
}

void AfxExitProcess(int code)
{
    platform::ui::ExitRequested(code);
    std::exit(code);
}
