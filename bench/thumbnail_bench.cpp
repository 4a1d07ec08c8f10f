// Thumbnails of a folder of 2,000 JPEG files of 4000 x 3000 (half of them
// with an EXIF thumbnail), made by the thumbnail list on two threads as the
// multi view's loaders make them (a range loader over the first half, a
// page loader over the second), against a bare libjpeg-turbo loop decoding
// the same files at scale 1/8, also on two threads; then the same for the
// files without an EXIF thumbnail alone. The folder is made once
// and kept under /tmp. "ratio" is project files per second / bare files per
// second.
#include "core/settings/app_settings.h"
#include "imaging/dib_helpers.h"
#include "imaging/jpeg_file.h"
#include "imaging/load_bitmap.h"
#include "multiview/thumbnail_list.h"
#include "platform/dialog/msgbox.h"
#include "tests/support/exif_builder.cpp"  // the tests' EXIF file writer, built into this program

#include "bench/in_turn.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFiles = 2000;
constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kPictures = 4;  // distinct pictures the files repeat
constexpr int kThreads = 2;   // the range loader and the page loader
const char* const kFolder = "/tmp/kestrel_thumbnail_bench";
const char* const kDoneMarker = "/tmp/kestrel_thumbnail_bench/complete-2";
// The files without an EXIF thumbnail again (hard links), for the
// like-for-like figure: every file decoded from its own data.
const char* const kPlainFolder = "/tmp/kestrel_thumbnail_bench/plain";

// A photograph-like picture: gradients that differ per picture, with a little noise.
QByteArray EncodePicture(int picture, int width, int height, int quality)
{
    CLoadBitmap holder;
    InitDibHeaders(&holder.fileHeader, &holder.infoHeader, width, height, 24, 0, 0, 0);
    holder.AllocInfo();
    holder.AllocBits();
    const std::uint32_t stride = GetDibStride(24, width);
    std::uint32_t seed = 977u * (picture + 1);
    for (int y = 0; y < height; ++y) {
        BYTE* row = holder.bits + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245 + 12345;
            const int noise = static_cast<int>((seed >> 16) & 7) - 4;
            row[x * 3] =
                static_cast<BYTE>(std::clamp((x * 255 / width + picture * 60) % 256 + noise, 0, 255));
            row[x * 3 + 1] = static_cast<BYTE>(std::clamp(y * 255 / height + noise, 0, 255));
            row[x * 3 + 2] =
                static_cast<BYTE>(std::clamp(((x + y) * 127 / (width + height)) + 64 + noise, 0, 255));
        }
    }
    const QString path = QString(kFolder) + "/encode.tmp";
    if (WriteJpegFile(path, &holder.infoHeader, holder.bits, quality) != kJpegWritten)
        return QByteArray();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    file.close();
    QFile::remove(path);
    return bytes;
}

// The folder, made on the first run.
bool PrepareFolder(QStringList* paths)
{
    QDir().mkpath(kFolder);
    for (int i = 0; i < kFiles; ++i)
        paths->append(QString("%1/p%2.jpg").arg(kFolder).arg(i, 4, 10, QLatin1Char('0')));
    if (QFile::exists(kDoneMarker))
        return true;
    for (int p = 0; p < kPictures; ++p) {
        const QByteArray main = EncodePicture(p, kWidth, kHeight, 90);
        const QByteArray thumb = EncodePicture(p, 160, 120, 80);
        if (main.isEmpty() || thumb.isEmpty())
            return false;
        ExifBuilder exif;
        exif.Ascii(ExifBuilder::Ifd0, 271, "Bench Camera").Thumbnail(thumb);
        QByteArray withExif = exif.Jpeg();
        withExif.chop(8);  // the builder's stand-in for the picture data
        withExif += main.mid(2);
        for (int i = p; i < kFiles; i += kPictures) {
            // Every other file of a picture carries the EXIF thumbnail.
            const QByteArray& bytes = (i / kPictures) % 2 == 0 ? main : withExif;
            QFile file((*paths)[i]);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return false;
        }
    }
    QDir().mkpath(kPlainFolder);
    for (int i = 0; i < kFiles; ++i) {
        if ((i / kPictures) % 2 != 0)
            continue;
        const QString link = QString("%1/%2").arg(kPlainFolder, QFileInfo((*paths)[i]).fileName());
        QFile::remove(link);
        if (::link(QFile::encodeName((*paths)[i]).constData(), QFile::encodeName(link).constData()) != 0)
            return false;
    }
    QFile marker(kDoneMarker);
    return marker.open(QIODevice::WriteOnly);
}

// The files of a folder of the bench, in listing order.
QStringList FilesOf(const QString& folder)
{
    QStringList paths;
    for (const QString& name : QDir(folder).entryList({"*.jpg"}, QDir::Files, QDir::Name))
        paths.append(folder + "/" + name);
    return paths;
}

void WarmCache(const QStringList& paths)
{
    for (const QString& path : paths) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

// The yardstick: read the file, decode at 1/8 into BGRX rows.
bool BareDecode(const QString& path, std::vector<unsigned char>& buffer, std::vector<unsigned char>& pixels)
{
    std::FILE* f = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!f)
        return false;
    std::fseek(f, 0, SEEK_END);
    buffer.resize(static_cast<std::size_t>(std::ftell(f)));
    std::fseek(f, 0, SEEK_SET);
    const bool read = std::fread(buffer.data(), 1, buffer.size(), f) == buffer.size();
    std::fclose(f);
    if (!read)
        return false;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, buffer.data(), static_cast<unsigned long>(buffer.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = 1;
    cinfo.scale_denom = 8;
    cinfo.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    const std::size_t stride = static_cast<std::size_t>(cinfo.output_width) * 4;
    pixels.resize(stride * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool BareFolder(const QStringList& paths)
{
    std::atomic<bool> ok{true};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            std::vector<unsigned char> buffer, pixels;
            const int first = t * paths.size() / kThreads;
            const int last = (t + 1) * paths.size() / kThreads;
            for (int i = first; i < last; ++i)
                if (!BareDecode(paths[i], buffer, pixels))
                    ok = false;
        });
    }
    for (std::thread& t : threads)
        t.join();
    return ok.load();
}

// Thumbnails of one folder: the list's two loaders against the bare loop.
void RunFolder(benchmark::State& state, const QString& folder)
{
    AppSettings.MaxHBitmapNumber = kFiles;
    AppSettings.ThumCoarseView = 1;
    AppSettings.ImageComplement = 1;
    AppSettings.MaxSaveSizeWidth = 10000;
    AppSettings.MaxSaveSizeHeight = 10000;
    SetMessageBoxHookForTesting([](const MessageBoxRequest&) { return IDOK; });
    QStringList all;
    if (!PrepareFolder(&all)) {
        state.SkipWithError("the folder could not be made");
        return;
    }
    const QStringList paths = FilesOf(folder);
    const int files = static_cast<int>(paths.size());
    WarmCache(paths);

    CThumbnailList list;
    if (list.LoadFolder(folder, 100, 0) != files || list.GetFileCount() != files) {
        state.SkipWithError("the folder did not load");
        return;
    }
    auto project = [&] {
        list.AllocThumbnailArrays(list.GetCapacity());  // every bitmap dropped
        std::thread range([&] { list.LoadRange(0, files / 2 - 1); });
        std::thread page([&] { list.LoadPage(files / 2, files - 1); });
        range.join();
        page.join();
        for (int p = 0; p < files; ++p)
            if (!list.IsThumbnailLoaded(p) || list.GetThumbnailState(list.GetSortIndex(p)).thumbnail != 1)
                return false;
        return true;
    };
    auto bare = [&] { return BareFolder(paths); };
    const InTurnSeconds seconds =
        TimeInTurn(state, project, bare, "thumbnails failed", "bare decoding failed");
    const double iterations = static_cast<double>(state.iterations());
    const double projectRate = files * iterations / seconds.project;
    const double bareRate = files * iterations / seconds.yardstick;
    state.counters["project_files_per_s"] = projectRate;
    state.counters["bare_files_per_s"] = bareRate;
    state.counters["ratio"] = projectRate / bareRate;
    state.SetLabel(QString("%1 files, 2 threads; ratio = project / bare").arg(files).toStdString());
}

// 2,000 files, half with an EXIF thumbnail.
void BM_FolderThumbnails(benchmark::State& state)
{
    RunFolder(state, kFolder);
}
BENCHMARK(BM_FolderThumbnails)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

// The 1,000 of them without one.
void BM_FolderThumbnailsWithoutExif(benchmark::State& state)
{
    RunFolder(state, kPlainFolder);
}
BENCHMARK(BM_FolderThumbnailsWithoutExif)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

// From choosing the folder to a complete first page: the listing, then the
// range loader from position 0 (a 1920 x 1080 screen shows 50 cells of 144).
void BM_FirstPageComplete(benchmark::State& state)
{
    constexpr int kPageCells = 50;
    AppSettings.MaxHBitmapNumber = kFiles;
    AppSettings.ThumCoarseView = 1;
    AppSettings.ImageComplement = 1;
    SetMessageBoxHookForTesting([](const MessageBoxRequest&) { return IDOK; });
    QStringList all;
    if (!PrepareFolder(&all)) {
        state.SkipWithError("the folder could not be made");
        return;
    }
    WarmCache(FilesOf(kFolder));
    for (auto _ : state) {
        CThumbnailList list;
        const auto start = std::chrono::steady_clock::now();
        const int capacity = list.LoadFolder(kFolder, kPageCells, 0);
        if (capacity < kPageCells) {
            state.SkipWithError("the folder did not load");
            return;
        }
        std::thread range([&] { list.LoadRange(0, capacity - 1); });
        while (!list.IsRangeLoaded(0, kPageCells - 1))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const auto end = std::chrono::steady_clock::now();
        list.RequestRangeCancel();
        range.join();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.SetLabel("listing 2,000 files and making the first 50 thumbnails");
}
BENCHMARK(BM_FirstPageComplete)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

}  // namespace
