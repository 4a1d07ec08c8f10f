// The frame's mask settings command: disabled until the multi view has a
// folder with files and its mask data, and dropped while disabled.
#include "app/frame_commands.h"
#include "app/main_frame.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"

#include <gtest/gtest.h>

namespace {

using MainFrameMaskGui = FrameAppTest;

TEST_F(MainFrameMaskGui, TheCommandWaitsForTheMultiViewsMaskData)
{
    ASSERT_NE(FindFrameCommand(ID_VIEW_THUMB_MASK), nullptr);
    EXPECT_EQ(m_frame->GetMultiViewStage(), nullptr);
    EXPECT_FALSE(m_frame->QueryCommandState(ID_VIEW_THUMB_MASK).enabled);
    m_frame->SendMessage(WM_COMMAND, ID_VIEW_THUMB_MASK, 0);  // dropped: no dialog runs
    EXPECT_EQ(m_frame->Window(AppWindow::MaskDialog), nullptr);
}

}  // namespace
