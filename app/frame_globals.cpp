#include "app/frame_globals.h"

CMainFrame* g_pMainFrame = nullptr;
BYTE g_nAppMode = 1;
RECT g_rcStageArea{};
int g_nStageAreaWidth = 0;
int g_nStageAreaHeight = 0;
std::atomic<BYTE> g_bFileOperationBusy{0};
