// Template 271: the option sheet's scroll-capture page.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_OPTION_SCROLL_CAPTURE = 271;
inline constexpr int IDC_OPTSCROLL_ALWAYS = 1265;
inline constexpr int IDC_OPTSCROLL_ASK = 1266;
inline constexpr int IDC_OPTSCROLL_NEVER = 1254;
inline constexpr int IDC_OPTSCROLL_SHOW_WHOLE = 1268;
inline constexpr int IDC_OPTSCROLL_SHOW_AREA = 1117;
inline constexpr int IDC_OPTSCROLL_CLIP_WHOLE = 1270;
inline constexpr int IDC_OPTSCROLL_CLIP_AREA = 1118;
inline constexpr int IDC_OPTSCROLL_FIXED_AREA = 1269;
inline constexpr int IDC_OPTSCROLL_WAIT = 1267;
inline constexpr int IDC_OPTSCROLL_AMBIGUOUS = 1291;
inline constexpr int IDC_OPTSCROLL_MATCH_LINES = 1292;

extern const DialogTemplate kDialog271OptionScrollCapture;
