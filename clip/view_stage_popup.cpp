// The view stage's right-click menu, the function ids its items carry and
// the ID_RB_* commands they lead to: settings switched on the stage, the
// control panel's buttons pressed, the measure panel opened or closed.
#include "clip/view_stage.h"

#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "clip/stage_popup_menu.h"
#include "clip/stage_renderer.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "platform/window/pointer_position.h"
#include "res/frame_command_ids.h"

#include <cmath>

namespace {

int Toggled(int value)
{
    return value ? 0 : 1;
}

}  // namespace

bool CDlgViewStage::InView(CPoint point) const
{
    return point.x >= m_rcView.left && point.x < m_rcView.right && point.y >= m_rcView.top &&
        point.y < m_rcView.bottom;
}

COLORREF CDlgViewStage::ColorAt(CPoint point)
{
    if (!HasImage() || !InView(point))
        return static_cast<COLORREF>(-1);
    const POINT pixel = m_zoom.ClientToImagePixel(POINT{point.x, point.y});
    return m_accessor.GetPixel(pixel.x, pixel.y);
}

int CDlgViewStage::DisplayScale() const
{
    const int visible = m_zoom.VisibleWidth();
    const LONG view = m_rcView.right - m_rcView.left;
    return visible > 0 ? static_cast<int>(std::lround(static_cast<double>(view) / visible)) : 0;
}

StagePopupState CDlgViewStage::PopupState() const
{
    StagePopupState s;
    s.measureOpen = IsMeasureWindowOpen() != 0;
    s.twoClickRunning = IsClickClipActive() != 0;
    s.wheelRunning = IsWheelClipActive() != 0;
    s.bandStarted = IsClickClipRangeSet() != 0;
    s.autoFileName = AppSettings.MakeFilenameAuto == 1;
    s.hitZoomOn = m_hitZoomOn;
    s.centerZoom = AppSettings.CenterZoom == 1;
    s.showGrid = AppSettings.ShowPixelGrid == 1;
    s.centerMarker = AppSettings.ViewCenterMarker == 1;
    s.rangeCorr = AppSettings.ViewRangeCorr == 1;
    s.colorRadix = AppSettings.ColorRadix;
    s.highlightStyle = GetHighlightZoomAreaMode();
    s.displayScale = DisplayScale();
    s.levelPixelGrid = AppSettings.LevelPixelGrid;
    s.colorText = m_colorText;
    return s;
}

void CDlgViewStage::OnRButtonUp(UINT flags, CPoint point)
{
    m_lastRightClick = POINT{point.x, point.y};
    if (!InView(point)) {
        CDialog::OnRButtonUp(flags, point);
        return;
    }
    ShowPopupMenu(point);
}

void CDlgViewStage::ShowPopupMenu(CPoint point)
{
    m_popup.DestroyMenu();
    m_popup.CreatePopupMenu();
    m_colorText = ColorText(ColorAt(point), AppSettings.ColorRadix);
    if (!m_popupPictures)
        m_popupPictures = std::make_unique<ClipPopupMenuPictures>(GetIconScale());
    const StagePopupState state = PopupState();
    m_popupItems = std::make_unique<StagePopupMenuItems>(
        StagePopupMenuItems{StagePopupItems(state), StageHighlightStyleItems(state)});
    BuildStagePopupMenu(&m_popup, *m_popupItems);
    POINT screen{point.x, point.y};
    ClientToScreen(&screen);
    // The chosen item comes back as WM_COMMAND (lParam 0) and runs RunFunctionId.
    m_popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

void CDlgViewStage::CursorBack()
{
    if (m_lastRightClick.x == -1 && m_lastRightClick.y == -1)
        return;
    POINT p = m_lastRightClick;
    ClientToScreen(&p);
    SetCursorPos(p.x, p.y);
}

bool CDlgViewStage::RunFunctionId(UINT id)
{
    auto command = [this](UINT commandId) { SendMessage(WM_COMMAND, MAKEWPARAM(commandId, 0), 0); };
    switch (id) {
    case IDF_TWO_CLICK_RANGE:
        command(ID_RB_TWO_CLICK_RANGE);
        return true;
    case IDF_WHEEL_RANGE:
        if (IsClickClipRangeSet())
            NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SWITCH_TO_WHEEL);
        else
            command(ID_RB_WHEEL_RANGE);
        return true;
    case IDF_FIXED_MODE_DIALOG:
        PostMessage(WM_COMMAND, MAKEWPARAM(ID_RB_FIXED_MODE_DIALOG, 0), 0);
        return true;
    case IDF_AUTO_FILE_NAME:
        command(ID_RB_AUTO_FILE_NAME);
        return true;
    case IDF_HIT_ZOOM:
        command(ID_RB_HIT_ZOOM);
        return true;
    case IDF_CENTER_ZOOM:
        command(ID_RB_CENTER_ZOOM);
        return true;
    case IDF_SHOW_GRID:
        command(ID_RB_SHOW_GRID);
        return true;
    case IDF_CENTER_MARKER:
        OnCenterMarker();
        return true;
    case IDF_SHOW_RANGE_CORR:
        command(ID_RB_SHOW_RANGE_CORR);
        return true;
    case IDF_CAPTURE_FULL_SCREEN:
        command(ID_RB_CAPTURE_FULL_SCREEN);
        return true;
    case IDF_CAPTURE_ACTIVE_WINDOW:
        command(ID_RB_CAPTURE_ACTIVE_WINDOW);
        return true;
    case IDF_COLOR_RADIX:
        command(ID_RB_COLOR_RADIX);
        return true;
    case IDF_COPY_COLOR_TEXT:
        SendToFrame(WM_FRAME_COPY_TEXT, reinterpret_cast<WPARAM>(&m_colorText));
        return true;
    case IDF_MEASURE:
        PostMessage(WM_COMMAND, MAKEWPARAM(ID_RB_MEASURE_DIALOG, 0), 0);
        return true;
    case IDF_HIGHLIGHT_FRAME:
    case IDF_HIGHLIGHT_DARKER:
    case IDF_HIGHLIGHT_LIGHTER:
        SetHighlightStyle(static_cast<int>(id - IDF_HIGHLIGHT_FRAME));
        command(ID_RB_SHOW_HIGHLIGHT);
        return true;
    case IDF_HIGHLIGHT_STYLE:
    case IDF_CLOSE_MENU:
        return true;
    default:
        return false;
    }
}

bool CDlgViewStage::RunStageCommand(UINT id)
{
    switch (id) {
    case ID_STAGE_ENTER_CLIP:
        EnterClipRange();
        return true;
    case ID_RB_CANCEL_CLIP_RANGE:
        CancelClipRange();
        return true;
    case ID_RB_TWO_CLICK_RANGE:
        PressPanelButton(IDC_PANEL_TWO_CLICK_RANGE);
        return true;
    case ID_RB_WHEEL_RANGE:
        PressPanelButton(IDC_PANEL_WHEEL_RANGE);
        return true;
    case ID_RB_CAPTURE_FULL_SCREEN:
        PressPanelButton(IDC_PANEL_CAPTURE_FULL_SCREEN);
        return true;
    case ID_RB_CAPTURE_ACTIVE_WINDOW:
        PressPanelButton(IDC_PANEL_CAPTURE_ACTIVE_WINDOW);
        return true;
    case ID_RB_SHOW_RANGE_CORR:
        OnRbShowRangeCorr();
        return true;
    case ID_RB_SHOW_HIGHLIGHT:
        OnRbShowHighlight();
        return true;
    case ID_RB_CENTER_ZOOM:
        AppSettings.CenterZoom = Toggled(AppSettings.CenterZoom);
        return true;
    case ID_RB_COLOR_RADIX:
        AppSettings.ColorRadix = AppSettings.ColorRadix == 10 ? 16 : 10;
        return true;
    case ID_RB_SHOW_GRID:
        OnRbShowGrid();
        return true;
    case ID_RB_FIXED_MODE_DIALOG:
        PressPanelButton(IDC_PANEL_FIXED_MODE_DIALOG, true);
        return true;
    case ID_RB_MEASURE_DIALOG:
        if (IsMeasureWindowOpen())
            PostToFrame(WM_FRAME_CLOSE_MEASURE);
        else
            PostToFrame(WM_COMMAND, MAKEWPARAM(ID_VIEW_MEASURE, 0), 0);
        return true;
    case ID_RB_AUTO_FILE_NAME:
        AppSettings.MakeFilenameAuto = Toggled(AppSettings.MakeFilenameAuto);
        return true;
    case ID_RB_HIT_ZOOM:
        OnRbHitZoom();
        return true;
    case IDC_STAGE_ONE_TO_ONE:
        OnOneToOne();
        return true;
    default:
        return false;
    }
}

void CDlgViewStage::ResetLabelArea()
{
    if (!m_surfaceWnd.GetSafeHwnd())
        return;
    CClientDC dc(&m_surfaceWnd);
    m_renderer->Labels().SetClientArea(
        RECT{0, 0, m_rcSurface.right - m_rcSurface.left, m_rcSurface.bottom - m_rcSurface.top}, &dc);
}

void CDlgViewStage::OnRbShowRangeCorr()
{
    AppSettings.ViewRangeCorr = Toggled(AppSettings.ViewRangeCorr);
    ResetLabelArea();
    RenderSurface(0, kRenderAll);
    CursorBack();
}

void CDlgViewStage::OnNoticeOffViewRangeCorr()
{
    ResetLabelArea();
    RenderSurface(0, kRenderAll);
}

void CDlgViewStage::OnRbShowHighlight()
{
    if (IsHighlightZoomAreaOn())
        m_renderer->BuildHighlightBuffer();
    else
        m_renderer->FreeHighlightBuffer();
    RenderSurface(0, kRenderAll);
    CursorBack();
}

void CDlgViewStage::OnRbShowGrid()
{
    AppSettings.ShowPixelGrid = Toggled(AppSettings.ShowPixelGrid);
    RenderSurface(0, kRenderAll);
    CursorBack();
}

void CDlgViewStage::OnCenterMarker()
{
    AppSettings.ViewCenterMarker = Toggled(AppSettings.ViewCenterMarker);
    CursorBack();
    if (AppSettings.ViewCenterMarker == 0 && AppSettings.ViewRangeCorr == 0 &&
        !(AppSettings.HighlightZoomAreaClick != 0 && AppSettings.HighlightZoomAreaWheel != 0))
        RenderSurface(0, kRenderAll);
}

void CDlgViewStage::SetHighlightStyle(int style)
{
    if (IsClickClipActive())
        AppSettings.HighlightZoomAreaClick = static_cast<BYTE>(style);
    else
        AppSettings.HighlightZoomAreaWheel = static_cast<BYTE>(style);
}
