// Template 274: the scroll-capture question. The browser's icon and name
// stand before the question; OK answers with a scroll capture, Cancel with a
// normal capture. Always on top, without a close box.
#include "res/dialog_274_query_scroll_capture.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Picture, IDC_QUERY_SCROLL_ICON, nullptr, SS_LEFT, 20, 18, 32, 32},
    {ControlKind::Edit, IDC_QUERY_SCROLL_BROWSER, nullptr, ES_LEFT | ES_AUTOHSCROLL | ES_READONLY, 64, 22,
        308, 24},
    {ControlKind::Text, IDC_STATIC, u"のスクロールキャプチャを行いますか？", SS_LEFT, 64, 54, 300, 18},
    {ControlKind::DefPushButton, IDOK, u"はい\n( スクロールキャプチャ )",
        BS_DEFPUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 28, 86, 160, 44},
    {ControlKind::PushButton, IDCANCEL, u"いいえ\n( 通常のキャプチャ )",
        BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 204, 86, 160, 44},
    {ControlKind::Text, IDC_STATIC, u"※ 実行中、マウス操作を行うと失敗します。", SS_LEFT, 20, 146, 352, 18},
    {ControlKind::Text, IDC_STATIC, u"※ 実行後の動作を、", SS_LEFT, 20, 170, 352, 18},
    {ControlKind::Text, IDC_STATIC, u"「設定」-「オプション」-「スクロールキャプチャ」タブ", SS_LEFT, 34, 190,
        338, 18},
    {ControlKind::Text, IDC_STATIC, u"から指定できます。", SS_LEFT, 34, 210, 338, 18},
};

}  // namespace

const DialogTemplate kDialog274QueryScrollCapture{
    IDD_QUERY_SCROLL_CAPTURE,
    u"スクロールキャプチャ確認",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE,
    WS_EX_TOPMOST,
    392,
    240,
    kControls,
};
