// Template 180: the size at which a clip image is saved.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_SAVE_IMAGE_SIZE = 180;
inline constexpr int IDC_SAVE_SIZE_KEEP_RATIO = 1123;
inline constexpr int IDC_SAVE_SIZE_HEIGHT = 1124;
inline constexpr int IDC_SAVE_SIZE_WIDTH = 1125;

extern const DialogTemplate kDialog180SaveImageSize;
