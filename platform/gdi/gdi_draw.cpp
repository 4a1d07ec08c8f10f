// Lines, shapes, pixels and text on a DC. One-pixel pens are drawn pixel by
// pixel (end point excluded, as the platform does) through the DC's mixing
// mode, so exclusive-or lines restore exactly when drawn twice; wider pens,
// ellipses, polygons and text go through QPainter.
#include "platform/gdi/gdi_dc.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {

bool PenIsNull(const GdiDc& dc)
{
    return !dc.st.pen || dc.st.pen->style == PS_NULL;
}

// Whether step `i` of a styled pen is drawn (dots alternate, dashes are 6 on 2 off).
bool PenDrawsStep(int style, int i)
{
    switch (style) {
    case PS_DOT:
        return (i & 1) == 0;
    case PS_DASH:
        return (i % 8) < 6;
    case PS_DASHDOT: {
        const int k = i % 12;
        return k < 6 || (k >= 8 && k < 10);
    }
    default:
        return true;
    }
}

void MixPixel(GdiDc& dc, int x, int y, QRgb pen, const QRegion* clip)
{
    if (!dc.target->rect().contains(x, y) || (clip && !clip->contains(QPoint(x, y))))
        return;
    auto* row = reinterpret_cast<QRgb*>(dc.target->scanLine(y));
    row[x] = MixRop2(dc.st.rop2, pen, row[x]);
}

// A one-pixel line from (x0, y0) to (x1, y1) in device coordinates, without its last point.
void ThinLine(GdiDc& dc, int x0, int y0, int x1, int y1)
{
    const QRgb pen = PixelFromColorref(dc.st.pen->color);
    const int style = dc.st.pen->style;
    const QRegion* clip = dc.st.clip ? &*dc.st.clip : nullptr;
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (int i = 0; !(x0 == x1 && y0 == y1); ++i) {
        if (PenDrawsStep(style, i))
            MixPixel(dc, x0, y0, pen, clip);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

QPainter::CompositionMode CompositionFor(int rop2)
{
    switch (rop2) {
    case R2_XORPEN:
        return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTXORPEN:
        return QPainter::RasterOp_NotSourceXorDestination;
    case R2_NOT:
        return QPainter::RasterOp_NotDestination;
    case R2_MASKPEN:
        return QPainter::RasterOp_SourceAndDestination;
    case R2_MERGEPEN:
        return QPainter::RasterOp_SourceOrDestination;
    case R2_NOTCOPYPEN:
        return QPainter::RasterOp_NotSource;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// A painter on the DC's surface with its origin, clip and mixing mode.
void PreparePainter(QPainter& p, const GdiDc& dc)
{
    if (dc.st.clip)
        p.setClipRegion(*dc.st.clip);
    p.translate(dc.st.origin);
    p.setCompositionMode(CompositionFor(dc.st.rop2));
}

QPen QtPen(const GdiDc& dc)
{
    if (PenIsNull(dc))
        return Qt::NoPen;
    QPen pen(QColor::fromRgb(PixelFromColorref(dc.st.pen->color)));
    pen.setWidth(dc.st.pen->width);
    pen.setJoinStyle(Qt::MiterJoin);
    if (dc.st.pen->style == PS_DOT)
        pen.setDashPattern({1, 1});
    else if (dc.st.pen->style == PS_DASH)
        pen.setDashPattern({6, 2});
    return pen;
}

QBrush QtBrush(const GdiDc& dc)
{
    if (!dc.st.brush || dc.st.brush->hollow)
        return Qt::NoBrush;
    return QBrush(QColor::fromRgb(PixelFromColorref(dc.st.brush->color)));
}

bool ThinPen(const GdiDc& dc)
{
    return !PenIsNull(dc) && dc.st.pen->width <= 1;
}

}  // namespace

CPoint CDC::MoveTo(int x, int y)
{
    if (!m_hDC)
        return CPoint();
    const POINT old = std::exchange(m_hDC->st.pos, POINT{x, y});
    return CPoint(old);
}

BOOL CDC::LineTo(int x, int y)
{
    if (!m_hDC || !m_hDC->target)
        return FALSE;
    const POINT from = std::exchange(m_hDC->st.pos, POINT{x, y});
    if (PenIsNull(*m_hDC))
        return TRUE;
    const QPoint o = m_hDC->st.origin;
    if (ThinPen(*m_hDC)) {
        ThinLine(*m_hDC, from.x + o.x(), from.y + o.y(), x + o.x(), y + o.y());
        return TRUE;
    }
    QPainter p(m_hDC->target);
    PreparePainter(p, *m_hDC);
    p.setPen(QtPen(*m_hDC));
    p.drawLine(from.x, from.y, x, y);
    return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    if (!m_hDC || !points || count < 2)
        return FALSE;
    const POINT keep = m_hDC->st.pos;
    MoveTo(points[0].x, points[0].y);
    for (int i = 1; i < count; ++i)
        LineTo(points[i].x, points[i].y);
    m_hDC->st.pos = keep;
    return TRUE;
}

BOOL CDC::Rectangle(int l, int t, int r, int b)
{
    if (!m_hDC || !m_hDC->target)
        return FALSE;
    if (r < l)
        std::swap(l, r);
    if (b < t)
        std::swap(t, b);
    if (r - l < 1 || b - t < 1)
        return TRUE;
    const bool outline = !PenIsNull(*m_hDC);
    const bool thin = ThinPen(*m_hDC);
    // The interior, then the outline: each pixel is touched once, so a
    // mixing mode such as exclusive-or applies exactly once.
    if (m_hDC->st.brush && !m_hDC->st.brush->hollow) {
        // Under a pen the interior is inside the outline; without one the
        // figure is a pixel narrower and lower, as on the platform.
        const int inset = outline && thin ? 1 : 0;
        const int shrink = outline ? 2 * inset : 1;
        const int rop = m_hDC->st.rop2;
        const QRgb brush = PixelFromColorref(m_hDC->st.brush->color);
        const QRect interior =
            QRect(l + inset, t + inset, r - l - shrink, b - t - shrink).translated(m_hDC->st.origin);
        for (const QRect& rr : DrawableRegion(*m_hDC, interior))
            for (int y = rr.top(); y <= rr.bottom(); ++y) {
                auto* d = reinterpret_cast<QRgb*>(m_hDC->target->scanLine(y));
                for (int x = rr.left(); x <= rr.right(); ++x)
                    d[x] = MixRop2(rop, brush, d[x]);
            }
    }
    if (!outline)
        return TRUE;
    if (thin) {
        const QPoint o = m_hDC->st.origin;
        const int x0 = l + o.x(), y0 = t + o.y(), x1 = r - 1 + o.x(), y1 = b - 1 + o.y();
        if (x0 == x1 || y0 == y1) {  // a one-pixel-wide or -high box is a single line
            ThinLine(*m_hDC, x0, y0, x1 + (x0 == x1 ? 0 : 1), y1 + (x0 == x1 ? 1 : 0));
            return TRUE;
        }
        ThinLine(*m_hDC, x0, y0, x1, y0);
        ThinLine(*m_hDC, x1, y0, x1, y1);
        ThinLine(*m_hDC, x1, y1, x0, y1);
        ThinLine(*m_hDC, x0, y1, x0, y0);
        return TRUE;
    }
    QPainter p(m_hDC->target);
    PreparePainter(p, *m_hDC);
    QPen pen = QtPen(*m_hDC);
    const int w = m_hDC->st.pen->width;
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(l + w / 2.0, t + w / 2.0, r - l - w, b - t - w));
    return TRUE;
}

BOOL CDC::Ellipse(int l, int t, int r, int b)
{
    if (!m_hDC || !m_hDC->target)
        return FALSE;
    QPainter p(m_hDC->target);
    PreparePainter(p, *m_hDC);
    p.setPen(QtPen(*m_hDC));
    p.setBrush(QtBrush(*m_hDC));
    p.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    if (!m_hDC || !m_hDC->target || !points || count < 2)
        return FALSE;
    QPolygon poly;
    for (int i = 0; i < count; ++i)
        poly << QPoint(points[i].x, points[i].y);
    QPainter p(m_hDC->target);
    PreparePainter(p, *m_hDC);
    p.setPen(QtPen(*m_hDC));
    p.setBrush(QtBrush(*m_hDC));
    p.drawPolygon(poly);
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    if (!m_hDC || !m_hDC->target)
        return static_cast<COLORREF>(-1);
    const QPoint d = QPoint(x, y) + m_hDC->st.origin;
    if (DrawableRegion(*m_hDC, QRect(d, QSize(1, 1))).isEmpty())
        return static_cast<COLORREF>(-1);
    m_hDC->target->setPixel(d, PixelFromColorref(color));
    return color & 0xFFFFFF;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    if (!m_hDC || !m_hDC->target)
        return static_cast<COLORREF>(-1);
    const QPoint d = QPoint(x, y) + m_hDC->st.origin;
    if (!m_hDC->target->rect().contains(d))
        return static_cast<COLORREF>(-1);
    return ColorrefFromPixel(m_hDC->target->pixel(d));
}

void CDC::DrawFocusRect(const RECT* rect)
{
    if (!m_hDC || !m_hDC->target || !rect)
        return;
    // A dotted exclusive-or frame: drawing it again removes it.
    GdiPen dotted;
    dotted.style = PS_DOT;
    dotted.color = 0xFFFFFF;
    const GdiDcState keep = m_hDC->st;
    m_hDC->st.pen = &dotted;
    m_hDC->st.brush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    m_hDC->st.rop2 = R2_XORPEN;
    Rectangle(rect);
    m_hDC->st = keep;
}

namespace {

QFont DcFont(const GdiDc& dc)
{
    return dc.st.font ? dc.st.font->font : QFont();
}

}  // namespace

BOOL CDC::TextOut(int x, int y, const QString& text)
{
    if (!m_hDC || !m_hDC->target)
        return FALSE;
    const QFont font = DcFont(*m_hDC);
    const QFontMetrics fm(font);
    QPainter p(m_hDC->target);
    if (m_hDC->st.clip)
        p.setClipRegion(*m_hDC->st.clip);
    p.translate(m_hDC->st.origin);
    if (m_hDC->st.bkMode == OPAQUE)
        p.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()),
            QColor::fromRgb(PixelFromColorref(m_hDC->st.bkColor)));
    p.setFont(font);
    p.setPen(QColor::fromRgb(PixelFromColorref(m_hDC->st.textColor)));
    p.drawText(QPoint(x, y + fm.ascent()), text);
    return TRUE;
}

int CDC::DrawText(const QString& text, RECT* rect, UINT format)
{
    if (!m_hDC || !rect)
        return 0;
    const QFont font = DcFont(*m_hDC);
    const QFontMetrics fm(font);
    int flags = 0;
    flags |= (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if (format & DT_SINGLELINE)
        flags |= (format & DT_VCENTER) ? Qt::AlignVCenter
            : (format & DT_BOTTOM)     ? Qt::AlignBottom
                                       : Qt::AlignTop;
    else
        flags |= Qt::AlignTop;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (!(format & DT_NOPREFIX))
        flags |= Qt::TextShowMnemonic;
    const QRect box(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    QString shown = text;
    if (format & DT_END_ELLIPSIS)
        shown = fm.elidedText(text, Qt::ElideRight, box.width());
    const QRect needed = fm.boundingRect(box, flags, shown);
    if (format & DT_CALCRECT) {
        rect->right = rect->left + needed.width();
        rect->bottom = rect->top + needed.height();
        return needed.height();
    }
    if (!m_hDC->target)
        return 0;
    QPainter p(m_hDC->target);
    if (m_hDC->st.clip)
        p.setClipRegion(*m_hDC->st.clip);
    p.translate(m_hDC->st.origin);
    if (!(format & DT_NOCLIP))
        p.setClipRect(box, m_hDC->st.clip ? Qt::IntersectClip : Qt::ReplaceClip);
    if (m_hDC->st.bkMode == OPAQUE)
        p.fillRect(needed & box, QColor::fromRgb(PixelFromColorref(m_hDC->st.bkColor)));
    p.setFont(font);
    p.setPen(QColor::fromRgb(PixelFromColorref(m_hDC->st.textColor)));
    p.drawText(box, flags, shown);
    return needed.height();
}

CSize CDC::GetTextExtent(const QString& text) const
{
    const QFontMetrics fm(m_hDC ? DcFont(*m_hDC) : QFont());
    return CSize(fm.horizontalAdvance(text), fm.height());
}

BOOL CDC::GetTextMetrics(TEXTMETRICW* metrics) const
{
    if (!m_hDC || !metrics)
        return FALSE;
    const QFont font = DcFont(*m_hDC);
    const QFontMetrics fm(font);
    metrics->tmHeight = fm.height();
    metrics->tmAscent = fm.ascent();
    metrics->tmDescent = fm.descent();
    metrics->tmInternalLeading = fm.height() - font.pixelSize();
    metrics->tmExternalLeading = fm.leading();
    metrics->tmAveCharWidth = fm.averageCharWidth();
    metrics->tmMaxCharWidth = fm.maxWidth();
    metrics->tmWeight = font.weight();
    return TRUE;
}
