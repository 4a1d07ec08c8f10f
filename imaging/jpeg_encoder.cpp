// Encoding DIBs as JPEG files, and the saver that routes a save to the JPEG
// encoder or to the image class by the file's extension.
#include "core/file_types.h"
#include "imaging/dib_helpers.h"
#include "imaging/image_class_loader.h"
#include "imaging/image_messages.h"
#include "imaging/image_settings.h"
#include "imaging/jpeg_file.h"
#include "imaging/jpeg_quality_ask.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "platform/image_jpeg_errors.h"
#include "platform/safe_file_writer.h"

#include <cstdlib>
#include <cstring>

namespace {

struct JpegEncodeJob {
    std::FILE* file;
    const BITMAPINFOHEADER* header;
    const BYTE* bits;
    int quality;
};

bool RunJpegEncode(JpegEncodeJob* job)
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
    const BITMAPINFOHEADER& h = *job->header;
    const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    const std::uint32_t stride = GetDibStride(h.biBitCount, h.biWidth);
    cinfo.image_width = static_cast<JDIMENSION>(h.biWidth);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    // The library reads blue, green, red (and a spare byte) itself.
    cinfo.input_components = h.biBitCount == 32 ? 4 : 3;
    cinfo.in_color_space = h.biBitCount == 32 ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, job->quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    JSAMPROW rows[16];
    while (cinfo.next_scanline < cinfo.image_height) {
        const JDIMENSION first = cinfo.next_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(16, cinfo.image_height - first);
        for (JDIMENSION i = 0; i < count; ++i) {
            // The top row of the picture is the last row in memory of a bottom-up DIB.
            const JDIMENSION y = first + i;
            const std::size_t memoryRow = h.biHeight < 0 ? y : static_cast<std::size_t>(height) - 1 - y;
            rows[i] = const_cast<JSAMPROW>(job->bits + memoryRow * stride);
        }
        jpeg_write_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

// The source's picture as a 24-bit bottom-up image in the holder: from its
// drawing surface when it has one, else from its DIB.
bool ReadSourceAs24(const DibSaveSource& source, CLoadBitmap* holder)
{
    int w = 0, h = 0;
    if (source.ddb != nullptr && !source.ddb->image.isNull()) {
        w = source.ddb->image.width();
        h = source.ddb->image.height();
    } else if (source.infoHeader != nullptr && source.bits != nullptr) {
        w = source.infoHeader->biWidth;
        h = std::abs(source.infoHeader->biHeight);
    }
    std::memset(holder->infoHeaderArea, 0, sizeof holder->infoHeaderArea);
    if (!InitDibHeaders(&holder->fileHeader, &holder->infoHeader, w, h, 24, 0, 0, 0) ||
        !holder->AllocInfo() || !holder->AllocBits())
        return false;
    CopyInfoHeader(&holder->info->bmiHeader, &holder->infoHeader);
    const std::uint32_t stride = GetDibStride(24, w);
    if (source.ddb != nullptr && !source.ddb->image.isNull()) {
        const QImage image = source.ddb->image.convertToFormat(QImage::Format_BGR888);
        for (int y = 0; y < h; ++y)
            std::memcpy(holder->bits + static_cast<std::size_t>(h - 1 - y) * stride, image.constScanLine(y),
                static_cast<std::size_t>(w) * 3);
        return true;
    }
    const BITMAPINFOHEADER& sh = *source.infoHeader;
    const int bpp = sh.biBitCount;
    const std::uint32_t sourceStride = GetDibStride(bpp, w);
    if (IsUnsupportedBpp(bpp) || (bpp == 8 && source.info == nullptr))
        return false;
    for (int y = 0; y < h; ++y) {
        const int sourceRow = sh.biHeight < 0 ? h - 1 - y : y;  // memory row y of the bottom-up result
        const BYTE* s = source.bits + static_cast<std::size_t>(sourceRow) * sourceStride;
        BYTE* d = holder->bits + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < w; ++x, d += 3) {
            if (bpp == 8) {
                const RGBQUAD& c = source.info->bmiColors[s[x]];
                d[0] = c.rgbBlue, d[1] = c.rgbGreen, d[2] = c.rgbRed;
            } else {
                const BYTE* p = s + x * (bpp / 8);
                d[0] = p[0], d[1] = p[1], d[2] = p[2];
            }
        }
    }
    return true;
}

bool SaveByImageClass(const QString& path, const CLoadBitmap& holder)
{
    CImage image;
    return FillImageFromDib(&image, holder) == 1 && image.Save(path) >= 0;
}

}  // namespace

int WriteJpegFile(const QString& path, const BITMAPINFOHEADER* infoHeader, const BYTE* bits, int quality)
{
    if (infoHeader == nullptr || bits == nullptr ||
        (infoHeader->biBitCount != 24 && infoHeader->biBitCount != 32) || infoHeader->biWidth <= 0 ||
        infoHeader->biHeight == 0 || infoHeader->biWidth > 65500 || std::abs(infoHeader->biHeight) > 65500)
        return kJpegWriteFailed;
    CSafeFileWriter writer;
    if (!writer.Open(path) || writer.Stream() == nullptr)
        return kJpegWriteFailed;
    JpegEncodeJob job{writer.Stream(), infoHeader, bits, std::clamp(quality, 1, 100)};
    if (!RunJpegEncode(&job)) {
        writer.Abandon();
        return kJpegWriteFailed;
    }
    return writer.Commit() ? kJpegWritten : kJpegWriteFailed;
}

int SaveJpegOrOtherFile(const QString& path, const DibSaveSource& source, BYTE* code)
{
    *code = 1;
    const QString extension = GetFileExtension(path).toLower();
    CLoadBitmapDlg_DupMem picture;
    if (!ReadSourceAs24(source, &picture)) {
        *code = kJpegSaveFailed;
        return 0;
    }
    bool saved = false;
    if (extension != "jpg" && extension != "jpeg") {
        saved = SaveByImageClass(path, picture);
    } else {
        const int quality = AskJpegQuality();
        if (WriteJpegFile(path, &picture.infoHeader, picture.bits, quality) != kJpegWriteFailed)
            saved = true;
        else if (g_bShowImageErrors.load() != 1)
            saved = SaveByImageClass(path, picture);
    }
    if (!saved)
        *code = kJpegSaveFailed;
    return saved ? 1 : 0;
}
