// Template 146: the wait box, a caption, two lines of text and a progress bar.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_WAIT_OPERATE = 146;
inline constexpr int IDC_WAIT_OPERATE_PROGRESS = 1059;
inline constexpr int IDC_WAIT_OPERATE_LINE1 = 1060;
inline constexpr int IDC_WAIT_OPERATE_LINE2 = 1061;

extern const DialogTemplate kDialog146WaitOperate;
