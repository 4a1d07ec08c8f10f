// Template 356: the mode at the top, the edit with its title and status
// lines, the single mode's caret choices beside the thumbnail, the batch
// rules below them, and the buttons at the bottom.
#include "res/dialog_356_change_file_name.h"

namespace {

constexpr DWORD kRadio = BS_AUTORADIOBUTTON | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;

const DialogControl kControls[] = {
    {ControlKind::RadioButton, IDC_RENAME_SINGLE, u"個別ファイル名変換", kFirstRadio, 20, 12, 180, 20},
    {ControlKind::RadioButton, IDC_RENAME_BATCH, u"一括ファイル名変換", kRadio, 220, 12, 180, 20},
    {ControlKind::Text, IDC_RENAME_EDIT_TITLE, u"新ファイル名の指定", SS_LEFT, 20, 40, 470, 18},
    {ControlKind::Edit, IDC_RENAME_EDIT, nullptr, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, kRenameEditX,
        kRenameEditY, 462, kRenameEditHeight},
    {ControlKind::Spin, IDC_RENAME_COUNT_SPIN, nullptr, CS_HIDDEN, kRenameEditX + 32, kRenameEditY, 16,
        kRenameEditHeight},
    {ControlKind::Text, IDC_RENAME_STATUS, nullptr, SS_LEFT, 20, 96, 470, 22},
    {ControlKind::Text, IDC_RENAME_TOTAL, nullptr, SS_LEFT | CS_HIDDEN, 300, 40, 190, 18},

    {ControlKind::GroupBox, IDC_RENAME_SELECT_GROUP, u"■ 起動時のファイル名選択方法", 0, 12, 128, 340, 150},
    {ControlKind::RadioButton, IDC_RENAME_SELECT_WHOLE, u"選択 : ファイル名全体", kFirstRadio, 28, 150, 300,
        20},
    {ControlKind::RadioButton, IDC_RENAME_SELECT_NAME, u"選択 : ファイル名のみ", kRadio, 28, 174, 300, 20},
    {ControlKind::RadioButton, IDC_RENAME_SELECT_EXTENSION, u"選択 : 拡張子のみ", kRadio | CS_HIDDEN, 28, 174,
        300, 20},
    {ControlKind::RadioButton, IDC_RENAME_CARET_START, u"カーソル : ファイル名の先頭", kRadio, 28, 198, 300,
        20},
    {ControlKind::RadioButton, IDC_RENAME_CARET_AFTER_NAME, u"カーソル : ファイル名の後ろ", kRadio, 28, 222,
        300, 20},
    {ControlKind::RadioButton, IDC_RENAME_CARET_END, u"カーソル : 拡張子の後ろ", kRadio | CS_HIDDEN, 28, 222,
        300, 20},
    {ControlKind::Picture, IDC_RENAME_PREVIEW, nullptr, SS_BLACKFRAME, 380, 134, 98, 98},
    {ControlKind::PushButton, IDC_RENAME_RESTORE, u"元のファイル名に戻す", BS_PUSHBUTTON | WS_TABSTOP, 364,
        246, 130, 26},

    {ControlKind::RadioButton, IDC_RENAME_ADD, u"文字列を追加", kFirstRadio, 20, 292, 160, 20},
    {ControlKind::RadioButton, IDC_RENAME_DELETE, u"文字列を削除", kRadio, 260, 292, 160, 20},
    {ControlKind::GroupBox, IDC_RENAME_ADD_GROUP, u"■ 付加する位置", 0, 12, 318, 236, 128},
    {ControlKind::RadioButton, IDC_RENAME_ADD_HEAD, u"ファイル名の先頭", kFirstRadio, 28, 340, 200, 20},
    {ControlKind::RadioButton, IDC_RENAME_ADD_END, u"ファイル名の最後", kRadio, 28, 364, 200, 20},
    {ControlKind::CheckBox, IDC_RENAME_SEPARATOR_ON, u"セパレータを付加する", BS_AUTOCHECKBOX | WS_TABSTOP,
        28, 392, 200, 20},
    {ControlKind::RadioButton, IDC_RENAME_HYPHEN, u"ハイフン", kFirstRadio, 44, 416, 90, 20},
    {ControlKind::RadioButton, IDC_RENAME_UNDERSCORE, u"アンダーバー", kRadio, 136, 416, 100, 20},
    {ControlKind::GroupBox, IDC_RENAME_DELETE_GROUP, u"■ 削除する位置", 0, 256, 318, 236, 128},
    {ControlKind::RadioButton, IDC_RENAME_DELETE_HEAD, u"ファイル名の先頭から", kFirstRadio, 272, 340, 200,
        20},
    {ControlKind::RadioButton, IDC_RENAME_DELETE_END, u"ファイル名の最後から", kRadio, 272, 364, 200, 20},

    {ControlKind::PushButton, IDC_RENAME_EXECUTE, u"ファイル名変更", BS_PUSHBUTTON | WS_TABSTOP, 212, 462,
        150, 30},
    {ControlKind::PushButton, IDCANCEL, u"閉じる", BS_PUSHBUTTON | WS_TABSTOP, 372, 462, 120, 30},
};

}  // namespace

const DialogTemplate kDialog356ChangeFileName{
    IDD_CHANGE_FILE_NAME,
    u"ファイル名の変更",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE,
    0,
    504,
    506,
    kControls,
};
