// How large templates are laid out on this screen. Templates give pixels at
// 96 dpi; on a denser screen the program sets the scale from its own DPI
// figure before it builds its windows, and every dialog's size, its
// controls' rectangles and its font grow by it, as dialogs do on a system
// whose dialogs follow the screen's dpi. 1 until the program sets it.
#pragma once

#include "platform/dialog/dialog_template.h"

void SetDialogScale(double scale);
double DialogScale();
// Template pixels in screen pixels, rounded.
int ScaleDialogUnit(int pixels);
// The control with its rectangle in screen pixels.
DialogControl ScaleDialogControl(const DialogControl& control);
