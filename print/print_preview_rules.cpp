#include "print/print_preview_rules.h"

#include "core/geometry.h"

#include <algorithm>

namespace {

constexpr int kBoxInset = 10;
constexpr int kLineTolerance = 3;

int ScaleMargin(int marginPixels, int pageSidePixels, int boxSide)
{
    if (pageSidePixels <= 0)
        return 1;
    const int scaled = static_cast<int>(static_cast<double>(marginPixels) / pageSidePixels * boxSide);
    return scaled == 0 ? 1 : scaled;
}

bool Near(int a, int b)
{
    return a - b < kLineTolerance && b - a < kLineTolerance;
}

}  // namespace

RECT PreviewPageBox(int areaWidth, int areaHeight, int paperWidthTenths, int paperHeightTenths)
{
    int boxWidth = 0;
    int boxHeight = 0;
    if (paperWidthTenths > 0 && paperHeightTenths > 0) {
        const double w = paperWidthTenths;
        const double h = paperHeightTenths;
        if (w > h) {
            boxWidth = areaWidth - kBoxInset;
            boxHeight = static_cast<int>(boxWidth / (w / h));
        } else {
            boxHeight = areaHeight - kBoxInset;
            boxWidth = static_cast<int>(boxHeight * w / h);
        }
    }
    boxWidth = std::max(boxWidth, 0);
    boxHeight = std::max(boxHeight, 0);
    const int left = areaWidth / 2 - boxWidth / 2;
    const int top = areaHeight / 2 - boxHeight / 2;
    return RECT{left, top, left + boxWidth, top + boxHeight};
}

RECT PreviewMargins(const PrintPageFigures& page, int boxWidth, int boxHeight)
{
    return RECT{ScaleMargin(page.marginLeft, page.pageWidth, boxWidth),
        ScaleMargin(page.marginTop, page.pageHeight, boxHeight),
        ScaleMargin(page.marginRight, page.pageWidth, boxWidth),
        ScaleMargin(page.marginBottom, page.pageHeight, boxHeight)};
}

SIZE PreviewImageSize(const PrintPageFigures& page, SIZE image, int boxWidth, int boxHeight)
{
    if (page.pageWidth <= 0 || page.pageHeight <= 0)
        return SIZE{0, 0};
    return SIZE{RoundToInt(static_cast<double>(image.cx) * boxWidth / page.pageWidth),
        RoundToInt(static_cast<double>(boxHeight) / page.pageHeight * image.cy)};
}

bool ActualSizeFitsPage(const RECT& margins, SIZE scaledImage, int boxWidth)
{
    return margins.left + scaledImage.cx < boxWidth;
}

RECT PreviewImageRect(const RECT& box, const RECT& margins, SIZE image, SIZE scaledImage, BYTE fitMode)
{
    const int boxWidth = box.right - box.left;
    const int boxHeight = box.bottom - box.top;
    RECT r{box.left + margins.left, box.top + margins.top, 0, 0};
    if (image.cx <= 0 || image.cy <= 0)
        return RECT{r.left, r.top, r.left, r.top};
    const double aspect = static_cast<double>(image.cy) / image.cx;
    const int innerBottom = box.bottom - margins.bottom;
    switch (fitMode) {
    case kFitActualSize:
        r.right = ActualSizeFitsPage(margins, scaledImage, boxWidth) ? r.left + scaledImage.cx : box.right;
        r.bottom =
            margins.top + margins.bottom + scaledImage.cy < boxHeight ? r.top + scaledImage.cy : innerBottom;
        break;
    case kFitOnePage: {
        const int a = box.right - margins.right - r.left;
        const int b = innerBottom - r.top;
        if (static_cast<double>(b) / image.cy > static_cast<double>(a) / image.cx) {
            r.right = r.left + a;
            r.bottom = r.top + RoundToInt(aspect * a);
        } else {
            r.right = r.left + RoundToInt(b / aspect);
            r.bottom = r.top + b;
        }
        break;
    }
    default: {
        r.right = box.right - margins.right;
        const int g = RoundToInt(aspect * (r.right - r.left));
        r.bottom = g + margins.top + margins.bottom < boxHeight ? r.top + g : innerBottom;
        break;
    }
    }
    return r;
}

PreviewBand PreviewPageBand(
    const RECT& imageRect, int imageHeight, const PrintPageFigures& page, int currentPage)
{
    PreviewBand band;
    band.target = imageRect;
    band.rows = imageHeight;
    if (page.pageCount <= 1 || page.rowsPerPage <= 0)
        return band;
    const int rows = page.rowsPerPage;
    band.sourceY =
        static_cast<int>(std::min<long long>(static_cast<long long>(rows) * (currentPage - 1), imageHeight));
    band.rows = rows;
    if (currentPage >= page.pageCount) {
        const int left = imageHeight - band.sourceY;
        const int height = imageRect.bottom - imageRect.top;
        band.target.bottom = imageRect.top + RoundToInt(static_cast<double>(height) * left / rows);
        band.rows = left;
    }
    return band;
}

int HitMarginLine(POINT point, const RECT& box, const RECT& margins, BYTE fitMode)
{
    if (!PtInRectInclusive(box, point))
        return kNoMarginLine;
    if (Near(point.x, box.left + margins.left))
        return kLeftLine;
    // At actual size the right margin plays no part, so its line is not held.
    if (fitMode != kFitActualSize && Near(point.x, box.right - margins.right))
        return kRightLine;
    if (Near(point.y, box.top + margins.top))
        return kTopLine;
    if (Near(point.y, box.bottom - margins.bottom))
        return kBottomLine;
    return kNoMarginLine;
}

PagingState LimitPaging(int currentPage, int pageCount)
{
    PagingState s;
    const int last = std::max(pageCount, 1);
    s.currentPage = std::clamp(currentPage, 1, last);
    s.previousEnabled = s.currentPage > 1;
    s.nextEnabled = s.currentPage < last;
    return s;
}
