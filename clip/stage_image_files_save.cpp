// The stage's savers. Each writes undo copy 1 (the pixels on screen) under
// headers made for it here, so that no offset or table size the loaded file
// happened to carry reaches the new file.
#include "clip/stage_image_files.h"

#include "imaging/bmp_file.h"
#include "imaging/dib_helpers.h"
#include "imaging/jpeg_file.h"
#include "imaging/jpeg_quality_ask.h"
#include "platform/dialog/msgbox.h"
#include "platform/image/image_class.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Copy 1 of a holder as a packed DIB: fresh headers and colour table over
// copy 1's own rows (not copied).
class ScreenPicture {
public:
    // false when the holder has no copy 1 or its size and depth do not
    // describe the block it holds.
    bool Take(const CLoadBitmapDlg_DupMem& holder)
    {
        const int bpp = holder.dupBitCount;
        const LONG w = holder.dup1Width;
        const LONG h = std::abs(holder.dup1Height);
        if (holder.dup1Bits == nullptr || w <= 0 || h <= 0)
            return false;
        if (!InitDibHeaders(&m_fileHeader, &m_infoHeader, w, h, bpp, 0, holder.infoHeader.biXPelsPerMeter,
                holder.infoHeader.biYPelsPerMeter))
            return false;
        if (holder.dup1Bytes < m_infoHeader.biSizeImage)
            return false;
        m_infoHeader.biHeight = holder.dup1Height;  // keeps the row order of copy 1
        const std::uint32_t tableBytes = ColorTableBytes(bpp);
        m_info.assign(sizeof(BITMAPINFOHEADER) + tableBytes, 0);
        std::memcpy(m_info.data(), &m_infoHeader, sizeof m_infoHeader);
        if (tableBytes != 0) {
            if (holder.dup1Palette == nullptr || holder.dupPaletteBytes < tableBytes)
                return false;
            std::memcpy(m_info.data() + sizeof(BITMAPINFOHEADER), holder.dup1Palette, tableBytes);
        }
        m_bits = holder.dup1Bits;
        return true;
    }

    DibSaveSource Source() const
    {
        DibSaveSource source;
        source.info = Info();
        source.fileHeader = &m_fileHeader;
        source.infoHeader = &m_infoHeader;
        source.bits = m_bits;
        return source;
    }

    const BITMAPINFOHEADER& InfoHeader() const { return m_infoHeader; }
    const BYTE* Bits() const { return m_bits; }

    // The picture as an image-class picture of the same depth, top row first.
    bool FillImage(CImage* image) const
    {
        const int w = m_infoHeader.biWidth;
        const int h = std::abs(m_infoHeader.biHeight);
        const int bpp = m_infoHeader.biBitCount;
        if (!image->Create(w, h, bpp))
            return false;
        if (bpp == 8)
            image->SetColorTable(0, 256, Info()->bmiColors);
        const std::uint32_t stride = GetDibStride(bpp, w);
        const std::size_t used = static_cast<std::size_t>(w) * (bpp / 8);
        const bool topDown = m_infoHeader.biHeight < 0;
        for (int y = 0; y < h; ++y) {
            const int memoryRow = topDown ? y : h - 1 - y;
            BYTE* row = image->GetRow(y);
            std::memcpy(row, m_bits + static_cast<std::size_t>(memoryRow) * stride, used);
            if (bpp == 32) {
                for (int x = 0; x < w; ++x)
                    row[x * 4 + 3] = 0xFF;  // the fourth byte of a DIB pixel carries no colour
            }
        }
        return true;
    }

private:
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(m_info.data()); }

    BITMAPFILEHEADER m_fileHeader{};
    BITMAPINFOHEADER m_infoHeader{};
    std::vector<BYTE> m_info;  // 40-byte header and the depth's colour table
    const BYTE* m_bits = nullptr;
};

}  // namespace

int SaveBmpFile(CLoadBitmapDlg_DupMem* holder, const QString& path)
{
    ScreenPicture picture;
    if (!picture.Take(*holder))
        return 0;
    BYTE code = 0;
    return SaveBmpFile(path, picture.Source(), &code) == 1 ? 1 : 0;
}

int SaveJpegFile(CLoadBitmapDlg_DupMem* holder, const QString& path, bool* converted)
{
    if (converted != nullptr)
        *converted = false;
    if (holder->dup1Bits == nullptr)
        return 0;
    const int quality = AskJpegQuality();
    if (holder->infoHeader.biBitCount == 32 && ConvertDib32To24(holder) == 1 && converted != nullptr)
        *converted = true;
    ScreenPicture picture;
    if (holder->infoHeader.biBitCount != 24 || holder->dupBitCount != 24 || !picture.Take(*holder)) {
        MessageBoxW(nullptr, QStringLiteral("このフォーマットのJPEG保存には対応していません。"),
            QStringLiteral("Kestrel"), MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    return WriteJpegFile(path, &picture.InfoHeader(), picture.Bits(), quality) == kJpegWriteFailed ? 0 : 1;
}

int SaveImageByGdiplus(CLoadBitmapDlg_DupMem* holder, const QString& path)
{
    ScreenPicture picture;
    CImage image;
    if (!picture.Take(*holder) || !picture.FillImage(&image))
        return 0;
    return image.Save(path) >= 0 ? 1 : 0;
}

int SaveTiffFile(CLoadBitmapDlg_DupMem* holder, const QString& path)
{
    return SaveImageByGdiplus(holder, path);
}
