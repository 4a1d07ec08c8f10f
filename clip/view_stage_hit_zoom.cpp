// The view stage's zoom shortcuts: the one-shot hit zoom at the right-click
// point (in to HitZoomMag, and back on the next use) and the "1.0" button,
// which steps the view to one image pixel per client pixel.
#include "clip/view_stage.h"

#include "clip/stage_renderer.h"
#include "core/app_state_queries.h"
#include "core/settings/app_settings.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/pointer_position.h"

namespace {

int Trunc(double v)
{
    return static_cast<int>(v);
}

// Holds CenterZoom at 1 while a zoom must centre on its point.
class CentredZoom {
public:
    CentredZoom() : m_saved(AppSettings.CenterZoom) { AppSettings.CenterZoom = 1; }
    ~CentredZoom() { AppSettings.CenterZoom = m_saved; }
    CentredZoom(const CentredZoom&) = delete;
    CentredZoom& operator=(const CentredZoom&) = delete;

private:
    int m_saved;
};

}  // namespace

void CDlgViewStage::OnRbHitZoom()
{
    // Only at a right click in the view.
    if (!HasImage() || !InView(CPoint(m_lastRightClick.x, m_lastRightClick.y)))
        return;
    if (!m_hitZoomOn && Trunc(PixelRatioX()) >= AppSettings.HitZoomMag)
        return;
    POINT r = m_lastRightClick;
    const POINT q = m_zoom.ClientToImagePixel(r);
    {
        const CentredZoom centred;
        if (!m_hitZoomOn) {
            m_hitZoomRatio = m_zoom.pixelRatioX;
            double ratio = m_hitZoomRatio;
            while (Trunc(ratio) < AppSettings.HitZoomMag) {
                if (!ZoomStepAt(1, r))
                    break;
                MoveCursorToPixel(q);
                r = CursorClientPoint();
                ratio = PixelRatioX();
            }
            m_hitZoomOn = true;
        } else {
            m_bandRestart = true;
            // Back to the magnification the hit zoom started from, not beyond it.
            while (PixelRatioX() > m_hitZoomRatio) {
                if (!ZoomStepAt(-1, r))
                    break;
                MoveCursorToPixel(q);
                r = CursorClientPoint();
            }
            POINT screen = r;
            ClientToScreen(&screen);
            SetCursorPos(screen.x, screen.y);
            ResetHitZoom(1);
        }
    }
    AfterMousePosition_in_Center(0);
    RenderSurface(0, kRenderAll);
    RaisePanel();
}

void CDlgViewStage::OnOneToOne()
{
    if (!HasImage())
        return;
    if (AppSettings.ViewEvenScale == 0) {
        AfxMessageBox(QStringLiteral("倍率1.0表示をするには、オプションダイアログの一般タブから\n\n"
                                     "「倍率1.0倍表示する」を有効にして下さい。"));
        return;
    }
    if (IsWheelClipActive()) {
        const RECT range = m_renderer->Labels().RangeRect();
        if (range.right - range.left + 1 >= m_zoom.clientWidth ||
            range.bottom - range.top + 1 >= m_zoom.clientHeight) {
            AfxMessageBox(QStringLiteral("1倍表示 : 選択範囲を小さくして下さい。"));
            return;
        }
    }
    const auto surfaceWidth = [this] { return static_cast<int>(m_rcSurface.right - m_rcSurface.left); };
    const short direction = m_zoom.VisibleWidth() < surfaceWidth() ? -1 : 1;
    const POINT p{m_rcSurface.left + surfaceWidth() / 2, m_rcSurface.top + 1};
    const POINT q = m_zoom.ClientToImagePixel(p);
    while (surfaceWidth() != m_zoom.VisibleWidth()) {
        const LONG before = m_zoom.wholeRect.right - m_zoom.wholeRect.left;
        if (!ZoomStepAt(direction, p))
            break;
        MoveCursorToPixel(q);
        AfterMousePosition_in_Center(1);
        if (m_zoom.wholeRect.right - m_zoom.wholeRect.left == before)
            break;
    }
    if (IsHighlightZoomAreaOn())
        m_renderer->BuildHighlightBuffer();
    POINT centre = SurfaceCentre();
    ClientToScreen(&centre);
    SetCursorPos(centre.x, centre.y);
}
