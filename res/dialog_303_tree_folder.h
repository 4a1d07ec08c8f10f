// Template 303: the folder-tree window, "フォルダの選択". A top row with the
// switch of the shortcut area, the label alignment and the explorer button;
// the shortcut area "一発フォルダ移動" with five folder labels and their
// "登録" buttons; the folder tree below. The five jump buttons are hidden:
// their commands jump to a shortcut.
#pragma once

#include "platform/dialog/dialog_template.h"

#include <array>

inline constexpr UINT IDD_TREE_FOLDER = 303;
inline constexpr int IDC_TREE_FOLDER_TREE = 1349;
inline constexpr int IDC_TREE_FOLDER_SHORTCUT_GROUP = 1596;
inline constexpr int IDC_TREE_FOLDER_SHOW_SHORTCUTS = 1600;
inline constexpr int IDC_TREE_FOLDER_ALIGN = 1606;
inline constexpr int IDC_TREE_FOLDER_EXPLORE = 1607;

// Shortcut i (0..4): its label, its "登録" button and its hidden jump button.
inline constexpr std::array<int, 5> kTreeFolderShortcutLabelIds = {1601, 1602, 1603, 1604, 1605};
inline constexpr std::array<int, 5> kTreeFolderRegisterIds = {1112, 1597, 1092, 1598, 1599};
inline constexpr std::array<int, 5> kTreeFolderJumpIds = {1347, 1348, 1350, 1351, 1352};

// The bitmaps of the alignment and explorer buttons at icon scale 1 and 2.
inline constexpr int kTreeAlignBitmap = 372;
inline constexpr int kTreeAlignBitmapLarge = 373;
inline constexpr int kTreeExploreBitmap = 176;
inline constexpr int kTreeExploreBitmapLarge = 340;

extern const DialogTemplate kDialog303TreeFolder;
