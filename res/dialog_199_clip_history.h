// Template 199: the clip-range history. Twelve rows, each a select button, a
// protect button and the edges left, top, right, bottom with the computed
// width and height; below them the update-policy group and the buttons.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_CLIP_HISTORY = 199;
inline constexpr int kClipHistoryRowCount = 12;

// Row r (0..11) owns select button 1161 + r, protect button 1123 + r and the
// six edits 1173 + 6r .. 1178 + 6r in the order of ClipHistoryField.
inline constexpr int IDC_CLIP_HISTORY_SELECT_FIRST = 1161;
inline constexpr int IDC_CLIP_HISTORY_PROTECT_FIRST = 1123;
inline constexpr int IDC_CLIP_HISTORY_EDIT_FIRST = 1173;
inline constexpr int IDC_CLIP_HISTORY_POLICY_NEVER = 1252;
inline constexpr int IDC_CLIP_HISTORY_POLICY_ON_CLIP = 1253;
inline constexpr int IDC_CLIP_HISTORY_POLICY_ON_SAVE = 1254;
inline constexpr int IDC_CLIP_HISTORY_SAVE_CHECK = 1245;  // hidden
inline constexpr int IDC_CLIP_HISTORY_CLOSE_FIXED = 1112;
// IDOK (1) is the "閉じる" button.

enum ClipHistoryField : int { kFieldLeft, kFieldTop, kFieldRight, kFieldBottom, kFieldWidth, kFieldHeight };
inline constexpr int kClipHistoryFieldCount = 6;

constexpr int ClipHistorySelectId(int row)
{
    return IDC_CLIP_HISTORY_SELECT_FIRST + row;
}
constexpr int ClipHistoryProtectId(int row)
{
    return IDC_CLIP_HISTORY_PROTECT_FIRST + row;
}
constexpr int ClipHistoryEditId(int row, int field)
{
    return IDC_CLIP_HISTORY_EDIT_FIRST + kClipHistoryFieldCount * row + field;
}

extern const DialogTemplate kDialog199ClipHistory;
