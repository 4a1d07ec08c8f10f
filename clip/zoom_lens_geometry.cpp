#include "clip/zoom_lens_geometry.h"

#include <cstdlib>

namespace {

constexpr int kLevelSides[] = {30, 15};

// The pixel offset along one axis.
int PixelOffset(int at, int lens, int source)
{
    if (lens <= 0 || source <= 0)
        return 0;
    const int offset = static_cast<int>(static_cast<long long>(at) * source / lens);
    return offset == source ? source - 1 : offset;
}

// Moves [low, high] (inclusive, side pixels long) inside [0, limit - 1].
void ClampAxis(LONG& low, LONG& high, int side, int limit)
{
    if (low < 0) {
        low = 0;
        high = side - 1;
    }
    if (high >= limit) {
        high = limit - 1;
        low = limit - side;
    }
}

int DragAxis(int press, int point, int lens, int source)
{
    const int divisor = source > 0 ? (lens / source) / 2 : 0;
    return divisor > 0 ? (press - point) / divisor : 0;
}

}  // namespace

int ZoomLensSide(int horzSizeMm, int horzRes)
{
    if (horzSizeMm <= 0 || horzRes <= 0)
        return kZoomLensSmallSide;
    return static_cast<double>(horzSizeMm) / horzRes < 0.25 ? kZoomLensLargeSide : kZoomLensSmallSide;
}

int ZoomLensSourceSide(int level)
{
    return kLevelSides[level == 1 ? 1 : 0];
}

POINT ZoomLensPixelOffset(POINT p, int lensWidth, int lensHeight, int sourceWidth, int sourceHeight)
{
    return POINT{PixelOffset(p.x, lensWidth, sourceWidth), PixelOffset(p.y, lensHeight, sourceHeight)};
}

RECT ClampZoomLensSource(RECT r, int sourceWidth, int sourceHeight, int imageWidth, int imageHeight)
{
    ClampAxis(r.left, r.right, sourceWidth, imageWidth);
    ClampAxis(r.top, r.bottom, sourceHeight, imageHeight);
    return r;
}

POINT ZoomLensDragStep(
    POINT press, POINT point, int lensWidth, int lensHeight, int sourceWidth, int sourceHeight)
{
    return POINT{DragAxis(press.x, point.x, lensWidth, sourceWidth),
        DragAxis(press.y, point.y, lensHeight, sourceHeight)};
}

int ZoomLensLevelAfterWheel(int level, int delta)
{
    if (delta >= 1 && level == 0)
        return 1;
    if (delta < 1 && level == 1)
        return 0;
    return -1;
}

RECT CentredZoomLensSource(POINT pixel, int sourceWidth, int sourceHeight, int imageWidth, int imageHeight)
{
    const LONG left = pixel.x - sourceWidth / 2;
    const LONG top = pixel.y - sourceHeight / 2;
    const RECT r{left, top, left + sourceWidth - 1, top + sourceHeight - 1};
    return ClampZoomLensSource(r, sourceWidth, sourceHeight, imageWidth, imageHeight);
}

RECT PlaceZoomLensWindow(POINT cursor, int width, int height, const RECT& area)
{
    RECT r{cursor.x - width / 2, cursor.y - height / 2, 0, 0};
    if (r.left < area.left)
        r.left = area.left;
    if (r.top < area.top)
        r.top = area.top;
    if (r.left + width > area.right)
        r.left = area.right - width;
    if (r.top + height > area.bottom)
        r.top = area.bottom - height;
    r.right = r.left + width;
    r.bottom = r.top + height;
    return r;
}

bool IsZoomLensClick(POINT press, POINT release)
{
    return std::abs(release.x - press.x) <= kZoomLensClickSlack &&
        std::abs(release.y - press.y) <= kZoomLensClickSlack;
}
