#include "clip/scroll_capture_window.h"

#include "core/shared_paths.h"
#include "core/window_list.h"
#include "platform/dialog/msgbox.h"
#include "platform/types/messages.h"
#include "platform/x11/desktop_services.h"

#include <algorithm>

int ScrollCaptureWindow(BYTE kind, HWND target, CLoadBitmap* holder, CaptureFrame& frame, CaptureClock& clock,
    ScrollCaptureHost& host, const ScrollWindowSteps& steps, const ScrollCaptureSettings& settings)
{
    if (kind != 3 || target == nullptr)
        return 0;
    const bool targetIsFrame = target == frame.Window();
    const auto restore = [&] {
        if (!targetIsFrame)
            frame.Restore();
    };
    if (!targetIsFrame)
        frame.Minimize();
    if (frame.ForceForeground(target) != 1) {
        restore();
        const CaptureMessage m = SwitchFailedMessage();
        MessageBoxW(frame.Window(), m.text, m.caption, m.type);
        return 0;
    }
    host.Sleep(static_cast<DWORD>(std::max(steps.waitMs, 0)));
    // The window manager minimises in its own time: no grab shows the frame.
    if (!targetIsFrame)
        WaitUntilFrameLeft(frame, clock);
    const BYTE browser = steps.detectBrowser ? steps.detectBrowser(target) : static_cast<BYTE>(kBrowserNone);
    if (browser == kBrowserNone) {
        restore();
        AfxMessageBox(QStringLiteral("未対応のブラウザです。"));
        return 0;
    }
    const BYTE code = RunScrollCapture(target, holder, browser, host, settings);
    if (steps.pressHome)
        steps.pressHome(target, browser);
    host.Sleep(10);
    restore();
    const int produced = ShowScrollCaptureResult(code);
    if (produced && steps.windowTitle)
        g_szCaptureTitle = steps.windowTitle(target).left(kWindowTitleCapacity - 1);
    if (steps.pointAtStage)
        steps.pointAtStage();
    return produced;
}

ScrollWindowSteps DesktopScrollWindowSteps()
{
    ScrollWindowSteps steps;
    steps.detectBrowser = [](HWND w) { return DetectBrowserWindow(w); };
    // The key goes to the input focus: the browser, still in front.
    steps.pressHome = [](HWND, BYTE) { Desktop().input.SendKey(VK_HOME); };
    steps.windowTitle = [](HWND w) {
        DesktopWindowInfo info;
        Desktop().windows.QueryWindow(w, kQueryText, info);
        return info.title;
    };
    return steps;
}
