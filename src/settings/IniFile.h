#pragma once
// The one gateway to every INI file of the program. Stateless: build one around each use.

#include "platform/CString.h"

#include <utility>
#include <vector>

class CIniFile {
public:
    // A value read keeps at most this many bytes (as stored), cut at a character boundary.
    static constexpr int kMaxValueBytes = 1023;

    CIniFile() = default;
    virtual ~CIniFile() = default;

    // The value, or "" when the file, section or key is missing.
    CString GetString(const char* file, const char* section, const char* key) const;
    // TRUE exactly when the value was written; the file and the section are made as needed.
    bool WriteString(const char* file, const char* section, const char* key, const char* value) const;
    // TRUE when every key was written, the file replaced once for all of them.
    bool WriteStrings(const char* file, const char* section,
                      const std::vector<std::pair<CString, CString>>& keyValues) const;
    // TRUE when a file or folder of that path exists.
    bool FileExists(const char* path) const;
};

// TRUE when the file's values read back as they were written: it was written since a value that a
// read would change goes inside one more pair of quotes. Files written before hold them bare.
bool IniValuesReadAsWritten(const char* file);

// TRUE when the section holds the key, even with an empty value.
bool IniKeyExists(const char* file, const char* section, const char* key);
