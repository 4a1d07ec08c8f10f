// Template 278: the multi-view stage. No caption; the stage lays its
// controls out itself whenever it is sized (header 18 pixels, scroll row
// 15, the grid below), so the positions here are those of the smallest
// size, 600 x 550.
#include "res/dialog_278_multi_view_stage.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Picture, IDC_MULTI_HEADER, nullptr, 0, 0, 0, 594, 18},
    {ControlKind::Picture, IDC_MULTI_SCROLL_ROW, nullptr, 0, 0, 20, 594, 15},
    {ControlKind::Picture, IDC_MULTI_GRID_SOURCE, nullptr, CS_HIDDEN, 0, 37, 594, 507},
    {ControlKind::Picture, IDC_MULTI_GRID, nullptr, 0, 0, 37, 594, 507},
    {ControlKind::PushButton, IDC_MULTI_COPY_ABORT, u"中止", BS_PUSHBUTTON | CS_HIDDEN, 554, 17, 40, 21},
};

}  // namespace

const DialogTemplate kDialog278MultiViewStage{
    IDD_MULTI_VIEW_STAGE,
    u"",
    WS_POPUP | WS_THICKFRAME | WS_VISIBLE,
    WS_EX_TOOLWINDOW,
    600,
    550,
    kControls,
};
