// The frame keeps the measure panel: command 32905 opens it in the control
// panel's place, by its rule; the close button and the stage's pop-up close
// it and bring the control panel back; colour adjustment waits while it is
// open.
#include "app/main_frame.h"
#include "clip/control_panel.h"
#include "clip/measure_dialog.h"
#include "clip/stage_messages.h"
#include "clip/stage_popup_menu.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/transform_state.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class MainFrameMeasureGui : public FrameAppTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QImage white(60, 40, QImage::Format_RGB32);
        white.fill(Qt::white);
        m_picture = m_dir.filePath(QStringLiteral("white.png"));
        ASSERT_TRUE(white.save(m_picture));
        FrameAppTest::SetUp();
    }

    CDlgViewStage& Stage() { return *m_frame->GetViewStage(); }
    bool Enabled(UINT id) const { return m_frame->QueryCommandState(id).enabled; }
    void Command(UINT id) { m_frame->SendMessage(WM_COMMAND, id, 0); }
    void OpenPicture() { ASSERT_NE(Stage().RequestOpenImageFile(m_picture), 0); }
    bool ControlPanelShown() { return m_frame->GetControlWindow()->IsWindowVisible(); }

    QString m_picture;
};

}  // namespace

TEST_F(MainFrameMeasureGui, TheCommandOpensThePanelInTheControlPanelsPlace)
{
    EXPECT_FALSE(Enabled(ID_VIEW_MEASURE));  // no image
    Command(ID_VIEW_MEASURE);
    EXPECT_EQ(m_frame->GetMeasureWindow(), nullptr);

    OpenPicture();
    ASSERT_TRUE(Enabled(ID_VIEW_MEASURE));
    EXPECT_TRUE(Enabled(ID_EDIT_COLOR_ADJUST));
    Command(ID_VIEW_MEASURE);
    CDlgMeasure* panel = m_frame->GetMeasureWindow();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->IsWindowVisible());
    EXPECT_EQ(m_frame->Window(AppWindow::Measure), panel->GetSafeHwnd());
    EXPECT_FALSE(ControlPanelShown());
    EXPECT_FALSE(Enabled(ID_EDIT_COLOR_ADJUST));
    // The panel knows the stage's image.
    ASSERT_TRUE(PumpUntil([&] { return panel->MeasureStateNow() == kMeasureArmed; }));
    panel->SetImageExtent(60, 40);
    EXPECT_EQ(panel->MeasureStateNow(), kMeasureArmed);

    // The close button closes it through the frame.
    panel->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MEASURE_CLOSE, BN_CLICKED), 0);
    EXPECT_EQ(m_frame->GetMeasureWindow(), nullptr);
    EXPECT_TRUE(ControlPanelShown());
    EXPECT_TRUE(Enabled(ID_EDIT_COLOR_ADJUST));
}

TEST_F(MainFrameMeasureGui, TheStagePopUpOpensAndClosesIt)
{
    OpenPicture();
    Stage().SendMessage(WM_COMMAND, MAKEWPARAM(ID_RB_MEASURE_DIALOG, 0), 0);
    ASSERT_TRUE(PumpUntil([&] { return m_frame->GetMeasureWindow() != nullptr; }));
    EXPECT_TRUE(Stage().PopupState().measureOpen);
    Stage().SendMessage(WM_COMMAND, MAKEWPARAM(ID_RB_MEASURE_DIALOG, 0), 0);
    ASSERT_TRUE(PumpUntil([&] { return m_frame->GetMeasureWindow() == nullptr; }));
    EXPECT_TRUE(ControlPanelShown());
}

TEST_F(MainFrameMeasureGui, TheRuleWaitsForColourAdjustmentAndTransforms)
{
    OpenPicture();
    Command(ID_EDIT_COLOR_ADJUST);
    ASSERT_NE(m_frame->m_pContrast, nullptr);
    EXPECT_FALSE(Enabled(ID_VIEW_MEASURE));
    Command(ID_EDIT_COLOR_ADJUST);
    EXPECT_TRUE(Enabled(ID_VIEW_MEASURE));
    g_bFlipLeftRight = 1;
    EXPECT_FALSE(Enabled(ID_VIEW_MEASURE));
    ClearTransformState();
    EXPECT_TRUE(Enabled(ID_VIEW_MEASURE));
}
