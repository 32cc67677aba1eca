#pragma once
// System colours and metrics from one fixed table (the classic Windows scheme), so that
// drawings are the same on every machine.

#include "platform/ui/GdiDefs.h"

COLORREF GetSysColor(int index);
int GetSystemMetrics(int index);
