#include "platform/CString.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <strings.h>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

size_t Clamp(int value, size_t limit)
{
    return value < 0 ? 0 : std::min(static_cast<size_t>(value), limit);
}

int ToIndex(size_t pos)
{
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

} // namespace

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        m_text.clear();
    } else {
        std::string out(static_cast<size_t>(needed) + 1, '\0');
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<size_t>(needed));
        m_text = std::move(out);
    }
    va_end(args);
}

CString CString::Left(int count) const
{
    return CString(m_text.substr(0, Clamp(count, m_text.size())));
}

CString CString::Right(int count) const
{
    const size_t n = Clamp(count, m_text.size());
    return CString(m_text.substr(m_text.size() - n));
}

CString CString::Mid(int first) const
{
    return CString(m_text.substr(Clamp(first, m_text.size())));
}

CString CString::Mid(int first, int count) const
{
    const size_t start = Clamp(first, m_text.size());
    return CString(m_text.substr(start, Clamp(count, m_text.size() - start)));
}

int CString::Find(char ch, int start) const
{
    return ToIndex(m_text.find(ch, Clamp(start, m_text.size())));
}

int CString::Find(const char* sub, int start) const
{
    return ToIndex(m_text.find(sub ? sub : "", Clamp(start, m_text.size())));
}

int CString::ReverseFind(char ch) const
{
    return ToIndex(m_text.rfind(ch));
}

int CString::Replace(const char* from, const char* to)
{
    const std::string needle = from ? from : "";
    const std::string replacement = to ? to : "";
    if (needle.empty())
        return 0;
    int count = 0;
    for (size_t pos = m_text.find(needle); pos != std::string::npos;
         pos = m_text.find(needle, pos + replacement.size())) {
        m_text.replace(pos, needle.size(), replacement);
        ++count;
    }
    return count;
}

CString& CString::MakeUpper()
{
    for (char& ch : m_text)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return *this;
}

CString& CString::MakeLower()
{
    for (char& ch : m_text)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft()
{
    const auto first = std::find_if_not(m_text.begin(), m_text.end(), IsBlank);
    m_text.erase(m_text.begin(), first);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_text.empty() && IsBlank(m_text.back()))
        m_text.pop_back();
    return *this;
}

int CString::CompareNoCase(const char* other) const
{
    return ::strcasecmp(m_text.c_str(), other ? other : "");
}
