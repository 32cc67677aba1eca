// The preview of one diary class under the group box "Preview": labels in the class's fonts and
// colours, its item symbol and special sign, and the outline of its table, painted from the
// drawing kept in m_previewDrawing.
#include "app/CurrentClass.h"
#include "app/Form_SetWord.h"
#include "resources/ResourceIds.h"
#include "settings/ClassCells.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"
#include "settings/ui/DialogPictures.h"

namespace {

constexpr int kNoSymbol = 0;
// The inside of the group box: its rectangle less its border and caption.
constexpr int kGroupInsetSides = 8;
constexpr int kGroupInsetTop = 23;
constexpr int kGroupInsetBottom = 11;
// The sample line, moved to the place of the prefix label, reaches this far past the frame.
constexpr int kMovedLineExtra = 27;

bool On(const CString& cell)
{
    return YesNoToBool(cell) != FALSE;
}

// Twice the whole points: "10.5" gives 20.
int LabelHeight(const CString& size)
{
    return 2 * ParseInt(size);
}

void Redraw(CFontLabel& label)
{
    label.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void SetLabelLook(CFontLabel& label, const CString& face, const CString& size, COLORREF colour, bool bold)
{
    label.m_strFace = face;
    label.m_fontSize = LabelHeight(size);
    label.m_textColour = colour;
    label.m_bBold = bold;
}

} // namespace

ClassListRow CForm_SetWord::PreviewCells(int row) const
{
    return row >= 0 && row < m_listClasses.GetItemCount() ? ReadListRow(row) : ClassListRow{};
}

void CForm_SetWord::RefreshClassPreview(int row)
{
    if (m_listClasses.GetItemCount() == 0)
        return;
    m_nPreviewRow = row;
    DrawPagePreview();
    const ClassListRow cells = PreviewCells(row);
    m_groupPreview.SetWindowText("日记的分类: " + CString(" : ") + cells.cells[kCellId] + "  ", TRUE);
    PreviewClassTitle(cells);
    PreviewLineLabel(cells);
    PreviewLines(cells);
    PreviewTableLines(cells);
    PreviewItemSpecial(cells);
    const bool numbered = On(cells.cells[kCellItemNumber]);
    m_labelNumber.SetWindowText(numbered ? "1)" : "");
    Redraw(m_labelNumber);
    m_labelNumber.ShowWindow(numbered ? SW_SHOW : SW_HIDE);
    PreviewSpecialSign(cells);
}

void CForm_SetWord::PreviewClassTitle(const ClassListRow& row)
{
    const auto& c = row.cells;
    const bool title = On(c[kCellTitleFlag]);
    m_labelTitle.SetWindowText(title ? c[kCellTitle] : CString());
    SetLabelLook(m_labelTitle, c[kCellClassFontName], c[kCellClassFontSize], HexToColor(c[kCellClassFontColor]),
                 On(c[kCellClassBold]));
    m_labelTitle.m_bItalic = On(c[kCellClassItalic]);
    COLORREF back = kWhite;
    if (title && On(c[kCellClassBackFlag]))
        back = HexToColor(c[kCellClassBackColor]);
    else if (title && On(c[kCellTable]))
        back = HexToColorOrWhite(c[kCellTitleRowBack]);
    m_labelTitle.SetBackground(back);
    RedrawPreviewLabel(m_labelTitle);
}

void CForm_SetWord::PreviewLineLabel(const ClassListRow& row)
{
    const auto& c = row.cells;
    m_labelPrefix.SetWindowText(c[kCellUndoneText]);
    SetLabelLook(m_labelPrefix, c[kCellLineFontName], c[kCellLineFontSize], HexToColor(c[kCellUndoneColor]),
                 On(c[kCellUndoneBold]));
    m_labelPrefix.m_bItalic = On(c[kCellUndoneItalic]);
    COLORREF back = kWhite;
    if (On(c[kCellLineBackFlag]))
        back = HexToColorOrWhite(c[kCellLineBackColor]);
    else if (On(c[kCellTable]))
        back = HexToColorOrWhite(c[kCellOddRowBack]);
    m_labelPrefix.SetBackground(back);
    RedrawPreviewLabel(m_labelPrefix);
}

void CForm_SetWord::PreviewLines(const ClassListRow& row)
{
    const auto& c = row.cells;
    const COLORREF colour = HexToColor(c[kCellLineTextColor]);
    const bool bold = On(c[kCellLineBold]);
    for (CFontLabel* label : {&m_labelLine, &m_labelNumber, &m_labelNote})
        SetLabelLook(*label, c[kCellLineFontName], c[kCellLineFontSize], colour, bold);
    m_labelLine.m_bItalic = On(c[kCellLineItalic]);
    m_labelLine.m_bUnderline = On(c[kCellUnderline]);
    m_labelLine.m_bStrikeOut = On(c[kCellStrike]);

    if (On(c[kCellLineBackFlag])) {
        const COLORREF back = HexToColorOrWhite(c[kCellLineBackColor]);
        for (CFontLabel* label : {&m_labelLine, &m_labelNumber, &m_labelNote})
            label->SetBackground(back);
    } else {
        m_labelLine.SetBackground(On(c[kCellTable]) ? HexToColorOrWhite(c[kCellOddRowBack]) : kWhite);
        m_labelNumber.SetBackground(kWhite);
        m_labelNote.SetBackground(kWhite);
    }
    const int lines = ParseInt(c[kCellLineCount]);
    if (lines <= 1)
        m_labelNote.SetBackground(kWhite);
    m_labelNote.SetWindowText(MoreLinesText(lines, On(c[kCellItemNumber])));

    CRect place = m_rectLineLabel;
    if (c[kCellUndoneText].IsEmpty()) {
        place = ClientRectOf(IDC_PREVIEW_PREFIX);
        CRect frame;
        GetDlgItem(IDC_PREVIEW_AREA)->GetWindowRect(&frame);
        place.right = frame.Width() + kMovedLineExtra;
    }
    m_labelLine.MoveWindow(&place, TRUE);
    Redraw(m_labelLine);
    RedrawPreviewLabel(m_labelNumber);
    RedrawPreviewLabel(m_labelNote);
}

void CForm_SetWord::PreviewTableLines(const ClassListRow& row)
{
    const auto& c = row.cells;
    ClassTableSettings& t = g_classTable;
    t.bLineTop = On(c[kCellTableTop]) ? 1 : 0;
    t.bLineBottom = On(c[kCellTableBottom]) ? 1 : 0;
    t.bLineLeft = On(c[kCellTableLeft]) ? 1 : 0;
    t.bLineRight = On(c[kCellTableRight]) ? 1 : 0;
    t.bLineMiddle = On(c[kCellTableMiddle]) ? 1 : 0;
    t.bInsertACol = On(c[kCellInsertColumn]) ? 1 : 0;
    t.line_type = c[kCellTableLineType];
    t.line_color = c[kCellTableLineColor];
    t.line_table_bk_color = c[kCellOddRowBack];
    t.line_table_bk_color2 = c[kCellEvenRowBack];
    t.class_table_bk_color = c[kCellTitleRowBack];
}

void CForm_SetWord::PreviewItemSpecial(const ClassListRow& row)
{
    g_nItemSpecial = ParseInt(row.cells[kCellItemSpecial]);
    SetItemSpecialButtonBitmap(GetDlgItem(IDC_PREVIEW_ITEM_SYMBOL),
                               On(row.cells[kCellItemSpecialFlag]) ? g_nItemSpecial : kNoSymbol);
    InvalidatePreviewControl(IDC_PREVIEW_ITEM_SYMBOL);
}

void CForm_SetWord::PreviewSpecialSign(const ClassListRow& row)
{
    g_nSpecialSign = ParseInt(row.cells[kCellSign]);
    g_strSpecialSignColor = row.cells[kCellSignColor];
    ShowSpecialSign(GetDlgItem(IDC_PREVIEW_SIGN), On(row.cells[kCellSignFlag]) ? g_nSpecialSign : kNoSymbol);
    InvalidatePreviewControl(IDC_PREVIEW_SIGN);
}

void CForm_SetWord::RedrawPreviewLabel(CFontLabel& label)
{
    Redraw(label);
    InvalidatePreviewControl(label.GetDlgCtrlID());
}

void CForm_SetWord::InvalidatePreviewControl(int id)
{
    const CRect place = ClientRectOf(id);
    InvalidateRect(&place, TRUE);
}

CRect CForm_SetWord::PreviewInside() const
{
    CRect inside = ClientRectOf(IDC_GROUP_PREVIEW);
    inside.DeflateRect(kGroupInsetSides, kGroupInsetTop, kGroupInsetSides, kGroupInsetBottom);
    return inside;
}

void CForm_SetWord::DrawPagePreview()
{
    if (m_listClasses.GetItemCount() == 0)
        return;
    const ClassListRow row = PreviewCells(m_nPreviewRow);
    const auto& c = row.cells;
    ClassOutlineLook look;
    look.table = On(c[kCellTable]);
    look.title = On(c[kCellTitleFlag]);
    look.severalLines = ParseInt(c[kCellLineCount]) > 1;
    look.look.line_color = c[kCellTableLineColor];
    look.look.line_type = c[kCellTableLineType];
    look.look.bLineTop = On(c[kCellTableTop]);
    look.look.bLineBottom = On(c[kCellTableBottom]);
    look.look.bLineLeft = On(c[kCellTableLeft]);
    look.look.bLineRight = On(c[kCellTableRight]);
    look.look.bLineMiddle = On(c[kCellTableMiddle]);
    look.look.bInsertACol = On(c[kCellInsertColumn]);
    look.look.class_table_bk_color = c[kCellTitleRowBack];
    look.look.line_table_bk_color = c[kCellOddRowBack];

    GetDlgItem(IDC_PREVIEW_AREA)->ShowWindow(SW_HIDE);
    m_previewDrawing = ClassTableOutline(PreviewInside(), ClientRectOf(IDC_PREVIEW_AREA), look);
    InvalidatePreviewArea();
}

void CForm_SetWord::ClearPreviewArea()
{
    m_previewDrawing = TableOutline{};
    m_previewDrawing.fills.push_back({PreviewInside(), kWhite});
    InvalidatePreviewArea();
}

// The group box and its labels are painted again over the new drawing.
void CForm_SetWord::InvalidatePreviewArea()
{
    CRect group = ClientRectOf(IDC_GROUP_PREVIEW);
    InvalidateRect(&group, TRUE);
}

void CForm_SetWord::OnPaint()
{
    if (m_bFirstPaintDone == 0) {
        DrawPagePreview();
        m_bFirstPaintDone = 1;
    }
    CPaintDC dc(this);
    PaintTableOutline(dc, m_previewDrawing);
}

void CForm_SetWord::ResetPreview()
{
    for (CFontLabel* label : {&m_labelPrefix, &m_labelTitle}) {
        label->SetWindowText("");
        label->SetBackground(kWhite);
        Redraw(*label);
    }
    SetItemSpecialButtonBitmap(GetDlgItem(IDC_PREVIEW_ITEM_SYMBOL), kNoSymbol);
    SetItemSpecialButtonBitmap(GetDlgItem(IDC_PREVIEW_SIGN), kNoSymbol);
    m_labelLine.m_textColour = kWhite;
    m_labelLine.SetBackground(kWhite);
    Redraw(m_labelLine);
    for (CFontLabel* label : {&m_labelNote, &m_labelNumber}) {
        label->SetWindowText("");
        label->SetBackground(kWhite);
        label->m_textColour = kWhite;
        Redraw(*label);
    }
    m_groupPreview.SetWindowText("", TRUE);
    ShowPreviewFrame();
}

// The frame shows again as an empty white area.
void CForm_SetWord::ShowPreviewFrame()
{
    m_nPreviewRow = -1;
    ClearPreviewArea();
    GetDlgItem(IDC_PREVIEW_AREA)->ShowWindow(SW_SHOWNA);
}
