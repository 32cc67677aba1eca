#include "dialogs/diary/Form_Date_Font.h"

#include "dialogs/diary/Form_AddText.h"
#include "dialogs/diary/Form_Table_ALine.h"
#include "platform/ui/SysColors.h"
#include "resources/ResourceIds.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"
#include "settings/ui/DialogPictures.h"

CString g_strDateSampleText;

namespace {

constexpr const char* kTableNote =
    "Warning :It will have no 'Document Map' about Date  when add this Table, this is Microsoft Office Word 2007 design.";

BYTE Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

RV_MESSAGE_MAP(CForm_Date_Font, CHeadingFontDialog,
               msgmap::Command(IDC_DATE_BACK_FLAG, &T::OnCheckBackground),
               msgmap::Command(IDC_DATE_TABLE, &T::OnCheckTable),
               msgmap::Command(IDC_DATE_MOTTO, &T::OnCheckMotto),
               msgmap::Command(IDC_DATE_TABLE_BUTTON, &T::OnButtonTable),
               msgmap::Command(IDC_DATE_MOTTO_BUTTON, &T::OnButtonMotto),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPickedHere),
               msgmap::Message(WM_CTLCOLORSTATIC, &T::OnCtlColorStatic))

CForm_Date_Font::CForm_Date_Font(CWnd* parent)
    : CHeadingFontDialog(IDD_DATE_FONT, IDC_DATE_FONT_SAMPLE, IDC_DATE_FONT_GROUP, parent)
{
}

// The group box is white, its caption drawn without a background; other statics keep their colours.
LRESULT CForm_Date_Font::OnCtlColorStatic(WPARAM dc, LPARAM control)
{
    if (reinterpret_cast<HWND>(control) != m_group.m_hWnd)
        return Default();
    CDC::FromHandle(reinterpret_cast<HDC>(dc))->SetBkMode(TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void CForm_Date_Font::DoDataExchange(CDataExchange* dx)
{
    CHeadingFontDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_DATE_BACK, m_colourBack);
    DDX_Control(dx, IDC_DATE_TABLE_BUTTON, m_buttonTable);
    DDX_Control(dx, IDC_DATE_MOTTO_BUTTON, m_buttonMotto);
}

void CForm_Date_Font::PrepareControls()
{
    m_colourBack.SetColor(kWhite);
    m_colourBack.SetTrackSelection(TRUE);
    m_colourBack.SetCustomText("More colores...");
    m_colourBack.SetDefaultText("default");
    ShowButtonIcon(m_buttonTable, IDI_TABLE_STYLE);
    SetAddTextBitmap(&m_buttonTable);
    SetAddTextBitmap(&m_buttonMotto);
}

void CForm_Date_Font::LoadSettings()
{
    m_sample.SetWindowText(g_strDateSampleText);
    Check(IDC_DATE_BACK_FLAG, g_bDaysBackGround == 1);
    const bool stored = !g_strDaysBackGround.IsEmpty();
    if (g_bDaysBackGround == 1 && stored) {
        m_colourBack.SetColor(HexToColor(g_strDaysBackGround));
        m_sample.SetBackground(HexToColor(g_strDaysBackGround));
    } else {
        if (stored)
            m_colourBack.SetColor(HexToColor(g_strDaysBackGround));
        m_sample.SetBackground(GetSysColor(COLOR_MENU));
    }
    Enable(IDC_DATE_BACK, g_bDaysBackGround == 1);
    ShowFont({g_strDaysFontName, g_strDaysFontSize, g_strDaysFontColor, g_bDaysFontBold, g_bDaysFontItalic,
              g_bDaysUnderline});
    Check(IDC_DATE_PAGE_BREAKS, g_bPageBreaks == 1);
    Check(IDC_DATE_BLANK_LINE, g_bAddBlankLineBeforeClass == 1);
    Check(IDC_DATE_MOTTO, g_addText.AddText == 1);
    ShowMottoPath();
    Enable(IDC_DATE_MOTTO_BUTTON, g_addText.AddText == 1);
    Check(IDC_DATE_TABLE, g_bDateInTable == 1);
    Enable(IDC_DATE_TABLE_BUTTON, g_bDateInTable == 1);
}

// A motto switch without a motto file is stored as off.
void CForm_Date_Font::SaveSettings()
{
    const HeadingFont font = ChosenFont();
    g_strDaysFontName = font.face;
    g_strDaysFontSize = font.size;
    g_strDaysFontColor = font.colour;
    g_strDaysBackGround = ColorToHex(m_colourBack.GetColor());
    g_bDaysFontBold = font.bold;
    g_bDaysFontItalic = font.italic;
    g_bDaysUnderline = font.underline;
    g_bDaysBackGround = Flag(Checked(IDC_DATE_BACK_FLAG));
    g_bPageBreaks = Flag(Checked(IDC_DATE_PAGE_BREAKS));
    g_bAddBlankLineBeforeClass = Flag(Checked(IDC_DATE_BLANK_LINE));
    g_bAddTextPerDay = Flag(Checked(IDC_DATE_MOTTO));
    ShowMottoPath();
    if (g_addText.FileName.IsEmpty())
        g_bAddTextPerDay = 0;
    g_addText.AddText = g_bAddTextPerDay;
    g_bDateInTable = Flag(Checked(IDC_DATE_TABLE));
    g_dateTable.bTable = g_bDateInTable;
}

void CForm_Date_Font::ShowMottoPath()
{
    GetDlgItem(IDC_DATE_MOTTO_PATH)->SetWindowText(Checked(IDC_DATE_MOTTO) ? g_addText.FileName : CString());
}

void CForm_Date_Font::ShowSampleBackground(COLORREF colour)
{
    m_sample.SetBackground(colour);
    m_sample.RedrawWindow();
}

void CForm_Date_Font::OnCheckBackground()
{
    Enable(IDC_DATE_BACK, Checked(IDC_DATE_BACK_FLAG));
    ShowSampleBackground(Checked(IDC_DATE_BACK_FLAG) ? m_colourBack.GetColor() : GetSysColor(COLOR_MENU));
}

void CForm_Date_Font::OnCheckTable()
{
    Enable(IDC_DATE_TABLE_BUTTON, Checked(IDC_DATE_TABLE));
}

void CForm_Date_Font::OnCheckMotto()
{
    Enable(IDC_DATE_MOTTO_BUTTON, Checked(IDC_DATE_MOTTO));
    ShowMottoPath();
}

LRESULT CForm_Date_Font::OnColourPickedHere(WPARAM colour, LPARAM id)
{
    if (id != IDC_DATE_BACK)
        return OnColourPicked(colour, id);
    ShowSampleBackground(m_colourBack.GetColor());
    return 0;
}

// The box's look goes straight into the date heading's record when its dialog ends with OK.
void CForm_Date_Font::OnButtonTable()
{
    g_strLinePreviewFontName = m_comboFont.GetWindowText();
    g_strLinePreviewText = m_sample.GetWindowText();
    g_strLinePreviewNote = kTableNote;
    g_clrLinePreviewFont = HexToColor(g_strDaysFontColor);
    g_bLinePreviewBold = Flag(Checked(IDC_HEADING_BOLD));
    g_bLinePreviewItalic = Flag(Checked(IDC_HEADING_ITALIC));
    g_bLinePreviewUnderline = Flag(Checked(IDC_HEADING_UNDERLINE));
    g_nLinePreviewFontSize = ParseInt(g_strDaysFontSize);
    EditTableLine(this, g_dateTable);
}

void CForm_Date_Font::OnButtonMotto()
{
    CForm_AddText text(this);
    if (text.DoModal() == IDOK)
        GetDlgItem(IDC_DATE_MOTTO_PATH)->SetWindowText(g_addText.FileName);
}
