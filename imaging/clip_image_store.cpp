#include "imaging/clip_image_store.h"

#include "core/system_figures.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dib.h"

#include <cstring>
#include <new>

CClipImageSlot::CClipImageSlot(BYTE slotIndex)
{
    Reset(slotIndex);
}

CClipImageSlot::~CClipImageSlot()
{
    Release();
}

void CClipImageSlot::Release()
{
    delete[] reinterpret_cast<BYTE*>(colorBlock);
    colorBlock = nullptr;
    colorBlockSize = 0;
    delete[] bits;
    bits = nullptr;
    if (dib) {
        DeleteObject(dib);
        dib = nullptr;
    }
    if (memDC) {
        DeleteDC(memDC);
        memDC = nullptr;
    }
}

void CClipImageSlot::Reset(BYTE slotIndex)
{
    Release();
    index = slotIndex;
    fileHeader = BITMAPFILEHEADER{};
    std::memset(infoHeaderArea, 0, sizeof(BITMAPINFOHEADER));
}

int CClipImageSlot::AllocBits()
{
    delete[] bits;
    bits = nullptr;
    if (fileHeader.bfSize == 0 || fileHeader.bfSize <= fileHeader.bfOffBits)
        return 0;
    bits = new (std::nothrow) BYTE[fileHeader.bfSize - fileHeader.bfOffBits]();
    return bits ? 1 : 0;
}

BITMAPINFO* CClipImageSlot::AllocColorTable()
{
    delete[] reinterpret_cast<BYTE*>(colorBlock);
    colorBlock = nullptr;
    colorBlockSize = 0;
    DWORD size = 0;
    if (infoHeader.biBitCount == 8)
        size = 40 + 256 * 4;
    else if (infoHeader.biBitCount == 24 || infoHeader.biBitCount == 32)
        size = sizeof(BITMAPINFO);
    if (size == 0)
        return nullptr;
    BYTE* block = new (std::nothrow) BYTE[size]();
    if (!block)
        return nullptr;
    colorBlock = reinterpret_cast<BITMAPINFO*>(block);
    colorBlockSize = size;
    return colorBlock;
}

int CClipImageSlot::CreateBitmap(HDC hdc, int skip)
{
    if (skip == 1)
        return 0;
    HDC dc = CreateCompatibleDC(hdc);
    if (!dc)
        return 0;
    HBITMAP bitmap = CreateDIBitmap(hdc, &infoHeader, CBM_INIT, bits, colorBlock, DIB_RGB_COLORS);
    if (!bitmap) {
        DeleteDC(dc);
        return 0;
    }
    if (dib)
        DeleteObject(dib);
    if (memDC)
        DeleteDC(memDC);
    memDC = dc;
    dib = bitmap;
    return 1;
}

void CClipImageSlot::Paint(HDC hdc, HWND /*hwnd*/, const RECT& dst, const RECT& src)
{
    // The DC given is the window's own surface, so no paint bracket is
    // needed; brushes are solid, so HALFTONE needs no brush origin either.
    if (!memDC || !dib || !colorBlock || !hdc)
        return;
    HGDIOBJ previous = SelectObject(memDC, dib);
    const int previousMode = SetStretchBltMode(hdc, GetStretchBltModeSetting());
    StretchBlt(hdc, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, memDC, src.left, src.top,
        src.right - src.left, src.bottom - src.top, SRCCOPY);
    SetStretchBltMode(hdc, previousMode);
    if (previous)
        SelectObject(memDC, previous);
}

DibSaveSource CClipImageSlot::GetSaveSource() const
{
    DibSaveSource s;
    s.memDC = memDC;
    s.ddb = dib;
    s.info = colorBlock;
    s.fileHeader = &fileHeader;
    s.infoHeader = &infoHeader;
    s.bits = bits;
    return s;
}

CClipImageStore::~CClipImageStore()
{
    for (CClipImageSlot*& slot : slots) {
        delete slot;
        slot = nullptr;
    }
}

BYTE CClipImageStore::AllocFreeSlot()
{
    for (int i = 0; i < kSlotCount; ++i) {
        if (!slots[i]) {
            slots[i] = new CClipImageSlot(static_cast<BYTE>(i));
            return static_cast<BYTE>(i);
        }
    }
    return kNoSlot;
}

CClipImageSlot* CClipImageStore::GetSlot(BYTE index) const
{
    return index < kSlotCount ? slots[index] : nullptr;
}

int CClipImageStore::FreeSlot(BYTE index)
{
    if (index >= kSlotCount || !slots[index])
        return 0;
    delete slots[index];
    slots[index] = nullptr;
    return 1;
}
