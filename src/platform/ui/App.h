#pragma once
// The application object: the program's start-up runs in InitInstance; when it returns, the
// program ends (the main window runs as a modal dialog inside it).

#include "platform/ui/Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return m_exitCode; }

    CWnd* m_pMainWnd = nullptr;
    int m_exitCode = 0;
};

CWinApp* AfxGetApp();

// Starts the layer and runs the application object; returns the process's exit code.
int RunApplication(CWinApp& app);

// Ends the process; tests install a recorder so nothing ends.
[[noreturn]] void AfxExitProcess(int code);
