// Another program's windows on an X display: where one stands, asked of the
// X server directly, and keys typed into one (xdotool's window ids as text).
#pragma once

#include <QRect>
#include <QString>

// The window's rectangle on the screen without the manager's frame; empty
// when the display cannot be opened or the window is gone.
QRect WindowRectOnScreen(const QString& display, const QString& window);

// Activates the window, waits until it has the input focus and types the
// keys (xdotool's key names, e.g. "ctrl+s").
void PressKeysOnWindow(const QString& display, const QString& window, const QString& keys);

// Keeps a grab of the whole screen under the build's test-artifacts folder,
// for reading a failed run.
void KeepScreenshot(const QString& display, const QString& name);
