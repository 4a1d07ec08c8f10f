// Template 200: the capture-window chooser, a borderless pop-up holding the list of windows.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_CHOICED_CAPTURE_WINDOW = 200;
inline constexpr int IDC_CHOOSER_WINDOW_LIST = 1249;

extern const DialogTemplate kDialog200ChoicedCaptureWindow;
