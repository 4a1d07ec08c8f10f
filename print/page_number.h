// Where a page number goes: its text, its font height and its rectangle in
// the bottom margin of a page. Pure geometry, shared by paper and preview.
#pragma once

#include "platform/types/types.h"

#include <QString>

struct PrintJobOptions;

// "%d" for number format 1, else "%d/%d" (page / page count).
QString PageNumberText(int page, int pageCount, BYTE numberFormat);
// The font height (negative: character height) for a page `pageHeight`
// pixels tall: a hundredth of it, never less than 8 pixels.
LONG PageNumberFontHeight(int pageHeight);
// The rectangle the text (measured textWidth x textHeight) is drawn into,
// top-left aligned, for a page of pageWidth x pageHeight with `margins`
// (left, top, right, bottom), moved by `offset` when there is one.
RECT PageNumberRect(int pageWidth, int pageHeight, const RECT& margins, BYTE position, int textWidth,
    int textHeight, const POINT* offset);
