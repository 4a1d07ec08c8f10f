// Template 310: the tags the EXIF information window lists, its image, font size and GPS format.
// The tag check boxes carry the ids of exif/exif_tag_mask.cpp's table.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_EXIF_DISPLAY_SETTINGS = 310;
inline constexpr int IDC_EXIFVIEW_TARGET_CLICK = 1353;
inline constexpr int IDC_EXIFVIEW_TARGET_MOUSE = 1340;
inline constexpr int IDC_EXIFVIEW_FONT_SIZE = 1535;
inline constexpr int IDC_EXIFVIEW_REMEMBER_POSITION = 1466;
inline constexpr int IDC_EXIFVIEW_CAMERA_ALL = 1471;
inline constexpr int IDC_EXIFVIEW_CAMERA_NONE = 1476;
inline constexpr int IDC_EXIFVIEW_SHOOTING_ALL = 1472;
inline constexpr int IDC_EXIFVIEW_SHOOTING_NONE = 1473;
inline constexpr int IDC_EXIFVIEW_GPS_ALL = 1474;
inline constexpr int IDC_EXIFVIEW_GPS_NONE = 1475;
inline constexpr int IDC_EXIFVIEW_GPS_DECIMAL = 1347;
inline constexpr int IDC_EXIFVIEW_GPS_SEXAGESIMAL = 1254;

extern const DialogTemplate kDialog310ExifDisplaySettings;
