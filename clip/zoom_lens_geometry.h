// The zoom lens's arithmetic, apart from its window: the lens size for the
// screen, picture points to image pixels, the source square's clamping,
// moves by dragging, the wheel's two levels, the click tolerance and the
// window's place over the stage.
#pragma once

#include "platform/types/types.h"

// The lens's side: 360 px on screens with pixels smaller than 0.25 mm, else
// 300. horzSizeMm and horzRes are the screen's HORZSIZE and HORZRES; a
// screen that tells no size gets 300.
int ZoomLensSide(int horzSizeMm, int horzRes);
inline constexpr int kZoomLensSmallSide = 300;
inline constexpr int kZoomLensLargeSide = 360;

// The window is the picture with this margin on every side.
inline constexpr int kZoomLensMargin = 5;

// Level 0 shows 30 x 30 image pixels, level 1 15 x 15.
int ZoomLensSourceSide(int level);

// A press and release at most this far apart (on both axes) are a click.
inline constexpr int kZoomLensClickSlack = 3;

// The offset (in image pixels, from the source rectangle's top-left) of the
// pixel under the picture point p: trunc(p x source / lens), at most
// source - 1.
POINT ZoomLensPixelOffset(POINT p, int lensWidth, int lensHeight, int sourceWidth, int sourceHeight);

// A source rectangle (inclusive) of sourceWidth x sourceHeight moved inside
// an image of imageWidth x imageHeight: a negative left or top goes to 0, a
// right or bottom past the image ends at its last pixel. The size is kept.
RECT ClampZoomLensSource(RECT r, int sourceWidth, int sourceHeight, int imageWidth, int imageHeight);

// The source's move for a drag from press to point (picture coordinates):
// (press - point) / ((lens / source) / 2) per axis, in integers.
POINT ZoomLensDragStep(
    POINT press, POINT point, int lensWidth, int lensHeight, int sourceWidth, int sourceHeight);

// The level after a wheel step of delta at level: forward (delta >= 1) at 0
// gives 1, backward at 1 gives 0; anything else keeps the level (-1 tells
// that nothing changes).
int ZoomLensLevelAfterWheel(int level, int delta);

// The source square of the level's size centred on the image pixel and
// clamped into the image.
RECT CentredZoomLensSource(POINT pixel, int sourceWidth, int sourceHeight, int imageWidth, int imageHeight);

// The window (width x height) centred on the cursor, then moved inside area:
// first a left or top outside is moved to the area's edge, then a right or
// bottom outside is moved back in.
RECT PlaceZoomLensWindow(POINT cursor, int width, int height, const RECT& area);

bool IsZoomLensClick(POINT press, POINT release);
