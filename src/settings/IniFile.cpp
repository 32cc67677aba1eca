#include "settings/IniFile.h"

#include "platform/Files.h"
#include "platform/Profile.h"

CString CIniFile::GetString(const char* file, const char* section, const char* key) const
{
    return CString(platform::GetPrivateProfileString(section ? section : "", key ? key : "", "",
                                                     kMaxValueBytes + 1, file ? file : ""));
}

bool CIniFile::WriteString(const char* file, const char* section, const char* key, const char* value) const
{
    return platform::WritePrivateProfileString(section ? section : "", key ? key : "", value ? value : "",
                                               file ? file : "");
}

bool CIniFile::WriteStrings(const char* file, const char* section,
                            const std::vector<std::pair<CString, CString>>& keyValues) const
{
    std::vector<platform::ProfileKeyValue> keys;
    for (const auto& [key, value] : keyValues)
        keys.push_back({key.str(), value.str()});
    return platform::WritePrivateProfileStrings(section ? section : "", keys, file ? file : "");
}

bool CIniFile::FileExists(const char* path) const
{
    return path != nullptr && platform::PathExists(path);
}

bool IniValuesReadAsWritten(const char* file)
{
    return platform::ProfileValuesReadAsWritten(file ? file : "");
}

bool IniKeyExists(const char* file, const char* section, const char* key)
{
    // No value holds a line break, so this default comes back only for a missing key.
    constexpr const char* kNoValue = "\n";
    return platform::GetPrivateProfileString(section ? section : "", key ? key : "", kNoValue, 2, file ? file : "") !=
           kNoValue;
}
