#include "app/frame_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool IsEmptyRect(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

bool IsAllZero(const RECT& r)
{
    return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0;
}

}  // namespace

BYTE TaskbarEdgeOf(const RECT& taskbar, int screenWidth, int screenHeight)
{
    if (taskbar.top > 4)
        return kTaskbarBottom;
    if (taskbar.left > 4)
        return taskbar.bottom > screenHeight - 5 ? kTaskbarRight : kTaskbarBottom;
    if (taskbar.bottom > screenHeight - 5)
        return kTaskbarLeft;
    if (taskbar.right > screenWidth - 5)
        return kTaskbarTop;
    return kTaskbarNone;
}

RECT TaskbarFromAvailableArea(const RECT& screen, const RECT& available)
{
    if (IsEmptyRect(available))
        return RECT{};
    const LONG left = available.left - screen.left;
    const LONG top = available.top - screen.top;
    const LONG right = screen.right - available.right;
    const LONG bottom = screen.bottom - available.bottom;
    const LONG widest = std::max({left, top, right, bottom});
    if (widest <= 0)
        return RECT{};
    if (bottom == widest)
        return RECT{screen.left, available.bottom, screen.right, screen.bottom};
    if (right == widest)
        return RECT{available.right, screen.top, screen.right, screen.bottom};
    if (top == widest)
        return RECT{screen.left, screen.top, screen.right, available.top};
    return RECT{screen.left, screen.top, available.left, screen.bottom};
}

RECT ComputeWorkArea(const RECT& taskbar, BYTE edge, int screenWidth, int screenHeight)
{
    RECT work{0, 0, screenWidth, screenHeight};
    // No taskbar: the whole screen stays usable.
    if (IsAllZero(taskbar))
        return work;
    switch (edge) {
    case kTaskbarLeft:
        work.left = taskbar.right + 1;
        break;
    case kTaskbarTop:
        work.top = taskbar.bottom + 1;
        break;
    case kTaskbarRight:
        work.right = screenWidth - std::abs(taskbar.left - screenWidth) - 1;
        break;
    default:
        work.bottom = screenHeight - std::abs(taskbar.top - screenHeight) - 1;
        break;
    }
    return work;
}

RECT ComputeStageArea(const RECT& workArea, const ScreenMetrics& m)
{
    RECT r;
    r.left = workArea.left + m.frameWidth;
    r.top =
        workArea.top + m.captionHeight + m.frameHeight + m.toolbarHeight + m.frameHeight / 2 + m.menuHeight;
    r.right = std::min<LONG>(m.screenWidth, workArea.right) - m.frameWidth;
    r.bottom = std::min<LONG>(m.screenHeight, workArea.bottom) - m.frameHeight - m.menuHeight;
    return r;
}

RECT FitFrameRect(
    const RECT& frame, const RECT& first, const RECT& second, const ScreenMetrics& m, int extraHeight)
{
    const bool hasFirst = !IsEmptyRect(first);
    const bool hasSecond = !IsEmptyRect(second);
    if (!hasFirst && !hasSecond)
        return frame;
    const LONG right = hasFirst && hasSecond ? std::max(first.right, second.right)
        : hasFirst                           ? first.right
                                             : second.right;
    const LONG bottom = hasFirst && hasSecond ? std::max(first.bottom, second.bottom)
        : hasFirst                            ? first.bottom
                                              : second.bottom;
    return RECT{frame.left, frame.top, right + m.frameWidth + 3, bottom + extraHeight};
}

POINT TaskbarPushOffset(BYTE edge, const RECT& frame, int overlap, int screenWidth, int screenHeight)
{
    if (overlap == 0)
        return POINT{0, 0};
    const bool sideways = edge == kTaskbarLeft || edge == kTaskbarRight;
    if (overlap > (sideways ? screenWidth : screenHeight) / 2)
        return POINT{0, 0};
    switch (edge) {
    case kTaskbarLeft:
        return POINT{overlap, 0};
    case kTaskbarTop:
        return POINT{0, overlap};
    case kTaskbarRight:
        return POINT{-std::min<LONG>(frame.left, overlap), 0};
    case kTaskbarBottom:
        return POINT{0, -std::min<LONG>(frame.top, overlap)};
    default:
        return POINT{0, 0};
    }
}

FrameMoveAction ClassifyFrameMove(int x, int y, const RECT& stageArea, int captionHeight, int restingY)
{
    if (x < -3000 || y < -3000)
        return FrameMoveAction::Ignore;
    if (x >= -300 && (y >= stageArea.top - 1.5 * captionHeight || y >= restingY))
        return FrameMoveAction::Accept;
    return FrameMoveAction::SnapBack;
}
