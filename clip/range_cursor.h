// The cursor over the stage's view: which of the program's cursors the
// present drag, selection and wheel show.
#pragma once

// The states the cursor depends on.
struct RangeCursorState {
    bool panned = false;     // the present left drag has panned the view
    bool selecting = false;  // a range selection runs
    int method = 2;          // 2 two clicks, 3 wheel range
    bool fixedRange = false;
    bool shift = false;
    bool ctrl = false;
};

// The cursor resource, 0 for the window's default cursor.
int RangeCursorId(const RangeCursorState& s);
// The cursor while the wheel resizes the range (delta > 0 grows).
int WheelResizeCursorId(int delta, bool shift, bool ctrl);
