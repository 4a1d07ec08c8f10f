// Reads a hostile file with the EXIF reader: decoding, formatting every tag
// in both GPS formats and extracting the thumbnail. The first input byte
// chooses whether the rest is a whole file or a TIFF block that is wrapped
// in a JPEG start and an EXIF segment (so that the directories get the most
// attention).
#include "exif/exif_reader.h"
#include "fuzz/exif_fuzz_file.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray file = ExifFuzzInputToFile(data, size);
    const QString& path = ExifFuzzWrite(file);
    SelectAllExifTagsForFuzzing();
    ExifDisplaySettings.gpsFormat = data[0] >> 7;

    CExifReader reader;
    if (reader.ReadFile(path)) {
        QStringList lines;
        const int made = reader.FormatTags(lines, 200, 260);
        if (made != lines.size())
            __builtin_trap();
        for (const QString& line : lines) {
            if (line.size() > 259)
                __builtin_trap();
        }
    }
    DWORD thumbSize = 0;
    if (const BYTE* thumb = reader.GetThumbnail(path, &thumbSize)) {
        // The thumbnail lies inside the file's bytes.
        if (thumbSize < 4 || thumb[0] != 0xFF || thumb[thumbSize - 1] != 0xD9)
            __builtin_trap();
    }
    return 0;
}
