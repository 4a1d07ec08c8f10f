// Template 130: the view stage. No caption: the stage's title band carries
// the image's name. The band is 28 pixels high; the surface below it is
// placed by the stage itself whenever an image arrives or the frame is sized.
// WS_THICKFRAME keeps the window sizable: the stage sizes itself to each
// image (without a caption there is no frame for a user to drag).
#include "res/dialog_130_view_stage.h"

namespace {

constexpr DWORD kField = ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP;

const DialogControl kControls[] = {
    {ControlKind::Edit, IDC_STAGE_IMAGE_NAME, nullptr, kField | ES_LEFT, 4, 4, 196, 20},
    {ControlKind::Text, IDC_STAGE_MAGNIFICATION_LABEL, u"倍率", SS_RIGHT, 204, 7, 32, 16},
    {ControlKind::Edit, IDC_STAGE_MAGNIFICATION, nullptr, kField | ES_CENTER, 240, 4, 60, 20},
    {ControlKind::Text, IDC_STAGE_SHOWN_RANGE_LABEL, u"表示範囲", SS_RIGHT, 304, 7, 56, 16},
    {ControlKind::Edit, IDC_STAGE_SHOWN_RANGE, nullptr, kField | ES_CENTER, 364, 4, 92, 20},
    {ControlKind::Text, IDC_STAGE_IMAGE_SIZE_LABEL, u"画像サイズ", SS_RIGHT, 460, 7, 64, 16},
    {ControlKind::Edit, IDC_STAGE_IMAGE_SIZE, nullptr, kField | ES_CENTER, 528, 4, 92, 20},
    {ControlKind::BitmapButton, IDC_STAGE_ONE_TO_ONE, u"1.0", BS_PUSHBUTTON | BS_BITMAP, 626, 2, 24, 24},
    {ControlKind::Picture, IDC_STAGE_SURFACE, nullptr, SS_BLACKFRAME, 3, 28, 646, 440},
};

}  // namespace

const DialogTemplate kDialog130ViewStage{
    IDD_VIEW_STAGE,
    u"",
    WS_POPUP | DS_MODALFRAME | WS_THICKFRAME | WS_VISIBLE,
    WS_EX_TOOLWINDOW,
    653,
    483,
    kControls,
};
