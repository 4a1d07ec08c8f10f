// The messages the multi-view control panel receives (WM_USER + n), from the
// stage, its workers, the folder tree, batch shrink and continuous capture.
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    WM_MULTICTL_CELL_POS = WM_USER + 420,
    WM_MULTICTL_FILE_TEXT = WM_USER + 421,
    WM_MULTICTL_FILE_SIZE = WM_USER + 422,
    WM_MULTICTL_PROGRESS_START = WM_USER + 426,
    WM_MULTICTL_PROGRESS_STOP = WM_USER + 427,
    WM_MULTICTL_ENABLE_SORT = WM_USER + 428,
    WM_MULTICTL_DISABLE_SORT = WM_USER + 429,
    WM_MULTICTL_SORT_PROGRESS_SHOW = WM_USER + 431,
    WM_MULTICTL_SORT_PROGRESS_POS = WM_USER + 432,
    WM_MULTICTL_TOTALS = WM_USER + 437,
    WM_MULTICTL_SORT_PROGRESS_HIDE = WM_USER + 438,
    WM_MULTICTL_DISPLAY_STATE = WM_USER + 457,
    WM_MULTICTL_RELOAD = WM_USER + 458,
    WM_MULTICTL_SET_FOLDER = WM_USER + 461,
    WM_MULTICTL_SET_THUMB_SIZE = WM_USER + 472,
    WM_MULTICTL_STEP_THUMB_SIZE = WM_USER + 473,
    WM_MULTICTL_SELECTED_COUNT = WM_USER + 475,
    WM_MULTICTL_REARM_WATCH = WM_USER + 495,
    WM_MULTICTL_STOP_WATCH = WM_USER + 504,
    WM_MULTICTL_RESET_EXIF_BUTTON = WM_USER + 510,
};

// The panel's display state (WM_MULTICTL_DISPLAY_STATE).
inline constexpr int kMultiDisplayFinished = 0;
inline constexpr int kMultiDisplayLoading = 1;
inline constexpr int kMultiDisplayStopped = 2;
