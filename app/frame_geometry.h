// The main frame's layout arithmetic: the taskbar's edge, the work area, the
// area the stages may occupy, the frame's fit around a pair of windows, the
// push away from a moved taskbar and the acceptance of a frame move. All
// rectangles are screen coordinates in pixels.
#pragma once

#include "core/system_figures.h"
#include "platform/types/types.h"

// The frame's mode, named by the template of the stage that defines it (as
// WM_FRAME_SET_MODE, WM_FRAME_FIT and WM_FRAME_REFIT_MODE carry it).
enum FrameMode : UINT {
    kFrameModeViewStage = 130,       // clip mode
    kFrameModeMultiViewStage = 278,  // multi view
};

// Edge codes of the taskbar.
enum : BYTE {
    kTaskbarNone = 0,
    kTaskbarLeft = 1,
    kTaskbarTop = 2,
    kTaskbarRight = 4,
    kTaskbarBottom = 8,
};

// The side of the screen the taskbar rectangle lies on.
BYTE TaskbarEdgeOf(const RECT& taskbar, int screenWidth, int screenHeight);

// The taskbar standing for the desktop's panels: the widest strip of the
// screen that the available area leaves free, all zero when none is.
RECT TaskbarFromAvailableArea(const RECT& screen, const RECT& available);

// The screen without the taskbar. With no taskbar (an all-zero rectangle) the
// whole screen is the work area.
RECT ComputeWorkArea(const RECT& taskbar, BYTE edge, int screenWidth, int screenHeight);

// The area below the frame's title band that the stages may occupy.
RECT ComputeStageArea(const RECT& workArea, const ScreenMetrics& m);

// The frame's rectangle fitted around two windows (either may be absent:
// an empty rectangle): left and top stay, right and bottom follow the
// windows. extraHeight is GetExtraFrameHeight().
RECT FitFrameRect(
    const RECT& frame, const RECT& first, const RECT& second, const ScreenMetrics& m, int extraHeight);

// How far the frame moves away from a taskbar that now overlaps it by
// `overlap` pixels on its side (GetRectOverlap with the edge as the side);
// (0, 0) when the overlap is too deep to push.
POINT TaskbarPushOffset(BYTE edge, const RECT& frame, int overlap, int screenWidth, int screenHeight);

// What a frame move to the client origin (x, y) leads to.
enum class FrameMoveAction {
    Ignore,    // minimised: nothing
    Accept,    // the panels follow
    SnapBack,  // too far up or left: back to the last accepted place
};
// y must not lie above the stage area's top by more than 1.5 caption heights;
// a frame resting at the top of the work area (client origin at restingY) is
// always accepted, whatever its toolbar and caption heights.
FrameMoveAction ClassifyFrameMove(int x, int y, const RECT& stageArea, int captionHeight, int restingY);
