#include "platform/gdi/gdi_dc.h"

GdiDc::GdiDc()
{
    st.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    st.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    st.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

GdiDc::~GdiDc()
{
    delete tempWrapper;
}

HDC CreateSurfaceDc(QImage* surface, HWND window)
{
    auto* dc = new GdiDc;
    dc->target = surface;
    dc->window = window;
    return dc;
}

HDC CreateCompatibleDC(HDC)
{
    auto* dc = new GdiDc;
    dc->memory = true;
    dc->defaultBitmap.image = QImage(1, 1, QImage::Format_RGB32);
    dc->defaultBitmap.image.fill(0xFF000000u);
    dc->defaultBitmap.stock = true;
    dc->target = &dc->defaultBitmap.image;
    return dc;
}

BOOL DeleteDC(HDC dc)
{
    if (!dc)
        return FALSE;
    if (dc->wrapper)
        dc->wrapper->m_hDC = nullptr;
    delete dc;
    return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    if (!dc || !object)
        return nullptr;
    HGDIOBJ previous = nullptr;
    switch (object->kind) {
    case GdiObject::Kind::Bitmap: {
        if (!dc->memory)
            return nullptr;
        previous = dc->bitmap ? static_cast<HGDIOBJ>(dc->bitmap) : &dc->defaultBitmap;
        auto* b = static_cast<HBITMAP>(object);
        dc->bitmap = b == &dc->defaultBitmap ? nullptr : b;
        dc->target = &b->image;
        dc->st.clip.reset();
        break;
    }
    case GdiObject::Kind::Pen:
        previous = dc->st.pen;
        dc->st.pen = static_cast<HPEN>(object);
        break;
    case GdiObject::Kind::Brush:
        previous = dc->st.brush;
        dc->st.brush = static_cast<HBRUSH>(object);
        break;
    case GdiObject::Kind::Font:
        previous = dc->st.font;
        dc->st.font = static_cast<HFONT>(object);
        break;
    case GdiObject::Kind::Region:
        dc->st.clip = static_cast<HRGN>(object)->region;
        return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(SIMPLEREGION));
    }
    return previous;
}

int SetStretchBltMode(HDC dc, int mode)
{
    if (!dc)
        return 0;
    return std::exchange(dc->st.stretchMode, mode);
}

int SetROP2(HDC dc, int mode)
{
    if (!dc || mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return std::exchange(dc->st.rop2, mode);
}

QRegion DrawableRegion(const GdiDc& dc, const QRect& rect)
{
    if (!dc.target)
        return {};
    QRegion r(rect & dc.target->rect());
    if (dc.st.clip)
        r &= *dc.st.clip;
    return r;
}

CDC::~CDC()
{
    if (m_owned)
        DeleteDC();
    else
        Detach();
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    if (dc->wrapper)
        return dc->wrapper;
    if (!dc->tempWrapper) {
        dc->tempWrapper = new CDC;
        dc->tempWrapper->m_hDC = dc;
    }
    return dc->tempWrapper;
}

BOOL CDC::Attach(HDC dc)
{
    if (!dc || m_hDC)
        return FALSE;
    m_hDC = dc;
    dc->wrapper = this;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    if (dc && dc->wrapper == this)
        dc->wrapper = nullptr;
    m_hDC = nullptr;
    m_owned = false;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    if (m_hDC)
        return FALSE;
    Attach(::CreateCompatibleDC(nullptr));
    m_owned = true;
    return TRUE;
}

BOOL CDC::CreateDC(const QString& driver, const QString&, const QString&, const void*)
{
    if (m_hDC || driver.compare(QLatin1String("DISPLAY"), Qt::CaseInsensitive) != 0)
        return FALSE;
    Attach(CreateDesktopDc());
    m_owned = true;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    HDC dc = m_hDC;
    Detach();
    return ::DeleteDC(dc);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!bitmap || !m_hDC)
        return nullptr;
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, bitmap->m_hObject)));
}

CPen* CDC::SelectObject(CPen* pen)
{
    if (!pen || !m_hDC)
        return nullptr;
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    if (!brush || !m_hDC)
        return nullptr;
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, brush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* font)
{
    if (!font || !m_hDC)
        return nullptr;
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, font->m_hObject)));
}

int CDC::SelectObject(CRgn* region)
{
    return SelectClipRgn(region);
}

CGdiObject* CDC::SelectStockObject(int which)
{
    HGDIOBJ h = GetStockObject(which);
    if (!h || !m_hDC)
        return nullptr;
    HGDIOBJ previous = ::SelectObject(m_hDC, h);
    switch (h->kind) {
    case GdiObject::Kind::Pen:
        return CPen::FromHandle(static_cast<HPEN>(previous));
    case GdiObject::Kind::Brush:
        return CBrush::FromHandle(static_cast<HBRUSH>(previous));
    case GdiObject::Kind::Font:
        return CFont::FromHandle(static_cast<HFONT>(previous));
    default:
        return nullptr;
    }
}

CBitmap* CDC::GetCurrentBitmap() const
{
    if (!m_hDC || !m_hDC->memory)
        return nullptr;
    return m_hDC->bitmap ? CBitmap::FromHandle(m_hDC->bitmap) : nullptr;
}

CFont* CDC::GetCurrentFont() const
{
    return m_hDC ? CFont::FromHandle(m_hDC->st.font) : nullptr;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return m_hDC ? std::exchange(m_hDC->st.textColor, color & 0xFFFFFF) : 0;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    return m_hDC ? std::exchange(m_hDC->st.bkColor, color & 0xFFFFFF) : 0;
}

int CDC::SetBkMode(int mode)
{
    return m_hDC ? std::exchange(m_hDC->st.bkMode, mode) : 0;
}

int CDC::SetROP2(int mode)
{
    return ::SetROP2(m_hDC, mode);
}

int CDC::GetROP2() const
{
    return m_hDC ? m_hDC->st.rop2 : 0;
}

int CDC::SetStretchBltMode(int mode)
{
    return ::SetStretchBltMode(m_hDC, mode);
}

int CDC::GetStretchBltMode() const
{
    return m_hDC ? m_hDC->st.stretchMode : 0;
}

CPoint CDC::SetBrushOrg(int, int)
{
    return CPoint();  // brushes are solid: the origin changes nothing
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    if (!m_hDC)
        return CPoint();
    const QPoint old = std::exchange(m_hDC->st.origin, QPoint(x, y));
    return CPoint(old.x(), old.y());
}

CPoint CDC::GetViewportOrg() const
{
    return m_hDC ? CPoint(m_hDC->st.origin.x(), m_hDC->st.origin.y()) : CPoint();
}

int CDC::SelectClipRgn(CRgn* region)
{
    if (!m_hDC)
        return ERROR_REGION;
    if (!region || !region->m_hObject) {
        m_hDC->st.clip.reset();
        return SIMPLEREGION;
    }
    m_hDC->st.clip = static_cast<HRGN>(region->m_hObject)->region;
    return RegionKind(*m_hDC->st.clip);
}

int CDC::IntersectClipRect(int l, int t, int r, int b)
{
    if (!m_hDC || !m_hDC->target)
        return ERROR_REGION;
    const QRegion base = m_hDC->st.clip.value_or(QRegion(m_hDC->target->rect()));
    const QRect rect = QRect(l, t, std::max(0, r - l), std::max(0, b - t)).translated(m_hDC->st.origin);
    m_hDC->st.clip = base & rect;
    return RegionKind(*m_hDC->st.clip);
}

int CDC::ExcludeClipRect(int l, int t, int r, int b)
{
    if (!m_hDC || !m_hDC->target)
        return ERROR_REGION;
    const QRegion base = m_hDC->st.clip.value_or(QRegion(m_hDC->target->rect()));
    const QRect rect = QRect(l, t, std::max(0, r - l), std::max(0, b - t)).translated(m_hDC->st.origin);
    m_hDC->st.clip = base - rect;
    return RegionKind(*m_hDC->st.clip);
}

int CDC::SaveDC()
{
    if (!m_hDC)
        return 0;
    m_hDC->saved.push_back(m_hDC->st);
    return static_cast<int>(m_hDC->saved.size());
}

BOOL CDC::RestoreDC(int saved)
{
    if (!m_hDC || m_hDC->saved.empty())
        return FALSE;
    std::size_t index = saved < 0 ? m_hDC->saved.size() + saved : std::size_t(saved - 1);
    if (index >= m_hDC->saved.size())
        return FALSE;
    m_hDC->st = m_hDC->saved[index];
    m_hDC->saved.resize(index);
    return TRUE;
}

QImage* CDC::GetImage() const
{
    return m_hDC ? m_hDC->target : nullptr;
}
