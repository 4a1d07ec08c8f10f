// Shared pieces of the EXIF fuzz targets: turning an input into a file on
// disk (the reader works on paths) and where its EXIF block lies.
#pragma once

#include "exif/exif_tag_mask.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// Input byte 0, bit 0 set: the rest is a TIFF block, wrapped here in a JPEG
// start and an EXIF segment; else the rest is the whole file.
inline QByteArray ExifFuzzInputToFile(const std::uint8_t* data, std::size_t size)
{
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    if (!(data[0] & 1))
        return rest;
    const QByteArray tiff = rest.left(65000);
    const int length = static_cast<int>(tiff.size()) + 8;
    QByteArray file("\xFF\xD8\xFF\xE1", 4);
    file += static_cast<char>(length >> 8);
    file += static_cast<char>(length & 0xFF);
    file += QByteArray("Exif\0\0", 6) + tiff + QByteArray("\xFF\xD9", 2);
    return file;
}

// Where the TIFF block of a file starts and its EXIF segment ends, by the
// layout the reader accepts; -1 when it has none.
inline qsizetype ExifFuzzTiffPosition(const QByteArray& f)
{
    if (f.size() < 6 || f[0] != '\xFF' || f[1] != '\xD8' || f[2] != '\xFF')
        return -1;
    if (f[3] == '\xE1')
        return 12;
    if (f[3] != '\xE0')
        return -1;
    return 4 + ((static_cast<unsigned char>(f[4]) << 8) | static_cast<unsigned char>(f[5])) + 10;
}

inline qsizetype ExifFuzzSegmentEnd(const QByteArray& f)
{
    const qsizetype tiff = ExifFuzzTiffPosition(f);
    const qsizetype app1 = tiff - 10;
    if (tiff < 0 || app1 + 4 > f.size())
        return -1;
    return app1 + ((static_cast<unsigned char>(f[app1 + 2]) << 8) | static_cast<unsigned char>(f[app1 + 3])) +
        2;
}

inline void SelectAllExifTagsForFuzzing()
{
    SetExifClearCameraGroup(1, ExifDisplaySettings.mask);
    SetExifClearShootingGroup(1, ExifDisplaySettings.mask);
    SetExifClearGpsGroup(1, ExifDisplaySettings.mask);
    ExifClearSettings.mask = ExifDisplaySettings.mask;
}

// Writes the bytes to this process's scratch file and returns its path.
inline const QString& ExifFuzzWrite(const QByteArray& bytes)
{
    static const QString path = [] {
        char name[] = "/tmp/kestrel-exif-fuzz-XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd >= 0)
            ::close(fd);
        static const std::string keep = name;
        std::atexit([] { ::unlink(keep.c_str()); });
        return QString::fromLocal8Bit(name);
    }();
    FILE* out = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (out) {
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), out);
        std::fclose(out);
    }
    return path;
}
