// The view stage's holder: the image plus two undo copies. Copy 2 keeps the
// picture as it was loaded (the reset source); copy 1 is the base from which
// edits are computed. Both have the image's bit count and colour-table size.
#pragma once

#include "imaging/load_bitmap_for_dlg.h"

#include <cstdint>

class CLoadBitmapDlg_DupMem : public CLoadBitmap_for_Dlg {
public:
    CLoadBitmapDlg_DupMem() = default;
    ~CLoadBitmapDlg_DupMem() override;

    // Makes both copies hold bytes of pixels (of undefined content) and a
    // colour table when the depth has one; pixel blocks of a fitting size are
    // kept, others released first. 1, or 0 with both released.
    int AllocDuplicates(std::uint32_t bytes, int bpp);
    void FreeDuplicates();
    void SaveToDup1();
    void CopyDup1ToDup2();
    // 1, or 0 when memory runs out (copy 1 then unchanged).
    int CopyDup2ToDup1();
    // Puts copy 1 back into the image; headers (and bfSize) follow its size.
    // 1, or 0 when memory runs out (the image is then unchanged).
    int RestoreFromDup1();
    // Copy 1 becomes a w x h block of bytes; 1, or 0 (block null) when memory
    // runs out.
    int AllocEditBuffer(int w, int h, std::uint32_t bytes);
    // The display bitmap (CreateBitmap) made from copy 1, the picture on
    // screen, with its colour table; 1, or 0 (surfaces unchanged).
    int CreateBitmapFromDup1(HDC hdc);

    BYTE* dup1Palette = nullptr;
    BYTE* dup2Palette = nullptr;
    BYTE* dup1Bits = nullptr;
    BYTE* dup2Bits = nullptr;
    std::uint32_t currentBytes = 0;
    WORD dupBitCount = 0;
    WORD dupPaletteBytes = 0;
    LONG dup1Width = 0;
    LONG dup1Height = 0;
    LONG dup2Width = 0;
    LONG dup2Height = 0;
    std::uint32_t dup1Bytes = 0;
    std::uint32_t dup2Bytes = 0;

    // Turns 32-bit undo copies into 24 bits where they lie.
    void ConvertDuplicatesTo24();

private:
    void CopyPalette(BYTE* dst, const BYTE* src) const;

    // Allocated sizes of the two pixel blocks (the byte counts may be smaller).
    std::uint32_t dup1Capacity = 0;
    std::uint32_t dup2Capacity = 0;
};

// Turns a 32-bit image and its undo copies into 24 bits where they lie
// (used before a JPEG save): no block is moved or released, so every view of
// the pixels stays valid whatever the save gives. 1, or 0 when the image is
// not a 32-bit one (then nothing changes).
int ConvertDib32To24(CLoadBitmapDlg_DupMem* holder);
