// Block transfers and fills: every raster operation is evaluated per pixel
// on the RGB bits, so that the exclusive-or and mask operations are exact
// and self-inverse where the platform's are.
#include "platform/gdi/gdi_dc.h"

#include <cstring>

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFFu;

QRgb Opaque(QRgb v)
{
    return (v & kRgbMask) | 0xFF000000u;
}

// Evaluates a 3-input truth table (bits indexed by P*4 + S*2 + D) bitwise.
QRgb Rop3Bits(unsigned table, QRgb p, QRgb s, QRgb d)
{
    QRgb r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (table & (1u << i))
            r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return r;
}

QRgb BrushPixel(const GdiDc& dc)
{
    return PixelFromColorref(dc.st.brush ? dc.st.brush->color : 0);
}

}  // namespace

QRgb MixRop2(int rop2, QRgb pen, QRgb dst)
{
    const unsigned t = static_cast<unsigned>(rop2 - 1) & 0xF;
    QRgb r = 0;
    if (t & 8)
        r |= pen & dst;
    if (t & 4)
        r |= pen & ~dst;
    if (t & 2)
        r |= ~pen & dst;
    if (t & 1)
        r |= ~pen & ~dst;
    return Opaque(r);
}

QRgb MixRop3(DWORD rop, QRgb pattern, QRgb src, QRgb dst)
{
    return Opaque(Rop3Bits((rop >> 16) & 0xFF, pattern, src, dst));
}

bool RopUsesSource(DWORD rop)
{
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}

bool RopUsesPattern(DWORD rop)
{
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}

namespace {

// Applies `rop` to the device rectangle `dstRect` of dc, reading the source
// image (if any) from `srcOrigin` on.
void ApplyRop(GdiDc& dc, const QRect& dstRect, const QImage* src, QPoint srcOrigin, DWORD rop)
{
    QRect area = dstRect;
    if (src) {
        // Only pixels that exist in the source take part.
        const QRect srcArea = QRect(srcOrigin, dstRect.size()) & src->rect();
        area &= srcArea.translated(dstRect.topLeft() - srcOrigin);
    }
    const QRegion region = DrawableRegion(dc, area);
    if (region.isEmpty())
        return;
    // A transfer within one image reads a copy, as overlapping copies must.
    QImage copy;
    if (src && src == dc.target) {
        copy = src->copy();
        src = &copy;
    }
    const QRgb p = BrushPixel(dc);
    const bool hollowPattern = dc.st.brush && dc.st.brush->hollow && RopUsesPattern(rop);
    if (hollowPattern)
        return;
    const QPoint shift = srcOrigin - dstRect.topLeft();
    for (const QRect& r : region) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* d = reinterpret_cast<QRgb*>(dc.target->scanLine(y)) + r.left();
            const QRgb* s = src
                ? reinterpret_cast<const QRgb*>(src->constScanLine(y + shift.y())) + r.left() + shift.x()
                : nullptr;
            const int n = r.width();
            switch (rop) {
            case SRCCOPY:
                for (int i = 0; i < n; ++i)
                    d[i] = Opaque(s[i]);
                break;
            case SRCINVERT:
                for (int i = 0; i < n; ++i)
                    d[i] = Opaque(d[i] ^ s[i]);
                break;
            case SRCPAINT:
                for (int i = 0; i < n; ++i)
                    d[i] = Opaque(d[i] | s[i]);
                break;
            case SRCAND:
                for (int i = 0; i < n; ++i)
                    d[i] = Opaque(d[i] & s[i]);
                break;
            case PATCOPY:
                std::fill(d, d + n, p);
                break;
            case DSTINVERT:
                for (int i = 0; i < n; ++i)
                    d[i] = Opaque(~d[i]);
                break;
            default:
                for (int i = 0; i < n; ++i)
                    d[i] = MixRop3(rop, p, s ? s[i] : 0, d[i]);
                break;
            }
        }
    }
}

QRect DeviceRect(const GdiDc& dc, int x, int y, int w, int h)
{
    return QRect(x, y, w, h).translated(dc.st.origin);
}

// The source pixels of a stretched transfer, scaled to the destination size
// by the DC's stretch mode; negative sizes mirror.
QImage StretchedSource(const GdiDc& dst, const GdiDc& src, int sx, int sy, int sw, int sh, int w, int h)
{
    QRect srcRect = DeviceRect(src, sx, sy, sw, sh).normalized();
    if (sw < 0)
        srcRect.translate(1, 0);
    if (sh < 0)
        srcRect.translate(0, 1);
    // A part inside another image is read where it lies (a view, no copy of
    // what may be a large picture). A part reaching outside is copied, which
    // fills the missing pixels, and so is a part of the destination itself.
    const int bytesPerPixel = src.target->depth() / 8;
    const bool view = src.target != dst.target && src.target->depth() % 8 == 0 && bytesPerPixel > 0 &&
        src.target->rect().contains(srcRect);
    QImage part = view
        ? QImage(src.target->constScanLine(srcRect.top()) +
                  static_cast<qsizetype>(srcRect.left()) * bytesPerPixel,
              srcRect.width(), srcRect.height(), src.target->bytesPerLine(), src.target->format())
        : src.target->copy(srcRect);
    const bool mirrorX = (sw < 0) != (w < 0);
    const bool mirrorY = (sh < 0) != (h < 0);
    if (mirrorX || mirrorY)
        part = part.mirrored(mirrorX, mirrorY);
    const Qt::TransformationMode mode =
        dst.st.stretchMode == HALFTONE ? Qt::SmoothTransformation : Qt::FastTransformation;
    return part.scaled(std::abs(w), std::abs(h), Qt::IgnoreAspectRatio, mode)
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

BOOL BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop)
{
    if (src && src->desktop)
        return DesktopBitBlt(dst, x, y, w, h, src, sx, sy, rop);
    if (!dst || !dst->target)
        return FALSE;
    const bool usesSource = RopUsesSource(rop);
    if (usesSource && (!src || !src->target))
        return FALSE;
    if (w <= 0 || h <= 0)
        return TRUE;
    const QRect dstRect = DeviceRect(*dst, x, y, w, h);
    if (!usesSource) {
        ApplyRop(*dst, dstRect, nullptr, QPoint(), rop);
        return TRUE;
    }
    ApplyRop(*dst, dstRect, src->target, QPoint(sx, sy) + src->st.origin, rop);
    return TRUE;
}

BOOL StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, DWORD rop)
{
    if (!dst || !dst->target || !src || !src->target)
        return FALSE;
    if (w == sw && h == sh && w > 0 && h > 0)
        return BitBlt(dst, x, y, w, h, src, sx, sy, rop);
    if (w == 0 || h == 0 || sw == 0 || sh == 0)
        return TRUE;
    const QImage scaled = StretchedSource(*dst, *src, sx, sy, sw, sh, w, h);
    QRect dstRect = DeviceRect(*dst, x, y, w, h).normalized();
    if (w < 0)
        dstRect.translate(1, 0);
    if (h < 0)
        dstRect.translate(0, 1);
    ApplyRop(*dst, dstRect, &scaled, QPoint(0, 0), rop);
    return TRUE;
}

BOOL PatBlt(HDC dc, int x, int y, int w, int h, DWORD rop)
{
    if (!dc || !dc->target || RopUsesSource(rop))
        return FALSE;
    QRect r = DeviceRect(*dc, x, y, w, h).normalized();
    ApplyRop(*dc, r, nullptr, QPoint(), rop);
    return TRUE;
}

BOOL TransparentBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, UINT key)
{
    if (!dst || !dst->target || !src || !src->target || w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return FALSE;
    QImage scaledCopy;
    const QImage* from = src->target;
    QPoint origin = QPoint(sx, sy) + src->st.origin;
    if (w != sw || h != sh || src->target == dst->target) {
        scaledCopy = (w != sw || h != sh) ? src->target->copy(QRect(origin, QSize(sw, sh))).scaled(w, h)
                                          : src->target->copy(QRect(origin, QSize(sw, sh)));
        scaledCopy = scaledCopy.convertToFormat(QImage::Format_RGB32);
        from = &scaledCopy;
        origin = QPoint(0, 0);
    }
    const QRect dstRect = DeviceRect(*dst, x, y, w, h);
    const QRect area =
        dstRect & (QRect(origin, dstRect.size()) & from->rect()).translated(dstRect.topLeft() - origin);
    const QRgb keyRgb = PixelFromColorref(key) & kRgbMask;
    const QPoint shift = origin - dstRect.topLeft();
    for (const QRect& r : DrawableRegion(*dst, area)) {
        for (int yy = r.top(); yy <= r.bottom(); ++yy) {
            auto* d = reinterpret_cast<QRgb*>(dst->target->scanLine(yy));
            const auto* s = reinterpret_cast<const QRgb*>(from->constScanLine(yy + shift.y()));
            for (int xx = r.left(); xx <= r.right(); ++xx) {
                const QRgb v = s[xx + shift.x()];
                if ((v & kRgbMask) != keyRgb)
                    d[xx] = Opaque(v);
            }
        }
    }
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, rop);
}

BOOL CDC::StretchBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, sw, sh, rop);
}

BOOL CDC::PatBlt(int x, int y, int w, int h, DWORD rop)
{
    return ::PatBlt(m_hDC, x, y, w, h, rop);
}

BOOL CDC::TransparentBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, UINT key)
{
    return ::TransparentBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, sw, sh, key);
}

void CDC::FillSolidRect(int x, int y, int w, int h, COLORREF color)
{
    if (!m_hDC || !m_hDC->target)
        return;
    const QRgb p = PixelFromColorref(color);
    for (const QRect& r : DrawableRegion(*m_hDC, DeviceRect(*m_hDC, x, y, w, h).normalized()))
        for (int yy = r.top(); yy <= r.bottom(); ++yy) {
            auto* d = reinterpret_cast<QRgb*>(m_hDC->target->scanLine(yy));
            std::fill(d + r.left(), d + r.right() + 1, p);
        }
    m_hDC->st.bkColor = color & 0xFFFFFF;  // as the platform does: it paints with the background colour
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color)
{
    if (rect)
        FillSolidRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, color);
}

void CDC::FillRect(const RECT* rect, CBrush* brush)
{
    if (!rect || !brush || !brush->m_hObject || !m_hDC)
        return;
    auto* b = static_cast<HBRUSH>(brush->m_hObject);
    if (b->hollow)
        return;
    const COLORREF keep = m_hDC->st.bkColor;
    FillSolidRect(rect, b->color);
    m_hDC->st.bkColor = keep;
}

void CDC::FrameRect(const RECT* rect, CBrush* brush)
{
    if (!rect || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    const RECT edges[4] = {{rect->left, rect->top, rect->right, rect->top + 1},
        {rect->left, rect->bottom - 1, rect->right, rect->bottom},
        {rect->left, rect->top + 1, rect->left + 1, rect->bottom - 1},
        {rect->right - 1, rect->top + 1, rect->right, rect->bottom - 1}};
    for (const RECT& e : edges)
        FillRect(&e, brush);
}

void CDC::Draw3dRect(int x, int y, int w, int h, COLORREF topLeft, COLORREF bottomRight)
{
    const COLORREF keep = m_hDC ? m_hDC->st.bkColor : 0;
    FillSolidRect(x, y, w - 1, 1, topLeft);
    FillSolidRect(x, y, 1, h - 1, topLeft);
    FillSolidRect(x + w - 1, y, 1, h, bottomRight);
    FillSolidRect(x, y + h - 1, w, 1, bottomRight);
    if (m_hDC)
        m_hDC->st.bkColor = keep;
}

BOOL CDC::InvertRect(const RECT* rect)
{
    return rect &&
        PatBlt(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, DSTINVERT);
}
