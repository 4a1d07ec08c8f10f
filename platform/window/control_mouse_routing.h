// Mouse input of controls. A control is a Qt widget of its kind, whose own
// event handling makes its clicks, selection and hover. Its window object
// still sees the mouse as messages: WM_MOUSEMOVE, WM_LBUTTONDOWN/UP,
// WM_LBUTTONDBLCLK and the right and middle buttons reach the object's
// WindowProc (client coordinates: the viewport's for a scrolling control)
// before the widget handles the event. The widget always handles it too, so a
// class derived from a control may forward the mouse to its parent while the
// control's own notifications (BN_CLICKED, NM_CLICK) still come once per click.
// As on the platform, the mouse over a control does not reach the window
// below it, except over labels and group frames, which let it through, and
// over a disabled control, whose mouse messages go to its parent window.
#pragma once

#include "platform/types/hwnd.h"

class QWidget;

// Installs the routing on a control's widget (and on its viewport) and turns
// on mouse tracking, so that moves without a button arrive as well. Installing
// twice is harmless; a surface window (which makes its own messages) is skipped.
void RouteControlMouseInput(QWidget* control);

// The mouse over the control goes to the window below it, as over a static
// picture that does not notify (the window draws on it and takes its clicks).
void LetMouseThrough(HWND control);
