#pragma once
// The single program-wide settings of a diary template, and the few values beside them
// that are not stored in the configuration file. They live for the whole run.

#include "platform/CString.h"
#include "platform/WinTypes.h"

// Date range, headings and captions (section Main).
extern int g_nMonthStart;
extern int g_nMonthEnd;
extern int g_nDayStart;
extern int g_nDayEnd;
extern BYTE g_bMonthUpper;
extern CString g_strMonthFormat;
extern CString g_strDayFormat;
extern int g_nWeeklyNumber;
extern CString g_strRestDay;
extern CString g_strRestDayBack;
extern CString g_strHadBeenDays;
extern CString g_strHadBeenDaysBack;
extern CString g_strWeekEnd;
extern CString g_strTitle;
extern BYTE g_bAddDateInTitle;
extern BYTE g_bShowAllMonths;
extern BYTE g_bCalendarFormat2Bit;
extern BYTE g_abUncheckedWeek[7];   // index = weekday, 0 = Sunday; 1 = the weekday is ticked
extern CString g_strUncheckedWeekFontColor;
extern BYTE g_bUncheckedWeekFontBold;
extern BYTE g_bUncheckedWeekFontItalic;
extern BYTE g_bUncheckedWeekFontDelLine;
extern CString g_strQuarterText;
extern BYTE g_bConfigYearPlanner;

// Headings of the diary pages (section Main).
extern CString g_strMonthsFontName;
extern CString g_strMonthsFontSize;
extern BYTE g_bMonthsFontBold;
extern BYTE g_bMonthsFontItalic;
extern CString g_strMonthsFontColor;
extern CString g_strDaysFontName;
extern CString g_strDaysFontSize;
extern BYTE g_bDaysFontBold;
extern BYTE g_bDaysFontItalic;
extern BYTE g_bDaysUnderline;
extern CString g_strDaysFontColor;
extern BYTE g_bDaysBackGround;
extern CString g_strDaysBackGround;
extern BYTE g_bPageBreaks;
extern BYTE g_bAddBlankLineBeforeClass;

// Not stored in the configuration file.
extern CString g_strExeFolder;      // the program folder, ending in the path separator
extern CString g_strConfigPath;     // the current configuration file
extern BYTE g_bStartShow;           // welcome window at start; kept in the configuration path file
extern BYTE g_bAddTextPerDay;       // the added-text check box, copied into the record before a save
extern BYTE g_bDateInTable;     // the date-table check box, copied into the record before a save
extern int g_bShowRestDay;          // the days-left caption is on
extern int g_bShowHadBeenDays;      // the day-number caption is on
extern CString g_strDaysFontNameCopy;   // the date heading's face as the date range dialog last left it

// Puts every value above back to the value it has when the program starts.
void SetStartValues();
