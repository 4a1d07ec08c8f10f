#include "clip/stage_renderer.h"

#include "clip/highlight_pixels.h"
#include "clip/pixel_grid.h"
#include "clip/stage_measure_lines.h"
#include "clip/stage_overlay_drawing.h"
#include "clip/stage_zoom.h"
#include "core/app_state_queries.h"
#include "core/settings/app_settings.h"
#include "imaging/load_bitmap_for_dlg.h"

namespace {

constexpr int kTwoClicks = 2;
constexpr int kWheelRange = 3;

// The highlight style of the running method: 0 frame only, 1 darker, 2 lighter.
int HighlightStyle(const StageOverlayState& overlay)
{
    if (!overlay.selecting)
        return 0;
    if (overlay.method == kTwoClicks)
        return AppSettings.HighlightZoomAreaClick;
    if (overlay.method == kWheelRange)
        return AppSettings.HighlightZoomAreaWheel;
    return 0;
}

// Darkens or lightens every pixel of the bitmap; false for a depth the
// pixel rules do not know.
bool HighlightBitmapBits(CBitmap* bitmap, int style, int level)
{
    BITMAP info;
    if (!bitmap || !bitmap->GetBitmap(&info))
        return false;
    QImage* image = bitmap->GetImage();
    const int n = info.bmBitsPixel / 8;
    if (!image || image->bytesPerLine() != info.bmWidthBytes)
        return false;
    std::uint8_t* bits = image->bits();
    const std::size_t length = static_cast<std::size_t>(image->sizeInBytes());
    if (n == 3 || n == 4) {
        HighlightBytes(bits, length, n, style, level);
        if (n == 4)
            SetFourthBytesOpaque(bits, length);  // the surface stays opaque
        return true;
    }
    if (n == 2) {
        HighlightWords(bits, length, style, level);
        return true;
    }
    return false;
}

}  // namespace

struct CStageRenderer::HighlightBuffer {
    CBitmap bitmap;
    CBrush brush;
    CDC dc;  // declared last: released before the bitmap it holds
};

CStageRenderer::CStageRenderer(CStageZoom* zoom) : m_zoom(zoom), m_labels(zoom)
{
    m_backBuffer.SetBackColor(RGB(255, 255, 255));
}

CStageRenderer::~CStageRenderer() = default;

int CStageRenderer::CreateBackBuffer(CDC* dc, SIZE surface)
{
    // A buffer of the same size is cleared and drawn into again: a fresh one
    // of a screen's size would cost its page faults on every new layout.
    if (!HasBackBuffer() || surface.cx != m_surface.cx || surface.cy != m_surface.cy)
        FreeBackBuffer();
    m_surface = surface;
    const RECT area{0, 0, surface.cx, surface.cy};
    if (!m_backBuffer.Create(dc, area))
        return 0;
    return m_labels.SetClientArea(area, dc);
}

void CStageRenderer::FreeBackBuffer()
{
    m_backBuffer.Free();
}

bool CStageRenderer::HasBackBuffer() const
{
    return m_backBuffer.IsCreated();
}

int CStageRenderer::BuildHighlightBuffer()
{
    FreeHighlightBuffer();
    if (!HasBackBuffer())
        return 0;
    CDC* back = m_backBuffer.GetMemDC();
    auto h = std::make_unique<HighlightBuffer>();
    if (!h->dc.CreateCompatibleDC(back) ||
        !h->bitmap.CreateCompatibleBitmap(back, m_surface.cx, m_surface.cy))
        return 0;
    h->dc.SelectObject(&h->bitmap);
    h->brush.CreateSolidBrush(AppSettings.HighlightColor);
    h->dc.BitBlt(0, 0, m_surface.cx, m_surface.cy, back, 0, 0, SRCCOPY);
    m_highlight = std::move(h);
    return 1;
}

void CStageRenderer::FreeHighlightBuffer()
{
    m_highlight.reset();
}

bool CStageRenderer::HasHighlightBuffer() const
{
    return m_highlight != nullptr;
}

int CStageRenderer::Render(CLoadBitmap_for_Dlg* image, const StageOverlayState& overlay,
    const StageMeasureLines* measure, int flags, CDC* surface)
{
    if (!HasBackBuffer())
        return 0;
    CDC* back = m_backBuffer.GetMemDC();
    CRgn clip;
    clip.CreateRectRgn(0, 0, m_surface.cx, m_surface.cy);
    back->SelectClipRgn(&clip);

    const bool loaded = image && image->IsLoaded();
    if (loaded)
        DrawImage(image);
    if ((flags & kRenderHighlight) && HighlightStyle(overlay) != 0)
        DrawHighlight(overlay);
    if ((flags & kRenderGrid) && loaded && AppSettings.ShowPixelGrid == 1)
        DrawGrid();
    if ((flags & kRenderLabels) && AppSettings.ViewRangeCorr == 1 && overlay.selecting &&
        overlay.cursorImagePoint.x != -1)
        DrawLabels(overlay);
    if (AppSettings.ViewCenterMarker == 1 && overlay.selecting)
        DrawCenterMarker(back, overlay, AppSettings.SelCenterMarkerColor);
    if (measure)
        DrawMeasureLines(back, *m_zoom, *measure, static_cast<int>(AppSettings.ScaleLineWidth));
    if (surface)
        m_backBuffer.DrawInFrame(surface, RECT{0, 0, m_surface.cx, m_surface.cy}, 1);
    return 1;
}

void CStageRenderer::DrawImage(CLoadBitmap_for_Dlg* image)
{
    const int visibleWidth = m_zoom->VisibleWidth();
    if (visibleWidth <= 0 || m_zoom->VisibleHeight() <= 0)
        return;
    // Magnified pixels stay sharp; a reduced picture is smoothed.
    const int mode = static_cast<double>(m_surface.cx) / visibleWidth >= 1.0 ? COLORONCOLOR : HALFTONE;
    const RECT dst{0, 0, m_zoom->clientWidth, m_zoom->clientHeight};
    image->PaintStretched(m_backBuffer.GetMemDC()->GetSafeHdc(), nullptr, dst, m_zoom->visibleRect, mode);
}

void CStageRenderer::DrawHighlight(const StageOverlayState& overlay)
{
    const bool wheel = overlay.method == kWheelRange;
    const bool band = overlay.method == kTwoClicks && overlay.bandStarted;
    if ((!wheel && !band) || !m_highlight)
        return;
    CDC* back = m_backBuffer.GetMemDC();
    CDC* saved = &m_highlight->dc;
    const int w = m_surface.cx, h = m_surface.cy;
    saved->BitBlt(0, 0, w, h, back, 0, 0, SRCCOPY);

    const int style = HighlightStyle(overlay);
    if (AppSettings.BltRopMode == 1) {
        if (!HighlightBitmapBits(back->GetCurrentBitmap(), style, AppSettings.BlackWhiteLevel))
            back->PatBlt(0, 0, w, h, style == kHighlightLighter ? WHITENESS : BLACKNESS);
    } else {
        // The pattern stays selected for the raster operations that read it.
        CBrush* oldBrush = back->SelectObject(&m_highlight->brush);
        back->PatBlt(0, 0, w, h, PATCOPY);
        back->BitBlt(0, 0, w, h, saved, 0, 0, AppSettings.BltRopMode);
        back->SelectObject(oldBrush);
    }

    // The range itself is shown as it was.
    const RECT r = wheel ? overlay.wheelRangeClient : overlay.bandRect;
    const int extra = wheel ? 1 : 0;
    back->BitBlt(
        r.left, r.top, r.right - r.left + extra, r.bottom - r.top + extra, saved, r.left, r.top, SRCCOPY);
}

void CStageRenderer::DrawGrid()
{
    PixelGridStyle style;
    style.penStyle = AppSettings.PixelGridType;
    style.color = AppSettings.GridColor;
    style.level = AppSettings.LevelPixelGrid;
    DrawPixelGrid(m_backBuffer.GetMemDC(), m_surface, m_zoom->VisibleWidth(), m_zoom->VisibleHeight(), style);
}

void CStageRenderer::DrawLabels(const StageOverlayState& overlay)
{
    if (!m_labels.IsValid())
        return;
    const POINT c = overlay.cursorImagePoint;
    if (overlay.method == kTwoClicks) {
        m_labels.Draw(c, m_zoom->visibleRect);
    } else if (overlay.method == kWheelRange) {
        if (IsSmoothClipOrFixedArea()) {
            const RECT& r = overlay.wheelRangeClient;
            m_labels.SetSelection(r.left, r.top, r.right, r.bottom);
        }
        m_labels.Draw(c, m_zoom->visibleRect);
        if (m_rangeDone)
            m_rangeDone(m_labels.RangeRect());
    }
    m_labels.Buffer().DrawInFrame(m_backBuffer.GetMemDC(), RECT{0, 0, m_surface.cx, m_surface.cy}, 0);
}
