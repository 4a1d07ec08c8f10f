// The frame's run of the rename dialog: the panel's rename button opens it,
// a second request while it runs is refused, and after a rename the multi
// view drops its selection and orders its files again.
#include "app/frame_globals.h"
#include "app/main_frame.h"
#include "app/mode_bar.h"
#include "core/frame_messages.h"
#include "core/multi_view_globals.h"
#include "multiview/multi_control_window.h"
#include "multiview/multi_view_stage.h"
#include "multiview/rename_dialog.h"
#include "multiview/thumbnail_list.h"
#include "res/dialog_279_multi_control.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MainFrameRenameGui : public FrameAppTest {
protected:
    void TearDown() override
    {
        g_nAppMode = 1;
        g_nRenameMode = 0;
        RenameChoices = RenameChoicesRecord{};
        FrameAppTest::TearDown();
    }
};

TEST_F(MainFrameRenameGui, ThePanelsButtonRunsTheDialogOnceAndTheViewIsOrderedAgainAfterwards)
{
    const QString folder = m_dir.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"a.png", "b.png", "c.png"})
        ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(folder + "/" + name, "PNG"));
    PumpFor(50);
    m_frame->m_pModeChoice->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MODE_TO_MULTI, BN_CLICKED), 0);
    CDlgMultiControlWindow* panel = m_frame->GetMultiControlWindow();
    CDlgMultiViewStage* stage = m_frame->GetMultiViewStage();
    ASSERT_TRUE(panel && stage);
    ASSERT_TRUE(panel->SwitchToFolder(folder, false, false));
    ASSERT_TRUE(PumpUntil([&] { return panel->DisplayState() == kMultiDisplayFinished; }, 10000));
    ASSERT_TRUE(PumpUntil([&] { return stage->List().GetValidBits() == 7; }, 10000));
    stage->List().SetSelection(0, 1);
    stage->SetFocusPosition(0);
    const QString first = stage->List().GetFileName(stage->List().GetSortIndex(0));

    ScriptedMessageBoxes boxes;
    LRESULT second = -1;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(PumpUntil([&] { return m_frame->m_pChangeFileName != nullptr; }, 3000));
        CDlgChangeFileName& d = *m_frame->m_pChangeFileName;
        seen = m_frame->Window(AppWindow::RenameDialog) == d.GetSafeHwnd();
        second = m_frame->SendMessage(WM_FRAME_RENAME, 1);
        d.SetDlgItemText(IDC_RENAME_EDIT, "z.png");
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RENAME_EXECUTE, BN_CLICKED), 0);
    });
    panel->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_RENAME_ONE, BN_CLICKED), 0);
    EXPECT_TRUE(seen);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(g_nRenameMode, kRenameSingle);
    EXPECT_EQ(m_frame->m_pChangeFileName, nullptr);
    EXPECT_EQ(m_frame->m_nRenameDone, 1);
    EXPECT_EQ(boxes.Texts(), QStringList({"ファイル名の変更処理が終了しました。"}));
    EXPECT_FALSE(QFile::exists(folder + "/" + first));
    EXPECT_TRUE(QFile::exists(folder + "/z.png"));
    EXPECT_EQ(stage->List().GetSelectedCount(), 0);
    QStringList names;
    for (int p = 0; p < stage->List().GetFileCount(); ++p)
        names << stage->List().GetFileName(stage->List().GetSortIndex(p));
    EXPECT_TRUE(names.contains("z.png"));
    EXPECT_FALSE(names.contains(first));
}

}  // namespace
