#include "app/generation/RunInputs.h"

#include "app/generation/PageFormat.h"
#include "settings/MottoFile.h"
#include "docx/DocxBuilder.h"
#include "settings/ClassCells.h"
#include "settings/DateTimeOper.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

std::string BuildDocumentTitle(const CString& title, BYTE addDateAndTime)
{
    std::string text = title.str() + " ";
    if (addDateAndTime == 1) {
        const CDateTimeOper clock;
        text += "(" + clock.GetNowString(g_strDayFormat).str() + " " + clock.GetNowString2("%p %I:%M:%S").str() + ")";
    }
    return text;
}

namespace {

// A range lies within one year, and each of its days takes one motto at most: a run never uses
// more lines than this, however long the file.
constexpr size_t kMostDiaryDays = 366;

// The quarter of a month of the range: `none` for a month that is none, `whole` when all months
// are to be shown.
int QuarterOfRange(int month, int none, int whole)
{
    if (g_bShowAllMonths != 0)
        return whole;
    const int quarter = CDocxBuilder::GetQuarterOfMonth(month);
    return quarter == 0 ? none : quarter;
}

} // namespace

int ComputeFirstQuarter()
{
    return QuarterOfRange(g_nMonthStart, 1, 0);
}

int ComputeLastQuarter()
{
    return QuarterOfRange(g_nMonthEnd, 4, 4);
}

DocxRunDesign BuildRunDesign(const ClassListModel& rows, const OutlineLevelTexts& levels, int* mottoError)
{
    if (g_strMonthFormat.IsEmpty())
        g_strMonthFormat = "%B %Y";
    g_yearPlanner.bYearPlanner = g_bConfigYearPlanner;
    g_calendarStyle.MonthFormat = g_strMonthFormat;

    DocxRunDesign design;
    design.year = CDocxBuilder::GetCurrentYear();
    ReadClassRecordsFromList(design.classes, rows);
    design.pageFormat = BuildPageFormat(levels);
    design.title = BuildDocumentTitle(g_strTitle, g_bAddDateInTitle);
    design.range = {g_nMonthStart, g_nMonthEnd, g_nDayStart, g_nDayEnd};
    design.captions = g_dayCaptions;

    g_addText.AddText = g_bAddTextPerDay == 1 ? 1 : 0;
    if (g_addText.AddText == 1 && CDocxBuilder::CheckFile(g_addText.FileName.str()) != 0)
        g_addText.AddText = 0;
    const int unread =
        g_addText.AddText == 1 ? ReadTextFileLines(g_addText.FileName.str(), design.textLines, kMostDiaryDays) : 0;
    if (mottoError != nullptr)
        *mottoError = unread;
    g_addText.FontSizeCopy = FontSizeToHalfPoints(g_addText.FontSize);
    design.addText = g_addText;

    design.dateTable = g_dateTable;
    design.textTable = g_textTable;
    design.calendarStyle = g_calendarStyle;
    design.monthUpper = g_bMonthUpper;
    design.monthCalendar = g_monthCalendar;
    design.yearPlanner = g_yearPlanner;
    design.nFirstQuarter = ComputeFirstQuarter();
    design.nLastQuarter = ComputeLastQuarter();
    return design;
}
