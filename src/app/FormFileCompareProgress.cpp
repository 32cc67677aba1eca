#include "app/FormFileCompareProgress.h"

#include "app/GenerationState.h"
#include "resources/ResourceIds.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr int kFullBar = 100;

} // namespace

RV_MESSAGE_MAP(CFormFileCompareProgress, CDialog,
               msgmap::Timer(&T::OnTimer),
               msgmap::Command(IDC_PROGRESS_OK, &T::OnButtonOK),
               msgmap::Simple(WM_CLOSE, &T::OnClose))

CFormFileCompareProgress::CFormFileCompareProgress(CWnd* mainWindow)
    : CDialog(IDD_PROGRESS, nullptr), m_pMainWindow(mainWindow)
{
}

void CFormFileCompareProgress::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PROGRESS_WAIT_TEXT, m_labelWait);
    DDX_Control(dx, IDC_PROGRESS_PERCENT, m_labelPercent);
    DDX_Control(dx, IDC_PROGRESS_BAR, m_progress);
}

// The more classes, the faster the bar: a run takes longer with each of them.
BOOL CFormFileCompareProgress::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nTick = 0;
    SetTimer(kTickTimer, static_cast<UINT>(std::max(1, kFullBar / std::max(1, g_nClassCount.load()))));
    m_progress.SetRange(0, kFullBar);
    return TRUE;
}

// While the body is written the bar runs round from 1 to 99; once it is written it fills up,
// and the percentage never passes 100.
void CFormFileCompareProgress::OnTimer(UINT_PTR)
{
    ++m_nTick;
    m_labelWait.SetWindowText("请稍等几秒... 本应用程序正在快马加鞭地为您生成一个word日记模板文件...");
    if (g_nGenerateProgressMode.load() == 0 && m_nTick > 99) {
        m_nTick = 0;
        return;
    }
    const int shown = std::min(m_nTick, kFullBar);
    m_progress.SetPos(shown);
    CString percent;
    percent.Format("%d%%", shown);
    m_labelPercent.SetWindowText(percent);
}

void CFormFileCompareProgress::OnButtonOK()
{
    if (m_pMainWindow != nullptr)
        m_pMainWindow->EnableWindow(TRUE);
    KillTimer(kTickTimer);
    g_bCancelGeneration = 1;
    EndDialog(IDOK);
}

void CFormFileCompareProgress::OnClose()
{
    KillTimer(kTickTimer);
    Default();
}
