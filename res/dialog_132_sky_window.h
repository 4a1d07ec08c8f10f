// Template 132: the overview window.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_SKY_WINDOW = 132;
inline constexpr int IDC_SKY_PICTURE = 1023;

extern const DialogTemplate kDialog132SkyWindow;
