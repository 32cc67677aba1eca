#include "RunFixture.h"

#include <filesystem>

namespace fs = std::filesystem;

std::map<std::string, std::string> DocxRunTest::Snapshot() const
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(Work()))
        if (entry.is_regular_file())
            files[entry.path().string()] = docxcheck::ReadFile(entry.path().string());
    return files;
}

DocxRunDesign DocxRunTest::SmallDesign()
{
    DocxRunDesign design;
    design.year = 2026;
    DiaryPageFormat& f = design.pageFormat;
    f.Months_FontName = "Tahoma";
    f.Months_FontSize = "28.0";
    f.Months_FontColor = "921111";
    f.Months_FontBold = 1;
    f.Months_Grade = "2";
    f.Days_FontName = "Tahoma";
    f.Days_FontSize = "24.0";
    f.Days_FontColor = "000000";
    f.Days_Grade = "3";
    f.QuarterText = "Quarter ";
    f.UncheckedWeekFontColor = "777777";
    f.UncheckedWeekFontDelLine = 1;
    f.Page_Breaks = 1;

    DiaryClassRecord work;
    work.COL_bCLASS_TITLE = 1;
    work.COL_CLASS_TITLE = "Work";
    work.COL_CLASS_FONT_SIZE = "22.0";
    work.COL_LINE_COUNT = 2;
    work.COL_LINE_TEXT_FONT_SIZE = "20.0";
    work.bTable = 1;
    design.classes.push_back(work);

    design.title = "My diary ";
    design.calendarStyle.MonthFormat = "%B";
    design.calendarStyle.line_type = "dotted";
    design.calendarStyle.line_color = "777777";
    design.yearPlanner.str_FontSize = "9";
    design.monthCalendar.FontSize = "10";
    design.monthCalendar.FontSize_Day = "11";
    return design;
}

size_t Occurrences(const std::string& text, const std::string& pattern)
{
    size_t count = 0;
    for (size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + pattern.size()))
        ++count;
    return count;
}
