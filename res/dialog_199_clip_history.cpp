// Template 199: a header line over the edge columns, twelve numbered rows,
// the update-policy group, then button 1112 (a picture) and "閉じる".
#include "res/dialog_199_clip_history.h"

#include <array>

namespace {

constexpr int kMargin = 12;
constexpr int kHeaderY = 12;
constexpr int kFirstRowY = 34;
constexpr int kRowPitch = 28;
constexpr int kNumberX = kMargin, kNumberWidth = 24;
constexpr int kSelectX = 44, kProtectX = 108, kButtonWidth = 60;
constexpr int kEditWidth = 54, kEditHeight = 24;
// Left, top, right, bottom, then a gap before the computed width and height.
constexpr int kEditX[kClipHistoryFieldCount] = {176, 236, 296, 356, 428, 488};
constexpr int kGridRight = 542;
constexpr int kGridBottom = kFirstRowY + kClipHistoryRowCount * kRowPitch - 4;

constexpr const char16_t* kFieldNames[kClipHistoryFieldCount] = {u"左", u"上", u"右", u"下", u"幅", u"高さ"};
constexpr const char16_t* kRowNumbers[kClipHistoryRowCount] = {
    u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"11", u"12"};

constexpr DWORD kPositionEdit = ES_RIGHT | ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP;
constexpr DWORD kComputedEdit = ES_RIGHT | ES_READONLY;

constexpr int kGroupY = kGridBottom + 14;
constexpr int kGroupHeight = 52;
constexpr int kButtonsY = kGroupY + kGroupHeight + 12;
constexpr int kFixedButtonWidth = 250, kFixedButtonHeight = 48;
constexpr int kCloseWidth = 100, kCloseHeight = 28;

constexpr std::size_t kPerRow = 3 + kClipHistoryFieldCount;
constexpr std::size_t kControlCount = kClipHistoryFieldCount + kPerRow * kClipHistoryRowCount + 7;

constexpr std::array<DialogControl, kControlCount> MakeControls()
{
    std::array<DialogControl, kControlCount> c{};
    std::size_t n = 0;
    for (int f = 0; f < kClipHistoryFieldCount; ++f)
        c[n++] = {
            ControlKind::Text, IDC_STATIC, kFieldNames[f], SS_CENTER, kEditX[f], kHeaderY, kEditWidth, 18};
    for (int r = 0; r < kClipHistoryRowCount; ++r) {
        const int y = kFirstRowY + r * kRowPitch;
        c[n++] = {ControlKind::Text, IDC_STATIC, kRowNumbers[r], SS_RIGHT, kNumberX, y + 4, kNumberWidth, 18};
        c[n++] = {ControlKind::RadioButton, ClipHistorySelectId(r), u"選択", BS_RADIOBUTTON | WS_TABSTOP,
            kSelectX, y + 2, kButtonWidth, 20};
        c[n++] = {ControlKind::CheckBox, ClipHistoryProtectId(r), u"保護", BS_CHECKBOX | WS_TABSTOP,
            kProtectX, y + 2, kButtonWidth, 20};
        for (int f = 0; f < kClipHistoryFieldCount; ++f)
            c[n++] = {ControlKind::Edit, ClipHistoryEditId(r, f), nullptr,
                f < kFieldWidth ? kPositionEdit : kComputedEdit, kEditX[f], y, kEditWidth, kEditHeight};
    }
    c[n++] = {ControlKind::GroupBox, IDC_STATIC, u"クリップ範囲の履歴を更新するタイミング", 0, kMargin,
        kGroupY, kGridRight - kMargin, kGroupHeight};
    c[n++] = {ControlKind::RadioButton, IDC_CLIP_HISTORY_POLICY_NEVER, u"更新しない",
        BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 28, kGroupY + 22, 130, 20};
    c[n++] = {ControlKind::RadioButton, IDC_CLIP_HISTORY_POLICY_ON_CLIP, u"クリップ時", BS_AUTORADIOBUTTON,
        178, kGroupY + 22, 130, 20};
    c[n++] = {ControlKind::RadioButton, IDC_CLIP_HISTORY_POLICY_ON_SAVE, u"ファイル保存時",
        BS_AUTORADIOBUTTON, 328, kGroupY + 22, 150, 20};
    c[n++] = {ControlKind::CheckBox, IDC_CLIP_HISTORY_SAVE_CHECK, u"ファイル保存時にこの履歴を更新する",
        BS_AUTOCHECKBOX | CS_HIDDEN, kMargin, kButtonsY, 300, 20};
    c[n++] = {ControlKind::BitmapButton, IDC_CLIP_HISTORY_CLOSE_FIXED,
        u"閉じて\n固定モードで範囲選択状態にする", BS_PUSHBUTTON | BS_BITMAP | BS_MULTILINE | WS_TABSTOP,
        kMargin, kButtonsY, kFixedButtonWidth, kFixedButtonHeight};
    c[n++] = {ControlKind::DefPushButton, IDOK, u"閉じる", BS_DEFPUSHBUTTON | WS_TABSTOP,
        kGridRight - kCloseWidth, kButtonsY + (kFixedButtonHeight - kCloseHeight) / 2, kCloseWidth,
        kCloseHeight};
    if (n != kControlCount)
        throw "the table's size does not match its entries";  // stops the build
    return c;
}

constexpr std::array<DialogControl, kControlCount> kControls = MakeControls();

}  // namespace

const DialogTemplate kDialog199ClipHistory{
    IDD_CLIP_HISTORY,
    u"クリップ範囲の履歴 & 選択ダイアログ",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE,
    0,
    kGridRight + kMargin,
    kButtonsY + kFixedButtonHeight + kMargin,
    kControls,
};
