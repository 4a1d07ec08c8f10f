// Template 311: the tags the multi view clears, the value rationals receive and whether the clear button asks
// first. The tag check boxes carry the ids of exif/exif_tag_mask.cpp's table.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_EXIF_CLEAR_SETTINGS = 311;
inline constexpr int IDC_EXIFCLEAR_CAMERA_ALL = 1112;
inline constexpr int IDC_EXIFCLEAR_CAMERA_NONE = 1467;
inline constexpr int IDC_EXIFCLEAR_SHOOTING_ALL = 1092;
inline constexpr int IDC_EXIFCLEAR_SHOOTING_NONE = 1468;
inline constexpr int IDC_EXIFCLEAR_GPS_ALL = 1469;
inline constexpr int IDC_EXIFCLEAR_GPS_NONE = 1470;
inline constexpr int IDC_EXIFCLEAR_VALUE_ZERO = 1347;
inline constexpr int IDC_EXIFCLEAR_VALUE_ONE = 1340;
inline constexpr int IDC_EXIFCLEAR_SHOW_DIALOG = 1123;

extern const DialogTemplate kDialog311ExifClearSettings;
