// The file-tree window over a stand-in engine: following TreeLastDir, files
// opened by the user's selection only, the filter, the splitter, a file
// dragged onto the stage, and stored sizes repaired at the opening.
#include "multiview/file_tree_window.h"

#include "core/app_state.h"
#include "core/settings/app_settings.h"
#include "core/tree_window_messages.h"
#include "platform/controls/image_list_drag.h"
#include "tests/multiview/fake_tree_browser.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/synthetic_input.h"

#include <QAbstractScrollArea>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr TreeWindowFigures kFigures{8, 8, 23, 1920, 1080};

class LoneWindowSource : public AppStateSource { };

class TestFileTreeWindow : public CDlgTreeFileWindow {
public:
    RECT panelRect{0, 0, 200, 600};
    RECT stageRect{1000, 0, 1600, 800};
    QStringList opened;
    std::shared_ptr<FakeTreeLog> log = std::make_shared<FakeTreeLog>();
    QStringList folders;
    QString pictures;

protected:
    RECT ControlPanelRect() const override { return panelRect; }
    RECT ViewStageRect() const override { return stageRect; }
    void OpenInViewStage(const QString& path) override { opened << path; }
    std::unique_ptr<TreeBrowser> MakeBrowser() override
    {
        return FakeTreeBrowserFactory(log, folders, pictures)(this, &FolderTree(), &FileTree());
    }
    DWORD Now() const override { return 0; }
    bool IsArrowHeld() const override { return false; }
    TreeWindowFigures Figures() const override { return kFigures; }
};

class FileTreeWindowGui : public ::testing::Test {
protected:
    FileTreeWindowGui()
    {
        SetAppStateSource(&m_source);
        AppSettings.TreeDlgPosX = -1;
        AppSettings.TreeDlgPosY = -1;
        AppSettings.rctTreeFolder_rect = RECT{0, 0, 240, 180};
        AppSettings.rctTreeFile_rect = RECT{0, 0, 240, 250};
        AppSettings.rctExtFilter_rect = RECT{0, 0, 210, 21};
        AppSettings.rctExplore_rect = RECT{0, 0, 26, 21};
        AppSettings.ExtFilterNo = 0;
        AppSettings.TreeLastDir = QStringLiteral("no_choice_tree_control");
        m_a = m_dir.filePath(QStringLiteral("a"));
        m_b = m_dir.filePath(QStringLiteral("b"));
        EXPECT_TRUE(QDir().mkpath(m_a) && QDir().mkpath(m_b));
        for (const char* name : {"one.png", "two.png"})
            EXPECT_TRUE(WriteBytes(m_a + u'/' + QLatin1String(name), "x"));
        m_window.folders = {m_a, m_b};
        m_window.pictures = m_b;
    }
    ~FileTreeWindowGui() override
    {
        if (m_window.GetSafeHwnd())
            m_window.DestroyWindow();
        SetAppStateSource(nullptr);
        AppSettings = m_saved;
    }

    void Open() { ASSERT_TRUE(m_window.Create(nullptr)); }
    LRESULT Sync() { return m_window.SendMessage(WM_TREEFILE_SYNC_FOLDER); }
    HTREEITEM FileItem(int index)
    {
        HTREEITEM item = m_window.FileTree().GetRootItem();
        for (int i = 0; i < index && item; ++i)
            item = m_window.FileTree().GetNextSiblingItem(item);
        return item;
    }
    QWidget* FileViewport()
    {
        return static_cast<QAbstractScrollArea*>(m_window.FileTree().GetWidget())->viewport();
    }
    QPoint CentreOf(HTREEITEM item)
    {
        RECT r{};
        m_window.FileTree().GetItemRect(item, &r, TRUE);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void SendMouse(UINT message, POINT client)
    {
        m_window.SendMessage(message, message == WM_LBUTTONUP ? WPARAM{0} : WPARAM{MK_LBUTTON},
            MAKELPARAM(client.x, client.y));
    }

    AppSettingsRecord m_saved = AppSettings;
    LoneWindowSource m_source;
    QTemporaryDir m_dir;
    QString m_a, m_b;
    TestFileTreeWindow m_window;
};

TEST_F(FileTreeWindowGui, StartsAtThePicturesFolderUntilAFolderWasChosen)
{
    Open();
    EXPECT_EQ(m_window.log->shown, QStringList{m_b});
    EXPECT_EQ(AppSettings.TreeLastDir, m_b);
    m_window.DestroyWindow();
    AppSettings.TreeLastDir = m_a;
    Open();
    EXPECT_EQ(m_window.log->shown.back(), m_a);
    EXPECT_EQ(m_window.FileTree().GetCount(), 2u);
    EXPECT_EQ(m_window.log->releases, 1);
}

TEST_F(FileTreeWindowGui, SyncWalksToTreeLastDirOrListsTheFolderAgain)
{
    Open();
    m_window.log->shown.clear();
    m_window.log->refreshes.clear();
    AppSettings.TreeLastDir = m_a;
    EXPECT_EQ(Sync(), 1);
    EXPECT_EQ(m_window.log->shown, QStringList{m_a});
    EXPECT_EQ(Sync(), 1);  // the same folder: listed again with the filter
    EXPECT_EQ(m_window.log->shown.size(), 1);
    EXPECT_EQ(m_window.log->refreshes.back(), TreeRefreshKind::FilterRefresh);
    // The caret keeps its highlight while the tree has no focus.
    EXPECT_EQ(m_window.FolderTree().GetDropHilightItem(), m_window.FolderTree().GetSelectedItem());

    m_window.FolderTree().SelectItem(nullptr);
    EXPECT_EQ(Sync(), 0);  // no caret folder to compare
}

TEST_F(FileTreeWindowGui, FilesOpenOnTheUsersSelectionOnly)
{
    AppSettings.TreeLastDir = m_a;
    Open();
    m_window.FileTree().SelectItem(FileItem(0));  // the program's own: nothing opens
    EXPECT_TRUE(m_window.opened.isEmpty());
    m_window.FileTree().SetFocus();
    KeyClick(m_window.FileTree().GetWidget(), Qt::Key_Down);
    EXPECT_EQ(m_window.opened, QStringList{m_a + QStringLiteral("/two.png")});
    MouseClick(FileViewport(), CentreOf(FileItem(0)));
    EXPECT_EQ(m_window.opened.back(), m_a + QStringLiteral("/one.png"));
}

TEST_F(FileTreeWindowGui, TheSameFilterEntryDoesNotListAgain)
{
    AppSettings.TreeLastDir = m_a;
    Open();
    auto* filter = static_cast<CComboBox*>(m_window.GetDlgItem(IDC_TREE_FILE_FILTER));
    ASSERT_EQ(filter->GetCount(), 6);
    m_window.log->refreshes.clear();
    const auto select = [&](int index) {
        filter->SetCurSel(index);
        m_window.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TREE_FILE_FILTER, CBN_SELCHANGE));
    };
    select(0);
    EXPECT_TRUE(m_window.log->refreshes.empty());
    select(5);
    EXPECT_EQ(AppSettings.ExtFilterNo, 5u);
    EXPECT_EQ(m_window.log->refreshes, std::vector<TreeRefreshKind>{TreeRefreshKind::FilterRefresh});
}

TEST_F(FileTreeWindowGui, TheSplitterMovesTheSplitAndStopsOnAFastStep)
{
    Open();
    const RECT band = m_window.SplitterRect();
    EXPECT_EQ(band, (RECT{4, 184, 244, 188}));
    POINT p{100, 186};
    SendMouse(WM_LBUTTONDOWN, p);
    ASSERT_TRUE(m_window.IsSplitting());
    p.y += 10;
    SendMouse(WM_MOUSEMOVE, p);
    EXPECT_EQ(AppSettings.rctTreeFolder_rect.bottom, 190);
    EXPECT_EQ(AppSettings.rctTreeFile_rect.bottom, 240);
    EXPECT_EQ(m_window.SplitterRect().top, 194);
    p.y += 26;
    SendMouse(WM_MOUSEMOVE, p);
    EXPECT_FALSE(m_window.IsSplitting());
    EXPECT_EQ(AppSettings.rctTreeFolder_rect.bottom, 190);
}

TEST_F(FileTreeWindowGui, AFileDroppedOnTheStageOpensThereAndNowhereElse)
{
    AppSettings.TreeLastDir = m_a;
    Open();
    m_window.opened.clear();
    const struct {
        const char* what;
        POINT drop;  // on the screen
        bool opens;
    } cases[] = {
        {"on the stage", {1200, 400}, true},
        {"on the stage's edge", {1600, 800}, true},
        {"beside the stage", {900, 400}, false},
    };
    for (const auto& c : cases) {
        m_window.opened.clear();
        HTREEITEM item = FileItem(1);
        const QPoint start = CentreOf(item);
        const QPoint moved = start + QPoint(0, 30);
        ::SendMouse(
            FileViewport(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, start);
        ::SendMouse(FileViewport(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::NoModifier, moved);
        ASSERT_TRUE(m_window.IsDraggingFile()) << c.what;
        EXPECT_TRUE(IsDragPictureShownForTesting());
        m_window.opened.clear();  // the press selected, and opened, the file
        POINT client = c.drop;
        m_window.ScreenToClient(&client);
        SendMouse(WM_MOUSEMOVE, client);
        EXPECT_EQ(m_window.FileTree().GetDropHilightItem(), item);
        SendMouse(WM_LBUTTONUP, client);
        EXPECT_FALSE(m_window.IsDraggingFile());
        EXPECT_FALSE(IsDragPictureShownForTesting());
        EXPECT_EQ(m_window.FileTree().GetDropHilightItem(), nullptr) << c.what;
        EXPECT_EQ(m_window.opened, c.opens ? QStringList{m_a + QStringLiteral("/two.png")} : QStringList{})
            << c.what;
    }
}

TEST_F(FileTreeWindowGui, ANarrowStoredTreeIsRepairedAtTheOpening)
{
    AppSettings.rctTreeFile_rect = RECT{0, 0, 30, 250};
    Open();
    EXPECT_EQ(AppSettings.rctTreeFolder_rect, (RECT{0, 0, 240, 180}));
    EXPECT_EQ(AppSettings.rctTreeFile_rect, (RECT{0, 0, 240, 250}));
    RECT window{};
    m_window.GetWindowRect(&window);
    EXPECT_EQ(window.right - window.left, 240 + 24);
    EXPECT_EQ(window.bottom - window.top, 16 + 16 + 180 + 250 + 21 + 23);
    EXPECT_EQ(window.left, 100);  // the control panel's middle
}

TEST_F(FileTreeWindowGui, SizingSharesTheHeightAndStoresTheSizes)
{
    Open();
    m_window.ShowWindow(SW_SHOW);
    m_window.SetWindowPos(nullptr, 0, 0, 324, 600, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(AppSettings.rctTreeFolder_rect.right, 300);
    EXPECT_EQ(AppSettings.rctExtFilter_rect.right, 270);
    const int forTrees = 600 - 16 - 23 - 16 - 21;
    EXPECT_EQ(AppSettings.rctTreeFolder_rect.bottom + AppSettings.rctTreeFile_rect.bottom, forTrees);
    // In proportion (the window may pass through a size on its way, each share truncated).
    EXPECT_NEAR(AppSettings.rctTreeFolder_rect.bottom, forTrees * 180 / 430, 1);
}

}  // namespace
