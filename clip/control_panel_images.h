// The pictures of the control panel's buttons: one set for each icon scale
// (GetIconScale), drawn by us and stored as PNG files in res/.
#pragma once

#include "platform/gdi/gdi_objects.h"

enum class PanelImage {
    TwoClick,
    TwoClickPressed,
    Wheel,
    WheelPressed,
    FullScreen,
    ActiveWindow,
    History,
    Chooser,
    ContinueCapture,
    Linked,
    NotLinked,
};

// The bitmap resource id of a picture at icon scale 1 or 2.
int PanelBitmapId(PanelImage image, int iconScale);
// A new bitmap of the resource (the caller deletes it); null for an unknown id.
HBITMAP LoadPanelBitmap(int resourceId);
