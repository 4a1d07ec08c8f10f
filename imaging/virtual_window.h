// The off-screen drawing buffer of flicker-free windows: a memory DC with a
// bitmap and a background colour. The owner draws into the memory DC, then
// copies the picture to its window in one block transfer, opaquely or with
// the background colour keyed out. Results are 1 for success, 0 for failure.
#pragma once

#include "platform/gdi/gdi.h"

class CVirtualWindow {
public:
    CVirtualWindow();
    ~CVirtualWindow();
    CVirtualWindow(const CVirtualWindow&) = delete;
    CVirtualWindow& operator=(const CVirtualWindow&) = delete;

    // Stores the colour; with a bitmap in place also selects a brush of it.
    int SetBackColor(COLORREF color);
    COLORREF GetBackColor() const { return m_backColor; }
    // Builds the buffer of (right - left) x (bottom - top) pixels compatible
    // with dc and fills it with the background colour. An existing DC or
    // bitmap stays as it is (Free first to change the size).
    int Create(CDC* dc, const RECT& rect);
    int Create(CDC* dc, int left, int top, int right, int bottom)
    {
        return Create(dc, RECT{left, top, right, bottom});
    }
    // Fills (right - left) x (bottom - top) pixels from (0, 0) with the background colour.
    int Clear(const RECT& rect);
    // Copies that area of the screen to (0, 0) of the buffer.
    int GrabScreen(const RECT& screenRect);
    // Opaque copy of the size of rect from the source point of the buffer to (x, y).
    int DrawTo(CDC* dst, int x, int y, const RECT& rect, POINT source = POINT{0, 0});
    // Copies from (0, 0) to (1, 1) of dst, leaving a border for the owner's frame;
    // opaque 1 copies opaquely, any other value keys the background colour out.
    int DrawInFrame(CDC* dst, const RECT& rect, int opaque);
    // As DrawInFrame, to (inset, inset).
    int DrawInset(CDC* dst, const RECT& rect, int inset, int opaque);
    void Free();

    // The memory DC the owner draws into.
    CDC* GetMemDC() { return &m_memDC; }
    BOOL IsCreated() const { return m_created; }

private:
    CDC m_memDC;
    CBitmap m_bitmap;
    BOOL m_created = 0;
    COLORREF m_backColor;
    CBrush m_brush;  // the background brush selected into the memory DC

    int CopyTo(
        CDC* dst, int x, int y, const RECT& rect, POINT source, bool opaque, const char* missingMessage);
};
