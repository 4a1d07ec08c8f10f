// Template 295: the multi view's page: paging, thumbnails when memory is low,
// and the ways into clip mode.
#include "res/dialog_295_option_multi.h"

namespace {

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadioFirst = BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_RADIOBUTTON;

const DialogControl kControls[] = {
    {ControlKind::GroupBox, IDC_STATIC, u"タイル表示における、１スクロール当たりの画像入れ換え量", 0, 8, 4,
        444, 72},
    {ControlKind::RadioButton, IDC_OPTMULTI_HALF_PAGE, u"約半分の画像を入れ換える", kRadioFirst, 20, 26, 400,
        20},
    {ControlKind::RadioButton, IDC_OPTMULTI_WHOLE_PAGE, u"全ての画像を入れ換える", kRadio, 20, 48, 400, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"フリーメモリが少ない時の画像表示", 0, 8, 84, 444, 72},
    {ControlKind::RadioButton, IDC_OPTMULTI_COARSE, u"画像を粗く表示する", kRadioFirst, 20, 106, 400, 20},
    {ControlKind::RadioButton, IDC_OPTMULTI_RELOAD, u"スクロール毎にファイルを読み込む", kRadio, 20, 128, 400,
        20},
    {ControlKind::CheckBox, IDC_OPTMULTI_DBL_CLICK, u"ダブルクリックで編集モードに移行する。(タイル表示のみ)",
        kCheck, 20, 170, 420, 20},
    {ControlKind::CheckBox, IDC_OPTMULTI_DBL_CLICK_PREVIEW, u"プレビュー表示時にも適用する。", kCheck, 40,
        192, 400, 20},
    {ControlKind::CheckBox, IDC_OPTMULTI_ENTER_KEY, u"Enterキー押しで編集モードに移行する。", kCheck, 20, 218,
        420, 20},
};

}  // namespace

const DialogTemplate kDialog295OptionMulti{
    IDD_OPTION_MULTI,
    nullptr,
    WS_CHILD,
    0,
    460,
    380,
    kControls,
};
