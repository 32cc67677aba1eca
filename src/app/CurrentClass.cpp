#include "app/CurrentClass.h"

#include "settings/ClassCells.h"
#include "settings/IniValues.h"

#include <algorithm>
#include <vector>

DiaryClassRecord g_currentClass;
ClassTableSettings g_classTable;
BYTE g_bAddClass = 0;
BYTE g_bItemNumberAllowed = 1;
int g_nItemSpecial = -1;
int g_nSpecialSign = -1;
CString g_strSpecialSignColor;

void AllocSettingBuffers()
{
    DiaryClassRecord& c = g_currentClass;
    for (CString* colour : {&c.COL_CLASS_FONT_COLOR, &c.COL_CLASS_BK_COLOR, &c.COL_UNDONE_TONT_COLOR,
                            &c.COL_LINE_TEXT_FONT_COLOR, &c.COL_LINE_COLOR, &c.COL_LINE_BACKGROUND_COLOR,
                            &c.COL_SpecialSign_Color})
        *colour = "FFFFFF";
    c.COL_CLASS_FONT_NAME = c.COL_LINE_FONT_NAME = "Tahoma";
    c.COL_CLASS_FONT_SIZE = c.COL_LINE_TEXT_FONT_SIZE = "11";
    c.COL_CLASS_TITLE.Empty();
    c.COL_UNDONE_TEXT.Empty();
}

void ResetTableLineDefaults()
{
    g_classTable = ClassTableSettings{};
}

void LoadClassRowToGlobals(const ClassListRow& row)
{
    std::vector<DiaryClassRecord> records;
    ReadClassRecordsFromList(records, ClassListModel{row});
    DiaryClassRecord& record = records.front();
    // The record of a generation run rewrites these three; the dialog takes the cells as they are.
    record.COL_CLASS_FONT_SIZE = row.cells[kCellClassFontSize];
    record.COL_LINE_TEXT_FONT_SIZE = row.cells[kCellLineFontSize];
    record.COL_LINE_ClassTable = YesNoToBool(row.cells[kCellLinedTable]) ? 1 : 0;
    record.classTable = g_currentClass.classTable;
    g_currentClass = record;
}

void StoreGlobalsToClassRow(ClassListRow& row)
{
    if (g_classTable.line_type.IsEmpty())
        ResetTableLineDefaults();
    DiaryClassRecord record = g_currentClass;
    record.classTable = g_classTable;
    const CString number = row.cells[kCellId];
    SetListRowFromRecord(row, record);
    row.cells[kCellId] = number;
    // The sizes as the dialog shows them: through half-points and back 12.25 would become 12.2.
    row.cells[kCellClassFontSize] = g_currentClass.COL_CLASS_FONT_SIZE;
    row.cells[kCellLineFontSize] = g_currentClass.COL_LINE_TEXT_FONT_SIZE;
}

int GetMaxColumnNumber(const ClassListModel& rows)
{
    int greatest = 0;
    for (const ClassListRow& row : rows)
        greatest = std::max(greatest, ParseInt(row.cells[kCellId]));
    return greatest;
}

void AppendClassRow(ClassListModel& rows)
{
    ClassListRow row;
    row.cells[kCellId].Format("%d", GetMaxColumnNumber(rows) + 1);
    StoreGlobalsToClassRow(row);
    rows.push_back(std::move(row));
}
