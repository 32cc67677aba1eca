// The preview of dialog 217: seven rows in the class's fonts over the table's backgrounds, and
// the borders and row lines painted along the frame.
#include "dialogs/diary/Form_Table.h"

#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"

namespace {

constexpr int kRowHeight = 21;
constexpr DWORD kRowStyle = FST_ANTIALIAS | 64;   // 64: left-aligned
constexpr int kRowInset = 2;

} // namespace

void CForm_Table::StyleRows()
{
    for (int row = 0; row < kTablePreviewRows; ++row)
        m_rows[row].SetLabelFont("Tahoma", kRowHeight, row == 0 ? g_clrPreviewTitleFont : g_clrPreviewLineFont, kRowStyle);
    m_rows[0].SetWindowText(g_bPreviewShowTitle == 1 ? g_strPreviewTitleText : CString());
    for (int row = 1; row < kTablePreviewRows; ++row) {
        CString text = g_strPreviewLineText;
        if (g_bPreviewItemNumber == 1)
            text.Format("(%d) %s", row, g_strPreviewLineText.GetString());
        m_rows[row].SetWindowText(text);
    }
    const auto look = [](CFontLabel& label, const CString& face, const CString& size, const CString& bold,
                         const CString& italic) {
        label.m_strFace = face;
        label.m_fontSize = 2 * ParseInt(size);
        label.m_bBold = ParseInt(bold) != 0;
        label.m_bItalic = ParseInt(italic) != 0;
    };
    look(m_rows[0], g_strPreviewTitleFontName, g_strPreviewTitleFontSize, g_strPreviewTitleBold, g_strPreviewTitleItalic);
    for (int row = 1; row < kTablePreviewRows; ++row)
        look(m_rows[row], g_strPreviewLineFontName, g_strPreviewLineFontSize, g_strPreviewLineBold,
             g_strPreviewLineItalic);

    // The rows lie between the lines the preview paints, a seventh of the frame each.
    const CRect frame = ClientRectOf(IDC_TABLE_PREVIEW_FRAME);
    for (int row = 0; row < kTablePreviewRows; ++row) {
        CRect place(frame.left, frame.top + row * frame.Height() / kTablePreviewRows, frame.right,
                    frame.top + (row + 1) * frame.Height() / kTablePreviewRows);
        place.DeflateRect(kRowInset, kRowInset);
        m_rows[row].MoveWindow(&place);
        m_rows[row].RedrawWindow();
    }
    GetDlgItem(IDC_TABLE_PREVIEW_FRAME)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_TABLE_PREVIEW_BACK)->ShowWindow(SW_HIDE);
}

void CForm_Table::ShowRowBackgrounds()
{
    m_rows[0].SetBackground(Checked(IDC_TABLE_TITLE_BACK_FLAG) ? m_colourTitleBack.GetColor() : kWhite);
    const COLORREF odd = Checked(IDC_TABLE_ODD_BACK_FLAG) ? m_colourOddBack.GetColor() : kWhite;
    const COLORREF even = Checked(IDC_TABLE_EVEN_BACK_FLAG) ? m_colourEvenBack.GetColor() : odd;
    for (int row = 1; row < kTablePreviewRows; ++row)
        m_rows[row].SetBackground(row % 2 == 0 ? even : odd);
    for (CFontLabel& row : m_rows)
        row.RedrawWindow();
}

void CForm_Table::DrawTablePreview()
{
    const CRect frame = ClientRectOf(IDC_TABLE_PREVIEW_FRAME);
    const int l = frame.left, t = frame.top, r = frame.right, b = frame.bottom;
    m_outline = TableOutline{};
    m_outline.fills.push_back({ClientRectOf(IDC_TABLE_PREVIEW_BACK), kWhite});
    SetOutlinePen(m_outline, m_colourLine.GetColor(), m_strLinePen);
    m_outline.lines = {
        {{l, t}, {r, t}, Checked(IDC_TABLE_TOP)},
        {{l, t}, {l, b}, Checked(IDC_TABLE_LEFT)},
        {{r, t}, {r, b}, Checked(IDC_TABLE_RIGHT)},
        {{l, b}, {r, b}, Checked(IDC_TABLE_BOTTOM)},
    };
    for (int row = 1; row < kTablePreviewRows; ++row) {
        const int y = t + row * frame.Height() / kTablePreviewRows;
        m_outline.lines.push_back({{l, y}, {r, y}, Checked(IDC_TABLE_MIDDLE)});
    }
    CRect area = ClientRectOf(IDC_TABLE_PREVIEW_BACK);
    InvalidateRect(&area, TRUE);
}

void CForm_Table::OnPaint()
{
    CPaintDC dc(this);
    PaintTableOutline(dc, m_outline);
}
