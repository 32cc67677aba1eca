// Dialog 257: opening, the look of the line and its preview, the box, OK and Cancel.
#include "dialogs/diary/Form_AddText.h"

#include "app/Form_SetWord.h"
#include "dialogs/diary/Form_Table_ALine.h"
#include "platform/Files.h"
#include "platform/ui/SysColors.h"
#include "resources/HeadingDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"
#include "settings/MottoFile.h"
#include "settings/SettingsRecords.h"
#include "settings/ui/ComboHelpers.h"

std::vector<TextLineRecord> g_vecTextLines;

namespace {

constexpr int kFirstFontSize = 5;
constexpr int kLastFontSize = 72;
constexpr int kStartSizeIndex = 15;   // 12.5 points
constexpr DWORD kListStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | 0x2000;
constexpr int kRowHeight = 24;
constexpr int kHeaderFontHeight = 13;

BYTE Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

RV_MESSAGE_MAP(CForm_AddText, CDiaryDialog,
               msgmap::Command(IDC_TEXT_OK, &T::OnOK),
               msgmap::Command(IDC_TEXT_CANCEL, &T::OnButtonCancelText),
               msgmap::Command(IDC_TEXT_CHOOSE_FILE, &T::OnSelectTextFile),
               msgmap::Command(IDC_TEXT_OPEN_FILE, &T::OnOpenTextFile),
               msgmap::Command(IDC_TEXT_DELETE_ALL, &T::OnDeleteAll),
               msgmap::Command(IDC_HEADING_BOLD, &T::ShowPreview),
               msgmap::Command(IDC_HEADING_ITALIC, &T::ShowPreview),
               msgmap::Command(IDC_HEADING_UNDERLINE, &T::ShowPreview),
               msgmap::Command(IDC_TEXT_BACK_FLAG, &T::OnCheckBackground),
               msgmap::Command(IDC_TEXT_DELETE, &T::OnDelete),
               msgmap::Command(IDC_TEXT_DETAIL, &T::OnDetail),
               msgmap::Command(IDC_TEXT_SAVE, &T::OnSave),
               msgmap::Command(IDC_TEXT_OPEN_FOLDER, &T::OnOpenFolder),
               msgmap::Command(IDC_TEXT_TABLE, &T::OnCheckTable),
               msgmap::Command(IDC_TEXT_TABLE_BUTTON, &T::OnTableSettings),
               msgmap::Command(IDC_HEADING_FONT, &T::ShowPreview, CBN_SELCHANGE),
               msgmap::Command(IDC_HEADING_SIZE, &T::ShowPreview, CBN_SELCHANGE),
               msgmap::Notify(NM_CLICK, IDC_TEXT_LINES, &T::OnClickLines),
               msgmap::Notify(NM_DBLCLK, IDC_TEXT_LINES, &T::OnDblclkLines),
               msgmap::Notify(LVN_KEYDOWN, IDC_TEXT_LINES, &T::OnKeydownLines),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_TEXT_LINES, &T::OnLinesItemChanged),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked))

CForm_AddText::CForm_AddText(CWnd* parent) : CDiaryDialog(IDD_ADD_TEXT, parent) {}

void CForm_AddText::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TEXT_PATH, m_editPath);
    DDX_Control(dx, IDC_HEADING_FONT, m_comboFont);
    DDX_Control(dx, IDC_HEADING_SIZE, m_comboSize);
    DDX_Control(dx, IDC_HEADING_COLOUR, m_colourFont);
    DDX_Control(dx, IDC_TEXT_BACK, m_colourBack);
    DDX_Control(dx, IDC_TEXT_PREVIEW, m_preview);
    DDX_Control(dx, IDC_TEXT_LINES, m_listLines);
    DDX_Control(dx, IDC_TEXT_TABLE_BUTTON, m_buttonTable);
}

BOOL CForm_AddText::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    ShowButtonIcon(m_buttonTable, IDI_TABLE_STYLE);
    CClientDC dc(this);
    FillFontNameCombo(&m_comboFont, &dc);
    m_comboFont.SetCurSel(0);
    SelectComboString(&m_comboFont, "Tahoma");
    CForm_SetWord::FillFontSizeCombo(&m_comboSize, kFirstFontSize, kLastFontSize, kStartSizeIndex);
    m_colourFont.SetColor(RGB(0, 0, 0));
    m_colourBack.SetColor(kWhite);
    for (CColorButton* button : {&m_colourFont, &m_colourBack}) {
        button->SetCustomText("More colores...");
        button->SetDefaultText("default");
        button->SetTrackSelection(TRUE);
    }
    Enable(IDC_TEXT_TABLE_BUTTON, Checked(IDC_TEXT_TABLE));
    Enable(IDC_TEXT_BACK, Checked(IDC_TEXT_BACK_FLAG));
    SetUpList();
    m_nCurrentRow = 0;

    const CString path = g_addText.FileName;
    if (path.IsEmpty() || !platform::PathExists(path.str()))
        return TRUE;
    m_editPath.SetWindowText(path);
    LoadSettings();
    LoadTextFile(path, m_listLines);
    ReadWorkingList(path);
    ShowCount();
    Check(IDC_TEXT_TABLE, g_textTable.bTable == 1);
    Enable(IDC_TEXT_TABLE_BUTTON, g_textTable.bTable == 1);
    m_nCurrentRow = 0;
    ShowRow(0);
    SelectRow(0);
    return TRUE;
}

void CForm_AddText::SetUpList()
{
    m_listLines.InsertColumn(0, "No", LVCFMT_CENTER, 35);
    m_listLines.InsertColumn(1, "Text", LVCFMT_LEFT, 870);
    m_listLines.InsertColumn(2, "Count", LVCFMT_CENTER, 45);
    m_listLines.SetExtendedStyle(m_listLines.GetExtendedStyle() | kListStyle);
    m_listLines.SetRowHeight(kRowHeight);
    m_listLines.SetHeaderHeight(1.3f);
    m_listLines.SetHeaderFontHW(kHeaderFontHeight, 0);
    m_listLines.SetHeaderTextColor(RGB(255, 255, 255));
    m_listLines.SetHeaderBKColor(139, 137, 137, 0);
    m_listLines.SetSelectedBkColor(GetSysColor(COLOR_HIGHLIGHT));
}

void CForm_AddText::LoadSettings()
{
    const AddTextSettings& a = g_addText;
    m_comboFont.SetCurSel(0);
    SelectComboStringKept(&m_comboFont, a.FontName);
    SelectFontSizeKept(&m_comboSize, a.FontSize);
    m_colourFont.SetColor(HexToColor(a.FontColor));
    m_colourBack.SetColor(HexToColor(a.BackgroundColor));
    Check(IDC_TEXT_BACK_FLAG, a.BackgroundColor_Check == 1);
    Enable(IDC_TEXT_BACK, a.BackgroundColor_Check == 1);
    Check(IDC_HEADING_BOLD, a.FontBold == 1);
    Check(IDC_HEADING_ITALIC, a.FontItalic == 1);
    Check(IDC_HEADING_UNDERLINE, a.FontUnderline == 1);
    Check(IDC_TEXT_LOOP, a.LOOP == 1);
    ShowPreview();
}

void CForm_AddText::SaveSettings()
{
    AddTextSettings& a = g_addText;
    a.FileName = m_editPath.GetWindowText();
    a.FontName = m_comboFont.GetWindowText();
    a.FontSize = m_comboSize.GetWindowText();
    a.FontColor = ColorToHex(m_colourFont.GetColor());
    a.BackgroundColor = Checked(IDC_TEXT_BACK_FLAG) ? ColorToHex(m_colourBack.GetColor()) : CString();
    a.FontBold = Flag(Checked(IDC_HEADING_BOLD));
    a.FontItalic = Flag(Checked(IDC_HEADING_ITALIC));
    a.FontUnderline = Flag(Checked(IDC_HEADING_UNDERLINE));
    a.LOOP = Flag(Checked(IDC_TEXT_LOOP));
    a.BackgroundColor_Check = Flag(Checked(IDC_TEXT_BACK_FLAG));
}

void CForm_AddText::OnOK()
{
    SaveSettings();
    EndDialog(IDOK);
}

void CForm_AddText::OnButtonCancelText()
{
    EndDialog(IDCANCEL);
}

void CForm_AddText::ShowPreview()
{
    m_preview.m_strFace = m_comboFont.GetWindowText();
    m_preview.m_fontSize = 2 * ParseInt(m_comboSize.GetWindowText());
    m_preview.m_textColour = m_colourFont.GetColor();
    m_preview.m_bBold = Checked(IDC_HEADING_BOLD);
    m_preview.m_bItalic = Checked(IDC_HEADING_ITALIC);
    m_preview.m_bUnderline = Checked(IDC_HEADING_UNDERLINE);
    m_preview.SetBackground(Checked(IDC_TEXT_BACK_FLAG) ? m_colourBack.GetColor() : GetSysColor(COLOR_MENU));
    m_preview.RedrawWindow();
}

void CForm_AddText::OnCheckBackground()
{
    Enable(IDC_TEXT_BACK, Checked(IDC_TEXT_BACK_FLAG));
    ShowPreview();
}

LRESULT CForm_AddText::OnColourPicked(WPARAM, LPARAM)
{
    ShowPreview();
    return 0;
}

// The box's switch takes effect at once, whatever the dialog ends with.
void CForm_AddText::OnCheckTable()
{
    Enable(IDC_TEXT_TABLE_BUTTON, Checked(IDC_TEXT_TABLE));
    g_textTable.bTable = Flag(Checked(IDC_TEXT_TABLE));
}

void CForm_AddText::OnTableSettings()
{
    g_strLinePreviewText = m_preview.GetWindowText();
    g_strLinePreviewFontName = m_comboFont.GetWindowText();
    g_nLinePreviewFontSize = ParseInt(m_comboSize.GetWindowText());
    g_clrLinePreviewFont = m_colourFont.GetColor();
    g_bLinePreviewBold = Flag(Checked(IDC_HEADING_BOLD));
    g_bLinePreviewItalic = Flag(Checked(IDC_HEADING_ITALIC));
    g_bLinePreviewUnderline = Flag(Checked(IDC_HEADING_UNDERLINE));
    g_strLinePreviewNote.Empty();
    EditTableLine(this, g_textTable);
}
