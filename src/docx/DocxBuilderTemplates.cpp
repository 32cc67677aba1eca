// The two template text files a run reads back: the month headings and one caption line per day.
// They are private to a run, so they are UTF-8 whatever the disk code page of user files.
#include "docx/DocxBuilder.h"

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/SystemError.h"
#include "settings/CivilDate.h"
#include "settings/DateTextBounds.h"
#include "settings/Settings.h"

#include <algorithm>
#include <cstdio>

namespace {

// Longest formatted month label and day caption, in bytes as stored.
constexpr size_t kMonthLabelLength = datebounds::kWrittenMonthLabel;
constexpr size_t kDayCaptionLength = datebounds::kWrittenDate;
constexpr size_t kMostLabels = 12;

enum class Echo { No, Yes };

// A line break that a format ("%n") or a caption brings along would split one day into two.
// Echoed lines go to standard output too, one a line, whether the file could be written or not.
int WriteLines(const platform::FilePlace& path, const std::vector<std::string>& lines, const char* lineEnd, Echo echo)
{
    std::string text;
    for (std::string line : lines) {
        std::replace_if(line.begin(), line.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
        if (echo == Echo::Yes)
            std::printf("%s\n", line.c_str());
        text += line + lineEnd;
    }
    if (!path.Replace(text)) {
        const platform::KeptReason kept;   // the reason the run tells, whatever printing leaves there
        std::printf("Do not  to open file: %s\r\n", path.Path().c_str());
        return -1;
    }
    return 0;
}

bool IsTicked(int weekday)
{
    return g_abUncheckedWeek[weekday] == 1;
}

std::string Caption(const std::string& prefix, int number, const std::string& suffix)
{
    return prefix + " " + std::to_string(number) + suffix;
}

} // namespace

int CDocxBuilder::WriteMonthTemplateFile(const platform::FilePlace& path, const std::string& monthFormat, int firstMonth,
                                         int lastMonth, BYTE upper, int year)
{
    return WriteLines(path, BuildMonthLabels(monthFormat, firstMonth, lastMonth, upper, year), "\r\n", Echo::Yes);
}

std::vector<std::string> CDocxBuilder::BuildMonthLabels(const std::string& monthFormat, int firstMonth,
                                                        int lastMonth, BYTE upper, int year)
{
    std::vector<std::string> labels;
    std::tm time = platform::LocalTime(platform::Now());
    time.tm_year = year - 1900;
    for (int month = firstMonth; month <= lastMonth; ++month) {
        time.tm_mon = month - 1;
        const std::string label = platform::FormatTime(monthFormat.c_str(), time, kMonthLabelLength);
        labels.push_back(upper == 1 ? ToUpperCopy(label) : label);
    }
    return labels;
}

int CDocxBuilder::WriteDateTemplateFile(const platform::FilePlace& path, const std::string& dayFormat, BYTE daysLeft,
                                        const std::string& daysLeftPrefix, const std::string& daysLeftSuffix,
                                        const std::string& weekendText, int year, BYTE weekNumber, int startMonth,
                                        int endMonth, int startDay, int endDay, int dayNumber,
                                        const std::string& dayNumberPrefix, const std::string& dayNumberSuffix)
{
    return WriteLines(path,
                      BuildDayCaptions(dayFormat, daysLeft, daysLeftPrefix, daysLeftSuffix, weekendText, year,
                                       weekNumber, startMonth, endMonth, startDay, endDay, dayNumber,
                                       dayNumberPrefix, dayNumberSuffix),
                      "\n", Echo::No);
}

std::vector<std::string> CDocxBuilder::BuildDayCaptions(const std::string& dayFormat, BYTE daysLeft,
                                                        const std::string& daysLeftPrefix,
                                                        const std::string& daysLeftSuffix,
                                                        const std::string& weekendText, int year, BYTE weekNumber,
                                                        int startMonth, int endMonth, int startDay, int endDay,
                                                        int dayNumber, const std::string& dayNumberPrefix,
                                                        const std::string& dayNumberSuffix)
{
    const int count = CountDaysBetween(year, startMonth, endMonth, startDay, endDay);
    std::vector<MonthDay> days;
    int total = 0;   // ticked days of the range: the base of the days-left caption
    for (int n = startDay; n < startDay + count; ++n) {
        const MonthDay date = DayOffsetToMonthDay(year, n, startMonth, endMonth);
        if (date.month == 0)
            break;
        days.push_back(date);
        total += IsTicked(GetWeekday(year, date.month, date.day)) ? 1 : 0;
    }

    const bool showDaysLeft = daysLeft == 1 && !(daysLeftPrefix.empty() && daysLeftSuffix.empty());
    const bool showDayNumber = dayNumber == 1 && !(dayNumberPrefix.empty() && dayNumberSuffix.empty());
    std::vector<std::string> lines;
    int ticked = 0;
    int week = 0;
    std::tm time = platform::LocalTime(platform::Now());
    for (const MonthDay& date : days) {
        const int weekday = GetWeekday(year, date.month, date.day);
        time.tm_year = year - 1900;
        time.tm_mon = date.month - 1;
        time.tm_mday = date.day;
        time.tm_wday = weekday;
        time.tm_yday = static_cast<int>(civil::DaysFromCivil(year, date.month, date.day) -
                                        civil::DaysFromCivil(year, 1, 1));
        std::string line = platform::FormatTime(dayFormat.c_str(), time, kDayCaptionLength);
        const bool isTicked = IsTicked(weekday);
        if (isTicked) {
            ++ticked;
            if (showDaysLeft)
                line += Caption(daysLeftPrefix, total - ticked, daysLeftSuffix);
            if (showDayNumber)
                line += Caption(dayNumberPrefix, ticked, dayNumberSuffix);
        }
        if (weekday == 6)
            ++week;
        if ((weekday == 6 || weekday == 0) && !weekendText.empty()) {
            line += weekendText;
            if (weekNumber == 1)
                line += " [ " + std::to_string(week) + " ]";
        }
        line += isTicked ? '1' : '0';
        lines.push_back(std::move(line));
    }
    return lines;
}

bool CDocxBuilder::ReadLinesIntoArray(std::vector<MonthLabel>& labels, const platform::FilePlace& path)
{
    const auto text = path.Read();
    if (!text) {
        std::printf("Failed to open file:%s\n", path.Path().c_str());
        return false;
    }
    // Every line is a label, however short: the body takes the label of a month by its position.
    std::string_view rest = *text;
    int stored = 0;
    while (!rest.empty() && static_cast<size_t>(stored) < kMostLabels) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        labels.push_back({++stored, std::string(line)});
    }
    return true;
}
