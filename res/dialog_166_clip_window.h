// Template 166: a clip window. Its buttons' ids are the commands the Ctrl+key
// shortcuts post to it.
#pragma once

#include "platform/types/types.h"

inline constexpr UINT IDD_CLIP_WINDOW = 166;
inline constexpr int IDC_CLIP_SAVE = 1089;           // Ctrl+S
inline constexpr int IDC_CLIP_COPY = 1112;           // Ctrl+C
inline constexpr int IDC_CLIP_COPY_TO_STAGE = 1534;  // Ctrl+A: copy, paste into the stage and close
inline constexpr int IDC_CLIP_PRINT = 1113;          // Ctrl+P
inline constexpr int IDC_CLIP_CLOSE = 1092;          // Ctrl+Q
