#pragma once
// The list of known configuration files that the save and open dialogs show: the INI files of
// the program folder, then the keys CONFIG0 to CONFIG199 of the configuration path file.

#include "platform/CString.h"

#include <vector>

inline constexpr int kMaxKnownConfigFiles = 200;

// The INI files directly in the program folder (any letter case of ".ini", by name), then the
// stored paths up to the first empty key, leaving out a path listed already (same letter case)
// and one that names nothing that exists.
std::vector<CString> ReadConfigPathList(const char* configPathFile);

// Empties CONFIG0 to CONFIG199, then stores the paths in order from CONFIG0. True when every
// key was written; otherwise the list is kept in memory and read in place of the file's for the
// rest of the run (until a write works).
bool WriteConfigPathList(const char* configPathFile, const std::vector<CString>& paths);

// The first "NewDiary%d.ini" of the program folder, for 1 to 1000, that names nothing yet;
// empty when every one is taken.
CString FirstFreeConfigName();

// A name without a folder is taken in the program folder; ".ini" is added unless the name ends
// in it (in any letter case).
CString ResolveConfigName(const CString& typed);
