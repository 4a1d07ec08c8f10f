// Regions: rectangles and ellipses, combined, tested and measured.
#include "platform/gdi/gdi.h"

BOOL CRgn::CreateRectRgn(int l, int t, int r, int b)
{
    if (m_hObject)
        return FALSE;
    auto* g = new GdiRegion;
    if (r > l && b > t)
        g->region = QRegion(l, t, r - l, b - t);
    return Attach(g);
}

BOOL CRgn::CreateRectRgnIndirect(const RECT* rect)
{
    return rect && CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CRgn::CreateEllipticRgn(int l, int t, int r, int b)
{
    if (m_hObject)
        return FALSE;
    auto* g = new GdiRegion;
    if (r > l && b > t)
        g->region = QRegion(l, t, r - l, b - t, QRegion::Ellipse);
    return Attach(g);
}

int RegionKind(const QRegion& r)
{
    if (r.isEmpty())
        return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int CRgn::CombineRgn(CRgn* a, CRgn* b, int mode)
{
    auto* self = static_cast<HRGN>(m_hObject);
    if (!self || !a || !a->m_hObject || (mode != RGN_COPY && (!b || !b->m_hObject)))
        return ERROR_REGION;
    const QRegion ra = static_cast<HRGN>(a->m_hObject)->region;
    const QRegion rb = mode == RGN_COPY ? QRegion() : static_cast<HRGN>(b->m_hObject)->region;
    switch (mode) {
    case RGN_AND:
        self->region = ra & rb;
        break;
    case RGN_OR:
        self->region = ra | rb;
        break;
    case RGN_XOR:
        self->region = ra ^ rb;
        break;
    case RGN_DIFF:
        self->region = ra - rb;
        break;
    case RGN_COPY:
        self->region = ra;
        break;
    default:
        return ERROR_REGION;
    }
    return RegionKind(self->region);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    auto* self = static_cast<HRGN>(m_hObject);
    return self && self->region.contains(QPoint(x, y));
}

int CRgn::GetRgnBox(RECT* box) const
{
    auto* self = static_cast<HRGN>(m_hObject);
    if (!self || !box)
        return ERROR_REGION;
    const QRect r = self->region.boundingRect();
    *box = r.isEmpty() ? RECT{} : RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    return RegionKind(self->region);
}
