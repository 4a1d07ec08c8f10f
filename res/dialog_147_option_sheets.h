// Templates 147 and 296: the option sheets of clip mode and of the multi view.
// Both are a tab strip over the pages' place, OK and Cancel.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_OPTION_SHEET = 147;
inline constexpr UINT IDD_OPTION_SHEET_MULTI = 296;
inline constexpr int IDC_OPTION_TABS = 1063;

extern const DialogTemplate kDialog147OptionSheet;
extern const DialogTemplate kDialog296OptionSheetMulti;
