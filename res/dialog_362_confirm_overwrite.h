// Template 362: the question what to do with a dropped file whose name the
// target folder already holds.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_CONFIRM_OVERWRITE = 362;
inline constexpr int IDC_OVERWRITE_APPLY_TO_ALL = 1123;
inline constexpr int IDC_OVERWRITE_NEWER_ONLY = 1593;
inline constexpr int IDC_OVERWRITE_HEADER = 1594;
inline constexpr int IDC_OVERWRITE_NAME = 1537;
inline constexpr int IDC_OVERWRITE_NEW_NAME = 1290;
inline constexpr int IDC_OVERWRITE_REPLACE = 1112;
inline constexpr int IDC_OVERWRITE_SKIP = 1536;
inline constexpr int IDC_OVERWRITE_RENAME = 1092;

extern const DialogTemplate kDialog362ConfirmOverwrite;
