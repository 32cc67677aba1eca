// The document body in page order: title, yearly calendar, planners, monthly calendars, then one
// daily page per line of the date template.
#include "docx/DocxBuilder.h"

#include "docx/DocxTableWriter.h"
#include "docx/PartWriter.h"
#include "platform/Files.h"
#include "platform/SystemError.h"
#include "settings/CivilDate.h"
#include "settings/IniValues.h"

#include <algorithm>
#include <cstdio>

namespace {

// Width of a day column of the calendars, in twips.
constexpr int kDayWidth = 437;

// The lines of the date template: every line counts, whatever its length, because the n-th line
// is the n-th day of the range and names the n-th bookmark of the yearly calendar.
std::vector<std::string> DateLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string_view rest = text;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
    }
    return lines;
}

class BodyWriter {
public:
    BodyWriter(CDocxBuilder& builder, const DocxRunDesign& design, const platform::FilePlace& documentPath)
        : m_builder(builder), m_design(design), m_format(design.pageFormat),
          m_out(documentPath, design.maxDocumentPartBytes),
          m_year(design.year)
    {
    }

    void TitleAndYearCalendar()
    {
        m_out.Add(m_builder.GetTitleParagraphXml(m_format.Days_FontColor.str(), m_format.Days_FontSize.str(),
                                                 m_format.Days_FontName.str(), m_format.Days_FontBold,
                                                 m_design.title));
        CDocxTableWriter::AppendYearCalendarXml(m_out.Chunk(), Rsid(1), Rsid(2), Rsid(3), Rsid(4), kDayWidth, m_year,
                                                m_format.CalendarFormat2Bit, m_design.calendarStyle,
                                                m_design.monthUpper, m_design.nFirstQuarter, m_design.nLastQuarter,
                                                m_design.range);
        m_out.FlushIfFull();
    }

    // The two-page year planner always, the one-page planner and the quarter planner each by its
    // own switch, and none of them unless the planners are switched on.
    void Planners()
    {
        const YearPlannerSettings& planner = m_design.yearPlanner;
        if (planner.bYearPlanner != 1)
            return;
        PageBreak();
        Caption("年计划:", "1");
        Caption("年计划表 - 1 (2 页)", "2");
        YearPlanner(0, 6);
        PageBreak();
        Caption("年计划表 - 1 (2 页)", "2");
        YearPlanner(6, 12);
        if (planner.YearPlanner1Page != 0) {
            PageBreak();
            Caption("年计划表 (1 页)", "2");
            YearPlanner(0, 12);
        }
        if (planner.YearPlannerQuarterPlanner == 1) {
            PageBreak();
            Caption("季度计划表 (4 页)", "1");
            for (int quarter = 1; quarter <= 4; ++quarter) {
                if (quarter > 1)
                    PageBreak();
                Caption("季度-" + std::to_string(quarter) + " 计划表 ", "2");
                CDocxTableWriter::AppendQuarterPlannerXml(m_out.Chunk(), planner, m_design.calendarStyle,
                                                          3 * (quarter - 1), 3 * quarter, m_year, m_design.monthUpper);
            }
        }
        m_out.FlushIfFull();
    }

    void MonthCalendars()
    {
        if (m_design.monthCalendar.bAddMonthOfCalendar != 1)
            return;
        CDocxTableWriter::AppendMonthCalendarXml(m_out.Chunk(), Rsid(1), Rsid(2), Rsid(3), Rsid(4), m_year,
                                                 m_format.CalendarFormat2Bit, m_design.calendarStyle,
                                                 m_design.monthUpper, m_design.monthCalendar, m_design.range.firstMonth,
                                                 m_design.range.lastMonth, m_design.range);
        m_out.FlushIfFull();
    }

    void BreakBeforeDays() { m_breakPending = m_format.Page_Breaks == 1; }

    void DailyPages(const std::vector<CDocxBuilder::MonthLabel>& labels, const std::vector<std::string>& lines)
    {
        m_labels = &labels;
        m_daysLeftInStartMonth = MonthLength(0) - m_design.range.firstDay + 1;
        m_quarterLevel = std::to_string(std::max(1, ParseInt(m_format.Months_Grade)) - 1);
        m_bookmarkId = CDocxBuilder::GetDaysInYear(m_year) + 1;
        CDocxBuilder::GetQuarterSpans(m_quarters, m_design.range.firstMonth, m_design.range.lastMonth,
                                      m_design.range.firstDay, m_year);
        m_addingText = m_design.addText.AddText == 1;
        for (size_t day = 0; day < lines.size() && !m_out.Stopped(); ++day)
            Day(lines[day]);
    }

    DocxRunStatus Finish()
    {
        if (m_out.Finish())
            return DocxRunStatus::Done;
        return m_out.TooLarge() ? DocxRunStatus::TooLarge : DocxRunStatus::WriteFailed;
    }

private:
    const std::string& Rsid(int number) const { return m_builder.Rsid(number); }

    void YearPlanner(int first, int end)
    {
        CDocxTableWriter::AppendYearPlannerXml(m_out.Chunk(), m_design.yearPlanner, m_design.calendarStyle, first, end,
                                               m_year, m_design.monthUpper);
    }

    void PageBreak() { CDocxTableWriter::AppendPageBreakXml(m_out.Chunk(), Rsid(1), Rsid(2), Rsid(3)); }
    void EmptyParagraph() { CDocxTableWriter::AppendEmptyParagraphXml(m_out.Chunk(), Rsid(1), Rsid(2)); }

    void Caption(const std::string& text, const char* outlineLevel)
    {
        m_out.Add(CDocxBuilder::GetTextParagraphXml(text, m_format.Days_FontName.str(), m_format.Days_FontSize.str(),
                                                    m_format.Days_FontColor.str(), m_format.Days_FontBold,
                                                    outlineLevel, Rsid(1), Rsid(2), Rsid(3)));
    }

    // Length of the month that lies `index` months after the start month; 0 past December.
    int MonthLength(int index) const { return civil::DaysInMonth(m_year, m_design.range.firstMonth + index); }

    void QuarterHeading()
    {
        if (m_lastQuarter > 4)
            return;
        for (const CDocxBuilder::QuarterSpan& span : m_quarters) {
            if (span.offset != m_dayIndex)
                continue;
            m_lastQuarter = span.quarter;
            m_out.Add(m_builder.GetNumberParagraphXml(span.quarter, m_format.Months_FontColor.str(),
                                                      m_format.Months_FontSize.str(), m_format.Days_FontName.str(),
                                                      m_format.Months_FontBold, m_format.QuarterText.str(),
                                                      m_quarterLevel));
            return;
        }
    }

    void MonthHeading(size_t label)
    {
        // A label the month template does not hold gets no heading rather than a stray one.
        if (label >= m_labels->size())
            return;
        m_out.Add(m_builder.GetTextParagraphCloseXml(
            m_format.Months_FontColor.str(), m_format.Months_FontSize.str(), m_format.Months_FontName.str(),
            m_format.Months_FontBold, m_format.Months_FontItalic, m_format.Months_Grade.str(), (*m_labels)[label].text));
    }

    void MonthHeadingIfNew()
    {
        if (m_dayIndex == 0) {
            MonthHeading(0);
        } else if (m_dayIndex == m_daysLeftInStartMonth) {
            MonthHeading(static_cast<size_t>(m_monthIndex) + 1);
            m_monthBoundary = m_dayIndex;
            ++m_monthIndex;
        } else if (const int length = MonthLength(m_monthIndex); length > 0 && m_dayIndex == m_monthBoundary + length) {
            MonthHeading(static_cast<size_t>(m_monthIndex) + 1);
            m_monthBoundary += length;
            ++m_monthIndex;
        }
    }

    // A page break waits for the day it leads to, so none ends the document with an empty page.
    void Day(const std::string& line)
    {
        if (m_breakPending)
            PageBreak();
        m_breakPending = false;
        QuarterHeading();
        MonthHeadingIfNew();
        ++m_dayIndex;
        ++m_bookmarkId;
        ++m_ordinal;

        // The last character marks the day: "0" for a weekday that gets no diary page.
        const bool ticked = line.empty() || line.back() != '0';
        const std::string caption = line.empty() ? line : line.substr(0, line.size() - 1);
        const DiaryPageFormat& f = m_format;
        m_builder.AppendDateHeadingXml(
            m_out.Chunk(), m_bookmarkId, m_ordinal, ticked ? f.Days_FontColor.str() : f.UncheckedWeekFontColor.str(),
            f.Days_FontSize.str(), ticked ? f.Days_FontBold : f.UncheckedWeekFontBold, f.Days_Underline,
            f.Days_Grade.str(), caption, f.Days_BackGround.str(), ticked ? f.Days_FontItalic : f.UncheckedWeekFontItalic,
            f.Days_FontName.str(), ticked ? BYTE{0} : f.UncheckedWeekFontDelLine, f.CalendarFormat2Bit,
            m_design.captions, ticked ? 1 : 0, m_design.dateTable);
        // An unticked day shares the page of the next ticked day.
        if (!ticked) {
            EmptyParagraph();
            m_out.FlushIfFull();
            return;
        }
        if (f.AddABlankLineBeforeClass == 1)
            EmptyParagraph();
        ++m_textLine;
        for (const DiaryClassRecord& diaryClass : m_design.classes)
            m_builder.AppendItemTableXml(m_out.Chunk(), diaryClass, m_builder.NextListId(diaryClass));
        AddedText();
        EmptyParagraph();
        m_breakPending = f.Page_Breaks == 1;
        m_out.FlushIfFull();
    }

    void AddedText()
    {
        const AddTextSettings& text = m_design.addText;
        const int count = static_cast<int>(m_design.textLines.size());
        if (m_addingText && m_textLine >= count) {
            if (text.LOOP == 1)
                m_textLine = 0;
            else
                m_addingText = false;
        }
        if (!m_addingText || m_textLine >= count)
            return;
        EmptyParagraph();
        m_out.Add(m_builder.GetAddedTextParagraphXml(
            m_design.textLines[static_cast<size_t>(m_textLine)].text, text.FontName.str(), text.FontSizeCopy.str(),
            text.FontColor.str(), text.BackgroundColor.str(),
            text.FontBold, text.FontItalic, text.FontUnderline, Rsid(1), Rsid(2), Rsid(3), m_design.textTable));
    }

    CDocxBuilder& m_builder;
    const DocxRunDesign& m_design;
    const DiaryPageFormat& m_format;
    docx::PartWriter m_out;
    const int m_year;

    const std::vector<CDocxBuilder::MonthLabel>* m_labels = nullptr;
    std::vector<CDocxBuilder::QuarterSpan> m_quarters;
    std::string m_quarterLevel;
    int m_daysLeftInStartMonth = 0;
    int m_dayIndex = 0;        // date lines handled so far
    int m_ordinal = 0;         // 1-based position of the day in the range
    int m_bookmarkId = 0;
    int m_monthIndex = 0;      // into the month labels
    int m_monthBoundary = 0;   // day index at which the current month began
    int m_lastQuarter = 0;
    int m_textLine = -1;
    bool m_addingText = false;
    bool m_breakPending = false;
};

} // namespace

DocxRunStatus CDocxBuilder::WriteDocumentBody(const platform::FilePlace& dateTemplatePath,
                                              const platform::FilePlace& monthTemplatePath,
                                              const platform::FilePlace& documentPath, const DocxRunDesign& design)
{
    BodyWriter body(*this, design, documentPath);
    body.TitleAndYearCalendar();
    body.Planners();
    body.MonthCalendars();
    body.BreakBeforeDays();

    std::vector<MonthLabel> labels;
    if (!ReadLinesIntoArray(labels, monthTemplatePath))
        return DocxRunStatus::WriteFailed;
    const auto dates = dateTemplatePath.Read();
    if (!dates) {
        const platform::KeptReason kept;
        std::printf("Failed to open file: %s\r\n", dateTemplatePath.Path().c_str());
        return DocxRunStatus::WriteFailed;
    }
    body.DailyPages(labels, DateLines(*dates));
    return body.Finish();
}
