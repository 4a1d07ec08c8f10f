// Template 156: the option sheet's display-colour page (pixel grid, centre
// marker, coordinate labels and the clip frame). Each colour button has a
// swatch beside it that shows the colour.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_OPTION_COLOR = 156;
inline constexpr int IDC_OPTCOLOR_SHOW_GRID = 1147;
inline constexpr int IDC_OPTCOLOR_GRID_COLOR = 1119;
inline constexpr int IDC_OPTCOLOR_GRID_SWATCH = 1121;
inline constexpr int IDC_OPTCOLOR_GRID_LINE = 1148;
inline constexpr int IDC_OPTCOLOR_GRID_DOT = 1149;
inline constexpr int IDC_OPTCOLOR_GRID_LEVEL = 1257;
inline constexpr int IDC_OPTCOLOR_SHOW_MARKER = 1122;
inline constexpr int IDC_OPTCOLOR_MARKER_COLOR = 1124;
inline constexpr int IDC_OPTCOLOR_MARKER_SWATCH = 1123;
inline constexpr int IDC_OPTCOLOR_SHOW_CORR = 1120;
inline constexpr int IDC_OPTCOLOR_XY_TEXT = 1115;
inline constexpr int IDC_OPTCOLOR_XY_BACK = 1117;
inline constexpr int IDC_OPTCOLOR_XY_TEXT_SWATCH = 1111;
inline constexpr int IDC_OPTCOLOR_XY_BACK_SWATCH = 1112;
inline constexpr int IDC_OPTCOLOR_SIZE_TEXT = 1116;
inline constexpr int IDC_OPTCOLOR_SIZE_BACK = 1118;
inline constexpr int IDC_OPTCOLOR_SIZE_TEXT_SWATCH = 1113;
inline constexpr int IDC_OPTCOLOR_SIZE_BACK_SWATCH = 1114;
inline constexpr int IDC_OPTCOLOR_RANGE_COLOR = 1109;
inline constexpr int IDC_OPTCOLOR_RANGE_SWATCH = 1110;
inline constexpr int IDC_OPTCOLOR_CLICK_FRAME = 1259;
inline constexpr int IDC_OPTCOLOR_CLICK_DARKEN = 1260;
inline constexpr int IDC_OPTCOLOR_CLICK_BRIGHTEN = 1254;
inline constexpr int IDC_OPTCOLOR_WHEEL_FRAME = 1261;
inline constexpr int IDC_OPTCOLOR_WHEEL_DARKEN = 1262;
inline constexpr int IDC_OPTCOLOR_WHEEL_BRIGHTEN = 1263;

extern const DialogTemplate kDialog156OptionColor;
