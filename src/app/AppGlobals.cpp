#include "app/AppGlobals.h"

int g_nDayCount = 0;
int g_nCurrentYear = 0;
CString g_strOutFolder;
BYTE g_nSaveConfirmChoice = 1;
bool g_bPathFileFailureTold = false;
