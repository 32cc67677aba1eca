#include "controls/lists/CellOrder.h"

#include "platform/ui/TextOrder.h"

#include <algorithm>
#include <string_view>

namespace {

enum class CellKind { Number, Date, Text };

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsDigit);
}

bool IsDate(std::string_view text)
{
    return text.size() == 10 && text[2] == '/' && text[5] == '/' && AllDigits(text.substr(0, 2)) &&
           AllDigits(text.substr(3, 2)) && AllDigits(text.substr(6, 4));
}

CellKind KindOf(std::string_view text)
{
    if (AllDigits(text))
        return CellKind::Number;
    return IsDate(text) ? CellKind::Date : CellKind::Text;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// Digit strings of any length, by value: no conversion, so none overflows.
int CompareNumbers(std::string_view a, std::string_view b)
{
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return Sign(a.compare(b));
}

int CompareDates(std::string_view a, std::string_view b)
{
    for (const auto& [at, length] : {std::pair<size_t, size_t>{6, 4}, {3, 2}, {0, 2}})
        if (const int order = CompareNumbers(a.substr(at, length), b.substr(at, length)))
            return order;
    return 0;
}

} // namespace

int CompareCells(const CString& a, const CString& b)
{
    const std::string_view first = a.str();
    const std::string_view second = b.str();
    const CellKind kind = KindOf(first);
    const CellKind other = KindOf(second);
    if (kind != other)
        return kind < other ? -1 : 1;
    switch (kind) {
    case CellKind::Number: return CompareNumbers(first, second);
    case CellKind::Date: return CompareDates(first, second);
    case CellKind::Text: return lstrcmp(a.GetString(), b.GetString());
    }
    return 0;
}
