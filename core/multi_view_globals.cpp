#include "core/multi_view_globals.h"

std::atomic<BYTE> g_bFileOperationBusy{0};
BYTE g_nRenameMode = 0;
