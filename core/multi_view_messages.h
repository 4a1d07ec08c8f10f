// The messages the multi-view stage receives (WM_USER + n). The control
// panel, the main frame, continuous capture and the stage's own workers send
// them; WM_REPOSITION_PANEL and WM_RESIZE_STAGE are in panel_messages.h.
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    WM_MULTI_PRINT = WM_USER + 112,
    WM_MULTI_ADD_FILE = WM_USER + 401,
    WM_MULTI_FOLDER_CHANGED = WM_USER + 419,
    WM_MULTI_SORT_MODE_CHANGED = WM_USER + 423,
    WM_MULTI_RENDER = WM_USER + 424,
    WM_MULTI_SORT_ORDER_CHANGED = WM_USER + 425,
    WM_MULTI_BUILD_SORT_INDEX = WM_USER + 430,
    WM_MULTI_CLEAR = WM_USER + 433,
    WM_MULTI_COPY_PICTURE = WM_USER + 435,
    WM_MULTI_OPEN_IN_CLIP_MODE = WM_USER + 436,
    WM_MULTI_SUSPEND_WORKERS = WM_USER + 451,
    WM_MULTI_RESUME_WORKERS = WM_USER + 452,
    WM_MULTI_PAGE_LOADED = WM_USER + 453,
    WM_MULTI_PAUSE_LOAD = WM_USER + 456,
    WM_MULTI_DELETE_ONE = WM_USER + 462,
    WM_MULTI_DELETE_SELECTED = WM_USER + 463,
    WM_MULTI_COPY_FILES = WM_USER + 464,
    WM_MULTI_GET_CURRENT_PATH = WM_USER + 467,
    WM_MULTI_EXIF_CLEAR_SELECTED = WM_USER + 469,
    WM_MULTI_EXIF_CLEAR_ONE = WM_USER + 470,
    WM_MULTI_VIEW_MODE_CHANGED = WM_USER + 471,
    WM_MULTI_SET_FILE_NAME = WM_USER + 481,
    WM_MULTI_REDRAW_FRAMES = WM_USER + 482,
    WM_MULTI_CLEAR_SELECTION = WM_USER + 483,
    WM_MULTI_WAIT_SORT = WM_USER + 484,
    WM_MULTI_SET_PREVIEW_ITEM = WM_USER + 486,
    WM_MULTI_BATCH_SHRINK = WM_USER + 490,
    WM_MULTI_COLLECT_MASK_DATES = WM_USER + 497,
    WM_MULTI_REBUILD_MASK_DATES = WM_USER + 498,
    WM_MULTI_APPLY_MASKS = WM_USER + 499,
    WM_MULTI_STOP_LOAD = WM_USER + 503,
    WM_MULTI_SEARCH_EXT_MASK = WM_USER + 505,
};

// WM_MULTI_PAUSE_LOAD's wParam.
inline constexpr WPARAM kMultiLoadResume = 1;
inline constexpr WPARAM kMultiLoadStop = 2;

// Sort keys and the bits of the rank arrays (WM_MULTI_BUILD_SORT_INDEX,
// WM_MULTICTL_ENABLE_SORT, WM_MULTICTL_DISABLE_SORT).
enum ThumbSortKey : int { kSortNone = 0, kSortByName = 1, kSortByDate = 2, kSortBySize = 3 };
inline constexpr unsigned kSortBitName = 1;
inline constexpr unsigned kSortBitDate = 2;
inline constexpr unsigned kSortBitSize = 4;
inline constexpr unsigned kSortBitsAll = 7;

// The stage's view modes.
inline constexpr int kMultiViewGrid = 0;
inline constexpr int kMultiViewPreview = 3;

// wParam of WM_MOUSEMOVE and WM_LBUTTONUP that the application hands to the
// stage while its rubber band runs: the move's point is on the screen.
inline constexpr WPARAM kRoutedMouseFlags = 999;
