// The control panel's making, ending and message routing.
#include "clip/control_panel.h"

#include "clip/control_panel_messages.h"
#include "core/chooser_button.h"
#include "core/frame_messages.h"
#include "core/frame_services.h"
#include "core/panel_messages.h"
#include "core/settings/app_settings.h"
#include "core/transform_state.h"

// The template and the stage name the pressed buttons alike.
static_assert(int{IDC_CONTROL_ACTIVE_WINDOW} == int{IDC_PANEL_CAPTURE_ACTIVE_WINDOW});
static_assert(int{IDC_CONTROL_FULL_SCREEN} == int{IDC_PANEL_CAPTURE_FULL_SCREEN});
static_assert(IDC_CONTROL_RANGE_CLICK == IDC_PANEL_TWO_CLICK_RANGE);
static_assert(IDC_CONTROL_WHEEL == IDC_PANEL_WHEEL_RANGE);
static_assert(IDC_CONTROL_FIXED_MODE == IDC_PANEL_FIXED_MODE_DIALOG);

CDlgControlWindow::CDlgControlWindow() : CDialog(&kDialog134ControlPanel)
{
}

CDlgControlWindow::~CDlgControlWindow()
{
    FreeButtonImages();
}

BOOL CDlgControlWindow::Create(CWnd* frame)
{
    return CDialog::Create(kDialog134ControlPanel, frame);
}

void CDlgControlWindow::ResetImageTransform()
{
    ClearTransformState();
}

bool CDlgControlWindow::IsImageTransformed()
{
    return ::IsImageTransformed();
}

BOOL CDlgControlWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_chooserButton.SubclassDlgItem(IDC_PANEL_CHOOSER, this);
    m_bSelectionOn = 0;
    m_active = 1;
    m_step = AppSettings.ClipIncVolume;
    m_rangeHeight = AppSettings.ClipVerSize;
    m_rangeWidth = AppSettings.ClipHorSize;
    m_sizeLink = AppSettings.IsLinkSize;
    m_selection.SetFirstPoint(POINT{-1, -1});
    m_waitMs = AppSettings.WaitForCapture;

    m_aspect = std::make_unique<CAspectSize>(AppSettings.ClipHorSize, AppSettings.ClipVerSize,
        AppSettings.MinSaveSize, AppSettings.MaxSaveSizeWidth, AppSettings.MaxSaveSizeHeight);

    LoadButtonImages();
    ResetImageTransform();
    EnableSizeControls(true);
    ShowLinkImage();
    ClearReadouts();
    CreateToolTips();
    FillWaitPresets();
    FillStepPresets(0, 0);
    EnableSizeControls(AppSettings.FixSaveArea != 1);
    RefreshControls();

    if (CWnd* waitEdit = GetDlgItem(IDC_PANEL_WAIT_EDIT))
        waitEdit->ShowWindow(SW_HIDE);
    SetButtonImage(IDC_PANEL_TWO_CLICK_RANGE, PanelImage::TwoClick);
    SetButtonImage(IDC_PANEL_WHEEL_RANGE, PanelImage::Wheel);
    SetButtonImage(IDC_PANEL_CAPTURE_ACTIVE_WINDOW, PanelImage::ActiveWindow);
    SetButtonImage(IDC_PANEL_CAPTURE_FULL_SCREEN, PanelImage::FullScreen);
    SetButtonImage(IDC_PANEL_FIXED_MODE_DIALOG, PanelImage::History);
    SetButtonImage(IDC_PANEL_CHOOSER, PanelImage::Chooser);
    SetButtonImage(IDC_PANEL_CONTINUE_CAPTURE, PanelImage::ContinueCapture);

    // The frame's hover timer and the chooser find the chooser button here.
    if (CWnd* chooser = GetDlgItem(IDC_PANEL_CHOOSER)) {
        RECT r{};
        chooser->GetWindowRect(&r);
        ScreenToClient(&r);
        SetChooserButtonPlace(GetSafeHwnd(), r);
    }
    if (CWnd* swatch = GetDlgItem(IDC_PANEL_COLOR_SWATCH)) {
        swatch->GetClientRect(&m_rcSwatch);
        m_rcSwatch =
            RECT{m_rcSwatch.left + 1, m_rcSwatch.top + 1, m_rcSwatch.right - 1, m_rcSwatch.bottom - 1};
    }
    CheckDlgButton(IDC_PANEL_CAPTURE_CURSOR, AppSettings.CaptureMouseCursor == 1 ? 1 : 0);
    CheckDlgButton(IDC_PANEL_FIX_RANGE, AppSettings.FixSaveArea == 1 ? 1 : 0);

    // The capture controls wait for their windows (history, continuous capture).
    m_selection.ApplyControls(AppSettings.FixSaveArea != 1);
    OnNoImage();

    m_rcPlacement = CalcPanelPlacement();
    MoveToPlacement(m_rcPlacement);
    SendMessage(WM_CLIPCTL_UPDATE_CONTCAP_BUTTON, 1);

    for (int id : {int{IDC_PANEL_FIX_RANGE}, int{IDC_PANEL_CAPTURE_ACTIVE_WINDOW}, int{IDC_PANEL_STEP_EDIT},
             int{IDC_PANEL_STEP_SPIN}})
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
    return TRUE;
}

void CDlgControlWindow::OnDestroy()
{
    // The panel's values go back to the settings the frame saves.
    m_ending = true;
    AppSettings.WaitForCapture = static_cast<WORD>(m_waitMs);
    AppSettings.ClipIncVolume = static_cast<BYTE>(m_step);
    AppSettings.ClipVerSize = m_rangeHeight;
    AppSettings.ClipHorSize = m_rangeWidth;
    AppSettings.IsLinkSize = m_sizeLink;
    FreeButtonImages();
    m_aspect.reset();
    SetChooserButtonPlace(nullptr, RECT{});
    CDialog::OnDestroy();
}

void CDlgControlWindow::OnOK()
{
    // The panel never closes itself.
}

void CDlgControlWindow::OnCancel()
{
}

LRESULT CDlgControlWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_REPOSITION_PANEL:
        OnRepositionPanel();
        return 0;
    case WM_CLIPCTL_RESET_IMAGE:
        OnResetImage();
        return 0;
    case WM_CLIPCTL_ZOOM_CHANGED:
        OnZoomChanged(wParam, lParam);
        return 0;
    case WM_CLIPCTL_SHOW_COLOR:
        ShowColor(static_cast<COLORREF>(wParam));
        return 1;
    case WM_CLIPCTL_PRESS_METHOD:
        OnPressMethod(wParam);
        return 0;
    case WM_CLIPCTL_NO_IMAGE:
        OnNoImage();
        return 0;
    case WM_CLIPCTL_SHOW_POINT:
        OnShowPoint(reinterpret_cast<const POINT*>(wParam), lParam);
        return 0;
    case WM_CLIPCTL_RANGE_DONE:
        OnRangeDone(reinterpret_cast<const RECT*>(wParam), lParam);
        return 0;
    case WM_CLIPCTL_IMAGE_READY:
        OnImageReady(reinterpret_cast<const int*>(wParam));
        return 0;
    case WM_CLIPCTL_SET_PREV_RECT:
        OnSetPrevRect(reinterpret_cast<const RECT*>(wParam));
        return 1;
    case WM_CLIPCTL_CAPTURE:
        CaptureWindowOrScreen(static_cast<int>(wParam), reinterpret_cast<HWND>(lParam));
        return 1;
    case WM_CLIPCTL_FIX_RANGE:
        OnFixRange(reinterpret_cast<const RECT*>(wParam));
        return 0;
    case WM_CLIPCTL_SWITCH_TO_WHEEL:
        OnSwitchToWheel();
        return 1;
    case WM_CLIPCTL_UPDATE_CONTCAP_BUTTON:
        OnUpdateContinueCaptureButton(wParam == 1);
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

BOOL CDlgControlWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // By id, as the platform routes them: a hidden or disabled button still
    // answers a click sent to the panel (the stage's pop-up presses 1099).
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    // Controls that lose the focus as the panel goes must not change the values written back.
    if (m_ending && (code == EN_KILLFOCUS || code == CBN_KILLFOCUS || code == CBN_CLOSEUP))
        return TRUE;
    switch (id) {
    case IDC_PANEL_TWO_CLICK_RANGE:
        m_selection.PressTwoClick();
        m_bSelectionOn = m_selection.IsOn() ? 1 : 0;
        return TRUE;
    case IDC_PANEL_WHEEL_RANGE:
        m_selection.PressWheel();
        m_bSelectionOn = m_selection.IsOn() ? 1 : 0;
        return TRUE;
    case IDC_PANEL_CAPTURE_FULL_SCREEN:
        CaptureWindowOrScreen(2, nullptr);
        return TRUE;
    case IDC_PANEL_CAPTURE_ACTIVE_WINDOW:
        CaptureWindowOrScreen(1, nullptr);
        return TRUE;
    case IDC_PANEL_CONTINUE_CAPTURE:
        if (ControlAvailable(id))
            SendToFrame(WM_FRAME_CONTINUE_CAPTURE);
        return TRUE;
    case IDC_PANEL_FIXED_MODE_DIALOG:
        if (ControlAvailable(id))
            PostToFrame(WM_FRAME_OPEN_CLIP_HISTORY);
        return TRUE;
    case IDC_PANEL_SIZE_LINK:
        OnSizeLink();
        return TRUE;
    case IDC_PANEL_CAPTURE_CURSOR:
        OnCaptureCursor();
        return TRUE;
    case IDC_PANEL_FIX_RANGE:
    case IDC_PANEL_WAIT_EDIT:
        return TRUE;  // nothing
    case IDC_PANEL_WIDTH:
    case IDC_PANEL_HEIGHT:
        if (code == EN_KILLFOCUS)
            OnSizeEditKillFocus(id);
        return TRUE;
    case IDC_PANEL_STEP_EDIT:
        if (code == EN_KILLFOCUS)
            OnStepEditKillFocus();
        return TRUE;
    case IDC_PANEL_STEP:
        if (code == CBN_SELCHANGE)
            OnStepSelChange();
        else if (code == CBN_KILLFOCUS)
            OnStepKillFocus();
        return TRUE;
    case IDC_PANEL_WAIT:
        if (code == CBN_CLOSEUP || code == CBN_KILLFOCUS)
            OnWaitChosen();
        return TRUE;
    case IDOK:
    case IDCANCEL:
        return TRUE;  // Enter and Esc do nothing
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL CDlgControlWindow::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->code == UDN_DELTAPOS) {
        const int id = static_cast<int>(header->idFrom);
        if (id == IDC_PANEL_WIDTH_SPIN || id == IDC_PANEL_HEIGHT_SPIN || id == IDC_PANEL_STEP_SPIN) {
            OnSpinDelta(id, reinterpret_cast<const NMUPDOWN*>(header)->iDelta);
            *result = 0;
            return TRUE;
        }
    }
    return CDialog::OnNotify(wParam, lParam, result);
}
