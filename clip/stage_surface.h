// The view stage's drawing surface (control 1000): a picture control whose
// mouse input and dropped files belong to the stage. Like a static control
// on the platform, it is transparent to the mouse: each mouse message and
// each drop is handed to the stage in the stage's client coordinates.
#pragma once

#include "platform/controls/controls.h"

class CStageSurface : public CStatic {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
