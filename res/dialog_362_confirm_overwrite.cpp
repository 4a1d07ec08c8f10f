// Template 362: the header line, the file's name (or the edit for a new
// name in its place), the three choices, and the two options below them.
// The close box stops the copy after a question.
#include "res/dialog_362_confirm_overwrite.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Text, IDC_OVERWRITE_HEADER, u"このフォルダ内には既に", SS_LEFT, 20, 16, 400, 18},
    {ControlKind::Text, IDC_OVERWRITE_NAME, nullptr, SS_LEFT, 36, 40, 384, 26},
    {ControlKind::Edit, IDC_OVERWRITE_NEW_NAME, nullptr, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | CS_HIDDEN,
        36, 40, 384, 26},
    {ControlKind::Text, IDC_STATIC, u"と言う名前のファイルが存在します。", SS_LEFT, 20, 74, 400, 18},
    {ControlKind::Text, IDC_STATIC, u"処理を選択して下さい。", SS_LEFT, 20, 96, 400, 18},
    {ControlKind::PushButton, IDC_OVERWRITE_REPLACE, u"ファイルを上書きする", BS_PUSHBUTTON | WS_TABSTOP, 20,
        126, 400, 30},
    {ControlKind::PushButton, IDC_OVERWRITE_SKIP, u"スキップ  ( 同名ファイルはコピーしない )",
        BS_PUSHBUTTON | WS_TABSTOP, 20, 162, 400, 30},
    {ControlKind::PushButton, IDC_OVERWRITE_RENAME, u"ファイル名を変更する", BS_PUSHBUTTON | WS_TABSTOP, 20,
        198, 400, 30},
    {ControlKind::GroupBox, IDC_STATIC, u"「ファイル上書き」のオプション", 0, 12, 240, 416, 74},
    {ControlKind::CheckBox, IDC_OVERWRITE_APPLY_TO_ALL, u"以後、同じ操作で処理を行う。",
        BS_AUTOCHECKBOX | WS_TABSTOP, 28, 260, 384, 20},
    {ControlKind::CheckBox, IDC_OVERWRITE_NEWER_ONLY, u"日付の新しいファイルのみ上書きする。",
        BS_AUTOCHECKBOX | WS_TABSTOP, 28, 284, 384, 20},
};

}  // namespace

const DialogTemplate kDialog362ConfirmOverwrite{
    IDD_CONFIRM_OVERWRITE,
    u"ファイルの上書き確認",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE,
    0,
    440,
    330,
    kControls,
};
