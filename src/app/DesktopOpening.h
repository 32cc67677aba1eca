#pragma once
// The document and its folder opened with the desktop's programs. What could not be opened is
// told to the user in the program's words: at once when no opener starts, and when the opener
// reports its failure later (then on the GUI thread, over the window while it is there).

#include "platform/CString.h"

class CWnd;

// 打开文件: the document with its program.
void OpenFileTelling(CWnd& owner, const CString& file);
// 打开文件夹: the folder in the file manager; nothing for an empty path.
void OpenFolderTelling(CWnd& owner, const CString& folder);
// The document shown selected in its folder, or the folder opened.
void ShowInFolderTelling(CWnd& owner, const CString& file);
