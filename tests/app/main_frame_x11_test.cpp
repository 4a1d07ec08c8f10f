// Foreground forcing of another program's window on a real display with a
// window manager: the window becomes the active one, restored when it was
// minimised.
#include "app/main_frame.h"
#include "platform/system/program_folder.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/x11_fixture_windows.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(MainFrameX11, ForceForegroundActivatesAndRestoresAForeignWindow)
{
    if (!DesktopIsAvailable() || !Desktop().windows.HasWindowManager())
        GTEST_SKIP() << "needs a display with a window manager";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SetProgramFolderForTesting(dir.path());
    // Made but not shown: a full-screen frame would cover the windows of other
    // tests on the same display.
    CMainFrame frame;
    ASSERT_TRUE(frame.CreateMainFrame());

    FixtureDisplay fixtures;
    ASSERT_TRUE(fixtures.isOpen());
    FixtureWindowRecipe recipe;
    recipe.title = QStringLiteral("foreground target");
    const HWND target = fixtures.Create(recipe);
    ASSERT_NE(target, nullptr);

    // 1 means the window was seen in the foreground (other tests on the same
    // display may take it away again right after).
    EXPECT_EQ(frame.ForceForegroundWindow(target), 1);

    // Minimised first: forcing restores it too.
    ASSERT_TRUE(Desktop().control.Minimize(target));
    ASSERT_TRUE(WaitUntil([&] {
        DesktopWindowInfo info;
        return Desktop().windows.QueryWindow(target, kQueryState, info) && info.minimized;
    }));
    EXPECT_EQ(frame.ForceForegroundWindow(target), 1);
    DesktopWindowInfo info;
    ASSERT_TRUE(Desktop().windows.QueryWindow(target, kQueryState, info));
    EXPECT_FALSE(info.minimized);

    fixtures.Destroy(target);
    frame.DestroyWindow();
    SetProgramFolderForTesting(QString());
}

}  // namespace
