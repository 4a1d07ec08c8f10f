// Template 198: a header over the choose column, ten numbered rows of choose
// button, path and "設定", the history group, then "閉じる" at the right.
#include "res/dialog_198_work_folder.h"

#include <array>

namespace {

constexpr int kMargin = 12;
constexpr int kHeaderY = 12;
constexpr int kFirstRowY = 34;
constexpr int kRowPitch = 30;
constexpr int kNumberX = kMargin, kNumberWidth = 24;
constexpr int kChooseX = 44, kChooseWidth = 20;
constexpr int kEditX = 72, kEditWidth = 420, kEditHeight = 24;
constexpr int kBrowseX = kEditX + kEditWidth + 8, kBrowseWidth = 64;
constexpr int kRight = kBrowseX + kBrowseWidth;
constexpr int kRowsBottom = kFirstRowY + kWorkFolderRowCount * kRowPitch;

constexpr int kGroupY = kRowsBottom + 6;
constexpr int kGroupHeight = 52;
constexpr int kCloseY = kGroupY + kGroupHeight + 12;
constexpr int kCloseWidth = 100, kCloseHeight = 28;

constexpr const char16_t* kRowNumbers[kWorkFolderRowCount] = {
    u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10"};

constexpr std::size_t kPerRow = 4;
constexpr std::size_t kControlCount = 1 + kPerRow * kWorkFolderRowCount + 3;

constexpr std::array<DialogControl, kControlCount> MakeControls()
{
    std::array<DialogControl, kControlCount> c{};
    std::size_t n = 0;
    c[n++] = {ControlKind::Text, IDC_STATIC, u"選択", SS_CENTER, kMargin, kHeaderY,
        kChooseX + kChooseWidth - kMargin, 18};
    for (int r = 0; r < kWorkFolderRowCount; ++r) {
        const int y = kFirstRowY + r * kRowPitch;
        c[n++] = {ControlKind::Text, IDC_STATIC, kRowNumbers[r], SS_RIGHT, kNumberX, y + 4, kNumberWidth, 18};
        // Not automatic: the dialog checks a folder only once it knows the folder is there.
        c[n++] = {ControlKind::RadioButton, WorkFolderChooseId(r), u"", BS_RADIOBUTTON | WS_TABSTOP, kChooseX,
            y + 2, kChooseWidth, 20};
        c[n++] = {ControlKind::Edit, WorkFolderEditId(r), nullptr, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP,
            kEditX, y, kEditWidth, kEditHeight};
        c[n++] = {ControlKind::PushButton, WorkFolderBrowseId(r), u"設定", BS_PUSHBUTTON | WS_TABSTOP,
            kBrowseX, y, kBrowseWidth, kEditHeight};
    }
    c[n++] = {ControlKind::GroupBox, IDC_STATIC, u"フォルダの履歴", 0, kMargin, kGroupY, kRight - kMargin,
        kGroupHeight};
    c[n++] = {ControlKind::CheckBox, IDC_WORK_FOLDER_HISTORY,
        u"ファイルを開く・保存時にフォルダの履歴を更新する", BS_AUTOCHECKBOX | WS_TABSTOP, kMargin + 16,
        kGroupY + 22, kRight - kMargin - 32, 20};
    c[n++] = {ControlKind::DefPushButton, IDOK, u"閉じる", BS_DEFPUSHBUTTON | WS_TABSTOP,
        kRight - kCloseWidth, kCloseY, kCloseWidth, kCloseHeight};
    return c;
}

constexpr std::array<DialogControl, kControlCount> kControls = MakeControls();

}  // namespace

const DialogTemplate kDialog198WorkFolder{
    IDD_WORK_FOLDER,
    u"作業フォルダ選択ダイアログ",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE,
    0,
    kRight + kMargin,
    kCloseY + kCloseHeight + kMargin,
    kControls,
};
