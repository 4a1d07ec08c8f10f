// Template 307: the EXIF information window, one read-only list.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_EXIF_INFO = 307;
inline constexpr int IDC_EXIF_INFO_TEXT = 1290;

extern const DialogTemplate kDialog307ExifInfo;
