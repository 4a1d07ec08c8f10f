// Activation on a real X server with a window manager: a click on an inactive
// window activates it with WA_CLICKACTIVE, before the press, naming the window
// that lost the activation.
#include "platform/window/window.h"
#include "platform/x11/desktop_services.h"
#include "tests/platform/window/activation_recorder.h"
#include "tests/support/pump_until.h"

#include <QProcess>
#include <QStandardPaths>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using Activated = window_testing::ActivationRecorder;

TEST(WindowActivateX11, ClickActivationNamesTheWindowThatLostIt)
{
    if (!DesktopIsAvailable() || !Desktop().windows.HasWindowManager())
        GTEST_SKIP() << "needs an X display with a window manager";
    if (QStandardPaths::findExecutable("xdotool").isEmpty())
        GTEST_SKIP() << "needs xdotool";
    Activated a, b;
    ASSERT_TRUE(
        a.CreateEx(0, "a", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, RECT{50, 50, 250, 200}, nullptr, 0));
    ASSERT_TRUE(
        b.CreateEx(0, "b", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, RECT{400, 50, 600, 200}, nullptr, 0));
    a.SetForegroundWindow();
    ASSERT_TRUE(PumpUntil([&] { return a.IsActive(); }, 5000));
    PumpFor(300);
    a.log.clear();
    b.log.clear();

    const QPoint inside = b.GetWidget()->mapToGlobal(QPoint(100, 70));
    QProcess::execute(
        "xdotool", {"mousemove", QString::number(inside.x()), QString::number(inside.y()), "click", "1"});
    ASSERT_TRUE(PumpUntil([&] { return b.IsActive() && b.activationsBeforePress >= 0; }, 5000));
    PumpFor(200);
    ASSERT_EQ(b.log.size(), 1u);
    EXPECT_EQ(b.log[0].state, UINT(WA_CLICKACTIVE));
    EXPECT_EQ(b.log[0].other, a.GetSafeHwnd());
    EXPECT_EQ(b.activationsBeforePress, 1);
    ASSERT_FALSE(a.log.empty());
    EXPECT_EQ(a.log.back().state, UINT(WA_INACTIVE));
}

}  // namespace
