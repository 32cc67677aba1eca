#pragma once
// The configuration path file "config/config_path.ini" of the program folder, section Main:
// the current configuration, the output folder and the welcome-window switch.

#include "platform/CString.h"

inline constexpr const char* kDefaultConfigName = "ZaDuzed_Simple.ini";

// The configuration path file of the program folder.
CString ConfigPathFile();
// The default configuration: ZaDuzed_Simple.ini in the program folder.
CString DefaultConfigPath();

bool WriteConfigPath(const char* file, const CString& path);
// The stored path; empty when the value is empty or names no existing file.
CString ReadConfigPath(const char* file);
// Whether the file names a current configuration at all, an empty one included.
bool HasConfigPath(const char* file);

// StartShow: an empty value counts as 1; any value other than 0 shows the welcome window.
void ReadStartShow();
bool WriteStartShow();

CString ReadOutFolder();
bool WriteOutFolder(const char* file, const CString& folder);
