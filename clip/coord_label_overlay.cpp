#include "clip/coord_label_overlay.h"

#include "clip/stage_zoom.h"

CCoordLabelOverlay::CCoordLabelOverlay(CStageZoom* zoom) : m_zoom(zoom), m_font(28)
{
    m_buffer.SetBackColor(kLabelBackColor);
}

CCoordLabelOverlay::~CCoordLabelOverlay() = default;

int CCoordLabelOverlay::SetClientArea(const RECT& surface, CDC* dc)
{
    m_clientArea = RECT{0, 0, surface.right - surface.left, surface.bottom - surface.top};
    m_buffer.Free();
    m_buffer.SetBackColor(kLabelBackColor);
    return m_buffer.Create(dc, m_clientArea);
}

void CCoordLabelOverlay::SetStartPoint(int x, int y)
{
    m_start = POINT{x, y};
}

void CCoordLabelOverlay::SetSelection(int l, int t, int r, int b)
{
    m_start = POINT{l, t};
    m_end = POINT{r, b};
}

void CCoordLabelOverlay::SetFixedRect(int on, const RECT& rect)
{
    m_fixedRect = on ? rect : RECT{};
}

void CCoordLabelOverlay::SetRangeSize(int widthLess1, int heightLess1)
{
    m_rangeWidthLess1 = widthLess1;
    m_rangeHeightLess1 = heightLess1;
}

void CCoordLabelOverlay::Reset()
{
    m_start = m_end = POINT{-1, -1};
    m_fixedRect = m_rangeRect = RECT{};
    m_rangeWidthLess1 = m_rangeHeightLess1 = 0;
}

RECT CCoordLabelOverlay::GetLabelArea()
{
    return m_rangeRect;
}

void CCoordLabelOverlay::Draw(POINT, const RECT&)
{
}
