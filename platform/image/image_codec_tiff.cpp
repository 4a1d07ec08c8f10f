// TIFF through libtiff for the image class: any picture libtiff can render as
// RGBA in (32 bits, with alpha when the file has an alpha sample); palette,
// RGB and RGBA files with LZW compression out.
#include "platform/image/image_codecs.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <mutex>
#include <sys/stat.h>
#include <tiffio.h>
#include <vector>

namespace {

// libtiff reports through process-wide handlers: silenced once for all.
void SilenceLibtiff()
{
    static std::once_flag once;
    std::call_once(once, [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
    });
}

struct MemoryFile {
    const BYTE* data;
    toff_t size;
    toff_t offset;
};

tmsize_t MemRead(thandle_t h, void* buf, tmsize_t n)
{
    auto* m = static_cast<MemoryFile*>(h);
    if (n <= 0 || m->offset >= m->size)
        return 0;
    const toff_t count = std::min<toff_t>(static_cast<toff_t>(n), m->size - m->offset);
    std::memcpy(buf, m->data + m->offset, count);
    m->offset += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t MemWrite(thandle_t, void*, tmsize_t)
{
    return -1;
}

toff_t MemSeek(thandle_t h, toff_t off, int whence)
{
    auto* m = static_cast<MemoryFile*>(h);
    toff_t base = whence == SEEK_CUR ? m->offset : whence == SEEK_END ? m->size : 0;
    if (off > std::numeric_limits<toff_t>::max() - base)
        return static_cast<toff_t>(-1);
    m->offset = base + off;
    return m->offset;
}

int NoClose(thandle_t)
{
    return 0;
}

toff_t MemSize(thandle_t h)
{
    return static_cast<MemoryFile*>(h)->size;
}

tmsize_t FileRead(thandle_t h, void* buf, tmsize_t n)
{
    return static_cast<tmsize_t>(std::fread(buf, 1, static_cast<std::size_t>(n), static_cast<std::FILE*>(h)));
}

tmsize_t FileWrite(thandle_t h, void* buf, tmsize_t n)
{
    const std::size_t written = std::fwrite(buf, 1, static_cast<std::size_t>(n), static_cast<std::FILE*>(h));
    return written == static_cast<std::size_t>(n) ? n : -1;
}

toff_t FileSeek(thandle_t h, toff_t off, int whence)
{
    auto* f = static_cast<std::FILE*>(h);
    if (fseeko(f, static_cast<off_t>(off), whence) != 0)
        return static_cast<toff_t>(-1);
    return static_cast<toff_t>(ftello(f));
}

toff_t FileSize(thandle_t h)
{
    auto* f = static_cast<std::FILE*>(h);
    std::fflush(f);
    struct stat st { };
    return fstat(fileno(f), &st) == 0 ? static_cast<toff_t>(st.st_size) : 0;
}

// 8-bit RGB and RGBA strips are read as they are, so that colours under
// transparent pixels survive; false when the file is laid out otherwise.
bool ReadPlainRgb(TIFF* tif, uint32_t w, uint32_t h, QImage* out)
{
    uint16_t bits = 0, samples = 0, planar = 0, photometric = 0, extraCount = 0;
    uint16_t* extraTypes = nullptr;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes);
    if (TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric) != 1 || photometric != PHOTOMETRIC_RGB ||
        bits != 8 || planar != PLANARCONFIG_CONTIG || TIFFIsTiled(tif) || (samples != 3 && samples != 4))
        return false;
    uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &orientation);
    if (orientation != ORIENTATION_TOPLEFT)
        return false;
    const bool alpha = samples == 4;
    const bool associated =
        alpha && extraCount == 1 && extraTypes != nullptr && extraTypes[0] == EXTRASAMPLE_ASSOCALPHA;
    if (TIFFScanlineSize64(tif) != static_cast<uint64_t>(w) * samples)
        return false;
    QImage image(
        static_cast<int>(w), static_cast<int>(h), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return false;
    std::vector<BYTE> row(static_cast<std::size_t>(w) * samples);
    for (uint32_t y = 0; y < h; ++y) {
        if (TIFFReadScanline(tif, row.data(), y, 0) != 1)
            return false;
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (uint32_t x = 0; x < w; ++x) {
            const BYTE* p = row.data() + static_cast<std::size_t>(x) * samples;
            dst[x] = qRgba(p[0], p[1], p[2], alpha ? p[3] : 255);
        }
    }
    if (associated) {
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        image = image.convertToFormat(QImage::Format_ARGB32);
    }
    *out = std::move(image);
    return true;
}

// Any other layout through the library's RGBA rendering (premultiplied).
ImageDecodeResult ReadThroughRgba(TIFF* tif, uint32_t w, uint32_t h, QImage* out)
{
    uint16_t extraCount = 0;
    uint16_t* extraTypes = nullptr;
    const bool alpha =
        TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes) == 1 && extraCount > 0;
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tif, message))
        return ImageDecodeResult::Failed;
    QImage image(
        static_cast<int>(w), static_cast<int>(h), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return ImageDecodeResult::Failed;
    std::vector<uint32_t> raster(static_cast<std::size_t>(w) * h);
    if (TIFFReadRGBAImageOriented(tif, w, h, raster.data(), ORIENTATION_TOPLEFT, 0) != 1)
        return ImageDecodeResult::Failed;
    for (uint32_t y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        const uint32_t* src = raster.data() + static_cast<std::size_t>(y) * w;
        for (uint32_t x = 0; x < w; ++x) {
            const uint32_t p = src[x];
            const int a = alpha ? static_cast<int>(TIFFGetA(p)) : 255;
            dst[x] = qRgba(static_cast<int>(TIFFGetR(p)), static_cast<int>(TIFFGetG(p)),
                static_cast<int>(TIFFGetB(p)), a);
        }
    }
    if (alpha) {
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        image = image.convertToFormat(QImage::Format_ARGB32);
    }
    *out = std::move(image);
    return ImageDecodeResult::Ok;
}

}  // namespace

ImageDecodeResult DecodeTiffImage(const BYTE* data, std::size_t size, ImageDecodeLimits limits, QImage* out)
{
    SilenceLibtiff();
    MemoryFile memory{data, size, 0};
    TIFF* tif = TIFFClientOpen(
        "memory", "rm", &memory, MemRead, MemWrite, MemSeek, NoClose, MemSize, nullptr, nullptr);
    if (tif == nullptr)
        return ImageDecodeResult::Failed;
    uint32_t w = 0, h = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &h);
    if (!ImageSizeAllowed(w, h, limits)) {
        TIFFClose(tif);
        return w > 0 && h > 0 ? ImageDecodeResult::TooLarge : ImageDecodeResult::Failed;
    }
    const ImageDecodeResult result =
        ReadPlainRgb(tif, w, h, out) ? ImageDecodeResult::Ok : ReadThroughRgba(tif, w, h, out);
    TIFFClose(tif);
    return result;
}

bool EncodeTiffImage(const QImage& image, std::FILE* file)
{
    SilenceLibtiff();
    TIFF* tif =
        TIFFClientOpen("file", "w", file, FileRead, FileWrite, FileSeek, NoClose, FileSize, nullptr, nullptr);
    if (tif == nullptr)
        return false;
    const auto w = static_cast<uint32_t>(image.width());
    const auto h = static_cast<uint32_t>(image.height());
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const bool alpha = image.format() == QImage::Format_ARGB32;
    const uint16_t samples = indexed ? 1 : alpha ? 4 : 3;
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, w);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, h);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, samples);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(tif, TIFFTAG_XRESOLUTION, 96.0);
    TIFFSetField(tif, TIFFTAG_YRESOLUTION, 96.0);
    std::vector<uint16_t> map(3 * 256, 0);
    if (indexed) {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
        const QList<QRgb> table = image.colorTable();
        for (int i = 0; i < 256 && i < table.size(); ++i) {
            map[i] = static_cast<uint16_t>(qRed(table[i]) * 257);
            map[256 + i] = static_cast<uint16_t>(qGreen(table[i]) * 257);
            map[512 + i] = static_cast<uint16_t>(qBlue(table[i]) * 257);
        }
        TIFFSetField(tif, TIFFTAG_COLORMAP, map.data(), map.data() + 256, map.data() + 512);
    } else {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(tif, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
        if (alpha) {
            const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
            TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, &extra);
        }
    }
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tif, 0));
    // Rows are copied first: the predictor changes the buffer it is given.
    std::vector<BYTE> row(static_cast<std::size_t>(w) * samples);
    bool ok = true;
    for (uint32_t y = 0; y < h && ok; ++y) {
        const BYTE* src = image.constScanLine(static_cast<int>(y));
        if (indexed) {
            std::memcpy(row.data(), src, w);
        } else if (image.format() == QImage::Format_BGR888) {
            for (uint32_t x = 0; x < w; ++x) {
                row[x * 3] = src[x * 3 + 2];
                row[x * 3 + 1] = src[x * 3 + 1];
                row[x * 3 + 2] = src[x * 3];
            }
        } else {
            const auto* px = reinterpret_cast<const QRgb*>(src);
            for (uint32_t x = 0; x < w; ++x) {
                BYTE* d = row.data() + static_cast<std::size_t>(x) * samples;
                d[0] = static_cast<BYTE>(qRed(px[x]));
                d[1] = static_cast<BYTE>(qGreen(px[x]));
                d[2] = static_cast<BYTE>(qBlue(px[x]));
                if (alpha)
                    d[3] = static_cast<BYTE>(qAlpha(px[x]));
            }
        }
        ok = TIFFWriteScanline(tif, row.data(), y, 0) == 1;
    }
    ok = ok && TIFFFlush(tif) == 1;
    TIFFClose(tif);
    return ok && std::ferror(file) == 0;
}
