#include "clip/coord_label_overlay.h"

#include "clip/coord_label_placement.h"
#include "clip/stage_zoom.h"
#include "core/app_state_queries.h"
#include "core/settings/app_settings.h"

#include <cstdio>
#include <cstdlib>

namespace {

QString CoordText(int a, int b)
{
    char text[64];
    std::snprintf(text, sizeof text, "( %d : %d )", a, b);
    return QString::fromLatin1(text);
}

bool Unset(POINT p)
{
    return p.x == -1;
}

bool InRect(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// A label of the given colours, opaque.
void DrawLabel(CDC* dc, POINT at, const QString& text, COLORREF color, COLORREF back)
{
    dc->SetTextColor(color);
    dc->SetBkColor(back);
    dc->TextOut(at.x, at.y, text);
}

}  // namespace

CCoordLabelOverlay::CCoordLabelOverlay(CStageZoom* zoom) : m_zoom(zoom), m_font(28)
{
    m_buffer.SetBackColor(kLabelBackColor);
    LOGFONTW* lf = m_font.GetLogFont();
    lf->lfHeight = -15;
    lf->lfWidth = 6;
    lf->lfWeight = 300;
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
    if (m_fixedRect.right != 0 && m_fixedRect.bottom != 0) {
        m_rangeRect = m_fixedRect;
        return m_rangeRect;
    }
    // The end of the range nearer the client area's far edge anchors it.
    const bool endX = (m_start.x + m_end.x) / 2 > m_clientArea.right / 2;
    const bool endY = (m_start.y + m_end.y) / 2 > m_clientArea.bottom / 2;
    const POINT edge{endX ? m_end.x : m_start.x, endY ? m_end.y : m_start.y};
    const POINT q = m_zoom->ClientToImagePixel(POINT{edge.x + m_zoom->originX, edge.y + m_zoom->originY});
    RECT r;
    if (endX) {
        r.left = q.x - m_rangeWidthLess1;
        r.right = q.x;
    } else {
        r.left = q.x;
        r.right = q.x + m_rangeWidthLess1;
    }
    if (endY) {
        r.top = q.y - m_rangeHeightLess1;
        r.bottom = q.y;
    } else {
        r.top = q.y;
        r.bottom = q.y + m_rangeHeightLess1;
    }
    m_rangeRect = r;
    return r;
}

POINT CCoordLabelOverlay::ClientPointOf(POINT imagePixel) const
{
    const DoublePoint c = m_zoom->ImageToClient(imagePixel.x, imagePixel.y, 0, 1);
    return POINT{static_cast<int>(c.x), static_cast<int>(c.y)};
}

std::vector<PlacedLabel> CCoordLabelOverlay::Layout(POINT c, const RECT& v, const LabelMeasure& measure)
{
    const bool twoClicks = Unset(m_end);
    // A wheel or fixed range: its image rectangle first (which maps the
    // anchor point and so sets the zoom's cell offsets the size label uses).
    const RECT range = twoClicks ? RECT{} : IsSmoothClipOrFixedArea() ? GetLabelArea() : m_rangeRect;
    const LabelZoomFigures cells{
        m_zoom->cellOffsetX, m_zoom->cellOffsetY, m_zoom->pixelRatioX, m_zoom->pixelRatioY};
    const LabelZoomFigures plainStart = WithoutCellOffsets(cells, true);
    const LabelZoomFigures plainEnd = WithoutCellOffsets(cells, false);
    const SIZE client{m_clientArea.right - m_clientArea.left, m_clientArea.bottom - m_clientArea.top};
    std::vector<PlacedLabel> labels;
    auto add = [&](LabelKind kind, const QString& text, auto place) {
        const SIZE extent = measure(text);
        labels.push_back(PlacedLabel{kind, text, place(extent)});
    };

    if (!Unset(m_start) && twoClicks) {
        // Two clicks after the first point: from the start to the cursor.
        const POINT a = ClientPointOf(m_start);
        const POINT b = ClientPointOf(c);
        if (InRect(v, m_start))
            add(LabelKind::Start, CoordText(m_start.x, m_start.y),
                [&](SIZE e) { return PlaceStartLabel(e, a, plainStart); });
        add(LabelKind::End, CoordText(c.x, c.y), [&](SIZE e) { return PlaceEndLabel(e, b, client, cells); });
        add(LabelKind::Size, CoordText(std::abs(c.x - m_start.x) + 1, std::abs(c.y - m_start.y) + 1),
            [&](SIZE e) { return PlaceSizeLabel(e, a, b, cells); });
    } else if (Unset(m_start) && twoClicks) {
        // Two clicks before the first point: the cursor alone.
        const POINT b = ClientPointOf(c);
        add(LabelKind::End, CoordText(c.x, c.y), [&](SIZE e) { return PlaceStartLabel(e, b, cells); });
    } else {
        // A wheel or fixed range between the client start and end points.
        const RECT& r = range;
        add(LabelKind::Start, CoordText(r.left, r.top),
            [&](SIZE e) { return PlaceStartLabel(e, m_start, plainStart); });
        add(LabelKind::End, CoordText(r.right, r.bottom),
            [&](SIZE e) { return PlaceEndLabel(e, m_end, client, plainEnd); });
        add(LabelKind::Size, CoordText(r.right - r.left + 1, r.bottom - r.top + 1),
            [&](SIZE e) { return PlaceSizeLabel(e, m_start, m_end, cells); });
    }
    return labels;
}

void CCoordLabelOverlay::Draw(POINT c, const RECT& v)
{
    if (!m_buffer.IsCreated())
        return;
    CDC* dc = m_buffer.GetMemDC();
    m_buffer.Clear(m_clientArea);
    if (!m_font.GetFont()->GetSafeHandle())
        m_font.CreateFont();
    const int saved = dc->SaveDC();
    CFont* oldFont = dc->SelectObject(m_font.GetFont());
    dc->IntersectClipRect(1, 1, m_clientArea.right - 2, m_clientArea.bottom - 2);
    dc->SetBkMode(OPAQUE);
    const auto measure = [dc](const QString& text) -> SIZE { return dc->GetTextExtent(text); };
    for (const PlacedLabel& label : Layout(c, v, measure)) {
        if (label.kind == LabelKind::Size) {
            if (label.at.x == 0 && label.at.y == 0)
                continue;
            DrawLabel(dc, label.at, label.text, AppSettings.SelRangeCorrSizeColor,
                AppSettings.SelRangeCorrSizeColorBk);
        } else {
            DrawLabel(
                dc, label.at, label.text, AppSettings.SelRangeCorrXYColor, AppSettings.SelRangeCorrXYColorBk);
        }
    }
    dc->SelectObject(oldFont);
    dc->RestoreDC(saved);
}
