// The batch shrink of 100 JPEGs of 4000 x 3000 to 1024 pixels on the long
// side at quality 85 with the smooth route, against a bare loop of the same
// steps on the same files: libjpeg-turbo decoding, the same smooth scaling
// of Qt, libjpeg-turbo encoding. The two take turns within each iteration;
// "ratio" is project / bare.
#include "core/settings/app_settings.h"
#include "imaging/dib_helpers.h"
#include "imaging/jpeg_file.h"
#include "multiview/shrink_run.h"
#include "platform/dialog/msgbox.h"

#include "bench/in_turn.h"
#include "bench/photo_picture.h"
#include <QDir>
#include <QFile>
#include <QImage>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kFiles = 100;
constexpr int kLongSide = 1024;
constexpr int kQuality = 85;

struct Fixture {
    QString folder;
    std::vector<QString> names;
    ShrinkJob job;

    Fixture()
    {
        AppSettings.MaxSaveSizeWidth = 10000;
        AppSettings.MaxSaveSizeHeight = 10000;
        AppSettings.BMP_dpi = 96;
        AppSettings.ShowQualityDlg = 0;
        SetMessageBoxHookForTesting([](const MessageBoxRequest&) { return IDOK; });
        folder = QDir::tempPath() + "/kestrel_shrink_bench";
        QDir().mkpath(folder + "/out");
        QDir().mkpath(folder + "/bare");
        // A photograph-like picture: smooth gradients with a little noise,
        // encoded once and written under every name.
        CLoadBitmap picture;
        MakePhotoLikePicture(picture, kWidth, kHeight, 4);
        const QString first = folder + "/in000.jpg";
        if (!QFile::exists(first))
            WriteJpegFile(first, &picture.infoHeader, picture.bits, 90);
        for (int i = 0; i < kFiles; ++i) {
            const QString name = QStringLiteral("in%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
            if (i > 0 && !QFile::exists(folder + "/" + name))
                QFile::copy(first, folder + "/" + name);
            names.push_back(name);
        }
        job.shownFolder = folder;
        job.names = names;
        job.summaryCount = kFiles;
        job.choices.ratioMode = 0;
        job.choices.width = kLongSide;
        job.choices.height = kLongSide * kHeight / kWidth;
        job.choices.format = kShrinkJpeg;
        job.choices.quality = kQuality;
        job.choices.interpolation = 1;
        job.choices.sameFolder = 0;
        job.choices.outputFolder = folder + "/out/";
        job.choices.keepName = 1;
        job.choices.overwrite = 1;
    }
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

bool ShrinkProject(const Fixture& f)
{
    ShrinkRunShared shared;
    RunBatchShrink(f.job, shared, {});
    return shared.state.load() == kStretchFinished && shared.failures.load() == 0;
}

QImage DecodeBare(const QByteArray& name)
{
    std::FILE* file = std::fopen(name.constData(), "rb");
    if (file == nullptr)
        return {};
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    QImage image(
        static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    return image;
}

bool EncodeBare(const QImage& image, const QByteArray& name)
{
    std::FILE* file = std::fopen(name.constData(), "wb");
    if (file == nullptr)
        return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, kQuality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

bool ShrinkBare(const Fixture& f)
{
    const int h = f.job.choices.height;
    for (const QString& name : f.names) {
        const QImage image = DecodeBare(QFile::encodeName(f.folder + "/" + name));
        if (image.isNull())
            return false;
        const QImage scaled = image.scaled(kLongSide, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!EncodeBare(scaled, QFile::encodeName(f.folder + "/bare/" + name)))
            return false;
    }
    return true;
}

void BatchShrink(benchmark::State& state)
{
    const Fixture& f = Shared();
    auto project = [&] { return ShrinkProject(f); };
    auto bare = [&] { return ShrinkBare(f); };
    const InTurnSeconds total =
        TimeInTurn(state, project, bare, "the project's batch shrink failed", "the bare loop failed");
    if (state.error_occurred())
        return;
    const double images = static_cast<double>(state.iterations()) * kFiles;
    state.counters["project_images_per_s"] = images / total.project;
    state.counters["bare_images_per_s"] = images / total.yardstick;
    state.counters["ratio"] = total.project / total.yardstick;
}

}  // namespace

BENCHMARK(BatchShrink)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();
