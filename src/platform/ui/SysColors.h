#pragma once
// System colours and metrics from one fixed table (the classic Windows scheme), so that
// drawings are the same on every machine; only the screen's size is the real one (the
// primary screen; Monitors.h tells the screen a window is on).

#include "platform/ui/GdiDefs.h"

COLORREF GetSysColor(int index);
int GetSystemMetrics(int index);
// A solid brush of a system colour; it belongs to the system and is never deleted.
HBRUSH GetSysColorBrush(int index);

constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;

// Only the font message boxes use is asked for.
struct NONCLIENTMETRICS {
    UINT cbSize = sizeof(NONCLIENTMETRICS);
    LOGFONT lfMessageFont;
};

// SPI_GETNONCLIENTMETRICS only: the classic 8-point Tahoma of Windows 2000.
BOOL SystemParametersInfo(UINT action, UINT size, NONCLIENTMETRICS* metrics, UINT winIni);
