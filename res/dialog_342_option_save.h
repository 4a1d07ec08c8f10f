// Template 342: the option sheet's save page (format, JPEG quality,
// interpolation and automatic file names with an example).
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_OPTION_SAVE = 342;
inline constexpr int IDC_OPTSAVE_BMP = 1114;
inline constexpr int IDC_OPTSAVE_JPEG = 1115;
inline constexpr int IDC_OPTSAVE_TIFF = 1118;
inline constexpr int IDC_OPTSAVE_GIF = 1116;
inline constexpr int IDC_OPTSAVE_PNG = 1117;
inline constexpr int IDC_OPTSAVE_QUALITY_SLIDER = 1483;
inline constexpr int IDC_OPTSAVE_QUALITY_EDIT = 1290;
inline constexpr int IDC_OPTSAVE_SHOW_QUALITY = 1484;
inline constexpr int IDC_OPTSAVE_INTERPOLATE = 1347;
inline constexpr int IDC_OPTSAVE_NO_INTERPOLATE = 1340;
inline constexpr int IDC_OPTSAVE_AUTO_NAME = 1486;
inline constexpr int IDC_OPTSAVE_ONLY_CAPTURE = 1488;
inline constexpr int IDC_OPTSAVE_FRONT_TEXT = 1744;
inline constexpr int IDC_OPTSAVE_SERIAL = 1348;
inline constexpr int IDC_OPTSAVE_DATE = 1349;
inline constexpr int IDC_OPTSAVE_LETTER = 1350;
inline constexpr int IDC_OPTSAVE_DIGITS_3 = 1254;
inline constexpr int IDC_OPTSAVE_DIGITS_4 = 1256;
inline constexpr int IDC_OPTSAVE_DIGITS_5 = 1257;
inline constexpr int IDC_OPTSAVE_EXAMPLE = 1745;
inline constexpr int IDC_OPTSAVE_OVERWRITE_SAME = 1487;

extern const DialogTemplate kDialog342OptionSave;
