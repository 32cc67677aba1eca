// The document body: the order of its pages, the switches of the planners, where quarter and
// month headings fall, the unticked days, the added text, and that every line of the date
// template is a day, so each date heading pairs with its cell of the yearly calendar.
#include "RunFixture.h"

namespace {

// Position of the first occurrence at or after `from`; the test fails when there is none.
size_t At(const std::string& text, const std::string& pattern, size_t from = 0)
{
    const size_t at = text.find(pattern, from);
    EXPECT_NE(at, std::string::npos) << "no " << pattern;
    return at;
}

std::string DateBookmark(int ordinal)
{
    char name[32];
    std::snprintf(name, sizeof name, "w:name=\"BOOKMARK_Date%03d\"", ordinal);
    return name;
}

constexpr const char* kPageBreak = "<w:br w:type=\"page\" />";

} // namespace

TEST_F(DocxRunTest, PagesComeInTheirOrder)
{
    m_design.yearPlanner.bYearPlanner = 1;
    m_design.monthCalendar.bAddMonthOfCalendar = 1;
    WriteTemplates(1, 1, 12, 31);
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    const std::string doc = Document();
    const size_t title = At(doc, "My diary");
    const size_t calendar = At(doc, "BOOKMARK_Calendar001");
    const size_t planner = At(doc, "年计划:");
    const size_t months = At(doc, "月日历");
    const size_t firstDay = At(doc, DateBookmark(1));
    EXPECT_LT(title, calendar);
    EXPECT_LT(calendar, planner);
    EXPECT_LT(planner, months);
    EXPECT_LT(months, firstDay);
    EXPECT_NE(doc.find(DateBookmark(365)), std::string::npos);
    EXPECT_EQ(doc.find(DateBookmark(366)), std::string::npos);
    EXPECT_EQ(Occurrences(doc, "Work</w:t>"), 365u);
}

TEST_F(DocxRunTest, PlannersFollowTheirSwitches)
{
    WriteTemplates(1, 1, 1, 2);
    m_design.yearPlanner.YearPlanner1Page = 1;
    m_design.yearPlanner.YearPlannerQuarterPlanner = 1;
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    EXPECT_EQ(Document().find("计划"), std::string::npos) << "no planner while the planners are off";

    TearDown();
    SetUp();
    WriteTemplates(1, 1, 1, 2);
    m_design.yearPlanner.bYearPlanner = 1;
    m_design.yearPlanner.YearPlanner1Page = 1;
    m_design.yearPlanner.YearPlannerQuarterPlanner = 1;
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    const std::string doc = Document();
    EXPECT_EQ(Occurrences(doc, ">\n年计划:<"), 1u);
    EXPECT_EQ(Occurrences(doc, ">\n年计划表 - 1 (2 页)<"), 2u);
    EXPECT_EQ(Occurrences(doc, ">\n年计划表 (1 页)<"), 1u);
    EXPECT_EQ(Occurrences(doc, ">\n季度计划表 (4 页)<"), 1u);
    for (int quarter = 1; quarter <= 4; ++quarter)
        EXPECT_EQ(Occurrences(doc, ">\n季度-" + std::to_string(quarter) + " 计划表 <"), 1u);
    // Page breaks: two-page planner 2, one-page 1, quarter planner 1 + 3, before the days 1,
    // between the two days 1, none after the last.
    EXPECT_EQ(Occurrences(doc, kPageBreak), 9u);
    EXPECT_LT(At(doc, "季度-4 计划表 "), At(doc, DateBookmark(1)));

    TearDown();
    SetUp();
    WriteTemplates(1, 1, 1, 2);
    m_design.yearPlanner.bYearPlanner = 1;
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    EXPECT_EQ(Occurrences(Document(), "计划表 (1 页)"), 0u);
    EXPECT_EQ(Occurrences(Document(), "季度"), 0u);
}

TEST_F(DocxRunTest, RangeFromMidMarchHasTwoQuarterAndTwoMonthHeadings)
{
    WriteTemplates(3, 15, 4, 10);
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    const std::string doc = Document();
    const size_t q1 = At(doc, ">Quarter 1<");
    const size_t march = At(doc, ">Month 03<");
    const size_t first = At(doc, DateBookmark(1));
    EXPECT_LT(q1, march);
    EXPECT_LT(march, first);
    // 1 April is the 18th day: quarter 2's heading, then April's, then its date heading.
    const size_t q2 = At(doc, ">Quarter 2<");
    const size_t april = At(doc, ">Month 04<");
    EXPECT_LT(At(doc, DateBookmark(17)), q2);
    EXPECT_LT(q2, april);
    EXPECT_LT(april, At(doc, DateBookmark(18)));
    EXPECT_EQ(Occurrences(doc, ">Quarter "), 2u);
    EXPECT_EQ(Occurrences(doc, "w:name=\"BOOKMARK_Date"), 27u);
    // The ids run on from the days of the year, one per day.
    EXPECT_NE(doc.find("<w:bookmarkStart w:id=\"367\" w:name=\"BOOKMARK_Date001\""), std::string::npos);
    EXPECT_NE(doc.find("<w:bookmarkStart w:id=\"393\" w:name=\"BOOKMARK_Date027\""), std::string::npos);
    // The quarter heading sits one outline level above the month heading.
    const size_t paragraph = doc.rfind("<w:p ", q1);
    EXPECT_NE(doc.substr(paragraph, q1 - paragraph).find("<w:outlineLvl w:val=\"1\" />"), std::string::npos);
}

TEST_F(DocxRunTest, MonthHeadingsFallOnTheFirstOfEachMonth)
{
    WriteTemplates(2, 1, 4, 30);
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    const std::string doc = Document();
    // February 2026 has 28 days and March 31.
    EXPECT_LT(At(doc, DateBookmark(28)), At(doc, ">Month 03<"));
    EXPECT_LT(At(doc, ">Month 03<"), At(doc, DateBookmark(29)));
    EXPECT_LT(At(doc, DateBookmark(59)), At(doc, ">Month 04<"));
    EXPECT_LT(At(doc, ">Month 04<"), At(doc, DateBookmark(60)));
    EXPECT_EQ(Occurrences(doc, ">Quarter "), 2u);
}

TEST_F(DocxRunTest, UntickedDaysShareThePageOfTheNextTickedDay)
{
    g_abUncheckedWeek[0] = 0;
    g_abUncheckedWeek[6] = 0;
    WriteTemplates(1, 1, 1, 12);   // Thursday 1 to Monday 12 January
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    const std::string doc = Document();
    EXPECT_EQ(Occurrences(doc, "Work</w:t>"), 8u);
    EXPECT_EQ(Occurrences(doc, kPageBreak), 1u + 7u);
    // Friday 2 ends its page; Saturday 3 and Sunday 4 stand on Monday 5's page.
    const size_t friday = At(doc, DateBookmark(2));
    const size_t saturday = At(doc, DateBookmark(3));
    const size_t monday = At(doc, DateBookmark(5));
    EXPECT_LT(At(doc, kPageBreak, friday), saturday);
    EXPECT_GT(At(doc, kPageBreak, saturday), monday);
    EXPECT_EQ(doc.substr(saturday, monday - saturday).find("Work</w:t>"), std::string::npos);
    EXPECT_NE(doc.substr(saturday, monday - saturday).find("<w:strike />"), std::string::npos);
    EXPECT_NE(doc.substr(saturday, monday - saturday).find("777777"), std::string::npos);
}

TEST_F(DocxRunTest, AddedTextRunsOutOrLoops)
{
    m_design.addText.AddText = 1;
    m_design.addText.FontSizeCopy = "24.0";
    m_design.textLines = {{1, "Line one & <more>", 17}, {2, "第二行", 9}, {3, "Line three", 10}};
    WriteTemplates(1, 5, 1, 9);
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    std::string doc = Document();
    EXPECT_EQ(Occurrences(doc, "Line one &amp; &lt;more&gt;"), 1u);
    EXPECT_EQ(Occurrences(doc, "第二行"), 1u);
    EXPECT_EQ(Occurrences(doc, "Line three"), 1u);
    EXPECT_LT(At(doc, "第二行"), At(doc, DateBookmark(3)));

    TearDown();
    SetUp();
    m_design.addText.AddText = 1;
    m_design.addText.LOOP = 1;
    m_design.textLines = {{1, "Line one", 8}, {2, "Line two", 8}, {3, "Line three", 10}};
    WriteTemplates(1, 5, 1, 9);
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    doc = Document();
    EXPECT_EQ(Occurrences(doc, "Line one"), 2u);
    EXPECT_LT(At(doc, DateBookmark(4)), At(doc, "Line one", At(doc, "Line three")));
}

// The motto's background is the stored colour; its check box only decides what the dialog stores.
TEST_F(DocxRunTest, AddedTextShowsItsStoredBackground)
{
    for (const BYTE check : {BYTE{0}, BYTE{1}}) {
        m_design.addText.AddText = 1;
        m_design.addText.BackgroundColor = "F2E6D9";
        m_design.addText.BackgroundColor_Check = check;
        m_design.textLines = {{1, "Motto", 5}};
        WriteTemplates(1, 5, 1, 6);
        ASSERT_EQ(Run(), DocxRunStatus::Done);
        EXPECT_EQ(Occurrences(Document(), "w:fill=\"F2E6D9\""), 1u) << int(check);
        TearDown();
        SetUp();
    }
}

TEST_F(DocxRunTest, EveryDateLineIsADayHoweverShort)
{
    WriteTemplates(1, 1, 1, 4);
    // Captions of no, one and two characters, line ends with a carriage return.
    Folder().Write("date_template.txt", "1\r\nA1\r\nBC0\r\n01-04 Sun1\n");
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    const std::string doc = Document();
    for (int day = 1; day <= 4; ++day)
        EXPECT_NE(doc.find(DateBookmark(day)), std::string::npos) << day;
    EXPECT_EQ(Occurrences(doc, "Work</w:t>"), 3u);
    EXPECT_NE(doc.find(">A</w:t>"), std::string::npos);
    EXPECT_NE(doc.find(">BC</w:t>"), std::string::npos);
    EXPECT_NE(doc.find(">01-04 Sun</w:t>"), std::string::npos);
    EXPECT_EQ(docxcheck::XmlError(doc), "");
}

TEST_F(DocxRunTest, MonthLabelsMissingFromTheTemplateGiveNoHeading)
{
    WriteTemplates(1, 20, 3, 10);
    Folder().Write("month_template.txt", "Month 01\r\n");
    ASSERT_EQ(Run(), DocxRunStatus::Done);
    const std::string doc = Document();
    EXPECT_EQ(Occurrences(doc, ">Month 0"), 1u);
    EXPECT_EQ(Occurrences(doc, "w:name=\"BOOKMARK_Date"), 12u + 28u + 10u);
}
