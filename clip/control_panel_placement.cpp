#include "clip/control_panel_placement.h"

#include "platform/dialog/dialog_scale.h"

RECT CalcPanelPlacement(
    const RECT& frameWindow, int frameBorder, int frameClientTop, int modeBarHeight, SIZE panelSize)
{
    const int left = frameWindow.left + frameBorder + 2;
    const int top = frameWindow.top + frameClientTop + modeBarHeight;
    return RECT{left, top, left + panelSize.cx, top + panelSize.cy};
}

ContinueCaptureChange ContinueCaptureButtonChange(bool buttonVisible, bool useContinueCapture, RECT placement)
{
    ContinueCaptureChange change{0, placement};
    // The row as laid out on this screen.
    const int rowHeight = ScaleDialogUnit(kContinueCaptureRowHeight);
    if (useContinueCapture && !buttonVisible) {
        change.show = 1;
        change.placement.bottom += rowHeight;
    } else if (!useContinueCapture && buttonVisible) {
        change.show = -1;
        change.placement.bottom -= rowHeight;
    }
    return change;
}
