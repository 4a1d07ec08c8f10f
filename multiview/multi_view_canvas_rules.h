// Where the stage's header texts and the scroll row's thumb go. No window,
// no drawing: widths in pixels in, positions out.
#pragma once

#include "core/geometry.h"

// One of the header's three texts: 0 the first visible file, 1 the focus,
// 2 the last visible file.
struct HeaderTextPlace {
    int x = 0;
    int chars = 0;  // how many characters of the text are drawn
};

// innerWidth: the header's inner width; textWidth and length: the whole
// text's width in pixels and its length in characters. A text as wide as
// its third of the header or wider is cut to fit.
HeaderTextPlace PlaceHeaderText(int slot, int innerWidth, int textWidth, int length);

// The thumb of the scroll row, relative to the row's inner left edge.
struct ScrollThumb {
    int left = 0;
    int width = 0;
};

// The thumb for a page of pageCells positions from first in count files,
// clipped to the inner width; empty for an empty list.
ScrollThumb ScrollThumbFor(int innerWidth, int pageCells, int count, int first);
