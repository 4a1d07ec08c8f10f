// Template 356: renaming the multi view's selected files, one at a time or
// all by one rule.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_CHANGE_FILE_NAME = 356;
inline constexpr int IDC_RENAME_SINGLE = 1517;
inline constexpr int IDC_RENAME_BATCH = 1518;
inline constexpr int IDC_RENAME_EDIT = 1290;
inline constexpr int IDC_RENAME_EDIT_TITLE = 1522;
inline constexpr int IDC_RENAME_STATUS = 1512;
inline constexpr int IDC_RENAME_TOTAL = 1524;
// The selection methods 1 .. 6 (3 and 6 are never shown).
inline constexpr int IDC_RENAME_SELECT_WHOLE = 1347;
inline constexpr int IDC_RENAME_SELECT_NAME = 1340;
inline constexpr int IDC_RENAME_SELECT_EXTENSION = 1254;
inline constexpr int IDC_RENAME_CARET_START = 1117;
inline constexpr int IDC_RENAME_CARET_AFTER_NAME = 1514;
inline constexpr int IDC_RENAME_CARET_END = 1515;
inline constexpr int IDC_RENAME_ADD = 1529;
inline constexpr int IDC_RENAME_DELETE = 1530;
inline constexpr int IDC_RENAME_ADD_HEAD = 1519;
inline constexpr int IDC_RENAME_ADD_END = 1520;
inline constexpr int IDC_RENAME_SEPARATOR_ON = 1123;
inline constexpr int IDC_RENAME_HYPHEN = 1525;
inline constexpr int IDC_RENAME_UNDERSCORE = 1526;
inline constexpr int IDC_RENAME_DELETE_HEAD = 1523;
inline constexpr int IDC_RENAME_DELETE_END = 1527;
inline constexpr int IDC_RENAME_COUNT_SPIN = 1309;
inline constexpr int IDC_RENAME_RESTORE = 1532;
inline constexpr int IDC_RENAME_PREVIEW = 1533;
inline constexpr int IDC_RENAME_EXECUTE = 1112;
// The three group frames, enabled with their modes.
inline constexpr int IDC_RENAME_SELECT_GROUP = 1541;
inline constexpr int IDC_RENAME_ADD_GROUP = 1542;
inline constexpr int IDC_RENAME_DELETE_GROUP = 1543;

// Where the edit and its up-down control stand.
inline constexpr int kRenameEditX = 20;
inline constexpr int kRenameEditY = 62;
inline constexpr int kRenameEditHeight = 26;

extern const DialogTemplate kDialog356ChangeFileName;
