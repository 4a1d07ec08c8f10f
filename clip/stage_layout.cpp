#include "clip/stage_layout.h"

#include <algorithm>

namespace {

constexpr int kTitleBand = 28;
constexpr int kMinWidth = 674;
constexpr int kMinHeight = 600;
// The stage's borders around the view: 12 across, 3 below the view.
constexpr int kSideMargins = 12;
constexpr int kBottomMargin = 3;
// The surface's left edge while there is no image.
constexpr int kEmptySurfaceLeft = 3;
// The view is centred in the height below this line.
constexpr int kViewTopLine = 25;

bool IsEmptyRect(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

int Scaled(int figure, float scale)
{
    return static_cast<int>(static_cast<float>(figure) * scale);
}

}  // namespace

StageMetrics StageMetricsFor(const ScreenMetrics& m, float dpiScaleX, int iconScale)
{
    const float scale = iconScale == 2 ? dpiScaleX : 1.0f;
    StageMetrics s;
    s.titleBand = Scaled(kTitleBand, scale);
    s.minWidth = Scaled(kMinWidth, scale);
    s.minHeight = kMinHeight;
    s.frameX = m.frameWidth;
    s.frameY = m.frameHeight;
    return s;
}

POINT StageOrigin(const RECT& measurePanel, const RECT& controlPanel, int frameTop, int frameClientTop)
{
    POINT p;
    if (!IsEmptyRect(measurePanel))
        p.x = measurePanel.right;
    else if (!IsEmptyRect(controlPanel))
        p.x = controlPanel.right;
    p.y = frameClientTop + frameTop;
    return p;
}

SIZE StageMinimumSize(const StageMetrics& s)
{
    return SIZE{s.minWidth, s.minHeight};
}

SIZE StageMaximumSize(const ScreenMetrics& m)
{
    return SIZE{m.screenWidth, m.screenHeight};
}

SIZE LargestView(const RECT& stageArea, int panelRight, const StageMetrics& s)
{
    return SIZE{stageArea.right - panelRight - kSideMargins,
        (stageArea.bottom - stageArea.top) - s.frameY - s.titleBand - kBottomMargin};
}

SIZE StageSizeForClient(SIZE client, const StageMetrics& s)
{
    const LONG width = client.cx + kSideMargins;
    const LONG height = s.titleBand + s.frameY + client.cy + kBottomMargin;
    return SIZE{std::max<LONG>(width, s.minWidth), std::max<LONG>(height, s.minHeight)};
}

SIZE StageSizeForView(SIZE view, SIZE largest, const StageMetrics& s)
{
    return StageSizeForClient(SIZE{std::min(view.cx, largest.cx), std::min(view.cy, largest.cy)}, s);
}

SIZE ViewRoomOf(SIZE stage, const StageMetrics& s)
{
    return SIZE{stage.cx - kSideMargins, stage.cy - s.frameY - s.titleBand - kBottomMargin};
}

SIZE FitImageInto(SIZE image, SIZE box)
{
    if (image.cx <= 0 || image.cy <= 0 || box.cx <= 0 || box.cy <= 0)
        return SIZE{};
    if (image.cx <= box.cx && image.cy <= box.cy)
        return image;
    const double scale =
        std::min(static_cast<double>(box.cx) / image.cx, static_cast<double>(box.cy) / image.cy);
    return SIZE{static_cast<LONG>(image.cx * scale), static_cast<LONG>(image.cy * scale)};
}

POINT ViewOrigin(SIZE stage, SIZE view, const StageMetrics& s)
{
    return POINT{
        (stage.cx - view.cx) / 2 - 2, (stage.cy - view.cy - s.frameY - kViewTopLine) / 2 + kViewTopLine};
}

RECT ViewRect(SIZE stage, SIZE view, const StageMetrics& s)
{
    const POINT p = ViewOrigin(stage, view, s);
    return RECT{p.x, p.y, p.x + view.cx, p.y + view.cy};
}

RECT SurfaceFrameOf(const RECT& surface)
{
    return RECT{surface.left - 1, surface.top - 1, surface.right + 1, surface.bottom + 1};
}

RECT EmptySurfaceRect(SIZE stage, const StageMetrics& s)
{
    return RECT{kEmptySurfaceLeft, s.titleBand, kEmptySurfaceLeft + stage.cx - kSideMargins,
        stage.cy - s.frameY - kBottomMargin};
}

RECT TitleBandRect(int clientWidth, const StageMetrics& s)
{
    return RECT{0, 0, clientWidth, s.titleBand};
}

SIZE ClientSizeForFrameSizing(
    const RECT& sizing, int panelRight, const ScreenMetrics& m, const StageMetrics& s, int extraHeight)
{
    const LONG room = sizing.right - (panelRight + sizing.left + s.frameX + 3);
    const LONG depth = sizing.bottom - (sizing.top + GetFrameClientTop(m) + extraHeight);
    return SIZE{std::max<LONG>(room, s.minWidth) - 2 * s.frameX,
        std::max<LONG>(depth, s.minHeight) - GetTitleBarHeight(m) - s.frameY};
}
