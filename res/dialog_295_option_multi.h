// Template 295: the multi-view option sheet's page.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_OPTION_MULTI = 295;
inline constexpr int IDC_OPTMULTI_HALF_PAGE = 1343;
inline constexpr int IDC_OPTMULTI_WHOLE_PAGE = 1344;
inline constexpr int IDC_OPTMULTI_COARSE = 1345;
inline constexpr int IDC_OPTMULTI_RELOAD = 1340;
inline constexpr int IDC_OPTMULTI_DBL_CLICK = 1123;
inline constexpr int IDC_OPTMULTI_DBL_CLICK_PREVIEW = 1125;
inline constexpr int IDC_OPTMULTI_ENTER_KEY = 1124;

extern const DialogTemplate kDialog295OptionMulti;
