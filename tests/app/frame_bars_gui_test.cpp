// The frame's toolbar pictures follow the icon scale: on a large-DPI screen
// they are drawn at 32 pixels and the toolbar grows to hold them.
#include "app/frame_bars.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameBars, ToolbarPicturesAndHeightFollowTheIconScale)
{
    CFrameWnd frame;
    ASSERT_TRUE(frame.CreateFrame(QStringLiteral("frame"), RECT{0, 0, 800, 300}));
    BuildFrameToolbar(frame, kToolbar128Main, 1);
    EXPECT_EQ(frame.ToolbarHeight(), kFrameToolbarHeight);
    BuildFrameToolbar(frame, kToolbar128Main, 2);
    EXPECT_EQ(frame.ToolbarHeight(), kFrameToolbarHeight + 16);
    EXPECT_EQ(frame.ToolbarIconSide(), 32);
    EXPECT_EQ(frame.ToolbarCommands().size(), kToolbar128Main.buttons.size());
    frame.DestroyWindow();
}

}  // namespace
