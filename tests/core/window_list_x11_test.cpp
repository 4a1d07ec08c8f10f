// The window list over fixture windows on the test display: which of them are
// listed, in stacking order, with the browser kind and the capture rectangle.
#include "core/settings/app_settings.h"
#include "core/text_utils.h"
#include "core/window_list.h"
#include "platform/window/window_registry.h"
#include "platform/x11/desktop_services.h"
#include "platform/x11/enum_windows.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/x11_fixture_windows.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <unistd.h>

// Xlib's macros come after Qt's and the test library's headers.
#include "platform/x11/null_desktop_services.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_window_list.h"

namespace {

QString Unique(const char* name)
{
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(name)).arg(getpid());
}

const WindowListEntry* Find(HWND w)
{
    for (int i = 0; i < g_nWindowListCount; ++i) {
        if (g_pWindowList[i].window == w)
            return &g_pWindowList[i];
    }
    return nullptr;
}

int PositionOf(HWND w)
{
    const WindowListEntry* e = Find(w);
    return e == nullptr ? -1 : static_cast<int>(e - g_pWindowList);
}

TEST(WindowListX11, FixturesAppearAsTheRulesSay)
{
    ASSERT_TRUE(DesktopIsAvailable());
    FixtureDisplay fixture;
    ASSERT_TRUE(fixture.isOpen());
    FixtureWindowRecipe recipe;
    recipe.title = Unique("ブラウザ 試験");
    recipe.instanceName = "Navigator";
    recipe.className = "firefox";
    recipe.icon = {2, 2, 0xFF112233u, 0xFF112233u, 0xFF112233u, 0xFF112233u};
    const HWND browser = fixture.Create(recipe);
    recipe = FixtureWindowRecipe{};
    recipe.title = Unique("所有される窓");
    recipe.owner = browser;
    const HWND owned = fixture.Create(recipe);
    recipe = FixtureWindowRecipe{};
    recipe.title = Unique("tool window");
    recipe.utility = true;
    const HWND tool = fixture.Create(recipe);
    recipe = FixtureWindowRecipe{};
    recipe.title = FormatAppTitle() + Unique(" - own");
    const HWND own = fixture.Create(recipe);
    recipe = FixtureWindowRecipe{};
    recipe.title = Unique("withdrawn");
    const HWND withdrawn = fixture.Create(recipe);
    fixture.Unmap(withdrawn);
    recipe = FixtureWindowRecipe{};
    recipe.title = "";
    const HWND untitled = fixture.Create(recipe);

    recipe = FixtureWindowRecipe{};
    recipe.title = Unique("panel");
    recipe.windowType = "_NET_WM_WINDOW_TYPE_DOCK";
    const HWND dock = fixture.Create(recipe);
    recipe.title = Unique("desktop background");
    recipe.windowType = "_NET_WM_WINDOW_TYPE_DESKTOP";
    const HWND background = fixture.Create(recipe);
    for (HWND shell : {dock, background}) {
        DesktopWindowInfo info;
        ASSERT_TRUE(Desktop().windows.QueryWindow(shell, kQueryAll, info));
        EXPECT_TRUE(info.desktopShell);
        EXPECT_TRUE(info.visible);
    }

    const int saved = AppSettings.CaptureKestrel;
    AppSettings.CaptureKestrel = 0;
    AllocWindowList(500);
    ASSERT_TRUE(WaitUntil([&] {
        AllocWindowList(500);
        EnumWindows(EnumWindowListProc, 0);
        return Find(browser) != nullptr && Find(withdrawn) == nullptr;
    }));
    EXPECT_NE(Find(owned), nullptr);
    EXPECT_NE(Find(tool), nullptr);
    EXPECT_EQ(Find(own), nullptr);
    EXPECT_EQ(Find(untitled), nullptr);
    EXPECT_EQ(Find(dock), nullptr);
    EXPECT_EQ(Find(background), nullptr);
    // Listed in the stacking order of the desktop, topmost first.
    const std::vector<HWND> stacking = Desktop().windows.TopLevelWindows();
    auto stackIndex = [&](HWND w) {
        return std::find(stacking.begin(), stacking.end(), w) - stacking.begin();
    };
    for (HWND upper : {browser, owned, tool}) {
        for (HWND lower : {browser, owned, tool}) {
            if (stackIndex(upper) < stackIndex(lower)) {
                EXPECT_LT(PositionOf(upper), PositionOf(lower));
            }
        }
    }
    const WindowListEntry* b = Find(browser);
    EXPECT_EQ(b->title, Unique("ブラウザ 試験"));
    EXPECT_EQ(b->icon.pixel(0, 0), 0xFF112233u);
    EXPECT_FALSE(Find(owned)->icon.isNull());  // its own, the manager's or the fallback
    EXPECT_EQ(DetectBrowserWindow(browser), kBrowserFirefox);
    EXPECT_EQ(DetectBrowserWindow(owned), kBrowserNone);

    RECT r;
    ASSERT_EQ(GetCaptureTargetRect(browser, r), 1);
    EXPECT_EQ(r, b->rect);

    AppSettings.CaptureKestrel = 1;
    AllocWindowList(500);
    EnumWindows(EnumWindowListProc, 0);
    EXPECT_NE(Find(own), nullptr);
    AppSettings.CaptureKestrel = saved;
    FreeWindowList();
}

}  // namespace

namespace {

TEST(WindowListX11, OwnFrameAndItsToolWindows)
{
    QWidget frame;
    frame.setWindowTitle(Unique("frame of the program"));
    frame.setGeometry(120, 140, 320, 200);
    QWidget tool(&frame, Qt::Tool);
    tool.setWindowTitle(Unique("tool of the frame"));
    tool.setGeometry(500, 140, 160, 120);
    frame.show();
    tool.show();
    const HWND frameHandle = RegisterWindowHandle(&frame);
    GetWindowListHost().mainFrame = frameHandle;
    const HWND frameX = HwndFromX11Window(frame.winId());
    const HWND toolX = HwndFromX11Window(tool.winId());

    const int saved = AppSettings.CaptureKestrel;
    auto fill = [&] {
        AllocWindowList(500);
        EnumWindows(EnumWindowListProc, 0);
    };
    AppSettings.CaptureKestrel = 1;
    EXPECT_TRUE(WaitUntil([&] {
        fill();
        DesktopWindowInfo info;
        return Find(frameX) != nullptr && Desktop().windows.QueryWindow(toolX, kQueryAll, info) &&
            info.visible;
    }));
    fill();
    EXPECT_EQ(Find(toolX), nullptr);  // a tool window of the frame never
    AppSettings.CaptureKestrel = 0;
    fill();
    EXPECT_EQ(Find(frameX), nullptr);
    EXPECT_EQ(Find(toolX), nullptr);

    AppSettings.CaptureKestrel = saved;
    GetWindowListHost().mainFrame = nullptr;
    UnregisterWindowHandle(frameHandle);
    FreeWindowList();
}

}  // namespace

namespace {

// The whole list on a server without a window manager: the fallback enumeration and the real rules.
TEST(WindowListX11, WithoutManagerOnAServerOfItsOwn)
{
    PrivateXvfb server;
    ASSERT_TRUE(server.running());
    FixtureDisplay fixture(server.display());
    std::unique_ptr<X11Connection> x(X11Connection::Open(server.display().toLocal8Bit().constData()));
    ASSERT_NE(x, nullptr);
    X11WindowList windows(*x);
    X11WindowControl control(*x);
    struct Screen final : NullScreenGrab {
        SIZE ScreenSize() override { return {800, 600}; }
    } grab;
    NullCursor cursor;
    NullPointerConfinement pointer;
    NullInput input;
    DesktopServices services{windows, control, grab, cursor, pointer, input};
    SetDesktopServicesForTesting(&services);

    FixtureWindowRecipe recipe;
    recipe.title = "ブラウザ";
    recipe.className = "Firefox";
    recipe.icon = {1, 1, 0xFF445566u};
    recipe.pid = 77;
    const HWND browser = fixture.Create(recipe);
    recipe = FixtureWindowRecipe{};
    recipe.title = "一画素";
    recipe.width = 1;
    recipe.height = 1;
    const HWND tiny = fixture.Create(recipe);
    recipe = FixtureWindowRecipe{};
    recipe.title = "右の外";
    recipe.x = 801;
    const HWND outside = fixture.Create(recipe);
    recipe = FixtureWindowRecipe{};
    recipe.title = "道具";
    recipe.utility = true;
    recipe.owner = browser;
    const HWND tool = fixture.Create(recipe);
    recipe = FixtureWindowRecipe{};
    recipe.title = "最後";
    recipe.x = 300;
    const HWND last = fixture.Create(recipe);

    AllocWindowList(30);
    EnumWindows(EnumWindowListProc, 0);
    ASSERT_EQ(g_nWindowListCount, 3);
    EXPECT_EQ(g_pWindowList[0].window, last);  // the last mapped lies on top
    EXPECT_EQ(g_pWindowList[1].window, tool);
    EXPECT_EQ(g_pWindowList[2].window, browser);
    EXPECT_EQ(Find(tiny), nullptr);
    EXPECT_EQ(Find(outside), nullptr);
    EXPECT_EQ(g_pWindowList[2].title, "ブラウザ");
    EXPECT_EQ(g_pWindowList[2].icon.pixel(0, 0), 0xFF445566u);
    EXPECT_EQ(g_pWindowList[2].threadId, 77u);
    EXPECT_EQ(g_pWindowList[2].rect, (RECT{100, 100, 300, 220}));
    EXPECT_EQ(g_pWindowList[1].icon, FallbackWindowIcon());
    EXPECT_EQ(DetectBrowserWindow(browser), kBrowserFirefox);

    FreeWindowList();
    SetDesktopServicesForTesting(nullptr);
}

}  // namespace
