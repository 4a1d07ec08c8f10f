// Template 134: the control panel, the clip mode's row of buttons beside the
// stage.
#pragma once

#include "platform/types/types.h"

inline constexpr UINT IDD_CONTROL_WINDOW = 134;
inline constexpr int IDC_CONTROL_RANGE_CLICK = 1111;
inline constexpr int IDC_CONTROL_WHEEL = 1112;
inline constexpr int IDC_CONTROL_FIXED_MODE = 1246;
