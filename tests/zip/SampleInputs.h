#pragma once
// Inputs for compression: reproducible text, diary-like WordprocessingML and random bytes.
// Shared by the tests and the benchmark.

#include <cstddef>
#include <random>
#include <string>

namespace samples {

inline std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// English-like prose: common words far more often than rare ones, sentences and lines.
inline std::string PlainText(std::size_t size, unsigned seed)
{
    static const char* const words[] = {
        "the", "of", "and", "to", "a", "in", "is", "it", "that", "was", "for", "on", "with", "as", "day",
        "week", "morning", "evening", "wrote", "diary", "page", "walked", "garden", "letter", "river",
        "remember", "quiet", "weather", "friends", "dinner", "market", "train", "station", "window",
        "autumn", "winter", "spring", "summer", "notebook", "library", "afternoon", "kitchen", "bridge",
        "mountain", "yesterday", "tomorrow", "because", "although", "neighbourhood", "conversation"};
    constexpr std::size_t count = sizeof words / sizeof words[0];
    std::mt19937 generator(seed);
    std::string text;
    std::size_t line = 0;
    bool sentenceStart = true;
    while (text.size() < size) {
        // Squaring a uniform value favours the first words of the list.
        const double u = std::uniform_real_distribution<double>(0.0, 1.0)(generator);
        std::string word = words[static_cast<std::size_t>(u * u * count)];
        if (sentenceStart)
            word[0] = static_cast<char>(word[0] - 'a' + 'A');
        sentenceStart = generator() % 11 == 0;
        word += sentenceStart ? ". " : " ";
        line += word.size();
        if (line > 70) {
            word.back() = '\n';
            line = 0;
        }
        text += word;
    }
    text.resize(size);
    return text;
}

// The body of a diary's document part: per day a heading with a bookmark, a table of the
// day's classes and a few lines, as the generator writes them.
inline std::string DiaryBody(std::size_t minimumSize)
{
    static const char* const weekdays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    static const char* const classes[] = {"Work", "Study", "Health", "Family", "Reading"};
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
    for (int day = 0; xml.size() < minimumSize; ++day) {
        const std::string ordinal = std::to_string(1000 + day % 366).substr(1);
        const std::string date = std::to_string(2024 + day / 366) + "-" + std::to_string(1 + day % 366 / 31) + "-" +
                                 std::to_string(1 + day % 31);
        xml += "<w:p><w:pPr><w:pStyle w:val=\"Heading2\"/><w:jc w:val=\"left\"/></w:pPr>"
               "<w:bookmarkStart w:id=\"" + std::to_string(day) + "\" w:name=\"BOOKMARK_Date" + ordinal + "\"/>"
               "<w:hyperlink w:anchor=\"BOOKMARK_Calendar" + ordinal + "\"><w:r><w:rPr><w:rStyle w:val=\"Hyperlink\"/>"
               "<w:color w:val=\"1F3864\"/><w:sz w:val=\"28\"/></w:rPr><w:t>" + date + " " + weekdays[day % 7] +
               "</w:t></w:r></w:hyperlink><w:bookmarkEnd w:id=\"" + std::to_string(day) + "\"/></w:p>"
               "<w:tbl><w:tblPr><w:tblW w:w=\"5000\" w:type=\"pct\"/><w:tblBorders><w:top w:val=\"single\" "
               "w:sz=\"4\" w:space=\"0\" w:color=\"808080\"/><w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"0\" "
               "w:color=\"808080\"/></w:tblBorders></w:tblPr>";
        for (const char* name : classes) {
            xml += "<w:tr><w:tc><w:tcPr><w:tcW w:w=\"2000\" w:type=\"dxa\"/><w:shd w:val=\"clear\" w:color=\"auto\" "
                   "w:fill=\"E7E6E6\"/></w:tcPr><w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"" +
                   std::to_string(22 + day % 5) + "\"/></w:numPr></w:pPr><w:r><w:t>" + name +
                   "</w:t></w:r></w:p></w:tc><w:tc><w:tcPr><w:tcW w:w=\"7000\" w:type=\"dxa\"/></w:tcPr>"
                   "<w:p><w:pPr><w:pBdr><w:bottom w:val=\"dotted\" w:sz=\"4\" w:space=\"1\" w:color=\"A0A0A0\"/>"
                   "</w:pBdr></w:pPr></w:p></w:tc></w:tr>";
        }
        xml += "</w:tbl><w:p><w:pPr><w:spacing w:before=\"120\" w:after=\"0\"/></w:pPr></w:p>"
               "<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>";
    }
    return xml + "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr></w:body></w:document>";
}

} // namespace samples
