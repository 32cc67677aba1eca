#pragma once
// Program-wide values of the main window and its dialogs that the configuration file does not
// hold.

#include "platform/CString.h"
#include "platform/WinTypes.h"

extern int g_nDayCount;              // diary days of the date range
extern int g_nCurrentYear;           // taken at start-up, then with each run's design
extern CString g_strOutFolder;       // the output folder
extern BYTE g_nSaveConfirmChoice;    // 1: save before generating, 0: generate at once
extern bool g_bPathFileFailureTold;  // a failed write of the configuration path file was told

// The marker of a design that has no file yet.
inline constexpr const char* kNoConfigFile = "FalseFileName";
