// Where another program's window stands on an X display, asked of the X
// server directly (xdotool's window ids as text).
#pragma once

#include <QRect>
#include <QString>

// The window's rectangle on the screen without the manager's frame; empty
// when the display cannot be opened or the window is gone.
QRect WindowRectOnScreen(const QString& display, const QString& window);
