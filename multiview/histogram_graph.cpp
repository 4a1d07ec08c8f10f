// The mask dialog's range graph.
#include "multiview/histogram_graph.h"

#include "multiview/mask_dialog_rules.h"
#include "multiview/thumb_mask.h"

#include <algorithm>
#include <cmath>

CHistogramGraph::CHistogramGraph(const RECT& rect)
    : m_width(rect.right - rect.left), m_height(rect.bottom - rect.top)
{
    m_background.SetBackColor(RGB(255, 255, 255));
}

void CHistogramGraph::SetValueRange(DWORD minimum, DWORD maximum)
{
    m_valueMin = minimum;
    m_valueMax = maximum;
}

void CHistogramGraph::SetCountRange(DWORD lowest, DWORD largest)
{
    m_countLow = lowest;
    m_countHigh = largest;
}

int CHistogramGraph::MakeLayer(CVirtualWindow& layer, CDC* dc, COLORREF back)
{
    layer.Free();
    layer.SetBackColor(back);
    if (!layer.Create(dc, RECT{0, 0, LayerWidth(), LayerHeight()}))
        return 0;
    layer.GetMemDC()->SetBkMode(TRANSPARENT);
    return 1;
}

int CHistogramGraph::InitBackgroundLayer(CDC* dc)
{
    return MakeLayer(m_background, dc, RGB(255, 255, 255));
}

int CHistogramGraph::InitHistogramLayer(CDC* dc)
{
    return MakeLayer(m_histogram, dc, GetSysColor(COLOR_BTNFACE));
}

int CHistogramGraph::InitMarkerLayer(CDC* dc)
{
    return MakeLayer(m_markers, dc, GetSysColor(COLOR_BTNFACE));
}

int CHistogramGraph::BarX(DWORD value) const
{
    return MaskValueToX(value, m_valueMin, m_valueMax, m_width - 5);
}

int CHistogramGraph::MarkerX(DWORD value) const
{
    return MaskValueToX(value, m_valueMin, m_valueMax, m_width - 3);
}

void CHistogramGraph::DrawHistogram(int measure, const CMaskValueTally& tally)
{
    if (!m_histogram.IsCreated())
        return;
    CDC* dc = m_histogram.GetMemDC();
    CPen* old = dc->SelectObject(&m_barPen);
    const int hl = LayerHeight();
    for (const MaskValueEntry& e : tally.GetEntries(measure)) {
        const int x = BarX(e.value) + 1;
        dc->MoveTo(x, MaskCountToY(e.count, m_countHigh, hl, 10));
        dc->LineTo(x, hl);
    }
    dc->SelectObject(old);
}

void CHistogramGraph::DrawRangeMarkers(DWORD low, DWORD high)
{
    const int hl = LayerHeight();
    m_lowLine[0] = m_lowLine[1] = POINT{MarkerX(low), 0};
    m_highLine[0] = m_highLine[1] = POINT{MarkerX(high), 0};
    m_lowLine[1].y = m_highLine[1].y = hl;
    if (!m_markers.IsCreated())
        return;
    m_markers.Clear(RECT{0, 0, LayerWidth(), hl});
    CDC* dc = m_markers.GetMemDC();
    CPen* old = dc->SelectObject(&m_markerPen);
    for (const POINT* line : {m_lowLine, m_highLine}) {
        dc->MoveTo(line[0].x, line[0].y);
        dc->LineTo(line[1].x, line[1].y);
    }
    dc->SelectObject(old);
}

void CHistogramGraph::ShadeOutsideRange(int lowX, int highX)
{
    if (!m_background.IsCreated())
        return;
    CDC* dc = m_background.GetMemDC();
    const int top = 1;
    const int bottom = LayerHeight() - 1;
    const int width = LayerWidth();
    if (lowX >= 2) {
        const RECT r{0, top, lowX, bottom};
        dc->FillRect(&r, &m_greyBrush);
    }
    if (highX > lowX + 1) {
        const RECT r{lowX + 1, top, highX, bottom};
        dc->FillRect(&r, &m_whiteBrush);
    }
    if (highX + 1 < width) {
        const RECT r{highX + 1, top, width, bottom};
        dc->FillRect(&r, &m_greyBrush);
    }
}

void CHistogramGraph::Compose(CDC* dc)
{
    const RECT r{0, 0, LayerWidth(), LayerHeight()};
    if (m_background.IsCreated())
        m_background.DrawInset(dc, r, 1, 1);
    if (m_histogram.IsCreated())
        m_histogram.DrawInset(dc, r, 1, 0);
    if (m_markers.IsCreated())
        m_markers.DrawInset(dc, r, 1, 0);
}

DWORD CHistogramGraph::PixelToValue(int x) const
{
    const int span = m_width - 3;
    if (span <= 0 || m_valueMax <= m_valueMin)
        return m_valueMin;
    x = std::clamp(x, 0, span);
    // Rounded up so the value's marker lands back on x.
    const double offset = static_cast<double>(x) / span * (static_cast<double>(m_valueMax) - m_valueMin);
    return m_valueMin + static_cast<DWORD>(std::ceil(offset - 1e-9));
}
