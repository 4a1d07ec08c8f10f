// The record behind a device-context handle (HDC): where it draws and the
// drawing state that SelectObject and the Set* calls change. Internal to
// the drawing layer and the window layer.
#pragma once

#include "platform/gdi/gdi.h"

#include <QPoint>
#include <optional>
#include <vector>

struct GdiDcState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    std::optional<QRegion> clip;  // device coordinates
    QPoint origin;                // viewport origin: logical (0, 0) in device pixels
    POINT pos;
};

struct GdiDc {
    GdiDc();
    ~GdiDc();
    GdiDc(const GdiDc&) = delete;
    GdiDc& operator=(const GdiDc&) = delete;

    QImage* target = nullptr;  // surface drawn on
    HBITMAP bitmap = nullptr;  // memory DC: the selected bitmap
    GdiBitmap defaultBitmap;   // memory DC: the 1 x 1 bitmap it starts with
    HWND window = nullptr;     // window DC: the window whose surface this is
    bool memory = false;
    bool desktop = false;        // the screen's DC: no surface, every copy reads the live screen
    bool targetMayMove = false;  // nobody keeps the target's memory: a copy may replace it
    GdiDcState st;
    std::vector<GdiDcState> saved;
    CDC* wrapper = nullptr;
    CDC* tempWrapper = nullptr;
};

// A DC drawing on a window's surface.
HDC CreateSurfaceDc(QImage* surface, HWND window);

// The DC of the whole screen (the desktop window, "DISPLAY"). It has no
// surface of its own: each copy from it reads just the rectangle asked for
// from the screen as it is at that moment (DesktopBitBlt). Drawing on it, and
// stretched or keyed copies from it, fail.
HDC CreateDesktopDc();
// GetObject of a bitmap into a DIBSECTION; its size, or 0.
int GetDibSection(HBITMAP bitmap, DIBSECTION* out);

// BitBlt with the desktop DC as the source. A plain copy that replaces every
// pixel of a large target (a memory bitmap whose memory was not handed out,
// or a target that may move) hands it the memory the screen was read into;
// should that read fail, the target is left black.
BOOL DesktopBitBlt(HDC dst, int x, int y, int w, int h, HDC desktop, int sx, int sy, DWORD rop);

// The device-space rectangles a drawing at `rect` (device coordinates) may
// touch: rect within the image and the clip region.
QRegion DrawableRegion(const GdiDc& dc, const QRect& rect);

// Per-pixel mixing: ROP2 codes for pens and ROP3 codes for block transfers.
// Pixels are 0xFFRRGGBB; the results keep alpha at 0xFF.
QRgb MixRop2(int rop2, QRgb pen, QRgb dst);
QRgb MixRop3(DWORD rop, QRgb pattern, QRgb src, QRgb dst);
bool RopUsesSource(DWORD rop);
bool RopUsesPattern(DWORD rop);
