// The frame with its real control panel, made offscreen by the application
// object: the panel opens at the first show before the stage and stands at
// the frame's left edge with the stage right of it; its selection makes the
// frame's commands wait and shows the guidance.
#include "app/frame_status_guide.h"
#include "app/frame_window_table.h"
#include "app/mode_bar.h"
#include "clip/control_panel.h"
#include "clip/control_panel_messages.h"
#include "clip/control_panel_placement.h"
#include "clip/view_stage.h"
#include "core/app_state_queries.h"
#include "core/chooser_button.h"
#include "core/frame_messages.h"
#include "core/panel_messages.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "core/system_figures.h"
#include "core/transform_state.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

class MainFramePanelGui : public FrameAppTest {
protected:
    CDlgControlWindow& Panel() { return *m_frame->GetControlWindow(); }
};

}  // namespace

TEST_F(MainFramePanelGui, ThePanelOpensBeforeTheStageAtTheFramesLeftEdge)
{
    ASSERT_NE(m_frame->GetControlWindow(), nullptr);
    EXPECT_TRUE(Panel().IsWindowVisible());
    EXPECT_EQ(m_frame->Window(AppWindow::ControlPanel), Panel().GetSafeHwnd());

    RECT frame{}, panel{}, stage{};
    m_frame->GetWindowRect(&frame);
    Panel().GetWindowRect(&panel);
    m_frame->GetViewStage()->GetWindowRect(&stage);
    // The stage stands right of the panel, at the top of the frame's client
    // area; the panel stands below the mode bar there.
    RECT bar{};
    m_frame->m_pModeChoice->GetWindowRect(&bar);
    const int barHeight = bar.bottom - bar.top;
    EXPECT_EQ(stage.left, panel.right);
    EXPECT_EQ(stage.top + barHeight, panel.top);

    // Told that the frame moved, the panel takes its place at the frame's left edge.
    const RECT expected = CalcPanelPlacement(frame, g_ScreenMetrics.frameWidth, GetFrameClientTop(),
        barHeight, SIZE{panel.right - panel.left, panel.bottom - panel.top});
    Panel().MoveWindow(0, 0, panel.right - panel.left, panel.bottom - panel.top);
    Panel().SendMessage(WM_REPOSITION_PANEL);
    RECT again{};
    Panel().GetWindowRect(&again);
    EXPECT_EQ(again.left, expected.left);
    EXPECT_EQ(again.top, expected.top);

    m_frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_frame->GetControlWindow(), nullptr);
}

TEST_F(MainFramePanelGui, TheChooserButtonIsFoundWhereThePanelStands)
{
    RECT button{};
    Panel().GetDlgItem(IDC_PANEL_CHOOSER)->GetWindowRect(&button);
    const RECT found = ChooserButtonScreenRect();
    EXPECT_EQ(found.left, button.left);
    EXPECT_EQ(found.top, button.top);
    EXPECT_EQ(found.right, button.right);
    EXPECT_EQ(found.bottom, button.bottom);
}

TEST_F(MainFramePanelGui, ASelectionInThePanelMakesTheCommandsWaitAndGuides)
{
    EXPECT_TRUE(m_frame->IsControlIdle());
    EXPECT_TRUE(m_frame->QueryCommandState(ID_HELP_MANUAL).enabled);
    Panel().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PANEL_TWO_CLICK_RANGE, BN_CLICKED), 0);
    EXPECT_EQ(Panel().m_bSelectionOn, 1);
    EXPECT_FALSE(m_frame->IsControlIdle());
    EXPECT_FALSE(m_frame->QueryCommandState(ID_FILE_OPEN_IMAGE).enabled);
    EXPECT_FALSE(m_frame->QueryCommandState(ID_HELP_MANUAL).enabled);
    EXPECT_EQ(m_frame->GetMessageText(), StatusGuideText(0, 2, StatusGuideFacts{}));

    Panel().SendMessage(WM_CLIPCTL_PRESS_METHOD, 2);
    EXPECT_EQ(Panel().m_bSelectionOn, 0);
    EXPECT_TRUE(m_frame->IsControlIdle());
    EXPECT_TRUE(m_frame->GetMessageText().isEmpty());
}

TEST(StatusGuideText, GivesEachTopicsText)
{
    StatusGuideFacts facts;
    EXPECT_TRUE(StatusGuideText(0, 2, facts).startsWith(QStringLiteral("2点クリックモード : 始点")));
    EXPECT_TRUE(StatusGuideText(0, 2 | 0x10, facts).startsWith(QStringLiteral("2点クリックモード : 終点")));
    EXPECT_TRUE(StatusGuideText(0, 3, facts).startsWith(QStringLiteral("マウスホイールモード")));
    facts.fixSaveArea = true;
    EXPECT_TRUE(StatusGuideText(0, 3, facts).startsWith(QStringLiteral("固定モード")));
    EXPECT_TRUE(StatusGuideText(1, 2, facts).isEmpty());  // no chooser open
    facts.chooserOpen = true;
    facts.captureListMax = 40;
    EXPECT_EQ(StatusGuideText(1, 2, facts),
        QStringLiteral(
            "キャプチャーウィンドウの選択 : リストに表示されるウィンドウの最大数は 40 個までです。"));
    EXPECT_TRUE(StatusGuideText(166, 13, facts).startsWith(QStringLiteral("透過色の選択")));
    EXPECT_TRUE(StatusGuideText(166, 2, facts).startsWith(QStringLiteral("Clip3 : ")));
    EXPECT_TRUE(StatusGuideText(166, 12, facts).isEmpty());
    EXPECT_TRUE(StatusGuideText(7, 0, facts).isEmpty());
}

TEST_F(MainFramePanelGui, ZoomInIsRefusedWhileTheWheelRangeIsMoreThanHalfTheView)
{
    const QString png = m_dir.filePath(QStringLiteral("picture.png"));
    PngRecipe recipe;
    recipe.width = 1600;
    recipe.height = 1200;
    ASSERT_TRUE(WriteBytes(png, MakePng(recipe)));
    CDlgViewStage& stage = *m_frame->GetViewStage();
    ASSERT_NE(stage.RequestOpenImageFile(png), 0);
    Panel().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PANEL_WHEEL_RANGE, BN_CLICKED), 0);
    ASSERT_EQ(Panel().m_bSelectionOn, 1);
    ASSERT_TRUE(IsWheelClipActive());

    // Each zoom-in either zooms or, once the range is more than half the view, is refused.
    ScriptedMessageBoxes boxes;
    bool refused = false;
    for (int step = 0; step < 40 && !refused; ++step) {
        const CStageZoom& zoom = stage.Zoom();
        const bool tooLarge = Panel().RangeWidth() > zoom.VisibleWidth() / 2 ||
            Panel().RangeHeight() > zoom.VisibleHeight() / 2;
        const RECT before = zoom.visibleRect;
        const int shown = boxes.Texts().size();
        m_frame->SendMessage(WM_COMMAND, ID_VIEW_ZOOM_IN, 0);
        if (tooLarge) {
            ASSERT_EQ(boxes.Texts().size(), shown + 1);
            EXPECT_EQ(boxes.Texts().back(),
                QStringLiteral("これ以上ズーム出来ません。\n\nズームするには選択範囲を小さくして下さい。"));
            const RECT after = stage.Zoom().visibleRect;
            EXPECT_TRUE(before.left == after.left && before.top == after.top && before.right == after.right &&
                before.bottom == after.bottom);
            refused = true;
        } else {
            EXPECT_EQ(boxes.Texts().size(), shown);
        }
    }
    EXPECT_TRUE(refused);
    // Zoom out is never refused.
    const int shown = boxes.Texts().size();
    m_frame->SendMessage(WM_COMMAND, ID_VIEW_ZOOM_OUT, 0);
    EXPECT_EQ(boxes.Texts().size(), shown);
}
