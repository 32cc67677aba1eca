#include "settings/ClassCells.h"

#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"

#include <array>
#include <charconv>
#include <string>

namespace {

bool IsSizeColumn(ClassColumn column)
{
    return column == kCellClassFontSize || column == kCellLineFontSize;
}

// Every field of a record with the column that shows it, in record order. One list serves both
// directions, so a field can never be read one way and written another.
template <class Record, class Visit>
void ForEachField(Record& r, Visit&& visit)
{
    visit(kCellId, r.COL_ID);
    visit(kCellTitleFlag, r.COL_bCLASS_TITLE);
    visit(kCellTitle, r.COL_CLASS_TITLE);
    visit(kCellClassBold, r.COL_CLASS_FONT_BOLD);
    visit(kCellClassFontColor, r.COL_CLASS_FONT_COLOR);
    visit(kCellClassBackFlag, r.bCOL_CLASS_BK_COLOR);
    visit(kCellClassBackColor, r.COL_CLASS_BK_COLOR);
    visit(kCellClassFontName, r.COL_CLASS_FONT_NAME);
    visit(kCellClassFontSize, r.COL_CLASS_FONT_SIZE);
    visit(kCellClassItalic, r.COL_CLASS_FONT_ITALIC);
    visit(kCellLineCount, r.COL_LINE_COUNT);
    visit(kCellUndoneText, r.COL_UNDONE_TEXT);
    visit(kCellUndoneBold, r.COL_UNDONE_FONT_BOLD);
    visit(kCellUndoneColor, r.COL_UNDONE_TONT_COLOR);
    visit(kCellUndoneItalic, r.COL_LINE_FontItalicPre);
    visit(kCellLineTextColor, r.COL_LINE_TEXT_FONT_COLOR);
    visit(kCellLineFontSize, r.COL_LINE_TEXT_FONT_SIZE);
    visit(kCellLineBold, r.COL_LINE_TEXT_FONT_BOLD);
    visit(kCellLineColorFlag, r.COL_bLINE_COLOR);
    visit(kCellLineBackFlag, r.COL_LINE_bBACKGROUND_COLOR);
    visit(kCellLineColor, r.COL_LINE_COLOR);
    visit(kCellLineFontName, r.COL_LINE_FONT_NAME);
    visit(kCellLineBackColor, r.COL_LINE_BACKGROUND_COLOR);
    visit(kCellSnapToGrid, r.COL_LINE_SnapToGrid);
    visit(kCellUnderline, r.COL_LINE_Underline);
    visit(kCellLinedTable, r.COL_LINE_ClassTable);
    visit(kCellStrike, r.COL_LINE_DeleteLine);
    visit(kCellLineItalic, r.COL_LINE_FontItalic);
    visit(kCellTable, r.bTable);
    visit(kCellTableLineColor, r.classTable.line_color);
    visit(kCellTableLineType, r.classTable.line_type);
    visit(kCellTableTop, r.classTable.bLineTop);
    visit(kCellTableBottom, r.classTable.bLineBottom);
    visit(kCellTableLeft, r.classTable.bLineLeft);
    visit(kCellTableRight, r.classTable.bLineRight);
    visit(kCellTableMiddle, r.classTable.bLineMiddle);
    visit(kCellOddRowBack, r.classTable.line_table_bk_color);
    visit(kCellEvenRowBack, r.classTable.line_table_bk_color2);
    visit(kCellTitleRowBack, r.classTable.class_table_bk_color);
    visit(kCellInsertColumn, r.classTable.bInsertACol);
    visit(kCellItemNumber, r.COL_ItemNumber);
    visit(kCellItemSpecialFlag, r.COL_bItemSpecial);
    visit(kCellItemSpecial, r.COL_ItemSpecial);
    visit(kCellSignFlag, r.COL_bSpecialSign);
    visit(kCellSign, r.COL_SpecialSign);
    visit(kCellSignColor, r.COL_SpecialSign_Color);
    visit(kCellBlankRow, r.SpaceRow_ForEveryClass);
}

struct CellsToRecord {
    const ClassListRow& row;

    void operator()(ClassColumn column, BYTE& field) const { field = YesNoToBool(row.cells[column]) ? 1 : 0; }
    void operator()(ClassColumn column, int& field) const { field = ParseInt(row.cells[column]); }
    void operator()(ClassColumn column, CString& field) const
    {
        field = IsSizeColumn(column) ? FontSizeToHalfPoints(row.cells[column]) : row.cells[column];
    }
};

struct RecordToCells {
    ClassListRow& row;

    void operator()(ClassColumn column, BYTE field) const { row.cells[column] = BoolToYesNo(field); }
    void operator()(ClassColumn column, int field) const { row.cells[column] = std::to_string(field); }
    void operator()(ClassColumn column, const CString& field) const
    {
        row.cells[column] = IsSizeColumn(column) ? HalfPointsToFontSize(field) : field;
    }
};

// A number as a "%f" scan reads it: blanks, a sign, digits; 0 when none. Independent of the
// locale, which the window layer may have changed.
double ScanFloat(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t\r\n\v\f");
    if (first == std::string::npos)
        return 0;
    if (text[first] == '+')
        ++first;
    double value = 0;
    const auto result = std::from_chars(text.data() + first, text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

CString Fixed(double value, int decimals)
{
    std::array<char, 400> text {};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? CString(std::string(text.data(), result.ptr)) : CString("0");
}

} // namespace

CString FontSizeToHalfPoints(const CString& points)
{
    return Fixed(ScanFloat(points.str()) * 2, 1);
}

CString HalfPointsToFontSize(const CString& halfPoints)
{
    const double points = ScanFloat(halfPoints.str()) * 10 / 2 * 0.1;
    const CString text = Fixed(points, 1);
    return text.str().back() == '0' ? Fixed(points, 0) : text;
}

BOOL YesNoToBool(const CString& cell)
{
    return cell == "Y" ? TRUE : FALSE;
}

void ReadClassRecordsFromList(std::vector<DiaryClassRecord>& records, const ClassListModel& rows)
{
    int numbered = 0;
    for (const ClassListRow& row : rows) {
        DiaryClassRecord record;
        ForEachField(record, CellsToRecord{row});
        // A table wins over letter-paper lines.
        if (record.bTable == 1)
            record.COL_LINE_ClassTable = 0;
        if (record.COL_ItemNumber == 1 && ++numbered > kMostNumberedClasses)
            record.COL_ItemNumber = 0;
        records.push_back(std::move(record));
    }
}

void SetListRowFromRecord(ClassListRow& row, const DiaryClassRecord& record)
{
    ForEachField(record, RecordToCells{row});
    row.titleColor = HexToColor(record.COL_CLASS_FONT_COLOR);
    row.undoneColor = HexToColor(record.COL_UNDONE_TONT_COLOR);
}
