// Full-screen grabs per second through the desktop's grab service, against a
// bare XShmGetImage loop on the same server. Needs an X display (DISPLAY);
// scripts/bench starts one.
#include "platform/gdi/gdi.h"
#include "platform/image/image_class.h"
#include "platform/window/window.h"
#include "platform/x11/desktop_services.h"

#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <chrono>

namespace {

void BM_GrabThroughLayer(benchmark::State& state)
{
    if (!DesktopIsAvailable()) {
        state.SkipWithError("no X display");
        return;
    }
    const SIZE screen = Desktop().grab.ScreenSize();
    const RECT whole{0, 0, screen.cx, screen.cy};
    QImage image;
    for (auto _ : state) {
        image = QImage();  // the caller lets go of the last frame, as a capture loop does
        if (!Desktop().grab.Grab(whole, image)) {
            state.SkipWithError("grab failed");
            return;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(std::to_string(screen.cx) + "x" + std::to_string(screen.cy));
}
BENCHMARK(BM_GrabThroughLayer)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// A whole-screen XShmGetImage on a connection of its own, with nothing around it.
class BareShmLoop {
public:
    BareShmLoop()
    {
        m_display = XOpenDisplay(nullptr);
        if (m_display == nullptr || !XShmQueryExtension(m_display))
            return;
        const int s = DefaultScreen(m_display);
        const int h = DisplayHeight(m_display, s);
        m_image = XShmCreateImage(m_display, DefaultVisual(m_display, s),
            static_cast<unsigned>(DefaultDepth(m_display, s)), ZPixmap, nullptr, &m_info,
            static_cast<unsigned>(DisplayWidth(m_display, s)), static_cast<unsigned>(h));
        m_info.shmid = shmget(IPC_PRIVATE,
            static_cast<size_t>(m_image->bytes_per_line) * static_cast<size_t>(h), IPC_CREAT | 0600);
        m_info.shmaddr = m_image->data = static_cast<char*>(shmat(m_info.shmid, nullptr, 0));
        m_info.readOnly = False;
        XShmAttach(m_display, &m_info);
        XSync(m_display, False);
        shmctl(m_info.shmid, IPC_RMID, nullptr);
    }
    ~BareShmLoop()
    {
        if (m_image != nullptr) {
            XShmDetach(m_display, &m_info);
            XSync(m_display, False);
            m_image->data = nullptr;
            XDestroyImage(m_image);
            shmdt(m_info.shmaddr);
        }
        if (m_display != nullptr)
            XCloseDisplay(m_display);
    }
    bool ready() const { return m_image != nullptr; }
    void Grab()
    {
        XShmGetImage(m_display, DefaultRootWindow(m_display), m_image, 0, 0, AllPlanes);
        benchmark::DoNotOptimize(m_image->data);
    }

private:
    Display* m_display = nullptr;
    XShmSegmentInfo m_info{};
    XImage* m_image = nullptr;
};

void BM_BareXShmGetImage(benchmark::State& state)
{
    BareShmLoop bare;
    if (!bare.ready()) {
        state.SkipWithError("no X display with MIT-SHM");
        return;
    }
    for (auto _ : state)
        bare.Grab();
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BareXShmGetImage)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// One grab of each kind per iteration, so that the load of a shared machine
// weighs on both alike: "layer_share" is the layer's frame rate as a share of
// the bare loop's.
void BM_LayerAgainstBareInTurn(benchmark::State& state)
{
    BareShmLoop bare;
    if (!DesktopIsAvailable() || !bare.ready()) {
        state.SkipWithError("no X display with MIT-SHM");
        return;
    }
    const SIZE screen = Desktop().grab.ScreenSize();
    QImage image;
    double layerSeconds = 0;
    double bareSeconds = 0;
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        bare.Grab();
        const auto t1 = Clock::now();
        image = QImage();
        if (!Desktop().grab.Grab(RECT{0, 0, screen.cx, screen.cy}, image)) {
            state.SkipWithError("grab failed");
            return;
        }
        benchmark::DoNotOptimize(image.constBits());
        const auto t2 = Clock::now();
        bareSeconds += std::chrono::duration<double>(t1 - t0).count();
        layerSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["bare_fps"] = n / bareSeconds;
    state.counters["layer_fps"] = n / layerSeconds;
    state.counters["layer_share"] = bareSeconds / layerSeconds;
}
BENCHMARK(BM_LayerAgainstBareInTurn)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// A whole-screen copy from the screen's DC, as a capture run makes it, into a
// memory DC (argument 0) or into a 32-bit image-class picture's DC (1),
// against the bare loop in turn: "dc_share" is the DC's frame rate as a share
// of the bare loop's.
void BM_DesktopDcAgainstBareInTurn(benchmark::State& state)
{
    BareShmLoop bare;
    if (!DesktopIsAvailable() || !bare.ready()) {
        state.SkipWithError("no X display with MIT-SHM");
        return;
    }
    const SIZE screen = Desktop().grab.ScreenSize();
    HDC desktop = GetDC(nullptr);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap frame;
    frame.CreateCompatibleBitmap(&memory, screen.cx, screen.cy);
    memory.SelectObject(&frame);
    CImage picture;
    CDC* target = &memory;
    if (state.range(0) == 1) {
        picture.Create(screen.cx, screen.cy, 32);
        target = CDC::FromHandle(picture.GetDC());
    }
    state.SetLabel(state.range(0) == 1 ? "image-class DC" : "memory DC");
    double dcSeconds = 0;
    double bareSeconds = 0;
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        bare.Grab();
        const auto t1 = Clock::now();
        if (!target->BitBlt(0, 0, screen.cx, screen.cy, CDC::FromHandle(desktop), 0, 0, SRCCOPY)) {
            state.SkipWithError("copy failed");
            break;
        }
        benchmark::DoNotOptimize(target->GetImage()->constBits());
        const auto t2 = Clock::now();
        bareSeconds += std::chrono::duration<double>(t1 - t0).count();
        dcSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    if (state.range(0) == 1)
        picture.ReleaseDC();
    ReleaseDC(nullptr, desktop);
    const auto n = static_cast<double>(state.iterations());
    state.counters["bare_fps"] = n / bareSeconds;
    state.counters["dc_fps"] = n / dcSeconds;
    state.counters["dc_share"] = bareSeconds / dcSeconds;
}
BENCHMARK(BM_DesktopDcAgainstBareInTurn)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();

}  // namespace
