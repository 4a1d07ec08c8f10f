// The X11 desktop services against fixture windows on a real X server: the
// shared test display (with its window manager) and a private server without one.
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <unistd.h>

// Xlib's macros come after Qt's headers.
#include "platform/x11/desktop_rules.h"
#include "platform/x11/desktop_services.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_pointer.h"
#include "platform/x11/x11_screen_grab.h"
#include "platform/x11/x11_window_list.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/x11_fixture_windows.h"

namespace {

QString Unique(const char* name)
{
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(name)).arg(getpid());
}

std::vector<unsigned long> TwoIcons()
{
    std::vector<unsigned long> items{32, 32};
    items.insert(items.end(), 32 * 32, 0xFFFF0000u);
    items.insert(items.end(), {16, 16});
    items.insert(items.end(), 16 * 16, 0xFF00FF00u);
    return items;
}

long IndexOf(const std::vector<HWND>& list, HWND w)
{
    const auto it = std::find(list.begin(), list.end(), w);
    return it == list.end() ? -1 : static_cast<long>(it - list.begin());
}

class DesktopX11 : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DesktopIsAvailable()) << "no X display";
        ASSERT_TRUE(m_fixture.isOpen());
    }
    FixtureDisplay m_fixture;
};

TEST_F(DesktopX11, WindowFactsOfFixtures)
{
    FixtureWindowRecipe a;
    a.title = Unique("キャプチャ試験 ①～ A");
    a.instanceName = "Navigator";
    a.className = "firefox";
    a.pid = 4242;
    a.icon = TwoIcons();
    const HWND wa = m_fixture.Create(a);
    FixtureWindowRecipe legacy;
    legacy.title = Unique("旧式の題名");
    legacy.legacyNameOnly = true;
    const HWND wl = m_fixture.Create(legacy);
    FixtureWindowRecipe owned;
    owned.title = Unique("owned");
    owned.owner = wa;
    const HWND wb = m_fixture.Create(owned);
    FixtureWindowRecipe tool;
    tool.title = Unique("tool");
    tool.utility = true;
    const HWND wt = m_fixture.Create(tool);

    WindowListService& windows = Desktop().windows;
    DesktopWindowInfo info;
    ASSERT_TRUE(windows.QueryWindow(wa, kQueryAll, info));
    EXPECT_EQ(info.title, a.title);
    EXPECT_EQ(info.instanceName, "Navigator");
    EXPECT_EQ(info.className, "firefox");
    EXPECT_EQ(info.pid, 4242u);
    EXPECT_TRUE(info.visible);
    EXPECT_FALSE(info.minimized);
    EXPECT_FALSE(info.toolWindow);
    EXPECT_EQ(info.owner, nullptr);
    ASSERT_EQ(info.icon.size(), QSize(16, 16));
    EXPECT_EQ(info.icon.pixel(3, 3), 0xFF00FF00u);
    const POINT origin = m_fixture.ClientOrigin(wa);
    EXPECT_LE(info.rect.left, origin.x);
    EXPECT_LE(info.rect.top, origin.y);
    EXPECT_GE(info.rect.right, origin.x + a.width);
    EXPECT_GE(info.rect.bottom, origin.y + a.height);
    if (windows.HasWindowManager()) {
        EXPECT_LT(info.rect.top, origin.y);  // the title bar of the frame
    }

    ASSERT_TRUE(windows.QueryWindow(wl, kQueryText, info));
    EXPECT_EQ(info.title, legacy.title);  // WM_NAME as compound text
    ASSERT_TRUE(windows.QueryWindow(wb, kQueryState, info));
    EXPECT_EQ(info.owner, wa);
    ASSERT_TRUE(windows.QueryWindow(wt, kQueryState, info));
    EXPECT_TRUE(info.toolWindow);

    // A window that has gone fails every service quietly.
    m_fixture.Destroy(wb);
    EXPECT_FALSE(windows.QueryWindow(wb, kQueryAll, info));
    EXPECT_FALSE(info.exists);
    EXPECT_FALSE(windows.WindowExists(wb));
    EXPECT_FALSE(Desktop().control.Raise(wb));
    EXPECT_FALSE(Desktop().control.Activate(wb));
    EXPECT_TRUE(windows.WindowExists(wa));
}

TEST_F(DesktopX11, StackingOrderIsTopmostFirst)
{
    FixtureWindowRecipe recipe;
    recipe.title = Unique("stack one");
    const HWND one = m_fixture.Create(recipe);
    recipe.title = Unique("stack two");
    recipe.x = 150;
    const HWND two = m_fixture.Create(recipe);
    auto oneAbove = [&] {
        const auto list = Desktop().windows.TopLevelWindows();
        return IndexOf(list, one) >= 0 && IndexOf(list, one) < IndexOf(list, two);
    };
    ASSERT_TRUE(Desktop().control.Raise(one));
    EXPECT_TRUE(WaitUntil(oneAbove));
    ASSERT_TRUE(Desktop().control.Raise(two));
    EXPECT_TRUE(WaitUntil([&] { return !oneAbove(); }));
}

TEST_F(DesktopX11, GrabReturnsTheWindowsColours)
{
    FixtureWindowRecipe recipe;
    recipe.title = Unique("colours");
    recipe.x = 260;
    recipe.y = 240;
    recipe.width = 120;
    recipe.height = 60;
    recipe.background = 0xFF0000;
    recipe.above = true;
    const HWND w = m_fixture.Create(recipe);
    m_fixture.AddChild(w, 60, 0, 60, 60, 0x0000FF);
    Desktop().control.Raise(w);
    const POINT o = m_fixture.ClientOrigin(w);
    const RECT rect{o.x, o.y, o.x + 120, o.y + 60};
    QImage image;
    EXPECT_TRUE(WaitUntil([&] {
        return Desktop().grab.Grab(rect, image) && (image.pixel(10, 10) & 0xFFFFFF) == 0xFF0000u &&
            (image.pixel(100, 50) & 0xFFFFFF) == 0x0000FFu;
    }));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(120, 60));
    // Valid RGB32: drawn onto a picture with alpha, the pixels stay opaque.
    QImage onAlpha(120, 60, QImage::Format_ARGB32_Premultiplied);
    onAlpha.fill(Qt::transparent);
    QPainter(&onAlpha).drawImage(0, 0, image);
    EXPECT_EQ(onAlpha.pixel(10, 10), 0xFFFF0000u);
    EXPECT_EQ(onAlpha.pixel(100, 50), 0xFF0000FFu);
    QImage again;
    ASSERT_TRUE(Desktop().grab.Grab(rect, again));  // a second segment while the first is held
    EXPECT_EQ(image, again);
    image = QImage();
    ASSERT_TRUE(Desktop().grab.Grab(rect, image));  // the released segment serves again
    EXPECT_EQ(image, again);

    // Partly off screen: clipped, the rest black.
    const SIZE screen = Desktop().grab.ScreenSize();
    ASSERT_TRUE(Desktop().grab.Grab(RECT{-10, -10, 20, 20}, image));
    EXPECT_EQ(image.size(), QSize(30, 30));
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u);
    ASSERT_TRUE(Desktop().grab.Grab(RECT{o.x + 50, o.y + 10, screen.cx + 40, o.y + 20}, image));
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(image.width() - 1, 0) & 0xFFFFFF, 0u);
    EXPECT_FALSE(Desktop().grab.Grab(RECT{screen.cx, 0, screen.cx + 10, 10}, image));
    EXPECT_FALSE(Desktop().grab.Grab(RECT{10, 10, 10, 20}, image));
    // Wider than any X screen can be, or beyond the int range: refused, never allocated.
    EXPECT_FALSE(Desktop().grab.Grab(RECT{-40000, 0, 10, 10}, image));
    EXPECT_FALSE(Desktop().grab.Grab(RECT{0, -2147483647, 10, 2147483647}, image));
}

TEST_F(DesktopX11, MinimiseRestoreAndActivate)
{
    if (!Desktop().windows.HasWindowManager())
        GTEST_SKIP() << "needs a window manager";
    FixtureWindowRecipe recipe;
    recipe.title = Unique("minimise me");
    const HWND w = m_fixture.Create(recipe);
    recipe.title = Unique("other");
    const HWND other = m_fixture.Create(recipe);
    auto state = [&](bool minimized) {
        DesktopWindowInfo info;
        return Desktop().windows.QueryWindow(w, kQueryState, info) && info.visible &&
            info.minimized == minimized;
    };
    ASSERT_TRUE(Desktop().control.Minimize(w));
    EXPECT_TRUE(WaitUntil([&] { return state(true); }));
    ASSERT_TRUE(Desktop().control.Restore(w));
    EXPECT_TRUE(WaitUntil([&] { return state(false); }));
    // Other tests on the display may take the focus at any time: activate until it holds.
    auto activate = [&](HWND target) {
        return WaitUntil(
            [&] {
                EXPECT_TRUE(Desktop().control.Activate(target))
                    << "alive " << Desktop().windows.WindowExists(target) << ", manager "
                    << Desktop().windows.HasWindowManager();
                return WaitUntil([&] { return Desktop().control.ForegroundWindow() == target; }, 500);
            },
            10000);
    };
    EXPECT_TRUE(activate(other));
    EXPECT_TRUE(activate(w));
}

class InputRecorder : public QWidget {
public:
    InputRecorder() : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint) { }
    std::vector<int> wheel;  // the turn of each wheel event
    bool pageDownPressed = false;
    bool pageDownReleased = false;

protected:
    void wheelEvent(QWheelEvent* e) override { wheel.push_back(e->angleDelta().y()); }
    void keyPressEvent(QKeyEvent* e) override { pageDownPressed |= e->key() == Qt::Key_PageDown; }
    void keyReleaseEvent(QKeyEvent* e) override { pageDownReleased |= e->key() == Qt::Key_PageDown; }
};

TEST_F(DesktopX11, WheelAndPageDownReachAQtWindow)
{
    InputRecorder widget;
    widget.setWindowTitle(Unique("input"));
    widget.setGeometry(700, 300, 300, 200);
    widget.show();
    const HWND w = HwndFromX11Window(widget.winId());
    ASSERT_TRUE(WaitUntil([&] { return Desktop().windows.WindowExists(w) && widget.isVisible(); }));
    // Other tests on the display may take the focus at any time: activate, then send, until it arrives.
    auto activate = [&] {
        Desktop().control.Activate(w);
        return WaitUntil([&] { return widget.isActiveWindow(); }, 500);
    };
    const QPoint centre = widget.mapToGlobal(widget.rect().center());
    EXPECT_TRUE(WaitUntil(
        [&] {
            activate();
            Desktop().input.MovePointer(POINT{centre.x(), centre.y()});
            EXPECT_TRUE(Desktop().input.SendWheelNotches(-1));
            return WaitUntil([&] { return !widget.wheel.empty(); }, 500);
        },
        10000));
    // One notch towards the user each (a retry may have sent a second one).
    for (int turn : widget.wheel)
        EXPECT_EQ(turn, -120);
    EXPECT_TRUE(WaitUntil(
        [&] {
            activate();
            EXPECT_TRUE(Desktop().input.SendKey(0x22));  // Page Down
            return WaitUntil([&] { return widget.pageDownPressed && widget.pageDownReleased; }, 500);
        },
        10000));
}

TEST(DesktopX11WithoutManager, FallbackListControlAndGrab)
{
    EXPECT_EQ(X11Connection::Open(":9999"), nullptr);  // no such server: no connection, no exit
    PrivateXvfb server;
    ASSERT_TRUE(server.running());
    FixtureDisplay fixture(server.display());
    ASSERT_TRUE(fixture.isOpen());
    std::unique_ptr<X11Connection> x(X11Connection::Open(server.display().toLocal8Bit().constData()));
    ASSERT_NE(x, nullptr);
    X11WindowList windows(*x);
    X11WindowControl control(*x);
    X11ScreenGrab grab(*x);
    EXPECT_FALSE(windows.HasWindowManager());

    FixtureWindowRecipe recipe;
    recipe.title = "ウィンドウ一";
    recipe.x = 40;
    recipe.y = 50;
    recipe.background = 0x00FF00;
    const HWND one = fixture.Create(recipe);
    recipe.title = "ウィンドウ二";
    recipe.x = 400;
    recipe.background = 0xFFFF00;
    const HWND two = fixture.Create(recipe);

    auto list = windows.TopLevelWindows();
    EXPECT_EQ(list, (std::vector<HWND>{two, one}));  // the last mapped lies on top
    ASSERT_TRUE(control.Raise(one));
    fixture.Sync();
    EXPECT_EQ(windows.TopLevelWindows(), (std::vector<HWND>{one, two}));

    DesktopWindowInfo info;
    ASSERT_TRUE(windows.QueryWindow(one, kQueryAll, info));
    EXPECT_EQ(info.title, "ウィンドウ一");
    EXPECT_EQ(info.rect, (RECT{40, 50, 240, 170}));  // no frame
    EXPECT_TRUE(info.visible);
    EXPECT_TRUE(info.icon.isNull());  // none set, and no manager lends one

    // Properties that lie about their sizes or come in another format are not believed.
    fixture.SetCardinalProperty(one, "_NET_WM_ICON", 32, {100000, 100000, 1, 2, 3});
    fixture.SetCardinalProperty(one, "_GTK_FRAME_EXTENTS", 16, {1, 2, 3, 4});
    fixture.SetCardinalProperty(one, "_NET_FRAME_EXTENTS", 32, {0xFFFFFFFFul, 0, 0, 0});
    ASSERT_TRUE(windows.QueryWindow(one, kQueryAll, info));
    EXPECT_TRUE(info.icon.isNull());
    EXPECT_FALSE(info.hasFrameBounds);
    EXPECT_EQ(info.rect, (RECT{40 - 32767, 50, 240, 170}));  // a frame no wider than any screen
    fixture.SetCardinalProperty(one, "_NET_FRAME_EXTENTS", 32, {});

    ASSERT_TRUE(control.Activate(two));
    EXPECT_EQ(control.ForegroundWindow(), two);
    ASSERT_TRUE(control.Minimize(one));
    fixture.Sync();
    ASSERT_TRUE(windows.QueryWindow(one, kQueryState, info));
    EXPECT_FALSE(info.visible);  // nobody iconifies: the window is taken off the screen
    ASSERT_TRUE(control.Restore(one));
    fixture.Sync();
    ASSERT_TRUE(windows.QueryWindow(one, kQueryState, info));
    EXPECT_TRUE(info.visible);

    QImage image;
    ASSERT_TRUE(grab.Grab(RECT{40, 50, 240, 170}, image));
    EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.pixel(199, 119) & 0xFFFFFF, 0x00FF00u);
    // Every way of reading the screen gives the same pixels.
    X11ScreenGrab plain(*x, X11ScreenGrab::kPlainImage);
    X11ScreenGrab shared(*x, X11ScreenGrab::kSharedImage);
    EXPECT_EQ(grab.FastestUsable(), X11ScreenGrab::kRenderedPixmap);  // Xvfb serves every way
    EXPECT_EQ(shared.FastestUsable(), X11ScreenGrab::kSharedImage);
    EXPECT_EQ(plain.FastestUsable(), X11ScreenGrab::kPlainImage);
    QImage copied;
    ASSERT_TRUE(plain.Grab(RECT{-20, 30, 260, 190}, copied));
    ASSERT_TRUE(grab.Grab(RECT{-20, 30, 260, 190}, image));
    EXPECT_EQ(copied, image);
    ASSERT_TRUE(shared.Grab(RECT{-20, 30, 260, 190}, image));
    EXPECT_EQ(copied, image);
    EXPECT_EQ(copied.pixel(60, 20) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(copied.pixel(5, 20) & 0xFFFFFF, 0u);  // off screen
    EXPECT_EQ(reinterpret_cast<const quint32*>(copied.constScanLine(20))[60], 0xFF00FF00u);
    image = QImage();  // the grab's segments go back before the connection closes
}

}  // namespace

namespace {

// On a server of its own: nothing else moves the pointer meanwhile.
TEST(DesktopX11WithoutManager, CursorImageAndConfinement)
{
    PrivateXvfb server;
    ASSERT_TRUE(server.running());
    FixtureDisplay fixture(server.display());
    std::unique_ptr<X11Connection> x(X11Connection::Open(server.display().toLocal8Bit().constData()));
    ASSERT_NE(x, nullptr);
    X11Cursor cursor(*x);
    X11PointerConfinement pointer(*x);

    DesktopCursorImage image;
    ASSERT_TRUE(cursor.CursorImage(image));
    EXPECT_FALSE(image.image.isNull());
    EXPECT_EQ(image.image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_GE(image.hotspot.x, 0);
    EXPECT_LT(image.hotspot.x, image.image.width());

    const POINT p{313, 207};
    ASSERT_TRUE(pointer.ConfinePointerTo(p));
    POINT at;
    ASSERT_TRUE(cursor.CursorPosition(at));
    EXPECT_EQ(at, p);
    ASSERT_TRUE(cursor.CursorImage(image));
    EXPECT_EQ(image.position, p);
    for (auto [dx, dy] : {std::pair{30, 30}, {-25, 0}, {0, -40}, {1, 1}}) {
        fixture.MovePointerBy(dx, dy);
        ASSERT_TRUE(cursor.CursorPosition(at));
        EXPECT_EQ(at, p) << dx << "," << dy;
    }
    pointer.ReleasePointer();
    fixture.MovePointerBy(30, 20);
    ASSERT_TRUE(cursor.CursorPosition(at));
    EXPECT_EQ(at, (POINT{p.x + 30, p.y + 20}));
}

TEST(DesktopX11WithoutManager, ServerLossEndsServicesNotTheProcess)
{
    auto server = std::make_unique<PrivateXvfb>();
    ASSERT_TRUE(server->running());
    std::unique_ptr<X11Connection> x(X11Connection::Open(server->display().toLocal8Bit().constData()));
    ASSERT_NE(x, nullptr);
    X11WindowList windows(*x);
    X11ScreenGrab grab(*x);
    QImage image;
    EXPECT_TRUE(grab.Grab(RECT{0, 0, 10, 10}, image));
    image = QImage();
    server.reset();
    EXPECT_TRUE(windows.TopLevelWindows().empty());
    EXPECT_FALSE(grab.Grab(RECT{0, 0, 10, 10}, image));
    EXPECT_FALSE(windows.HasWindowManager());
}

}  // namespace
