#include "app/frame_globals.h"

CMainFrame* g_pMainFrame = nullptr;
BYTE g_nAppMode = 1;
