// BMP for the image class: uncompressed files of 1, 4, 8, 16, 24 and 32 bits
// (16 and 32 bits also with bit-field masks), bottom-up or top-down, in;
// 8, 24 and 32-bit files out.
#include "platform/image/image_codecs.h"
#include "platform/types/dib_bitfields.h"
#include "platform/types/little_endian.h"

#include <cstdint>
#include <cstring>

namespace {

bool PutLe(std::FILE* f, std::uint64_t value, int bytes)
{
    BYTE b[4];
    for (int i = 0; i < bytes; ++i)
        b[i] = static_cast<BYTE>(value >> (8 * i));
    return std::fwrite(b, 1, static_cast<std::size_t>(bytes), f) == static_cast<std::size_t>(bytes);
}

}  // namespace

ImageDecodeResult DecodeBmpImage(const BYTE* d, std::size_t size, ImageDecodeLimits limits, QImage* out)
{
    if (size < 54)
        return ImageDecodeResult::Failed;
    const DWORD offBits = ReadLe<DWORD>(d + 10);
    const DWORD headerSize = ReadLe<DWORD>(d + 14);
    const LONG width = ReadLe<LONG>(d + 18);
    const LONG rawHeight = ReadLe<LONG>(d + 22);
    const WORD bpp = ReadLe<WORD>(d + 28);
    const DWORD compression = ReadLe<DWORD>(d + 30);
    DWORD usedColors = ReadLe<DWORD>(d + 46);
    if (headerSize < 40 || headerSize > size - 14 || rawHeight == INT32_MIN)
        return ImageDecodeResult::Failed;
    const long long height = rawHeight < 0 ? -static_cast<long long>(rawHeight) : rawHeight;
    if (width <= 0 || height == 0)
        return ImageDecodeResult::Failed;
    if (!ImageSizeAllowed(width, height, limits))
        return ImageDecodeResult::TooLarge;
    const bool bitfields = compression == 3 && (bpp == 16 || bpp == 32);
    if (!(compression == 0 || bitfields) ||
        (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32))
        return ImageDecodeResult::Failed;
    DWORD masks[3] = {0, 0, 0};
    if (bpp == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    }
    if (bitfields) {
        if (14 + 40 + 12 > size)
            return ImageDecodeResult::Failed;
        for (int i = 0; i < 3; ++i)
            masks[i] = ReadLe<DWORD>(d + 54 + 4 * i);
    }
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bpp + 31) & ~31ull) / 8;
    if (offBits > size || stride * static_cast<std::uint64_t>(height) > size - offBits)
        return ImageDecodeResult::Failed;

    QImage::Format format = bpp <= 8 ? QImage::Format_Indexed8
        : bpp == 24                  ? QImage::Format_BGR888
                                     : QImage::Format_RGB32;
    QImage image(width, static_cast<int>(height), format);
    if (image.isNull())
        return ImageDecodeResult::Failed;
    if (bpp <= 8) {
        const std::uint64_t tableStart = 14 + static_cast<std::uint64_t>(headerSize);
        const DWORD maxEntries = 1u << bpp;
        if (usedColors == 0 || usedColors > maxEntries)
            usedColors = maxEntries;
        QList<QRgb> table(256, qRgb(0, 0, 0));
        for (DWORD i = 0; i < usedColors && tableStart + 4 * (i + 1) <= offBits; ++i) {
            const BYTE* e = d + tableStart + 4 * i;
            table[i] = qRgb(e[2], e[1], e[0]);
        }
        image.setColorTable(table);
    }
    for (long long y = 0; y < height; ++y) {
        const long long fileRow = rawHeight < 0 ? y : height - 1 - y;
        const BYTE* src = d + offBits + static_cast<std::size_t>(fileRow) * stride;
        BYTE* dst = image.scanLine(static_cast<int>(y));
        switch (bpp) {
        case 1:
        case 4:
            for (LONG x = 0; x < width; ++x) {
                const int bitPos = x * bpp;
                const int shift = 8 - bpp - (bitPos % 8);
                dst[x] = static_cast<BYTE>((src[bitPos / 8] >> shift) & ((1 << bpp) - 1));
            }
            break;
        case 8:
        case 24:
            std::memcpy(dst, src, static_cast<std::size_t>(width) * (bpp / 8));
            break;
        case 16:
            for (LONG x = 0; x < width; ++x) {
                const DWORD p = ReadLe<WORD>(src + 2 * x);
                reinterpret_cast<QRgb*>(dst)[x] = qRgb(ScaleMaskedChannel(p, masks[0]),
                    ScaleMaskedChannel(p, masks[1]), ScaleMaskedChannel(p, masks[2]));
            }
            break;
        case 32:
            if (!bitfields) {
                for (LONG x = 0; x < width; ++x)
                    reinterpret_cast<QRgb*>(dst)[x] = 0xFF000000u | ReadLe<DWORD>(src + 4 * x);
            } else {
                for (LONG x = 0; x < width; ++x) {
                    const DWORD p = ReadLe<DWORD>(src + 4 * x);
                    reinterpret_cast<QRgb*>(dst)[x] = qRgb(ScaleMaskedChannel(p, masks[0]),
                        ScaleMaskedChannel(p, masks[1]), ScaleMaskedChannel(p, masks[2]));
                }
            }
            break;
        default:
            break;
        }
    }
    *out = std::move(image);
    return ImageDecodeResult::Ok;
}

bool EncodeBmpImage(const QImage& image, std::FILE* f)
{
    QImage source = image;
    if (image.format() == QImage::Format_RGB32)
        source = image.convertToFormat(QImage::Format_BGR888);
    const bool indexed = source.format() == QImage::Format_Indexed8;
    const int bpp = indexed ? 8 : source.format() == QImage::Format_BGR888 ? 24 : 32;
    const int w = source.width();
    const int h = source.height();
    const std::uint64_t stride = ((static_cast<std::uint64_t>(w) * bpp + 31) & ~31ull) / 8;
    const std::uint64_t offset = 54 + (indexed ? 1024 : 0);
    const std::uint64_t fileSize = offset + stride * static_cast<std::uint64_t>(h);
    if (fileSize > 0xFFFFFFFFull)
        return false;
    bool ok =
        std::fwrite("BM", 1, 2, f) == 2 && PutLe(f, fileSize, 4) && PutLe(f, 0, 4) && PutLe(f, offset, 4);
    ok = ok && PutLe(f, 40, 4) && PutLe(f, static_cast<std::uint32_t>(w), 4) &&
        PutLe(f, static_cast<std::uint32_t>(h), 4) && PutLe(f, 1, 2) &&
        PutLe(f, static_cast<std::uint64_t>(bpp), 2) && PutLe(f, 0, 4) &&
        PutLe(f, stride * static_cast<std::uint64_t>(h), 4) && PutLe(f, 3780, 4) && PutLe(f, 3780, 4) &&
        PutLe(f, 0, 4) && PutLe(f, 0, 4);
    if (indexed) {
        const QList<QRgb> table = source.colorTable();
        for (int i = 0; i < 256 && ok; ++i) {
            const QRgb c = i < table.size() ? table[i] : 0;
            const BYTE entry[4] = {
                static_cast<BYTE>(qBlue(c)), static_cast<BYTE>(qGreen(c)), static_cast<BYTE>(qRed(c)), 0};
            ok = std::fwrite(entry, 1, 4, f) == 4;
        }
    }
    QByteArray row(static_cast<qsizetype>(stride), '\0');
    const std::size_t used = static_cast<std::size_t>(w) * (bpp / 8);
    for (int y = h - 1; y >= 0 && ok; --y) {
        std::memcpy(row.data(), source.constScanLine(y), used);
        ok = std::fwrite(row.constData(), 1, row.size(), f) == static_cast<std::size_t>(row.size());
    }
    return ok;
}
