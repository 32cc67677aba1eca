#pragma once
// The fields of the yearly-calendar style as dialog 266 and its preset file know them: each
// colour with its button, key and the button's starting colour, and the fifteen style flags
// with their keys, in record order (month, weekday, Sunday and Saturday, Monday to Friday,
// days outside the range; each bold, italic, strike-through).

#include "resources/CalendarDialogIds.h"
#include "settings/SettingsRecords.h"

struct CalendarColourField {
    int id;
    CString CalendarStyle::*field;
    const char* key;
    const char* initial;
};

// In the order the dialog loads them.
inline const CalendarColourField kCalendarColours[12] = {
    {IDC_YC_LINE_COLOUR, &CalendarStyle::line_color, "Calendar_line_color", "C0BE64"},
    {IDC_YC_MONTH_BACK, &CalendarStyle::month_bk_color, "Calendar_month_bk_color", "FFFFFF"},
    {IDC_YC_WEEK_BACK, &CalendarStyle::week_bk_color, "Calendar_week_bk_color", "C0C0C0"},
    {IDC_YC_MONTH_FONT, &CalendarStyle::month_font_color, "Calendar_month_font_color", "000000"},
    {IDC_YC_WEEK_FONT, &CalendarStyle::week_font_color, "Calendar_week_font_color", "FFFFFF"},
    {IDC_YC_DAY06_FONT, &CalendarStyle::day0And6_font_color, "Calendar_day0And6_font_color", "777777"},
    {IDC_YC_DAY06_BACK, &CalendarStyle::back_color_day06, "Calendar_back_color_day06", "FFFFFF"},
    {IDC_YC_DAY15_FONT, &CalendarStyle::day1To5_font_color, "Calendar_day1To5_font_color", "3A5FCD"},
    {IDC_YC_DAY15_BACK, &CalendarStyle::back_color_day15, "Calendar_back_color_day15", "FFFFFF"},
    {IDC_YC_NOLINK_FONT, &CalendarStyle::day_nolink_font_color, "Calendar_day_nolink_font_color", "777777"},
    {IDC_YC_NODIARY_BACK, &CalendarStyle::back_color_nodiary, "Calendar_back_color_nodiary", "FFFFFF"},
    {IDC_YC_EMPTY_BACK, &CalendarStyle::back_color_empty, "Calendar_back_color_empty", "F3F3F3"},
};

struct CalendarStyleFlag {
    BYTE CalendarStyle::*field;
    const char* key;
};

inline const CalendarStyleFlag kCalendarStyleFlags[15] = {
    {&CalendarStyle::bMonthBold, "Calendar_bMonthBold"},
    {&CalendarStyle::bMonthItalic, "Calendar_bMonthItalic"},
    {&CalendarStyle::bMonthStrike, "Calendar_bMonthStrike"},
    {&CalendarStyle::bWeekBold, "Calendar_bWeekBold"},
    {&CalendarStyle::bWeekItalic, "Calendar_bWeekItalic"},
    {&CalendarStyle::bWeekStrike, "Calendar_bWeekStrike"},
    {&CalendarStyle::bDay06Bold, "Calendar_bDay06Bold"},
    {&CalendarStyle::bDay06Italic, "Calendar_bDay06Italic"},
    {&CalendarStyle::bDay06Strike, "Calendar_bDay06Strike"},
    {&CalendarStyle::bDay15Bold, "Calendar_bDay15Bold"},
    {&CalendarStyle::bDay15Italic, "Calendar_bDay15Italic"},
    {&CalendarStyle::bDay15Strike, "Calendar_bDay15Strike"},
    {&CalendarStyle::bDayNotDiaryBold, "Calendar_bDayNotDiaryBold"},
    {&CalendarStyle::bDayNotDiaryItalic, "Calendar_bDayNotDiaryItalic"},
    {&CalendarStyle::bDayNotDiaryStrike, "Calendar_bDayNotDiaryStrike"},
};
