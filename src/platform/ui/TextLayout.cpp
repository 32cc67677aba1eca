#include "platform/ui/qt/TextLayout.h"

#include <string>

namespace platform::ui::detail {

namespace {

// Text with the prefix marks taken out, and where the marked character went.
struct Stripped {
    std::u32string text;
    int underline = -1;
};

// "&x" marks x; "&&" is one '&'. With several marks the last one counts.
Stripped StripPrefixes(const std::u32string& text)
{
    Stripped result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'&') {
            result.text += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == U'&') {
            result.text += U'&';
            ++i;
        } else if (i + 1 < text.size()) {
            result.underline = static_cast<int>(result.text.size());
        }
    }
    return result;
}

// East Asian scripts break between any two characters.
bool Wide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Punctuation that must not start a line, and punctuation that must not end one.
bool Closing(char32_t c)
{
    return std::u32string_view(U",.;:?!)]}，。、；：？！）》」』】〉”’").find(c) != std::u32string_view::npos;
}

bool Opening(char32_t c)
{
    return std::u32string_view(U"([{（《「『【〈“‘").find(c) != std::u32string_view::npos;
}

bool Space(char32_t c)
{
    return c == U' ' || c == U'\t';
}

bool BreakBefore(const std::u32string& text, size_t i)
{
    const char32_t before = text[i - 1], at = text[i];
    if (Space(before))
        return !Space(at);
    return (Wide(before) || Wide(at)) && !Space(at) && !Closing(at) && !Opening(before);
}

QString Text(const std::u32string& text, size_t from, size_t to)
{
    return QString::fromStdU32String(text.substr(from, to - from));
}

size_t TrimEnd(const std::u32string& text, size_t from, size_t to)
{
    while (to > from && Space(text[to - 1]))
        --to;
    return to;
}

struct Range {
    size_t from;
    size_t to;
};

// Lines end where a word would cross the right edge; a word wider than the whole line stays whole.
void Wrap(const std::u32string& text, Range paragraph, int width, const QFontMetrics& metrics,
          std::vector<Range>& lines)
{
    size_t start = paragraph.from;
    if (start == paragraph.to) {
        lines.push_back(paragraph);
        return;
    }
    while (start < paragraph.to) {
        size_t fitted = 0;
        size_t firstBreak = paragraph.to;
        for (size_t i = start + 1; i <= paragraph.to; ++i) {
            if (i < paragraph.to && !BreakBefore(text, i))
                continue;
            if (firstBreak == paragraph.to)
                firstBreak = i;
            if (metrics.horizontalAdvance(Text(text, start, TrimEnd(text, start, i))) > width)
                break;
            fitted = i;
        }
        const size_t end = fitted ? fitted : firstBreak;
        lines.push_back({start, TrimEnd(text, start, end)});
        start = end;
    }
}

QString Ellipsized(const QString& line, int width, const QFontMetrics& metrics)
{
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    const QString dots = QStringLiteral("...");
    std::u32string kept = line.toStdU32String();
    while (!kept.empty() && metrics.horizontalAdvance(QString::fromStdU32String(kept) + dots) > width)
        kept.pop_back();
    return QString::fromStdU32String(kept) + dots;
}

} // namespace

std::vector<TextLine> LayoutText(const QString& text, UINT format, int width, const QFontMetrics& metrics)
{
    Stripped source;
    if (format & DT_NOPREFIX)
        source.text = text.toStdU32String();
    else
        source = StripPrefixes(text.toStdU32String());
    const std::u32string& all = source.text;

    std::vector<Range> paragraphs;
    if (format & DT_SINGLELINE) {
        paragraphs.push_back({0, all.size()});
    } else {
        size_t from = 0;
        for (size_t i = 0; i <= all.size(); ++i) {
            if (i < all.size() && all[i] != U'\r' && all[i] != U'\n')
                continue;
            paragraphs.push_back({from, i});
            if (i + 1 < all.size() && all[i] == U'\r' && all[i + 1] == U'\n')
                ++i;
            from = i + 1;
        }
    }

    std::vector<Range> ranges;
    for (const Range& paragraph : paragraphs) {
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE))
            Wrap(all, paragraph, width, metrics, ranges);
        else
            ranges.push_back(paragraph);
    }

    std::vector<TextLine> lines;
    for (const Range& range : ranges) {
        TextLine line{Text(all, range.from, range.to)};
        const auto marked = static_cast<size_t>(source.underline);
        if (source.underline >= 0 && marked >= range.from && marked < range.to)
            line.underline = static_cast<int>(Text(all, range.from, marked).size());
        if (format & DT_END_ELLIPSIS) {
            const QString shortened = Ellipsized(line.text, width, metrics);
            if (shortened != line.text) {
                if (line.underline >= shortened.size() - 3)
                    line.underline = -1;
                line.text = shortened;
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

int LineLeft(UINT format, int left, int right, int width)
{
    if (format & DT_CENTER)
        return left + (right - left - width) / 2;
    if (format & DT_RIGHT)
        return right - width;
    return left;
}

} // namespace platform::ui::detail
