// Icons: a picture with transparency and a hot spot (cursors are icons too).
// Drawn over what is below with DrawIconEx.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/types/messages.h"

struct GdiIcon {
    QImage image;  // Format_ARGB32_Premultiplied
    POINT hotspot;
};
using HICON = GdiIcon*;
using HCURSOR = HICON;

struct ICONINFO {
    BOOL fIcon = TRUE;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask = nullptr;   // white where transparent, black where opaque
    HBITMAP hbmColor = nullptr;  // the colours (Format_RGB32)
};

inline constexpr UINT DI_MASK = 0x0001;
inline constexpr UINT DI_IMAGE = 0x0002;
inline constexpr UINT DI_NORMAL = 0x0003;
inline constexpr UINT DI_DEFAULTSIZE = 0x0008;
inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;
inline constexpr UINT STM_SETICON = 0x0170;
inline constexpr UINT STM_GETICON = 0x0171;

// An icon from an image (any format; kept premultiplied); null for a null image.
HICON CreateIconFromImage(const QImage& image, POINT hotspot = POINT{0, 0});
BOOL DestroyIcon(HICON icon);
// The caller deletes the two bitmaps (DeleteObject).
BOOL GetIconInfo(HICON icon, ICONINFO* info);
// Draws the icon at (x, y), scaled to cx x cy unless they are 0 or DI_DEFAULTSIZE is given.
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flicker, UINT flags);
