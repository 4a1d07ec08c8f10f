// Template 166: a clip window. Its buttons' ids are the commands the Ctrl+key
// shortcuts post to it.
#pragma once

#include "platform/dialog/dialog_template.h"
#include "platform/types/types.h"

inline constexpr UINT IDD_CLIP_WINDOW = 166;
inline constexpr int IDC_CLIP_SAVE = 1089;           // Ctrl+S
inline constexpr int IDC_CLIP_COPY = 1112;           // Ctrl+C
inline constexpr int IDC_CLIP_COPY_TO_STAGE = 1534;  // Ctrl+A: copy, paste into the stage and close
inline constexpr int IDC_CLIP_PRINT = 1113;          // Ctrl+P
inline constexpr int IDC_CLIP_CLOSE = 1092;          // Ctrl+Q
inline constexpr int IDC_CLIP_PICK_COLOR = 1251;     // push-like: pick the PNG transparent colour
inline constexpr int IDC_CLIP_SAVE_SIZE = 1105;      // combo: clipped, shown or given size
inline constexpr int IDC_CLIP_PICTURE = 1094;        // the picture control
inline constexpr int IDC_CLIP_BUTTON_ROW = 1093;     // hidden; its height is the buttons' row

extern const DialogTemplate kDialog166ClipWindow;
