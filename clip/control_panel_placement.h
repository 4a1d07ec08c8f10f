// Where the control panel stands and how the continuous-capture row changes
// its height. Screen pixels. No window, no drawing.
#pragma once

#include "platform/types/types.h"

// The panel at the frame's left edge, below the frame's title band and the
// mode bar, keeping its present size. frameBorder is the frame's cached
// sizing-frame width (+ 4), frameClientTop the stage area's offset from the
// frame's top, modeBarHeight 0 while there is no mode bar.
RECT CalcPanelPlacement(
    const RECT& frameWindow, int frameBorder, int frameClientTop, int modeBarHeight, SIZE panelSize);

// The height of the continuous-capture button's row at the panel's foot, in
// template pixels (the dialog scale applies).
inline constexpr int kContinueCaptureRowHeight = 33;

// What the continuous-capture option asks of the button and the panel.
struct ContinueCaptureChange {
    int show = 0;      // 1 show the button, -1 hide it, 0 leave it
    RECT placement{};  // the panel's rectangle afterwards
};
// buttonVisible: the button shows now (or the panel is being made, when the
// template's button counts as shown); placement: CalcPanelPlacement now.
ContinueCaptureChange ContinueCaptureButtonChange(
    bool buttonVisible, bool useContinueCapture, RECT placement);
