#include "platform/IniLines.h"

namespace platform {

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<std::string_view> SectionOf(std::string_view line)
{
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    return TrimBlanks(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

std::optional<std::string_view> KeyOf(std::string_view line)
{
    const auto trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(line.substr(0, equals));
}

std::string_view ValueAsRead(std::string_view written)
{
    auto value = TrimBlanks(written);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

std::string ValueToWrite(std::string_view value)
{
    if (ValueAsRead(value).size() == value.size())
        return std::string(value);
    return "\"" + std::string(value) + "\"";
}

std::string FoldCase(std::string_view name)
{
    std::string folded(name);
    for (char& ch : folded)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return folded;
}

} // namespace platform
