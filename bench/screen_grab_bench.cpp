// Full-screen grabs per second through the desktop's grab service, against a
// bare XShmGetImage loop on the same server. Needs an X display (DISPLAY);
// scripts/bench starts one.
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
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr || !XShmQueryExtension(display_))
            return;
        const int s = DefaultScreen(display_);
        const int h = DisplayHeight(display_, s);
        image_ = XShmCreateImage(display_, DefaultVisual(display_, s),
            static_cast<unsigned>(DefaultDepth(display_, s)), ZPixmap, nullptr, &info_,
            static_cast<unsigned>(DisplayWidth(display_, s)), static_cast<unsigned>(h));
        info_.shmid = shmget(IPC_PRIVATE,
            static_cast<size_t>(image_->bytes_per_line) * static_cast<size_t>(h), IPC_CREAT | 0600);
        info_.shmaddr = image_->data = static_cast<char*>(shmat(info_.shmid, nullptr, 0));
        info_.readOnly = False;
        XShmAttach(display_, &info_);
        XSync(display_, False);
        shmctl(info_.shmid, IPC_RMID, nullptr);
    }
    ~BareShmLoop()
    {
        if (image_ != nullptr) {
            XShmDetach(display_, &info_);
            XSync(display_, False);
            image_->data = nullptr;
            XDestroyImage(image_);
            shmdt(info_.shmaddr);
        }
        if (display_ != nullptr)
            XCloseDisplay(display_);
    }
    bool ready() const { return image_ != nullptr; }
    void Grab()
    {
        XShmGetImage(display_, DefaultRootWindow(display_), image_, 0, 0, AllPlanes);
        benchmark::DoNotOptimize(image_->data);
    }

private:
    Display* display_ = nullptr;
    XShmSegmentInfo info_{};
    XImage* image_ = nullptr;
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

}  // namespace
