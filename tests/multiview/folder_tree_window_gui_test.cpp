// The folder-tree window over a stand-in engine: where it starts and what it
// tells the multi-view panel, a click and the keys in its tree, the held
// arrow's throttle, the five shortcut folders, and its size kept as it is
// sized.
#include "multiview/folder_tree_window.h"

#include "core/app_state.h"
#include "core/multi_control_messages.h"
#include "core/settings/app_settings.h"
#include "platform/window/pointer_position.h"
#include "tests/multiview/fake_multi_panel.h"
#include "tests/multiview/fake_tree_browser.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QAbstractScrollArea>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr TreeWindowFigures kFigures{8, 8, 23, 1920, 1080};

class LoneWindowSource : public AppStateSource { };

class TestFolderTreeWindow : public CDlgTreeFolderWindow {
public:
    HWND panel = nullptr;
    RECT panelRect{100, 100, 400, 700};
    QString panelText;
    QString multiViewFolder;
    int multiViewFiles = 0;
    DWORD now = 10000;
    bool arrowHeld = false;
    std::shared_ptr<FakeTreeLog> log = std::make_shared<FakeTreeLog>();
    QStringList folders;
    QString pictures;

protected:
    HWND MultiPanel() const override { return panel; }
    RECT MultiPanelRect() const override { return panelRect; }
    QString MultiPanelFolderText() const override { return panelText; }
    QString MultiViewFolder() const override { return multiViewFolder; }
    int MultiViewFileCount() const override { return multiViewFiles; }
    std::unique_ptr<TreeBrowser> MakeBrowser() override
    {
        return FakeTreeBrowserFactory(log, folders, pictures)(this, &Tree(), nullptr);
    }
    DWORD Now() const override { return now; }
    bool IsArrowHeld() const override { return arrowHeld; }
    TreeWindowFigures Figures() const override { return kFigures; }
};

class FolderTreeWindowGui : public ::testing::Test {
protected:
    FolderTreeWindowGui()
    {
        SetAppStateSource(&m_source);
        AppSettings.TreeDlgPosX2 = -1;
        AppSettings.TreeDlgPosY2 = -1;
        AppSettings.rctTreeFolder2_rect = RECT{0, 0, 240, 360};
        AppSettings.ShowDirectFolder = 1;
        AppSettings.ShowTextAlign = 1;
        for (int i = 0; i < kShortcutCount; ++i)
            AppSettings.*kShortCutFolderMembers[i] = QString();
        EXPECT_TRUE(m_panel.Create());
        m_a = m_dir.filePath(QStringLiteral("a"));
        m_b = m_dir.filePath(QStringLiteral("b"));
        EXPECT_TRUE(QDir().mkpath(m_a) && QDir().mkpath(m_b));
        m_window.panel = m_panel.GetSafeHwnd();
        m_window.folders = {m_a, m_b};
        m_window.pictures = m_b;
    }
    ~FolderTreeWindowGui() override
    {
        if (m_window.GetSafeHwnd())
            m_window.DestroyWindow();
        m_panel.DestroyWindow();
        SetAppStateSource(nullptr);
        AppSettings = m_saved;
    }

    void Open() { ASSERT_TRUE(m_window.Create(nullptr)); }
    HTREEITEM Item(const QString& text)
    {
        CMyTreeCtrl& tree = m_window.Tree();
        for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item))
            if (tree.GetItemText(item) == text)
                return item;
        return nullptr;
    }
    QWidget* Viewport() { return static_cast<QAbstractScrollArea*>(m_window.Tree().GetWidget())->viewport(); }
    void ClickItem(HTREEITEM item)
    {
        RECT r{};
        ASSERT_TRUE(m_window.Tree().GetItemRect(item, &r, TRUE));
        const QPoint at((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        const QPoint screen = Viewport()->mapToGlobal(at);
        SetCursorPos(screen.x(), screen.y());
        MouseClick(Viewport(), at);
    }
    QStringList ReportedFolders() const
    {
        QStringList folders;
        for (const FakePanel::Message& m : m_panel.received)
            if (m.message == WM_MULTICTL_SET_FOLDER)
                folders << *reinterpret_cast<const QString*>(m.wParam);
        return folders;
    }
    QString LabelText(int i) const
    {
        QString text;
        m_window.GetDlgItemText(kTreeFolderShortcutLabelIds[static_cast<std::size_t>(i)], text);
        return text;
    }
    bool LabelEnabled(int i) const
    {
        return m_window.GetDlgItem(kTreeFolderShortcutLabelIds[static_cast<std::size_t>(i)])
            ->IsWindowEnabled();
    }
    void Command(int id) { m_window.SendMessage(WM_COMMAND, static_cast<WPARAM>(id)); }

    AppSettingsRecord m_saved = AppSettings;
    LoneWindowSource m_source;
    QTemporaryDir m_dir;
    QString m_a, m_b;
    FakePanel m_panel;
    TestFolderTreeWindow m_window;
};

TEST_F(FolderTreeWindowGui, StartsAtThePanelsFolderAndLoadsItIntoAnEmptyMultiView)
{
    const struct {
        const char* what;
        bool panelText;
        int files;
        QStringList reported;
    } cases[] = {
        {"empty multi view, no folder in the panel: the pictures folder", false, 0, {QStringLiteral("b")}},
        {"empty multi view: the panel's folder", true, 0, {QStringLiteral("a")}},
        {"the multi view shows files: nothing is sent", true, 3, {}},
    };
    for (const auto& c : cases) {
        m_panel.received.clear();
        m_window.panelText = c.panelText ? m_a : QString();
        m_window.multiViewFiles = c.files;
        Open();
        QStringList expected;
        for (const QString& name : c.reported)
            expected << m_dir.filePath(name);
        // The walk's own selections at the start are not reported.
        EXPECT_EQ(ReportedFolders(), expected) << c.what;
        EXPECT_EQ(m_window.CurrentFolder(), c.panelText ? m_a : m_b) << c.what;
        m_window.DestroyWindow();
    }
    EXPECT_EQ(m_window.log->releases, 3);
}

TEST_F(FolderTreeWindowGui, WindowSizedAroundTheStoredTreeAndPlacedBesideThePanel)
{
    Open();
    RECT window{};
    m_window.GetWindowRect(&window);
    const SIZE expected = FolderTreeWindowSize(SIZE{240, 360}, 129, kFigures);
    EXPECT_EQ(window.right - window.left, expected.cx);
    EXPECT_EQ(window.bottom - window.top, expected.cy);
    // Left edge at the panel's middle, one caption below its top.
    EXPECT_EQ(window.left, 250);
    EXPECT_EQ(window.top, 123);
}

TEST_F(FolderTreeWindowGui, AClickRefreshesTheFolderOnceAndReportsIt)
{
    m_window.multiViewFiles = 1;
    Open();
    m_window.log->refreshes.clear();
    ClickItem(Item(m_a));
    EXPECT_EQ(m_window.log->refreshes, std::vector<TreeRefreshKind>{TreeRefreshKind::Click});
    EXPECT_EQ(ReportedFolders(), QStringList{m_a});
    EXPECT_EQ(m_window.CurrentFolder(), m_a);
}

TEST_F(FolderTreeWindowGui, KeysSelectWithASelectionRefreshAndSpaceClicks)
{
    m_window.multiViewFiles = 1;
    Open();
    m_window.log->refreshes.clear();
    m_window.Tree().SetFocus();
    KeyClick(m_window.Tree().GetWidget(), Qt::Key_Up);
    EXPECT_EQ(m_window.Tree().GetItemText(m_window.Tree().GetSelectedItem()), m_a);
    KeyClick(m_window.Tree().GetWidget(), Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(m_window.log->refreshes,
        (std::vector<TreeRefreshKind>{TreeRefreshKind::SelectionChanged, TreeRefreshKind::Click}));
    EXPECT_EQ(ReportedFolders(), (QStringList{m_a, m_a}));
}

TEST_F(FolderTreeWindowGui, AHeldArrowStepsAtMostOncePerHalfSecond)
{
    Open();
    m_window.Tree().SetFocus();
    MSG key{m_window.Tree().GetSafeHwnd(), WM_KEYDOWN, VK_DOWN, 0, 0, {}};
    m_window.arrowHeld = true;
    m_window.now = 20000;
    KeyClick(m_window.Tree().GetWidget(), Qt::Key_Up);  // a change remembers the time
    m_window.now = 20499;
    EXPECT_TRUE(m_window.PreTranslateMessage(&key));
    m_window.now = 20500;
    EXPECT_FALSE(m_window.PreTranslateMessage(&key));
    m_window.now = 20100;
    m_window.arrowHeld = false;
    EXPECT_FALSE(m_window.PreTranslateMessage(&key));
}

TEST_F(FolderTreeWindowGui, ShortcutsRegisterTheCurrentFolderOnce)
{
    AppSettings.ShortCutFolder2 = QStringLiteral("/");  // one character: not registered
    m_window.multiViewFiles = 1;
    Open();
    EXPECT_EQ(LabelText(1), QStringLiteral("--未登録--"));
    EXPECT_FALSE(LabelEnabled(1));

    ScriptedMessageBoxes boxes;
    Command(kTreeFolderRegisterIds[0]);
    EXPECT_EQ(AppSettings.ShortCutFolder1, m_b);
    EXPECT_EQ(LabelText(0), m_b);
    EXPECT_TRUE(LabelEnabled(0));
    Command(kTreeFolderRegisterIds[2]);
    EXPECT_TRUE(AppSettings.ShortCutFolder3.isEmpty());
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("指定されたフォルダは既に登録されています。")});
}

TEST_F(FolderTreeWindowGui, WithoutACurrentFolderNothingIsRegistered)
{
    m_window.pictures = QString();
    m_window.folders = {};
    m_window.multiViewFiles = 1;
    Open();
    ScriptedMessageBoxes boxes;
    Command(kTreeFolderRegisterIds[4]);
    EXPECT_TRUE(AppSettings.ShortCutFolder5.isEmpty());
    EXPECT_EQ(boxes.Texts(),
        QStringList{QStringLiteral("フォルダが指定されていないか、登録できないフォルダです。")});
}

TEST_F(FolderTreeWindowGui, JumpsWalkToTheFolderUnlessItIsGoneOrShown)
{
    AppSettings.ShortCutFolder1 = m_a;
    AppSettings.ShortCutFolder2 = m_dir.filePath(QStringLiteral("gone"));
    m_window.multiViewFiles = 1;
    Open();
    ScriptedMessageBoxes boxes;
    m_window.log->shown.clear();

    m_window.multiViewFolder = m_a;
    Command(kTreeFolderJumpIds[0]);  // shown already: not even a walk
    EXPECT_TRUE(m_window.log->shown.isEmpty());

    m_window.multiViewFolder = m_b;
    Command(kTreeFolderJumpIds[0]);
    EXPECT_EQ(m_window.log->shown, QStringList{m_a});
    // The walk's selections are reported as the user's would be.
    EXPECT_EQ(ReportedFolders(), QStringList{m_a});

    Command(kTreeFolderJumpIds[1]);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("このフォルダは存在しません。")});
    Command(kTreeFolderJumpIds[3]);  // never registered: its jump stands disabled
    EXPECT_EQ(m_window.log->shown.size(), 1);
    EXPECT_EQ(boxes.Texts().size(), 1);
}

TEST_F(FolderTreeWindowGui, HidingTheShortcutAreaGivesTheTreeItsRoom)
{
    Open();
    Command(IDC_TREE_FOLDER_SHOW_SHORTCUTS);
    EXPECT_EQ(AppSettings.ShowDirectFolder, 0);
    EXPECT_EQ(m_window.TreeTop(), 22);
    QString caption;
    m_window.GetDlgItemText(IDC_TREE_FOLDER_SHOW_SHORTCUTS, caption);
    EXPECT_EQ(caption, QStringLiteral("表示"));
    EXPECT_FALSE(m_window.GetDlgItem(kTreeFolderRegisterIds[0])->IsWindowVisible());
    const int hiddenHeight = m_window.TreeSize().cy;
    Command(IDC_TREE_FOLDER_SHOW_SHORTCUTS);
    EXPECT_EQ(m_window.TreeSize().cy, hiddenHeight - 107);
}

TEST_F(FolderTreeWindowGui, SizingStoresTheTreeSizeAtOnce)
{
    Open();
    m_window.ShowWindow(SW_SHOW);
    m_window.SetWindowPos(nullptr, 0, 0, 300, 600, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(AppSettings.rctTreeFolder2_rect, (RECT{0, 0, 300 - 24, 600 - 23 - 24 - 129}));
    // Too narrow and too low: the defaults.
    m_window.SetWindowPos(nullptr, 0, 0, 200, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(AppSettings.rctTreeFolder2_rect, (RECT{0, 0, 300 - 24, 180}));
}

TEST_F(FolderTreeWindowGui, VolumeChangesBuildTheTreeAgainAtThePanelsFolder)
{
    m_window.panelText = m_a;
    m_window.multiViewFiles = 1;
    Open();
    ASSERT_TRUE(m_window.log->volumesChanged);
    m_window.log->shown.clear();
    m_window.log->volumesChanged();
    EXPECT_EQ(m_window.log->builds, 2);
    EXPECT_EQ(m_window.log->shown, QStringList{m_a});
    EXPECT_TRUE(ReportedFolders().isEmpty());
}

}  // namespace
