// Tool tips on a real display: a tool's tip shows once the pointer rests on
// it for the tip control's own initial delay, for its own auto-pop time,
// and leaves with the pointer.
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "platform/window/pointer_position.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/pump_until.h"

#include <QToolTip>
#include <gtest/gtest.h>

namespace {

constexpr int kTool = 1001;
const DialogControl kControls[] = {
    {ControlKind::PushButton, kTool, u"道具", 0, 20, 20, 120, 40},
};
const DialogTemplate kTemplate{901, u"ヒント", WS_CAPTION, 0, 200, 100, kControls};

TEST(ToolTipsX11, TheTipShowsAfterTheControlsOwnDelayAndLeavesWithThePointer)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kTemplate));
    dialog.ShowWindow(SW_SHOW);
    CWnd* tool = dialog.GetDlgItem(kTool);
    ASSERT_TRUE(PumpUntil([&] { return tool->GetWidget()->isVisible(); }));
    CToolTipCtrl tips;
    tips.Create(&dialog);
    tips.AddTool(tool, QStringLiteral("道具の説明"));
    // Longer than the desktop's own delay (700 ms), which would show it earlier.
    tips.SetDelayTime(TTDT_INITIAL, 1500);
    tips.SetDelayTime(TTDT_AUTOPOP, 3000);
    SetCursorPos(0, 0);
    PumpFor(100);

    RECT r{};
    tool->GetWindowRect(&r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PumpFor(1000);
    EXPECT_FALSE(QToolTip::isVisible());
    ASSERT_TRUE(PumpUntil([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("道具の説明"));

    SetCursorPos(0, 0);
    EXPECT_TRUE(PumpUntil([] { return !QToolTip::isVisible(); }, 3000));
    dialog.DestroyWindow();
}

}  // namespace
