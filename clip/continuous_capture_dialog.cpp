// The continuous-capture dialog: the settings in and out, opening and
// closing, its window messages (the minimise box, the move lock), its
// colours, and what the run asks of it as the capture loop's host.
#include "clip/continuous_capture_dialog.h"

#include "clip/continuous_capture_rules.h"
#include "core/app_state.h"
#include "core/frame_services.h"
#include "core/settings/app_settings.h"
#include "core/window_list.h"
#include "platform/controls/controls.h"
#include "platform/dialog/msgbox.h"
#include "platform/system/screen_metrics.h"
#include "platform/x11/desktop_services.h"

namespace {

// The step labels, drawn in the step colour.
constexpr int kStepLabelIds[] = {IDC_CC_STEP1, IDC_CC_STEP2, IDC_CC_STEP3, IDC_CC_STEP4, IDC_CC_STEP5,
    IDC_CC_STEP6, IDC_CC_STEP7, IDC_CC_STEP8};
constexpr COLORREF kStepColor = RGB(0, 96, 252);
constexpr COLORREF kCounterBackground = RGB(32, 60, 140);
constexpr COLORREF kCounterText = RGB(255, 255, 255);
// A window manager that keeps moving the window to one place of its own
// wins after this many tries.
constexpr int kMaxSnapBacks = 3;

bool IsStepLabel(int id)
{
    for (int step : kStepLabelIds)
        if (step == id)
            return true;
    return false;
}

}  // namespace

ContinueCaptureState ContinueCaptureStateFromSettings()
{
    const AppSettingsRecord& s = AppSettings;
    ContinueCaptureState state;
    state.target = s.Step1_cc_Target;
    state.range = s.Step1_cc_CapRect;
    state.cursor = s.Step1_cc_MouseCursor;
    state.firstWaitMs = s.Step2_FirstWait;
    state.count = s.Step3_cc_CapNum;
    state.intervalTenths = s.Step4_cc_CapInterval;
    state.force = s.Step4_ForceCapture;
    state.format = s.Step5_cc_SaveFormat;
    state.quality = s.Step5_cc_Quality;
    state.folder = s.Step6_cc_SaveFolder;
    state.gotoMultiView = s.Step6_cc_Goto_MultiMode;
    state.fileName = s.Step7_cc_Filename;
    state.overwrite = s.Step7_cc_OverWrite;
    state.numberFirst = s.Step7_cc_AddFront;
    state.windowState = s.Step8_WndStatus;
    state.compactPosition = s.Step8_ShowPos;
    return state;
}

void StoreContinueCaptureState(const ContinueCaptureState& state)
{
    AppSettingsRecord& s = AppSettings;
    s.Step1_cc_Target = state.target;
    s.Step1_cc_CapRect = state.range;
    s.Step1_cc_MouseCursor = state.cursor;
    s.Step2_FirstWait = state.firstWaitMs;
    s.Step3_cc_CapNum = static_cast<WORD>(state.count);
    s.Step4_cc_CapInterval = static_cast<WORD>(state.intervalTenths);
    s.Step4_ForceCapture = state.force;
    s.Step5_cc_SaveFormat = state.format;
    s.Step5_cc_Quality = static_cast<BYTE>(state.quality);
    s.Step6_cc_SaveFolder = state.folder;
    s.Step6_cc_Goto_MultiMode = state.gotoMultiView;
    s.Step7_cc_Filename = state.fileName;
    s.Step7_cc_OverWrite = state.overwrite;
    s.Step7_cc_AddFront = state.numberFirst;
    s.Step8_WndStatus = state.windowState;
    s.Step8_ShowPos = state.compactPosition;
}

CDlgContinueCapture::CDlgContinueCapture(CWnd* parent)
    : CDialog(&kDialog385ContinueCapture, parent),
      m_session(std::make_unique<CContinuousCaptureSession>(*this))
{
}

CDlgContinueCapture::~CDlgContinueCapture()
{
    // The session waits for a saver that still runs; it calls back into this host.
    m_session.reset();
    FreeButtonBitmaps();
}

BOOL CDlgContinueCapture::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bRunning = false;
    m_state = ContinueCaptureStateFromSettings();
    // The window list leaves this dialog out by its title.
    const QString title = GetWindowText();
    GetWindowListHost().continuousDialogTitle = [title] { return std::optional<QString>(title); };

    m_stepFont.GetLogFont()->lfWeight = FW_BOLD;
    m_stepFont.CreateFont();
    m_counterFont.GetLogFont()->lfWeight = FW_BOLD;
    m_counterFont.CreateFont();
    for (int id : kStepLabelIds)
        if (CWnd* label = GetDlgItem(id))
            label->SetFont(m_stepFont.GetFont());
    if (CWnd* counter = GetDlgItem(IDC_CC_COUNTER))
        counter->SetFont(m_counterFont.GetFont());
    m_counterBrush.CreateSolidBrush(kCounterBackground);

    BuildWindowList();
    FillWaitCombo();
    SetDlgItemText(IDOK, QStringLiteral("連続キャプチャ開始"));
    ShowState();
    // The switch to the multi view after a run needs the multi view.
    if (CWnd* gotoMulti = GetDlgItem(IDC_CC_GOTO_MULTI))
        gotoMulti->EnableWindow(GetFrameServices().IsMultiViewInProgram() ? TRUE : FALSE);
    for (int id : {IDC_CC_COUNTER_CAPTION, IDC_CC_COUNTER, IDC_CC_PROGRESS_CAPTION, IDC_CC_PROGRESS_EDIT,
             IDC_CC_PROGRESS})
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
    LoadButtonBitmaps();
    ShowButtonBitmap(false);
    SetMinimizeBox(false);
    if (auto* name = static_cast<CEdit*>(GetDlgItem(IDC_CC_FILE_NAME)))
        name->SetLimitText(kCcFileNameLimit);
    return TRUE;
}

void CDlgContinueCapture::OnOK()
{
    StoreContinueCaptureState(m_state);
    EndDialog(IDOK);
}

void CDlgContinueCapture::OnCancel()
{
    // The run's sequence is on the stack: it ends the dialog itself.
    if (m_bStarting)
        return;
    EndDialog(IDCANCEL);
}

void CDlgContinueCapture::EndForFrameClose()
{
    if (!m_bStarting) {
        EndDialog(IDCANCEL);
        return;
    }
    if (m_bRunning)
        Stop();
    else
        m_bCloseAfterStart = true;
}

void CDlgContinueCapture::OnDestroy()
{
    KillTimer(IDT_CONTCAP_PROGRESS);
    KillTimer(kCompactPlaceTimer);
    GetWindowListHost().continuousDialogTitle = nullptr;
    FreeWindowList();
    CDialog::OnDestroy();
}

LRESULT CDlgContinueCapture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
        OnMinimizeCommand();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CDlgContinueCapture::OnMinimizeCommand()
{
    // The dialog itself stays: the frame (and the dialog with it) goes to the task bar.
    if (GetStyle() & WS_MINIMIZEBOX)
        GetFrameServices().MinimizeFrame();
    else
        AfxMessageBox(QStringLiteral("最小化ボタンは連続キャプチャ実行時に有効になります。"));
}

void CDlgContinueCapture::SetMinimizeBox(bool on)
{
    if (on)
        ModifyStyle(0, WS_MINIMIZEBOX, SWP_FRAMECHANGED);
    else
        ModifyStyle(WS_MINIMIZEBOX, 0, SWP_FRAMECHANGED);
}

void CDlgContinueCapture::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    KeepCompactPlace();
}

void CDlgContinueCapture::KeepCompactPlace()
{
    if (!m_bMoveLocked)
        return;
    // The outer size is known only once the window manager has framed the
    // window, so the place is worked out from the size it has now.
    RECT now{};
    GetWindowRect(&now);
    const POINT origin = CompactWindowOrigin(now.right - now.left, ScreenSize().cx, m_state.compactPosition);
    m_rcLocked =
        RECT{origin.x, origin.y, origin.x + (now.right - now.left), origin.y + (now.bottom - now.top)};
    if (now.left == origin.x && now.top == origin.y) {
        m_nSnapBacks = 0;
        return;
    }
    // A window manager that keeps putting the window at one other place wins
    // in the end; a drag (a new place each time) never does.
    const POINT refused{now.left, now.top};
    m_nSnapBacks = refused.x == m_ptRefused.x && refused.y == m_ptRefused.y ? m_nSnapBacks + 1 : 1;
    m_ptRefused = refused;
    if (m_nSnapBacks > kMaxSnapBacks) {
        m_bMoveLocked = false;
        KillTimer(kCompactPlaceTimer);
        return;
    }
    SetWindowPos(nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgContinueCapture::OnTimer(UINT_PTR id)
{
    if (id == IDT_CONTCAP_PROGRESS) {
        m_session->OnProgressTimer();
        return;
    }
    if (id == kCompactPlaceTimer) {
        KeepCompactPlace();
        return;
    }
    CDialog::OnTimer(id);
}

HBRUSH CDlgContinueCapture::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (!control || !dc)
        return brush;
    const int id = control->GetDlgCtrlID();
    if (id == IDC_CC_PREVIEW) {
        DrawPreview(dc, control);
        return brush;
    }
    if (IsStepLabel(id)) {
        dc->SetTextColor(kStepColor);
        return brush;
    }
    if (id == IDC_CC_COUNTER && m_bRunning) {
        dc->SetTextColor(kCounterText);
        dc->SetBkMode(TRANSPARENT);
        return m_counterBrush;
    }
    return brush;
}

bool CDlgContinueCapture::TargetWindowExists(HWND window) const
{
    return window && ::IsWindow(window);
}

bool CDlgContinueCapture::BringTargetForward(HWND window)
{
    return GetFrameServices().ForceForegroundWindow(window) == 1;
}

bool CDlgContinueCapture::TargetWindowRect(HWND window, RECT& rect) const
{
    auto usable = [](const RECT& r) { return r.right > r.left && r.bottom > r.top; };
    rect = RECT{};
    if (GetCaptureTargetRect(window, rect) && usable(rect))
        return true;
    // No rectangle of its own: the window in front stands in when its title
    // begins with the target's (a program that shows another window as itself).
    DesktopWindowInfo target, front;
    const HWND foreground = Desktop().control.ForegroundWindow();
    if (!foreground || !Desktop().windows.QueryWindow(window, kQueryText, target) ||
        !Desktop().windows.QueryWindow(foreground, kQueryText, front) ||
        !front.title.startsWith(target.title))
        return false;
    rect = RECT{};
    return GetCaptureTargetRect(foreground, rect) && usable(rect);
}

HWND CDlgContinueCapture::DesktopWindow() const
{
    return ::GetDesktopWindow();
}

int CDlgContinueCapture::ScreenBitsPerPixel() const
{
    HDC screen = ::GetDC(nullptr);
    if (!screen)
        return 0;
    const int bits = ::GetDeviceCaps(screen, BITSPIXEL) * ::GetDeviceCaps(screen, PLANES);
    ::ReleaseDC(nullptr, screen);
    return bits;
}

SIZE CDlgContinueCapture::ScreenSize() const
{
    return QueryScreenSize();
}

// The loop's host.

void CDlgContinueCapture::ShowCounter(const QString& text)
{
    SetDlgItemText(IDC_CC_COUNTER, text);
    if (const HWND frame = FrameWindow())
        ::SetWindowTextW(frame, text);
}

void CDlgContinueCapture::StartProgressTimer()
{
    SetTimer(IDT_CONTCAP_PROGRESS, kContCapProgressMs);
}

void CDlgContinueCapture::StopProgressTimer()
{
    KillTimer(IDT_CONTCAP_PROGRESS);
}

void CDlgContinueCapture::SetProgressPos(int tenths)
{
    if (auto* bar = static_cast<CProgressCtrl*>(GetDlgItem(IDC_CC_PROGRESS)))
        bar->SetPos(tenths);
}

void CDlgContinueCapture::ShowMessage(const QString& text, UINT icon)
{
    MessageBoxW(GetSafeHwnd(), text, ContinueCaptureCaption(), MB_OK | icon);
}

void CDlgContinueCapture::WaitMessages(DWORD maxMs)
{
    WaitMessagesPumping(maxMs);
}

HWND CDlgContinueCapture::FrameWindow()
{
    return GetAppState().Window(AppWindow::MainFrame);
}
