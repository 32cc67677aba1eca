#include "app/ThreadFileCompareProgress.h"

#include "app/GenerationState.h"
#include "resources/ResourceIds.h"

CThreadFileCompareProgress::CThreadFileCompareProgress(CWnd* mainWindow)
    : m_dialog(mainWindow), m_pMainWindow(mainWindow)
{
    g_bCancelGeneration = 0;
}

CThreadFileCompareProgress::~CThreadFileCompareProgress()
{
    ExitInstance();
}

BOOL CThreadFileCompareProgress::InitInstance()
{
    // Owned by the window it reports on, so the desktop never stacks that window over it.
    m_dialog.Create(IDD_PROGRESS, m_pMainWindow);
    m_dialog.CenterWindow();
    m_dialog.ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

int CThreadFileCompareProgress::ExitInstance()
{
    if (CWnd::IsWindow(m_dialog.m_hWnd))
        m_dialog.DestroyWindow();
    return 0;
}
