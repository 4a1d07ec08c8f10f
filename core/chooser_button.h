// Where the control panel's chooser button is. The panel stores the
// button's rectangle in its client coordinates when it initialises; the
// frame's hover timer and the capture-window chooser read it on the screen.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/rect_types.h"

// The panel's window and the button's rectangle in the panel's client coordinates.
void SetChooserButtonPlace(HWND panel, const RECT& clientRect);
// The button's rectangle on the screen, where the panel is now; empty while
// no panel has stored it or that panel is gone.
RECT ChooserButtonScreenRect();
