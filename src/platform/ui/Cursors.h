#pragma once
// Mouse cursors: the desktop's arrow and hand, and cursors of the program's own read from
// picture files. A window that maps WM_SETCURSOR is asked whenever the pointer moves over it;
// the cursor it sets with SetCursor (and answers TRUE for) is shown over it. Free of Qt.

#include "platform/CString.h"
#include "platform/ui/WinDef.h"

struct CursorRecord;
using HCURSOR = CursorRecord*;

// The desktop's cursors, as LoadCursor(NULL, ...) names them; they are shared and never destroyed.
constexpr UINT IDC_ARROW = 32512;
constexpr UINT IDC_HAND = 32649;
HCURSOR LoadCursor(std::nullptr_t module, UINT id);

// A cursor resource of the program: a picture file registered under the id, its hot spot given.
void RegisterCursorResource(UINT id, const CString& path, POINT hotSpot);
// A new cursor the caller destroys; nullptr when the id or its file is unknown.
HCURSOR LoadCursorResource(UINT id);

// A new cursor the caller destroys, looking as the given one does.
HCURSOR CopyCursor(HCURSOR cursor);
BOOL DestroyCursor(HCURSOR cursor);

// The cursor to show now; returns the one set before.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

// Moves the pointer to a point in screen coordinates (GetCursorPos is in Menu.h).
BOOL SetCursorPos(int x, int y);

// WM_SETCURSOR: wParam the window under the pointer, lParam the hit test and the mouse message.
constexpr UINT HTCLIENT = 1;
