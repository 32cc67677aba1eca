#pragma once
// A save the user asked for, whose failure is told in the program's words with the system's
// reason, the old file being kept by every writer the program has.

#include "platform/CString.h"

#include <functional>

class CWnd;

// Runs `save` (false on failure, errno telling why); a failure is told over the owner as
// "无法保存文件 '<file>'。" under the caption. True when saved.
bool SaveTelling(CWnd& owner, const CString& file, const char* caption, const std::function<bool()>& save);
