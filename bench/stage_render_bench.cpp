// A full redraw of the view stage (the image and every overlay flag, no
// selection running) of a 1920 x 1080 view of a 4000 x 3000 24-bit image,
// against a bare QPainter::drawImage of the same source rectangle into a
// 1920 x 1080 QImage. Views: one image pixel per screen pixel, the fitted
// (reduced) view and 8 screen pixels per image pixel.
#include "clip/stage_renderer.h"
#include "clip/stage_zoom.h"
#include "imaging/dib_helpers.h"
#include "imaging/load_bitmap_for_dlg.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr int kImageWidth = 4000, kImageHeight = 3000;
constexpr int kViewWidth = 1920, kViewHeight = 1080;

QGuiApplication& App()
{
    static int argc = 1;
    static char name[] = "stage_render_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *app;
}

// A 24-bit holder with a pattern that changes from pixel to pixel.
bool FillHolder(CLoadBitmap_for_Dlg* holder)
{
    std::memset(holder->infoHeaderArea, 0, sizeof holder->infoHeaderArea);
    if (!InitDibHeaders(&holder->fileHeader, &holder->infoHeader, kImageWidth, kImageHeight, 24, 0, 0, 0))
        return false;
    if (!holder->AllocInfo() || !holder->AllocBits())
        return false;
    CopyInfoHeader(&holder->info->bmiHeader, &holder->infoHeader);
    const std::uint32_t stride = GetDibStride(24, kImageWidth);
    for (int y = 0; y < kImageHeight; ++y) {
        BYTE* row = holder->bits + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < kImageWidth; ++x) {
            row[3 * x] = static_cast<BYTE>(x * 7 + y);
            row[3 * x + 1] = static_cast<BYTE>(x ^ y);
            row[3 * x + 2] = static_cast<BYTE>(y * 3 - x);
        }
    }
    return true;
}

// The visible rectangle of each view: 0 one-to-one, 1 fitted, 2 eight times.
RECT VisibleFor(int view)
{
    switch (view) {
    case 0:
        return RECT{1000, 1000, 1000 + kViewWidth, 1000 + kViewHeight};
    case 2:
        return RECT{1000, 1000, 1000 + kViewWidth / 8, 1000 + kViewHeight / 8};
    default:
        return RECT{0, 0, kImageWidth, kImageHeight};
    }
}

void Views(benchmark::internal::Benchmark* b)
{
    b->Arg(0)->Arg(1)->Arg(2)->ArgName("view");
    b->Unit(benchmark::kMillisecond);
    b->UseRealTime();
}

void BM_StageRender(benchmark::State& state)
{
    App();
    CDC display;
    display.CreateCompatibleDC(nullptr);
    CBitmap surfaceBitmap;
    CDC surface;
    surface.CreateCompatibleDC(&display);
    surfaceBitmap.CreateCompatibleBitmap(&display, kViewWidth + 2, kViewHeight + 2);
    surface.SelectObject(&surfaceBitmap);

    CStageZoom zoom;
    zoom.SetImageSize(kImageWidth, kImageHeight);
    zoom.SetClientSize(kViewWidth, kViewHeight);
    zoom.Reset();
    const RECT v = VisibleFor(static_cast<int>(state.range(0)));
    zoom.SetVisibleImageRect(v.left, v.right, v.top, v.bottom);
    CStageRenderer renderer(&zoom);
    CLoadBitmap_for_Dlg holder;
    if (!renderer.CreateBackBuffer(&display, SIZE{kViewWidth, kViewHeight}) || !FillHolder(&holder) ||
        !holder.CreateBitmap(display.GetSafeHdc())) {
        state.SkipWithError("setting up failed");
        return;
    }
    const StageOverlayState idle;
    for (auto _ : state) {
        if (!renderer.Render(&holder, idle, nullptr, kRenderAll, &surface))
            state.SkipWithError("render failed");
        benchmark::DoNotOptimize(surfaceBitmap.GetImage()->constBits());
    }
}
BENCHMARK(BM_StageRender)->Apply(Views);

void BM_QPainterDrawImage(benchmark::State& state)
{
    App();
    QImage source(kImageWidth, kImageHeight, QImage::Format_RGB32);
    for (int y = 0; y < kImageHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(source.scanLine(y));
        for (int x = 0; x < kImageWidth; ++x)
            row[x] =
                qRgb(static_cast<BYTE>(y * 3 - x), static_cast<BYTE>(x ^ y), static_cast<BYTE>(x * 7 + y));
    }
    QImage target(kViewWidth, kViewHeight, QImage::Format_RGB32);
    const int view = static_cast<int>(state.range(0));
    const RECT v = VisibleFor(view);
    const QRectF from(v.left, v.top, v.right - v.left, v.bottom - v.top);
    for (auto _ : state) {
        QPainter p(&target);
        // A reduced picture is smoothed, as the stage does.
        p.setRenderHint(QPainter::SmoothPixmapTransform, view == 1);
        p.drawImage(QRectF(0, 0, kViewWidth, kViewHeight), source, from);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_QPainterDrawImage)->Apply(Views);

}  // namespace
