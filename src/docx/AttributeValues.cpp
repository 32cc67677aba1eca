#include "docx/AttributeValues.h"

#include "docx/XmlText.h"

#include <algorithm>
#include <iterator>

namespace docx {
namespace {

constexpr size_t kLongestFontName = 31;
constexpr char kHighestOutlineLevel = '9';

constexpr std::string_view kBorderTypes[] = {
    "nil", "none", "single", "thick", "double", "dotted", "dashed", "dotDash", "dotDotDash", "triple",
    "thinThickSmallGap", "thickThinSmallGap", "thinThickThinSmallGap", "thinThickMediumGap",
    "thickThinMediumGap", "thinThickThinMediumGap", "thinThickLargeGap", "thickThinLargeGap",
    "thinThickThinLargeGap", "wave", "doubleWave", "dashSmallGap", "dashDotStroked", "threeDEmboss",
    "threeDEngrave", "outset", "inset"};

bool IsDigits(std::string_view value)
{
    return !value.empty() && std::all_of(value.begin(), value.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

bool IsElement(std::string_view before, std::string_view element)
{
    return before.substr(0, element.size()) == element && before.size() > element.size() &&
           before[element.size()] == ' ';
}

// Whether `before` ends with ` name="` (or is `name="` alone).
bool IsAttribute(std::string_view before, std::string_view name)
{
    constexpr std::string_view kOpen = "=\"";
    if (before.size() < name.size() + kOpen.size() || before.substr(before.size() - kOpen.size()) != kOpen)
        return false;
    before.remove_suffix(kOpen.size());
    if (before.substr(before.size() - name.size()) != name)
        return false;
    before.remove_suffix(name.size());
    return before.empty() || before.back() == ' ';
}

} // namespace

bool IsHexColour(std::string_view value)
{
    return value == "auto" || (value.size() == 6 && std::all_of(value.begin(), value.end(), [](char ch) {
                                   return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') ||
                                          (ch >= 'a' && ch <= 'f');
                               }));
}

bool IsBorderType(std::string_view value)
{
    return std::find(std::begin(kBorderTypes), std::end(kBorderTypes), value) != std::end(kBorderTypes);
}

bool FitsAttribute(std::string_view before, std::string_view value)
{
    if (IsAttribute(before, "w:fill") || IsAttribute(before, "w:color") || IsElement(before, "<w:color"))
        return IsHexColour(value);
    if (IsElement(before, "<w:sz") || IsElement(before, "<w:szCs"))
        return IsDigits(value);
    if (IsElement(before, "<w:outlineLvl"))
        return value.size() == 1 && value[0] >= '0' && value[0] <= kHighestOutlineLevel;
    return true;
}

void AppendFontNameAttribute(std::string& out, std::string_view font)
{
    // Cut before escaping, at the start of the 32nd character: an entity or a character is never
    // split, and dropping what XML cannot hold only makes the name shorter.
    size_t characters = 0;
    size_t end = 0;
    for (; end < font.size(); ++end) {
        const bool starts = (static_cast<unsigned char>(font[end]) & 0xC0) != 0x80;
        if (starts && ++characters > kLongestFontName)
            break;
    }
    AppendEscapedAttribute(out, font.substr(0, end));
}

} // namespace docx
