#include "settings/IniValues.h"

#include "platform/CodePage.h"
#include "platform/IniLines.h"
#include "settings/IniFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <string_view>

int ParseInt(const char* text)
{
    if (text == nullptr)
        return 0;
    errno = 0;
    const long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

CString ReadIniString(const char* file, const char* section, const char* key)
{
    return CIniFile().GetString(file, section, key);
}

CString ReadIniStringInto(const char* file, const char* section, const char* key, const char* defaultValue)
{
    CString value = ReadIniString(file, section, key);
    return value.IsEmpty() ? CString(defaultValue) : value;
}

BYTE ReadIniBool(const char* file, const char* section, const char* key)
{
    return ReadIniString(file, section, key) == "1" ? 1 : 0;
}

BYTE ReadIniBool2(const char* file, const char* section, const char* key, BYTE defaultValue)
{
    const CString value = ReadIniString(file, section, key);
    if (value.IsEmpty())
        return defaultValue;
    return value == "1" ? 1 : 0;
}

int ReadIniIntValue(const char* file, const char* section, const char* key, int defaultValue)
{
    const CString value = ReadIniString(file, section, key);
    return value.IsEmpty() ? defaultValue : ParseInt(value);
}

BYTE ReadIniBoolDefault(const char* file, const char* section, const char* key, BYTE defaultValue)
{
    const CString value = ReadIniString(file, section, key);
    if (value.IsEmpty())
        return defaultValue;
    return ParseInt(value) != 0 ? 1 : 0;
}

namespace {

CString CaptionOf(const CString& value)
{
    return value.IsEmpty() ? value : " " + value;
}

} // namespace

CString ReadIniCaption(const char* file, const char* section, const char* key)
{
    return CaptionOf(ReadIniString(file, section, key));
}

CString SettledText(const CString& text)
{
    std::string settled = text.str();
    for (;;) {
        const std::string_view next = platform::ValueAsRead(settled);
        if (next.size() == settled.size())
            return settled;
        settled = std::string(next);
    }
}

CString SettledCaption(const CString& caption)
{
    // The blank must not push it past what a read of its save keeps.
    return platform::CutToEncodedBytes(CaptionOf(SettledText(caption)).str(), CIniFile::kMaxValueBytes,
                                       platform::DiskEncoding::Gb18030);
}

bool WriteIniInt(const char* file, const char* section, const char* key, int value)
{
    CString text;
    text.Format("%d", value);
    return CIniFile().WriteString(file, section, key, text);
}

bool WriteIniText(const char* file, const char* section, const char* key, const CString& value)
{
    return CIniFile().WriteString(file, section, key, value);
}

bool WriteIniOneZero(const char* file, const char* section, const char* key, BYTE flag)
{
    return CIniFile().WriteString(file, section, key, flag != 0 ? "1" : "0");
}

bool IniSection::ValuesReadAsWritten() const
{
    if (!m_valuesReadAsWritten)
        m_valuesReadAsWritten = IniValuesReadAsWritten(m_file);
    return *m_valuesReadAsWritten;
}

CString IniSection::Text(const char* key) const
{
    const CString value = ReadIniString(m_file, m_section, key);
    return ValuesReadAsWritten() ? value : SettledText(value);
}

CString IniSection::TextOr(const char* key, const char* defaultValue) const
{
    const CString value = Text(key);
    return value.IsEmpty() ? CString(defaultValue) : value;
}

CString IniSection::TextIfPresent(const char* key, const char* kept) const
{
    return IniKeyExists(m_file, m_section, key) ? Text(key) : CString(kept);
}

CString IniSection::Caption(const char* key) const
{
    const CString value = ReadIniString(m_file, m_section, key);
    return ValuesReadAsWritten() ? value : SettledCaption(value);
}
