#pragma once
// Window classes for the windows the program makes itself (popups). Free of Qt.

#include "platform/ui/GdiDefs.h"

constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_CLASSDC = 0x0040;
constexpr UINT CS_SAVEBITS = 0x0800;

using HCURSOR = HICON;

// Returns the name CWnd::CreateEx takes. Of what a class sets, only the background matters
// here: a window of the class is erased with the brush's colour (a null brush: not at all).
// Redraw, DC and save-under styles, cursor and icon are what the desktop does anyway.
LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                            HICON icon = nullptr);
