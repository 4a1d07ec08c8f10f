// Template 181: the colour-adjustment dialog.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_COLOR_ADJUST = 181;
inline constexpr int IDC_CONTRAST_CENTER = 1112;
inline constexpr int IDC_CONTRAST_LINK_RED = 1123;
inline constexpr int IDC_CONTRAST_LINK_GREEN = 1124;
inline constexpr int IDC_CONTRAST_SLIDER_RED = 1125;
inline constexpr int IDC_CONTRAST_SLIDER_GREEN = 1126;
inline constexpr int IDC_CONTRAST_SLIDER_BLUE = 1127;
inline constexpr int IDC_CONTRAST_LINK_BLUE = 1128;
inline constexpr int IDC_CONTRAST_SPIN_RED = 1137;
inline constexpr int IDC_CONTRAST_SPIN_GREEN = 1138;
inline constexpr int IDC_CONTRAST_SPIN_BLUE = 1139;
inline constexpr int IDC_CONTRAST_VALUE_RED = 1140;
inline constexpr int IDC_CONTRAST_VALUE_GREEN = 1141;
inline constexpr int IDC_CONTRAST_VALUE_BLUE = 1142;
inline constexpr int IDC_CONTRAST_SWATCH_RED = 1143;
inline constexpr int IDC_CONTRAST_SWATCH_GREEN = 1144;
inline constexpr int IDC_CONTRAST_SWATCH_BLUE = 1145;

extern const DialogTemplate kDialog181ColorAdjust;
