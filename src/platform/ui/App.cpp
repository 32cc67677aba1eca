#include "platform/ui/App.h"

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
    platform::ui::EnsureApplication();
    app.InitInstance();
    return app.ExitInstance();
}

void AfxExitProcess(int code)
{
    platform::ui::ExitRequested(code);
    std::exit(code);
}
