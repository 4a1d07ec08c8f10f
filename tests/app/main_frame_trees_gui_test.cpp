// The frame keeps the two tree windows: their commands open them, close them
// when they are the frame's enabled pop-up and show check marks while they
// are open; their own close goes through the frame; the file tree follows
// the stage's folder when the frame syncs it.
#include "app/main_frame.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "multiview/file_tree_window.h"
#include "multiview/folder_tree_window.h"
#include "res/frame_command_ids.h"
#include "tests/multiview/fake_tree_browser.h"
#include "tests/support/frame_app_fixture.h"

#include <gtest/gtest.h>

namespace {

class MainFrameTreesGui : public FrameAppTest {
protected:
    void SetUp() override
    {
        FrameAppTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QStringLiteral("pics"))));
        m_pictures = m_dir.filePath(QStringLiteral("pics"));
        SetTreeBrowserFactoryForTesting(
            FakeTreeBrowserFactory(m_log, {m_dir.path(), m_pictures}, m_pictures));
    }
    void TearDown() override
    {
        FrameAppTest::TearDown();
        SetTreeBrowserFactoryForTesting({});
    }
    void Command(UINT id) { m_frame->SendMessage(WM_COMMAND, id); }

    std::shared_ptr<FakeTreeLog> m_log = std::make_shared<FakeTreeLog>();
    QString m_pictures;
};

TEST_F(MainFrameTreesGui, CommandsOpenBringAndCloseTheirWindows)
{
    const struct {
        UINT command;
        AppWindow kind;
    } cases[] = {{ID_VIEW_FILE_TREE, AppWindow::FileTree}, {ID_VIEW_FOLDER_TREE, AppWindow::FolderTree}};
    for (const auto& c : cases) {
        EXPECT_TRUE(m_frame->QueryCommandState(c.command).enabled);
        EXPECT_FALSE(m_frame->QueryCommandState(c.command).checked);
        Command(c.command);
        const HWND window = m_frame->Window(c.kind);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(m_frame->QueryCommandState(c.command).checked);
        // Not the frame's enabled pop-up: the command brings it to the top.
        if (::GetWindow(m_frame->GetSafeHwnd(), GW_ENABLEDPOPUP) != window) {
            Command(c.command);
            EXPECT_EQ(m_frame->Window(c.kind), window);
            CWnd::FromHandle(window)->SetForegroundWindow();
            PumpFor(50);
        }
        ASSERT_EQ(::GetWindow(m_frame->GetSafeHwnd(), GW_ENABLEDPOPUP), window);
        // The frame's enabled pop-up: the command closes it.
        Command(c.command);
        EXPECT_EQ(m_frame->Window(c.kind), nullptr);
        // Its own cancel closes it through the frame too.
        Command(c.command);
        ASSERT_NE(m_frame->Window(c.kind), nullptr);
        ::SendMessageW(m_frame->Window(c.kind), WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(m_frame->Window(c.kind), nullptr);
    }
    // Each window let its trees go as it closed.
    EXPECT_EQ(m_log->releases, 4);
}

TEST_F(MainFrameTreesGui, TheFileTreeFollowsTheStagesFolderWhenConnected)
{
    AppSettings.TreeLastDir = m_pictures;
    Command(ID_VIEW_FILE_TREE);
    ASSERT_NE(m_frame->m_pTreeFileWindow, nullptr);
    m_log->shown.clear();

    AppSettings.LastAccessDir = m_dir.path();
    AppSettings.ConnectTreeFile = 0;
    m_frame->SendMessage(WM_FRAME_SYNC_TREE);
    EXPECT_TRUE(m_log->shown.isEmpty());
    EXPECT_EQ(AppSettings.TreeLastDir, m_pictures);

    AppSettings.ConnectTreeFile = 1;
    m_frame->SendMessage(WM_FRAME_SYNC_TREE);
    EXPECT_EQ(AppSettings.TreeLastDir, m_dir.path());
    EXPECT_EQ(m_log->shown, QStringList{m_dir.path()});
}

TEST_F(MainFrameTreesGui, TheFolderTreeKeepsASizeChangedBeforeTheFrameEnds)
{
    Command(ID_VIEW_FOLDER_TREE);
    ASSERT_NE(m_frame->m_pTreeFolderWindow, nullptr);
    RECT window{};
    m_frame->m_pTreeFolderWindow->GetWindowRect(&window);
    m_frame->m_pTreeFolderWindow->SetWindowPos(nullptr, 0, 0, window.right - window.left + 40,
        window.bottom - window.top + 40, SWP_NOMOVE | SWP_NOZORDER);
    const SIZE tree = m_frame->m_pTreeFolderWindow->TreeSize();
    // The frame ends without the window's cancel; the size is stored all the same.
    m_frame->SendMessage(WM_CLOSE);
    PumpUntil([&] { return !m_frame->GetSafeHwnd(); }, 2000);
    EXPECT_EQ(AppSettings.rctTreeFolder2_rect, (RECT{0, 0, tree.cx, tree.cy}));
}

}  // namespace
