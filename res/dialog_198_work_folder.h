// Template 198: the ten work folders. Each row is the folder's number, its
// choose button, its path and its browse button "設定"; below them the
// folder-history switch and "閉じる".
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_WORK_FOLDER = 198;
inline constexpr int kWorkFolderRowCount = 10;

// Row r (0..9) owns choose button 1149 + r, edit 1159 + r and browse button 1112 + r.
inline constexpr int IDC_WORK_FOLDER_CHOOSE_FIRST = 1149;
inline constexpr int IDC_WORK_FOLDER_EDIT_FIRST = 1159;
inline constexpr int IDC_WORK_FOLDER_BROWSE_FIRST = 1112;
inline constexpr int IDC_WORK_FOLDER_HISTORY = 1123;
// IDOK (1) is the "閉じる" button.

constexpr int WorkFolderChooseId(int row)
{
    return IDC_WORK_FOLDER_CHOOSE_FIRST + row;
}
constexpr int WorkFolderEditId(int row)
{
    return IDC_WORK_FOLDER_EDIT_FIRST + row;
}
constexpr int WorkFolderBrowseId(int row)
{
    return IDC_WORK_FOLDER_BROWSE_FIRST + row;
}

extern const DialogTemplate kDialog198WorkFolder;
