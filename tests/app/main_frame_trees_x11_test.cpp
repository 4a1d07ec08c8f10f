// A file dragged from the file tree onto the view stage opens there, on a
// real X server under a window manager: the pointer goes down on the file,
// the drag picture follows it, and the release over the stage opens it.
#include "core/settings/app_settings.h"
#include "multiview/file_tree_window.h"
#include "platform/controls/image_list_drag.h"
#include "platform/window/own_windows_on_screen.h"
#include "platform/x11/desktop_services.h"
#include "res/frame_command_ids.h"
#include "tests/multiview/fake_tree_browser.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"

#include <QAbstractScrollArea>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

QString At(int v)
{
    return QString::number(v);
}

class FileTreeDragX11 : public FrameAppTest {
protected:
    void SetUp() override
    {
        if (!DesktopIsAvailable() || !Desktop().windows.HasWindowManager())
            GTEST_SKIP() << "needs an X display with a window manager";
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "needs xdotool";
        FrameAppTest::SetUp();
        ASSERT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));
        m_folder = m_dir.filePath(QStringLiteral("pics"));
        ASSERT_TRUE(QDir().mkpath(m_folder));
        ASSERT_TRUE(PatternImage(60, 40).save(m_folder + QStringLiteral("/shot.png"), "PNG"));
        SetTreeBrowserFactoryForTesting(FakeTreeBrowserFactory(m_log, {m_folder}, m_folder));
    }
    void TearDown() override
    {
        FrameAppTest::TearDown();
        SetTreeBrowserFactoryForTesting({});
    }

    std::shared_ptr<FakeTreeLog> m_log = std::make_shared<FakeTreeLog>();
    QString m_folder;
};

TEST_F(FileTreeDragX11, AFileDroppedOnTheStageOpensThere)
{
    AppSettings.TreeLastDir = m_folder;
    m_frame->SendMessage(WM_COMMAND, ID_VIEW_FILE_TREE);
    CDlgTreeFileWindow* window = m_frame->m_pTreeFileWindow;
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(m_frame->HasStageImage());
    // The file is selected by the program already, so the press opens nothing:
    // only the drop can.
    CMyTreeCtrl& files = window->FileTree();
    HTREEITEM file = files.GetRootItem();
    ASSERT_NE(file, nullptr);
    files.SelectItem(file);

    RECT stage{};
    ::GetWindowRect(m_frame->Window(AppWindow::ViewStage), &stage);
    // The window stands beside the stage, clear of it.
    window->SetWindowPos(nullptr, stage.right + 10, stage.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpFor(400);
    RECT item{};
    ASSERT_TRUE(files.GetItemRect(file, &item, TRUE));
    QWidget* view = static_cast<QAbstractScrollArea*>(files.GetWidget())->viewport();
    const QPoint from = view->mapToGlobal(QPoint((item.left + item.right) / 2, (item.top + item.bottom) / 2));
    const QPoint to(stage.right - 60, stage.bottom - 60);

    QProcess pointer;
    pointer.start(QStringLiteral("xdotool"),
        {"mousemove", At(from.x()), At(from.y()), "sleep", "0.3", "mousedown", "1", "sleep", "0.3",
            "mousemove", At(from.x() + 15), At(from.y()), "sleep", "0.4", "mousemove", At(to.x() - 10),
            At(to.y()), "sleep", "0.4", "mousemove", At(to.x()), At(to.y()), "sleep", "0.4", "mouseup", "1"});
    ASSERT_TRUE(pointer.waitForStarted());
    const bool dragged = PumpUntil([&] { return window->IsDraggingFile(); }, 5000);
    EXPECT_TRUE(dragged);
    EXPECT_TRUE(IsDragPictureShownForTesting());
    const bool opened = PumpUntil([&] { return m_frame->HasStageImage() != FALSE; }, 10000);
    PumpUntil([&] { return pointer.state() == QProcess::NotRunning; }, 5000);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(window->IsDraggingFile());
    EXPECT_FALSE(IsDragPictureShownForTesting());
    EXPECT_EQ(files.GetDropHilightItem(), nullptr);
}

}  // namespace
