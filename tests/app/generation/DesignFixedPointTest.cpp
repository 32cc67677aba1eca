// A loaded design is what its save reloads as: saving it, loading the save and saving again
// gives the same bytes, and both loads hand a run the same design. Over the shipped designs, the
// hostile one, designs whose every key is missing or the same garbage, and random mutations of
// a sample.
#include "GenerationFixture.h"
#include "SampleDesigns.h"
#include "app/generation/RunInputs.h"
#include "platform/TextLines.h"
#include "settings/DesignFile.h"

#include <random>
#include <tuple>

namespace {

struct Loaded {
    ClassListModel rows;   // the class list as loaded
    std::string saved;     // the bytes the save of the loaded design wrote
    DocxRunDesign run;     // what a run takes from the loaded design
};

// What a start of the program loads from the file, its save, and what a run then takes.
Loaded LoadAndSave(const TempFolder& folder, const std::string& from, const std::string& to)
{
    ResetAllSettings();
    ClassListModel rows;
    const OutlineLevelTexts levels = LoadDesignFile(from.c_str(), rows);
    EXPECT_TRUE(WriteDesignFile(folder.File(to).c_str(), rows, levels));
    DocxRunDesign run = BuildRunDesign(rows, levels);
    return {rows, folder.Read(to), std::move(run)};
}

void ExpectSameRows(const ClassListModel& a, const ClassListModel& b, const char* what)
{
    ASSERT_EQ(a.size(), b.size()) << what;
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t column = 0; column < a[i].cells.size(); ++column)
            EXPECT_EQ(a[i].cells[column], b[i].cells[column]) << what << " " << i << ", column " << column;
}

// Compared as the cells they show, so a difference names its column.
void ExpectSameClasses(const std::vector<DiaryClassRecord>& a, const std::vector<DiaryClassRecord>& b)
{
    const auto shown = [](const std::vector<DiaryClassRecord>& records) {
        ClassListModel rows(records.size());
        for (size_t i = 0; i < records.size(); ++i)
            SetListRowFromRecord(rows[i], records[i]);
        return rows;
    };
    ExpectSameRows(shown(a), shown(b), "class record");
}

void ExpectSameRun(const DocxRunDesign& a, const DocxRunDesign& b)
{
    ExpectSameClasses(a.classes, b.classes);
    EXPECT_TRUE(a.pageFormat == b.pageFormat) << "page format";
    EXPECT_EQ(a.title, b.title);
    const auto range = [](const DocxDateRange& r) { return std::tie(r.firstMonth, r.firstDay, r.lastMonth, r.lastDay); };
    EXPECT_EQ(range(a.range), range(b.range));
    EXPECT_TRUE(a.captions == b.captions) << "captions";
    ASSERT_EQ(a.textLines.size(), b.textLines.size());
    for (size_t i = 0; i < a.textLines.size(); ++i)
        EXPECT_EQ(a.textLines[i].text, b.textLines[i].text) << "motto line " << i;
    EXPECT_TRUE(a.addText == b.addText) << "added text";
    EXPECT_TRUE(a.dateTable == b.dateTable) << "date table";
    EXPECT_TRUE(a.textTable == b.textTable) << "added-text table";
    EXPECT_TRUE(a.calendarStyle == b.calendarStyle) << "yearly calendar";
    EXPECT_EQ(a.monthUpper, b.monthUpper);
    EXPECT_TRUE(a.monthCalendar == b.monthCalendar) << "monthly calendar";
    EXPECT_TRUE(a.yearPlanner == b.yearPlanner) << "year planner";
    EXPECT_EQ(a.nFirstQuarter, b.nFirstQuarter);
    EXPECT_EQ(a.nLastQuarter, b.nLastQuarter);
}

// The lines of a design file, without their ends.
std::vector<std::string> LinesOf(const std::string& text)
{
    const std::vector<std::string_view> lines = platform::SplitLines(text);
    return {lines.begin(), lines.end()};
}

bool IsKeyLine(const std::string& line)
{
    return !line.empty() && line[0] != '[' && line[0] != ';' && line.find('=') != std::string::npos;
}

std::string WithValue(const std::string& keyLine, const std::string& value)
{
    return keyLine.substr(0, keyLine.find('=') + 1) + value;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Values no dialog stores, in every shape the readers meet: numbers past their ranges, words,
// colours and sizes that fail their checks, quotes and blanks the reader takes away, control
// characters, a value longer than a read keeps, GB2312 bytes as the Windows program writes.
const std::vector<std::string>& Garbage()
{
    static const std::vector<std::string> values = {
        "",
        "garbage",
        "-2147483648",
        "2147483648",
        "99999999999999999999",
        "-1",
        "0",
        "1",
        "2",
        "31",
        "+7abc",
        "1.5",
        "0x1F",
        "Y",
        "N",
        "#FF0000",
        "FF0000FF",
        "ff00GG",
        "12345",
        "1639",
        "double",
        "\"  quoted with blanks  \"",
        "' '",
        "\"\"",
        "\"\"twice\"\"",
        "'\"mixed\"'",
        "a\tb",
        "\x01\x02",
        "%n%Y%",
        "\xCB\xCE\xCC\xE5",
        "\xFF\xFE",
        "A font name of thirty-two letters",
        std::string(1100, 'x'),
        std::string(1100, ' ') + "y",
    };
    return values;
}

// The same bytes; a difference is told by the lines that differ.
void ExpectSameLines(const std::string& a, const std::string& b)
{
    if (a == b)
        return;
    const std::vector<std::string> first = LinesOf(a);
    const std::vector<std::string> second = LinesOf(b);
    EXPECT_EQ(first.size(), second.size()) << "lines";
    for (size_t i = 0; i < std::min(first.size(), second.size()); ++i)
        EXPECT_EQ(first[i], second[i]) << "line " << i;
}

} // namespace

class DesignFixedPoint : public GenerationTest {
protected:
    // Load, save as A, load A, save as B: A and B are the same bytes and both loads run alike.
    void ExpectFixedPoint(const std::string& file)
    {
        const Loaded first = LoadAndSave(Folder(), file, "a.ini");
        const Loaded second = LoadAndSave(Folder(), Folder().File("a.ini"), "b.ini");
        ExpectSameRows(first.rows, second.rows, "class row");
        ExpectSameLines(first.saved, second.saved);
        ExpectSameRun(first.run, second.run);
    }

    // The lines of the full-year sample as the save writes them: every key there is.
    std::vector<std::string> SampleLines() const
    {
        return LinesOf(Folder().Read("config/samples/FullYear_AllCalendars.ini"));
    }
};

TEST_F(DesignFixedPoint, ShippedAndHostileDesigns)
{
    for (const SampleDesign& design : ShippedDesigns()) {
        SCOPED_TRACE(design.file);
        ExpectFixedPoint(Folder().File(design.file));
    }
    ClassListModel rows;
    OutlineLevelTexts levels;
    ApplyDesign(HostileDesign(), rows, levels);
    ASSERT_TRUE(WriteDesignFile(Folder().File("hostile.ini").c_str(), rows, levels));
    SCOPED_TRACE("hostile");
    ExpectFixedPoint(Folder().File("hostile.ini"));
}

TEST_F(DesignFixedPoint, EveryKeyMissing)
{
    Folder().Write("classes only.ini", "[LIST0]\r\nCOL_ID=1\r\n[LIST1]\r\nCOL_ID=2\r\n");
    for (const char* name : {"missing.ini", "classes only.ini"}) {
        SCOPED_TRACE(name);
        ExpectFixedPoint(Folder().File(name));
    }
}

TEST_F(DesignFixedPoint, EveryKeyTheSameGarbage)
{
    const std::vector<std::string> sample = SampleLines();
    for (const std::string& value : Garbage()) {
        std::vector<std::string> lines = sample;
        for (std::string& line : lines)
            if (IsKeyLine(line) && line.rfind("COL_ID=", 0) != 0)
                line = WithValue(line, value);
        Folder().Write("garbage.ini", Joined(lines));
        SCOPED_TRACE("every value " + value.substr(0, 40));
        ExpectFixedPoint(Folder().File("garbage.ini"));
    }
}

// Each round changes a few lines of the sample: a value becomes garbage or random bytes, or the
// line goes.
TEST_F(DesignFixedPoint, RandomMutationsOfASample)
{
    const std::vector<std::string> sample = SampleLines();
    std::mt19937 random(30);
    const auto below = [&](size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(random); };
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines = sample;
        std::string changes;
        for (size_t change = 0, count = 1 + below(12); change < count; ++change) {
            std::string& line = lines[below(lines.size())];
            if (!IsKeyLine(line))
                continue;
            const size_t kind = below(6);
            std::string value;
            if (kind < 4) {
                value = Garbage()[below(Garbage().size())];
            } else if (kind == 4) {
                for (size_t i = 0, length = below(12); i < length; ++i)
                    value += static_cast<char>(below(256));
            }
            changes += (kind == 5 ? "removed " + line : WithValue(line, value)).substr(0, 60) + "\n";
            line = kind == 5 ? std::string() : WithValue(line, value);
        }
        Folder().Write("mutated.ini", Joined(lines));
        SCOPED_TRACE("round " + std::to_string(round) + ":\n" + changes);
        ExpectFixedPoint(Folder().File("mutated.ini"));
        if (HasFailure())
            return;
    }
}

// Texts typed with blanks at their ends or inside a pair of quotes (a page title, a class title,
// a caption, the quarter word) make the same document before a save and after it and a restart:
// the save writes them so that they read back as typed. They used to come back without them.
TEST_F(DesignFixedPoint, TextsWithBlanksAndQuotesAtTheirEndsReadBackAsTyped)
{
    ResetAllSettings();
    ClassListModel rows;
    const OutlineLevelTexts levels =
        LoadDesignFile(Folder().File("config/samples/FullYear_AllCalendars.ini").c_str(), rows);
    ASSERT_FALSE(rows.empty());
    g_strTitle = "  \"Spring\"  ";
    rows[0].cells[kCellTitle] = "\"Gratitude\"";
    g_strHadBeenDays = g_dayCaptions.HadBeenDays = " [ 第 ";
    g_strWeekEnd = g_dayCaptions.WeekEnd = "'周末'";
    g_strQuarterText = " Q ";
    const DocxRunDesign typed = BuildRunDesign(rows, levels);
    ASSERT_TRUE(WriteDesignFile(Folder().File("typed.ini").c_str(), rows, levels));

    const Loaded reopened = LoadAndSave(Folder(), Folder().File("typed.ini"), "again.ini");
    EXPECT_EQ(reopened.run.title, "  \"Spring\"   ");
    EXPECT_EQ(reopened.rows[0].cells[kCellTitle], "\"Gratitude\"");
    EXPECT_EQ(g_strHadBeenDays, " [ 第 ");
    EXPECT_EQ(g_strWeekEnd, "'周末'");
    EXPECT_EQ(g_strQuarterText, " Q ");
    ExpectSameRun(typed, reopened.run);
    ExpectSameLines(Folder().Read("typed.ini"), reopened.saved);
}
