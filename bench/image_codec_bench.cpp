// JPEG and PNG of a 4000 x 3000 picture: the project's codec (loading into
// and saving from the holder) against the bare libjpeg-turbo / libpng on the
// same file with the same settings, decoding straight into the DIB's byte
// order. The two take turns within each iteration, so that the load of a
// shared machine weighs on both alike; "ratio" is project / bare.
#include "core/settings/app_settings.h"
#include "imaging/dib_helpers.h"
#include "imaging/jpeg_file.h"
#include "imaging/png_codec.h"
#include "platform/dialog/msgbox.h"

#include "bench/in_turn.h"
#include "bench/photo_picture.h"
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
#include <png.h>
#include <vector>

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

struct Fixture {
    QString folder;
    QString jpegPath, pngPath, outJpeg, outPng, outJpegBare, outPngBare;
    CLoadBitmap picture;

    Fixture()
    {
        AppSettings.MaxSaveSizeWidth = 10000;
        AppSettings.MaxSaveSizeHeight = 10000;
        AppSettings.BMP_dpi = 96;
        SetMessageBoxHookForTesting([](const MessageBoxRequest&) { return IDOK; });
        folder = QDir::tempPath() + "/kestrel_codec_bench";
        QDir().mkpath(folder);
        jpegPath = folder + "/in.jpg";
        pngPath = folder + "/in.png";
        outJpeg = folder + "/out.jpg";
        outPng = folder + "/out.png";
        outJpegBare = folder + "/out_bare.jpg";
        outPngBare = folder + "/out_bare.png";
        MakePhotoLikePicture(picture, kWidth, kHeight, 8);
        WriteJpegFile(jpegPath, &picture.infoHeader, picture.bits, 90);
        DibSaveSource source;
        source.info = picture.info;
        source.fileHeader = &picture.fileHeader;
        source.infoHeader = &picture.infoHeader;
        source.bits = picture.bits;
        CPngTransparency none;
        BYTE code = 0;
        SavePngFile(pngPath, source, 0, &none, &code);
    }
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

// One run of each path per iteration; counters: the mean of each in
// milliseconds and their ratio.
template <class Project, class Bare> void RunInTurn(benchmark::State& state, Project project, Bare bare)
{
    const InTurnSeconds total =
        TimeInTurn(state, project, bare, "the project's codec failed", "the bare library failed");
    const double projectSeconds = total.project;
    const double bareSeconds = total.yardstick;
    if (state.error_occurred())
        return;
    const auto n = static_cast<double>(state.iterations());
    state.counters["project_ms"] = projectSeconds / n * 1000;
    state.counters["bare_ms"] = bareSeconds / n * 1000;
    state.counters["ratio"] = projectSeconds / bareSeconds;
}

bool JpegLoadProject(const Fixture& f)
{
    CLoadBitmap_for_Dlg holder;
    holder.path.SetPath(f.jpegPath);
    const bool ok = LoadJpegFile(&holder, nullptr, 0) == kJpegDecoded;
    benchmark::DoNotOptimize(holder.bits);
    return ok;
}

bool JpegLoadBare(const QByteArray& name)
{
    std::FILE* file = std::fopen(name.constData(), "rb");
    if (file == nullptr)
        return false;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&cinfo);
    const std::uint32_t stride = GetDibStride(24, static_cast<int>(cinfo.output_width));
    auto* bits = static_cast<BYTE*>(std::malloc(static_cast<std::size_t>(stride) * cinfo.output_height));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row =
            bits + static_cast<std::size_t>(cinfo.output_height - 1 - cinfo.output_scanline) * stride;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    benchmark::DoNotOptimize(bits);
    std::free(bits);
    return true;
}

void JpegLoad(benchmark::State& state)
{
    const Fixture& f = Shared();
    const QByteArray name = QFile::encodeName(f.jpegPath);
    RunInTurn(
        state, [&] { return JpegLoadProject(f); }, [&] { return JpegLoadBare(name); });
}

bool JpegSaveBare(const Fixture& f, const QByteArray& name)
{
    std::FILE* file = std::fopen(name.constData(), "wb");
    if (file == nullptr)
        return false;
    const std::uint32_t stride = GetDibStride(24, kWidth);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = f.picture.bits + static_cast<std::size_t>(kHeight - 1 - cinfo.next_scanline) * stride;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

void JpegSave(benchmark::State& state)
{
    const Fixture& f = Shared();
    const QByteArray name = QFile::encodeName(f.outJpegBare);
    RunInTurn(
        state,
        [&] { return WriteJpegFile(f.outJpeg, &f.picture.infoHeader, f.picture.bits, 90) == kJpegWritten; },
        [&] { return JpegSaveBare(f, name); });
}

bool PngLoadProject(const QByteArray& name)
{
    std::FILE* file = std::fopen(name.constData(), "rb");
    if (file == nullptr)
        return false;
    CPngCodec codec;
    BITMAPINFO* info = nullptr;
    BYTE* bits = nullptr;
    BYTE header[124];
    CPngTransparency transparency;
    const bool ok = codec.ReadPng(file, &info, header, &bits, &transparency) == 1;
    std::fclose(file);
    benchmark::DoNotOptimize(bits);
    std::free(info);
    std::free(bits);
    return ok;
}

bool PngLoadBare(const QByteArray& name)
{
    std::FILE* file = std::fopen(name.constData(), "rb");
    if (file == nullptr)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_read_info(png, info);
    png_set_bgr(png);
    png_read_update_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    const std::uint32_t stride = GetDibStride(24, static_cast<int>(w));
    auto* bits = static_cast<BYTE*>(std::malloc(static_cast<std::size_t>(stride) * h));
    std::vector<png_bytep> rows(h);
    for (png_uint_32 y = 0; y < h; ++y)
        rows[y] = bits + static_cast<std::size_t>(h - 1 - y) * stride;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    benchmark::DoNotOptimize(bits);
    std::free(bits);
    return true;
}

void PngLoad(benchmark::State& state)
{
    const Fixture& f = Shared();
    const QByteArray name = QFile::encodeName(f.pngPath);
    RunInTurn(
        state, [&] { return PngLoadProject(name); }, [&] { return PngLoadBare(name); });
}

bool PngSaveProject(const Fixture& f)
{
    DibSaveSource source;
    source.info = f.picture.info;
    source.fileHeader = &f.picture.fileHeader;
    source.infoHeader = &f.picture.infoHeader;
    source.bits = f.picture.bits;
    CPngTransparency none;
    BYTE code = 0;
    return SavePngFile(f.outPng, source, 0, &none, &code) == 1;
}

// The project's settings: 24-bit colour, no interlace, the library's default
// compression and filters.
bool PngSaveBare(const QByteArray& name, std::vector<png_bytep>& rows)
{
    std::FILE* file = std::fopen(name.constData(), "wb");
    if (file == nullptr)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, kWidth, kHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
        PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

void PngSave(benchmark::State& state)
{
    const Fixture& f = Shared();
    const QByteArray name = QFile::encodeName(f.outPngBare);
    const std::uint32_t stride = GetDibStride(24, kWidth);
    std::vector<png_bytep> rows(kHeight);
    for (int y = 0; y < kHeight; ++y)
        rows[y] = f.picture.bits + static_cast<std::size_t>(kHeight - 1 - y) * stride;
    RunInTurn(
        state, [&] { return PngSaveProject(f); }, [&] { return PngSaveBare(name, rows); });
}

}  // namespace

// A few pairs each: one load of a 12-megapixel picture takes the better part
// of a second on a slow machine.
BENCHMARK(JpegLoad)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);
BENCHMARK(JpegSave)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(PngLoad)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);
// One save takes seconds: the pairs are repeated, and the median shows
// through one slow pair.
BENCHMARK(PngSave)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
