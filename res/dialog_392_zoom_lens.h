// Template 392: the zoom lens, a caption-less pop-up with one picture control.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_ZOOM_LENS = 392;
inline constexpr int IDC_ZOOM_LENS_PICTURE = 1743;

extern const DialogTemplate kDialog392ZoomLens;
