// The frame's print command: enabled once the stage holds an image, running
// the print dialog on it, and in the multi view enabled by a current item.
#include "app/main_frame.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/shared_paths.h"
#include "res/frame_command_ids.h"
#include "tests/support/fake_print_out_printer.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/print_dialog_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class MainFramePrintGui : public FrameAppTest {
protected:
    CDlgViewStage* Stage()
    {
        return dynamic_cast<CDlgViewStage*>(CWnd::FromHandle(m_frame->Window(AppWindow::ViewStage)));
    }
};

TEST_F(MainFramePrintGui, ThePrintCommandPrintsTheStageImageThroughTheDialog)
{
    FakePrintOutPrinter printer;
    ScriptedMessageBoxes boxes;
    ASSERT_NE(Stage(), nullptr);
    EXPECT_FALSE(m_frame->QueryCommandState(ID_FILE_PRINT_IMAGE).enabled);

    const QString path = m_dir.filePath(QStringLiteral("picture.png"));
    QImage picture(90, 50, QImage::Format_RGB32);
    picture.fill(qRgb(200, 30, 30));
    ASSERT_TRUE(picture.save(path));
    g_szOpenFilePath = path;
    Stage()->PostMessage(WM_STAGE_OPEN_SHARED_PATH);
    ASSERT_TRUE(PumpUntil([&] { return Stage()->HasImage(); }, 10000));
    ASSERT_TRUE(PumpUntil([&] { return m_frame->QueryCommandState(ID_FILE_PRINT_IMAGE).enabled; }, 2000));

    PrintDialogScript script([](CDlgPrintOut& d) {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PRINT_START, BN_CLICKED), 0);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PRINT_CLOSE, BN_CLICKED), 0);
    });
    m_frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_IMAGE, 0);
    EXPECT_TRUE(script.Ran());
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0].image.cx, 90);
    EXPECT_EQ(printer.jobs[0].image.cy, 50);
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join(u'|').toStdString();
}

}  // namespace
