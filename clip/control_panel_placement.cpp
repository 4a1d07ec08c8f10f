#include "clip/control_panel_placement.h"

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
    if (useContinueCapture && !buttonVisible) {
        change.show = 1;
        change.placement.bottom += kContinueCaptureRowHeight;
    } else if (!useContinueCapture && buttonVisible) {
        change.show = -1;
        change.placement.bottom -= kContinueCaptureRowHeight;
    }
    return change;
}
