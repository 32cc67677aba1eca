// The commands of the class list: add, edit, delete and move a class, selection by mouse and
// keyboard, the hidden columns and the preview refresh.
#include "app/CurrentClass.h"
#include "app/DesktopOpening.h"
#include "app/Form_SetWord.h"
#include "controls/lists/ChoiceList.h"
#include "dialogs/diary/Form_DailyDiary.h"
#include "platform/ui/WaitCursor.h"
#include "resources/ResourceIds.h"
#include "settings/ClassCells.h"

#include <algorithm>

namespace {

constexpr int kHiddenColumnWidth = 45;
constexpr int kBorderColumnWidth = 35;
constexpr int kHiddenColumns[] = {kCellClassFontColor, kCellClassBackFlag, kCellClassBackColor, kCellLineBackFlag,
                                  kCellLineBackColor,  kCellLineColorFlag, kCellLineColor,      kCellUndoneColor,
                                  kCellLineTextColor,  kCellTableLineColor, kCellTableLineType, kCellTitleRowBack,
                                  kCellOddRowBack,     kCellEvenRowBack};
constexpr int kBorderColumns[] = {kCellTableTop, kCellTableBottom, kCellTableLeft, kCellTableRight, kCellTableMiddle};

} // namespace

bool CForm_SetWord::IsClassRow(int row) const
{
    return row >= 0 && row < m_listClasses.GetItemCount();
}

BOOL CForm_SetWord::CanAddItemNumbering(int editedRow) const
{
    int numbered = 0;
    for (int row = 0; row < m_listClasses.GetItemCount(); ++row)
        if (row != editedRow && YesNoToBool(m_listClasses.GetItemText(row, kCellItemNumber)))
            ++numbered;
    return numbered < kMostNumberedClasses ? TRUE : FALSE;
}

void CForm_SetWord::OnButtonAdd()
{
    if (m_listClasses.GetItemCount() >= kMaxClasses) {
        CString message;
        message.Format("每天的日记只能最大分 %d 类。如果您有特殊需要，请联系我们", kMaxClasses);
        MessageBox(message, "重要信息", MB_ICONINFORMATION);
        return;
    }
    g_bItemNumberAllowed = static_cast<BYTE>(CanAddItemNumbering(-1));
    g_bAddClass = 1;
    CForm_DailyDiary dialog(this);
    if (dialog.DoModal() == IDOK) {
        AppendClassRow();
        m_listClasses.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        m_nCurrentRow = m_listClasses.GetItemCount() - 1;
        SelectListRow(m_nCurrentRow);
        RefreshClassPreview(m_nCurrentRow);
        UpdateMoveButtons();
        m_listClasses.SetFocus();
    }
    OnButtonRefreshPreview();
}

// A current row outside the list is no row: the dialog would show empty cells and its OK
// would write nowhere.
void CForm_SetWord::OnButtonEdit()
{
    if (!IsClassRow(m_nCurrentRow))
        return;
    g_bItemNumberAllowed = static_cast<BYTE>(CanAddItemNumbering(m_nCurrentRow));
    g_bAddClass = 0;
    LoadClassRowToGlobals(m_nCurrentRow);
    CForm_DailyDiary dialog(this);
    if (dialog.DoModal() == IDOK) {
        StoreGlobalsToClassRow(m_nCurrentRow);
        RefreshClassPreview(m_nCurrentRow);
        SelectListRow(m_nCurrentRow);
    }
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnDblclkClassList(NMHDR*, LRESULT* result)
{
    OnButtonEdit();
    *result = 0;
}

void CForm_SetWord::OnButtonDelete()
{
    if (m_listClasses.GetItemCount() <= 1)
        ResetPreview();
    if (m_nCurrentRow < 0)
        return;
    DeleteSelectedRow();
    m_buttonGenerate.SetFocus();
    ColorListRows();
    m_listClasses.SetFocus();
}

// Only the last selected row goes; the row above it (row 0 when it was the first) becomes current.
void CForm_SetWord::DeleteSelectedRow()
{
    for (int row = m_listClasses.GetItemCount() - 1; row >= 0; --row) {
        if (!m_listClasses.GetItemState(row, LVIS_SELECTED))
            continue;
        m_listClasses.DeleteItem(row);
        if (m_listClasses.GetItemCount() == 0) {
            m_nCurrentRow = -1;
        } else {
            m_nCurrentRow = std::max(row - 1, 0);
            RefreshClassPreview(m_nCurrentRow);
            m_listClasses.SetItemState(m_nCurrentRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        }
        m_listClasses.UpdateWindow();
        return;
    }
}

void CForm_SetWord::DeleteAllClassRows()
{
    for (int row = m_listClasses.GetItemCount() - 1; row >= 0; --row) {
        m_listClasses.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        m_nCurrentRow = row;
        OnButtonDelete();
    }
}

void CForm_SetWord::OnButtonMoveUp()
{
    if (!IsClassRow(m_nCurrentRow) || m_nCurrentRow == 0)
        return;
    MoveCurrentRowTo(m_nCurrentRow - 1);
}

void CForm_SetWord::OnButtonMoveDown()
{
    if (!IsClassRow(m_nCurrentRow + 1))
        return;
    MoveCurrentRowTo(m_nCurrentRow + 1);
}

// The two rows exchange every cell as they are, numbers included; the preview stays as it was.
void CForm_SetWord::MoveCurrentRowTo(int row)
{
    const ClassListRow moving = ReadListRow(m_nCurrentRow);
    WriteListRow(m_nCurrentRow, ReadListRow(row));
    WriteListRow(row, moving);
    ColorListRows();
    m_listClasses.SetItemState(m_nCurrentRow, 0, LVIS_SELECTED | LVIS_FOCUSED);
    SelectListRow(row);
    m_nCurrentRow = row;
}

void CForm_SetWord::OnClickClassList(NMHDR* header, LRESULT* result)
{
    UpdateMoveButtons();
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row >= 0 && m_listClasses.GetItemState(row, LVIS_SELECTED))
        SelectRowAndPreview(row);
    *result = 0;
}

void CForm_SetWord::OnKeydownClassList(NMHDR* header, LRESULT* result)
{
    const int selected = m_listClasses.GetNextItem(-1, LVNI_SELECTED);
    const int count = m_listClasses.GetItemCount();
    int row = -1;
    switch (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey) {
    case VK_DOWN:
        row = selected + 1 < count ? selected + 1 : -1;
        break;
    case VK_UP:
        row = selected - 1;
        break;
    case VK_HOME:
        row = count > 0 ? 0 : -1;
        break;
    case VK_END:
        row = count - 1;
        break;
    default:
        break;
    }
    if (row >= 0)
        SelectRowAndPreview(row);
    m_listClasses.SetFocus();
    *result = 0;
}

// A row the list moves to by keys it does not tell (pages, typed letters) is the current one too,
// so the class commands act on the row the list shows.
void CForm_SetWord::OnClassListItemChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (const auto row = ChosenRow(m_listClasses, header); row && *row != m_nCurrentRow)
        SelectRowAndPreview(*row);
}

void CForm_SetWord::SelectRowAndPreview(int row)
{
    m_bRowSelected = 1;
    m_nCurrentRow = row;
    RefreshClassPreview(row);
}

void CForm_SetWord::OnCheckShowAllColumns()
{
    const bool all = static_cast<CButton*>(GetDlgItem(IDC_CHECK_ALL_COLUMNS))->GetCheck() == BST_CHECKED;
    for (int column : kHiddenColumns)
        m_listClasses.SetColumnWidth(column, all ? kHiddenColumnWidth : 0);
    for (int column : kBorderColumns)
        m_listClasses.SetColumnWidth(column, all ? kBorderColumnWidth : 0);
}

void CForm_SetWord::OnButtonRefreshPreview()
{
    if (IsClassRow(m_nCurrentRow))
        RefreshClassPreview(m_nCurrentRow);
}

void CForm_SetWord::ShellOpenFile(CString path, CWnd& owner)
{
    CWaitCursor wait;
    OpenFileTelling(owner, path);
}
