// Template 155: the option sheet's general page (zoom and clip windows).
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_OPTION_BASIC = 155;
inline constexpr int IDC_OPTBASIC_SHOW_ZOOM = 1107;
inline constexpr int IDC_OPTBASIC_CENTER_ZOOM = 1111;
inline constexpr int IDC_OPTBASIC_EVEN_SCALE = 1119;
inline constexpr int IDC_OPTBASIC_CLIP_WINDOW_POS = 1112;
inline constexpr int IDC_OPTBASIC_CLOSE_ON_SAVE = 1122;
inline constexpr int IDC_OPTBASIC_CLOSE_ON_CLIP = 1123;
inline constexpr int IDC_OPTBASIC_CONTINUE_CAPTURE = 1592;
inline constexpr int IDC_OPTBASIC_ZOOM_STEP = 1264;
inline constexpr int IDC_OPTBASIC_MAX_ZOOM = 1266;
inline constexpr int IDC_OPTBASIC_HIT_ZOOM = 1265;

extern const DialogTemplate kDialog155OptionBasic;
