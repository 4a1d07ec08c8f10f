// Template 278: the multi-view stage, a header band with three names, the
// scroll row, and the thumbnail grid.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_MULTI_VIEW_STAGE = 278;
// The grid: 1334 is drawn on; 1337 lies under it as the thumbnails' source
// device context and is never shown.
inline constexpr int IDC_MULTI_GRID = 1334;
inline constexpr int IDC_MULTI_HEADER = 1335;
inline constexpr int IDC_MULTI_SCROLL_ROW = 1336;
inline constexpr int IDC_MULTI_GRID_SOURCE = 1337;
// "中止": shown only while dropped files are copied.
inline constexpr int IDC_MULTI_COPY_ABORT = 1112;

extern const DialogTemplate kDialog278MultiViewStage;
