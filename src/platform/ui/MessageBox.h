#pragma once
// Message boxes. A box without a caption of its own carries the program's name.

#include "platform/ui/WinMessages.h"

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK);
const char* AfxGetAppName();
