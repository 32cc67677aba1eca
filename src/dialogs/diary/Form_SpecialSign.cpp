#include "dialogs/diary/Form_SpecialSign.h"

#include "app/CurrentClass.h"
#include "resources/DiaryDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/DialogHelpers.h"
#include "settings/Settings.h"
#include "settings/ui/DialogPictures.h"

namespace {

constexpr int kSampleHeight = 23;
constexpr DWORD kSampleStyle = FST_ANTIALIAS | 64;   // 64: left-aligned

// The sign number of a button, 0 for another control.
int SignOfButton(UINT id)
{
    for (int index = 0; index < kSpecialSignCount; ++index)
        if (static_cast<UINT>(kSpecialSignButtonIds[index]) == id)
            return index + 1;
    return 0;
}

} // namespace

RV_MESSAGE_MAP(CForm_SpecialSign, CDiaryDialog,
               msgmap::Command(IDC_DIARY_OK, &T::OnOK),
               msgmap::Command(IDC_DIARY_CANCEL, &T::OnButtonCancel),
               msgmap::CommandRange(kFirstSignId, kLastSignId, &T::OnClickSign),
               msgmap::ShowWindow(&T::OnShowWindow))

CForm_SpecialSign::CForm_SpecialSign(CWnd* parent) : CDiaryDialog(IDD_SPECIAL_SIGN, parent) {}

void CForm_SpecialSign::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SIGN_SAMPLE, m_sample);
    DDX_Control(dx, IDC_SIGN_NUMBER, m_number);
    DDX_Control(dx, IDC_SIGN_PICTURE, m_picture);
    DDX_Control(dx, IDC_SIGN_COLOUR, m_colour);
    for (int index = 0; index < kSpecialSignCount; ++index)
        DDX_Control(dx, kSpecialSignButtonIds[index], m_signs[index]);
}

BOOL CForm_SpecialSign::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    m_sample.SetLabelFont("Verdana", kSampleHeight, RGB(0, 0, 0), kSampleStyle);
    m_sample.SetBackground(RGB(255, 255, 255));
    m_colour.SetColor(RGB(255, 255, 255));
    m_colour.SetTrackSelection(TRUE);
    m_colour.SetCustomText("More colores...");
    m_colour.SetDefaultText("default");
    m_colour.SetColor(HexToColor(g_strSpecialSignColor));
    for (int index = 0; index < kSpecialSignCount; ++index)
        ShowPictureFile(&m_signs[index], g_strExeFolder + ItemSymbolPicturePath(index + 1));
    SelectSignByNumber(g_nSpecialSign);
    return TRUE;
}

// No sign (a class without one stores -1) leaves the number empty, as the picture is.
void CForm_SpecialSign::SelectSignByNumber(int n)
{
    if (IsSpecialSign(n))
        SelectSign(&m_picture, n);
}

void CForm_SpecialSign::SelectSign(CWnd* picture, int n)
{
    m_nSelected = n;
    ShowPictureFile(picture, ItemSymbolPicturePath(n));
    CString number;
    number.Format("%d", n);
    m_number.SetWindowText(number);
    if (IsSpecialSign(m_nHighlighted))
        ShowPictureFile(&m_signs[m_nHighlighted - 1], g_strExeFolder + ItemSymbolPicturePath(m_nHighlighted));
    ShowPictureFile(&m_signs[n - 1], g_strExeFolder + SelectedItemSymbolPicturePath(n));
    m_nHighlighted = n;
}

void CForm_SpecialSign::OnShowWindow(BOOL, UINT)
{
    Default();
    if (IsSpecialSign(g_nSpecialSign))
        m_signs[g_nSpecialSign - 1].SetFocus();
}

void CForm_SpecialSign::OnClickSign(UINT id)
{
    if (const int sign = SignOfButton(id); sign > 0)
        SelectSign(&m_picture, sign);
}

// With no sign chosen there is nothing to store: OK acts as Cancel.
void CForm_SpecialSign::OnOK()
{
    if (!IsSpecialSign(m_nSelected)) {
        EndDialog(IDCANCEL);
        return;
    }
    g_nSpecialSign = m_nSelected;
    g_strSpecialSignColor = ColorToHex(m_colour.GetColor());
    EndDialog(IDOK);
}

