#include "app/GenerationState.h"

std::atomic<int> g_nClassCount{1};
std::atomic<int> g_nGenerateProgressMode{0};
std::atomic<int> g_bCancelGeneration{0};
int g_nAfterGenerateAction = 0;
CString g_strOutputFile;
CString g_strOutputPath;
