#pragma once
// The document generator: turns a work copy of the skeleton package into the diary document.
// It edits the package's parts as text (no XML parser), writes the body from the settings
// records, and offers the date arithmetic and file helpers that the windows use too.
//
// Conventions of every emitter here:
// - the result is an owned string; an emitter on the body's hot paths has an Append form that
//   adds the same text to the caller's string instead;
// - every text and attribute value it is given is escaped on the way in (callers pass raw
//   user text), and an element whose value would be empty is left out, as the schema wants;
// - flags are bytes that count as set when they are 1, unless a comment says otherwise.
// - a file is a platform::FilePlace: a plain path, or a path below the run's held folder that no
//   link can redirect.
// Revision ids are "00000000" until LoadRsids reads the skeleton's own.

#include "docx/DocxRunDesign.h"
#include "platform/FilePlace.h"
#include "platform/WinTypes.h"
#include "settings/DiaryRecords.h"
#include "settings/SettingsRecords.h"
#include "settings/TextLineRecord.h"

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CDocxBuilder {
public:
    CDocxBuilder() = default;
    // A copy starts as a new object does: neither the list counter nor the revision ids come along.
    CDocxBuilder(const CDocxBuilder&) : CDocxBuilder() {}
    CDocxBuilder& operator=(const CDocxBuilder&) = delete;
    virtual ~CDocxBuilder() = default;

    // A quarter touched by a date range: how many days of the range lie before it begins.
    struct QuarterSpan {
        int offset = 0;
        int quarter = 0;
    };
    // One month heading read back from the month template.
    struct MonthLabel {
        int ordinal = 0;   // 1 for the first label read
        std::string text;
    };
    struct MonthDay {
        int month = 0;
        int day = 0;
    };

    // --- Object, revision ids, text and file helpers ---

    // Reads the five revision ids from the settings part's revision-id list; false when the
    // part cannot be read (the ids keep "00000000").
    bool LoadRsids(const platform::FilePlace& settingsPath);
    // Revision id 1..5: 1 rsidR, 2 rsidRDefault, 3 rsidP, 4 rsidRPr, 5 the calendars' fifth.
    const std::string& Rsid(int number) const;
    // Advances the numbered-list counter first when the flag is 1; returns the counter.
    int NextId(BYTE advance);
    // The item-number style (1..21) the lines of a class are numbered in; 0 when they are
    // numbered as a list of their own, or not at all.
    static int ItemStyleOf(const DiaryClassRecord& diaryClass);
    // The numbering id of the class's table: a new list for a table whose lines are numbered,
    // in a list of their own or in an item style, so each table counts from 1.
    int NextListId(const DiaryClassRecord& diaryClass);
    // One entry per numbered list so far: 0 for a list of its own, else its item style.
    const std::vector<int>& ListStyles() const { return m_listStyles; }

    static bool AppendToFile(const platform::FilePlace& path, std::string_view text);
    // The clock's year. A run reads it once, as its design is gathered, and uses that year throughout.
    static int GetCurrentYear();

    static std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);
    static std::string ReplaceFirst(std::string text, std::string_view from, std::string_view to);
    static std::string EscapeXml(std::string_view text);
    // As ReplaceAll, cut to the 1023 bytes the text takes in the disk code page, never inside a
    // character.
    static std::string ReplaceAllInBuffer(std::string text, std::string_view from, std::string_view to);

    static int CreateFolder(const std::string& path);            // 0 done, 1 failed
    static int CheckFile(const std::string& path);               // 0 exists, -1 not (or empty path)
    static int CheckFileExists(const std::string& path);
    static int DeleteFileIfExists(const platform::FilePlace& path);      // 0 when missing or removed
    static int CreateEmptyFile(const std::string& path);         // 0 done, 1 failed (traced)
    // The highest "rId" number of a relationships part; 0 when none, 1 when unreadable.
    static int GetMaxRelationshipId(const platform::FilePlace& relsPath);
    static int ParseRelationshipId(std::string_view line);
    // Runs the command line through the shell and waits for it; 0 when the command ran, -1 when
    // it could not be started.
    static int RunAndWait(const std::string& commandLine);
    // The two-line script that would pack the document with config\zip_docx.bat and the arguments
    // (packing is the zip writer's work); false when the file cannot be written.
    static bool WriteZipScript(const std::string& path, std::string_view arguments);

    // --- Quarters, day counts, weekday filter, small utilities ---

    static int GetQuarterOfMonth(int month);
    static int GetMonthPosInQuarter(int month);
    static int GetMonthInQuarter(int month);
    // Day counts in the year given: a run passes its own, never the clock's.
    static int GetDaysInQuarter(int quarter, int year);
    // Days from firstDay of the month through the end of its quarter, both included.
    static int GetDaysLeftInQuarter(int month, int firstDay, int year);
    static int GetQuarterSpans(std::vector<QuarterSpan>& spans, int firstMonth, int lastMonth, int firstDay,
                               int year);
    static int CountDaysBetween(int year, int firstMonth, int lastMonth, int firstDay, int lastDay);

    // Weekday 0 = Sunday; ticked means the weekday's days get a diary page (g_abUncheckedWeek).
    static std::string IsWeekdayUnchecked(int weekday);
    static bool IsWeekdayUncheckedFlag(int weekday);
    // The seven flag bytes packed in two words: Sunday..Wednesday, then Thursday..Saturday.
    static bool IsWeekdayChecked(int weekday, DWORD sundayToWednesday, DWORD thursdayToSaturday);
    static std::string BoolToDigit(BYTE flag);

    // Six hexadecimal digits, red first, to a colour value; "" reads as white.
    static COLORREF ColorTextToColorRef(std::string_view text);
    static int GetCurrentMonth();
    static std::string FormatNow(const char* format);
    static std::string ToUpperCopy(std::string_view text);
    static std::string ToLowerCopy(std::string_view text);
    static std::string GetFolderOfPath(std::string_view path);
    // Appends the records' texts to a motto file, in the disk code page; false when unwritable.
    static bool WriteTextLinesToFile(const platform::FilePlace& path, const std::vector<TextLineRecord>& lines);

    // --- Template text files and day enumeration ---

    // Both return 0, or -1 when the file could not be written.
    static int WriteMonthTemplateFile(const platform::FilePlace& path, const std::string& monthFormat, int firstMonth,
                                      int lastMonth, BYTE upper, int year);
    static int WriteDateTemplateFile(const platform::FilePlace& path, const std::string& dayFormat, BYTE daysLeft,
                                     const std::string& daysLeftPrefix, const std::string& daysLeftSuffix,
                                     const std::string& weekendText, int year, BYTE weekNumber, int startMonth,
                                     int endMonth, int startDay, int endDay, int dayNumber,
                                     const std::string& dayNumberPrefix, const std::string& dayNumberSuffix);
    // The months of the year given, each on today's day of the month.
    static std::vector<std::string> BuildMonthLabels(const std::string& monthFormat, int firstMonth, int lastMonth,
                                                     BYTE upper, int year);
    // One line per day of the range: the caption and a marker, "1" for a ticked day, else "0".
    static std::vector<std::string> BuildDayCaptions(const std::string& dayFormat, BYTE daysLeft,
                                                     const std::string& daysLeftPrefix,
                                                     const std::string& daysLeftSuffix,
                                                     const std::string& weekendText, int year, BYTE weekNumber,
                                                     int startMonth, int endMonth, int startDay, int endDay,
                                                     int dayNumber, const std::string& dayNumberPrefix,
                                                     const std::string& dayNumberSuffix);
    // Appends up to twelve labels of the month template; false when it cannot be read.
    static bool ReadLinesIntoArray(std::vector<MonthLabel>& labels, const platform::FilePlace& path);

    static int IsLeapYear(int year);
    static int GetDaysInYear(int year);
    static int GetDaysOfCurrentYear();
    // The month and day of day number n counted from the 1st of the start month; (0, 0) past the end.
    static MonthDay DayOffsetToMonthDay(int year, int n, int startMonth, int endMonth);
    static int GetWeekday(int year, int month, int day);
    // Month 1..12 and day of month of day 1..365 (366) of the year; 0 for a day outside the year.
    // The month's form traces the day of month.
    static int GetMonthOfDayOfYear(int year, int dayOfYear);
    static int GetDayOfMonth(int year, int dayOfYear);

    // --- Package part edits ---

    // Head: the document part up to and including <w:body>; tail: everything after it. Both
    // append to their file; false when the part is unreadable or holds no <w:body>.
    static bool SplitTemplateHead(const platform::FilePlace& documentPath, const platform::FilePlace& headPath);
    static bool SplitTemplateTail(const platform::FilePlace& documentPath, const platform::FilePlace& tailPath);
    // Adds the numbering relationship, five revision ids and the numbering content type, then
    // rewrites the numbering part; false at the first part that could not be edited.
    static bool WritePackageParts(const platform::FilePlace& relsPath, const platform::FilePlace& settingsPath,
                                  const platform::FilePlace& contentTypesPath, const platform::FilePlace& numberingPath,
                                  const std::vector<int>& listStyles, const platform::FilePlace& itemNumberFragmentPath);
    // Dates the core properties' creation and modification with the moment; false when the part
    // cannot be rewritten or lacks either date.
    static bool WriteCreationTime(const platform::FilePlace& corePropertiesPath, std::time_t moment);
    // Inserts the text before the first marker of every line holding it; false (file untouched)
    // when the file cannot be read or holds no marker.
    static bool InsertBeforeMarker(const platform::FilePlace& path, std::string_view text, std::string_view marker);
    // The text from the start marker through the first end marker after it; "" when the pair is
    // not there; nothing when the file cannot be read.
    static std::optional<std::string> ExtractBetweenMarkers(const platform::FilePlace& path, std::string_view startMarker,
                                                            std::string_view endMarker);
    static bool MoveFileText(const platform::FilePlace& sourcePath, const platform::FilePlace& destinationPath);
    // Deletes the folder and everything below it; links are removed, never followed, and a link
    // in the folder's place is removed as a link. A file, or a link to one, is no folder and
    // stays. True when what the path named is gone.
    static bool DeleteFolder(const std::string& path);
    // Occurrences that do not overlap; 0 for an empty pattern.
    static int CountOccurrences(std::string_view text, std::string_view pattern);
    // The part after the last "\" or "/"; the whole path when it holds neither.
    static std::string GetFileNameOfPath(std::string_view path);

    // --- Numbering part ---

    // Numbered list k (an entry of ListStyles) is instance 22 + k: of its own copy of abstract
    // numbering 0 (OwnAbstractId), or of its item style's abstract numbering, started again at 1.
    static bool WriteNumberingXml(const platform::FilePlace& numberingPath, const std::vector<int>& listStyles,
                                  const platform::FilePlace& itemNumberFragmentPath);
    // The item-number styles are numbering instances 1..21, of abstract numberings 2001..2021;
    // the numbered lists of the body follow them.
    static constexpr int kItemStyles = 21;
    static constexpr int kItemStyleAbstractBase = 2000;
    // The id of list k's own copy of abstract numbering 0: k, stepping over the item styles' ids,
    // so that a long run (thousands of lists) defines none of them twice.
    static constexpr int OwnAbstractId(int list)
    {
        return list <= kItemStyleAbstractBase ? list : list + kItemStyles;
    }
    // One numbering instance of the abstract numbering.
    static std::string GetNumXml(int instanceId, int abstractId);
    static std::string GetNumPrXml(int instanceId);
    // An instance of the abstract numbering whose nine levels all restart at 1.
    static std::string GetNumOverrideXml(int instanceId, int abstractId);

    // --- Item runs and text lines ---

    static std::string GetSymbolCode(int sign);
    static std::string GetSymbolFont(int sign);
    static std::string GetSymbolRunXml(const std::string& color, int size, int sign);
    static std::string GetDottedUnderlineRunXml(const std::string& color, const std::string& size, BYTE bold,
                                                const std::string& font, const std::string& shading,
                                                BYTE underline, BYTE strike, BYTE italic);
    // The narrow first cell of a writing line; bold and grid count as set when not 0.
    std::string GetNumberedCellXml(BYTE listFlag, const std::string& listNumberingId, BYTE styleFlag,
                                   int styleNumber, BYTE bold, const std::string& font, const std::string& color,
                                   const std::string& size, BYTE grid) const;
    // An empty cell two grid columns wide.
    std::string GetSpanCellXml() const;
    std::string GetAddedTextParagraphXml(const std::string& text, const std::string& font, const std::string& size,
                                         const std::string& color, const std::string& shading, BYTE bold,
                                         BYTE italic, BYTE underline, const std::string& rsidR,
                                         const std::string& rsidRDefault, const std::string& rsidP,
                                         TableLineSettings frame) const;
    static std::string GetAddedTextRunXml(const std::string& font, const std::string& size,
                                          const std::string& color, BYTE bold, BYTE italic, BYTE underline,
                                          const std::string& text);
    // A one-cell table around whatever stands between the two.
    std::string GetBoxTableStartXml(TableLineSettings frame) const;
    void AppendBoxTableStartXml(std::string& xml, const TableLineSettings& frame) const;
    static std::string GetBoxTableEndXml();
    static std::string GetTextParagraphXml(const std::string& text, const std::string& font,
                                           const std::string& size, const std::string& color, BYTE bold,
                                           const std::string& outlineLevel, const std::string& rsidR,
                                           const std::string& rsidRDefault, const std::string& rsidP);
    static std::string GetHeadingStartXml(const std::string& color, const std::string& size,
                                          const std::string& font, BYTE bold, BYTE outline,
                                          const std::string& outlineLevel, const std::string& shading, BYTE italic,
                                          const std::string& rsidR, const std::string& rsidRDefault,
                                          const std::string& rsidP);
    static void AppendHeadingStartXml(std::string& xml, const std::string& color, const std::string& size,
                                      const std::string& font, BYTE bold, BYTE outline,
                                      const std::string& outlineLevel, const std::string& shading, BYTE italic,
                                      const std::string& rsidR, const std::string& rsidRDefault,
                                      const std::string& rsidP);
    // The six pieces of a caption line: M1, head, number 1, number 2, M2 followed by M3, tail.
    // A marker the line does not hold is no cut: its piece is empty, and head, M1, number 1,
    // M2 + M3, number 2 and tail, joined in that order, always give the whole line.
    static std::array<std::string, 6> SplitTextRuns(std::string_view m1, std::string_view m2, std::string_view m3,
                                                     std::string_view m4, std::string_view m5,
                                                     std::string_view text);
    static std::string GetHyperlinkStyledRunXml(const std::string& color, const std::string& size,
                                                const std::string& font, BYTE bold, BYTE underline,
                                                const std::string& text, const std::string& rsid, BYTE italic,
                                                BYTE strike);
    static void AppendHyperlinkStyledRunXml(std::string& xml, const std::string& color, const std::string& size,
                                            const std::string& font, BYTE bold, BYTE underline,
                                            std::string_view text, const std::string& rsid, BYTE italic,
                                            BYTE strike);
    static bool ContainsText(std::string_view needle, std::string_view text);

    // --- Headings of the daily page ---

    std::string GetParagraphStartXml(const std::string& color, const std::string& size, const std::string& font,
                                     BYTE bold, BYTE outline, const std::string& outlineLevel,
                                     const std::string& fill, BYTE italic) const;
    void AppendParagraphStartXml(std::string& xml, const std::string& color, const std::string& size,
                                 const std::string& font, BYTE bold, BYTE outline, const std::string& outlineLevel,
                                 const std::string& fill, BYTE italic) const;
    static std::string GetRunStartXml(const std::string& color, const std::string& size, const std::string& font,
                                      BYTE bold, BYTE italic, const std::string& fill);
    static void AppendRunStartXml(std::string& xml, const std::string& color, const std::string& size,
                                  const std::string& font, BYTE bold, BYTE italic, const std::string& fill);
    std::string GetTitleParagraphXml(const std::string& color, const std::string& size, const std::string& font,
                                     BYTE bold, const std::string& text) const;
    // Quarter heading: the label followed by the quarter number.
    std::string GetNumberParagraphXml(int number, const std::string& color, const std::string& size,
                                      const std::string& font, BYTE bold, const std::string& label,
                                      const std::string& outlineLevel) const;
    // Month heading.
    std::string GetTextParagraphCloseXml(const std::string& color, const std::string& size,
                                         const std::string& font, BYTE bold, BYTE italic,
                                         const std::string& outlineLevel, const std::string& text) const;
    // Date heading: bookmarked, linked back to the day's cell of the yearly calendar, and boxed
    // when the date table is on and the day is ticked.
    std::string GetDateHeadingXml(int bookmarkId, int ordinal, const std::string& color, const std::string& size,
                                  BYTE bold, BYTE underline, const std::string& outlineLevel,
                                  const std::string& caption, const std::string& background, BYTE italic,
                                  const std::string& font, BYTE strike, BYTE twoDigits,
                                  const DayCaptionSettings& captions, BYTE ticked,
                                  const TableLineSettings& dateTable) const;
    void AppendDateHeadingXml(std::string& xml, int bookmarkId, int ordinal, const std::string& color,
                              const std::string& size, BYTE bold, BYTE underline, const std::string& outlineLevel,
                              const std::string& caption, const std::string& background, BYTE italic,
                              const std::string& font, BYTE strike, BYTE twoDigits,
                              const DayCaptionSettings& captions, BYTE ticked,
                              const TableLineSettings& dateTable) const;
    static std::string GetFieldBeginRunXml();
    static std::string GetHyperlinkInstrRunXml(const std::string& bookmark);
    // The field instruction to the bookmark named by the two texts together.
    static void AppendHyperlinkInstrRunXml(std::string& xml, std::string_view bookmark, std::string_view number);
    static std::string GetFieldSeparateRunXml();
    static std::string GetFieldEndRunXml();
    // An empty bold run in the colour 921111.
    static std::string GetEmptyBoldRunXml(const std::string& size);
    // The visible runs of a date heading; split at the caption texts when split is 1.
    std::string GetHyperlinkRunXml(const std::string& color, const std::string& size, const std::string& font,
                                   BYTE bold, BYTE italic, BYTE strike, BYTE underline,
                                   const std::string& caption, const DayCaptionSettings& captions,
                                   BYTE split) const;
    void AppendHyperlinkRunXml(std::string& xml, const std::string& color, const std::string& size,
                               const std::string& font, BYTE bold, BYTE italic, BYTE strike, BYTE underline,
                               const std::string& caption, const DayCaptionSettings& captions, BYTE split) const;

    // --- Diary class tables ---

    // One class block; numberingId is the class's NextId, written as numbering instance id + 21.
    std::string GetItemTableXml(const DiaryClassRecord& diaryClass, int numberingId) const;
    void AppendItemTableXml(std::string& xml, const DiaryClassRecord& diaryClass, int numberingId) const;
    // The writing lines of the block.
    std::string GetItemsBoxXml(const DiaryClassRecord& diaryClass, int numberingId) const;
    void AppendItemsBoxXml(std::string& xml, const DiaryClassRecord& diaryClass, int numberingId) const;
    std::string GetTextRunCloseXml(const std::string& text, const std::string& color, const std::string& size,
                                   BYTE bold, const std::string& font, BYTE italic, const std::string& fill) const;
    void AppendTextRunCloseXml(std::string& xml, const std::string& text, const std::string& color,
                               const std::string& size, BYTE bold, const std::string& font, BYTE italic,
                               const std::string& fill) const;
    std::string GetFormattedRunXml(const std::string& text, BYTE bold, const std::string& color,
                                   const std::string& size, const std::string& font, BYTE italic) const;

    // --- Document body and the generation run ---

    // Turns the skeleton copied into the work folder into the diary: splits the document part,
    // writes the body, then adds the numbering relationship, revision ids, content type and
    // numbering part. Nothing is changed unless every part it needs is there and whole.
    DocxRunStatus CreateDocx(const platform::FilePlace& monthTemplatePath, const platform::FilePlace& dateTemplatePath,
                             const platform::FilePlace& documentPath, const platform::FilePlace& settingsPath,
                             const platform::FilePlace& workFolder, const DocxRunDesign& design);
    // Appends the whole body to the document part. WriteFailed when a template text file cannot
    // be read or the part cannot be written; TooLarge, the part cut back to its head, when it
    // would pass the design's most bytes.
    DocxRunStatus WriteDocumentBody(const platform::FilePlace& dateTemplatePath,
                                    const platform::FilePlace& monthTemplatePath,
                                    const platform::FilePlace& documentPath, const DocxRunDesign& design);

private:
    // `<w:p` with revision ids 1..3, left open for the caller to end.
    std::string ParagraphOpenXml() const;

    int m_idCounter = 0;
    std::vector<int> m_listStyles;
    std::array<std::string, 5> m_rsid = {"00000000", "00000000", "00000000", "00000000", "00000000"};
};
