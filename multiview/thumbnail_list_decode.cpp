// Decoding files for thumbnails. Every call has its own decoder objects, so
// loaders and the UI thread decode side by side. A JPEG is decoded at the
// smallest DCT scale whose picture still covers the thumbnail: the same
// picture as a whole decode stretched down, for a fraction of the work.
#include "core/file_types.h"
#include "core/geometry.h"
#include "exif/exif_reader.h"
#include "imaging/jpeg_file.h"
#include "multiview/thumbnail_list.h"
#include "platform/image/image_class.h"
#include "platform/image/image_jpeg_errors.h"

#include <QFile>
#include <cstdint>

namespace {

// The decoders' own bound on a picture (pixels).
constexpr long long kMaxScaledPixels = 1ll << 28;

struct ScaledJpegJob {
    const unsigned char* data;
    unsigned long size;
    int edge;
    unsigned imageWidth;
    unsigned imageHeight;
    QImage* out;
};

// The thumbnail a w x h picture gets: fitted into the edge, plus one pixel.
SIZE ThumbnailSizeFor(LONG w, LONG h, int edge)
{
    const RECT fit = FitSizeInRect(RECT{0, 0, edge, edge}, SIZE{w, h});
    return SIZE{fit.right - fit.left + 1, fit.bottom - fit.top + 1};
}

// The eighths (1..8) of the smallest DCT scale that still covers the thumbnail.
unsigned ChooseScaleEighths(unsigned w, unsigned h, int edge)
{
    const SIZE thumb = ThumbnailSizeFor(static_cast<LONG>(w), static_cast<LONG>(h), edge);
    for (unsigned n = 1; n < 8; ++n) {
        const unsigned long sw = (static_cast<unsigned long>(w) * n + 7) / 8;
        const unsigned long sh = (static_cast<unsigned long>(h) * n + 7) / 8;
        if (sw >= static_cast<unsigned long>(thumb.cx) && sh >= static_cast<unsigned long>(thumb.cy))
            return n;
    }
    return 8;
}

enum class ScaledOutcome { Ok, Damaged, OtherLayout };

// Plain C data only across the error jump.
ScaledOutcome DecodeScaledJpeg(ScaledJpegJob* job)
{
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    cinfo.err = InstallJpegErrorManager(&errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return ScaledOutcome::Damaged;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, job->data, job->size);
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.jpeg_color_space != JCS_YCbCr && cinfo.jpeg_color_space != JCS_RGB &&
        cinfo.jpeg_color_space != JCS_GRAYSCALE) {
        jpeg_destroy_decompress(&cinfo);
        return ScaledOutcome::OtherLayout;  // CMYK and others: the image class converts them
    }
    job->imageWidth = cinfo.image_width;
    job->imageHeight = cinfo.image_height;
    cinfo.scale_num = ChooseScaleEighths(cinfo.image_width, cinfo.image_height, job->edge);
    cinfo.scale_denom = 8;
    cinfo.out_color_space = JCS_EXT_BGRX;  // the memory order of Format_RGB32
    cinfo.dct_method = JDCT_ISLOW;
    jpeg_calc_output_dimensions(&cinfo);
    const long long pixels = static_cast<long long>(cinfo.output_width) * cinfo.output_height;
    if (pixels == 0 || pixels > kMaxScaledPixels) {
        jpeg_destroy_decompress(&cinfo);
        return ScaledOutcome::OtherLayout;
    }
    *job->out = QImage(
        static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB32);
    if (job->out->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return ScaledOutcome::Damaged;
    }
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = job->out->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return ScaledOutcome::Ok;
}

// A reduced decode of JPEG bytes; false when they are not a JPEG this route takes.
bool DecodeJpegForThumbnail(const QByteArray& bytes, int edge, QImage* picture, DWORD* w, DWORD* h)
{
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8)
        return false;
    QImage image;
    ScaledJpegJob job{reinterpret_cast<const unsigned char*>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()), edge, 0, 0, &image};
    if (DecodeScaledJpeg(&job) != ScaledOutcome::Ok)
        return false;
    *picture = std::move(image);
    *w = job.imageWidth;
    *h = job.imageHeight;
    return true;
}

// The bit count a BMP file's header states; 0 when the bytes are no BMP.
int BmpBitCount(const QByteArray& bytes)
{
    if (bytes.size() < 30 || bytes[0] != 'B' || bytes[1] != 'M')
        return 0;
    const auto* d = reinterpret_cast<const unsigned char*>(bytes.constData());
    return d[28] | (d[29] << 8);
}

ThumbnailSource Unreadable()
{
    ThumbnailSource source;
    source.result = kThumbUnreadable;
    source.decodeState = 0;
    return source;
}

}  // namespace

ThumbnailSource DecodeAndMakeThumbnail(const QString& path, int edge, bool depthCheck)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Unreadable();
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.isEmpty())
        return Unreadable();

    ThumbnailSource source;
    if (!DecodeJpegForThumbnail(bytes, edge, &source.picture, &source.imageWidth, &source.imageHeight)) {
        CImage image;
        if (image.Load(
                reinterpret_cast<const BYTE*>(bytes.constData()), static_cast<std::size_t>(bytes.size())) < 0)
            return Unreadable();
        source.imageWidth = static_cast<DWORD>(image.GetWidth());
        source.imageHeight = static_cast<DWORD>(image.GetHeight());
        source.picture = image.Image();
    }
    source.decodeState = 1;
    if (depthCheck) {
        // The file's own depth: the image class widens what it reads.
        const int bits = BmpBitCount(bytes);
        if (bits != 0 && bits != 8 && bits != 24 && bits != 32) {
            source.result = kThumbUnsupported;
            source.picture = QImage();
            return source;
        }
    }
    source.result = kThumbMade;
    return source;
}

ThumbnailSource MakeJpegThumbnail(const QString& path, int edge)
{
    CExifReader reader;
    DWORD size = 0;
    if (const BYTE* data = reader.GetThumbnail(path, &size)) {
        ThumbnailSource source;
        DWORD w = 0, h = 0;
        const QByteArray embedded = QByteArray::fromRawData(reinterpret_cast<const char*>(data), size);
        if (DecodeJpegForThumbnail(embedded, edge, &source.picture, &w, &h)) {
            // The picture is the embedded one; the size is the file's own.
            const std::uint64_t own = GetJpegImageSize(path);
            source.imageWidth = own != 0 ? static_cast<DWORD>(own & 0xFFFFFFFFu) : w;
            source.imageHeight = own != 0 ? static_cast<DWORD>(own >> 32) : h;
            source.decodeState = 1;
            source.result = kThumbMade;
            return source;
        }
    }
    return DecodeAndMakeThumbnail(path, edge, false);
}

ThumbnailSource DecodeThumbnailSource(const QString& path, int edge)
{
    switch (GetImageTypeFromPath(path)) {
    case kImageKindNone: {
        ThumbnailSource source;
        source.result = kThumbUnsupported;
        source.decodeState = 2;
        return source;
    }
    case kImageKindBmp:
        return DecodeAndMakeThumbnail(path, edge, true);
    case kImageKindJpeg:
        return MakeJpegThumbnail(path, edge);
    default:
        return DecodeAndMakeThumbnail(path, edge, false);
    }
}
