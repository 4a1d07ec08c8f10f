// The whole screen of an X display, for tests that compare what a program
// shows with what it saved.
#pragma once

#include <QImage>
#include <QString>

// What the root window of the display shows, or a null image.
QImage GrabScreen(const QString& display);
