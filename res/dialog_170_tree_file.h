// Template 170: the file-tree window. The folder tree over the tree of the
// folder's image files, then the extension filter and the explorer button
// on one line.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_TREE_FILE = 170;
inline constexpr int IDC_TREE_FILE_FOLDERS = 1095;
inline constexpr int IDC_TREE_FILE_FILES = 1096;
inline constexpr int IDC_TREE_FILE_FILTER = 1105;
inline constexpr int IDC_TREE_FILE_EXPLORE = 1112;

extern const DialogTemplate kDialog170TreeFile;
