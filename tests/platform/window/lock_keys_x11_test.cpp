// The lock keys on a real display: a lock turned on shows in GetKeyState's
// low bit and lights its pane in the frame's status bar.
#include "platform/window/frame_window.h"
#include "platform/window/input_keys.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/pump_until.h"

#include <QLabel>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

bool CapsLockOn()
{
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

QLabel* Pane(CFrameWnd& frame, const QString& text)
{
    for (QLabel* label : frame.GetWidget()->findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

TEST(LockKeysX11, CapsLockShowsInTheKeyStateAndTheFramesPane)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    LockKeyStates locks;
    if (!Desktop().input.ReadLockKeys(locks))
        GTEST_SKIP() << "the keyboard's indicators cannot be read";
    const bool wasOn = locks.capsLock;
    CFrameWnd frame;
    ASSERT_TRUE(frame.CreateFrame(QStringLiteral("錠"), RECT{0, 0, 400, 300}));
    QLabel* caps = Pane(frame, QStringLiteral("CAP"));
    ASSERT_NE(caps, nullptr);
    EXPECT_EQ(caps->isEnabled(), wasOn);

    ASSERT_TRUE(Desktop().input.SendKey(VK_CAPITAL));
    EXPECT_TRUE(PumpUntil([&] { return CapsLockOn() != wasOn; }, 3000));
    EXPECT_TRUE(PumpUntil([&] { return caps->isEnabled() != wasOn; }, 3000));

    ASSERT_TRUE(Desktop().input.SendKey(VK_CAPITAL));  // as it was
    EXPECT_TRUE(PumpUntil([&] { return CapsLockOn() == wasOn; }, 3000));
    frame.DestroyWindow();
}

}  // namespace
