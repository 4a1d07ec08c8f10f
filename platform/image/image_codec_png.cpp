// PNG through libpng for the image class: every PNG in (palette pictures of
// up to 8 bits stay paletted, grey becomes a grey palette, anything with
// alpha 32 bits with alpha, 16-bit samples are reduced), any layout out.
#include "platform/image/image_codecs.h"

#include "platform/image/image_png_errors.h"

#include <cstring>

namespace {

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

struct PngImageJob {
    MemoryReader reader;
    ImageDecodeLimits limits;
    QImage* out;
    png_bytep* rows;
    bool tooLarge;
    QRgb palette[256];  // the colour table of an indexed picture
    bool indexed;
};

bool RunPngImageDecode(PngImageJob* job)
{
    png_structp png = CreatePngReadStruct();
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
        // Entries the file does not give stay black; grey pictures get a ramp.
        png_colorp palette = nullptr;
        int count = 0;
        if (colorType == PNG_COLOR_TYPE_PALETTE && png_get_PLTE(png, info, &palette, &count) != 0) {
            for (int i = 0; i < count && i < 256; ++i)
                job->palette[i] = qRgb(palette[i].red, palette[i].green, palette[i].blue);
        } else if (colorType != PNG_COLOR_TYPE_PALETTE) {
            for (int i = 0; i < 256; ++i)
                job->palette[i] = qRgb(i, i, i);
        }
        job->indexed = true;
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
    png_color palette[256];  // of an indexed picture
    int paletteCount;
};

bool RunPngImageEncode(PngImageEncodeJob* job)
{
    png_structp png = CreatePngWriteStruct();
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
    SetPngStdioWrite(png, job->file);
    const QImage::Format format = image.format();
    if (format == QImage::Format_Indexed8) {
        png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
            PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_PLTE(png, info, job->palette, job->paletteCount);
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
    PngImageJob job{{data, size, 0}, limits, out, nullptr, false, {}, false};
    for (QRgb& entry : job.palette)
        entry = qRgb(0, 0, 0);
    if (RunPngImageDecode(&job)) {
        // Set here: no Qt object may live across the error jump.
        if (job.indexed)
            out->setColorTable(QList<QRgb>(std::begin(job.palette), std::end(job.palette)));
        return ImageDecodeResult::Ok;
    }
    *out = QImage();
    return job.tooLarge ? ImageDecodeResult::TooLarge : ImageDecodeResult::Failed;
}

bool EncodePngImage(const QImage& image, std::FILE* file)
{
    QImage source = image;
    if (image.format() == QImage::Format_BGR888)
        source = image.convertToFormat(QImage::Format_RGB32);
    PngImageEncodeJob job{&source, file, nullptr, {}, 1};
    // The palette is taken here: no Qt object may live across the error jump.
    if (source.format() == QImage::Format_Indexed8) {
        const QList<QRgb> table = source.colorTable();
        job.paletteCount = static_cast<int>(std::clamp<qsizetype>(table.size(), 1, 256));
        for (int i = 0; i < job.paletteCount && i < table.size(); ++i)
            job.palette[i] = png_color{static_cast<png_byte>(qRed(table[i])),
                static_cast<png_byte>(qGreen(table[i])), static_cast<png_byte>(qBlue(table[i]))};
    }
    return RunPngImageEncode(&job);
}
