#include "imaging/load_bitmap_dup_mem.h"

#include "imaging/dib_helpers.h"
#include "platform/gdi/gdi_dib.h"
#include "platform/system/picture_block.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

void Release(BYTE*& p)
{
    std::free(p);
    p = nullptr;
}

BYTE* AllocBlock(std::uint32_t bytes)
{
    return static_cast<BYTE*>(AllocZeroedPictureBlock(bytes));
}

// For blocks that are filled at once.
BYTE* AllocUnfilledBlock(std::uint32_t bytes)
{
    return static_cast<BYTE*>(AllocPictureBlock(bytes));
}

// Makes block hold at least bytes; the old content is dropped. false when
// memory runs out (block and its content are then kept).
bool EnsureBlock(BYTE*& block, std::uint32_t& capacity, std::uint32_t bytes)
{
    if (block != nullptr && capacity >= bytes)
        return true;
    BYTE* fresh = AllocUnfilledBlock(bytes);
    if (fresh == nullptr)
        return false;
    Release(block);
    block = fresh;
    capacity = bytes;
    return true;
}

// Releases block unless it holds at least bytes and at most twice as many.
void KeepFittingBlock(BYTE*& block, std::uint32_t& capacity, std::uint32_t bytes)
{
    if (block != nullptr && capacity >= bytes && capacity / 2 <= bytes)
        return;
    Release(block);
    capacity = 0;
}

}  // namespace

CLoadBitmapDlg_DupMem::~CLoadBitmapDlg_DupMem()
{
    FreeDuplicates();
}

int CLoadBitmapDlg_DupMem::AllocDuplicates(std::uint32_t bytes, int bpp)
{
    // Pixel blocks that fit are kept (their content is replaced at once by
    // the copies): a fresh large block costs a page fault for every page it is
    // written to, on every open. A block more than twice the size is given back.
    Release(dup1Palette);
    Release(dup2Palette);
    KeepFittingBlock(dup1Bits, dup1Capacity, bytes);
    KeepFittingBlock(dup2Bits, dup2Capacity, bytes);
    currentBytes = dup1Bytes = dup2Bytes = bytes;
    dupBitCount = static_cast<WORD>(bpp);
    dupPaletteBytes = static_cast<WORD>(ColorTableBytes(bpp));
    bool ok = true;
    if (dupPaletteBytes != 0) {
        dup1Palette = AllocBlock(dupPaletteBytes);
        dup2Palette = AllocBlock(dupPaletteBytes);
        ok = dup1Palette != nullptr && dup2Palette != nullptr;
    }
    ok = ok && EnsureBlock(dup1Bits, dup1Capacity, bytes) && EnsureBlock(dup2Bits, dup2Capacity, bytes);
    if (!ok) {
        FreeDuplicates();
        return 0;
    }
    return 1;
}

void CLoadBitmapDlg_DupMem::FreeDuplicates()
{
    Release(dup1Palette);
    Release(dup2Palette);
    Release(dup1Bits);
    Release(dup2Bits);
    dup1Capacity = dup2Capacity = 0;
}

void CLoadBitmapDlg_DupMem::CopyPalette(BYTE* dst, const BYTE* src) const
{
    if (dst != nullptr && src != nullptr && dupPaletteBytes != 0)
        std::memcpy(dst, src, dupPaletteBytes);
}

void CLoadBitmapDlg_DupMem::SaveToDup1()
{
    const std::uint32_t bytes = PixelBytes();
    if (bits == nullptr || !EnsureBlock(dup1Bits, dup1Capacity, bytes))
        return;
    if (info != nullptr && ColorTableSize() >= dupPaletteBytes)
        CopyPalette(dup1Palette, reinterpret_cast<const BYTE*>(info->bmiColors));
    std::memcpy(dup1Bits, bits, bytes);
    dup1Width = infoHeader.biWidth;
    dup1Height = infoHeader.biHeight;
    dup1Bytes = bytes;
}

void CLoadBitmapDlg_DupMem::CopyDup1ToDup2()
{
    if (dup1Bits == nullptr || !EnsureBlock(dup2Bits, dup2Capacity, dup1Bytes))
        return;
    CopyPalette(dup2Palette, dup1Palette);
    std::memcpy(dup2Bits, dup1Bits, dup1Bytes);
    dup2Width = dup1Width;
    dup2Height = dup1Height;
    dup2Bytes = dup1Bytes;
}

int CLoadBitmapDlg_DupMem::CopyDup2ToDup1()
{
    if (dup2Bits == nullptr)
        return 0;
    if (dup1Bytes != dup2Bytes || dup1Width != dup2Width || dup1Height != dup2Height) {
        if (!EnsureBlock(dup1Bits, dup1Capacity, dup2Bytes))
            return 0;
        dup1Width = dup2Width;
        dup1Height = dup2Height;
        dup1Bytes = dup2Bytes;
    }
    CopyPalette(dup1Palette, dup2Palette);
    std::memcpy(dup1Bits, dup2Bits, dup2Bytes);
    return 1;
}

int CLoadBitmapDlg_DupMem::RestoreFromDup1()
{
    if (dup1Bits == nullptr)
        return 0;
    if (infoHeader.biWidth != dup1Width || infoHeader.biHeight != dup1Height || PixelBytes() != dup1Bytes ||
        bits == nullptr) {
        BYTE* block = AllocBlock(dup1Bytes);
        if (block == nullptr)
            return 0;
        std::free(bits);
        bits = block;
        infoHeader.biWidth = dup1Width;
        infoHeader.biHeight = dup1Height;
        infoHeader.biSizeImage = dup1Bytes;
        // The file header follows, so that bfSize - bfOffBits stays the pixel size.
        fileHeader.bfSize = fileHeader.bfOffBits + dup1Bytes;
        if (info != nullptr)
            CopyInfoHeader(&info->bmiHeader, &infoHeader);
        currentBytes = dup1Bytes;
    }
    if (info != nullptr && ColorTableSize() >= dupPaletteBytes)
        CopyPalette(reinterpret_cast<BYTE*>(info->bmiColors), dup1Palette);
    std::memcpy(bits, dup1Bits, dup1Bytes);
    return 1;
}

int CLoadBitmapDlg_DupMem::AllocEditBuffer(int w, int h, std::uint32_t bytes)
{
    // The new block comes first: when memory runs out, copy 1 and its size
    // stay as they were instead of being lost.
    auto* block = AllocBlock(bytes);
    if (block == nullptr)
        return 0;
    Release(dup1Bits);
    dup1Bits = block;
    dup1Capacity = bytes;
    dup1Width = w;
    dup1Height = h;
    dup1Bytes = bytes;
    return 1;
}

int CLoadBitmapDlg_DupMem::CreateBitmapFromDup1(HDC hdc)
{
    if (dup1Bits == nullptr || dup1Width <= 0 || dup1Height == 0 || dupPaletteBytes > 1024 ||
        (dupPaletteBytes != 0 && dup1Palette == nullptr))
        return 0;
    // The rows the bitmap reads must lie inside the block.
    const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(static_cast<long long>(dup1Height)));
    if (static_cast<std::uint64_t>(DibStride(dup1Width, dupBitCount)) * rows > dup1Bytes)
        return 0;
    // Header and colour table of copy 1, laid out as a BITMAPINFO block.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } block{};
    BITMAPINFOHEADER& h = block.header;
    h.biSize = 40;
    h.biWidth = dup1Width;
    h.biHeight = dup1Height;
    h.biPlanes = 1;
    h.biBitCount = dupBitCount;
    h.biCompression = BI_RGB;
    h.biSizeImage = dup1Bytes;
    h.biClrUsed = dupPaletteBytes / 4;
    if (dupPaletteBytes != 0)
        std::memcpy(block.colors, dup1Palette, dupPaletteBytes);
    return CreateBitmapFrom(hdc, &h, reinterpret_cast<const BITMAPINFO*>(&block), dup1Bits);
}

int ConvertDib32To24(CLoadBitmapDlg_DupMem* holder)
{
    const LONG w = holder->infoHeader.biWidth;
    const LONG h = std::abs(holder->infoHeader.biHeight);
    if (holder->infoHeader.biBitCount != 32 || holder->bits == nullptr || w <= 0 || h <= 0)
        return 0;
    // Each block is converted where it lies: 24-bit rows are shorter, so
    // every byte is written at or before the place it was read from, and all
    // views of the image and of the undo copies stay valid.
    Copy32To24Rows(w, h, holder->bits, holder->bits);
    holder->ConvertDuplicatesTo24();

    const std::uint32_t imageBytes = GetDibStride(24, w) * static_cast<std::uint32_t>(h);
    holder->infoHeader.biSize = 40;
    holder->infoHeader.biBitCount = 24;
    holder->infoHeader.biSizeImage = imageBytes;
    holder->fileHeader.bfOffBits = 54;
    holder->fileHeader.bfSize = imageBytes + 54;
    holder->currentBytes = imageBytes;
    if (holder->info != nullptr)
        CopyInfoHeader(&holder->info->bmiHeader, &holder->infoHeader);
    return 1;
}

void CLoadBitmapDlg_DupMem::ConvertDuplicatesTo24()
{
    if (dupBitCount != 32)
        return;
    dupBitCount = 24;
    if (dup1Bits != nullptr && dup1Width > 0 && dup1Height > 0) {
        Copy32To24Rows(dup1Width, dup1Height, dup1Bits, dup1Bits);
        dup1Bytes = GetDibStride(24, dup1Width) * static_cast<std::uint32_t>(dup1Height);
    }
    if (dup2Bits != nullptr && dup2Width > 0 && dup2Height > 0) {
        Copy32To24Rows(dup2Width, dup2Height, dup2Bits, dup2Bits);
        dup2Bytes = GetDibStride(24, dup2Width) * static_cast<std::uint32_t>(dup2Height);
    }
}
