// Windows and messages: posting order, sending (also from a worker),
// timers, deferred destruction, input translated to messages, painting.
#include "platform/window/drop_files.h"
#include "platform/window/window.h"
#include "platform/window/window_dispatch.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QMimeData>
#include <QUrl>
#include <QWheelEvent>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr UINT WM_TEST_ECHO = WM_USER + 1;
constexpr UINT WM_TEST_DESTROY_SELF = WM_USER + 2;

struct Log {
    std::vector<std::pair<HWND, WPARAM>> entries;
};

class Recorder : public CWnd {
public:
    explicit Recorder(Log* log = nullptr) : m_log(log) { }
    ~Recorder() override
    {
        if (m_deleted)
            *m_deleted = true;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_TEST_ECHO:
            if (m_log)
                m_log->entries.emplace_back(m_hWnd, wParam);
            return static_cast<LRESULT>(wParam * 2) + lParam;
        case WM_TEST_DESTROY_SELF:
            DestroyWindow();
            // The object and its state are still usable here: destruction waits.
            afterDestroy = m_hWnd != nullptr;
            return 1;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    }
    void OnTimer(UINT_PTR id) override { ++ticks[id]; }
    void OnLButtonDown(UINT flags, CPoint p) override
    {
        lastFlags = flags;
        lastPoint = p;
    }
    void OnKeyDown(UINT vk, UINT, UINT) override { keys.push_back(vk); }
    void OnChar(UINT ch, UINT, UINT) override { chars.push_back(ch); }
    BOOL OnMouseWheel(UINT, short delta, CPoint) override
    {
        wheel = delta;
        return TRUE;
    }
    void OnPaint() override
    {
        CPaintDC dc(this);
        dc.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
        ++paints;
    }
    void PostNcDestroy() override { ++ncDestroys; }

    bool Make(int w = 120, int h = 90)
    {
        return CreateEx(
            0, QStringLiteral("recorder"), WS_POPUP | WS_VISIBLE, RECT{10, 10, 10 + w, 10 + h}, nullptr, 0);
    }

    QHash<UINT_PTR, int> ticks;
    UINT lastFlags = 0;
    CPoint lastPoint;
    std::vector<UINT> keys, chars;
    int wheel = 0;
    int paints = 0;
    int ncDestroys = 0;
    bool afterDestroy = false;
    bool* m_deleted = nullptr;

private:
    Log* m_log;
};

TEST(WindowMessages, PostedMessagesArriveInOrderAcrossWindows)
{
    Log log;
    Recorder a(&log), b(&log), c(&log);
    ASSERT_TRUE(a.Make());
    ASSERT_TRUE(b.Make());
    ASSERT_TRUE(c.Make());
    Recorder* windows[] = {&a, &b, &c};
    constexpr int kCount = 3000;
    for (int i = 0; i < kCount; ++i)
        ASSERT_TRUE(PostMessage(windows[i % 3]->GetSafeHwnd(), WM_TEST_ECHO, static_cast<WPARAM>(i), 0));
    ASSERT_TRUE(PumpUntil([&] { return log.entries.size() == kCount; }));
    for (int i = 0; i < kCount; ++i) {
        ASSERT_EQ(log.entries[i].second, static_cast<WPARAM>(i));
        ASSERT_EQ(log.entries[i].first, windows[i % 3]->GetSafeHwnd());
    }

    // A window destroyed with messages still queued: they are dropped.
    log.entries.clear();
    const HWND hb = b.GetSafeHwnd();
    PostMessage(hb, WM_TEST_ECHO, 1, 0);
    PostMessage(a.GetSafeHwnd(), WM_TEST_ECHO, 2, 0);
    b.DestroyWindow();
    EXPECT_FALSE(IsWindow(hb));
    EXPECT_FALSE(PostMessage(hb, WM_TEST_ECHO, 3, 0));
    ASSERT_TRUE(PumpUntil([&] { return log.entries.size() == 1; }));
    PumpFor(20);
    ASSERT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(log.entries[0].second, 2u);
}

TEST(WindowMessages, SendReturnsTheHandlersResultAlsoFromAWorker)
{
    Recorder w;
    ASSERT_TRUE(w.Make());
    EXPECT_EQ(w.SendMessage(WM_TEST_ECHO, 20, 2), 42);
    EXPECT_EQ(SendMessage(nullptr, WM_TEST_ECHO, 20, 2), 0);

    std::atomic<bool> done{false};
    LRESULT fromWorker = 0;
    const HWND h = w.GetSafeHwnd();
    std::thread worker([&] {
        fromWorker = SendMessage(h, WM_TEST_ECHO, 100, 1);
        done = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(fromWorker, 201);
}

TEST(WindowMessages, AWorkerSendingToAWindowThatGoesIsLetGo)
{
    // The UI thread destroys the window and waits for the worker without
    // pumping: the worker's message is dropped and the worker returns 0.
    Log log;
    auto w = std::make_unique<Recorder>(&log);
    ASSERT_TRUE(w->Make());
    const HWND h = w->GetSafeHwnd();
    LRESULT fromWorker = -1;
    std::thread worker([&] { fromWorker = SendMessage(h, WM_TEST_ECHO, 5, 0); });
    while (WorkerSendsWaiting() == 0)
        std::this_thread::yield();
    w.reset();
    worker.join();
    EXPECT_EQ(fromWorker, 0);
    PumpFor(20);
    EXPECT_TRUE(log.entries.empty());
}

TEST(WindowMessages, TimersFireByIdAndStop)
{
    Recorder w;
    ASSERT_TRUE(w.Make());
    EXPECT_EQ(w.SetTimer(7, 10), 7u);
    EXPECT_EQ(w.SetTimer(8, 60), 8u);
    w.SetTimer(9, 0);  // at least 10 ms, never a busy loop
    PumpFor(250);
    EXPECT_GE(w.ticks.value(7), 5);
    EXPECT_GE(w.ticks.value(8), 1);
    EXPECT_LT(w.ticks.value(8), w.ticks.value(7));
    EXPECT_LE(w.ticks.value(9), 30);
    EXPECT_TRUE(w.KillTimer(7));
    EXPECT_FALSE(w.KillTimer(7));
    EXPECT_FALSE(w.KillTimer(1234));
    const int stopped = w.ticks.value(7);
    PumpFor(60);
    EXPECT_EQ(w.ticks.value(7), stopped);
    EXPECT_GT(w.ticks.value(8), 1);

    // A destroyed window's timers stop with it and it takes no new ones.
    const HWND h = w.GetSafeHwnd();
    w.DestroyWindow();
    const int last = w.ticks.value(8);
    EXPECT_EQ(w.SetTimer(7, 10), 0u);
    EXPECT_EQ(SetTimer(h, 7, 10, nullptr), 0u);
    EXPECT_FALSE(w.KillTimer(8));
    PumpFor(80);
    EXPECT_EQ(w.ticks.value(8), last);
}

TEST(WindowMessages, DestroyingAWindowFromItsOwnHandlerWaitsForTheHandler)
{
    Recorder w;
    ASSERT_TRUE(w.Make());
    const HWND h = w.GetSafeHwnd();
    EXPECT_EQ(w.SendMessage(WM_TEST_DESTROY_SELF), 1);
    EXPECT_TRUE(w.afterDestroy);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(w.ncDestroys, 1);

    bool deleted = false;
    auto* later = new Recorder;
    later->m_deleted = &deleted;
    ASSERT_TRUE(later->Make());
    const HWND hl = later->GetSafeHwnd();
    DeleteWindowLater(later);
    EXPECT_FALSE(IsWindow(hl));
    EXPECT_TRUE(PumpUntil([&] { return deleted; }));
}

TEST(WindowMessages, InputArrivesWithThePlatformPacking)
{
    Recorder w;
    ASSERT_TRUE(w.Make());
    QWidget* widget = w.GetWidget();
    MouseClick(widget, QPoint(10, 20), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(w.lastPoint, CPoint(10, 20));
    EXPECT_EQ(w.lastFlags, UINT(MK_LBUTTON | MK_SHIFT));

    widget->setFocus();
    KeyClick(widget, Qt::Key_A, QStringLiteral("a"));
    KeyClick(widget, Qt::Key_PageDown);
    ASSERT_EQ(w.keys.size(), 2u);
    EXPECT_EQ(w.keys[0], UINT('A'));
    EXPECT_EQ(w.keys[1], UINT(VK_NEXT));
    ASSERT_EQ(w.chars.size(), 1u);
    EXPECT_EQ(w.chars[0], UINT('a'));

    QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
    EXPECT_EQ(w.wheel, -120);

    // A press left or above the client area (as under capture) keeps its sign.
    MouseClick(widget, QPoint(-5, -7));
    EXPECT_EQ(w.lastPoint, CPoint(-5, -7));

    // Packing helpers: signed coordinates survive.
    const LPARAM l = MAKELPARAM(-5, 300);
    EXPECT_EQ(GET_X_LPARAM(l), -5);
    EXPECT_EQ(GET_Y_LPARAM(l), 300);
}

TEST(WindowMessages, PaintingDrawsToTheSurfaceThatReachesTheScreen)
{
    Recorder w;
    ASSERT_TRUE(w.Make(60, 40));
    ASSERT_TRUE(PumpUntil([&] { return w.paints > 0; }));
    const QImage shown = w.GetWidget()->grab().toImage();
    EXPECT_EQ(shown.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(30, 30), PixelFromColorref(GetSysColor(COLOR_BTNFACE)));

    // A DC taken outside WM_PAINT draws at once.
    CDC* dc = w.GetDC();
    ASSERT_NE(dc, nullptr);
    dc->FillSolidRect(40, 20, 5, 5, RGB(0, 0, 255));
    w.ReleaseDC(dc);
    PumpFor(10);
    EXPECT_EQ(w.GetWidget()->grab().toImage().pixel(42, 22), qRgb(0, 0, 255));
}

}  // namespace

namespace {

class DropTarget : public CWnd {
public:
    QStringList files;
    POINT at;
    void OnDropFiles(HDROP__* drop) override
    {
        const UINT n = DragQueryFileW(drop, 0xFFFFFFFFu, nullptr);
        for (UINT i = 0; i < n; ++i) {
            QString path;
            DragQueryFileW(drop, i, &path);
            files << path;
        }
        DragQueryPoint(drop, &at);
        DragFinish(drop);
    }
};

TEST(WindowMessages, DroppedLocalFilesArriveAsDropFiles)
{
    DropTarget w;
    ASSERT_TRUE(w.CreateEx(0, QStringLiteral("drop"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 80, 60}, nullptr, 0));
    w.DragAcceptFiles();
    EXPECT_TRUE(w.GetWidget()->acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/画像 1.png")),
        QUrl(QStringLiteral("https://example.org/x")), QUrl::fromLocalFile(QStringLiteral("/tmp/b.jpg"))});
    QDragEnterEvent enter(QPoint(12, 7), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.GetWidget(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(12, 7), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.GetWidget(), &drop);
    EXPECT_EQ(w.files, QStringList({QStringLiteral("/tmp/画像 1.png"), QStringLiteral("/tmp/b.jpg")}));
    EXPECT_EQ(w.at, (POINT{12, 7}));
}

}  // namespace

namespace {

TEST(WindowMessages, MinimisingWithoutAWindowManagerHidesTheOwnedWindowsToo)
{
    // The offscreen platform, like a bare X server, has no window manager.
    Recorder frame;
    ASSERT_TRUE(frame.Make());
    CWnd tool;
    ASSERT_TRUE(tool.CreateEx(
        WS_EX_TOOLWINDOW, QStringLiteral("tool"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 30, 30}, &frame, 0));
    CWnd hiddenTool;
    ASSERT_TRUE(hiddenTool.CreateEx(
        WS_EX_TOOLWINDOW, QStringLiteral("hidden"), WS_POPUP, RECT{0, 0, 30, 30}, &frame, 0));
    frame.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(frame.IsIconic());
    EXPECT_FALSE(frame.IsWindowVisible());
    EXPECT_FALSE(tool.IsWindowVisible());
    frame.ShowWindow(SW_RESTORE);
    EXPECT_FALSE(frame.IsIconic());
    EXPECT_TRUE(frame.IsWindowVisible());
    EXPECT_TRUE(tool.IsWindowVisible());
    EXPECT_FALSE(hiddenTool.IsWindowVisible());  // what was hidden before stays hidden
}

}  // namespace

namespace {

class Limited : public CWnd {
public:
    std::vector<UINT> order;
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == WM_SETCURSOR || message == WM_MOUSEMOVE)
            order.push_back(message);
        return CWnd::WindowProc(message, w, l);
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override { info->ptMinTrackSize = POINT{150, 120}; }
};

TEST(WindowMessages, CursorAndSizeLimitsAreAskedOfTheWindow)
{
    Limited w;
    ASSERT_TRUE(w.CreateEx(0, QStringLiteral("limits"), WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE,
        RECT{0, 0, 200, 160}, nullptr, 0));
    EXPECT_GE(w.GetWidget()->minimumWidth(), 140);
    EXPECT_GE(w.GetWidget()->minimumHeight(), 100);
    SendMouse(w.GetWidget(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(w.order, (std::vector<UINT>{WM_SETCURSOR, WM_MOUSEMOVE}));
}

}  // namespace

namespace {

class Sized : public CWnd {
public:
    std::vector<UINT> steps;
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == WM_ENTERSIZEMOVE || message == WM_EXITSIZEMOVE)
            steps.push_back(message);
        if (message == WM_SIZING) {
            steps.push_back(message);
            auto* r = reinterpret_cast<RECT*>(l);
            r->right = std::max<LONG>(r->right, r->left + 150);  // no narrower than 150
        }
        return CWnd::WindowProc(message, w, l);
    }
};

TEST(WindowMessages, UserResizesBracketedBySizingMessages)
{
    Sized w;
    ASSERT_TRUE(
        w.CreateEx(0, QStringLiteral("sized"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 100}, nullptr, 0));
    w.MoveWindow(0, 0, 220, 110);  // the program's own changes are no sizing
    PumpFor(10);
    EXPECT_TRUE(w.steps.empty());

    w.GetWidget()->resize(100, 120);  // as a window manager would on a user's drag
    w.GetWidget()->resize(170, 120);
    ASSERT_GE(w.steps.size(), 3u);
    EXPECT_EQ(w.steps[0], UINT(WM_ENTERSIZEMOVE));
    EXPECT_EQ(w.steps[1], UINT(WM_SIZING));
    EXPECT_GE(w.GetWidget()->width(), 150);  // the handler's correction is applied
    ASSERT_TRUE(PumpUntil([&] { return w.steps.back() == WM_EXITSIZEMOVE; }));
    EXPECT_EQ(std::count(w.steps.begin(), w.steps.end(), UINT(WM_ENTERSIZEMOVE)), 1);
}

}  // namespace
