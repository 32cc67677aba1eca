#pragma once
// The progress window's side of a generation run. Every window lives on the GUI thread here, so
// the window runs in the program's own event loop rather than on a thread of its own; ending it
// is an orderly close of its window, never a kill.

#include "app/FormFileCompareProgress.h"

class CThreadFileCompareProgress {
public:
    // Clears the cancel flag: a new run starts with nobody having given up yet.
    explicit CThreadFileCompareProgress(CWnd* mainWindow);
    // Ends the window if it is still there.
    ~CThreadFileCompareProgress();
    CThreadFileCompareProgress(const CThreadFileCompareProgress&) = delete;
    CThreadFileCompareProgress& operator=(const CThreadFileCompareProgress&) = delete;

    // Shows the progress window, centred over the main window, which owns it.
    BOOL InitInstance();
    int ExitInstance();

    CFormFileCompareProgress m_dialog;

private:
    CWnd* m_pMainWindow;
};
