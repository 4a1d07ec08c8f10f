// The view stage's layout arithmetic: where the stage window goes, its
// minimum and maximum size, the largest view, the stage size for a view, the
// view's place inside the stage and the surface without an image. Stage and
// panel rectangles are screen pixels; view and surface rectangles are stage
// client pixels. No window, no drawing.
#pragma once

#include "core/system_figures.h"
#include "platform/types/types.h"

// The figures every layout rule below uses.
struct StageMetrics {
    int titleBand = 0;  // height of the band with the name and status fields
    int minWidth = 0;   // narrowest stage window
    int minHeight = 0;  // lowest stage window
    int frameX = 0;     // sizing-frame width + 4
    int frameY = 0;     // sizing-frame height + 4
};

// The stage's figures on a display: the title band (28) and the minimum width
// (674) grow with the horizontal scale only where the larger bitmap set is in
// use (iconScale 2, GetIconScale()); the scaled values are truncated.
StageMetrics StageMetricsFor(const ScreenMetrics& m, float dpiScaleX, int iconScale);

// The stage window's top-left corner: right of the measure panel while it is
// open, else right of the control panel, else at the screen's left edge. An
// empty rectangle stands for a window that does not exist. frameTop is the
// frame window's top, frameClientTop GetFrameClientTop().
POINT StageOrigin(const RECT& measurePanel, const RECT& controlPanel, int frameTop, int frameClientTop);

// The sizes the stage window may be tracked to.
SIZE StageMinimumSize(const StageMetrics& s);
SIZE StageMaximumSize(const ScreenMetrics& m);

// The largest view the stage area leaves right of the control panel.
SIZE LargestView(const RECT& stageArea, int panelRight, const StageMetrics& s);

// The stage window's size around a view of client x client pixels, never
// below the minimum size.
SIZE StageSizeForClient(SIZE client, const StageMetrics& s);
// The same for a view, first capped at the largest view.
SIZE StageSizeForView(SIZE view, SIZE largest, const StageMetrics& s);

// The room a stage window of this size leaves for the view.
SIZE ViewRoomOf(SIZE stage, const StageMetrics& s);

// An image of this size shown in a box: its own size when it fits, else
// shrunk with its aspect kept (sizes truncated). An empty image or box gives
// an empty size.
SIZE FitImageInto(SIZE image, SIZE box);

// The view's top-left corner inside a stage window of this size: centred
// across, and centred below the title band's fixed 25 pixels.
POINT ViewOrigin(SIZE stage, SIZE view, const StageMetrics& s);

// The view's rectangle at its origin.
RECT ViewRect(SIZE stage, SIZE view, const StageMetrics& s);

// Where the surface control goes: the view grown by 1 pixel for its frame.
RECT SurfaceFrameOf(const RECT& surface);

// The surface while the stage holds no image.
RECT EmptySurfaceRect(SIZE stage, const StageMetrics& s);

// The title band across the top of a stage client area this wide.
RECT TitleBandRect(int clientWidth, const StageMetrics& s);

// The client size the stage takes when the frame is sized to `sizing` (the
// frame's sizing rectangle, screen pixels): what is left right of the
// control panel and below the frame's title, at least the minimum size before
// the frame borders are taken off. extraHeight is GetExtraFrameHeight().
SIZE ClientSizeForFrameSizing(
    const RECT& sizing, int panelRight, const ScreenMetrics& m, const StageMetrics& s, int extraHeight);
