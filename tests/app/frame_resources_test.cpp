// The frame's resource tables: toolbar image numbering, command prompts and
// tool tips, menu lookups and the accelerators that are kept.
#include "res/frame_accelerators.h"
#include "res/frame_command_ids.h"
#include "res/frame_menus.h"
#include "res/frame_strings.h"
#include "res/frame_toolbars.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameResources, ToolbarImagesAreNumberedInButtonOrder)
{
    for (const FrameToolbar* bar : {&kToolbar128Main, &kToolbar134MultiView}) {
        SCOPED_TRACE(bar->id);
        int next = 0;
        for (const FrameToolbarButton& b : bar->buttons) {
            if (b.IsSeparator()) {
                EXPECT_EQ(b.command, 0u);
                continue;
            }
            EXPECT_EQ(b.image, next++);
        }
        EXPECT_EQ(next, bar->imageCount);
    }
    EXPECT_EQ(kToolbar128Main.buttons.size(), 37u);
    EXPECT_EQ(kToolbar134MultiView.buttons.size(), 10u);
}

TEST(FrameResources, PromptsAndToolTipsOfCommands)
{
    struct Case {
        UINT id;
        const char16_t* prompt;
        const char16_t* tip;
    };
    const Case cases[] = {
        {ID_FILE_OPEN_IMAGE, u"ファイルを開く", u"ファイルをオープンします"},
        {ID_OPTION_OPTIONS, u"オプションダイアログを開きます", u""},
        {ClipWindowCommandOf(0), u"ClipWindow No.1を表示します", u"ClipWindow1の表示"},
        {ClipWindowCommandOf(1), u"ClipWindow No.2の表示します", u"ClipWindow2の表示"},
        {ClipWindowCommandOf(10), u"ClipWindow No.11の表示します", u"ClipWindow11の表示"},
        {ID_CLIPWINDOW_12, u"ClipWindow No.12の表示します", u"ClipWindow12の表示"},
        {ID_APP_ABOUT, u"ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示", u"ﾊﾞｰｼﾞｮﾝ情報"},
        {ID_APP_EXIT, u"ｱﾌﾟﾘｹｰｼｮﾝの終了", u"終了"},
        {12345, u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const CommandPrompt p = CommandPromptOf(c.id);
        EXPECT_EQ(p.prompt, QString::fromUtf16(c.prompt));
        EXPECT_EQ(p.toolTip, QString::fromUtf16(c.tip));
    }
    // Every toolbar button has its prompt.
    for (const FrameToolbar* bar : {&kToolbar128Main, &kToolbar134MultiView}) {
        for (const FrameToolbarButton& b : bar->buttons) {
            if (!b.IsSeparator()) {
                EXPECT_FALSE(CommandPromptOf(b.command).prompt.isEmpty()) << b.command;
            }
        }
    }
}

TEST(FrameResources, ClipWindowCommandsAndMenuLookups)
{
    EXPECT_EQ(ClipWindowCommandOf(0), 32815u);
    EXPECT_EQ(ClipWindowCommandOf(9), 32824u);
    EXPECT_EQ(ClipWindowCommandOf(10), 32864u);
    EXPECT_EQ(ClipWindowCommandOf(11), 32865u);
    EXPECT_EQ(ClipWindowCommandOf(12), 0u);
    EXPECT_EQ(ClipWindowCommandOf(-1), 0u);

    const FrameMenuItem* w11 = FindFrameMenuItem(kMenu128Main, ID_CLIPWINDOW_11);
    ASSERT_NE(w11, nullptr);
    EXPECT_EQ(QString::fromUtf16(w11->text), QStringLiteral("Window11"));
    EXPECT_EQ(w11->bitmap, 254u);
    EXPECT_EQ(QString::fromUtf16(FindFrameMenuItem(kMenu134MultiView, ID_FILE_PRINT_IMAGE)->text),
        QStringLiteral("印刷  (Ctrl+P)"));
    EXPECT_EQ(FindFrameMenuItem(kMenu134MultiView, ID_FILE_SAVE_IMAGE), nullptr);
}

TEST(FrameResources, AcceleratorTable128HasTheFramesKeys)
{
    const std::vector<ACCEL> table = FrameAcceleratorTable128();
    struct Case {
        UINT vk;
        bool shift, ctrl, alt;
        WORD command;
    };
    const Case cases[] = {
        {'N', false, true, false, ID_FILE_NEW},
        {'O', false, true, false, ID_FILE_OPEN_IMAGE},
        {'S', false, true, false, ID_FILE_SAVE_IMAGE},
        {'P', false, true, false, ID_FILE_SAVE_IMAGE},  // Ctrl+P saves
        {'S', true, true, false, 0},
        {'S', false, false, false, 0},
        // The editing keys, for the frame only (the text fields of other windows keep theirs).
        {'C', false, true, false, ID_EDIT_COPY},
        {VK_INSERT, false, true, false, ID_EDIT_COPY},
        {'V', false, true, false, ID_EDIT_PASTE},
        {VK_INSERT, true, false, false, ID_EDIT_PASTE},
        {'X', false, true, false, ID_EDIT_CUT},
        {VK_DELETE, true, false, false, ID_EDIT_CUT},
        {'Z', false, true, false, ID_EDIT_UNDO},
        {VK_BACK, false, false, true, ID_EDIT_UNDO},
        {VK_F1 + 5, false, false, false, ID_NEXT_PANE},
        {VK_F1 + 5, true, false, false, ID_PREV_PANE},
        {VK_INSERT, false, false, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchAccelerator(table, c.vk, c.shift, c.ctrl, c.alt), c.command) << c.vk;
}

}  // namespace
