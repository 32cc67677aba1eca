// The user's list of daily date formats in dialog 131 and its file "config/date_format.ini".
// The file is always written whole from the rows, through a new file that replaces the old.
#include "dialogs/calendar/Form_SetMonth.h"

#include "app/SaveTelling.h"
#include "dialogs/diary/Fomr_AddDateFormat.h"
#include "platform/ui/Menu.h"
#include "resources/DateDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/DateFormatFile.h"
#include "settings/Settings.h"

namespace {

constexpr int kNumberColumn = 1;
constexpr int kSampleColumn = 2;
constexpr int kPatternColumn = 3;

// Writes the list; a failure is told, and the old file stays.
bool SaveFormats(CWnd& dialog, const CString& file, const std::vector<CString>& formats)
{
    return SaveTelling(dialog, file, "日期格式", [&] { return WriteDateFormats(file, formats); });
}

} // namespace

CString CForm_SetMonth::FormatFile() const
{
    return g_strExeFolder + "config/date_format.ini";
}

void CForm_SetMonth::SetUpFormatList()
{
    m_listFormats.InsertColumn(0, "", LVCFMT_LEFT, 0);
    m_listFormats.InsertColumn(kNumberColumn, "", LVCFMT_LEFT, 30);
    m_listFormats.InsertColumn(kSampleColumn, "Date & Format", LVCFMT_LEFT, 250);
    m_listFormats.InsertColumn(kPatternColumn, "", LVCFMT_LEFT, 0);
    m_listFormats.SetExtendedStyle(m_listFormats.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                                   LVS_EX_CHECKBOXES);
}

// The format the dialog shows must be in the list; it is added to the file when missing. The list
// is shown from memory, not read back, so the design's format is listed (and selected) also when
// the file could not take it, which is told.
std::vector<CString> CForm_SetMonth::SyncDateFormatFile(const CString& format)
{
    CString wanted = format;
    wanted.Trim();
    std::vector<CString> formats = ReadDateFormats(FormatFile());
    if (wanted.IsEmpty() || std::find(formats.begin(), formats.end(), wanted) != formats.end())
        return formats;
    formats.push_back(wanted);
    SaveFormats(*this, FormatFile(), formats);
    return formats;
}

void CForm_SetMonth::LoadDateFormats()
{
    ShowFormatRows(ReadDateFormats(FormatFile()));
}

void CForm_SetMonth::ShowFormatRows(const std::vector<CString>& formats)
{
    m_listFormats.DeleteAllItems();
    for (const CString& format : formats)
        AppendFormatRow(format);
}

int CForm_SetMonth::AppendFormatRow(const CString& pattern)
{
    const int row = m_listFormats.GetItemCount();
    CString number;
    number.Format("%d", row + 1);
    m_listFormats.InsertItem(row, "");
    m_listFormats.SetItemText(row, kNumberColumn, number);
    m_listFormats.SetItemText(row, kSampleColumn, FormatCurrentTime(pattern));
    m_listFormats.SetItemText(row, kPatternColumn, pattern);
    return row;
}

void CForm_SetMonth::AddFormatRow(const CString& pattern)
{
    SelectListRow(AppendFormatRow(pattern));
}

void CForm_SetMonth::SelectListRow(int row)
{
    m_listFormats.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row < 0 || row >= m_listFormats.GetItemCount())
        return;
    m_listFormats.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listFormats.EnsureVisible(row, FALSE);
    m_listFormats.SetFocus();
}

void CForm_SetMonth::SelectFormatRow(int row)
{
    m_strDayFormat = m_listFormats.GetItemText(row, kPatternColumn);
    ShowStartEndDates();
    FollowFormatLengths();
}

BOOL CForm_SetMonth::FindFormatRow(const CString& pattern)
{
    for (int row = 0; row < m_listFormats.GetItemCount(); ++row)
        if (m_listFormats.GetItemText(row, kPatternColumn) == pattern) {
            m_nSelectedFormatRow = row;
            return TRUE;
        }
    return FALSE;
}

void CForm_SetMonth::ShowSelectedFormat()
{
    m_nSelectedFormatRow = -1;
    SelectListRow(FindFormatRow(m_strDayFormat) ? m_nSelectedFormatRow : -1);
}

bool CForm_SetMonth::SaveFormatRows()
{
    std::vector<CString> formats;
    for (int row = 0; row < m_listFormats.GetItemCount(); ++row)
        formats.push_back(m_listFormats.GetItemText(row, kPatternColumn));
    return SaveFormats(*this, FormatFile(), formats);
}

void CForm_SetMonth::OnClickFormatList(NMHDR* header, LRESULT* result)
{
    const int row = reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
    *result = 0;
    if (row < 0)
        return;
    m_nSelectedFormatRow = row;
    if (m_listFormats.GetItemState(row, LVIS_SELECTED))
        SelectFormatRow(row);
}

void CForm_SetMonth::OnKeydownFormatList(NMHDR* header, LRESULT* result)
{
    const WORD key = reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey;
    *result = 0;
    int row = -1;
    switch (key) {
    case VK_DOWN: row = m_nSelectedFormatRow + 1; break;
    case VK_UP: row = m_nSelectedFormatRow - 1; break;
    case VK_HOME: row = 0; break;
    case VK_END: row = m_listFormats.GetItemCount() - 1; break;
    default: return;
    }
    if (row < 0 || row >= m_listFormats.GetItemCount())
        return;
    m_nSelectedFormatRow = row;
    SelectFormatRow(row);
}

// The row the list shows selected is the daily format, whatever put it there: the keys the list
// does not tell (pages, typed digits), the row a deletion leaves selected, a listed format added again.
void CForm_SetMonth::OnFormatItemChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (const auto row = ChosenRow(m_listFormats, header)) {
        m_nSelectedFormatRow = *row;
        SelectFormatRow(*row);
    }
}

// The row right-clicked is the one the menu acts on.
void CForm_SetMonth::OnRclickFormatList(NMHDR* header, LRESULT* result)
{
    const int row = reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
    *result = 0;
    if (row >= 0)
        m_nSelectedFormatRow = row;
    POINT cursor{};
    GetCursorPos(&cursor);
    ShowFormatMenu(cursor);
}

// The menu key in the format list opens the same menu for the selected row, under it, so that
// a format can be deleted by keys alone.
LRESULT CForm_SetMonth::OnContextMenu(WPARAM window, LPARAM place)
{
    if (reinterpret_cast<HWND>(window) != m_listFormats.m_hWnd || GET_X_LPARAM(place) != -1 ||
        GET_Y_LPARAM(place) != -1)
        return Default();
    CRect row;
    if (!m_listFormats.GetItemRect(m_nSelectedFormatRow, &row, LVIR_LABEL))
        row.SetRectEmpty();
    POINT under{row.left, row.bottom};
    m_listFormats.ClientToScreen(&under);
    ShowFormatMenu(under);
    return 0;
}

void CForm_SetMonth::ShowFormatMenu(POINT at)
{
    CMenu menu;
    if (menu.LoadMenu(IDR_RIGHT_DATE_FORMAT))
        menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, this);
}

void CForm_SetMonth::OnAddDateFormat()
{
    CFomr_AddDateFormat dialog(this);
    if (dialog.DoModal() != IDOK || g_strNewDateFormat.IsEmpty())
        return;
    if (FindFormatRow(g_strNewDateFormat)) {
        SelectListRow(m_nSelectedFormatRow);
        return;
    }
    AddFormatRow(g_strNewDateFormat);
    if (!SaveFormatRows()) {
        m_listFormats.DeleteItem(m_listFormats.GetItemCount() - 1);
        return;
    }
    m_nSelectedFormatRow = m_listFormats.GetItemCount() - 1;
    SelectFormatRow(m_nSelectedFormatRow);
}

void CForm_SetMonth::DeleteDateFormat()
{
    if (m_nSelectedFormatRow < 0 || m_nSelectedFormatRow >= m_listFormats.GetItemCount())
        return;
    if (!m_listFormats.GetItemState(m_nSelectedFormatRow, LVIS_SELECTED))
        return;
    m_listFormats.DeleteItem(m_nSelectedFormatRow);
    SaveFormatRows();
    LoadDateFormats();
    m_nSelectedFormatRow = std::min(m_nSelectedFormatRow, m_listFormats.GetItemCount() - 1);
    SelectListRow(m_nSelectedFormatRow);
}
