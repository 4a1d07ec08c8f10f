// Window state: minimising without a window manager takes the owned windows
// along; a window manager's iconify is heard as SC_MINIMIZE, which a window
// may refuse; the minimise box comes and goes on a window that stays shown;
// the top-most layer is joined without hiding the window.
#include "platform/dialog/dialog.h"
#include "platform/window/window.h"
#include "tests/platform/window/recording_window.h"
#include "tests/support/pump_until.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using namespace window_testing;

TEST(WindowOps, MinimisingWithoutAWindowManagerHidesTheOwnedWindowsToo)
{
    // The offscreen platform, like a bare X server, has no window manager.
    Recorder frame;
    ASSERT_TRUE(frame.Make());
    CWnd tool;
    ASSERT_TRUE(tool.CreateEx(
        WS_EX_TOOLWINDOW, QStringLiteral("tool"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 30, 30}, &frame, 0));
    CWnd hiddenTool;
    ASSERT_TRUE(hiddenTool.CreateEx(
        WS_EX_TOOLWINDOW, QStringLiteral("hidden"), WS_POPUP, RECT{0, 0, 30, 30}, &frame, 0));
    frame.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(frame.IsIconic());
    EXPECT_FALSE(frame.IsWindowVisible());
    EXPECT_FALSE(tool.IsWindowVisible());
    frame.ShowWindow(SW_RESTORE);
    EXPECT_FALSE(frame.IsIconic());
    EXPECT_TRUE(frame.IsWindowVisible());
    EXPECT_TRUE(tool.IsWindowVisible());
    EXPECT_FALSE(hiddenTool.IsWindowVisible());  // what was hidden before stays hidden
}

// A window that counts SC_MINIMIZE and may keep it from the default handling.
class MinimizeListener : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
            ++commands;
            if (refuse)
                return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int commands = 0;
    bool refuse = false;
};

TEST(WindowOps, AnIconifyByTheWindowManagerArrivesAsSCMinimizeThatTheWindowMayRefuse)
{
    for (const bool refuse : {false, true}) {
        MinimizeListener w;
        w.refuse = refuse;
        ASSERT_TRUE(
            w.CreateEx(0, QStringLiteral("w"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 40}, nullptr, 0));
        // What a window manager's minimise button does: the platform reports
        // the window iconified, and only then does the program hear of it.
        w.GetWidget()->windowHandle()->setWindowStates(Qt::WindowMinimized);
        PumpUntil([] { return false; }, 50);
        EXPECT_EQ(w.commands, 1) << refuse;
        EXPECT_EQ(w.GetWidget()->isMinimized(), !refuse) << refuse;
        EXPECT_TRUE(w.IsWindowVisible()) << refuse;
    }
}

TEST(WindowOps, TheProgramsOwnMinimiseIsNoCommand)
{
    MinimizeListener w;
    ASSERT_TRUE(w.CreateEx(0, QStringLiteral("w"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 40}, nullptr, 0));
    w.ShowWindow(SW_MINIMIZE);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.commands, 0);
    EXPECT_TRUE(w.IsIconic());
}

const DialogControl kNoControls[] = {{ControlKind::PushButton, IDOK, u"OK", BS_PUSHBUTTON, 10, 10, 60, 24}};
const DialogTemplate kPlainDialog{
    1, u"plain", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 120, 60, kNoControls};

TEST(WindowOps, TheMinimiseBoxAndTheTopMostLayerChangeWithoutEndingAModalDialog)
{
    CDialog dialog(&kPlainDialog);
    bool boxShown = false;
    bool boxGone = false;
    bool stillRunning = false;
    // Both timers end with the test, so neither can fire on a dialog that is gone.
    QTimer change;
    change.setSingleShot(true);
    QObject::connect(&change, &QTimer::timeout, [&] {
        dialog.ModifyStyle(0, WS_MINIMIZEBOX);
        boxShown = (dialog.GetStyle() & WS_MINIMIZEBOX) &&
            dialog.GetWidget()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
        CWnd topMost;
        topMost.m_hWnd = HWND_TOPMOST;
        dialog.SetWindowPos(&topMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        dialog.ModifyStyle(WS_MINIMIZEBOX, 0);
        boxGone = !dialog.GetWidget()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
    });
    // Hiding a modal dialog to give it new flags would have ended its loop before this.
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, [&] {
        stillRunning = dialog.IsWindowVisible() == TRUE &&
            dialog.GetWidget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        dialog.EndDialog(IDOK);
    });
    change.start(0);
    end.start(100);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(boxShown);
    EXPECT_TRUE(boxGone);
    EXPECT_TRUE(stillRunning);
}

}  // namespace
