#include "app/frame_globals.h"

CMainFrame* g_pMainFrame = nullptr;
BYTE g_nAppMode = 1;
std::atomic<BYTE> g_bFileOperationBusy{0};
