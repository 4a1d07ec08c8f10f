// The images behind the clip windows: up to twelve slots, each one packed DIB
// with the memory DC and bitmap it is painted from. Single slots also serve
// as scratch images (the resized copy, the zoom lens).
#pragma once

#include "imaging/dib_save_source.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/types/dib_types.h"
#include "platform/types/hwnd.h"

#include <cstdint>

class CClipImageSlot {
public:
    CClipImageSlot() : CClipImageSlot(0) { }
    explicit CClipImageSlot(BYTE slotIndex);
    ~CClipImageSlot();
    CClipImageSlot(const CClipImageSlot&) = delete;
    CClipImageSlot& operator=(const CClipImageSlot&) = delete;

    // Releases everything held and clears both headers.
    void Reset(BYTE slotIndex);
    // bfSize - bfOffBits bytes (zeroed); 1, or 0 when the file header
    // describes no pixels or memory runs out.
    int AllocBits();
    // 1064 bytes at 8 bits (header and 256 entries), 44 at 24 and 32 bits,
    // none at other depths; the block, or null.
    BITMAPINFO* AllocColorTable();
    // Makes the memory DC and the bitmap from the pixels (skip 1: nothing,
    // result 0). 1, or 0 with the previous DC and bitmap kept.
    int CreateBitmap(HDC hdc, int skip);
    // Stretches the src part of the slot onto dst of hdc, smoothly or by
    // nearest pixel as the ImageComplement setting says.
    void Paint(HDC hdc, HWND hwnd, const RECT& dst, const RECT& src);
    // The slot as the input of the image file writers.
    DibSaveSource GetSaveSource() const;

    BYTE index = 0;
    BYTE* bits = nullptr;
    BITMAPINFO* colorBlock = nullptr;
    BITMAPFILEHEADER fileHeader{};
    union {
        BITMAPINFOHEADER infoHeader{};
        BYTE infoHeaderArea[124];
    };
    DWORD colorBlockSize = 0;
    HDC memDC = nullptr;
    HBITMAP dib = nullptr;

private:
    void Release();
};

class CClipImageStore {
public:
    static constexpr int kSlotCount = 12;
    static constexpr BYTE kNoSlot = 0xFF;

    CClipImageStore() = default;
    ~CClipImageStore();
    CClipImageStore(const CClipImageStore&) = delete;
    CClipImageStore& operator=(const CClipImageStore&) = delete;

    // The lowest free index gets a new slot; kNoSlot when all twelve are taken.
    BYTE AllocFreeSlot();
    CClipImageSlot* GetSlot(BYTE index) const;
    // 1 when a slot was freed; 0 for kNoSlot, an empty slot or an index
    // outside the store.
    int FreeSlot(BYTE index);

private:
    // The thirteenth pointer is never filled.
    CClipImageSlot* slots[kSlotCount + 1] = {};
};
