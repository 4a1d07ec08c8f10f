#include "clip/stage_renderer.h"

#include "clip/stage_measure_lines.h"
#include "clip/stage_zoom.h"
#include "imaging/load_bitmap_for_dlg.h"

struct CStageRenderer::HighlightBuffer {
    CDC dc;
    CBitmap bitmap;
};

CStageRenderer::CStageRenderer(CStageZoom* zoom) : m_zoom(zoom), m_labels(zoom)
{
    m_backBuffer.SetBackColor(RGB(255, 255, 255));
}

CStageRenderer::~CStageRenderer() = default;

int CStageRenderer::CreateBackBuffer(CDC* dc, SIZE surface)
{
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
    return 0;
}

void CStageRenderer::FreeHighlightBuffer()
{
    m_highlight.reset();
}

bool CStageRenderer::HasHighlightBuffer() const
{
    return m_highlight != nullptr;
}

int CStageRenderer::Render(
    CLoadBitmap_for_Dlg*, const StageOverlayState&, const StageMeasureLines*, int, CDC*)
{
    return HasBackBuffer() ? 1 : 0;
}
