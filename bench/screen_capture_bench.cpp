// A whole-screen capture into an image holder as the stage's engines make it
// (argument 0: the print-screen engine, with the grab, the hand-over through
// the clipboard and the conversion into the holder; 1: the copy from the
// screen's DC), without countdown or sleeps, against the bare XShm grab of the
// same screen in turn. "capture_over_bare" is how many times longer a capture
// takes than the bare grab. Needs an X display (DISPLAY); scripts/bench starts one.
#include "clip/screen_capture.h"
#include "core/settings/app_settings.h"
#include "platform/app/app.h"
#include "platform/app/message_pump.h"
#include "platform/system/kernel.h"
#include "platform/x11/desktop_services.h"

#include <QApplication>

#include "bench/bare_shm_grab.h"
#include "bench/in_turn.h"

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "screen_capture_bench";
    static char* argv[] = {name, nullptr};
    // The real clipboard of the display: the xcb platform; the program's
    // environment and memory policy.
    static QApplication* app = [] {
        PrepareApplicationEnvironment();
        return new QApplication(argc, argv);
    }();
    return *app;
}

// The engines' clock without its waits: only the clipboard's answer is awaited.
class NoWaitClock : public CaptureClock {
public:
    DWORD Now() override { return GetTickCount(); }
    void Pump() override { PumpMessages(); }
    void Sleep(DWORD) override { }
};

void BM_CaptureIntoHolderAgainstBareInTurn(benchmark::State& state)
{
    App();
    BareShmLoop bare;
    if (!DesktopIsAvailable() || !bare.ready()) {
        state.SkipWithError("no X display with MIT-SHM");
        return;
    }
    AppSettings.CaptureMouseCursor = 0;
    const bool printKey = state.range(0) == 0;
    state.SetLabel(printKey ? "print-screen engine" : "copy engine");
    const CaptureSources sources = DesktopCaptureSources();
    NoWaitClock clock;
    auto capture = [&] {
        CLoadBitmap holder;
        const int result = printKey ? CaptureScreenPrintKey(2, nullptr, &holder, sources, clock, nullptr)
                                    : CaptureScreenBitBlt(2, nullptr, &holder, sources, nullptr);
        benchmark::DoNotOptimize(holder.bits);
        return result == kCaptureDone;
    };
    auto grab = [&] {
        bare.Grab();
        return true;
    };
    const InTurnSeconds total = TimeInTurn(state, capture, grab, "capture failed", "grab failed");
    const auto n = static_cast<double>(state.iterations());
    state.counters["capture_per_s"] = n / total.project;
    state.counters["bare_per_s"] = n / total.yardstick;
    state.counters["capture_over_bare"] = total.project / total.yardstick;
}
BENCHMARK(BM_CaptureIntoHolderAgainstBareInTurn)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0)
    ->UseRealTime();

}  // namespace
