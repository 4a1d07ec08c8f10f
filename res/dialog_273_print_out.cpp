// Template 273: settings on the left, the preview on the right, the buttons
// along the bottom.
#include "res/dialog_273_print_out.h"

namespace {

constexpr DWORD kInfo = ES_LEFT | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kMargin = ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

const DialogControl kControls[] = {
    {ControlKind::GroupBox, IDC_PRINT_INFO_GROUP, u"印刷情報", 0, 12, 8, 300, 186},
    {ControlKind::Text, IDC_STATIC, u"プリンタ名", SS_LEFT, 24, 32, 80, 18},
    {ControlKind::Edit, IDC_PRINT_PRINTER_NAME, nullptr, kInfo, 108, 30, 192, 22},
    {ControlKind::Text, IDC_STATIC, u"用紙", SS_LEFT, 24, 58, 80, 18},
    {ControlKind::Edit, IDC_PRINT_PAPER_FORM, nullptr, kInfo, 108, 56, 192, 22},
    {ControlKind::Text, IDC_STATIC, u"向き", SS_LEFT, 24, 84, 80, 18},
    {ControlKind::Edit, IDC_PRINT_ORIENTATION, nullptr, kInfo, 108, 82, 192, 22},
    {ControlKind::Text, IDC_STATIC, u"サイズ", SS_LEFT, 24, 110, 80, 18},
    {ControlKind::Edit, IDC_PRINT_PAPER_SIZE, nullptr, kInfo, 108, 108, 192, 22},
    {ControlKind::Text, IDC_STATIC, u"印刷枚数", SS_LEFT, 24, 136, 80, 18},
    {ControlKind::Edit, IDC_PRINT_COPIES, nullptr, kInfo, 108, 134, 192, 22},
    {ControlKind::PushButton, IDC_PRINT_SETUP, u"プリンタの設定", kButton, 180, 162, 120, 26},

    {ControlKind::GroupBox, IDC_PRINT_MARGIN_GROUP, u"余白の設定 [mm]", 0, 12, 202, 300, 92},
    {ControlKind::Text, IDC_STATIC, u"左", SS_LEFT, 24, 228, 20, 18},
    {ControlKind::Edit, IDC_PRINT_MARGIN_LEFT, nullptr, kMargin, 48, 226, 70, 22},
    {ControlKind::Spin, IDC_PRINT_SPIN_LEFT, nullptr, UDS_HORZ, 120, 226, 36, 22},
    {ControlKind::Text, IDC_STATIC, u"右", SS_LEFT, 168, 228, 20, 18},
    {ControlKind::Edit, IDC_PRINT_MARGIN_RIGHT, nullptr, kMargin, 192, 226, 70, 22},
    {ControlKind::Spin, IDC_PRINT_SPIN_RIGHT, nullptr, UDS_HORZ, 264, 226, 36, 22},
    {ControlKind::Text, IDC_STATIC, u"上", SS_LEFT, 24, 260, 20, 18},
    {ControlKind::Edit, IDC_PRINT_MARGIN_TOP, nullptr, kMargin, 48, 258, 70, 22},
    {ControlKind::Spin, IDC_PRINT_SPIN_TOP, nullptr, 0, 120, 256, 16, 26},
    {ControlKind::Text, IDC_STATIC, u"下", SS_LEFT, 168, 260, 20, 18},
    {ControlKind::Edit, IDC_PRINT_MARGIN_BOTTOM, nullptr, kMargin, 192, 258, 70, 22},
    {ControlKind::Spin, IDC_PRINT_SPIN_BOTTOM, nullptr, 0, 264, 256, 16, 26},

    {ControlKind::GroupBox, IDC_PRINT_MODE_GROUP, u"印刷方法", 0, 12, 302, 300, 100},
    {ControlKind::RadioButton, IDC_PRINT_FIT_WIDTH, u"余白に合わせて印刷",
        BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 24, 324, 276, 20},
    {ControlKind::RadioButton, IDC_PRINT_ACTUAL_SIZE, u"縮尺100%で印刷", BS_AUTORADIOBUTTON, 24, 348, 276,
        20},
    {ControlKind::RadioButton, IDC_PRINT_ONE_PAGE, u"1ページに収まるように印刷する", BS_AUTORADIOBUTTON, 24,
        372, 276, 20},
    {ControlKind::Text, IDC_PRINT_PAGE_COUNT_LABEL, u"予想ページ枚数", SS_LEFT, 24, 414, 120, 18},
    {ControlKind::Text, IDC_PRINT_PAGE_COUNT, nullptr, SS_RIGHT, 150, 414, 60, 18},

    {ControlKind::Picture, IDC_PRINT_PREVIEW, nullptr, SS_ETCHEDFRAME, 324, 12, 300, 390},
    {ControlKind::Text, IDC_STATIC, u"表示ページ", SS_LEFT, 324, 414, 80, 18},
    {ControlKind::Text, IDC_PRINT_CURRENT_PAGE, nullptr, SS_RIGHT, 404, 414, 40, 18},
    {ControlKind::PushButton, IDC_PRINT_PAGE_UP, u"↑", kButton, 540, 410, 40, 26},
    {ControlKind::PushButton, IDC_PRINT_PAGE_DOWN, u"↓", kButton, 584, 410, 40, 26},

    {ControlKind::PushButton, IDC_PRINT_START, u"印刷開始", kButton, 324, 452, 100, 30},
    {ControlKind::PushButton, IDC_PRINT_CLOSE, u"閉じる", kButton, 430, 452, 94, 30},
    {ControlKind::PushButton, IDCANCEL, u"キャンセル", kButton, 530, 452, 94, 30},
};

}  // namespace

const DialogTemplate kDialog273PrintOut{
    IDD_PRINT_OUT,
    u"Kestrel 印刷",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE,
    0,
    636,
    494,
    kControls,
};
