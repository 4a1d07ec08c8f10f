// The frame's menu bar reached by keys typed on a real display: the events
// come through the window system (the window's handle first, the shortcut
// check, the focus widget and its parents), and each key still counts once.
#include "platform/window/frame_window.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/pump_until.h"

#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

class MenuFrame : public CFrameWnd {
public:
    int OnCreate() override
    {
        const int file = AddMenuPopup(QStringLiteral("File"));
        AddMenuItem(file, 40001, QStringLiteral("Open"), QString());
        const int view = AddMenuPopup(QStringLiteral("View"));
        AddMenuItem(view, 40002, QStringLiteral("Zoom"), QString());
        return 0;
    }
};

void TypeKeys(const char* keys)
{
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(keys)});
}

TEST(MenuBarKeysX11, TypedAltAndF10SelectTheBarOnceAndAltAsAModifierDoesNot)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "needs xdotool";
    MenuFrame frame;
    ASSERT_TRUE(frame.CreateFrame(QStringLiteral("menu keys"), RECT{60, 60, 460, 360}));
    frame.ShowWindow(SW_SHOW);
    frame.GetWidget()->activateWindow();
    ASSERT_TRUE(PumpUntil([&] { return frame.GetWidget()->isActiveWindow(); }, 5000));
    QMenuBar* bar = frame.GetWidget()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const auto active = [&] { return bar->activeAction() ? bar->activeAction()->text() : QString(); };
    const auto settle = [&](const QString& expected) {
        PumpUntil([&] { return active() == expected; }, 1000);
        PumpFor(100);  // and stays so
        return active();
    };

    struct Step {
        const char* keys;
        const char* active;  // the menu highlighted afterwards, "" for none
    };
    const Step steps[] = {
        {"alt", "File"},
        {"Right", "View"},
        {"Escape", ""},
        {"F10", "File"},
        {"F10", ""},
        {"alt+BackSpace", ""},
        {"alt", "File"},
        {"alt", ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.keys);
        TypeKeys(step.keys);
        EXPECT_EQ(settle(QString::fromLatin1(step.active)), QString::fromLatin1(step.active));
    }
    frame.DestroyWindow();
}

}  // namespace
