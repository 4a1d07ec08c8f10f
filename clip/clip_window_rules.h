// The arithmetic of a clip window: the size a clip is shown at first, the
// wheel zoom's steps, the title, the window's size and first place, the colour
// under a point of the picture, the texts of the writers' result codes and the
// save size's bounds. No window, no drawing.
#pragma once

#include "platform/types/dib_types.h"
#include "platform/types/types.h"

#include <QString>

// The largest shown size: four fifths of the screen (divided by 5 first).
SIZE ClipMaxShownSize(int screenWidth, int screenHeight);

// The size a clip opens at: its own, or squeezed at its ratio into the
// largest shown size when a side reaches it.
SIZE ClipInitialShownSize(SIZE image, SIZE maxShown);

// One wheel notch. level is the zoom exponent before the notch, zoomIn the
// notch's direction, magPercent ClipZoomMag, shown the size shown now.
struct ClipZoomStep {
    int level = 0;  // the exponent after the notch
    SIZE shown{};   // the new shown size
};
// The notch moves the level by one. Zooming in stops at the largest shown
// size, zooming out at the last level where a side is above 5 pixels. Sizes
// of 200 pixels and more snap the longer side to tens, and a zoom that
// passes the clip's own size stops at it once.
ClipZoomStep ClipZoomByNotch(int level, bool zoomIn, UINT magPercent, SIZE image, SIZE maxShown, SIZE shown);

// "Clip<n> <factor>倍 (<w>×<h>)", the factor shown width / image width.
QString ClipWindowTitle(int index, SIZE shown, SIZE image);

// The window's outer size for a client holding the buttons' row (its height
// buttonRowHeight, its right edge buttonsRight) above the picture control.
struct ClipFrameFigures {
    int captionHeight = 0;
    int frameWidth = 0;  // the sizing frame + 4, as the frame caches it
    int frameHeight = 0;
};
SIZE ClipWindowOuterSize(
    int buttonsRight, int buttonRowHeight, const RECT& picture, const ClipFrameFigures& f);

// Where a clip window opens.
struct ClipPlacementInput {
    SIZE size{};                 // the window's outer size
    POINT centred{};             // centred on the stage (x0, y0)
    RECT previous{};             // the nearest open lower-numbered clip window; empty for none
    int captionHeight = 0;       // the cascade's offset
    SIZE screen{};               // the screen's size
    bool useRemembered = false;  // IsClipWindowPos is 1
    POINT remembered{-1, -1};    // this number's remembered place; -1 for none
    RECT workArea{};             // the desktop's work area; empty for none
};
// Centred on the stage (x at 0 when the centred place leaves the screen's
// top or left), cascaded from the previous window when it stays on the
// screen, or at the remembered place; then kept inside the work area's top
// and left edges.
POINT ClipInitialPosition(const ClipPlacementInput& in);

// The pixel of a clip shown at shownWidth under (x, y), relative to the
// image rectangle's top-left. Read from the bottom-up DIB (8 bits through its
// palette, 24 and 32 bits as blue, green, red).
struct ClipPixel {
    bool found = false;
    COLORREF color = 0;     // red | green << 8 | blue << 16
    int paletteIndex = -1;  // the palette entry at 8 bits
};
ClipPixel ClipColorAt(
    int x, int y, int shownWidth, const BITMAPINFOHEADER& header, const BYTE* bits, const RGBQUAD* palette);

// The message of a writer's result code; empty for 1 (saved).
QString ClipSaveResultMessage(int code);

// A requested save size lies within MinSaveSize .. MaxSaveSizeWidth/Height.
bool ClipSaveSizeAllowed(SIZE requested, int minimum, int maxWidth, int maxHeight);

// The save-size choice the combo box follows after a zoom: 0 at the clip's
// own size, else 1 (the shown size).
int ClipSaveChoiceAfterZoom(SIZE shown, SIZE image);
