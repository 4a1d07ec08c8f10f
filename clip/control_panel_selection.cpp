#include "clip/control_panel_selection.h"

#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "core/settings/app_settings.h"

namespace {

constexpr int kTwoClickMethod = 2;
constexpr int kWheelMethod = 3;

constexpr int kSizeControls[] = {IDC_PANEL_STEP_EDIT, IDC_PANEL_STEP, IDC_PANEL_HEIGHT, IDC_PANEL_WIDTH,
    IDC_PANEL_SIZE_LINK, IDC_PANEL_HEIGHT_SPIN, IDC_PANEL_WIDTH_SPIN, IDC_PANEL_STEP_SPIN};

constexpr int kCaptureControls[] = {IDC_PANEL_CAPTURE_ACTIVE_WINDOW, IDC_PANEL_CAPTURE_FULL_SCREEN,
    IDC_PANEL_CAPTURE_CURSOR, IDC_PANEL_FIX_RANGE, IDC_PANEL_FIXED_MODE_DIALOG, IDC_PANEL_CHOOSER,
    IDC_PANEL_CONTINUE_CAPTURE, IDC_PANEL_WAIT_EDIT, IDC_PANEL_WAIT};

bool FixSaveArea()
{
    return AppSettings.FixSaveArea == 1;
}

}  // namespace

std::span<const int> PanelSizeControls()
{
    return kSizeControls;
}

std::span<const int> PanelCaptureControls()
{
    return kCaptureControls;
}

bool SizeControlsEnabledAfterToggle(bool nowOn, bool fixSaveArea, bool clickClipActive)
{
    if (fixSaveArea)
        return false;
    return nowOn ? !clickClipActive : true;
}

void PanelSelection::PressTwoClick()
{
    g_nRangeSelectMethod = kTwoClickMethod;
    if (m_on) {
        m_host.ShowMethodImage(IDC_PANEL_TWO_CLICK_RANGE, false);
        m_host.EnableControl(IDC_PANEL_WHEEL_RANGE, true);
    } else {
        m_host.ShowMethodImage(IDC_PANEL_TWO_CLICK_RANGE, true);
        m_host.EnableControl(IDC_PANEL_WHEEL_RANGE, false);
    }
    Toggle();
}

void PanelSelection::PressWheel()
{
    g_nRangeSelectMethod = kWheelMethod;
    if (m_on) {
        m_host.RestoreRangeSize();
        m_host.ShowMethodImage(IDC_PANEL_WHEEL_RANGE, false);
        m_host.EnableControl(IDC_PANEL_TWO_CLICK_RANGE, true);
        m_host.SetSelectAllEntry(false);
    } else {
        m_host.ShowMethodImage(IDC_PANEL_WHEEL_RANGE, true);
        m_host.EnableControl(IDC_PANEL_TWO_CLICK_RANGE, false);
        if (FixSaveArea())
            m_host.FitFixedRangeIntoView();
        m_host.SetSelectAllEntry(true);
    }
    Toggle();
}

void PanelSelection::Toggle()
{
    bool sizeControls = true;
    if (!m_on) {
        m_host.FitRangeSizeToView();
        m_host.SendStageCommand(ID_STAGE_ENTER_CLIP);
        m_on = true;
        // Asked after the stage was told: the two-click selection runs now.
        sizeControls = SizeControlsEnabledAfterToggle(true, FixSaveArea(), m_host.ClickClipActive());
    } else {
        m_host.ClearReadouts();
        BothMethodsNormal();
        m_firstPoint = POINT{-1, -1};
        m_host.SendStageCommand(ID_RB_CANCEL_CLIP_RANGE);
        m_on = false;
        AppSettings.FixSaveArea = 0;
        sizeControls = true;
    }
    ApplyControls(sizeControls);
    if (!m_on || !m_host.ClipWindowOverStage())
        m_host.StatusGuide(m_on ? 0 : 1, static_cast<LPARAM>(g_nRangeSelectMethod));
}

void PanelSelection::EndFromStage(bool force)
{
    m_host.ClearReadouts();
    BothMethodsNormal();
    m_firstPoint = POINT{-1, -1};
    if (force)
        m_on = true;
    if (m_on)
        Toggle();
}

void PanelSelection::ApplyControls(bool sizeControls)
{
    const bool sizes = sizeControls && !FixSaveArea();
    for (int id : kSizeControls)
        m_host.EnableControl(id, sizes);
    for (int id : kCaptureControls)
        m_host.EnableControl(id, !m_on && m_host.ControlAvailable(id));
}

void PanelSelection::BothMethodsNormal()
{
    m_host.ShowMethodImage(IDC_PANEL_TWO_CLICK_RANGE, false);
    m_host.ShowMethodImage(IDC_PANEL_WHEEL_RANGE, false);
    m_host.EnableControl(IDC_PANEL_TWO_CLICK_RANGE, true);
    m_host.EnableControl(IDC_PANEL_WHEEL_RANGE, true);
}
