// Process-wide values of the multi view that windows of several folders read.
#pragma once

#include "platform/types/types.h"

#include <atomic>

// 1 while the multi view's drop copy runs (written by its worker thread).
extern std::atomic<BYTE> g_bFileOperationBusy;
// The rename dialog's mode: 1 the focus file, 2 the selection as a batch.
extern BYTE g_nRenameMode;
