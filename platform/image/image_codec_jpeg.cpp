// JPEG through libjpeg for the image class: grey, colour and CMYK pictures in,
// colour pictures out.
#include "platform/image/image_codecs.h"
#include "platform/image/image_jpeg_errors.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace {

struct JpegImageJob {
    const BYTE* data;
    std::size_t size;
    ImageDecodeLimits limits;
    QImage* out;  // filled before decoding starts
    bool tooLarge;
};

// Adobe writers store CMYK inverted; others store it plainly.
void CmykRowToRgb32(const BYTE* cmyk, QRgb* out, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

bool RunJpegImageDecode(JpegImageJob* job, BYTE* cmykRow)
{
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    cinfo.err = InstallJpegErrorManager(&errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, job->data, static_cast<unsigned long>(job->size));
    jpeg_read_header(&cinfo, TRUE);
    QImage::Format format = QImage::Format_Invalid;
    if (cinfo.num_components == 1) {
        cinfo.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Indexed8;
    } else if (cinfo.num_components == 3) {
        cinfo.out_color_space = JCS_EXT_BGR;
        format = QImage::Format_BGR888;
    } else if (cinfo.num_components == 4) {
        cinfo.out_color_space = JCS_CMYK;
        format = QImage::Format_RGB32;
    }
    jpeg_calc_output_dimensions(&cinfo);
    const long long w = cinfo.output_width;
    const long long h = cinfo.output_height;
    if (format == QImage::Format_Invalid || !ImageSizeAllowed(w, h, job->limits)) {
        job->tooLarge = format != QImage::Format_Invalid && w > 0 && h > 0;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    *job->out = QImage(static_cast<int>(w), static_cast<int>(h), format);
    if (job->out->isNull() || (format == QImage::Format_RGB32 && cmykRow == nullptr && w > 0)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (format == QImage::Format_Indexed8) {
        QList<QRgb> grey(256);
        for (int i = 0; i < 256; ++i)
            grey[i] = qRgb(i, i, i);
        job->out->setColorTable(grey);
    }
    jpeg_start_decompress(&cinfo);
    const bool inverted = cinfo.saw_Adobe_marker;
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        if (format == QImage::Format_RGB32) {
            JSAMPROW row = cmykRow;
            jpeg_read_scanlines(&cinfo, &row, 1);
            CmykRowToRgb32(
                cmykRow, reinterpret_cast<QRgb*>(job->out->scanLine(y)), static_cast<int>(w), inverted);
        } else {
            JSAMPROW row = job->out->scanLine(y);
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

struct JpegRowsJob {
    std::FILE* file;
    const BYTE* topRow;
    std::ptrdiff_t rowStep;
    int width;
    int height;
    bool fourBytes;
    int quality;
};

bool RunJpegRowsEncode(JpegRowsJob* job)
{
    jpeg_compress_struct cinfo;
    JpegErrorManager errors;
    cinfo.err = InstallJpegErrorManager(&errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, job->file);
    cinfo.image_width = static_cast<JDIMENSION>(job->width);
    cinfo.image_height = static_cast<JDIMENSION>(job->height);
    // The library reads blue, green, red (and a spare byte) itself.
    cinfo.input_components = job->fourBytes ? 4 : 3;
    cinfo.in_color_space = job->fourBytes ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, job->quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    JSAMPROW rows[16];
    while (cinfo.next_scanline < cinfo.image_height) {
        const JDIMENSION first = cinfo.next_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(16, cinfo.image_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] =
                const_cast<JSAMPROW>(job->topRow + static_cast<std::ptrdiff_t>(first + i) * job->rowStep);
        jpeg_write_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

ImageDecodeResult DecodeJpegImage(const BYTE* data, std::size_t size, ImageDecodeLimits limits, QImage* out)
{
    JpegImageJob job{data, size, limits, out, false};
    // One CMYK scanline of the widest picture allowed.
    QByteArray cmyk(static_cast<qsizetype>(std::clamp(limits.maxWidth, 1, 65535)) * 4, Qt::Uninitialized);
    const bool ok = RunJpegImageDecode(&job, reinterpret_cast<BYTE*>(cmyk.data()));
    if (!ok) {
        *out = QImage();
        return job.tooLarge ? ImageDecodeResult::TooLarge : ImageDecodeResult::Failed;
    }
    return ImageDecodeResult::Ok;
}

bool EncodeJpegRows(std::FILE* file, const BYTE* topRow, std::ptrdiff_t rowStep, int width, int height,
    bool fourBytes, int quality)
{
    if (file == nullptr || topRow == nullptr || width <= 0 || height <= 0 || width > 65500 || height > 65500)
        return false;
    JpegRowsJob job{file, topRow, rowStep, width, height, fourBytes, std::clamp(quality, 1, 100)};
    return RunJpegRowsEncode(&job);
}

bool EncodeJpegImage(const QImage& image, std::FILE* file, int quality)
{
    QImage source = image;
    if (image.format() != QImage::Format_BGR888 && image.format() != QImage::Format_RGB32 &&
        image.format() != QImage::Format_ARGB32)
        source = image.convertToFormat(QImage::Format_RGB32);
    return EncodeJpegRows(file, source.constBits(), source.bytesPerLine(), source.width(), source.height(),
        source.format() != QImage::Format_BGR888, quality);
}
