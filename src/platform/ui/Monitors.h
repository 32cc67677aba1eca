#pragma once
// The screens of the desktop as they are now: their size and the area windows may take (less
// panels and docks). Asked afresh each time, so screens plugged in or resized count at once.

#include "platform/ui/WinDef.h"

struct MonitorRecord;
using HMONITOR = MonitorRecord*;

// Where a window on no screen is taken to be.
enum : DWORD { MONITOR_DEFAULTTONULL, MONITOR_DEFAULTTOPRIMARY, MONITOR_DEFAULTTONEAREST };
constexpr DWORD MONITORINFOF_PRIMARY = 1;

struct MONITORINFO {
    DWORD cbSize = sizeof(MONITORINFO);
    RECT rcMonitor{};
    RECT rcWork{};
    DWORD dwFlags = 0;
};

// The screen that holds most of the window; a window on none gets the flag's fallback.
HMONITOR MonitorFromWindow(HWND window, DWORD flags);
// FALSE when the screen is gone.
BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info);
