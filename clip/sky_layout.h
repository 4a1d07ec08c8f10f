// The overview window's arithmetic: its size around the picture, its place
// left of the view stage, the picture's per-mille positions, the frame of the
// visible part, click versus drag and the refresh throttle. Window rectangles
// are screen pixels; picture points are the window's client pixels. No
// window, no drawing.
#pragma once

#include "platform/types/types.h"

// The picture's size before the first image.
inline constexpr int kSkyInitialPicture = 120;
// Closer than this in both axes, a release after a press is a click.
inline constexpr int kSkyClickSlop = 3;
// The stage is asked for a new picture at most this often.
inline constexpr DWORD kSkyRefreshIntervalMs = 1000;

// The space the window's borders take around the picture, per axis:
// (3 + sizing-frame figure) x 2; frameX and frameY include their + 4.
SIZE SkyBorders(int frameX, int frameY);

// The picture for an image: as wide as the control panel's client area less
// the borders, as high as the image's ratio makes it (a floating ratio, so a
// portrait image does not divide by zero). Never below 1 x 1.
SIZE SkyPictureSize(int panelClientWidth, SIZE borders, LONG imageWidth, LONG imageHeight);

// The rectangle of the picture control inside a window of this size.
RECT SkyPictureRect(SIZE window);

struct SkyPlacementInput {
    SIZE picture{};      // the picture's size
    SIZE borders{};      // SkyBorders
    LONG stageLeft{};    // the view stage's left edge
    LONG panelBottom{};  // the bottom of the control panel (or the measure panel)
    LONG lowerLimit{};   // the frame's work-area bottom
    int screenHeight{};
};

struct SkyPlacement {
    RECT window{};       // screen rectangle
    RECT pictureRect{};  // client rectangle of the picture control
    SIZE picture{};      // the size the image is drawn at
};

// Right of the window one pixel left of the stage, its top one below the
// panel. A window that would pass the lower limit is lifted to end on it;
// one taller than 4/5 of the screen is first cut to that height, narrowed in
// proportion towards the stage, and its picture sized anew for it.
SkyPlacement PlaceSkyWindow(const SkyPlacementInput& in);

// A position along the picture in per mille: trunc((offset + 1) / extent x 1000).
int SkyPerMille(int offset, int extent);

// The visible rectangle (image pixels) scaled onto the picture, its right and
// bottom at most the picture's last pixel.
RECT SkyFrameRect(const RECT& visible, SIZE picture, LONG imageWidth, LONG imageHeight);

// The point is still near the press: less than 3 pixels away in both axes.
bool IsNearSkyPress(POINT press, POINT point);

// Whether a refresh may be asked for at `now` (milliseconds): at least 1000
// ms after the last request, which `last` then records. The tick count may
// wrap around.
bool TakeSkyRefreshTurn(DWORD now, DWORD* last);
