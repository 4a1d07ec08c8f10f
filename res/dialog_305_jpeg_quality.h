// Template 305: the JPEG quality asked for before a JPEG file is written.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_JPEG_QUALITY = 305;
inline constexpr int IDC_JPEG_QUALITY_SLIDER = 1351;
inline constexpr int IDC_JPEG_QUALITY_EDIT = 1290;
inline constexpr int IDC_JPEG_QUALITY_ALWAYS_ASK = 1123;

extern const DialogTemplate kDialog305JpegQuality;
