#include "settings/ClassSections.h"

#include "settings/ClassCells.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"

#include <iterator>
#include <optional>
#include <string>

namespace {

enum class Kind { Flag, Number, Text };

// One key of a class section. A flag or number that is missing, or does not start with a
// number, loads as `missing`; a flag with a `presentWhen` key loads as set exactly when that
// key holds a value.
struct ClassKey {
    const char* key;
    ClassColumn column;
    Kind kind;
    const char* missing;
    const char* presentWhen = nullptr;
};

// In the order the save writes them; COL_ID comes first and is handled apart.
constexpr ClassKey kKeys[] = {
    {"COL_bCLASS_TITLE", kCellTitleFlag, Kind::Flag, "Y"},
    {"COL_CLASS_TITLE", kCellTitle, Kind::Text, ""},
    {"COL_LINE_COUNT", kCellLineCount, Kind::Number, ""},
    {"COL_UNDONE_TEXT", kCellUndoneText, Kind::Text, ""},
    {"COL_CLASS_FONT_SIZE", kCellClassFontSize, Kind::Text, ""},
    {"COL_CLASS_FONT_BOLD", kCellClassBold, Kind::Flag, "N"},
    {"COL_CLASS_FONT_COLOR", kCellClassFontColor, Kind::Text, ""},
    {"COL_UNDONE_TONT_COLOR", kCellUndoneColor, Kind::Text, ""},
    {"COL_LINE_TEXT_FONT_COLOR", kCellLineTextColor, Kind::Text, ""},
    {"COL_LINE_TEXT_FONT_SIZE", kCellLineFontSize, Kind::Text, ""},
    {"COL_CLASS_FONT_NAME", kCellClassFontName, Kind::Text, ""},
    {"COL_LINE_FONT_NAME", kCellLineFontName, Kind::Text, ""},
    {"COL_LINE_BACKGROUND_COLOR", kCellLineBackColor, Kind::Text, ""},
    {"COL_LINE_COLOR", kCellLineColor, Kind::Text, ""},
    {"COL_LINE_bBACKGROUND_COLOR", kCellLineBackFlag, Kind::Flag, "N", "COL_LINE_BACKGROUND_COLOR"},
    {"COL_bLINE_COLOR", kCellLineColorFlag, Kind::Flag, "N", "COL_LINE_COLOR"},
    {"bTable", kCellTable, Kind::Flag, "N"},
    {"line_color", kCellTableLineColor, Kind::Text, ""},
    {"line_type", kCellTableLineType, Kind::Text, ""},
    {"bLineTop", kCellTableTop, Kind::Flag, "Y"},
    {"bLineBottom", kCellTableBottom, Kind::Flag, "Y"},
    {"bLineLeft", kCellTableLeft, Kind::Flag, "Y"},
    {"bLineRight", kCellTableRight, Kind::Flag, "Y"},
    {"bLineMiddle", kCellTableMiddle, Kind::Flag, "Y"},
    {"bInsertACol", kCellInsertColumn, Kind::Flag, "N"},
    {"line_table_bk_color", kCellOddRowBack, Kind::Text, ""},
    {"line_table_bk_color2", kCellEvenRowBack, Kind::Text, ""},
    {"class_table_bk_color", kCellTitleRowBack, Kind::Text, ""},
    {"bCOL_CLASS_BK_COLOR", kCellClassBackFlag, Kind::Flag, "N", "COL_CLASS_BK_COLOR"},
    {"COL_CLASS_BK_COLOR", kCellClassBackColor, Kind::Text, ""},
    {"COL_LINE_Underline", kCellUnderline, Kind::Flag, "N"},
    {"COL_UNDONE_FONT_BOLD", kCellUndoneBold, Kind::Flag, "N"},
    {"COL_LINE_TEXT_FONT_BOLD", kCellLineBold, Kind::Flag, "N"},
    {"COL_LINE_SnapToGrid", kCellSnapToGrid, Kind::Flag, "N"},
    {"COL_LINE_DeleteLine", kCellStrike, Kind::Flag, "N"},
    {"COL_LINE_FontItalic", kCellLineItalic, Kind::Flag, "N"},
    {"COL_LINE_ClassTable", kCellLinedTable, Kind::Flag, "N"},
    {"COL_LINE_FontItalicPre", kCellUndoneItalic, Kind::Flag, "N"},
    {"COL_CLASS_FONT_ITALIC", kCellClassItalic, Kind::Flag, "N"},
    {"COL_ItemNumber", kCellItemNumber, Kind::Flag, "N"},
    {"COL_bItemSpecial", kCellItemSpecialFlag, Kind::Flag, "N"},
    {"COL_ItemSpecial", kCellItemSpecial, Kind::Number, "-1"},
    {"COL_bSpecialSign", kCellSignFlag, Kind::Flag, "N"},
    {"COL_SpecialSign", kCellSign, Kind::Number, "-1"},
    {"COL_SpecialSign_Color", kCellSignColor, Kind::Text, ""},
    {"SpaceRow_ForEveryClass", kCellBlankRow, Kind::Flag, "N"},
};
static_assert(std::size(kKeys) == kClassColumns - 1, "one key per cell besides COL_ID");

std::string SectionName(size_t position)
{
    return "LIST" + std::to_string(position);
}

// The number a "%d" scan reads from the text, or nothing when the text does not start with one.
std::optional<int> ScanInt(const CString& text)
{
    const std::string& s = text.str();
    size_t at = s.find_first_not_of(" \t\r\n\v\f");
    if (at != std::string::npos && (s[at] == '+' || s[at] == '-'))
        ++at;
    if (at >= s.size() || s[at] < '0' || s[at] > '9')
        return std::nullopt;
    return ParseInt(text);
}

CString LoadCell(const IniSection& ini, const ClassKey& key)
{
    const CString value = ini.Text(key.key);
    if (key.kind == Kind::Text)
        return value;
    const std::optional<int> number = ScanInt(value);
    if (key.kind == Kind::Number)
        return number ? CString(std::to_string(*number)) : CString(key.missing);
    if (number)
        return BoolToYesNo(*number);
    if (key.presentWhen != nullptr)
        return ini.Text(key.presentWhen).IsEmpty() ? "N" : "Y";
    return key.missing;
}

} // namespace

bool SaveClassList(const char* file, const ClassListModel& rows)
{
    std::vector<DiaryClassRecord> records;
    ReadClassRecordsFromList(records, rows);
    bool written = true;
    for (size_t i = 0; i < records.size() && i < static_cast<size_t>(kMaxClasses); ++i) {
        // The record's values, shown as cells; the sizes as the list shows them, not in half-points.
        ClassListRow shown;
        SetListRowFromRecord(shown, records[i]);
        shown.cells[kCellClassFontSize] = rows[i].cells[kCellClassFontSize];
        shown.cells[kCellLineFontSize] = rows[i].cells[kCellLineFontSize];

        const std::string section = SectionName(i);
        IniSection ini(file, section.c_str());
        ini.WriteInt("COL_ID", static_cast<int>(i) + 1);
        for (const ClassKey& key : kKeys) {
            const CString& cell = shown.cells[key.column];
            ini.WriteText(key.key, key.kind == Kind::Flag ? CString(YesNoToBool(cell) ? "1" : "0") : cell);
        }
        written = ini.AllWritten() && written;
    }
    return written;
}

void LoadClassList(const char* file, ClassListModel& rows)
{
    rows.clear();
    int numbered = 0;
    for (size_t i = 0; i < static_cast<size_t>(kMaxClasses); ++i) {
        const std::string section = SectionName(i);
        const IniSection ini(file, section.c_str());
        const CString id = ini.Text("COL_ID");
        if (id.IsEmpty())
            break;
        ClassListRow row;
        row.cells[kCellId] = id;
        for (const ClassKey& key : kKeys)
            row.cells[key.column] = LoadCell(ini, key);
        if (row.cells[kCellItemNumber] == "Y" && ++numbered > kMostNumberedClasses)
            row.cells[kCellItemNumber] = "N";
        row.checked = true;
        row.titleColor = ParseHexColor(row.cells[kCellClassFontColor]);
        row.undoneColor = ParseHexColor(row.cells[kCellUndoneColor]);
        rows.push_back(std::move(row));
    }
}
