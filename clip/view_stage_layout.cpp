// The view stage's layout: where the stage window, the surface and the view
// go, for a new image, for the frame being sized and for the frame moving.
// The figures come from clip/stage_layout.h.
#include "clip/view_stage.h"

#include "clip/control_panel_messages.h"
#include "clip/overview_window_messages.h"
#include "clip/stage_renderer.h"
#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/stage_area.h"
#include "core/stage_state.h"
#include "core/system_figures.h"

#include <cstdlib>

namespace {

bool IsEmpty(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

SIZE SizeOf(const RECT& r)
{
    return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT WindowRectOf(AppWindow which)
{
    RECT r{};
    if (HWND w = GetAppState().Window(which))
        ::GetWindowRect(w, &r);
    return r;
}

// The image scaled into the box with its aspect kept, up or down (truncated).
SIZE ScaleInto(SIZE image, SIZE box)
{
    if (image.cx <= 0 || image.cy <= 0 || box.cx <= 0 || box.cy <= 0)
        return SIZE{};
    const double scale =
        std::min(static_cast<double>(box.cx) / image.cx, static_cast<double>(box.cy) / image.cy);
    return SIZE{static_cast<LONG>(image.cx * scale), static_cast<LONG>(image.cy * scale)};
}

}  // namespace

StageMetrics CDlgViewStage::Metrics() const
{
    return StageMetricsFor(g_ScreenMetrics, g_fDpiScaleX, GetIconScale());
}

POINT CDlgViewStage::StageOriginNow() const
{
    RECT frame{};
    if (m_pFrame && m_pFrame->GetSafeHwnd())
        m_pFrame->GetWindowRect(&frame);
    const RECT measure = IsMeasureWindowOpen() ? WindowRectOf(AppWindow::Measure) : RECT{};
    return StageOrigin(measure, WindowRectOf(AppWindow::ControlPanel), frame.top, GetFrameClientTop());
}

void CDlgViewStage::CalcViewAreaLimits()
{
    m_largestView = LargestView(g_rcStageArea, m_rcPanel.right, Metrics());
}

void CDlgViewStage::PlaceWithoutImage(SIZE stage)
{
    const POINT origin = StageOriginNow();
    m_rcStage = RECT{origin.x, origin.y, origin.x + stage.cx, origin.y + stage.cy};
    m_rcSurface = EmptySurfaceRect(stage, Metrics());
    m_rcSurfaceFrame = SurfaceFrameOf(m_rcSurface);
}

void CDlgViewStage::PlaceView(SIZE stage, SIZE view)
{
    const POINT origin = StageOriginNow();
    m_rcStage = RECT{origin.x, origin.y, origin.x + stage.cx, origin.y + stage.cy};
    m_rcSurface = ::ViewRect(stage, view, Metrics());
    m_rcSurfaceFrame = SurfaceFrameOf(m_rcSurface);
    m_zoom.SetOrigin(m_rcSurface.left, m_rcSurface.top);
}

void CDlgViewStage::MoveStageWindow()
{
    // The stage sizes itself here: its WM_SIZE must not fit the view again.
    const bool moving = m_moving;
    m_moving = true;
    MoveWindow(&m_rcStage);
    m_moving = moving;
}

void CDlgViewStage::MoveSurface()
{
    m_surfaceWnd.MoveWindow(&m_rcSurfaceFrame);
    SetBandArea();
}

void CDlgViewStage::RebuildBackBuffer()
{
    if (!m_surfaceWnd.GetSafeHwnd())
        return;
    CClientDC dc(&m_surfaceWnd);
    m_renderer->CreateBackBuffer(&dc, SizeOf(m_rcSurface));
}

void CDlgViewStage::ReStructViewStage(int capture)
{
    const StageMetrics m = Metrics();
    LONG width = 0;
    LONG height = 0;
    m_image->GetSize(&width, &height);
    const SIZE image{width, std::abs(height)};
    const SIZE stage = StageSizeForView(image, m_largestView, m);
    const SIZE view = FitImageInto(image, m_largestView);
    PlaceView(stage, view);
    m_rcView = m_rcSurface;
    RebuildBackBuffer();
    m_zoom.SetImageSize(image.cx, image.cy);
    m_zoom.SetClientSize(view.cx, view.cy);
    m_zoom.Reset();
    m_zoom.ResetHistory();
    if (!capture)
        SetStageMode(kStageModeNormal);
    MoveStageWindow();
    MoveSurface();
    m_accessor.SetClipSize(m_rcView.left, m_rcView.top, m_rcView.right, m_rcView.bottom);
    RenderSurface(0, kRenderAll);
    UpdateCaption();
    UpdateStatusFields();
    if (!(capture && IsClipSelecting())) {
        int size[2] = {static_cast<int>(image.cx), static_cast<int>(image.cy)};
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_IMAGE_READY, reinterpret_cast<WPARAM>(size));
    }
}

void CDlgViewStage::LayOutViewInStage(SIZE view)
{
    m_surfaceWnd.Invalidate();
    const SIZE stage = SizeOf(m_rcStage);
    m_rcSurface = ::ViewRect(stage, view, Metrics());
    m_rcSurfaceFrame = SurfaceFrameOf(m_rcSurface);
    m_zoom.SetOrigin(m_rcSurface.left, m_rcSurface.top);
    m_rcView = m_rcSurface;
    RebuildBackBuffer();
    ResetLabelArea();
    m_zoom.SetClientSize(view.cx, view.cy);
    m_accessor.SetClipSize(m_rcView.left, m_rcView.top, m_rcView.right, m_rcView.bottom);
    MoveSurface();
    SetBandArea();
}

SIZE CDlgViewStage::ViewSizeForRoom(SIZE room, int fit) const
{
    LONG width = 0;
    LONG height = 0;
    m_image->GetSize(&width, &height);
    const SIZE image{width, std::abs(height)};
    const SIZE present = SizeOf(m_rcView);
    if (fit)
        return FitImageInto(image, room);
    if (room.cx < present.cx || room.cy < present.cy)
        return ScaleInto(image, room);
    if (!m_zoom.IsZoomedOrPart())
        return FitImageInto(image, room);
    const int visibleWidth = std::max(1, m_zoom.VisibleWidth());
    const int visibleHeight = std::max(1, m_zoom.VisibleHeight());
    if (room.cx / visibleWidth > AppSettings.MaxZoomMag || room.cy / visibleHeight > AppSettings.MaxZoomMag)
        return present;
    return ScaleInto(image, room);
}

void CDlgViewStage::ResizeViewStage(int w, int h, int fit)
{
    if (IsEmpty(m_rcView))
        return;
    // Called by the frame as well as from WM_SIZE: the window moves below run in layout.
    const bool inLayout = m_inLayout;
    m_inLayout = true;
    const StageMetrics m = Metrics();
    SIZE stage = SizeOf(m_rcStage);
    if (w != 0 && h != 0)
        stage = StageSizeForClient(SIZE{w, h}, m);
    const SIZE view = ViewSizeForRoom(ViewRoomOf(stage, m), fit);
    PlaceView(stage, view);
    m_rcView = m_rcSurface;
    RebuildBackBuffer();
    MoveSurface();
    MoveStageWindow();
    m_inLayout = inLayout;
}

void CDlgViewStage::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    // A size event that keeps the size the stage has (a move beside the
    // panels, a window shown again) keeps the zoom, its history and the overview.
    const bool sameSize = cx == m_lastSizedClient.cx && cy == m_lastSizedClient.cy;
    m_lastSizedClient = SIZE{cx, cy};
    if (!IsWindowVisible() || m_inLayout || sameSize)
        return;
    m_inLayout = true;
    if (!m_moving)
        ResizeViewStage(cx, cy, 0);
    m_accessor.SetClipSize(m_rcView.left, m_rcView.top, m_rcView.right, m_rcView.bottom);
    UpdateCaption();
    const SIZE view = SizeOf(m_rcSurface);
    m_zoom.SetClientSize(view.cx, view.cy);
    m_zoom.UpdateSourceRect();
    m_zoom.Reset();
    m_zoom.ResetHistory();
    SendToFrame(WM_FRAME_CLOSE_SKY);
    m_inLayout = false;
    if (m_notifyFrameAfterSize)
        SendToFrame(WM_FRAME_FIT, 0, IDD_VIEW_STAGE);
    {
        CClientDC dc(&m_surfaceWnd);
        m_renderer->Labels().SetClientArea(RECT{0, 0, view.cx, view.cy}, &dc);
    }
    RenderSurface(0, kRenderAll);
    UpdateStatusFields();
}

void CDlgViewStage::OnResizeStage(const RECT* sizing)
{
    if (!sizing)
        return;
    const SIZE client =
        ClientSizeForFrameSizing(*sizing, m_rcPanel.right, g_ScreenMetrics, Metrics(), GetExtraFrameHeight());
    m_notifyFrameAfterSize = false;
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
    m_notifyFrameAfterSize = true;
}

void CDlgViewStage::OnRepositionPanel()
{
    // The size stays; the stage moves next to the measure panel or the control panel.
    const SIZE stage = SizeOf(m_rcStage);
    const POINT origin = StageOriginNow();
    m_rcStage = RECT{origin.x, origin.y, origin.x + stage.cx, origin.y + stage.cy};
    MoveStageWindow();
}

void CDlgViewStage::OnGetMinMaxInfo(MINMAXINFO* info)
{
    const SIZE minimum = StageMinimumSize(Metrics());
    const SIZE maximum = StageMaximumSize(g_ScreenMetrics);
    info->ptMinTrackSize = POINT{minimum.cx, minimum.cy};
    if (maximum.cx > 0 && maximum.cy > 0)
        info->ptMaxTrackSize = POINT{maximum.cx, maximum.cy};
}

void CDlgViewStage::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    NotifyPanel(kNotifyOverview, WM_SKY_REPOSITION);
    if (IsWindowVisible() && !m_inLayout) {
        GetWindowRect(&m_rcStage);
        RenderSurface(0, kRenderAll);
        UpdateStatusFields();
    }
}

void CDlgViewStage::UpdateCaption()
{
    const QString name = m_image->path.Name();
    if (name.isEmpty() || name == QStringLiteral("no_name"))
        return;
    SetWindowText(name);
    SetDlgItemText(IDC_STAGE_IMAGE_NAME, name);
}

void CDlgViewStage::UpdateStatusFields()
{
    if (!HasImage())
        return;
    LONG width = 0;
    LONG height = 0;
    m_image->GetSize(&width, &height);
    const CStageStatusFields::Texts texts =
        m_statusFields.Update(static_cast<int>(SizeOf(m_rcSurface).cx), m_zoom.VisibleWidth(),
            m_zoom.VisibleHeight(), static_cast<int>(width), std::abs(static_cast<int>(height)));
    if (texts.magnification)
        SetDlgItemText(IDC_STAGE_MAGNIFICATION, *texts.magnification);
    if (texts.range)
        SetDlgItemText(IDC_STAGE_SHOWN_RANGE, *texts.range);
    if (texts.size)
        SetDlgItemText(IDC_STAGE_IMAGE_SIZE, *texts.size);
}

void CDlgViewStage::ClearFields()
{
    for (int id :
        {IDC_STAGE_IMAGE_NAME, IDC_STAGE_MAGNIFICATION, IDC_STAGE_SHOWN_RANGE, IDC_STAGE_IMAGE_SIZE})
        SetDlgItemText(id, QString());
    m_statusFields.Forget();
}
