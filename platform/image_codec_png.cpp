// PNG through libpng for the image class: every PNG in (palette pictures of
// up to 8 bits stay paletted, grey becomes a grey palette, anything with
// alpha 32 bits with alpha, 16-bit samples are reduced), any layout out.
#include "platform/image_codecs.h"

#include <csetjmp>
#include <cstring>
#include <png.h>

namespace {

[[noreturn]] void ErrorFn(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void WarningFn(png_structp, png_const_charp)
{
}

struct MemoryReader {
    const BYTE* data;
    std::size_t size;
    std::size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->size - reader->offset)
        png_error(png, "short read");
    std::memcpy(out, reader->data + reader->offset, length);
    reader->offset += length;
}

void WriteToFile(png_structp png, png_bytep data, png_size_t length)
{
    if (std::fwrite(data, 1, length, static_cast<std::FILE*>(png_get_io_ptr(png))) != length)
        png_error(png, "short write");
}

void FlushFile(png_structp png)
{
    if (std::fflush(static_cast<std::FILE*>(png_get_io_ptr(png))) != 0)
        png_error(png, "flush failed");
}

struct PngImageJob {
    MemoryReader reader;
    ImageDecodeLimits limits;
    QImage* out;
    png_bytep* rows;
    bool tooLarge;
};

bool RunPngImageDecode(PngImageJob* job)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorFn, WarningFn);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::free(job->rows);
        job->rows = nullptr;
        return false;
    }
    png_set_read_fn(png, &job->reader, ReadFromMemory);
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    if (!ImageSizeAllowed(w, h, job->limits)) {
        job->tooLarge = w > 0 && h > 0;
        png_error(png, "too large");
    }
    const int colorType = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);
    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_strip_16(png);
    QImage::Format format;
    if ((colorType == PNG_COLOR_TYPE_PALETTE || colorType == PNG_COLOR_TYPE_GRAY) && !hasTrns) {
        format = QImage::Format_Indexed8;
        if (depth < 8)
            png_set_packing(png);
        if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8)
            png_set_expand_gray_1_2_4_to_8(png);
    } else {
        png_set_expand(png);  // palette, grey and tRNS to RGB(A)
        if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
            png_set_gray_to_rgb(png);
        const bool alpha = hasTrns || (colorType & PNG_COLOR_MASK_ALPHA) != 0;
        png_set_bgr(png);
        if (!alpha)
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
        format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    const std::size_t wanted = format == QImage::Format_Indexed8 ? w : static_cast<std::size_t>(w) * 4;
    if (rowBytes != wanted)
        png_error(png, "unexpected layout");
    *job->out = QImage(static_cast<int>(w), static_cast<int>(h), format);
    job->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * h));
    if (job->out->isNull() || job->rows == nullptr)
        png_error(png, "no memory");
    if (format == QImage::Format_Indexed8) {
        QList<QRgb> table;
        if (colorType == PNG_COLOR_TYPE_PALETTE) {
            png_colorp palette = nullptr;
            int count = 0;
            png_get_PLTE(png, info, &palette, &count);
            for (int i = 0; i < count; ++i)
                table.append(qRgb(palette[i].red, palette[i].green, palette[i].blue));
        } else {
            for (int i = 0; i < 256; ++i)
                table.append(qRgb(i, i, i));
        }
        while (table.size() < 256)
            table.append(qRgb(0, 0, 0));
        job->out->setColorTable(table);
    }
    for (png_uint_32 y = 0; y < h; ++y)
        job->rows[y] = job->out->scanLine(static_cast<int>(y));
    png_read_image(png, job->rows);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::free(job->rows);
    job->rows = nullptr;
    return true;
}

struct PngImageEncodeJob {
    const QImage* image;
    std::FILE* file;
    png_bytep* rows;
};

bool RunPngImageEncode(PngImageEncodeJob* job)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorFn, WarningFn);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::free(job->rows);
        job->rows = nullptr;
        return false;
    }
    const QImage& image = *job->image;
    const auto w = static_cast<png_uint_32>(image.width());
    const auto h = static_cast<png_uint_32>(image.height());
    png_set_write_fn(png, job->file, WriteToFile, FlushFile);
    const QImage::Format format = image.format();
    if (format == QImage::Format_Indexed8) {
        png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
            PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_color palette[256] = {};
        const QList<QRgb> table = image.colorTable();
        const int count = static_cast<int>(std::min<qsizetype>(table.size(), 256));
        for (int i = 0; i < count; ++i)
            palette[i] = png_color{static_cast<png_byte>(qRed(table[i])),
                static_cast<png_byte>(qGreen(table[i])), static_cast<png_byte>(qBlue(table[i]))};
        png_set_PLTE(png, info, palette, std::max(count, 1));
    } else {
        const bool alpha = format == QImage::Format_ARGB32;
        png_set_IHDR(png, info, w, h, 8, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
            PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    }
    png_write_info(png, info);
    if (format != QImage::Format_Indexed8) {
        png_set_bgr(png);
        if (format == QImage::Format_RGB32)
            png_set_filler(png, 0, PNG_FILLER_AFTER);
    }
    job->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * h));
    if (job->rows == nullptr)
        png_error(png, "no memory");
    for (png_uint_32 y = 0; y < h; ++y)
        job->rows[y] = const_cast<png_bytep>(image.constScanLine(static_cast<int>(y)));
    png_write_image(png, job->rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::free(job->rows);
    job->rows = nullptr;
    return true;
}

}  // namespace

ImageDecodeResult DecodePngImage(const BYTE* data, std::size_t size, ImageDecodeLimits limits, QImage* out)
{
    PngImageJob job{{data, size, 0}, limits, out, nullptr, false};
    if (RunPngImageDecode(&job))
        return ImageDecodeResult::Ok;
    *out = QImage();
    return job.tooLarge ? ImageDecodeResult::TooLarge : ImageDecodeResult::Failed;
}

bool EncodePngImage(const QImage& image, std::FILE* file)
{
    QImage source = image;
    if (image.format() == QImage::Format_BGR888)
        source = image.convertToFormat(QImage::Format_RGB32);
    PngImageEncodeJob job{&source, file, nullptr};
    return RunPngImageEncode(&job);
}
