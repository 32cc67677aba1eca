#include "dialogs/diary/HeadingFontDialog.h"

#include "app/Form_SetWord.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"
#include "settings/ui/ComboHelpers.h"

namespace {

constexpr int kFirstFontSize = 5;
constexpr int kLastFontSize = 72;
constexpr int kStartSizeIndex = 15;   // 12.5 points

BYTE Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

RV_MESSAGE_MAP(CHeadingFontDialog, CDiaryDialog,
               msgmap::Command(IDC_DIARY_OK, &T::OnOK),
               msgmap::Command(IDC_HEADING_CANCEL, &T::OnButtonCancel),
               msgmap::Command(IDC_HEADING_FONT, &T::OnSelchangeFontOrSize, CBN_SELCHANGE),
               msgmap::Command(IDC_HEADING_SIZE, &T::OnSelchangeFontOrSize, CBN_SELCHANGE),
               msgmap::Command(IDC_HEADING_BOLD, &T::OnClickStyle),
               msgmap::Command(IDC_HEADING_ITALIC, &T::OnClickStyle),
               msgmap::Command(IDC_HEADING_UNDERLINE, &T::OnClickStyle),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked))

CHeadingFontDialog::CHeadingFontDialog(UINT templateId, int sampleId, int groupId, CWnd* parent)
    : CDiaryDialog(templateId, parent), m_sampleId(sampleId), m_groupId(groupId)
{
}

void CHeadingFontDialog::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HEADING_FONT, m_comboFont);
    DDX_Control(dx, IDC_HEADING_SIZE, m_comboSize);
    DDX_Control(dx, IDC_HEADING_COLOUR, m_colour);
    DDX_Control(dx, m_sampleId, m_sample);
    DDX_Control(dx, m_groupId, m_group);
}

BOOL CHeadingFontDialog::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    m_group.SetBold(TRUE, TRUE);
    PrepareControls();
    CClientDC dc(this);
    FillFontNameCombo(&m_comboFont, &dc);
    m_comboFont.SetCurSel(0);
    SelectComboString(&m_comboFont, "Tahoma");
    CForm_SetWord::FillFontSizeCombo(&m_comboSize, kFirstFontSize, kLastFontSize, kStartSizeIndex);
    m_colour.SetColor(RGB(0, 0, 0));
    m_colour.SetTrackSelection(TRUE);
    m_colour.SetCustomText("More colores...");
    m_colour.SetDefaultText("default");
    LoadSettings();
    return TRUE;
}

void CHeadingFontDialog::ShowFont(const HeadingFont& font)
{
    m_comboFont.SetCurSel(0);
    SelectComboStringKept(&m_comboFont, font.face);
    m_sample.m_strFace = font.face;
    SelectFontSizeKept(&m_comboSize, font.size);
    m_sample.m_fontSize = 2 * ParseInt(font.size);
    m_colour.SetColor(HexToColor(font.colour));
    m_sample.m_textColour = HexToColor(font.colour);
    Check(IDC_HEADING_BOLD, font.bold == 1);
    m_sample.m_bBold = font.bold == 1;
    if (Has(IDC_HEADING_ITALIC)) {
        Check(IDC_HEADING_ITALIC, font.italic == 1);
        m_sample.m_bItalic = font.italic == 1;
    }
    if (Has(IDC_HEADING_UNDERLINE)) {
        Check(IDC_HEADING_UNDERLINE, font.underline == 1);
        m_sample.m_bUnderline = font.underline == 1;
    }
    m_sample.RedrawWindow();
}

HeadingFont CHeadingFontDialog::ChosenFont() const
{
    return {m_comboFont.GetWindowText(), m_comboSize.GetWindowText(), ColorToHex(m_colour.GetColor()),
            Flag(Checked(IDC_HEADING_BOLD)), Flag(CheckedIfThere(IDC_HEADING_ITALIC)),
            Flag(CheckedIfThere(IDC_HEADING_UNDERLINE))};
}

void CHeadingFontDialog::OnOK()
{
    SaveSettings();
    EndDialog(IDOK);
}

void CHeadingFontDialog::OnSelchangeFontOrSize()
{
    m_sample.m_strFace = m_comboFont.GetWindowText();
    m_sample.m_fontSize = 2 * ParseInt(m_comboSize.GetWindowText());
    m_sample.RedrawWindow();
}

void CHeadingFontDialog::OnClickStyle()
{
    m_sample.m_bBold = Checked(IDC_HEADING_BOLD);
    m_sample.m_bItalic = CheckedIfThere(IDC_HEADING_ITALIC);
    m_sample.m_bUnderline = CheckedIfThere(IDC_HEADING_UNDERLINE);
    m_sample.RedrawWindow();
}

LRESULT CHeadingFontDialog::OnColourPicked(WPARAM, LPARAM)
{
    m_sample.m_textColour = m_colour.GetColor();
    m_sample.RedrawWindow();
    return 0;
}
