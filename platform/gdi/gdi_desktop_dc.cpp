// The screen's DC. It keeps no picture of the screen: a copy from it reads
// the rectangle it needs at that moment, so one DC held for a whole run of
// copies sees every change, and a small copy never reads the whole screen.
#include "platform/gdi/gdi_dc.h"
#include "platform/x11/desktop_services.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstring>

namespace {

QImage BlackImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    if (!image.isNull())
        image.fill(0xFF000000u);
    return image;
}

// Without an X display: the Qt screen (the offscreen platform composes the
// program's own windows on it).
bool ReadQtScreen(const QRect& rect, QImage& image)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return false;
    const QImage shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    image = BlackImage(rect.size());
    if (image.isNull())
        return false;
    const QRect part = rect & shot.rect();
    for (int y = part.top(); y <= part.bottom(); ++y)
        std::memcpy(image.scanLine(y - rect.top()) + (part.left() - rect.left()) * 4,
            shot.constScanLine(y) + part.left() * 4, static_cast<size_t>(part.width()) * 4);
    return true;
}

// The screen's pixels in `rect` (screen coordinates), Format_RGB32 with every
// pixel opaque; what lies beyond the screen's edges is black.
bool ReadScreen(const QRect& rect, QImage& image)
{
    if (!DesktopIsAvailable())
        return ReadQtScreen(rect, image);
    const RECT wanted{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    if (Desktop().grab.Grab(wanted, image))
        return true;
    // The grab refuses a rectangle wholly beyond the screen: that is all black.
    const SIZE screen = Desktop().grab.ScreenSize();
    if (screen.cx <= 0 || screen.cy <= 0 || rect.intersects(QRect(0, 0, screen.cx, screen.cy)))
        return false;
    image = BlackImage(rect.size());
    return !image.isNull();
}

// Copies `pixels` to `at` in `target` (both 4 bytes a pixel; the area lies
// within the target).
void CopyInto(const QImage& pixels, QImage& target, QPoint at)
{
    const size_t rowBytes = static_cast<size_t>(pixels.width()) * 4;
    if (at.x() == 0 && pixels.width() == target.width() && pixels.bytesPerLine() == target.bytesPerLine()) {
        std::memcpy(
            target.scanLine(at.y()), pixels.constBits(), rowBytes * static_cast<size_t>(pixels.height()));
        return;
    }
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(target.scanLine(at.y() + y) + at.x() * 4, pixels.constScanLine(y), rowBytes);
}

// Whether a copy that fills the whole destination may hand the destination
// the memory the screen was read into, instead of copying it: a memory DC's
// bitmap whose memory nobody else addresses, or a target that says it may
// move. Large copies only, as the grab's memory is sized for the whole screen.
bool MayTakeOver(const GdiDc& dst, const QRect& landing)
{
    const bool movable = dst.targetMayMove || (dst.memory && dst.bitmap && !dst.bitmap->bitsHandedOut);
    if (!movable || landing != dst.target->rect() || dst.target->format() != QImage::Format_RGB32)
        return false;
    const SIZE screen = DesktopIsAvailable() ? Desktop().grab.ScreenSize() : SIZE{};
    return 2 * static_cast<qint64>(landing.width()) * landing.height() >=
        static_cast<qint64>(screen.cx) * screen.cy;
}

}  // namespace

HDC CreateDesktopDc()
{
    auto* dc = new GdiDc;
    dc->desktop = true;
    return dc;
}

BOOL DesktopBitBlt(HDC dst, int x, int y, int w, int h, HDC desktop, int sx, int sy, DWORD rop)
{
    if (!dst || !dst->target || !desktop)
        return FALSE;
    if (w <= 0 || h <= 0)
        return TRUE;
    const QRect dstRect = QRect(x, y, w, h).translated(dst->st.origin);
    const QRegion region = DrawableRegion(*dst, dstRect);
    if (region.isEmpty())
        return TRUE;
    // Only the part that lands in the destination is read from the screen.
    const QRect landing = region.boundingRect();
    const QPoint toScreen = QPoint(sx, sy) + desktop->st.origin - dstRect.topLeft();
    const QRect screenRect = landing.translated(toScreen);
    const bool plainCopy = rop == SRCCOPY && region.rectCount() == 1;
    if (plainCopy && MayTakeOver(*dst, landing)) {
        // Every pixel is replaced: the old memory goes back first, for the grab to read into.
        const QSize size = dst->target->size();
        *dst->target = QImage();
        if (ReadScreen(screenRect, *dst->target))
            return TRUE;
        *dst->target = BlackImage(size);
        return FALSE;
    }
    QImage pixels;
    if (!ReadScreen(screenRect, pixels))
        return FALSE;
    if (plainCopy) {
        CopyInto(pixels, *dst->target, landing.topLeft());
        return TRUE;
    }
    // Other raster operations and clipped destinations: the ordinary transfer
    // from the pixels read, placed where the screen lay.
    GdiDc source;
    source.target = &pixels;
    source.st.origin = dstRect.topLeft() - landing.topLeft();
    return BitBlt(dst, x, y, w, h, &source, 0, 0, rop);
}
