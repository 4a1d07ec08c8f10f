#include "print/page_number.h"

#include <cstdio>

QString PageNumberText(int page, int pageCount, BYTE numberFormat)
{
    char text[32];
    if (numberFormat == 1)
        std::snprintf(text, sizeof text, "%d", page);
    else
        std::snprintf(text, sizeof text, "%d/%d", page, pageCount);
    return QString::fromLatin1(text);
}

LONG PageNumberFontHeight(int pageHeight)
{
    const LONG height = -(pageHeight / 100);
    return height > -8 ? -8 : height;
}

RECT PageNumberRect(int pageWidth, int pageHeight, const RECT& margins, BYTE position, int textWidth,
    int textHeight, const POINT* offset)
{
    RECT r{margins.left, pageHeight - 2 * textHeight, pageWidth - margins.right, pageHeight};
    switch (position) {
    case 1:
        r.right = margins.left + 2 * textWidth;
        break;
    case 2:
        r.left = pageWidth / 2 - textWidth / 2;
        r.right = r.left + 2 * textWidth;
        break;
    case 3:
        r.left = pageWidth - margins.right - textWidth;
        break;
    default:
        break;
    }
    if (offset) {
        r.left += offset->x;
        r.right += offset->x;
        r.top += offset->y;
        r.bottom += offset->y;
    }
    return r;
}
