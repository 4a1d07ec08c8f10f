// Template 146: the wait box. Always on top; its caption is replaced when it
// opens, and it has no close box.
#include "res/dialog_146_wait_operate.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Text, IDC_WAIT_OPERATE_LINE1, u"処理中です", SS_LEFT, 20, 16, 320, 18},
    {ControlKind::Text, IDC_WAIT_OPERATE_LINE2, u"しばらくお待ちください。", SS_LEFT, 20, 40, 320, 18},
    {ControlKind::Progress, IDC_WAIT_OPERATE_PROGRESS, nullptr, PBS_SMOOTH, 20, 70, 320, 18},
};

}  // namespace

const DialogTemplate kDialog146WaitOperate{
    IDD_WAIT_OPERATE,
    u"KestrelPro 連続キャプチャ",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE,
    WS_EX_TOPMOST,
    360,
    104,
    kControls,
};
