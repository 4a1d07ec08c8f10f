// The pixel grid over a magnified image: a line between every two image
// pixels once a pixel spans enough screen pixels.
#pragma once

#include "platform/gdi/gdi.h"

#include <vector>

// Whether the grid shows at ratio screen pixels per image pixel: the ratio
// rounded (halves upward) reaches level.
bool PixelGridShown(double ratio, int level);
// The grid positions trunc(k x ratio), k = 1, 2, ..., with the sum kept in
// single precision, that lie below extent.
std::vector<int> PixelGridLines(double ratio, int extent);

struct PixelGridStyle {
    int penStyle = PS_SOLID;  // PixelGridType
    COLORREF color = 0;       // GridColor
    int level = 10;           // LevelPixelGrid
};

// The grid over a surface of the given size showing visibleWidth x
// visibleHeight image pixels: vertical lines from y = 1 to the bottom,
// horizontal lines from x = 1 to the right edge, on a transparent
// background. Nothing below the level.
void DrawPixelGrid(CDC* dc, SIZE surface, int visibleWidth, int visibleHeight, const PixelGridStyle& style);
