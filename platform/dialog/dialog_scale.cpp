#include "platform/dialog/dialog_scale.h"

#include <cmath>

namespace {

double g_dialogScale = 1.0;

}  // namespace

void SetDialogScale(double scale)
{
    g_dialogScale = scale > 0.0 ? scale : 1.0;
}

double DialogScale()
{
    return g_dialogScale;
}

int ScaleDialogUnit(int pixels)
{
    return static_cast<int>(std::lround(pixels * g_dialogScale));
}

DialogControl ScaleDialogControl(const DialogControl& control)
{
    DialogControl scaled = control;
    // Edges are scaled, not sizes, so that neighbouring controls stay flush.
    scaled.x = ScaleDialogUnit(control.x);
    scaled.y = ScaleDialogUnit(control.y);
    scaled.cx = ScaleDialogUnit(control.x + control.cx) - scaled.x;
    scaled.cy = ScaleDialogUnit(control.y + control.cy) - scaled.y;
    return scaled;
}
