#pragma once
// The application object: the program's start-up runs in InitInstance; when it returns, the
// program ends (the main window runs as a modal dialog inside it).

#include "platform/ui/Wnd.h"

#include <optional>
#include <vector>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return m_exitCode; }

    // The application's profile: values kept between runs, in the INI file m_strProfileName.
    std::optional<std::vector<BYTE>> GetProfileBinary(LPCTSTR section, LPCTSTR entry) const;
    BOOL WriteProfileBinary(LPCTSTR section, LPCTSTR entry, const std::vector<BYTE>& bytes) const;

    CWnd* m_pMainWnd = nullptr;
    int m_exitCode = 0;
    CString m_strProfileName = "Rorovavozir.ini";
};

CWinApp* AfxGetApp();

// Starts the layer and runs the application object; returns the process's exit code.
int RunApplication(CWinApp& app);

// The icon the desktop shows for the program's windows that have none of their own; the
// caller keeps owning it.
void SetApplicationIcon(HICON icon);

// Ends the process; tests install a recorder so nothing ends.
[[noreturn]] void AfxExitProcess(int code);
