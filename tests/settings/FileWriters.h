#pragma once
// Every writer of a file the program keeps, each with a name for its file and what the program
// reads of such a file.

#include "platform/Profile.h"
#include "settings/DateFormatFile.h"
#include "settings/DesignFile.h"
#include "settings/MottoFile.h"

#include <functional>
#include <string>

struct ProgramFileWriter {
    const char* what;
    const char* file;
    std::function<bool(const std::string&)> write;
    std::function<std::string(const std::string&)> read;   // its values or lines, one after another
};

inline std::string ReadKey(const std::string& file, const char* section, const char* key)
{
    return platform::GetPrivateProfileString(section, key, "", 1024, file);
}

inline const ProgramFileWriter kProgramFileWriters[] = {
    {"design save", "design.ini",
     [](const std::string& file) { return WriteDesignFile(file.c_str(), ClassListModel(), OutlineLevelTexts()); },
     [](const std::string& file) { return ReadKey(file, "Main", "Title") + ReadKey(file, "Notes", "Kept"); }},
    {"motto file", "mottos.txt", [](const std::string& file) { return WriteMottoFile(file, {{1, "天道酬勤", 12}}); },
     [](const std::string& file) {
         std::string text;
         for (const MottoLine& line : ReadMottoLines(file, std::nullopt, 100).lines)
             text += line.text;
         return text;
     }},
    {"date format file", "date_format.ini",
     [](const std::string& file) { return WriteDateFormats(file.c_str(), StarterDateFormats()); },
     [](const std::string& file) {
         std::string text;
         for (const CString& format : ReadDateFormats(file.c_str()))
             text += format.str();
         return text;
     }},
    {"path file", "config_path.ini",
     [](const std::string& file) { return platform::WritePrivateProfileString("Main", "Config_Path", "a.ini", file); },
     [](const std::string& file) { return ReadKey(file, "Main", "Config_Path") + ReadKey(file, "Notes", "Kept"); }},
};

