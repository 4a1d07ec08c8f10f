// The frame's run of the batch shrink: the panel's button opens the dialog
// over the selection, a second request while it runs is answered 2, and a
// run writes the reduced files into the shown folder, which the multi view
// then lists.
#include "app/frame_globals.h"
#include "app/main_frame.h"
#include "app/mode_bar.h"
#include "core/frame_messages.h"
#include "imaging/jpeg_file.h"
#include "multiview/multi_control_window.h"
#include "multiview/multi_view_stage.h"
#include "multiview/stretch_image_dialog.h"
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

class MainFrameStretchGui : public FrameAppTest {
protected:
    void TearDown() override
    {
        g_nAppMode = 1;
        FrameAppTest::TearDown();
    }
};

TEST_F(MainFrameStretchGui, ThePanelsButtonRunsTheDialogOnceAndTheNewFilesAreListed)
{
    const QString folder = m_dir.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"a.png", "b.png", "c.png"}) {
        QImage picture(8, 6, QImage::Format_RGB32);
        picture.fill(qRgb(10, 200, 30));
        ASSERT_TRUE(picture.save(folder + "/" + name, "PNG"));
    }
    PumpFor(50);
    m_frame->m_pModeChoice->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MODE_TO_MULTI, BN_CLICKED), 0);
    CDlgMultiControlWindow* panel = m_frame->GetMultiControlWindow();
    CDlgMultiViewStage* stage = m_frame->GetMultiViewStage();
    ASSERT_TRUE(panel && stage);
    ASSERT_TRUE(panel->SwitchToFolder(folder, false, false));
    ASSERT_TRUE(PumpUntil([&] { return panel->DisplayState() == kMultiDisplayFinished; }, 10000));
    ASSERT_TRUE(PumpUntil([&] { return stage->List().GetValidBits() == 7; }, 10000));
    for (int p = 0; p < 3; ++p)
        stage->List().SetSelection(p, 1);
    stage->SetFocusPosition(0);

    ScriptedMessageBoxes boxes;
    LRESULT second = -1;
    bool seen = false;
    int fileCount = 0;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(PumpUntil([&] { return m_frame->m_pStretchImage != nullptr; }, 3000));
        CDlgStretchImage& d = *m_frame->m_pStretchImage;
        seen = m_frame->Window(AppWindow::StretchDialog) == d.GetSafeHwnd();
        fileCount = StretchSizeSummary.fileCount;
        second = m_frame->SendMessage(WM_FRAME_STRETCH);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    panel->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_BATCH_SHRINK, BN_CLICKED), 0);
    EXPECT_TRUE(seen);
    EXPECT_EQ(second, 2);
    EXPECT_EQ(fileCount, 3);
    EXPECT_EQ(m_frame->m_pStretchImage, nullptr);
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
    for (const char* name : {"small-a.jpg", "small-b.jpg", "small-c.jpg"}) {
        const std::uint64_t size = GetJpegImageSize(folder + "/" + name);
        EXPECT_EQ(size & 0xFFFFFFFFu, 4u) << name;
        EXPECT_EQ(size >> 32, 3u) << name;
    }
    const auto listed = [&](const QString& name) {
        for (int f = 0; f < stage->List().GetFileCount(); ++f)
            if (stage->List().GetFileName(f) == name)
                return true;
        return false;
    };
    EXPECT_TRUE(PumpUntil([&] { return listed("small-b.jpg"); }, 3000));
}

}  // namespace
