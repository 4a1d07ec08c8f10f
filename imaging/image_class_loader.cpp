#include "imaging/image_class_loader.h"

#include "imaging/dib_helpers.h"
#include "imaging/image_messages.h"
#include "imaging/image_settings.h"

#include <cstdlib>
#include <cstring>

int LoadHolderByImageClass(CLoadBitmap_for_Dlg* holder, const BYTE* data, std::size_t size)
{
    CImage image;
    const int maxWidth = ImageSettingMaxWidth();
    const int maxHeight = ImageSettingMaxHeight();
    const int result = data != nullptr ? image.Load(data, size, maxWidth, maxHeight)
                                       : image.Load(holder->path.Path(), maxWidth, maxHeight);
    if (result == CImage::kTooLarge) {
        ShowImageMessage(QStringLiteral("Kestrelが扱える画像サイズを超えています。"));
        return 0;
    }
    if (result < 0) {
        if (g_bShowImageErrors.load() == 1)
            ShowImageMessage(QStringLiteral("ファイルの読み込みに失敗しました。"));
        return 0;
    }
    if (!ImageToHolder(image, holder)) {
        ShowImageMessage(QStringLiteral("ファイルを読み込む為のメモリが不足しています。"));
        return 0;
    }
    return 1;
}

bool ImageToHolder(const CImage& image, CLoadBitmap* holder)
{
    const int w = image.GetWidth();
    const int h = image.GetHeight();
    const int bpp = image.GetBPP();
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    if (!InitDibHeaders(&fh, &ih, w, h, bpp, 0, 0, 0))
        return false;
    const std::uint32_t infoBytes = bpp == 8 ? 40 + 1024 : 44;
    auto* info = static_cast<BITMAPINFO*>(std::calloc(infoBytes, 1));
    auto* bits = static_cast<BYTE*>(std::calloc(ih.biSizeImage, 1));
    if (info == nullptr || bits == nullptr) {
        std::free(info);
        std::free(bits);
        return false;
    }
    CopyInfoHeader(&info->bmiHeader, &ih);
    if (bpp == 8)
        image.GetColorTable(0, 256, info->bmiColors);
    const std::uint32_t stride = GetDibStride(bpp, w);
    const std::size_t used = static_cast<std::size_t>(w) * (bpp / 8);
    for (int y = 0; y < h; ++y)
        std::memcpy(bits + static_cast<std::size_t>(h - 1 - y) * stride, image.GetRow(y), used);

    holder->CLoadBitmap::Free();
    holder->fileHeader = fh;
    std::memset(holder->infoHeaderArea, 0, sizeof holder->infoHeaderArea);
    holder->infoHeader = ih;
    holder->info = info;
    holder->infoSize = infoBytes;
    holder->bits = bits;
    return true;
}

int FillImageFromDib(CImage* image, const CLoadBitmap& holder)
{
    const int w = holder.infoHeader.biWidth;
    const int rawHeight = holder.infoHeader.biHeight;
    const int h = rawHeight < 0 ? -rawHeight : rawHeight;
    const int bpp = holder.infoHeader.biBitCount;
    if (holder.bits == nullptr || !image->Create(w, h, bpp))
        return 0;
    if (bpp == 8 && holder.info != nullptr && holder.ColorTableSize() >= 1024)
        image->SetColorTable(0, 256, holder.info->bmiColors);
    const std::uint32_t stride = GetDibStride(bpp, w);
    const std::size_t used = static_cast<std::size_t>(w) * (bpp / 8);
    for (int y = 0; y < h; ++y) {
        const int memoryRow = rawHeight < 0 ? y : h - 1 - y;
        std::memcpy(image->GetRow(y), holder.bits + static_cast<std::size_t>(memoryRow) * stride, used);
    }
    if (bpp == 32) {
        // The fourth byte of a DIB pixel carries no colour.
        for (int y = 0; y < h; ++y) {
            BYTE* row = image->GetRow(y);
            for (int x = 0; x < w; ++x)
                row[x * 4 + 3] = 0xFF;
        }
    }
    return 1;
}
