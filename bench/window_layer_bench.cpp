// The window layer's costs that a user waits on: posting and dispatching
// private messages, an exclusive-or rubber band over a full-HD surface drawn
// and erased, and copying a full-HD surface to the screen. The copy to the
// screen needs an X server (QT_QPA_PLATFORM=xcb, as scripts/bench runs it):
// it is timed up to the server having drawn the frame.
#include "platform/app/app.h"
#include "platform/window/window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "window_layer_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        PrepareApplicationEnvironment();
        return new QApplication(argc, argv);
    }();
    return *app;
}

constexpr UINT WM_BENCH = WM_USER + 100;

class Sink : public CWnd {
public:
    long long received = 0;
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == WM_BENCH) {
            ++received;
            return 0;
        }
        return CWnd::WindowProc(message, w, l);
    }
};

void BM_PostAndDispatch(benchmark::State& state)
{
    App();
    Sink sink;
    sink.CreateEx(0, QStringLiteral("sink"), WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0);
    const int batch = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const long long target = sink.received + batch;
        for (int i = 0; i < batch; ++i)
            sink.PostMessage(WM_BENCH, static_cast<WPARAM>(i), 0);
        while (sink.received < target)
            QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * batch);
    state.SetLabel("messages");
}
BENCHMARK(BM_PostAndDispatch)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_XorRubberBandFullHd(benchmark::State& state)
{
    App();
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap surface;
    surface.CreateCompatibleBitmap(&dc, 1920, 1080);
    dc.SelectObject(&surface);
    CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
    dc.SelectObject(&pen);
    dc.SelectStockObject(NULL_BRUSH);
    dc.SetROP2(R2_XORPEN);
    int step = 0;
    for (auto _ : state) {
        // A band that grows as the pointer moves: draw it, then erase it.
        const int w = 200 + (step % 1700);
        const int h = 100 + (step % 950);
        dc.Rectangle(10, 10, 10 + w, 10 + h);
        dc.Rectangle(10, 10, 10 + w, 10 + h);
        ++step;
    }
    benchmark::DoNotOptimize(surface.GetImage()->constBits());
}
BENCHMARK(BM_XorRubberBandFullHd)->Unit(benchmark::kMicrosecond);

// Qt's own connection to the X server, or null on another platform.
Display* QtDisplay()
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// Pumps events until the window manager has mapped the window and the server
// has exposed it (five seconds at most).
bool WaitUntilExposed(QWidget* widget)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (widget->windowHandle() && widget->windowHandle()->isExposed())
            return true;
    }
    return false;
}

void BM_FullSurfaceCopyToScreen(benchmark::State& state)
{
    App();
    Display* display = QtDisplay();
    if (display == nullptr) {
        state.SkipWithError("needs an X server (QT_QPA_PLATFORM=xcb)");
        return;
    }
    CWnd window;
    window.CreateEx(0, QStringLiteral("stage"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 1920, 1080}, nullptr, 0);
    if (!WaitUntilExposed(window.GetWidget())) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap picture;
    picture.CreateCompatibleBitmap(&memory, 1920, 1080);
    memory.SelectObject(&picture);
    memory.FillSolidRect(0, 0, 1920, 1080, RGB(30, 60, 90));
    for (auto _ : state) {
        // The back buffer goes to the window's surface in one transfer, then to the screen.
        {
            CClientDC dc(&window);
            dc.BitBlt(0, 0, 1920, 1080, &memory, 0, 0, SRCCOPY);
        }
        window.GetWidget()->repaint();
        // A round trip: the server has carried out the drawing before the next frame.
        XSync(display, False);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("frames");
}
// The server draws in a process of its own: wall time.
BENCHMARK(BM_FullSurfaceCopyToScreen)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
