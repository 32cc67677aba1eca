#pragma once
// Program-wide values of a generation run that the progress window, the success dialog and the
// main window share. The counters are atomic: the worker writes them while the window reads.

#include "platform/CString.h"

#include <atomic>

extern std::atomic<int> g_nClassCount;             // classes of the run; 1 before the first run
extern std::atomic<int> g_nGenerateProgressMode;   // 0 while the body is written, then 1
extern std::atomic<int> g_bCancelGeneration;       // 1 once the progress window's OK was pressed
extern int g_nAfterGenerateAction;                 // success dialog: 0 open, 1 show in folder, 2 close
extern CString g_strOutputFile;                    // the .docx of the last run
extern CString g_strOutputPath;                    // the same, as edit 1086 shows it
