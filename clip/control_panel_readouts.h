// The control panel's readout texts: the start, size and end of a selection
// and the colour under the mouse. No window, no drawing.
#pragma once

#include "platform/types/types.h"

#include <QString>

// "x : y".
QString PointReadout(int x, int y);
// What a readout shows while there is nothing to show.
QString ClearedReadout();
// "a, b" (a finished wheel range).
QString RangeReadout(int a, int b);

// The three readouts of a selection.
struct SelectionReadouts {
    QString start;
    QString size;  // empty: leave as it is
    QString end;   // empty: leave as it is
};
// The readouts for the moving point p. Without a first point (-1, -1) only
// the start follows the point; with one the two corners are ordered.
SelectionReadouts MovingPointReadouts(POINT first, POINT p);

// The colour readout: decimal (radix 10) or hexadecimal with capital
// letters; the colour -1 reads "-- -- --".
QString ColorReadout(COLORREF color, int radix);
