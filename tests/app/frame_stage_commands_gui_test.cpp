// The frame's side of the stage commands against a stand-in stage that
// records what it is sent and answers as told: the transform state follows
// the stage's answer, dropped files are handed on, and clearing closes the
// colour adjustment.
#include "app/main_frame.h"
#include "clip/stage_messages.h"
#include "core/frame_messages.h"
#include "core/transform_state.h"
#include "platform/clipboard/clipboard.h"
#include "platform/window/drop_files.h"
#include "res/frame_command_ids.h"
#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Sent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    friend bool operator==(const Sent&, const Sent&) = default;
};

class StandInStage : public CWnd {
public:
    LRESULT answer = 1;  // what an edit answers
    std::vector<Sent> sent;
    QStringList droppedFiles;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message < WM_USER)
            return CWnd::WindowProc(message, wParam, lParam);
        sent.push_back({message, wParam, lParam});
        if (message == WM_STAGE_DROP_FILES) {
            const auto drop = reinterpret_cast<HDROP>(wParam);
            for (UINT i = 0; i < DragQueryFileW(drop, 0xFFFFFFFF, nullptr); ++i) {
                QString path;
                DragQueryFileW(drop, i, &path);
                droppedFiles << path;
            }
        }
        return message == WM_STAGE_FLIP_LR || message == WM_STAGE_FLIP_TB || message == WM_STAGE_ROTATE_90
            ? answer
            : 0;
    }
};

StandInStage* g_stage = nullptr;

CWnd* StageOf(const CMainFrame&, int)
{
    return g_stage->GetSafeHwnd() ? g_stage : nullptr;
}

void CloseStage(CMainFrame&, int)
{
    g_stage->DestroyWindow();
}

constexpr FrameWindowRow kRows[] = {{AppWindow::ViewStage, 130, 1, StageOf, CloseStage}};

class FrameStageCommandsGui : public testing::Test {
protected:
    void SetUp() override
    {
        g_stage = &m_stage;
        ClearTransformState();
        ASSERT_TRUE(m_stage.CreateEx(0, QStringLiteral("stage"), WS_POPUP, RECT{0, 0, 40, 30}, nullptr, 0));
    }
    void TearDown() override
    {
        ClearTransformState();
        g_stage = nullptr;
    }

    StandInStage m_stage;
    CMainFrame m_frame{kRows};  // its messages are handed to it directly: it needs no window
};

TEST_F(FrameStageCommandsGui, EachEditChangesItsStateFirstAndTakesItBackWhenTheStageRefuses)
{
    struct Step {
        UINT command;
        LRESULT answer;
        UINT message;
        BYTE lr, tb, quarters;  // the state afterwards
    };
    const Step steps[] = {
        {ID_EDIT_FLIP_LR, 1, WM_STAGE_FLIP_LR, 1, 0, 0},
        {ID_EDIT_FLIP_TB, 1, WM_STAGE_FLIP_TB, 1, 1, 0},
        {ID_EDIT_FLIP_LR, 0, WM_STAGE_FLIP_LR, 1, 1, 0},  // refused: unchanged
        {ID_EDIT_FLIP_LR, 1, WM_STAGE_FLIP_LR, 0, 1, 0},
        {ID_EDIT_ROTATE_90, 1, WM_STAGE_ROTATE_90, 0, 1, 1},
        {ID_EDIT_ROTATE_90, 1, WM_STAGE_ROTATE_90, 0, 1, 2},
        {ID_EDIT_ROTATE_90, 1, WM_STAGE_ROTATE_90, 0, 1, 3},
        {ID_EDIT_ROTATE_90, 0, WM_STAGE_ROTATE_90, 0, 1, 3},  // a failed turn keeps the count
        {ID_EDIT_ROTATE_90, 1, WM_STAGE_ROTATE_90, 0, 1, 0},  // the fourth turn is back at 0
        {ID_EDIT_FLIP_TB, 1, WM_STAGE_FLIP_TB, 0, 0, 0},
    };
    int i = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(i++);
        m_stage.answer = s.answer;
        m_stage.sent.clear();
        m_frame.TransformStageImage(s.command);
        EXPECT_EQ(m_stage.sent, (std::vector<Sent>{{s.message, 0, 0}}));
        EXPECT_EQ(g_bFlipLeftRight, s.lr);
        EXPECT_EQ(g_bFlipTopBottom, s.tb);
        EXPECT_EQ(g_nRotateQuarter, s.quarters);
    }
    EXPECT_FALSE(IsImageTransformed());
}

TEST_F(FrameStageCommandsGui, WithoutAStageNothingChanges)
{
    m_stage.DestroyWindow();
    m_frame.TransformStageImage(ID_EDIT_FLIP_LR);
    m_frame.TransformStageImage(ID_EDIT_ROTATE_90);
    EXPECT_FALSE(IsImageTransformed());
}

TEST_F(FrameStageCommandsGui, TheEditsWaitForTheControlPanel)
{
    // The stand-in table has no control panel: the transform rule is false
    // and a menu's command is dropped before it reaches a handler.
    for (UINT id : {ID_EDIT_FLIP_LR, ID_EDIT_FLIP_TB, ID_EDIT_ROTATE_90, ID_EDIT_RESET_IMAGE}) {
        EXPECT_FALSE(m_frame.QueryCommandState(id).enabled) << id;
        m_frame.WindowProc(WM_COMMAND, id, 0);
    }
    EXPECT_TRUE(m_stage.sent.empty());
    EXPECT_FALSE(IsImageTransformed());
}

TEST_F(FrameStageCommandsGui, DroppedFilesGoToTheStage)
{
    const HDROP drop =
        MakeDropRecord({QStringLiteral("/tmp/a.png"), QStringLiteral("/tmp/b.png")}, POINT{3, 4});
    m_frame.WindowProc(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    FreeDropRecord(drop);
    ASSERT_EQ(m_stage.sent.size(), 1u);
    EXPECT_EQ(m_stage.sent[0].message, WM_STAGE_DROP_FILES);
    EXPECT_EQ(
        m_stage.droppedFiles, (QStringList{QStringLiteral("/tmp/a.png"), QStringLiteral("/tmp/b.png")}));
}

TEST_F(FrameStageCommandsGui, ClearingAsksTheStageAndTheColourAdjustmentEndsInTheStage)
{
    m_frame.NewStageImage();
    EXPECT_EQ(m_stage.sent, (std::vector<Sent>{{WM_STAGE_NEW_VIEW, 1, 1}}));
    // What clearing then sends the frame itself.
    m_frame.WindowProc(WM_FRAME_CLOSE_CONTRAST, 0, 0);
    EXPECT_EQ(m_stage.sent, (std::vector<Sent>{{WM_STAGE_NEW_VIEW, 1, 1}, {WM_STAGE_CONTRAST_END, 0, 0}}));
}

TEST_F(FrameStageCommandsGui, TextGoesToTheClipboardOrTheFailureIsTold)
{
    struct Case {
        QString text;
        QByteArray onClipboard;  // empty: the failure message
    };
    const Case cases[] = {
        {QStringLiteral("012 034 255"), "012 034 255"},
        {QStringLiteral("色 ff00a0"), QByteArray("\x90\x46 ff00a0")},
        {QString::fromUtf8("\xF0\x9F\x98\x80"), {}},  // no code page 932 form
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        ScriptedMessageBoxes boxes;
        ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
        m_frame.WindowProc(WM_FRAME_COPY_TEXT, reinterpret_cast<WPARAM>(&c.text), 0);
        if (c.onClipboard.isEmpty()) {
            EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("クリップボードのコピーに失敗しました。")});
            EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
            continue;
        }
        EXPECT_TRUE(boxes.Texts().isEmpty());
        ASSERT_TRUE(OpenClipboard(nullptr));
        const auto block = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
        const QByteArray bytes = GlobalBlockBytes(block);
        CloseClipboard();
        EXPECT_EQ(QByteArray(bytes.constData()), c.onClipboard);
    }
}

}  // namespace
