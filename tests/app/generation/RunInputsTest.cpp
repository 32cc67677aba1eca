// The inputs of a run as the settings give them: the page format, the title, the quarters of
// the yearly calendar and the rest of the snapshot.
#include "GenerationFixture.h"
#include "app/generation/PageFormat.h"
#include "app/generation/RunInputs.h"
#include "support/Gb18030Characters.h"

// What the page format makes of the settings; plain copies need no test of their own.
TEST_F(GenerationTest, PageFormatSettlesFacesSizesAndSwitches)
{
    g_strMonthsFontName.Empty();
    g_strMonthsFontSize = "14";
    g_strDaysFontSize = "10.5";
    g_bDaysFontItalic = 2;
    g_bDaysBackGround = 1;
    g_strDaysBackGround = "FFFF00";
    g_bPageBreaks = 2;
    g_bCalendarFormat2Bit = 2;
    const DiaryPageFormat f = BuildPageFormat({"2", "4"});
    EXPECT_EQ(g_strMonthsFontName, "Tahoma");
    EXPECT_EQ(f.Months_FontName, "Tahoma");
    EXPECT_EQ(f.Months_FontSize, "28.0");
    EXPECT_EQ(f.Days_FontSize, "21.0");
    EXPECT_EQ(f.Days_FontItalic, 0);
    EXPECT_EQ(f.Page_Breaks, 0);
    EXPECT_EQ(f.CalendarFormat2Bit, 1);
    EXPECT_EQ(f.Days_Grade, "4");
    EXPECT_EQ(f.Days_BackGround, "FFFF00");
    g_bDaysBackGround = 0;
    EXPECT_EQ(BuildPageFormat({}).Days_BackGround, "");
}

TEST_F(GenerationTest, PageFormatColoursThatAreNotSixHexDigitsAreUnset)
{
    g_bDaysBackGround = 1;
    for (const char* bad : {"", "12345", "1234567", "GG0000", "12 456", "#12345", "0000FF\"\"><x"}) {
        g_strMonthsFontColor = g_strDaysFontColor = g_strUncheckedWeekFontColor = g_strDaysBackGround = bad;
        const DiaryPageFormat f = BuildPageFormat({});
        for (const CString& colour : {f.Months_FontColor, f.Days_FontColor, f.UncheckedWeekFontColor, f.Days_BackGround})
            EXPECT_EQ(colour, "") << bad;
    }
    g_strDaysFontColor = "a0b1C2";
    EXPECT_EQ(BuildPageFormat({}).Days_FontColor, "a0b1C2");
}

TEST_F(GenerationTest, TitleGetsTheDateAndTimeWhenAsked)
{
    g_strDayFormat = "%Y-%m-%d,%a";
    EXPECT_EQ(BuildDocumentTitle("我的日记 & more", 0), "我的日记 & more ");
    EXPECT_EQ(BuildDocumentTitle("Diary", 1), "Diary (2026-06-15,Mon PM 12:00:00)");
}

TEST_F(GenerationTest, YearlyCalendarShowsTheQuartersOfTheRange)
{
    g_bShowAllMonths = 0;
    const auto quarters = [](int first, int last) {
        g_nMonthStart = first;
        g_nMonthEnd = last;
        return std::make_pair(ComputeFirstQuarter(), ComputeLastQuarter());
    };
    EXPECT_EQ(quarters(3, 4), std::make_pair(1, 2));
    EXPECT_EQ(quarters(6, 12), std::make_pair(2, 4));
    EXPECT_EQ(quarters(7, 9), std::make_pair(3, 3));
    EXPECT_EQ(quarters(0, 13), std::make_pair(1, 4));
    g_bShowAllMonths = 1;
    EXPECT_EQ(quarters(7, 9), std::make_pair(0, 4));
}

TEST_F(GenerationTest, DesignSnapshotSettlesWhatTheWindowsWould)
{
    g_strMonthFormat.Empty();
    g_bConfigYearPlanner = 1;
    g_yearPlanner.bYearPlanner = 0;
    g_bAddTextPerDay = 1;
    g_addText.FileName = Folder().File("no-such-motto.txt");
    g_addText.FontSize = "12.5";
    g_strTitle = "T";
    g_bAddDateInTitle = 0;
    g_nMonthStart = 3;
    g_nDayStart = 15;
    g_nMonthEnd = 4;
    g_nDayEnd = 10;
    m_rows.push_back(ClassRow("Reading"));
    const DocxRunDesign design = BuildRunDesign(m_rows, {"2", "3"});
    EXPECT_EQ(g_strMonthFormat, "%B %Y");
    EXPECT_EQ(design.calendarStyle.MonthFormat, "%B %Y");
    EXPECT_EQ(design.yearPlanner.bYearPlanner, 1);
    EXPECT_EQ(g_addText.AddText, 0);
    EXPECT_EQ(design.addText.AddText, 0);
    EXPECT_EQ(design.addText.FontSizeCopy, "25.0");
    EXPECT_TRUE(design.textLines.empty());
    ASSERT_EQ(design.classes.size(), 2u);
    EXPECT_EQ(design.classes[1].COL_CLASS_FONT_SIZE, "24.0");
    EXPECT_EQ(design.range.lastDay, 10);

    Folder().Write("motto.txt", "Keep going\r\nx\r\n  Be kind  \r\n");
    g_addText.FileName = Folder().File("motto.txt");
    const DocxRunDesign withMotto = BuildRunDesign(m_rows, {});
    EXPECT_EQ(withMotto.addText.AddText, 1);
    ASSERT_EQ(withMotto.textLines.size(), 2u);
    EXPECT_EQ(withMotto.textLines[1].text, "Be kind");

    g_bAddTextPerDay = 0;
    EXPECT_EQ(BuildRunDesign(m_rows, {}).addText.AddText, 0);
    EXPECT_EQ(g_addText.AddText, 0);
}

// A run uses one motto a day and a range lies within one year, so it keeps the first 366 kept
// lines of a long file; those are the lines the whole file's reading gives, its encoding judged
// from every byte (a late line decides it).
TEST_F(GenerationTest, ARunKeepsTheFirstMottosOfALongFileAsTheWholeFileReadsThem)
{
    constexpr int kLines = 5000;
    const std::string learnUtf8 = "学习";   // E5 AD A6 E4 B9 A0: GB18030 byte pairs as well
    const std::string diaryGb = "\xC8\xD5\xBC\xC7";   // 日记
    struct Shape {
        const char* name;
        std::string prefix, lineEnd, words, last;
        std::string expectedWords;
    };
    const Shape shapes[] = {
        {"short lines", "", "\n", "motto", "", "motto"},
        {"lone CR line ends", "", "\r", "motto", "", "motto"},
        {"marked GB18030", "\x84\x31\x95\x33", "\r\n", diaryGb, "", "日记"},
        {"UTF-8 Chinese, a Cyrillic line at the end", "", "\n", learnUtf8, "Привет\n", Gb18030ToUtf8(learnUtf8)},
        {"UTF-8 Chinese, a GB18030 line at the end", "", "\n", learnUtf8, "\xC4\xE3\xBA\xC3\n",
         Gb18030ToUtf8(learnUtf8)},
        {"UTF-8 Chinese", "", "\n", learnUtf8, "", learnUtf8},
    };
    g_bAddTextPerDay = 1;
    g_addText.FileName = Folder().File("motto.txt");
    for (const Shape& shape : shapes) {
        std::string file = shape.prefix;
        for (int n = 1; n <= kLines; ++n)
            file += " " + shape.words + " " + std::to_string(n) + shape.lineEnd + "x" + shape.lineEnd + shape.lineEnd;
        Folder().Write("motto.txt", file + shape.last);
        const DocxRunDesign design = BuildRunDesign(m_rows, {});
        ASSERT_EQ(design.textLines.size(), 366u) << shape.name;
        for (int n = 1; n <= 366; ++n) {
            const TextLineRecord& line = design.textLines[static_cast<size_t>(n - 1)];
            EXPECT_EQ(line.number, n) << shape.name;
            ASSERT_EQ(line.text, shape.expectedWords + " " + std::to_string(n)) << shape.name;
        }
    }
}
