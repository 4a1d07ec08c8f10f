// Full-screen grabs per second through the desktop's grab service, against a
// bare XShmGetImage loop on the same server. Needs an X display (DISPLAY);
// scripts/bench starts one.
#include "platform/gdi/gdi.h"
#include "platform/image/image_class.h"
#include "platform/window/window.h"
#include "platform/x11/desktop_services.h"

#include "bench/bare_shm_grab.h"

#include <benchmark/benchmark.h>

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
