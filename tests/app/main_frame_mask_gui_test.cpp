// The frame's mask settings command: disabled until the multi view has a
// folder with files and its mask data, dropped while disabled, and running
// the dialog once they are there.
#include "app/frame_commands.h"
#include "app/frame_globals.h"
#include "app/main_frame.h"
#include "app/mode_bar.h"
#include "multiview/multi_control_window.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"

#include <QDir>
#include <QImage>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MainFrameMaskGui : public FrameAppTest {
protected:
    void TearDown() override
    {
        g_nAppMode = 1;
        FrameAppTest::TearDown();
    }
};

TEST_F(MainFrameMaskGui, TheCommandWaitsForTheMultiViewsMaskData)
{
    ASSERT_NE(FindFrameCommand(ID_VIEW_THUMB_MASK), nullptr);
    EXPECT_EQ(m_frame->GetMultiViewStage(), nullptr);
    EXPECT_FALSE(m_frame->QueryCommandState(ID_VIEW_THUMB_MASK).enabled);
    m_frame->SendMessage(WM_COMMAND, ID_VIEW_THUMB_MASK, 0);  // dropped: no dialog runs
    EXPECT_EQ(m_frame->Window(AppWindow::MaskDialog), nullptr);
}

TEST_F(MainFrameMaskGui, ALoadedFolderWithFinishedMaskDataRunsTheDialog)
{
    const QString folder = m_dir.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"a.png", "b.png"}) {
        QImage picture(32, 24, QImage::Format_RGB32);
        picture.fill(qRgb(40, 40, 200));
        ASSERT_TRUE(picture.save(folder + QLatin1Char('/') + QString::fromLatin1(name)));
    }
    m_frame->m_pModeChoice->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MODE_TO_MULTI, BN_CLICKED), 0);
    CDlgMultiControlWindow* panel = m_frame->GetMultiControlWindow();
    CDlgMultiViewStage* stage = m_frame->GetMultiViewStage();
    ASSERT_TRUE(panel && stage);
    ASSERT_TRUE(panel->SwitchToFolder(folder, false, false));
    ASSERT_TRUE(PumpUntil([&] { return stage->Mask().GetStatus() == CThumbMask::kDone; }, 10000));
    ASSERT_EQ(stage->List().GetFileCount(), 2);
    EXPECT_TRUE(m_frame->QueryCommandState(ID_VIEW_THUMB_MASK).enabled);

    // The dialog runs modally over the stage; a second command while it is
    // open makes no second one.
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        PumpUntil([&] { return m_frame->Window(AppWindow::MaskDialog) != nullptr; }, 3000);
        const HWND dialog = m_frame->Window(AppWindow::MaskDialog);
        sawDialog = dialog != nullptr;
        m_frame->SendMessage(WM_COMMAND, ID_VIEW_THUMB_MASK, 0);
        EXPECT_EQ(m_frame->Window(AppWindow::MaskDialog), dialog);
        if (dialog)
            ::SendMessage(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    m_frame->SendMessage(WM_COMMAND, ID_VIEW_THUMB_MASK, 0);
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(m_frame->Window(AppWindow::MaskDialog), nullptr);
    EXPECT_FALSE(stage->Mask().IsAnyDayMasked());
}

}  // namespace
