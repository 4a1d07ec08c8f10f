// The zoom lens's source square on the stage's image: 30 x 30 image pixels
// around the pixel under the pointer, moved inside the image at its edges.
#pragma once

#include "platform/types/types.h"

inline constexpr int kLensSourceSide = 30;

// The square (inclusive image pixels) for the pixel q in a w x h image. An
// image narrower or lower than the square gives the whole width or height.
RECT LensSourceSquare(POINT q, int w, int h);

// The lens shows nothing the view does not: refused from 5 client pixels per
// image pixel on.
bool LensSourceRefused(int surfaceWidth, int visibleWidth);
