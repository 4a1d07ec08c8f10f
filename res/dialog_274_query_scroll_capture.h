// Template 274: the question whether a browser window is captured by
// scrolling.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_QUERY_SCROLL_CAPTURE = 274;
inline constexpr int IDC_QUERY_SCROLL_ICON = 1288;
inline constexpr int IDC_QUERY_SCROLL_BROWSER = 1290;

extern const DialogTemplate kDialog274QueryScrollCapture;
