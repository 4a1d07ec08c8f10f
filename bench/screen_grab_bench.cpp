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

void BM_BareXShmGetImage(benchmark::State& state)
{
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr || !XShmQueryExtension(d)) {
        state.SkipWithError("no X display with MIT-SHM");
        if (d != nullptr)
            XCloseDisplay(d);
        return;
    }
    const int s = DefaultScreen(d);
    const int w = DisplayWidth(d, s);
    const int h = DisplayHeight(d, s);
    XShmSegmentInfo info{};
    XImage* image = XShmCreateImage(d, DefaultVisual(d, s), static_cast<unsigned>(DefaultDepth(d, s)),
        ZPixmap, nullptr, &info, static_cast<unsigned>(w), static_cast<unsigned>(h));
    info.shmid = shmget(
        IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * static_cast<size_t>(h), IPC_CREAT | 0600);
    info.shmaddr = image->data = static_cast<char*>(shmat(info.shmid, nullptr, 0));
    info.readOnly = False;
    XShmAttach(d, &info);
    XSync(d, False);
    shmctl(info.shmid, IPC_RMID, nullptr);
    for (auto _ : state) {
        XShmGetImage(d, DefaultRootWindow(d), image, 0, 0, AllPlanes);
        benchmark::DoNotOptimize(image->data);
    }
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    XShmDetach(d, &info);
    XSync(d, False);
    image->data = nullptr;
    XDestroyImage(image);
    shmdt(info.shmaddr);
    XCloseDisplay(d);
}
BENCHMARK(BM_BareXShmGetImage)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace
