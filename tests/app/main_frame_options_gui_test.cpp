// The option command with the real frame: enabled while the program is idle,
// it opens the clip-mode sheet or, while the multi view shows, the multi-view
// sheet; after OK the overview window, the control panel and the multi-view
// stage take the new settings, after Cancel nothing changes.
#include "app/frame_globals.h"
#include "app/mode_bar.h"
#include "clip/control_panel.h"
#include "clip/control_panel_messages.h"
#include "multiview/multi_view_stage.h"
#include "options/option_containers.h"
#include "res/dialog_134_control_panel.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class MainFrameOptionsGui : public FrameAppTest {
protected:
    void SetUp() override
    {
        FrameAppTest::SetUp();
        m_saved = AppSettings;
    }
    void TearDown() override
    {
        AppSettings = m_saved;
        g_nAppMode = 1;
        FrameAppTest::TearDown();
    }

    // Sends the command; `inside` runs once inside the sheet's loop and must
    // end it. The number of sheets that ran.
    int RunCommand(const std::function<void(COptionSheet&)>& inside)
    {
        int runs = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            COptionSheet* sheet = m_frame->m_pOptionContainer
                ? static_cast<COptionSheet*>(m_frame->m_pOptionContainer)
                : m_frame->m_pOptionContainerB;
            if (!sheet || !sheet->GetSafeHwnd())
                return;
            poll.stop();
            ++runs;
            inside(*sheet);
        });
        poll.start();
        m_frame->SendMessage(WM_COMMAND, ID_OPTION_OPTIONS, 0);
        PumpFor(30);
        return runs;
    }
    static void Click(CWnd* control) { MouseClick(control->GetWidget(), QPoint(5, 5)); }

    AppSettingsRecord m_saved;
};

TEST_F(MainFrameOptionsGui, ClipModeSheetAndWhatOkChanges)
{
    EXPECT_TRUE(m_frame->QueryCommandState(ID_OPTION_OPTIONS).enabled);
    CDlgControlWindow* panel = m_frame->GetControlWindow();
    ASSERT_NE(panel, nullptr);
    AppSettings.ShowZoomDlg = 1;
    AppSettings.UseContinueCapture = 0;
    AppSettings.OptionTabNo = 0;
    panel->SendMessage(WM_CLIPCTL_UPDATE_CONTCAP_BUTTON, 0);
    ASSERT_FALSE(panel->GetDlgItem(IDC_PANEL_CONTINUE_CAPTURE)->IsWindowVisible());
    m_frame->OpenSkyWindow();
    ASSERT_TRUE(m_frame->IsSkyWindowOpen());

    // Cancelled: nothing changes.
    int pages = 0;
    EXPECT_EQ(RunCommand([&](COptionSheet& sheet) {
        pages = sheet.PageCount();
        EXPECT_EQ(m_frame->m_pOptionContainerB, nullptr);
        Click(sheet.Page(0)->GetDlgItem(IDC_OPTBASIC_SHOW_ZOOM));
        Click(sheet.GetDlgItem(IDCANCEL));
    }),
        1);
    EXPECT_EQ(pages, 4);
    EXPECT_EQ(m_frame->m_pOptionContainer, nullptr);
    EXPECT_TRUE(m_frame->IsSkyWindowOpen());
    EXPECT_EQ(AppSettings.ShowZoomDlg, 1);

    // OK: the overview window closes and the panel shows its continuous-capture button.
    EXPECT_EQ(RunCommand([&](COptionSheet& sheet) {
        Click(sheet.Page(0)->GetDlgItem(IDC_OPTBASIC_SHOW_ZOOM));
        Click(sheet.Page(0)->GetDlgItem(IDC_OPTBASIC_CONTINUE_CAPTURE));
        Click(sheet.GetDlgItem(IDOK));
    }),
        1);
    PumpFor(30);
    EXPECT_EQ(AppSettings.ShowZoomDlg, 0);
    EXPECT_EQ(AppSettings.UseContinueCapture, 1);
    EXPECT_FALSE(m_frame->IsSkyWindowOpen());
    EXPECT_TRUE(panel->GetDlgItem(IDC_PANEL_CONTINUE_CAPTURE)->IsWindowVisible());
}

TEST_F(MainFrameOptionsGui, MultiViewSheetHandsThePagingToTheStage)
{
    m_frame->m_pModeChoice->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MODE_TO_MULTI, BN_CLICKED), 0);
    CDlgMultiViewStage* stage = m_frame->GetMultiViewStage();
    ASSERT_TRUE(stage && stage->IsWindowVisible());
    EXPECT_TRUE(m_frame->QueryCommandState(ID_OPTION_OPTIONS).enabled);
    AppSettings.PageChangeRange = 2;
    stage->SetPageChangeRange(2);

    int pages = 0;
    EXPECT_EQ(RunCommand([&](COptionSheet& sheet) {
        pages = sheet.PageCount();
        EXPECT_EQ(m_frame->m_pOptionContainer, nullptr);
        Click(sheet.Page(0)->GetDlgItem(IDC_OPTMULTI_HALF_PAGE));
        Click(sheet.GetDlgItem(IDOK));
    }),
        1);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(m_frame->m_pOptionContainerB, nullptr);
    EXPECT_EQ(AppSettings.PageChangeRange, 1);
    EXPECT_EQ(stage->Grid().PageChangeRange(), 1);
}

}  // namespace
