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
#include "platform/image/image_codecs.h"
#include "platform/system/safe_file_writer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

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
    const int height = std::abs(infoHeader->biHeight);
    const std::ptrdiff_t stride = GetDibStride(infoHeader->biBitCount, infoHeader->biWidth);
    // The top row of the picture is the last row in memory of a bottom-up DIB.
    const bool bottomUp = infoHeader->biHeight > 0;
    const BYTE* topRow = bottomUp ? bits + (height - 1) * stride : bits;
    CSafeFileWriter writer;
    if (!writer.Open(path) || writer.Stream() == nullptr)
        return kJpegWriteFailed;
    if (!EncodeJpegRows(writer.Stream(), topRow, bottomUp ? -stride : stride, infoHeader->biWidth, height,
            infoHeader->biBitCount == 32, quality)) {
        writer.Abandon();
        return kJpegWriteFailed;
    }
    return writer.Commit() ? kJpegWritten : kJpegWriteFailed;
}

int SaveJpegOrOtherFile(const QString& path, const DibSaveSource& source, BYTE* code)
{
    const QString extension = GetFileExtension(path).toLower();
    const bool jpeg = extension == "jpg" || extension == "jpeg";
    return SaveJpegOrOtherFile(path, source, code, jpeg ? AskJpegQuality() : 0);
}

int SaveJpegOrOtherFile(const QString& path, const DibSaveSource& source, BYTE* code, int quality)
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
        if (WriteJpegFile(path, &picture.infoHeader, picture.bits, std::clamp(quality, 1, 100)) !=
            kJpegWriteFailed)
            saved = true;
        else if (g_bShowImageErrors.load() != 1)
            saved = SaveByImageClass(path, picture);
    }
    if (!saved)
        *code = kJpegSaveFailed;
    return saved ? 1 : 0;
}
