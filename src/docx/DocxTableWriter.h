#pragma once
// The small WordprocessingML pieces that the document's tables are built from: table and cell
// properties with their borders, grids, row properties, the runs of a HYPERLINK field, the day
// number of a calendar cell, a page break and an empty paragraph.
// Every emitter returns its text, and those on the body's hot paths have an Append form that
// adds it to the caller's text instead; user values (colours, fonts, line types) are escaped here.

#include "docx/DocxDateRange.h"
#include "docx/DocxDayCell.h"
#include "platform/WinTypes.h"
#include "settings/SettingsRecords.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class CDocxTableWriter {
public:
    CDocxTableWriter() = default;
    virtual ~CDocxTableWriter() = default;

    // Table properties: width, indent, a border set and the look; a flag draws its border when 1.
    static std::string GetTablePropertiesXml(const std::string& lineType, const std::string& lineColor);
    static std::string GetTablePropertiesBoxedXml(const std::string& lineType, const std::string& lineColor,
                                                  BYTE left, BYTE right, BYTE top, BYTE bottom, BYTE middle);
    static void AppendTablePropertiesBoxedXml(std::string& xml, const std::string& lineType,
                                              const std::string& lineColor, BYTE left, BYTE right, BYTE top,
                                              BYTE bottom, BYTE middle);
    // Only the rules under the rows: bottom, between the rows, and between the columns.
    static std::string GetTablePropertiesLinedXml(const std::string& lineType, const std::string& lineColor,
                                                  BYTE bottom, BYTE middle);

    static std::string GetTableBordersXml(const std::string& lineType, const std::string& lineColor);
    static std::string GetTableBordersBoxedXml(const std::string& lineType, const std::string& lineColor,
                                               BYTE left, BYTE right, BYTE top, BYTE bottom, BYTE middle);
    static void AppendTableBordersBoxedXml(std::string& xml, const std::string& lineType, const std::string& lineColor,
                                           BYTE left, BYTE right, BYTE top, BYTE bottom, BYTE middle);
    static std::string GetTableBordersLinedXml(const std::string& lineType, const std::string& lineColor,
                                               BYTE bottom, BYTE middle);

    // One border of width 4 (eighths of a point) when the flag is 1, else "".
    static std::string GetBorderXml(BYTE enable, const std::string& side, const std::string& lineType,
                                    const std::string& color);
    static void AppendBorderXml(std::string& xml, BYTE enable, std::string_view side, const std::string& lineType,
                                const std::string& color);
    static std::string GetCellBordersXml(const std::string& lineType, const std::string& color);
    // The left side in the colour, the other three white.
    static std::string GetCellBordersWhiteXml(const std::string& lineType, const std::string& color);
    // All four sides; the left one in its own colour.
    static void AppendCellBordersXml(std::string& xml, const std::string& lineType, const std::string& color,
                                     const std::string& leftColor);

    // The table properties of a calendar: every border drawn, a fixed layout and narrow cell margins.
    static std::string GetCalendarTablePropertiesXml(const std::string& lineType, const std::string& lineColor);

    // Properties of a calendar day cell `width` twips wide; the shading follows the day: empty
    // cell, outside the range (bookmark 0), weekend, working day.
    static std::string GetCellPropertiesXml(BYTE white, int day, const std::string& lineType,
                                            const std::string& lineColor, const std::string& emptyShading,
                                            int bookmark, int weekday, const std::string& weekendShading,
                                            const std::string& workdayShading, const std::string& outsideShading,
                                            int width);
    static void AppendCellPropertiesXml(std::string& xml, BYTE white, int day, const std::string& lineType,
                                        const std::string& lineColor, const std::string& emptyShading, int bookmark,
                                        int weekday, const std::string& weekendShading,
                                        const std::string& workdayShading, const std::string& outsideShading,
                                        int width);

    // The bold coloured runs of a HYPERLINK field.
    static std::string GetFieldBeginRunXml(const std::string& color);
    static std::string GetFieldInstrRunXml(const std::string& color, const std::string& bookmark);
    static std::string GetFieldSeparateRunXml(const std::string& color);
    static std::string GetFieldEndRunXml(const std::string& color);
    static std::string GetBoldColorRunXml(const std::string& color, const std::string& rsid);
    static std::string GetTextRunXml(const std::string& color, const std::string& rsid, const std::string& text);
    static void AppendTextRunXml(std::string& xml, const std::string& color, const std::string& rsid,
                                 std::string_view text);
    // What a linked day number follows: the field's begin, its instruction to the bookmark, an
    // empty run with the revision id, and the separator.
    static void AppendFieldStartXml(std::string& xml, const std::string& color, const std::string& bookmark,
                                    const std::string& rsid);
    static void AppendFieldEndRunXml(std::string& xml, const std::string& color);

    // The day number of a calendar cell, in the Hyperlink character style.
    static std::string GetDayNumberRunXml(const std::string& color, const std::string& rsid, int day, int bookmark,
                                          BYTE twoDigits, const std::string& font, const std::string& size,
                                          BYTE bold, BYTE italic, BYTE strike, BYTE underline);
    static void AppendDayNumberRunXml(std::string& xml, const std::string& color, const std::string& rsid, int day,
                                      int bookmark, BYTE twoDigits, const std::string& font, const std::string& size,
                                      BYTE bold, BYTE italic, BYTE strike, BYTE underline);

    static std::string GetPageBreakXml(const std::string& rsidR, const std::string& rsidRDefault,
                                       const std::string& rsidP);
    static void AppendPageBreakXml(std::string& xml, const std::string& rsidR, const std::string& rsidRDefault,
                                   const std::string& rsidP);
    static std::string GetEmptyParagraphXml(const std::string& rsidR, const std::string& rsidRDefault);
    static void AppendEmptyParagraphXml(std::string& xml, const std::string& rsidR, const std::string& rsidRDefault);
    static std::string GetRowPropertiesXml();
    // Seven day columns per month, with a spacer column between two months.
    static std::string GetCalendarGridXml(int dayWidth, int months);
    static constexpr int kMonthSpacerWidth = 248;
    // One column as wide as the text of a portrait A4 page.
    static std::string GetSingleColumnGridXml();
    static std::string GetFontsXml(const std::string& font);
    static void AppendFontsXml(std::string& xml, std::string_view font);

    // --- Yearly calendar with links ---

    // Fills the model for the year; the days from firstDay of firstMonth through lastDay of
    // lastMonth get bookmark numbers 1, 2, ... in date order (months 1..12).
    static void BuildCalendarModel(int year, DocxCalendarModel& model, int firstMonth, int lastMonth, int firstDay,
                                   int lastDay);
    // Weekday 0 (Sunday) to 6; a day past its month's end counts on into the next month.
    static int GetWeekday(int year, int month, int day);
    static bool IsLeapYear(int year);
    // Sets February of a table of the twelve month lengths to 29 or 28 days for the year.
    static void FixFebruary(std::array<int, 12>& monthLengths, int year);
    // One table per quarter group, for the run's date range. Groups firstQuarter - 1 .. lastQuarter - 1 are written (0 and 4:
    // all four), and always every group holding a day of the range, so that each date heading's
    // link back finds its calendar bookmark. Days of the range link to "BOOKMARK_Date" + ordinal
    // and sit in "BOOKMARK_Calendar" + ordinal; other days get neither.
    static std::string GetYearCalendarXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                          const std::string& r5, int dayWidth, int year, BYTE twoDigits,
                                          const CalendarStyle& style, BYTE upper, int firstQuarter,
                                          int lastQuarter, const DocxDateRange& range);
    static void AppendYearCalendarXml(std::string& xml, const std::string& r1, const std::string& r2,
                                      const std::string& r3, const std::string& r5, int dayWidth, int year,
                                      BYTE twoDigits, const CalendarStyle& style, BYTE upper, int firstQuarter,
                                      int lastQuarter, const DocxDateRange& range);
    // The twelve month labels of the year by a strftime format, upper-cased when upper is 1.
    static std::vector<std::string> GetMonthNames(const std::string& format, BYTE upper, int year);
    // Sunday first: style 0 "S", "M", ...; any other style "日", "一", ...
    static std::array<std::string, 7> GetWeekdayLetters(int style);
    // Sunday first: 0 English names, 1 the same upper-cased, 3 one letter, any other Chinese names.
    static std::array<std::string, 7> GetWeekdayNames(int style);

    // --- Monthly calendar pages ---

    // The 21-day counter of the line rows, running across all months of one call of
    // GetMonthCalendarXml.
    struct DayCycle {
        int nCycleDay = 0;
        int nCycleNumber = 1;
        int nRestDays = 0;
    };
    // How one kind of day looks in a row: Monday-Friday, Sunday/Saturday, or outside the range.
    struct MonthDayLook {
        std::string textColor;
        std::string background;
        BYTE bold = 0;
        BYTE italic = 0;
        BYTE strike = 0;
        BYTE sign = 0;
        int signNumber = 0;
        std::string signColor;
    };
    // What a row of a month table hands down to its cells: the day-number row or line row k.
    struct MonthRowStyle {
        bool dayRow = false;
        std::string topType, topColor, bottomType, bottomColor;
        MonthDayLook workday, weekend, outside;
        std::string font;
        std::string size;   // half-points; "" leaves the size out
        std::string emptyBackground;
        BYTE counter = 0;
        BYTE counterDaysLeft = 0;
        int restDays = 0;
        BYTE underline = 0;
        std::string alignment;   // "" writes no alignment
        BYTE snapToGrid = 0;
        BYTE twoDigits = 0;
    };

    // One page per month from firstMonth to lastMonth (1..12) of the run's date range: page break, headings, and a table
    // of a title row, a weekday row and per week a day-number row with up to five line rows.
    // Days of the range link to their date bookmarks.
    static std::string GetMonthCalendarXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                           const std::string& r5, int year, BYTE twoDigits,
                                           const CalendarStyle& style, BYTE monthUpper,
                                           const MonthCalendarSettings& settings, int firstMonth, int lastMonth,
                                           const DocxDateRange& range);
    static void AppendMonthCalendarXml(std::string& xml, const std::string& r1, const std::string& r2,
                                       const std::string& r3, const std::string& r5, int year,
                                       BYTE twoDigits, const CalendarStyle& style, BYTE monthUpper,
                                       const MonthCalendarSettings& settings, int firstMonth, int lastMonth,
                                       const DocxDateRange& range);
    // One row of a month table for one week: the day-number row or a line row, per the style.
    static std::string GetMonthRowXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                      const std::string& r5, const DocxWeek& week, const MonthRowStyle& row,
                                      DayCycle& cycle);
    // The row's seven cells, Sunday to Saturday.
    static std::string GetMonthRowCellsXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                           const std::string& r5, const DocxWeek& week, const MonthRowStyle& row,
                                           DayCycle& cycle);
    // One cell, the first kind that fits: empty, day number, a line cell of a day outside the range,
    // a counter cell (advancing the cycle) or a blank line cell.
    static std::string GetMonthDayCellXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                          const std::string& r5, const DocxDayCell& cell, const MonthRowStyle& row,
                                          DayCycle& cycle);
    // Properties of a day-number cell; a day outside the range (bookmark 0) starts a vertical merge
    // that its line cells continue.
    static std::string GetMergedCellStartXml(const std::string& topType, const std::string& topColor,
                                             const std::string& bottomType, const std::string& bottomColor,
                                             int bookmark, int weekday, const std::string& weekendBackground,
                                             const std::string& workdayBackground,
                                             const std::string& outsideBackground);
    static void AppendMergedCellStartXml(std::string& xml, const std::string& topType, const std::string& topColor,
                                         const std::string& bottomType, const std::string& bottomColor, int bookmark,
                                         int weekday, const std::string& weekendBackground,
                                         const std::string& workdayBackground,
                                         const std::string& outsideBackground);
    // A narrow cell that starts (restart 1) or continues a vertical merge, holding the run given.
    static std::string GetMergedCellContinueXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                                const std::string& background, BYTE restart,
                                                const std::string& run);
    // Line cells of a diary day: the next text of the 21-day counter, or one blank.
    static std::string GetDayCounterCellXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                            const std::string& r5, const MonthRowStyle& row, int weekday,
                                            DayCycle& cycle);
    static std::string GetPreservedTextCellXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                               const std::string& r5, const MonthRowStyle& row, int weekday);
    // A special sign 1..28 in its symbol font; a run without the sign for any other number.
    static std::string GetMonthSymbolRunXml(const std::string& r5, const std::string& color, const std::string& size,
                                            BYTE bold, BYTE italic, int sign);
    static std::string GetTopBottomBordersXml(const std::string& topType, const std::string& topColor,
                                              const std::string& bottomType, const std::string& bottomColor);
    static void AppendTopBottomBordersXml(std::string& xml, const std::string& topType, const std::string& topColor,
                                          const std::string& bottomType, const std::string& bottomColor);

    // --- Year and quarter planners ---

    // A day of a planner column: day 0 and weekday -1 for a filler above the 1st.
    struct PlannerDay {
        int day = 0;
        int weekday = -1;
    };
    using PlannerMonth = std::vector<PlannerDay>;

    // One column per month first .. end - 1 (0-based), the days shifted so that each row holds
    // one weekday; "" for a span that is empty or leaves 0..12. Month labels by the one-page
    // format for more than six months, else by the style's month format and monthUpper.
    static std::string GetYearPlannerXml(const YearPlannerSettings& settings, const CalendarStyle& style, int first,
                                         int end, int year, BYTE monthUpper);
    static void AppendYearPlannerXml(std::string& xml, const YearPlannerSettings& settings, const CalendarStyle& style,
                                     int first, int end, int year, BYTE monthUpper);
    // Three months first .. end - 1 side by side, a number and a writing column each, 31 rows;
    // "" for any other span.
    static std::string GetQuarterPlannerXml(const YearPlannerSettings& settings, const CalendarStyle& style,
                                            int first, int end, int year, BYTE monthUpper);
    static void AppendQuarterPlannerXml(std::string& xml, const YearPlannerSettings& settings,
                                        const CalendarStyle& style, int first, int end, int year, BYTE monthUpper);
    // An empty width writes "10008", an empty indent "-106".
    static std::string GetPlannerTablePropertiesXml(const std::string& lineType, const std::string& lineColor,
                                                    const std::string& width, const std::string& indent, BYTE top,
                                                    BYTE bottom, BYTE left, BYTE right);
    // The sides switched on, and the inside lines where both of their sides are on.
    static std::string GetPlannerBordersXml(const std::string& lineType, const std::string& lineColor, BYTE top,
                                            BYTE bottom, BYTE left, BYTE right);
    // Alignment 0 left, 1 centre, 2 right. A colour that is not six hexadecimal digits becomes
    // "000000" as background and "FFFFFF" as text colour.
    static std::string GetPlannerCellXml(const std::string& text, const std::string& background,
                                         const std::string& textColor, const std::string& font,
                                         const std::string& size, int width, int alignment, BYTE keepTopBottom,
                                         BYTE spanTwo, BYTE rightBorder, const std::string& rightType,
                                         const std::string& rightColor);
    static void AppendPlannerCellXml(std::string& xml, std::string_view text, const std::string& background,
                                     const std::string& textColor, const std::string& font, const std::string& size,
                                     int width, int alignment, BYTE keepTopBottom, BYTE spanTwo, BYTE rightBorder,
                                     const std::string& rightType, const std::string& rightColor);
    static void GetMonthDays(std::array<PlannerMonth, 12>& months, int year);
    // Fills one list per month first .. end - 1, each led by fillers so that entry r of every
    // list falls on weekday (W + r) mod 7; returns W, the smallest weekday of their 1sts.
    static int GetAlignedMonthDays(std::vector<PlannerMonth>& months, int year, int first, int end);
};
