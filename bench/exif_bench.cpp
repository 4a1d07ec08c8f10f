// Reading and formatting the EXIF data of 1,000 JPEG files from a warm cache,
// as the EXIF information window and the multi view do for each file.
#include "exif/exif_reader.h"
#include "tests/support/exif_builder.cpp"  // the tests' EXIF file writer, built into this program

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using B = ExifBuilder;

ExifBuilder PhotoLike(int i)
{
    ExifBuilder b(i % 2 == 0);
    const QByteArray n = QByteArray::number(i);
    b.Ascii(B::Ifd0, 271, "Maker Camera Co.")
        .Ascii(B::Ifd0, 272, "Model " + n)
        .Ascii(B::Ifd0, 305, "Firmware 1.0")
        .Ascii(B::Ifd0, 306, "2024:01:02 03:04:05")
        .Ascii(B::Ifd0, 315, "Photographer " + n)
        .Undefined(B::Exif, 36864, "0230")
        .Ascii(B::Exif, 36867, "2024:01:02 03:04:05")
        .Ascii(B::Exif, 36868, "2024:01:02 03:04:05")
        .Undefined(B::Exif, 37121, QByteArray("\1\2\3\0", 4))
        .Rationals(B::Exif, 33434, {{1, 250}})
        .Rationals(B::Exif, 33437, {{28, 10}})
        .Short(B::Exif, 34850, 2)
        .Rationals(B::Exif, 37377, {{8, 1}}, true)
        .Rationals(B::Exif, 37378, {{3, 1}})
        .Rationals(B::Exif, 37380, {{0, 3}}, true)
        .Short(B::Exif, 37383, 5)
        .Short(B::Exif, 37385, 0x19)
        .Rationals(B::Exif, 37386, {{50, 1}})
        .Undefined(B::Exif, 37500, QByteArray(600, 'm'))
        .CodedText(B::Exif, 37510, "UNICODE", QByteArray("c\0o\0m\0m\0e\0n\0t\0", 14))
        .Short(B::Exif, 41986, 0)
        .Short(B::Exif, 41987, 0)
        .Short(B::Exif, 41989, 75)
        .Rationals(B::Exif, 42034, {{18, 1}, {55, 1}, {35, 10}, {56, 10}})
        .Ascii(B::Exif, 42036, "Lens 18-55")
        .Add(B::Gps, 0, 1, 4, QByteArray("\2\2\0\0", 4))
        .Ascii(B::Gps, 1, "N")
        .Rationals(B::Gps, 2, {{35, 1}, {40, 1}, {3, 1}})
        .Ascii(B::Gps, 3, "E")
        .Rationals(B::Gps, 4, {{139, 1}, {45, 1}, {30, 1}})
        .Byte(B::Gps, 5, 0)
        .Rationals(B::Gps, 6, {{35, 1}})
        .Rationals(B::Gps, 7, {{12, 1}, {30, 1}, {5, 1}})
        .Ascii(B::Gps, 29, "2024:01:02")
        .Thumbnail(QByteArray("\xFF\xD8", 2) + QByteArray(4000, 't') + QByteArray("\xFF\xD9", 2));
    return b;
}

void BM_ReadAndFormatExif(benchmark::State& state)
{
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 1000; ++i) {
        const QString path = dir.filePath(QStringLiteral("p%1.jpg").arg(i));
        PhotoLike(i).WriteTo(path);
        paths.append(path);
    }
    SetExifClearCameraGroup(1, ExifDisplaySettings.mask);
    SetExifClearShootingGroup(1, ExifDisplaySettings.mask);
    SetExifClearGpsGroup(1, ExifDisplaySettings.mask);
    for (const QString& path : paths) {  // warm the cache
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
    for (auto _ : state) {
        int lines = 0;
        for (const QString& path : paths) {
            CExifReader reader;
            if (reader.ReadFile(path)) {
                QStringList text;
                lines += reader.FormatTags(text, reader.TagTable().CountSelected(), 260);
            }
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
    state.SetLabel("items = files");
}
BENCHMARK(BM_ReadAndFormatExif)->Unit(benchmark::kMillisecond);

}  // namespace
