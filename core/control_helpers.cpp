#include "core/control_helpers.h"

#include <QImage>

void FillRectColor(CDC* dc, const RECT* rect, COLORREF color)
{
    if (!dc || !rect)
        return;
    CBrush brush;
    if (!brush.CreateSolidBrush(color))
        return;
    dc->FillRect(rect, &brush);
    brush.DeleteObject();
}

HBITMAP CopyBitmapHandle(CBitmap* out, HBITMAP source)
{
    if (!out || !source)
        return nullptr;
    const CBitmap* from = CBitmap::FromHandle(source);
    const QImage* image = from ? from->GetImage() : nullptr;
    if (!image || image->isNull())
        return nullptr;
    // A deep copy of the whole image: rows keep their padding whatever the depth.
    const QImage copy = image->copy();
    if (out->GetSafeHandle())
        out->DeleteObject();
    if (!out->CreateFromImage(copy))
        return nullptr;
    return *out;
}
