#include "clip/stage_zoom.h"

#include "core/geometry.h"
#include "core/settings/app_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

// Truncation toward zero that stays defined for infinities and NaN (a size of
// 0 makes a scale infinite): out-of-range values saturate, NaN gives 0.
int Trunc(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// Halves upwards, with the same saturation as Trunc.
int Round(double v)
{
    if (std::isnan(v) || std::fabs(v) >= 2147483647.0)
        return Trunc(v);
    return RoundToInt(v);
}

// Subtracts the ratio while the rest is at least ratio - 0.0001: the
// position inside one magnified pixel. Far-out points take the remainder
// directly, which the pointer never reaches within a window.
double CellOffset(double pos, double ratio)
{
    if (!(ratio > 1.0))
        return 0.0;
    double rest = pos;
    if (rest / ratio > 1e6)
        rest = std::fmod(rest, ratio);
    while (rest >= ratio - 0.0001)
        rest -= ratio;
    return rest < 0.0 ? 0.0 : rest;
}

}  // namespace

double RoundZoomUp7(double z)
{
    const double c = z * 1e7;
    if (!(std::fabs(c) < 9e18))
        return z;
    // Rounded halves upwards differs from truncated exactly when the
    // fraction is at least one half.
    const std::int64_t truncated = static_cast<std::int64_t>(c);
    if (c - static_cast<double>(truncated) >= 0.5)
        return static_cast<double>(truncated + 1) / 1e7;
    return z;
}

int DragThresholdFor(double pixelRatio, int moved)
{
    if (moved)
        return 1;
    if (pixelRatio <= 1.0)
        return 8;
    if (pixelRatio >= 2.0)
        return 4;
    return Trunc(pixelRatio);
}

CStageZoom::CStageZoom() : history(new ZoomHistoryEntry[kHistoryLevels])
{
}

CStageZoom::~CStageZoom() = default;

void CStageZoom::SetOrigin(int x, int y)
{
    originX = x;
    originY = y;
}

void CStageZoom::SetImageSize(int w, int h)
{
    imageWidth = w;
    imageHeight = h;
    UpdateScales();
}

void CStageZoom::SetClientSize(int w, int h)
{
    clientWidth = w;
    clientHeight = h;
    UpdateScales();
}

void CStageZoom::UpdateScales()
{
    if (clientWidth != 0)
        scaleX = static_cast<double>(imageWidth) / clientWidth;
    if (clientHeight != 0)
        scaleY = static_cast<double>(imageHeight) / clientHeight;
}

void CStageZoom::ClearHistory()
{
    std::fill(history.get(), history.get() + kHistoryLevels, ZoomHistoryEntry{});
}

void CStageZoom::Reset()
{
    wholeRect = RECT{0, 0, clientWidth, clientHeight};
    visibleRect = RECT{0, 0, imageWidth, imageHeight};
    UpdateScales();
    zoom = previousZoom = 1.0;
    level = 0;
    ResetHistory();
}

void CStageZoom::ResetHistory()
{
    ClearHistory();
    history[0] = ZoomHistoryEntry{
        zoom, wholeRect.right - wholeRect.left, wholeRect.bottom - wholeRect.top, clientWidth, clientHeight};
}

double CStageZoom::StepZoom(short direction, double step)
{
    if (direction == 0)
        return 0.0;
    if (direction > 0) {
        const int maxMag = AppSettings.MaxZoomMag;
        if (Trunc(pixelRatioX) >= maxMag || Trunc(pixelRatioY) >= maxMag)
            return 0.0;
        // The history ends at the top level; zooming out stays possible there.
        if (level >= kTopLevel)
            return 0.0;
    }
    if (direction < 0 && level <= 0) {
        zoom = previousZoom = 1.0;
        return 0.0;
    }
    double z;
    if (direction > 0) {
        ++level;
        z = (1.0 - step) * zoom;
    } else {
        --level;
        z = history[level].zoom;
    }
    z = RoundZoomUp7(z);
    zoom = z;
    return z;
}

int CStageZoom::CalcZoomedSize(short direction, int maxWidth, int maxHeight, SIZE* newSize)
{
    if (direction < 0) {
        const ZoomHistoryEntry& e = history[level];
        *newSize = SIZE{e.clientWidth, e.clientHeight};
        previousZoom = zoom;
        return (e.clientWidth != clientWidth || e.clientHeight != clientHeight) ? 3 : 0;
    }
    SIZE size{clientWidth, clientHeight};
    const double f = zoom - previousZoom + 1.0;
    if (f != 0.0) {
        size.cx = Trunc(clientWidth / f);
        size.cy = Trunc(clientHeight / f);
        if (size.cx == clientWidth)
            size.cx = clientWidth + 1;
        if (size.cy == clientHeight)
            size.cy = clientHeight + 1;
        size.cx = std::min(size.cx, maxWidth);
        size.cy = std::min(size.cy, maxHeight);
    }
    *newSize = size;
    if (size.cx == clientWidth && size.cy == clientHeight) {
        previousZoom = zoom;
        return 0;
    }
    // The view grows instead: the same part stays visible, larger.
    zoom = previousZoom;
    if (newSize->cx > imageWidth && clientWidth < imageWidth)
        newSize->cx = imageWidth;
    if (newSize->cy > imageHeight && clientHeight < imageHeight)
        newSize->cy = imageHeight;
    return 3;
}

void CStageZoom::ZoomToRect(short direction, int sizeChanged, POINT p, SIZE /*maxView*/, SIZE newClient)
{
    int w, h;
    if (direction < 0) {
        w = history[level].width;
        h = history[level].height;
    } else {
        double vw, vh;
        if (sizeChanged == 3) {
            vw = VisibleWidth();
            vh = VisibleHeight();
        } else {
            vw = imageWidth * zoom;
            vh = imageHeight * zoom;
        }
        const double cw = newClient.cx;
        const double ch = newClient.cy;
        if (ch / vh > cw / vw)
            vw = vh / (ch / cw);
        else
            vh = vw * (ch / cw);
        // Even scale: a part just larger than the client area is shown at
        // one image pixel per client pixel.
        if (AppSettings.ViewEvenScale == 1 && !IsFullScale() && newClient.cx < VisibleWidth() &&
            newClient.cy < VisibleHeight() && newClient.cx >= Trunc(vw - Round(cw * 0.005)) &&
            newClient.cy >= Trunc(vh - Round(ch * 0.005))) {
            vw = cw;
            vh = ch;
            zoom = previousZoom = std::max(vw / imageWidth, vh / imageHeight);
        }
        // At least one whole-image unit stays visible: a client much narrower
        // than the scale would otherwise round the view to nothing.
        w = std::max(1, Round(vw / scaleX));
        h = std::max(1, Round(vh / scaleY));
        history[level] = ZoomHistoryEntry{zoom, w, h, newClient.cx, newClient.cy};
    }
    ZoomAt(ClientToImageScaled(p), w, h, 0);
}

void CStageZoom::ZoomAt(POINT pt, int w, int h, int centred)
{
    RECT r;
    if (AppSettings.CenterZoom == 1 || centred) {
        r.left = pt.x - w / 2;
        r.right = pt.x + w / 2 + (w % 2 != 0 ? 1 : 0);
        r.top = pt.y - h / 2;
        r.bottom = pt.y + h / 2 + (h % 2 != 0 ? 1 : 0);
    } else {
        // The point keeps its relative place in the view; single precision
        // as the view has always been placed.
        const float fx = static_cast<float>(pt.x) * static_cast<float>(scaleX) - visibleRect.left;
        const float fy = static_cast<float>(pt.y) * static_cast<float>(scaleY) - visibleRect.top;
        const int l = Round(static_cast<float>(w) * fx / static_cast<float>(VisibleWidth()));
        const int m = Round(static_cast<float>(h) * fy / static_cast<float>(VisibleHeight()));
        r = RECT{pt.x - l, pt.y - m, pt.x - l + w, pt.y - m + h};
    }
    SetVisibleFitRect(r.left, r.right, r.top, r.bottom);
}

namespace {

// Shifts [low, high) without resizing it so that it starts at 0 or above and
// ends at limit or below (a span longer than limit ends at limit).
void ShiftInside(LONG& low, LONG& high, int limit)
{
    if (low < 0) {
        high -= low;
        low = 0;
    }
    if (high > limit) {
        low -= high - limit;
        high = limit;
    }
}

}  // namespace

void CStageZoom::ClampToClient(RECT& r) const
{
    ShiftInside(r.left, r.right, clientWidth);
    ShiftInside(r.top, r.bottom, clientHeight);
}

void CStageZoom::ClampToImage(RECT& r) const
{
    ShiftInside(r.left, r.right, imageWidth);
    ShiftInside(r.top, r.bottom, imageHeight);
}

void CStageZoom::SnapToFullScale()
{
    if (IsFullScale()) {
        visibleRect.right = visibleRect.left + clientWidth;
        visibleRect.bottom = visibleRect.top + clientHeight;
        // Grown to the client size, the part may reach past the image's
        // edge: it moves back inside, and is cut where the image is smaller.
        ClampToImage(visibleRect);
        visibleRect.left = std::max<LONG>(visibleRect.left, 0);
        visibleRect.top = std::max<LONG>(visibleRect.top, 0);
    }
}

void CStageZoom::SetVisibleFitRect(int left, int right, int top, int bottom)
{
    RECT r{left, top, right, bottom};
    ClampToClient(r);
    wholeRect = r;
    RECT v;
    v.left = Trunc(r.left * scaleX);
    v.top = Trunc(r.top * scaleY);
    v.right = v.left + Round((r.right - r.left) * scaleX);
    v.bottom = v.top + Round((r.bottom - r.top) * scaleY);
    ClampToImage(v);
    visibleRect = v;
    SnapToFullScale();
}

void CStageZoom::SetVisibleImageRect(int left, int right, int top, int bottom)
{
    RECT v{left, top, right, bottom};
    ClampToImage(v);
    visibleRect = v;
    RECT r;
    r.left = Trunc(v.left / scaleX);
    r.top = Trunc(v.top / scaleY);
    r.right = r.left + Round((v.right - v.left) / scaleX);
    r.bottom = r.top + Round((v.bottom - v.top) / scaleY);
    ClampToClient(r);
    wholeRect = r;
    SnapToFullScale();
}

DoublePoint CStageZoom::ImageToClient(double x, double y, int addOrigin, int toClient) const
{
    DoublePoint c;
    c.x = (x - visibleRect.left) / (static_cast<double>(VisibleWidth()) / imageWidth);
    c.y = (y - visibleRect.top) / (static_cast<double>(VisibleHeight()) / imageHeight);
    if (toClient == 1) {
        c.x /= scaleX;
        c.y /= scaleY;
    }
    if (addOrigin == 1) {
        c.x += originX;
        c.y += originY;
    }
    return c;
}

RECT CStageZoom::ImageRectToClient(const RECT& r, int addOrigin, int toClient) const
{
    const DoublePoint a = ImageToClient(r.left, r.top, addOrigin, toClient);
    const DoublePoint b = ImageToClient(r.right, r.bottom, addOrigin, toClient);
    return RECT{Round(a.x), Round(a.y), Round(b.x), Round(b.y)};
}

POINT CStageZoom::ClientToImagePixel(POINT p)
{
    const double x = p.x > originX ? p.x - originX : 0;
    const double y = p.y > originY ? p.y - originY : 0;
    pixelRatioX = static_cast<double>(clientWidth) / VisibleWidth();
    pixelRatioY = static_cast<double>(clientHeight) / VisibleHeight();
    cellOffsetX = CellOffset(x, pixelRatioX);
    cellOffsetY = CellOffset(y, pixelRatioY);

    double r = (static_cast<double>(VisibleWidth()) / imageWidth) * (x * scaleX) + 1e-10;
    if (scaleX > 1.0 && Trunc(pixelRatioX * 100) == 100)
        r = r * pixelRatioX + 1e-7;
    double t = (static_cast<double>(VisibleHeight()) / imageHeight) * (y * scaleY) + 1e-10;
    if (scaleY > 1.0 && Trunc(pixelRatioY * 100) == 100)
        t = t * pixelRatioY + 1e-7;

    POINT q{visibleRect.left + Trunc(r), visibleRect.top + Trunc(t)};
    q.x = std::clamp(q.x, 0, std::max(imageWidth - 1, 0));
    q.y = std::clamp(q.y, 0, std::max(imageHeight - 1, 0));
    return q;
}

POINT CStageZoom::ClientToImageScaled(POINT p)
{
    const POINT q = ClientToImagePixel(p);
    return POINT{Round(q.x / scaleX), Round(q.y / scaleY)};
}

DoublePoint CStageZoom::GetPixelRatio() const
{
    return DoublePoint{static_cast<double>(VisibleWidth()) / clientWidth,
        static_cast<double>(VisibleHeight()) / clientHeight};
}

SIZE CStageZoom::GetHistorySize() const
{
    return SIZE{history[level].width, history[level].height};
}

bool CStageZoom::IsPartView() const
{
    return VisibleWidth() < imageWidth || VisibleHeight() < imageHeight;
}

bool CStageZoom::IsZoomedOrPart() const
{
    return IsPartView() ||
        (clientWidth != wholeRect.right - wholeRect.left && clientHeight != wholeRect.bottom - wholeRect.top);
}

bool CStageZoom::IsFullScale() const
{
    if (VisibleWidth() == 0)
        return false;
    return Round(static_cast<double>(clientWidth) / VisibleWidth() * 100) == 100;
}

void CStageZoom::BeginDrag(int x, int y)
{
    dragStartX = x;
    dragStartY = y;
    dragX = x;
    dragY = y;
}

int CStageZoom::DragTo(int x, int y)
{
    if (!IsDragging() || !IsPartView())
        return 0;
    // A drawing surface of no size has no pixel ratio to pan by.
    if (!(pixelRatioX > 0.0) || !(pixelRatioY > 0.0))
        return 0;
    dragThreshold = DragThresholdFor(pixelRatioX, dragMoved);
    if (std::abs(Trunc(dragX) - x) < dragThreshold && std::abs(Trunc(dragY) - y) < dragThreshold)
        return 0;
    dragMoved = 1;
    const int dx = Trunc((Trunc(dragX) - x) / pixelRatioX);
    const int dy = Trunc((Trunc(dragY) - y) / pixelRatioY);
    if (dx == 0 && dy == 0)
        return 0;
    // The sub-pixel rest carries over to the next move.
    dragX -= dx * pixelRatioX;
    dragY -= dy * pixelRatioY;
    SetVisibleImageRect(
        visibleRect.left + dx, visibleRect.right + dx, visibleRect.top + dy, visibleRect.bottom + dy);
    return 1;
}

void CStageZoom::ResetDrag()
{
    dragStartX = dragStartY = 0;
    dragX = dragY = 0.0;
}

void CStageZoom::UpdateSourceRect()
{
    wholeRect.left = Trunc(visibleRect.left / scaleX);
    wholeRect.top = Trunc(visibleRect.top / scaleY);
    wholeRect.right = Trunc(visibleRect.right / scaleX);
    wholeRect.bottom = Trunc(visibleRect.bottom / scaleY);
}

POINT CStageZoom::RoundPoint(double x, double y)
{
    return POINT{Trunc(x), Trunc(y)};
}
