// The live sample of dialog 280: every label and picture follows the controls as they are, and
// the outline of the class table is painted under them.
#include "app/CurrentClass.h"
#include "dialogs/diary/Form_DailyDiary.h"
#include "resources/DiaryDialogIds.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"
#include "settings/ui/DialogPictures.h"

namespace {

constexpr int kNoSymbol = 0;
// The inside of the sample's group box.
constexpr int kGroupInsetLeft = 8;
constexpr int kGroupInsetTop = 18;
constexpr int kGroupInsetOther = 5;

void SetFace(CFontLabel& label, const CString& face, int height, COLORREF colour)
{
    label.m_strFace = face;
    label.m_fontSize = height;
    label.m_textColour = colour;
}

} // namespace

void CForm_DailyDiary::ShowSamples()
{
    const bool title = Checked(IDC_CLASS_TITLE_FLAG);
    const bool table = Checked(IDC_CLASS_TABLE);
    const bool lineBack = Checked(IDC_CLASS_LINE_BACK_FLAG);
    const bool numbered = Checked(IDC_CLASS_NUMBERS);
    const int lines = ParseInt(m_comboLineCount.GetWindowText());
    const CString face = m_comboLineFont.GetWindowText();
    const int height = 2 * ParseInt(m_comboLineSize.GetWindowText());
    const COLORREF lineColour = m_colourLine.GetColor();
    const bool lineBold = Checked(IDC_CLASS_LINE_BOLD);

    m_sampleTitle.SetWindowText(title ? m_editTitle.GetWindowText() : CString());
    SetFace(m_sampleTitle, m_comboTitleFont.GetWindowText(), m_nTitleSampleHeight, m_colourTitle.GetColor());
    m_sampleTitle.m_bBold = Checked(IDC_CLASS_TITLE_BOLD);
    m_sampleTitle.m_bItalic = Checked(IDC_CLASS_TITLE_ITALIC);
    COLORREF titleBack = kWhite;
    if (title && Checked(IDC_CLASS_TITLE_BACK_FLAG))
        titleBack = m_colourTitleBack.GetColor();
    else if (title && table)
        titleBack = HexToColorOrWhite(g_classTable.class_table_bk_color);
    m_sampleTitle.SetBackground(titleBack);

    const COLORREF rowBack = lineBack ? m_colourLineBack.GetColor()
                                      : (table ? HexToColorOrWhite(g_classTable.line_table_bk_color) : kWhite);
    SetFace(m_sampleLine, face, height, lineColour);
    m_sampleLine.m_bBold = lineBold;
    m_sampleLine.m_bItalic = Checked(IDC_CLASS_LINE_ITALIC);
    m_sampleLine.m_bUnderline = Checked(IDC_CLASS_LINE_UNDERLINE);
    m_sampleLine.m_bStrikeOut = Checked(IDC_CLASS_LINE_STRIKE);
    m_sampleLine.SetBackground(rowBack);

    m_samplePrefix.SetWindowText(m_editPrefix.GetWindowText());
    SetFace(m_samplePrefix, face, height, m_colourPrefix.GetColor());
    m_samplePrefix.m_bBold = Checked(IDC_CLASS_PREFIX_BOLD);
    m_samplePrefix.m_bItalic = Checked(IDC_CLASS_PREFIX_ITALIC);
    m_samplePrefix.SetBackground(rowBack);

    m_sampleNumber.SetWindowText("1)");
    SetFace(m_sampleNumber, face, height, lineColour);
    m_sampleNumber.m_bBold = lineBold;
    m_sampleNumber.SetBackground(lineBack && numbered ? m_colourLineBack.GetColor() : kWhite);
    m_sampleNumber.ShowWindow(numbered ? SW_SHOW : SW_HIDE);

    // The symbol stands for every line's mark, so no further lines are spelled out beside it.
    m_sampleMore.SetWindowText(Checked(IDC_CLASS_SYMBOL_FLAG) ? CString() : MoreLinesText(lines, numbered));
    SetFace(m_sampleMore, face, height, lineColour);
    m_sampleMore.m_bBold = lineBold;
    m_sampleMore.SetBackground(lineBack && lines > 1 ? m_colourLineBack.GetColor() : kWhite);

    const bool symbol = Checked(IDC_CLASS_SYMBOL_FLAG) && !numbered;
    SetItemSpecialButtonBitmap(GetDlgItem(IDC_CLASS_SAMPLE_SYMBOL), symbol ? g_nItemSpecial : kNoSymbol);
    ShowSpecialSign(GetDlgItem(IDC_CLASS_SAMPLE_SIGN), Checked(IDC_CLASS_SIGN_FLAG) ? g_nSpecialSign : kNoSymbol);
    RedrawSamples();
}

void CForm_DailyDiary::RedrawSamples()
{
    for (CFontLabel* sample : {&m_sampleTitle, &m_sampleLine, &m_samplePrefix, &m_sampleNumber, &m_sampleMore})
        sample->RedrawWindow();
    for (int id : {IDC_CLASS_SAMPLE_TITLE, IDC_CLASS_SAMPLE_LINE, IDC_CLASS_SAMPLE_PREFIX, IDC_CLASS_SAMPLE_NUMBER,
                   IDC_CLASS_SAMPLE_SYMBOL, IDC_CLASS_SAMPLE_SIGN}) {
        const CRect place = ClientRectOf(id);
        InvalidateRect(&place, TRUE);
    }
}

void CForm_DailyDiary::UpdatePreview()
{
    ClassOutlineLook look;
    look.table = Checked(IDC_CLASS_TABLE);
    look.title = Checked(IDC_CLASS_TITLE_FLAG);
    look.severalLines = ParseInt(m_comboLineCount.GetWindowText()) > 1;
    look.look = g_classTable;
    CRect inside = ClientRectOf(IDC_CLASS_GROUP_SAMPLE);
    inside.DeflateRect(kGroupInsetLeft, kGroupInsetTop, kGroupInsetOther, kGroupInsetOther);
    m_outline = ClassTableOutline(inside, ClientRectOf(IDC_CLASS_SAMPLE_FRAME), look);
    const CRect group = ClientRectOf(IDC_CLASS_GROUP_SAMPLE);
    InvalidateRect(&group, TRUE);
}

void CForm_DailyDiary::OnPaint()
{
    CPaintDC dc(this);
    PaintTableOutline(dc, m_outline);
}
