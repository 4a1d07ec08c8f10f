#include "clip/coord_label_placement.h"

#include <cmath>

namespace {

constexpr double kLargeRatio = 20.0;  // beyond it a pixel is wide enough to hold the label inside

int Trunc(double v)
{
    return static_cast<int>(v);
}

}  // namespace

LabelZoomFigures WithoutCellOffsets(const LabelZoomFigures& zoom, bool keepRatios)
{
    LabelZoomFigures f;
    f.cellX = f.cellY = 0.0;
    f.ratioX = keepRatios ? zoom.ratioX : 0.0;
    f.ratioY = keepRatios ? zoom.ratioY : 0.0;
    return f;
}

POINT PlaceStartLabel(SIZE text, POINT at, const LabelZoomFigures& z)
{
    const bool roomLeft = text.cx + 20 < at.x;
    const bool roomAbove = text.cy + 20 < at.y;
    const bool large = z.ratioX > kLargeRatio;
    const double leftX = at.x - (text.cx + 10 - z.cellX);
    const double aboveY = at.y - (text.cy + 10 - z.cellY);
    if (roomLeft && roomAbove)
        return POINT{Trunc(leftX), Trunc(aboveY)};
    if (roomLeft)
        return POINT{Trunc(leftX), Trunc(at.y + z.cellY + (large ? z.ratioY / 2 : 10))};
    if (roomAbove)
        return POINT{Trunc(at.x + (large ? z.ratioX / 2 + z.cellX : z.cellX + 10)), Trunc(aboveY)};
    if (large)
        return POINT{Trunc(at.x + z.ratioX / 2 + z.cellX), Trunc(at.y + z.ratioY / 2 + z.cellY)};
    return POINT{Trunc(at.x + z.cellX + 10), Trunc(at.y + z.cellY + 10)};
}

POINT PlaceEndLabel(SIZE text, POINT at, SIZE client, const LabelZoomFigures& z)
{
    const bool roomRight = text.cx + 20 < client.cx - at.x;
    const bool roomBelow = text.cy + 20 < client.cy - at.y;
    const bool large = z.ratioX > kLargeRatio;
    const double rightX = at.x + (large ? z.ratioX / 2 + z.cellX : z.cellX + 10);
    const double belowY = at.y + (large ? z.ratioY / 2 + z.cellY : z.cellY + 10);
    const double leftX = at.x - (text.cx + 10 - z.cellX);
    const double aboveY = at.y - (text.cy + 10 - z.cellY);
    if (roomRight && roomBelow)
        return POINT{Trunc(rightX), Trunc(belowY)};
    if (roomRight)
        return POINT{Trunc(rightX), Trunc(aboveY)};
    if (roomBelow)
        return POINT{Trunc(leftX), Trunc(belowY)};
    return POINT{Trunc(leftX), Trunc(aboveY)};
}

POINT PlaceSizeLabel(SIZE text, POINT p1, POINT p2, const LabelZoomFigures& z)
{
    if (std::fabs(p1.x - (p2.x + z.cellX)) < text.cx && std::fabs(p1.y - (p2.y + z.cellY)) < text.cy)
        return POINT{0, 0};
    int x = Trunc((p1.x + p2.x + z.cellX) / 2 - text.cx / 2);
    int y = Trunc((p1.y + p2.y + z.cellY) / 2 - text.cy / 2);
    if (x < 0)
        x = 10;
    if (y < 0)
        y = 10;
    return POINT{x, y};
}
