#include "app/Form_CongratulationDocx.h"

#include "app/GenerationState.h"
#include "resources/ResourceIds.h"

namespace {

// Smoothed text, plus a bit the labels keep from the original style set.
constexpr DWORD kLabelStyle = 0x50;

} // namespace

RV_MESSAGE_MAP(CForm_CongratulationDocx, CDialog,
               msgmap::Command(IDC_CONGRATS_OPEN_FILE, &T::OnButtonOpenFile),
               msgmap::Command(IDC_CONGRATS_OPEN_FOLDER, &T::OnButtonOpenFolder),
               msgmap::Command(IDC_CONGRATS_CLOSE, &T::OnButtonClose))

CForm_CongratulationDocx::CForm_CongratulationDocx(CWnd* parent) : CDialog(IDD_CONGRATULATION, parent) {}

void CForm_CongratulationDocx::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CONGRATS_TIP, m_labelTip);
    DDX_Control(dx, IDC_CONGRATS_DONE, m_labelDone);
    DDX_Control(dx, IDC_CONGRATS_FILE_IS, m_labelFileIs);
    DDX_Control(dx, IDC_CONGRATS_PATH, m_labelPath);
    DDX_Control(dx, IDC_CONGRATS_CLOSE, m_buttonClose);
    DDX_Control(dx, IDC_CONGRATS_OPEN_FOLDER, m_buttonOpenFolder);
    DDX_Control(dx, IDC_CONGRATS_OPEN_FILE, m_buttonOpenFile);
}

BOOL CForm_CongratulationDocx::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_labelPath.SetWindowText(g_strOutputFile);
    m_labelTip.SetLabelFont("Tahoma", 17, RGB(0xAA, 0x0B, 0x08), kLabelStyle);
    m_labelTip.RedrawWindow();
    m_labelDone.SetLabelFont("Tahoma", 25, RGB(0, 0, 0), kLabelStyle);
    m_labelDone.m_bBold = true;
    m_labelDone.RedrawWindow();
    m_labelFileIs.SetLabelFont("Tahoma", 18, RGB(0, 0, 0), kLabelStyle);
    m_labelFileIs.RedrawWindow();
    m_labelPath.SetLabelFont("Tahoma", 22, RGB(0x06, 0x69, 0xB2), kLabelStyle);
    m_labelPath.RedrawWindow();
    return TRUE;
}

void CForm_CongratulationDocx::OnButtonOpenFile()
{
    g_nAfterGenerateAction = 0;
    EndDialog(IDOK);
}

void CForm_CongratulationDocx::OnButtonOpenFolder()
{
    g_nAfterGenerateAction = 1;
    EndDialog(IDOK);
}

void CForm_CongratulationDocx::OnButtonClose()
{
    g_nAfterGenerateAction = 2;
    EndDialog(IDCANCEL);
}
