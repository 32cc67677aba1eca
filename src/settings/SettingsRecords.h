#pragma once
// Settings that travel together, from the settings to the generator and the dialogs.
// Texts are held as strings of any length; a copy of a record is a snapshot of it.

#include "platform/CString.h"
#include "platform/WinTypes.h"

// The look of the one-row table drawn round a heading.
struct TableLineSettings {
    BYTE bTable = 0;
    CString line_color;
    CString line_type;
    CString table_bk_color;
    BYTE bLineTop = 0;
    BYTE bLineBottom = 0;
    BYTE bLineLeft = 0;
    BYTE bLineRight = 0;
    BYTE bLineMiddle = 0;

    bool operator==(const TableLineSettings&) const = default;
};

// A text file whose lines are added to the day pages, and their font.
struct AddTextSettings {
    BYTE AddText = 0;
    CString FileName;
    CString FontName;
    CString FontSize;
    CString FontSizeCopy;   // read from the same key; the generation puts half-points here
    CString FontColor;
    CString BackgroundColor;
    BYTE FontBold = 0;
    BYTE FontItalic = 0;
    BYTE FontUnderline = 0;
    BYTE LOOP = 0;
    BYTE BackgroundColor_Check = 0;

    bool operator==(const AddTextSettings&) const = default;
};

// The style of the captions of the date heading, with copies of the caption texts.
struct DayCaptionSettings {
    BYTE DEFERENCE = 0;
    CString RestDay;
    CString RestDay_Back;
    CString HadBeenDays;
    CString HadBeenDays_Back;
    CString WeekEnd;
    BYTE REST_BOLD = 0;
    BYTE REST_ITALIC = 0;
    CString REST_COLOR;
    BYTE REST_NUMBER_BOLD = 0;
    BYTE REST_NUMBER_ITALIC = 0;
    CString REST_NUMBER_COLOR;
    BYTE THEDAY_NUMBER_BOLD = 0;
    BYTE THEDAY_NUMBER_ITALIC = 0;
    CString THEDAY_NUMBER_COLOR;

    bool operator==(const DayCaptionSettings&) const = default;
};

// The look of the yearly calendar.
struct CalendarStyle {
    CString month_font_color;
    CString month_bk_color;
    CString week_font_color;
    CString week_bk_color;
    CString line_type;
    CString line_color;
    CString day0And6_font_color;
    CString day1To5_font_color;
    CString day_nolink_font_color;
    CString back_color_day06;
    CString back_color_day15;
    CString back_color_nodiary;
    CString back_color_empty;
    BYTE ABlankRowAfterAmonth = 0;
    CString MonthFormat;    // copy of the month title format, refreshed before each run
    CString font_name;
    int Month_Align = 0;    // 0 left, 1 centre, 2 right
    BYTE bMonthBold = 0, bMonthItalic = 0, bMonthStrike = 0;
    BYTE bWeekBold = 0, bWeekItalic = 0, bWeekStrike = 0;
    BYTE bDay06Bold = 0, bDay06Italic = 0, bDay06Strike = 0;
    BYTE bDay15Bold = 0, bDay15Italic = 0, bDay15Strike = 0;
    BYTE bDayNotDiaryBold = 0, bDayNotDiaryItalic = 0, bDayNotDiaryStrike = 0;

    bool operator==(const CalendarStyle&) const = default;
};

// The year planner pages.
struct YearPlannerSettings {
    BYTE bYearPlanner = 0;
    BYTE YearPlanner1Page = 0;
    BYTE YearPlannerQuarterPlanner = 0;
    CString str_FontName;
    CString str_FontSize;
    CString color_for_month_bk;
    CString color_for_month_font;
    CString color_for_weekname_bk;
    CString color_for_weekname_font;
    CString color_for_week1to5_bk;
    CString color_for_week1to5_font;
    CString color_for_week0and6_bk;
    CString color_for_week0and6_font;
    CString color_for_day_is_empty_bk;
    CString line_type_name_in_xml;
    CString line_color;
    CString color_for_double_month_bk;
    BYTE YearPlanner1Page_MonthUppercase = 0;
    CString MonthFormat_For1PageYearPlanner;

    bool operator==(const YearPlannerSettings&) const = default;
};

// The monthly calendar pages. Arrays of five hold the five line rows that can stand under the
// day numbers of each week (index 0 is row 1); 06 marks Saturday and Sunday, 15 Monday to Friday.
struct MonthCalendarSettings {
    static constexpr int kRows = 5;

    BYTE bAddMonthOfCalendar = 0;
    CString FontName;
    CString FontSize;
    BYTE bWeekNameUpper = 0;
    CString LineType_Grid;
    CString LineColor_Grid;
    BYTE bAddLine[kRows] = {};
    CString line06_BKColor_[kRows];
    CString line15_BKColor_[kRows];
    CString line06_FontColor_[kRows];
    CString line15_FontColor_[kRows];
    BYTE line06_FontBold_[kRows] = {};
    BYTE line15_FontBold_[kRows] = {};
    BYTE line06_FontItalic_[kRows] = {};
    BYTE line15_FontItalic_[kRows] = {};
    BYTE line06_Strikethrough_[kRows] = {};
    BYTE line15_Strikethrough_[kRows] = {};
    BYTE b21Days[kRows] = {};
    BYTE b21DaysRest[kRows] = {};
    int i21DaysNotWorkDays[kRows] = {};
    BYTE bAddSpecialSign_06[kRows] = {};
    int iSpecialSign_06[kRows] = {};
    CString SpecialSignColor_06[kRows];
    BYTE bAddSpecialSign_15[kRows] = {};
    int iSpecialSign_15[kRows] = {};
    CString SpecialSignColor_15[kRows];
    CString LineTop[kRows];
    CString LineColor_Top[kRows];
    CString LineBottom[kRows];
    CString LineColor_Bottom[kRows];
    CString FontName_Day;
    CString FontSize_Day;
    BYTE FontBold_Day = 0;
    BYTE FontItalic_Day = 0;
    BYTE FontUnderlined_Day = 0;
    int FontAlign_Day = 0;
    BYTE bLineSnapToGrid = 0;

    bool operator==(const MonthCalendarSettings&) const = default;
};

// The font that the same-format command applies to every class; not stored.
struct SameFormatSettings {
    BYTE bBold = 0;
    CString FontName;
    CString FontSize;
    CString FontColor;

    bool operator==(const SameFormatSettings&) const = default;
};

extern TableLineSettings g_dateTable;       // date heading of each day page (keys Date_)
extern TableLineSettings g_textTable;       // added text lines (keys Text_)
extern TableLineSettings g_tableLineEdit;   // working copy of the table-line dialog
extern AddTextSettings g_addText;
extern DayCaptionSettings g_dayCaptions;
extern CalendarStyle g_calendarStyle;
extern YearPlannerSettings g_yearPlanner;
extern MonthCalendarSettings g_monthCalendar;       // stored, handed to the generator
extern MonthCalendarSettings g_monthCalendarEdit;   // working copy of the monthly calendar dialog
extern SameFormatSettings g_sameFormat;

// The values the resets give; the loaders fall back on them for empty keys.
MonthCalendarSettings MonthCalendarDefaults();
YearPlannerSettings YearPlannerDefaults();
TableLineSettings DateTableDefaults();
TableLineSettings TextTableDefaults();

// Resets run once at start-up, in this order, before the first load.
void InitHeadingDefaults();
void InitMonthCalendarDefaults();
void InitYearPlannerDefaults();
void InitSameFormatDefaults();
