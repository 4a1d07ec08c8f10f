#include "imaging/image_file_loaders.h"

#include "imaging/dib_helpers.h"
#include "imaging/image_class_loader.h"
#include "imaging/image_messages.h"
#include "imaging/image_settings.h"
#include "imaging/jpeg_file.h"
#include "imaging/png_codec.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void ShowCaption(const LoadedCaption& caption)
{
    if (caption)
        caption();
}

bool ShowsReadErrors()
{
    return g_bShowImageErrors.load() == 1;
}

QString JpegLoadMessage(int code)
{
    switch (code) {
    case kJpegCannotOpen:
        return QStringLiteral("JEPEG : ファイルの読み込みに失敗しました。");
    case kJpegFallbackFailed:
        return QStringLiteral("JEPEG : 未サポートのフォーマットです。");
    case kJpegDamaged:
        return QStringLiteral("JEPEG : 不正なフォーマットです。");
    case kJpegNoMemory:
        return QStringLiteral("JEPEG : メモリの確保に失敗しました。");
    default:
        return QString();  // the size text was shown by the decoder
    }
}

// Completes the file header of a DIB read from a PNG file.
void CompletePngFileHeader(CLoadBitmap* holder)
{
    const BITMAPINFOHEADER& ih = holder->infoHeader;
    const int bpp = ih.biBitCount;
    const DWORD offset = bpp == 24 || bpp == 32 ? 14 + NormalizeInfoHeaderSize(ih.biSize) : 14 + 40 + 1024;
    const LONG height = ih.biHeight < 0 ? -ih.biHeight : ih.biHeight;
    BITMAPFILEHEADER& fh = holder->fileHeader;
    fh.bfType = kBitmapFileType;
    fh.bfReserved1 = 0;
    fh.bfReserved2 = 0;
    fh.bfOffBits = offset;
    fh.bfSize = offset + GetDibStride(bpp, ih.biWidth) * static_cast<DWORD>(height);
}

}  // namespace

int HolderDepthOfImage(const CImage& image)
{
    switch (image.GetBPP()) {
    case 8:
        return 8;
    case 32:
        return image.HasAlphaChannel() ? 32 : 24;
    default:
        return 24;
    }
}

int ImageToBuffer(const CImage& image, CLoadBitmap* holder, int bpp)
{
    if (image.IsNull())
        return 0;
    if (image.GetBPP() == bpp)
        return ImageToHolder(image, holder) ? 1 : 0;
    QImage::Format format = QImage::Format_Invalid;
    if (bpp == 24)
        format = QImage::Format_BGR888;
    else if (bpp == 32)
        format = image.HasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    if (format == QImage::Format_Invalid)
        return 0;
    CImage converted;
    converted.SetImage(image.Image().convertToFormat(format));
    if (converted.IsNull())
        return 0;
    return ImageToHolder(converted, holder) ? 1 : 0;
}

int LoadImageByGdiplus(CLoadBitmap_for_Dlg* holder, const LoadedCaption& caption)
{
    CImage image;
    const int result = image.Load(holder->path.Path(), ImageSettingMaxWidth(), ImageSettingMaxHeight());
    if (result == CImage::kTooLarge) {
        ShowImageMessage(QStringLiteral("Kestrelが扱える画像サイズを超えています。"));
        return 0;
    }
    if (result < 0) {
        if (ShowsReadErrors())
            ShowImageMessage(QStringLiteral("ファイルの読み込みに失敗しました。"));
        return 0;
    }
    if (ImageToBuffer(image, holder, HolderDepthOfImage(image)) != 1) {
        ShowImageMessage(QStringLiteral("ファイルを読み込む為のメモリが不足しています。"));
        return 0;
    }
    ShowCaption(caption);
    return 1;
}

int LoadJpegImage(
    const LoadedCaption& caption, CLoadBitmap_for_Dlg* holder, const BYTE* data, std::size_t size)
{
    const int code = LoadJpegFile(holder, data, size);
    if (code == kJpegDecoded) {
        ShowCaption(caption);
        return 1;
    }
    const QString message = JpegLoadMessage(code);
    if (ShowsReadErrors() && !message.isEmpty())
        ShowImageMessage(message);
    return 0;
}

int LoadPngImage(CLoadBitmap_for_Dlg* holder, CPngTransparency* transparency, const LoadedCaption& caption)
{
    std::FILE* file = std::fopen(QFile::encodeName(holder->path.Path()).constData(), "rb");
    if (file == nullptr) {
        transparency->Clear();
        return 0;
    }
    // Read aside first: a file that is not a readable PNG leaves the holder's
    // picture as it was.
    BITMAPINFO* info = nullptr;
    BYTE* bits = nullptr;
    BYTE headerArea[124];
    CPngCodec codec;
    const int read = codec.ReadPng(file, &info, headerArea, &bits, transparency);
    std::fclose(file);
    if (read != 1) {
        transparency->Clear();
        return 0;
    }
    holder->CLoadBitmap::Free();
    std::memcpy(holder->infoHeaderArea, headerArea, sizeof headerArea);
    holder->info = info;
    holder->bits = bits;
    holder->infoSize = 40 + ColorTableBytes(holder->infoHeader.biBitCount);
    if (holder->infoSize == 40)
        holder->infoSize = 44;  // the block of a true-colour picture
    CompletePngFileHeader(holder);
    ShowCaption(caption);
    return 1;
}

int LoadImageFile(const QString& ext, CLoadBitmap_for_Dlg* holder, CPngTransparency* transparency,
    const LoadedCaption& caption)
{
    const QString e = ext.toLower();
    if (e == QLatin1String("png"))
        return LoadPngImage(holder, transparency, caption) == 1 ? 1 : LoadImageByGdiplus(holder, caption);
    transparency->Clear();
    if (e == QLatin1String("bmp"))
        return holder->Reload();
    if (e == QLatin1String("jpg") || e == QLatin1String("jpeg"))
        return LoadJpegImage(caption, holder, nullptr, 0);
    if (e == QLatin1String("tif") || e == QLatin1String("tiff") || e == QLatin1String("gif"))
        return LoadImageByGdiplus(holder, caption);
    return 0;
}
