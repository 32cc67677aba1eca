#include "settings/DialogHelpers.h"

#include <cstdint>
#include <string_view>

namespace {

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// Leading hexadecimal digits as a number, held at the top of the range as strtoul does.
std::uint32_t LeadingHex(std::string_view text)
{
    std::uint64_t value = 0;
    for (char ch : text) {
        const int digit = HexDigit(ch);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu)
            return 0xFFFFFFFFu;
    }
    return static_cast<std::uint32_t>(value);
}

BYTE HexByte(std::string_view text, size_t first)
{
    return first < text.size() ? static_cast<BYTE>(LeadingHex(text.substr(first, 2)) & 0xFF) : 0;
}

} // namespace

COLORREF HexToColor(const CString& text)
{
    const std::uint32_t value = LeadingHex(text.IsEmpty() ? "000000" : text.str());
    return ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
}

COLORREF HexToColorOrWhite(const CString& text)
{
    return text.IsEmpty() ? RGB(255, 255, 255) : HexToColor(text);
}

CString ColorToHex(COLORREF colour)
{
    CString text;
    text.Format("%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

COLORREF ParseHexColor(const CString& text)
{
    const std::string_view digits = text.str();
    return RGB(HexByte(digits, 0), HexByte(digits, 2), HexByte(digits, 4));
}

int LineTypeToIndex(const CString& lineType)
{
    struct Style {
        const char* name;
        int pen;
    };
    static constexpr Style kStyles[] = {
        {"single", PS_SOLID}, {"dashed", PS_DASH},         {"dotted", PS_DOT},         {"dotDash", PS_DASHDOT},
        {"dotDotDash", PS_DASHDOT}, {"wave", PS_DASHDOTDOT}, {"dashSmallGap", PS_INSIDEFRAME},
    };
    for (const Style& style : kStyles)
        if (lineType == style.name)
            return style.pen;
    return PS_SOLID;
}

BOOL IsNumericString(const char* text)
{
    for (const char* p = text ? text : ""; *p != '\0'; ++p)
        if (*p < '0' || *p > '9')
            return FALSE;
    return TRUE;
}

CString TrimString(const CString& text)
{
    CString copy = text;
    return copy.Trim();
}

CString BoolToYesNo(int flag)
{
    return flag == 1 ? "Y" : "N";
}

CString MoreLinesText(int lineCount, bool numbered)
{
    CString text;
    if (lineCount <= 1)
        return text;
    if (!numbered) {
        text.Format("And %d lines...", lineCount - 1);
        return text;
    }
    for (int number = 2; number <= lineCount; ++number) {
        CString one;
        one.Format(number == 2 ? "%d)" : ",%d)", number);
        text += one;
    }
    return text + "...";
}
