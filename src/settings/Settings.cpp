#include "settings/Settings.h"

#include "platform/Files.h"

int g_nMonthStart;
int g_nMonthEnd;
int g_nDayStart;
int g_nDayEnd;
BYTE g_bMonthUpper;
CString g_strMonthFormat;
CString g_strDayFormat;
int g_nWeeklyNumber;
CString g_strRestDay;
CString g_strRestDayBack;
CString g_strHadBeenDays;
CString g_strHadBeenDaysBack;
CString g_strWeekEnd;
CString g_strTitle;
BYTE g_bAddDateInTitle;
BYTE g_bShowAllMonths;
BYTE g_bCalendarFormat2Bit;
BYTE g_abUncheckedWeek[7];
CString g_strUncheckedWeekFontColor;
BYTE g_bUncheckedWeekFontBold;
BYTE g_bUncheckedWeekFontItalic;
BYTE g_bUncheckedWeekFontDelLine;
CString g_strQuarterText;
BYTE g_bConfigYearPlanner;

CString g_strMonthsFontName;
CString g_strMonthsFontSize;
BYTE g_bMonthsFontBold;
BYTE g_bMonthsFontItalic;
CString g_strMonthsFontColor;
CString g_strDaysFontName;
CString g_strDaysFontSize;
BYTE g_bDaysFontBold;
BYTE g_bDaysFontItalic;
BYTE g_bDaysUnderline;
CString g_strDaysFontColor;
BYTE g_bDaysBackGround;
CString g_strDaysBackGround;
BYTE g_bPageBreaks;
BYTE g_bAddBlankLineBeforeClass;

CString g_strExeFolder;
CString g_strConfigPath;
BYTE g_bStartShow;
BYTE g_bAddTextPerDay;
BYTE g_bDateInTable;
int g_bShowRestDay;
int g_bShowHadBeenDays;
CString g_strDaysFontNameCopy;

void SetStartValues()
{
    g_nMonthStart = 1;
    g_nMonthEnd = 12;
    g_nDayStart = 1;
    g_nDayEnd = 31;
    g_bMonthUpper = 1;
    g_strMonthFormat = "%b %Y";
    g_strDayFormat = "%Y-%m-%d,%a";
    g_nWeeklyNumber = 1;
    g_strRestDay = " [ 还剩";
    g_strRestDayBack = " 天 ]";
    g_strHadBeenDays = " [ 第 ";
    g_strHadBeenDaysBack = " 天 ]";
    g_strWeekEnd = " [ 周末 ]";
    g_strTitle = "From Now, record your every day...";
    g_bAddDateInTitle = 1;
    g_bShowAllMonths = 1;
    g_bCalendarFormat2Bit = 1;
    for (BYTE& ticked : g_abUncheckedWeek)
        ticked = 1;
    g_strUncheckedWeekFontColor = "000000";
    g_bUncheckedWeekFontBold = 0;
    g_bUncheckedWeekFontItalic = 1;
    g_bUncheckedWeekFontDelLine = 1;
    g_strQuarterText = "季度:";
    g_bConfigYearPlanner = 0;

    g_strMonthsFontName = "Tahoma";
    g_strMonthsFontSize.Empty();
    g_bMonthsFontBold = 0;
    g_bMonthsFontItalic = 0;
    g_strMonthsFontColor.Empty();
    g_strDaysFontName = "Tahoma";
    g_strDaysFontSize.Empty();
    g_bDaysFontBold = 0;
    g_bDaysFontItalic = 0;
    g_bDaysUnderline = 0;
    g_strDaysFontColor.Empty();
    g_bDaysBackGround = 0;
    g_strDaysBackGround.Empty();
    g_bPageBreaks = 1;
    g_bAddBlankLineBeforeClass = 0;

    g_strExeFolder = platform::CurrentFolder();
    g_strConfigPath.Empty();
    g_bStartShow = 1;
    g_bAddTextPerDay = 0;
    g_bDateInTable = 0;
    g_bShowRestDay = 1;
    g_bShowHadBeenDays = 1;
    g_strDaysFontNameCopy.Empty();
}

namespace {
// The values above are defined in this file before this line, so they exist when it runs.
[[maybe_unused]] const bool g_startValuesSet = (SetStartValues(), true);
} // namespace
