// Opening a 4000 x 3000 JPEG into the view stage until the stage has drawn
// it (load, preparation, layout and the fitted render on the surface),
// against the bare decode of the same file by the JPEG reader. The two take
// turns within each iteration; "ratio" is stage / decode.
#include "app/frame_globals.h"
#include "clip/view_stage.h"
#include "core/settings/app_settings.h"
#include "imaging/dib_helpers.h"
#include "imaging/jpeg_file.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "platform/app/app.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/window.h"

#include "bench/in_turn.h"
#include "bench/photo_picture.h"
#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

QApplication& App()
{
    static int argc = 1;
    static char name[] = "stage_open_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        PrepareApplicationEnvironment();
        return new QApplication(argc, argv);
    }();
    return *app;
}

// A photograph-like picture (gradients with a little noise) written once.
QString JpegPath()
{
    static const QString path = [] {
        AppSettings.MaxSaveSizeWidth = 10000;
        AppSettings.MaxSaveSizeHeight = 10000;
        const QString folder = QDir::tempPath() + QStringLiteral("/kestrel_stage_open_bench");
        QDir().mkpath(folder);
        CLoadBitmap picture;
        MakePhotoLikePicture(picture, kWidth, kHeight, 8);
        const QString file = folder + QStringLiteral("/in.jpg");
        WriteJpegFile(file, &picture.infoHeader, picture.bits, 90);
        return file;
    }();
    return path;
}

void StageOpen(benchmark::State& state)
{
    App();
    const QString path = JpegPath();
    SetMessageBoxHookForTesting([](const MessageBoxRequest&) { return IDOK; });
    // A stage area of a full-HD screen, as the frame computes it.
    g_rcStageArea = RECT{8, 82, 1912, 1040};
    g_nStageAreaWidth = g_rcStageArea.right - g_rcStageArea.left;
    g_nStageAreaHeight = g_rcStageArea.bottom - g_rcStageArea.top;
    CWnd owner;
    owner.CreateEx(0, QStringLiteral("owner"), WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0);
    CDlgViewStage stage;
    if (!stage.Create(&owner)) {
        state.SkipWithError("the stage could not be made");
        return;
    }
    stage.ShowWindow(SW_SHOW);

    double requestSeconds = 0;  // of the stage's time: the request itself, the rest is the paint
    auto open = [&] {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = stage.RequestOpenImageFile(path) != 0 && stage.HasImage();
        requestSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // Until the queued work (the surface's paint) is done.
        QCoreApplication::processEvents();
        return ok;
    };
    auto decode = [&] {
        CLoadBitmap_for_Dlg holder;
        holder.path.SetPath(path);
        const bool ok = LoadJpegFile(&holder, nullptr, 0) == kJpegDecoded;
        benchmark::DoNotOptimize(holder.bits);
        return ok;
    };
    const InTurnSeconds total =
        TimeInTurn(state, open, decode, "the stage did not open the file", "the decode failed");
    const double stageSeconds = total.project;
    const double decodeSeconds = total.yardstick;
    stage.DestroyWindow();
    SetMessageBoxHookForTesting({});
    const auto n = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["stage_ms"] = stageSeconds / n * 1000;
    state.counters["request_ms"] = requestSeconds / n * 1000;
    state.counters["decode_ms"] = decodeSeconds / n * 1000;
    state.counters["ratio"] = decodeSeconds > 0 ? stageSeconds / decodeSeconds : 0;
}

BENCHMARK(StageOpen)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
