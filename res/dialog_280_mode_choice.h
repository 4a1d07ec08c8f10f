// Template 280: the mode bar, two picture buttons in a caption-less strip at
// the top-left of the frame's client area, above the control panel.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_MODE_CHOICE = 280;

enum : int {
    IDC_MODE_TO_CLIP = 1112,
    IDC_MODE_TO_MULTI = 1329,
};

extern const DialogTemplate kDialog280ModeChoice;
