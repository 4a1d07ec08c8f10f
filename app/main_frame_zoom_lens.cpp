// The zoom lens as the frame keeps it: opened over the stage on the stage's
// source square (images of at least 30 x 30 pixels only), closed by Space,
// by the pointer leaving it, or by a click in it, which during a two-click
// selection ends the selection at the picked pixel.
#include "app/main_frame.h"

#include "app/owned_window.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "clip/zoom_lens.h"
#include "clip/zoom_lens_source.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/geometry.h"

namespace {

// The stage's client point of an image pixel: the zoom's mapping without the
// origin, into the client, each coordinate rounded.
POINT ImageToViewPoint(const CDlgViewStage& stage, POINT pixel)
{
    const DoublePoint p = stage.Zoom().ImageToClient(pixel.x, pixel.y, 0, 1);
    return POINT{RoundToInt(p.x), RoundToInt(p.y)};
}

}  // namespace

void CMainFrame::OpenZoomLens()
{
    if (!m_pViewStage || !HasStageImage())
        return;
    const CStageZoom& zoom = m_pViewStage->Zoom();
    if (zoom.imageWidth < kLensSourceSide || zoom.imageHeight < kLensSourceSide)
        return;
    CClipImageSlot* buffer = nullptr;
    RECT source{};
    if (m_pViewStage->SendMessage(WM_STAGE_LENS_SOURCE, reinterpret_cast<WPARAM>(&buffer),
            reinterpret_cast<LPARAM>(&source)) == 0 ||
        !buffer)
        return;
    if (!m_pZoomLens) {
        auto* lens = new CDlgZoomLens(source, zoom.imageWidth, zoom.imageHeight, buffer);
        if (!lens->Create(this)) {
            delete lens;
            return;
        }
        m_pZoomLens = lens;
    }
    m_pZoomLens->ShowWindow(SW_SHOW);
    m_pZoomLens->BringWindowToTop();
}

void CMainFrame::CloseZoomLens()
{
    CloseOwnedWindowAtEnd(m_pZoomLens);
}

BOOL CMainFrame::IsZoomLensOpen() const
{
    return m_pZoomLens != nullptr;
}

bool CMainFrame::HandleZoomLensMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_FRAME_ZOOMLENS_CLICK)
        return false;
    *result = 0;
    CloseZoomLens();
    const POINT pixel{
        static_cast<LONG>(static_cast<int>(wParam)), static_cast<LONG>(static_cast<int>(lParam))};
    if (pixel.x == -1 || pixel.y == -1 || !IsClickClipActive() || !m_pViewStage)
        return true;
    POINT client = ImageToViewPoint(*m_pViewStage, pixel);
    POINT picked = pixel;
    m_pViewStage->SendMessage(
        WM_STAGE_SET_CLICK_RANGE, reinterpret_cast<WPARAM>(&client), reinterpret_cast<LPARAM>(&picked));
    return true;
}
