// The control panel's answers to the stage about the selection and the
// image, and the selection switch's work on the panel (PanelSelectionHost).
#include "clip/control_panel.h"

#include "clip/control_panel_messages.h"
#include "clip/control_panel_readouts.h"
#include "clip/stage_messages.h"
#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/frame_services.h"
#include "core/geometry.h"
#include "core/settings/app_settings.h"

#include <algorithm>

namespace {

RECT Normalized(RECT r)
{
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

}  // namespace

void CDlgControlWindow::OnPressMethod(WPARAM method)
{
    if (method == 2 || method == 3)
        OnCommand(MAKEWPARAM(method == 2 ? IDC_PANEL_TWO_CLICK_RANGE : IDC_PANEL_WHEEL_RANGE, BN_CLICKED), 0);
}

void CDlgControlWindow::OnShowPoint(const POINT* point, LPARAM kind)
{
    if (!point || kind == 2) {
        m_selection.EndFromStage(false);
    } else if (kind == 0) {
        m_selection.SetFirstPoint(*point);
        m_startText = PointReadout(point->x, point->y);
    } else if (kind == 1) {
        const SelectionReadouts readouts = MovingPointReadouts(m_selection.FirstPoint(), *point);
        m_startText = readouts.start;
        if (!readouts.size.isEmpty())
            m_sizeText = readouts.size;
        if (!readouts.end.isEmpty())
            m_endText = readouts.end;
    }
    m_bSelectionOn = m_selection.IsOn() ? 1 : 0;
    RefreshControls();
}

void CDlgControlWindow::OnRangeDone(const RECT* rect, LPARAM kind)
{
    if (kind == 2 || kind == 3) {
        AppSettings.ClipHorSize = m_rangeWidth;
        AppSettings.ClipVerSize = m_rangeHeight;
        SetSelectAllEntry(false);
        m_selection.EndFromStage(kind == 3);
    } else if (kind == 1 && rect) {
        m_rangeWidth = rect->right - rect->left + 1;
        m_rangeHeight = rect->bottom - rect->top + 1;
        m_startText = RangeReadout(rect->left, rect->top);
        m_sizeText = RangeReadout(m_rangeWidth, m_rangeHeight);
        m_endText = RangeReadout(rect->right, rect->bottom);
    }
    m_bSelectionOn = m_selection.IsOn() ? 1 : 0;
    RefreshControls();
}

void CDlgControlWindow::EnableMethodButtons(bool enable)
{
    EnableControl(IDC_PANEL_TWO_CLICK_RANGE, enable);
    EnableControl(IDC_PANEL_WHEEL_RANGE, enable);
}

void CDlgControlWindow::OnNoImage()
{
    ResetImageTransform();
    ClearReadouts();
    FillStepPresets(0, 0);
    EnableMethodButtons(false);
    EnableSizeControls(false);
}

void CDlgControlWindow::OnImageReady(const int* size)
{
    FillStepPresets(size ? size[0] : 0, size ? size[1] : 0);
    EnableMethodButtons(true);
    EnableSizeControls(true);
}

void CDlgControlWindow::OnSetPrevRect(const RECT* rect)
{
    if (!rect)
        return;
    AppSettings.PrevSaveRect = *rect;
    m_rangeWidth = rect->right - rect->left + 1;
    m_rangeHeight = rect->bottom - rect->top + 1;
    AppSettings.ClipHorSize = m_rangeWidth;
    AppSettings.ClipVerSize = m_rangeHeight;
    RefreshControls();
}

void CDlgControlWindow::OnFixRange(const RECT* rect)
{
    AppSettings.FixSaveArea = 1;
    OnSetPrevRect(rect);
    EnableSizeControls(false);
}

void CDlgControlWindow::OnSwitchToWheel()
{
    RECT r{};
    if (!StageBandImageRect(&r))
        return;
    r = Normalized(r);
    SendMessage(WM_CLIPCTL_SET_PREV_RECT, reinterpret_cast<WPARAM>(&r));
    if (!IsRectAroundAndVisible(StageVisibleImageRect(), r))
        SendToStage(WM_STAGE_FIT_IMAGE);
    CenterCursorOnStageRect(r);
    OnCommand(MAKEWPARAM(IDC_PANEL_TWO_CLICK_RANGE, BN_CLICKED), 0);
    OnCommand(MAKEWPARAM(IDC_PANEL_WHEEL_RANGE, BN_CLICKED), 0);
}

void CDlgControlWindow::OnZoomChanged(WPARAM wParam, LPARAM lParam)
{
    if (m_bSelectionOn != 1)
        return;
    FitRangeSizeToView();
    SendToStage(WM_STAGE_APPLY_RANGE_SIZE, wParam, lParam);
}

void CDlgControlWindow::OnResetImage()
{
    ResetImageTransform();
    SendToStage(WM_STAGE_RESET_IMAGE);
}

// PanelSelectionHost

void CDlgControlWindow::EnableControl(int id, bool enable)
{
    if (CWnd* control = GetDlgItem(id))
        control->EnableWindow(enable ? TRUE : FALSE);
}

void CDlgControlWindow::SendStageCommand(UINT id)
{
    SendToStage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void CDlgControlWindow::StatusGuide(WPARAM topic, LPARAM value)
{
    SendToFrame(WM_FRAME_STATUS_GUIDE, topic, value);
}

void CDlgControlWindow::FitRangeSizeToView()
{
    const RECT visible = StageVisibleImageRect();
    const RangeFit fit = ::FitRangeSizeToView(visible.right - visible.left, visible.bottom - visible.top,
        m_rangeWidth, m_rangeHeight, m_step, AppSettings.MinSaveSize);
    if (fit.widthChanged) {
        m_rangeWidth = fit.width;
        AppSettings.ClipHorSize = m_rangeWidth;
    }
    if (fit.heightChanged) {
        m_rangeHeight = fit.height;
        AppSettings.ClipVerSize = m_rangeHeight;
    }
    if (fit.stepChanged) {
        m_step = fit.step;
        m_stepComboValue = m_step;
        AppSettings.ClipIncVolume = static_cast<BYTE>(m_step);
    }
    RefreshControls();
}

void CDlgControlWindow::RestoreRangeSize()
{
    m_rangeWidth = AppSettings.ClipHorSize;
    m_rangeHeight = AppSettings.ClipVerSize;
    RefreshControls();
}

void CDlgControlWindow::FitFixedRangeIntoView()
{
    if (!IsRectAroundAndVisible(StageVisibleImageRect(), AppSettings.PrevSaveRect))
        SendToStage(WM_STAGE_FIT_IMAGE);
}

void CDlgControlWindow::ClearReadouts()
{
    m_startText = m_sizeText = m_endText = ClearedReadout();
    RefreshControls();
}

bool CDlgControlWindow::ClickClipActive() const
{
    return IsClickClipActive() != 0;
}

bool CDlgControlWindow::ClipWindowOverStage() const
{
    return GetFrameServices().IsClipWindowOverStage();
}

bool CDlgControlWindow::ControlAvailable(int id) const
{
    if (id == IDC_PANEL_FIXED_MODE_DIALOG)
        return GetFrameServices().CanOpenClipHistory();
    if (id == IDC_PANEL_CONTINUE_CAPTURE)
        return GetFrameServices().CanRunContinueCapture();
    return true;
}
