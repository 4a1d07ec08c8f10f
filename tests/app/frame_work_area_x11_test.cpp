// The real frame on a display with a window manager follows a desktop panel
// that appears or goes while it runs: with a picture taller than the screen
// the frame reaches the bottom of the work area; a dock with a strut there
// makes the frame end above it, and when the dock goes the frame grows back.
#include "app/kestrel_app.h"
#include "clip/view_stage.h"
#include "platform/system/program_folder.h"
#include "platform/window/frame_work_area.h"
#include "platform/window/own_windows_on_screen.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"
#include "tests/support/x11_fixture_windows.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kDockHeight = 40;

class FrameWorkAreaX11 : public testing::Test {
protected:
    void SetUp() override
    {
        if (!DesktopIsAvailable() || !Desktop().windows.HasWindowManager())
            GTEST_SKIP() << "needs a display with a window manager";
        ASSERT_TRUE(m_dir.isValid());
        SetProgramFolderForTesting(m_dir.path());
        // A settings file of a program run before: no first-start notice.
        QFile settings(m_dir.filePath(QStringLiteral("Kestrel.cfg")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[-Directory-]\n");
        settings.close();
        ASSERT_TRUE(m_fixtures.isOpen());
        m_app = std::make_unique<CKestrelApp>();
        ASSERT_TRUE(m_app->InitInstance());
        m_frame = m_app->Frame();
        ASSERT_NE(m_frame, nullptr);
        ASSERT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));
        PumpFor(500);  // the window manager places the frame
        const QString picture = m_dir.filePath(QStringLiteral("tall.png"));
        ASSERT_TRUE(PatternImage(800, 2400).save(picture));
        ASSERT_NE(m_frame->GetViewStage()->RequestOpenImageFile(picture), 0);
        PumpFor(500);
    }
    void TearDown() override
    {
        if (m_dock)
            m_fixtures.Destroy(m_dock);
        if (m_frame && m_frame->GetSafeHwnd()) {
            m_frame->SendMessage(WM_CLOSE);
            PumpUntil([&] { return !m_frame->GetSafeHwnd(); }, 3000);
        }
        m_app.reset();
        SetProgramFolderForTesting(QString());
    }

    RECT FrameRect()
    {
        RECT r{};
        m_frame->GetWindowRect(&r);
        return r;
    }
    RECT StageRect()
    {
        RECT r{};
        m_frame->GetViewStage()->GetWindowRect(&r);
        return r;
    }

    // A panel along the bottom edge that keeps its height free of windows.
    void AddBottomDock()
    {
        const RECT screen = QueryScreenRect();
        FixtureWindowRecipe recipe;
        recipe.title = QStringLiteral("bottom panel");
        recipe.windowType = "_NET_WM_WINDOW_TYPE_DOCK";
        recipe.x = screen.left;
        recipe.y = screen.bottom - kDockHeight;
        recipe.width = screen.right - screen.left;
        recipe.height = kDockHeight;
        m_dock = m_fixtures.Create(recipe);
        ASSERT_NE(m_dock, nullptr);
        const unsigned long lastX = static_cast<unsigned long>(screen.right - 1);
        m_fixtures.SetCardinalProperty(m_dock, "_NET_WM_STRUT_PARTIAL", 32,
            {0, 0, 0, static_cast<unsigned long>(kDockHeight), 0, 0, 0, 0, 0, 0, 0, lastX});
        m_fixtures.SetCardinalProperty(m_dock, "_NET_WM_STRUT", 32, {0, 0, 0, kDockHeight});
        m_fixtures.Sync();
    }

    QTemporaryDir m_dir;
    FixtureDisplay m_fixtures;
    std::unique_ptr<CKestrelApp> m_app;
    CMainFrame* m_frame = nullptr;
    HWND m_dock = nullptr;
};

TEST_F(FrameWorkAreaX11, FrameShrinksAboveANewBottomPanelAndGrowsBackWhenItGoes)
{
    const RECT screen = QueryScreenRect();
    ASSERT_EQ(QueryAvailableScreenRect().bottom, screen.bottom) << "a panel is on the display already";
    const RECT before = FrameRect();
    ASSERT_GT(before.bottom, screen.bottom - kDockHeight) << "the frame must reach where the panel goes";
    const RECT stageBefore = StageRect();

    AddBottomDock();
    const LONG limit = screen.bottom - kDockHeight;
    ASSERT_TRUE(PumpUntil([&] { return QueryAvailableScreenRect().bottom == limit; }, 5000))
        << "the work area did not change: " << QueryAvailableScreenRect().bottom;
    EXPECT_TRUE(PumpUntil([&] { return FrameRect().bottom <= limit && StageRect().bottom <= limit; }, 5000))
        << "frame bottom " << FrameRect().bottom << ", stage bottom " << StageRect().bottom
        << " lie under the panel from " << limit;
    PumpFor(300);  // and stay there
    const RECT shrunk = FrameRect();
    EXPECT_LE(shrunk.bottom, limit);
    EXPECT_GE(shrunk.bottom, limit - 2) << "the frame keeps the room above the panel";
    EXPECT_EQ(shrunk.top, before.top);
    EXPECT_EQ(shrunk.left, before.left);
    EXPECT_LE(StageRect().bottom, limit);

    m_fixtures.Destroy(m_dock);
    m_dock = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return QueryAvailableScreenRect().bottom == screen.bottom; }, 5000));
    EXPECT_TRUE(PumpUntil([&] { return FrameRect().bottom >= screen.bottom - 1; }, 5000))
        << "frame bottom " << FrameRect().bottom << " leaves a gap above " << screen.bottom;
    PumpFor(300);
    const RECT after = FrameRect();
    EXPECT_LE(after.bottom, before.bottom);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.left, before.left);
    EXPECT_GE(StageRect().bottom, stageBefore.bottom - 4) << "the stage grows back with the frame";
}

}  // namespace
