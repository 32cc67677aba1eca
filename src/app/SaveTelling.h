#pragma once
// What the user asked to be done to a file (a save, a deletion), whose failure is told in the
// program's words with the system's reason and the error icon. A failed save keeps the old file
// with every writer the program has.

#include "platform/CString.h"

#include <functional>

class CWnd;

// Runs `save` (false on failure, errno telling why); a failure is told over the owner as
// "无法保存文件 '<file>'。" under the caption. True when saved.
bool SaveTelling(CWnd& owner, const CString& file, const char* caption, const std::function<bool()>& save);

// A write of the configuration path file ("config/config_path.ini"): its failure is told as a
// failed save of that file, under "保存设置", the first time in a run of the program only, as every
// later write of the file fails alike. True when written.
bool PathFileSaveTelling(CWnd& owner, const std::function<bool()>& write);

// Deletes the file; a failure is told over the owner as "无法删除文件 '<file>'。" under "删除文件".
// True when deleted.
bool DeleteTelling(CWnd& owner, const CString& file);
