// The stage's captures: the frame's part (minimise, restore, title) through
// the frame services and the frame window, time and messages from the
// platform, and the engines of screen_capture.*.
#include "clip/view_stage.h"

#include "clip/screen_capture.h"
#include "clip/scroll_capture_window.h"
#include "core/frame_services.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "platform/app/message_pump.h"
#include "platform/dialog/msgbox.h"
#include "platform/system/kernel.h"
#include "platform/window/own_windows_on_screen.h"
#include "platform/window/pointer_position.h"

namespace {

// The frame as the capture sees it; without a frame window the title is empty.
class StageCaptureFrame : public CaptureFrame {
public:
    explicit StageCaptureFrame(CWnd* frame) : m_frame(frame) { }
    HWND Window() override { return m_frame ? m_frame->GetSafeHwnd() : nullptr; }
    QString Title() override { return m_frame ? m_frame->GetWindowText() : QString(); }
    void SetTitle(const QString& title) override
    {
        if (m_frame)
            m_frame->SetWindowText(title);
    }
    void Minimize() override { GetFrameServices().MinimizeFrame(); }
    void Restore() override { GetFrameServices().RestoreFrame(); }
    int ForceForeground(HWND window) override { return GetFrameServices().ForceForegroundWindow(window); }
    bool OnScreen() override { return AnyOwnWindowOnScreen(); }

private:
    CWnd* m_frame;
};

class PlatformCaptureClock : public CaptureClock {
public:
    DWORD Now() override { return GetTickCount(); }
    void Pump() override { PumpMessages(); }
    void Sleep(DWORD milliseconds) override { ::Sleep(milliseconds); }
};

}  // namespace

int CDlgViewStage::CaptureWindowImage(BYTE kind, HWND target)
{
    StageCaptureFrame frame(m_pFrame);
    PlatformCaptureClock clock;
    const auto caption = [this] { UpdateCaption(); };
    WindowCaptureSteps steps;
    steps.waitMs = [] { return static_cast<int>(AppSettings.WaitForCapture); };
    steps.versionCode = g_nWindowsVersion;
    steps.bitBlt = [&](BYTE k, HWND t) {
        return CaptureScreenBitBlt(k, t, m_image.get(), DesktopCaptureSources(), caption);
    };
    steps.printKey = [&](BYTE k, HWND t) {
        return CaptureScreenPrintKey(k, t, m_image.get(), DesktopCaptureSources(), clock, caption);
    };
    steps.tell = [this](const CaptureMessage& m) { MessageBoxW(GetSafeHwnd(), m.text, m.caption, m.type); };
    return RunWindowCapture(kind, target, frame, clock, steps);
}

bool CDlgViewStage::ImportClipboardBitmap(HBITMAP bitmap)
{
    return ::ImportClipboardBitmap(bitmap, m_image.get());
}

void CDlgViewStage::NameRequestedImage(const QString& name)
{
    m_image->path.SetPath(name);
}

int CDlgViewStage::ScrollCaptureImage(BYTE kind, HWND target)
{
    StageCaptureFrame frame(m_pFrame);
    PlatformCaptureClock clock;
    DesktopScrollCaptureHost host;
    ScrollWindowSteps steps = DesktopScrollWindowSteps();
    steps.waitMs = AppSettings.WaitForCapture;
    steps.pointAtStage = [this] {
        POINT centre{(m_rcView.left + m_rcView.right) / 2, (m_rcView.top + m_rcView.bottom) / 2};
        if (m_rcView.right <= m_rcView.left || m_rcView.bottom <= m_rcView.top)
            centre =
                POINT{(m_rcSurface.left + m_rcSurface.right) / 2, (m_rcSurface.top + m_rcSurface.bottom) / 2};
        ClientToScreen(&centre);
        SetCursorPos(centre.x, centre.y);
    };
    return ScrollCaptureWindow(
        kind, target, m_image.get(), frame, clock, host, steps, CurrentScrollCaptureSettings());
}
