// Reading a BMP file into a holder. The holder keeps a normalised image: a
// 40-byte info header, positive height (bottom-up rows), bfOffBits 54 or 1078
// and bfSize that matches the rows; it is changed only when the read succeeds.
#include "core/raw_file.h"
#include "imaging/bmp_file.h"
#include "imaging/dib_helpers.h"
#include "imaging/image_messages.h"
#include "imaging/image_settings.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "imaging/malloc_block.h"
#include "platform/system/positioned_io.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void FlipRows(BYTE* bits, std::uint32_t stride, int height)
{
    std::unique_ptr<BYTE[]> row(new BYTE[stride]);
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        BYTE* a = bits + static_cast<std::size_t>(top) * stride;
        BYTE* b = bits + static_cast<std::size_t>(bottom) * stride;
        std::memcpy(row.get(), a, stride);
        std::memcpy(a, b, stride);
        std::memcpy(b, row.get(), stride);
    }
}

}  // namespace

int CLoadBitmap_for_Dlg::ReadBmpFile(const QString& filePath)
{
    const bool show = showMessages == 1;
    CRawFile file;
    if (!file.OpenRead(filePath)) {
        // The text is formatted into a buffer of 521 characters.
        if (show)
            ShowImageMessage(QStringLiteral("Failure: Open File - %1").arg(filePath).left(520));
        return 0;
    }
    const int fd = file.Handle();
    BYTE head[kBmpHeadBytes] = {};
    const std::size_t headSize = ReadUpToAt(fd, head, sizeof head, 0);

    BmpLayout layout;
    switch (CheckBmpHeaders(head, headSize, static_cast<std::uint64_t>(file.Length()), ImageSettingMaxWidth(),
        ImageSettingMaxHeight(), &layout)) {
    case BmpHeaderCheck::Ok:
        break;
    case BmpHeaderCheck::Structure:
        return 0;
    case BmpHeaderCheck::Unsupported:
    case BmpHeaderCheck::Truncated:
        if (show)
            ShowImageMessage(QStringLiteral("対応していないBMPフォーマットです。"));
        return 0;
    case BmpHeaderCheck::TooLarge:
        if (show)
            ShowImageMessage(QStringLiteral("Kestrelが扱える画像サイズを超えています。"));
        return 0;
    }

    BITMAPINFOHEADER header;
    std::memcpy(&header, head + 14, sizeof header);
    header.biSize = 40;
    header.biHeight = layout.height;
    header.biSizeImage = layout.pixelBytes;
    header.biClrUsed = 0;
    header.biClrImportant = 0;
    if (ImageSettingForceSaveDpi()) {
        header.biXPelsPerMeter = BmpDpiPixelsPerMeter();
        header.biYPelsPerMeter = header.biXPelsPerMeter;
    }

    const std::uint32_t tableRoom = layout.bpp == 8 ? 1024 : 4;
    MallocBlock infoBlock(static_cast<BYTE*>(std::calloc(40 + tableRoom, 1)));
    if (!infoBlock) {
        if (show)
            ShowImageMessage(QStringLiteral("メモリ不足です。\n\nKestrelを終了して下さい。"));
        return 0;
    }
    CopyInfoHeader(reinterpret_cast<BITMAPINFOHEADER*>(infoBlock.get()), &header);
    if (layout.tableBytes > 0 &&
        !ReadExactlyAt(fd, infoBlock.get() + 40, layout.tableBytes, static_cast<off_t>(layout.tableOffset)))
        return 0;

    MallocBlock pixels(static_cast<BYTE*>(std::malloc(layout.pixelBytes)));
    if (!pixels) {
        if (show)
            ShowImageMessage(QStringLiteral("ファイルを読み込む為のメモリが不足しています。"));
        return 0;
    }
    if (!ReadExactlyAt(fd, pixels.get(), layout.pixelBytes, static_cast<off_t>(layout.pixelOffset))) {
        if (show)
            ShowImageMessage(QStringLiteral("対応していないBMPフォーマットです。"));
        return 0;
    }
    if (layout.topDown)
        FlipRows(pixels.get(), layout.stride, layout.height);

    // Everything was read: the holder takes the new image.
    CLoadBitmap::Free();
    const DWORD offset = layout.bpp == 8 ? 54 + 1024 : 54;
    fileHeader.bfType = kBitmapFileType;
    fileHeader.bfOffBits = offset;
    fileHeader.bfSize = offset + layout.pixelBytes;
    fileHeader.bfReserved1 = 0;
    fileHeader.bfReserved2 = 0;
    std::memset(infoHeaderArea, 0, sizeof infoHeaderArea);
    infoHeader = header;
    info = reinterpret_cast<BITMAPINFO*>(infoBlock.release());
    infoSize = 40 + tableRoom;
    bits = pixels.release();
    return 1;
}
