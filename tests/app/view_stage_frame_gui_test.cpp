// The frame with its real view stage, made offscreen by the application
// object in a temporary program folder: the stage opens at the first show
// and closes first; open, save, clear and dropped files reach it through the
// frame's commands, with their rules and scripted dialogs.
#include "app/frame_globals.h"
#include "app/frame_window_table.h"
#include "clip/image_transforms.h"
#include "clip/view_stage.h"
#include "core/app_state_queries.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "core/transform_state.h"
#include "platform/window/drop_files.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

class ViewStageFrameGui : public FrameAppTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        PngRecipe recipe;
        recipe.width = 40;
        recipe.height = 30;
        m_png = m_dir.filePath(QStringLiteral("picture.png"));
        ASSERT_TRUE(WriteBytes(m_png, MakePng(recipe)));
        FrameAppTest::SetUp();
    }

    CDlgViewStage& Stage() { return *m_frame->GetViewStage(); }
    bool Enabled(UINT id) const { return m_frame->QueryCommandState(id).enabled; }
    void Command(UINT id) { m_frame->SendMessage(WM_COMMAND, id, 0); }
    void OpenPicture() { ASSERT_NE(Stage().RequestOpenImageFile(m_png), 0); }

    QString m_png;
};

TEST_F(ViewStageFrameGui, TheStageOpensAtTheFirstShowAndClosesAfterTheClipWindows)
{
    ASSERT_NE(m_frame->GetViewStage(), nullptr);
    EXPECT_TRUE(Stage().IsWindowVisible());
    EXPECT_EQ(m_frame->Window(AppWindow::ViewStage), Stage().GetSafeHwnd());
    EXPECT_FALSE(m_frame->HasStageImage());
    // Only the zoom lens and the clip windows, which paint from the stage's
    // buffers, close before it.
    EXPECT_EQ(FrameWindowTable()[0].kind, AppWindow::ZoomLens);
    EXPECT_EQ(FrameWindowTable()[1].kind, AppWindow::ClipWindow);
    EXPECT_EQ(FrameWindowTable()[3].kind, AppWindow::ViewStage);

    m_frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_frame->GetViewStage(), nullptr);
    EXPECT_EQ(m_frame->Window(AppWindow::ViewStage), nullptr);
}

TEST_F(ViewStageFrameGui, TheRulesFollowTheStageImageAndTheSelection)
{
    const UINT file[] = {ID_FILE_OPEN_IMAGE, ID_FILE_SAVE_IMAGE, ID_FILE_NEW_IMAGE};
    const UINT edits[] = {ID_EDIT_FLIP_LR, ID_EDIT_FLIP_TB, ID_EDIT_ROTATE_90, ID_EDIT_RESET_IMAGE};
    struct Case {
        bool image;
        BYTE stageMode;
        bool open, saveAndNew;
    };
    const Case cases[] = {
        {false, 1, true, false}, {true, 1, true, true},
        {true, 3, false, false},  // a two-click selection runs
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.image << " " << int(c.stageMode));
        if (c.image && !m_frame->HasStageImage())
            OpenPicture();
        g_nRangeSelectMethod = 2;
        g_nStageMode = c.stageMode;
        EXPECT_EQ(m_frame->HasStageImage() != FALSE, c.image);
        EXPECT_EQ(Enabled(file[0]), c.open);
        EXPECT_EQ(Enabled(file[1]), c.saveAndNew);
        EXPECT_EQ(Enabled(file[2]), c.saveAndNew);
        // The edits follow the control panel: an image and no selection.
        for (UINT id : edits)
            EXPECT_EQ(Enabled(id), c.saveAndNew) << id;
    }
    EXPECT_TRUE(IsClickClipActive());
    g_nStageMode = 1;
    EXPECT_FALSE(IsClickClipActive());
}

TEST_F(ViewStageFrameGui, OpenShowsTheChosenFileAndCancelChangesNothing)
{
    {
        ScriptedFileDialogs dialogs({CancelledDialog()});
        Command(ID_FILE_OPEN_IMAGE);
        EXPECT_EQ(dialogs.Requests().size(), 1);
        EXPECT_FALSE(m_frame->HasStageImage());
    }
    ScriptedFileDialogs dialogs({ChosenPath(m_png)});
    Command(ID_FILE_OPEN_IMAGE);
    EXPECT_TRUE(m_frame->HasStageImage());
}

TEST_F(ViewStageFrameGui, SaveWritesTheFileAndShowsItOrTellsTheFailure)
{
    OpenPicture();
    AppSettings.MakeFilenameAuto = 0;
    AppSettings.ConnectTreeFile = 1;
    AppSettings.TreeLastDir.clear();
    const QString saved = m_dir.filePath(QStringLiteral("saved.bmp"));
    struct Case {
        FileDialogAnswer answer;
        QStringList messages;
        QString written;  // empty: no file
    };
    const Case cases[] = {
        {CancelledDialog(), {}, {}},
        {ChosenPath(m_dir.filePath(QStringLiteral("missing/x.bmp"))),
            {QStringLiteral("ファイルの保存に失敗しました。")}, {}},
        {ChosenPath(saved), {}, saved},
        {ChosenPath(m_dir.filePath(QStringLiteral("saved.png"))), {},
            m_dir.filePath(QStringLiteral("saved.png"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.path.toStdString());
        ScriptedFileDialogs dialogs({c.answer});
        ScriptedMessageBoxes boxes;
        Command(ID_FILE_SAVE_IMAGE);
        EXPECT_EQ(dialogs.Requests().size(), 1);
        EXPECT_EQ(boxes.Texts(), c.messages);
        EXPECT_TRUE(m_frame->HasStageImage());
        if (!c.written.isEmpty()) {
            // Written, and shown again as read from the new file.
            EXPECT_GT(QFileInfo(c.written).size(), 0);
            EXPECT_EQ(Stage().GetWindowText(), QFileInfo(c.written).fileName());
            // The folder of the saved file reaches the file tree's folder.
            EXPECT_EQ(AppSettings.TreeLastDir, AppSettings.LastAccessDir);
            EXPECT_TRUE(AppSettings.LastAccessDir.startsWith(m_dir.path()));
        }
    }
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("missing"))));
}

TEST_F(ViewStageFrameGui, NewAsksFirstAndClearsOnYes)
{
    OpenPicture();
    {
        ScriptedMessageBoxes boxes({IDNO});
        Command(ID_FILE_NEW_IMAGE);
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("イメージをクリアします。よろしいですか？")});
        EXPECT_TRUE(m_frame->HasStageImage());
    }
    ScriptedMessageBoxes boxes({IDYES});
    Command(ID_FILE_NEW_IMAGE);
    EXPECT_FALSE(m_frame->HasStageImage());
    EXPECT_FALSE(Enabled(ID_FILE_NEW_IMAGE));
}

TEST_F(ViewStageFrameGui, AFileDroppedOnTheFrameOpensInTheStage)
{
    const HDROP drop = MakeDropRecord({m_png}, POINT{10, 10});
    m_frame->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    FreeDropRecord(drop);
    EXPECT_TRUE(m_frame->HasStageImage());
}

TEST_F(ViewStageFrameGui, BackInTheLoadedOrientationTheTransformCopyIsFreed)
{
    OpenPicture();
    m_frame->TransformStageImage(ID_EDIT_FLIP_LR);
    EXPECT_EQ(g_bFlipLeftRight, 1);
    m_frame->TransformStageImage(ID_EDIT_FLIP_LR);
    EXPECT_EQ(g_bFlipLeftRight, 0);
    EXPECT_EQ(Stage().Transform()->ResultCopy(), nullptr);
}

}  // namespace

namespace {

TEST_F(ViewStageFrameGui, SaveWaitsWhileTheMultiViewHidesTheStage)
{
    OpenPicture();
    EXPECT_TRUE(Enabled(ID_FILE_SAVE_IMAGE));
    g_nAppMode = 2;
    EXPECT_FALSE(Enabled(ID_FILE_SAVE_IMAGE));
    g_nAppMode = 1;
    EXPECT_TRUE(Enabled(ID_FILE_SAVE_IMAGE));
}

}  // namespace
