#include "app/ThreadFileCompareProgress.h"

#include "app/GenerationState.h"
#include "resources/ResourceIds.h"

CThreadFileCompareProgress::CThreadFileCompareProgress(CWnd* mainWindow) : m_dialog(mainWindow)
{
    g_bCancelGeneration = 0;
}

CThreadFileCompareProgress::~CThreadFileCompareProgress()
{
    ExitInstance();
}

BOOL CThreadFileCompareProgress::InitInstance()
{
    m_dialog.Create(IDD_PROGRESS, nullptr);
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
