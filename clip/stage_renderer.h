// The view stage's picture: composed in a white back buffer of the drawing
// surface's size, then copied to the surface in one block. The image's
// visible part comes first, then the overlays the flags choose: the
// highlight of what lies outside the range, the pixel grid, the coordinate
// labels, the centre marker and the measure lines.
#pragma once

#include "clip/coord_label_overlay.h"
#include "imaging/virtual_window.h"
#include "platform/gdi/gdi.h"

#include <functional>
#include <memory>

class CLoadBitmap_for_Dlg;
class CStageZoom;
class StageMeasureLines;

// The selection as the stage holds it at the moment of a render. Rectangles
// and points in client pixels are the surface's (and the back buffer's).
struct StageOverlayState {
    bool selecting = false;          // a range selection is running
    int method = 2;                  // 2 two clicks, 3 wheel range
    bool bandStarted = false;        // two clicks: the band's first point is set
    RECT bandRect{};                 // two clicks: band for the present cursor (client pixels)
    RECT wheelRangeClient{};         // wheel range client rectangle, empty when none
    POINT cursorImagePoint{-1, -1};  // image pixel under the mouse for the labels
};

// Render flags: 7 everything, 2 the grid (measure tool), 0 image and measure lines.
inline constexpr int kRenderHighlight = 1;
inline constexpr int kRenderGrid = 2;
inline constexpr int kRenderLabels = 4;
inline constexpr int kRenderAll = kRenderHighlight | kRenderGrid | kRenderLabels;

class CStageRenderer {
public:
    explicit CStageRenderer(CStageZoom* zoom);
    ~CStageRenderer();
    CStageRenderer(const CStageRenderer&) = delete;
    CStageRenderer& operator=(const CStageRenderer&) = delete;

    // (Re)builds the white back buffer of the surface's size compatible with
    // dc, and the labels' client area; 1, or 0.
    int CreateBackBuffer(CDC* dc, SIZE surface);
    void FreeBackBuffer();
    bool HasBackBuffer() const;
    SIZE SurfaceSize() const { return m_surface; }
    CVirtualWindow& BackBuffer() { return m_backBuffer; }
    CCoordLabelOverlay& Labels() { return m_labels; }

    // A copy of the back buffer that the highlight restores the range from
    // (any old one is freed first); 1, or 0 without a back buffer.
    int BuildHighlightBuffer();
    void FreeHighlightBuffer();
    bool HasHighlightBuffer() const;

    // Told the range rectangle (image pixels) each time the labels of a
    // wheel range were placed; the stage passes it on to the control panel.
    void SetRangeDoneHandler(std::function<void(const RECT&)> handler) { m_rangeDone = std::move(handler); }

    // The image's visible rectangle stretched onto the view, the overlays
    // chosen by flags, one copy into the surface DC at (1, 1). image null or
    // not loaded: no image. measure null: the measure panel is closed.
    // 0 without a back buffer, else 1.
    int Render(CLoadBitmap_for_Dlg* image, const StageOverlayState& overlay, const StageMeasureLines* measure,
        int flags, CDC* surface);

private:
    CStageZoom* m_zoom;
    CVirtualWindow m_backBuffer;
    CCoordLabelOverlay m_labels;
    SIZE m_surface{};
    struct HighlightBuffer;
    std::unique_ptr<HighlightBuffer> m_highlight;
    std::function<void(const RECT&)> m_rangeDone;

    void DrawImage(CLoadBitmap_for_Dlg* image);
    void DrawHighlight(const StageOverlayState& overlay);
    void DrawGrid();
    void DrawLabels(const StageOverlayState& overlay);
};
