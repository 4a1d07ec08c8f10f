// Template 100: the About box.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_ABOUT = 100;
inline constexpr int IDC_ABOUT_NAME = 1069;
inline constexpr int IDC_ABOUT_VERSION = 1066;
inline constexpr int IDC_ABOUT_PLATFORM_VERSION = 1067;

extern const DialogTemplate kDialog100About;
