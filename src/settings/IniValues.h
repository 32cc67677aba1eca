#pragma once
// Typed readers and writers of one key, each with the rule a setting's load applies to an
// empty value (a missing key reads as empty).

#include "platform/CString.h"
#include "platform/WinTypes.h"

#include <optional>

// The integer value of a text as atoi gives it: leading digits after an optional sign,
// 0 when there are none; values past the int range are held at its ends.
int ParseInt(const char* text);

CString ReadIniString(const char* file, const char* section, const char* key);
// The value, or the default when the value is empty.
CString ReadIniStringInto(const char* file, const char* section, const char* key, const char* defaultValue);
// 1 when the value is exactly "1", else 0.
BYTE ReadIniBool(const char* file, const char* section, const char* key);
// The default when the value is empty, else 1 when it is exactly "1".
BYTE ReadIniBool2(const char* file, const char* section, const char* key, BYTE defaultValue);
// The default when the value is empty, else its integer value.
int ReadIniIntValue(const char* file, const char* section, const char* key, int defaultValue);
// The default when the value is empty, else 1 when its integer value is not 0.
BYTE ReadIniBoolDefault(const char* file, const char* section, const char* key, BYTE defaultValue);
// A caption: the INI reader drops the leading blank the captions begin with, so a non-empty
// value gets one blank in front again.
CString ReadIniCaption(const char* file, const char* section, const char* key);

// A text of a file written bare, as saving and reading it gave it back, as often as it takes to stay
// the same: such a read takes away the blanks round a value and a pair of quotes round it, so a
// value stored as `"  a  "` reads as `  a  ` and, saved and read again, as `a`.
CString SettledText(const CString& text);
// A caption of such a file: settled, with the one leading blank the load puts back (" [ 第 " reads
// back as " [ 第"), within the bytes a read keeps.
CString SettledCaption(const CString& caption);

bool WriteIniInt(const char* file, const char* section, const char* key, int value);
bool WriteIniText(const char* file, const char* section, const char* key, const CString& value);
// "1" for a set flag, "0" for a clear one.
bool WriteIniOneZero(const char* file, const char* section, const char* key, BYTE flag);

// One section of one file, so the record readers and writers name only their keys.
class IniSection {
public:
    IniSection(const char* file, const char* section) : m_file(file), m_section(section) {}

    // A design's texts read back as they were written. A file written before values were quoted
    // gives them settled, as it always loaded, and its captions their leading blank back; either
    // way a loaded design is what its save reads back as.
    CString Text(const char* key) const;
    CString TextOr(const char* key, const char* defaultValue) const;
    // Where an empty value means something (no background), only a missing key keeps the field.
    CString TextIfPresent(const char* key, const char* kept) const;
    BYTE Bool(const char* key) const { return ReadIniBool(m_file, m_section, key); }
    BYTE Bool2(const char* key, BYTE defaultValue) const { return ReadIniBool2(m_file, m_section, key, defaultValue); }
    int Int(const char* key, int defaultValue) const { return ReadIniIntValue(m_file, m_section, key, defaultValue); }
    BYTE BoolDefault(const char* key, BYTE defaultValue) const
    {
        return ReadIniBoolDefault(m_file, m_section, key, defaultValue);
    }
    CString Caption(const char* key) const;

    // Writes remember a failure, so a whole record's save can say whether it all landed.
    void WriteInt(const char* key, int value) { Note(WriteIniInt(m_file, m_section, key, value)); }
    void WriteText(const char* key, const CString& value) { Note(WriteIniText(m_file, m_section, key, value)); }
    void WriteOneZero(const char* key, BYTE flag) { Note(WriteIniOneZero(m_file, m_section, key, flag)); }
    bool AllWritten() const { return m_allWritten; }

private:
    void Note(bool written) { m_allWritten = m_allWritten && written; }
    // Asked once, by the first text read: a section that only writes never reads the file.
    bool ValuesReadAsWritten() const;

    const char* m_file;
    const char* m_section;
    mutable std::optional<bool> m_valuesReadAsWritten;
    bool m_allWritten = true;
};
