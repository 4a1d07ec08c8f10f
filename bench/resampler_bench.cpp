// Nearest-neighbour resizing of large and small images against Qt's fast
// (nearest) scaling of the same pixels, at 24 and 32 bits. Times are wall
// times: Qt scales large images on threads of its own, whose work the
// calling thread's processor time would leave out.
#include "imaging/dib_helpers.h"
#include "imaging/resampler.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

std::vector<BYTE> MakeRows(int bpp, int w, int h)
{
    const std::uint32_t stride = GetDibStride(bpp, w);
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * h);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<BYTE>(i * 131 + (i >> 12));
    return rows;
}

void Sizes(benchmark::internal::Benchmark* b)
{
    for (int bpp : {24, 32}) {
        b->Args({bpp, 4000, 3000, 640, 480});
        b->Args({bpp, 640, 480, 4000, 3000});
    }
    b->ArgNames({"bpp", "sw", "sh", "dw", "dh"});
    b->Unit(benchmark::kMillisecond);
    b->UseRealTime();
}

void BM_DibResampler(benchmark::State& state)
{
    const int bpp = state.range(0), sw = state.range(1), sh = state.range(2);
    const int dw = state.range(3), dh = state.range(4);
    const std::vector<BYTE> src = MakeRows(bpp, sw, sh);
    CDibResampler resampler;
    for (auto _ : state) {
        if (!resampler.Resample(bpp, src.data(), sw, sh, dw, dh))
            state.SkipWithError("resample failed");
        benchmark::DoNotOptimize(resampler.Result());
    }
}
BENCHMARK(BM_DibResampler)->Apply(Sizes);

void BM_QImageFastScaled(benchmark::State& state)
{
    const int bpp = state.range(0), sw = state.range(1), sh = state.range(2);
    const int dw = state.range(3), dh = state.range(4);
    std::vector<BYTE> src = MakeRows(bpp, sw, sh);
    const QImage image(
        src.data(), sw, sh, GetDibStride(bpp, sw), bpp == 32 ? QImage::Format_RGB32 : QImage::Format_BGR888);
    for (auto _ : state) {
        QImage scaled = image.scaled(dw, dh, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
    }
}
BENCHMARK(BM_QImageFastScaled)->Apply(Sizes);

}  // namespace
