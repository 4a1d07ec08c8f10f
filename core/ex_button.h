// The control panel's chooser button: a push button that tells the main
// frame each time the pointer moves over it (WM_FRAME_HOVER_CAPTURE), so
// that the frame can open the capture-window chooser once the pointer rests
// there. Presses and releases keep the button's own behaviour.
#pragma once

#include "platform/controls/controls.h"

class CExButton : public CButton {
public:
    void OnMouseMove(UINT flags, CPoint point) override;
};
