#include "app/ConfigPathFile.h"

#include "settings/IniFile.h"
#include "settings/IniValues.h"
#include "settings/MainSettings.h"
#include "settings/Settings.h"

CString ConfigPathFile()
{
    return g_strExeFolder + "config/config_path.ini";
}

CString DefaultConfigPath()
{
    return g_strExeFolder + kDefaultConfigName;
}

bool WriteConfigPath(const char* file, const CString& path)
{
    return CIniFile().WriteString(file, kMainSection, "Config_Path", path);
}

CString ReadConfigPath(const char* file)
{
    const CIniFile ini;
    const CString path = ini.GetString(file, kMainSection, "Config_Path");
    return !path.IsEmpty() && ini.FileExists(path) ? path : CString();
}

bool HasConfigPath(const char* file)
{
    return IniKeyExists(file, kMainSection, "Config_Path");
}

void ReadStartShow()
{
    g_bStartShow = ReadIniIntValue(ConfigPathFile(), kMainSection, "StartShow", 1) != 0 ? 1 : 0;
}

bool WriteStartShow()
{
    return WriteIniInt(ConfigPathFile(), kMainSection, "StartShow", g_bStartShow);
}

CString ReadOutFolder()
{
    return CIniFile().GetString(ConfigPathFile(), kMainSection, "OutFolder");
}

bool WriteOutFolder(const char* file, const CString& folder)
{
    return CIniFile().WriteString(file, kMainSection, "OutFolder", folder);
}
