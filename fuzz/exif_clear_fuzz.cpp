// Reads a hostile file, then clears every selectable tag in a copy of it,
// and checks that the copy keeps its length and every byte outside the TIFF
// block of its EXIF segment.
#include "exif/exif_reader.h"
#include "fuzz/exif_fuzz_file.h"

#include <QFile>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray file = ExifFuzzInputToFile(data, size);
    SelectAllExifTagsForFuzzing();
    ExifClearSettings.clearValue = data[0] >> 7;
    const QString& path = ExifFuzzWrite(file);
    {
        CExifReader reader;
        reader.ReadFile(path);
    }
    CExifReader clearer;
    const int result = clearer.ClearSelectedTags(path);
    QFile copy(path);
    if (!copy.open(QIODevice::ReadOnly))
        __builtin_trap();
    const QByteArray after = copy.readAll();
    if (after.size() != file.size())
        __builtin_trap();
    const qsizetype tiff = ExifFuzzTiffPosition(file);
    const qsizetype end = ExifFuzzSegmentEnd(file);
    if (result == 0 && after != file)
        __builtin_trap();
    for (qsizetype i = 0; i < file.size(); ++i) {
        if (after[i] != file[i] && (tiff < 0 || i < tiff || i >= end))
            __builtin_trap();
    }
    CExifReader again;
    if (again.ReadFile(path)) {
        QStringList lines;
        again.FormatTags(lines, 100, 260);
    }
    return 0;
}
