// Process-wide values owned by the main frame.
#pragma once

#include "core/multi_view_globals.h"  // g_bFileOperationBusy
#include "core/save_size_globals.h"   // the size a clip image is to be saved at
#include "core/shared_paths.h"        // g_szOpenFilePath
#include "core/stage_area.h"          // g_rcStageArea
#include "platform/types/types.h"

#include <QString>

#include <atomic>

class CMainFrame;

// The frame; set by its constructor, null once it is gone.
extern CMainFrame* g_pMainFrame;
// 1 clip mode, 2 multi view.
extern BYTE g_nAppMode;
