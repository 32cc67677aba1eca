// The class list of the main window: its columns and look, and the rows as the class model.
#include "app/ClassListColumns.h"
#include "app/CurrentClass.h"
#include "app/Form_SetWord.h"
#include "platform/ui/SysColors.h"
#include "settings/DesignFile.h"
#include "settings/DialogHelpers.h"

void CForm_SetWord::InitClassListColumns()
{
    int column = 0;
    for (const ClassListColumn& c : ClassListColumns())
        m_listClasses.InsertColumn(column++, c.heading, c.format, c.width);
    m_listClasses.SetExtendedStyle(m_listClasses.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_listClasses.SetRowHeight(21);
    m_listClasses.SetHeaderHeight(1.3f);
    m_listClasses.SetHeaderFontHW(12, 0);
    m_listClasses.SetHeaderTextColor(RGB(255, 255, 255));
    m_listClasses.SetHeaderBKColor(139, 137, 137, 0);
    m_listClasses.SetSelectedBkColor(GetSysColor(COLOR_HIGHLIGHT));
}

ClassListRow CForm_SetWord::ReadListRow(int row) const
{
    ClassListRow cells;
    for (int column = 0; column < kClassColumns; ++column)
        cells.cells[static_cast<size_t>(column)] = m_listClasses.GetItemText(row, column);
    return cells;
}

void CForm_SetWord::WriteListRow(int row, const ClassListRow& cells)
{
    for (int column = 0; column < kClassColumns; ++column)
        m_listClasses.SetItemText(row, column, cells.cells[static_cast<size_t>(column)]);
}

ClassListModel CForm_SetWord::ReadClassListModel() const
{
    ClassListModel rows;
    for (int row = 0; row < m_listClasses.GetItemCount(); ++row)
        rows.push_back(ReadListRow(row));
    return rows;
}

void CForm_SetWord::LoadClassListFromIni(const CString& configPath)
{
    ClassListModel rows;
    LoadDesignClasses(configPath, rows);
    m_listClasses.DeleteAllItems();
    for (const ClassListRow& cells : rows)
        WriteListRow(m_listClasses.InsertItem(m_listClasses.GetItemCount(), ""), cells);
    ColorListRows();
}

void CForm_SetWord::LoadClassRowToGlobals(int row)
{
    ::LoadClassRowToGlobals(ReadListRow(row));
}

void CForm_SetWord::StoreGlobalsToClassRow(int row)
{
    ClassListRow cells = ReadListRow(row);
    ::StoreGlobalsToClassRow(cells);
    WriteListRow(row, cells);
    ColorListRows();
}

void CForm_SetWord::AppendClassRow()
{
    ClassListModel rows = ReadClassListModel();
    ::AppendClassRow(rows);
    WriteListRow(m_listClasses.InsertItem(m_listClasses.GetItemCount(), ""), rows.back());
    ColorListRows();
}

// The title cell shows the title's colour and the line-prefix cell its own.
void CForm_SetWord::ColorListRows()
{
    m_listClasses.m_cellTextColours.clear();
    for (int row = 0; row < m_listClasses.GetItemCount(); ++row) {
        m_listClasses.SetItemTextColor(kCellTitle, row, ParseHexColor(m_listClasses.GetItemText(row, kCellClassFontColor)));
        m_listClasses.SetItemTextColor(kCellUndoneText, row, ParseHexColor(m_listClasses.GetItemText(row, kCellUndoneColor)));
    }
}

void CForm_SetWord::SelectListRow(int row)
{
    m_listClasses.SetFocus();
    m_listClasses.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listClasses.EnsureVisible(row, FALSE);
    m_bRowSelected = 1;
}

void CForm_SetWord::UpdateMoveButtons()
{
    const BOOL any = m_listClasses.GetItemCount() > 0;
    m_buttonMoveUp.EnableWindow(any);
    m_buttonMoveDown.EnableWindow(any);
}
