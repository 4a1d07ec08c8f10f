#include "platform/gdi/gdi_icons.h"
#include "platform/gdi/gdi_dc.h"

#include <QPainter>

HICON CreateIconFromImage(const QImage& image, POINT hotspot)
{
    if (image.isNull())
        return nullptr;
    return new GdiIcon{image.convertToFormat(QImage::Format_ARGB32_Premultiplied), hotspot};
}

BOOL DestroyIcon(HICON icon)
{
    delete icon;
    return icon != nullptr;
}

BOOL GetIconInfo(HICON icon, ICONINFO* info)
{
    if (!icon || !info)
        return FALSE;
    const int w = icon->image.width(), h = icon->image.height();
    HBITMAP color = CreateCompatibleBitmap(nullptr, w, h);
    HBITMAP mask = CreateCompatibleBitmap(nullptr, w, h);
    if (!color || !mask) {
        DeleteObject(color);
        DeleteObject(mask);
        return FALSE;
    }
    const QImage straight = icon->image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* c = reinterpret_cast<QRgb*>(color->image.scanLine(y));
        auto* m = reinterpret_cast<QRgb*>(mask->image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            c[x] = in[x] | 0xFF000000u;
            m[x] = qAlpha(in[x]) == 0 ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    info->fIcon = TRUE;
    info->xHotspot = static_cast<DWORD>(icon->hotspot.x);
    info->yHotspot = static_cast<DWORD>(icon->hotspot.y);
    info->hbmColor = color;
    info->hbmMask = mask;
    return TRUE;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT flags)
{
    if (!dc || !dc->target || !icon)
        return FALSE;
    QImage picture = icon->image;
    if (!(flags & DI_DEFAULTSIZE) && cx > 0 && cy > 0 && (cx != picture.width() || cy != picture.height()))
        picture = picture.scaled(cx, cy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(dc->target);
    if (dc->st.clip)
        p.setClipRegion(*dc->st.clip);
    p.translate(dc->st.origin);
    p.drawImage(x, y, picture);
    return TRUE;
}
