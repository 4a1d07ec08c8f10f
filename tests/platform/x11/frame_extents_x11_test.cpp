// The window manager's frame, asked of private X servers: one with openbox,
// one without a manager, one with a manager that never answers.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Xlib's macros come after Qt's headers.
#include "platform/system/screen_metrics.h"
#include "platform/x11/desktop_services.h"
#include "platform/x11/null_desktop_services.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_frame_extents.h"
#include "tests/support/private_openbox.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/x11_fixture_windows.h"

#include <X11/Xatom.h>

namespace {

std::unique_ptr<X11Connection> Connect(const PrivateXvfb& server)
{
    return std::unique_ptr<X11Connection>(X11Connection::Open(server.display().toLocal8Bit().constData()));
}

bool SameMetrics(const FrameMetrics& a, const FrameMetrics& b)
{
    return a.menuHeight == b.menuHeight && a.captionHeight == b.captionHeight &&
        a.sizeFrameWidth == b.sizeFrameWidth && a.sizeFrameHeight == b.sizeFrameHeight &&
        a.verticalScrollWidth == b.verticalScrollWidth;
}

// QueryFrameMetrics with the frame service given; the others answer nothing.
FrameMetrics MetricsWith(FrameExtentsService& frames)
{
    NullWindowList windows;
    NullWindowControl control;
    NullScreenGrab grab;
    NullCursor cursor;
    NullPointerConfinement pointer;
    NullInput input;
    DesktopServices services{windows, control, grab, cursor, pointer, input, frames};
    SetDesktopServicesForTesting(&services);
    const FrameMetrics m = QueryFrameMetrics();
    SetDesktopServicesForTesting(nullptr);
    return m;
}

std::vector<Window> RootChildren(X11Connection& x)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> list;
    if (XQueryTree(x.display(), x.root(), &root, &parent, &children, &count) != 0 && children != nullptr) {
        list.assign(children, children + count);
        XFree(children);
    }
    return list;
}

// Makes the root announce a window manager that does not exist: the EWMH
// check property on the root and on a window of ours.
void PretendManager(X11Connection& x)
{
    const Window check = XCreateSimpleWindow(x.display(), x.root(), 0, 0, 1, 1, 0, 0, 0);
    const Atom property = x.atom("_NET_SUPPORTING_WM_CHECK");
    const long value = static_cast<long>(check);
    for (Window w : {x.root(), check})
        XChangeProperty(x.display(), w, property, XA_WINDOW, 32, PropModeReplace,
            reinterpret_cast<const unsigned char*>(&value), 1);
    XSync(x.display(), False);
}

TEST(FrameExtentsX11, OpenboxTellsItsThemeFrameAndTheAnswerIsKept)
{
    PrivateXvfb server;
    ASSERT_TRUE(server.running());
    auto x = Connect(server);
    ASSERT_NE(x, nullptr);
    auto manager = std::make_unique<PrivateOpenbox>(server.display());
    ASSERT_TRUE(manager->running());

    X11FrameExtents frames(*x, 1000);
    FrameExtents e;
    // Openbox drops requests that come while it is still starting; one that
    // went unanswered is asked again on the next call.
    ASSERT_TRUE(WaitUntil([&] { return frames.NormalWindowExtents(e); }, 20000));
    // A title bar on top, thin borders elsewhere.
    EXPECT_GT(e.top, e.left);
    EXPECT_GT(e.top, e.bottom);
    EXPECT_GE(e.top, 10);
    EXPECT_LT(e.top, 100);
    EXPECT_EQ(e.left, e.right);
    EXPECT_LT(e.left, 20);

    const FrameMetrics m = MetricsWith(frames);
    EXPECT_EQ(m.sizeFrameWidth, e.left);
    EXPECT_EQ(m.captionHeight, std::max<long>(e.top - e.left, kMinCaptionHeight));
    EXPECT_FALSE(SameMetrics(m, FixedFrameMetrics()));
    EXPECT_EQ(m.menuHeight, 20);

    // Each probe window is gone again (the manager's pretend frame for it too).
    const std::vector<Window> before = RootChildren(*x);
    FrameExtents direct;
    ASSERT_TRUE(RequestNormalFrameExtents(*x, 10000, direct));
    EXPECT_EQ(direct.top, e.top);
    EXPECT_TRUE(WaitUntil([&] { return RootChildren(*x) == before; }));

    // Kept once known: still there after the manager has gone.
    manager.reset();
    FrameExtents again;
    ASSERT_TRUE(frames.NormalWindowExtents(again));
    EXPECT_EQ(again.top, e.top);
    EXPECT_EQ(again.left, e.left);
    X11FrameExtents fresh(*x, 500);
    EXPECT_FALSE(fresh.NormalWindowExtents(again));
}

TEST(FrameExtentsX11, WithoutAnAnsweringManagerTheFixedFiguresStand)
{
    PrivateXvfb server;
    ASSERT_TRUE(server.running());
    auto x = Connect(server);
    ASSERT_NE(x, nullptr);
    X11FrameExtents frames(*x);
    FrameExtents e;
    EXPECT_FALSE(frames.NormalWindowExtents(e));
    EXPECT_TRUE(SameMetrics(MetricsWith(frames), FixedFrameMetrics()));

    // A manager that announces itself but never answers: unknown once the wait is over.
    PretendManager(*x);
    X11FrameExtents silent(*x);
    EXPECT_FALSE(silent.NormalWindowExtents(e));
    EXPECT_TRUE(SameMetrics(MetricsWith(silent), FixedFrameMetrics()));
}

}  // namespace
