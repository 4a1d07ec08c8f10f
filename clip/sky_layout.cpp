#include "clip/sky_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int Trunc(double v)
{
    return static_cast<int>(std::trunc(v));
}

}  // namespace

SIZE SkyBorders(int frameX, int frameY)
{
    return SIZE{(3 + frameX) * 2, (3 + frameY) * 2};
}

SIZE SkyPictureSize(int panelClientWidth, SIZE borders, LONG imageWidth, LONG imageHeight)
{
    const int width = std::max(1, panelClientWidth - static_cast<int>(borders.cx));
    if (imageWidth <= 0 || imageHeight <= 0)
        return SIZE{width, width};
    const double ratio = static_cast<double>(imageWidth) / static_cast<double>(imageHeight);
    // A very wide image would give no row at all, and the per-mille
    // positions divide by the height; a very tall one is cut by the placement.
    const double height = std::min(static_cast<double>(width) / ratio, 1.0e6);
    return SIZE{width, std::max(1, Trunc(height))};
}

RECT SkyPictureRect(SIZE window)
{
    return RECT{1, 1, window.cx - 11, window.cy - 11};
}

SkyPlacement PlaceSkyWindow(const SkyPlacementInput& in)
{
    SkyPlacement out;
    out.picture = in.picture;
    LONG width = in.picture.cx + in.borders.cx;
    LONG height = in.picture.cy + in.borders.cy;
    RECT w{in.stageLeft - 1 - width, in.panelBottom + 1, in.stageLeft - 1, in.panelBottom + 1 + height};
    if (w.bottom > in.lowerLimit) {
        const LONG cut = Trunc(in.screenHeight * 4.0 / 5.0);
        if (height > cut && height > 0 && width > 0) {
            const double oldRatio = static_cast<double>(height) / static_cast<double>(width);
            height = cut;
            width = std::max<LONG>(1, Trunc(static_cast<double>(height) / oldRatio));
            w.left = w.right - width;
            // The picture follows the window, or the image would be drawn at
            // its old size and cut off.
            out.picture =
                SIZE{std::max<LONG>(1, width - in.borders.cx), std::max<LONG>(1, height - in.borders.cy)};
        }
        w.bottom = in.lowerLimit;
        w.top = w.bottom - height;
    }
    out.window = w;
    out.pictureRect = SkyPictureRect(SIZE{width, height});
    return out;
}

int SkyPerMille(int offset, int extent)
{
    if (extent <= 0)
        return 0;
    return Trunc((offset + 1) / static_cast<double>(extent) * 1000.0);
}

RECT SkyFrameRect(const RECT& visible, SIZE picture, LONG imageWidth, LONG imageHeight)
{
    if (imageWidth <= 0 || imageHeight <= 0)
        return RECT{};
    const double sx = static_cast<double>(picture.cx) / static_cast<double>(imageWidth);
    const double sy = static_cast<double>(picture.cy) / static_cast<double>(imageHeight);
    RECT r{Trunc(visible.left * sx), Trunc(visible.top * sy), Trunc(visible.right * sx),
        Trunc(visible.bottom * sy)};
    r.right = std::min<LONG>(r.right, picture.cx - 1);
    r.bottom = std::min<LONG>(r.bottom, picture.cy - 1);
    return r;
}

bool IsNearSkyPress(POINT press, POINT point)
{
    return std::abs(point.x - press.x) < kSkyClickSlop && std::abs(point.y - press.y) < kSkyClickSlop;
}

bool TakeSkyRefreshTurn(DWORD now, DWORD* last)
{
    if (static_cast<DWORD>(now - *last) < kSkyRefreshIntervalMs)
        return false;
    *last = now;
    return true;
}
