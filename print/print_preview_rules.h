// The geometry of the print dialog's preview: the page box inside the preview
// area, the margins and the image scaled from printer pixels to the box, the
// image's rectangle for each fit mode and page, the margin lines the mouse can
// grab, and the paging buttons. Pure functions of the layout's figures.
#pragma once

#include "platform/types/types.h"

// The fit modes (setting HowToPrint).
enum PrintFitMode : BYTE {
    kFitWidthToMargins = 0,
    kFitActualSize = 1,
    kFitOnePage = 2,
};

// What the preview needs of the layout, in printer pixels.
struct PrintPageFigures {
    int pageWidth = 0;
    int pageHeight = 0;
    int marginLeft = 0;
    int marginTop = 0;
    int marginRight = 0;
    int marginBottom = 0;
    int rowsPerPage = 0;  // R: image rows on one page
    int pageCount = 0;
};

// The page box: the paper's shape as large as fits the area less 10 pixels,
// centred, in the area's own coordinates (0, 0 at its top-left corner).
RECT PreviewPageBox(int areaWidth, int areaHeight, int paperWidthTenths, int paperHeightTenths);

// The margins scaled to the box (left, top, right, bottom); a margin that
// scales to 0 is drawn 1 pixel wide.
RECT PreviewMargins(const PrintPageFigures& page, int boxWidth, int boxHeight);

// The image's size at printer scale, in box pixels.
SIZE PreviewImageSize(const PrintPageFigures& page, SIZE image, int boxWidth, int boxHeight);

// Fit mode 1 prints only while the image at printer scale fits beside the left
// margin within the box.
bool ActualSizeFitsPage(const RECT& margins, SIZE scaledImage, int boxWidth);

// The image's rectangle on the page box for the fit mode (before paging).
RECT PreviewImageRect(const RECT& box, const RECT& margins, SIZE image, SIZE scaledImage, BYTE fitMode);

// The image rows one preview page shows, and the rectangle they fill: all the
// rows on a single page; on the last of several pages the rectangle's height
// shrinks to the rows left.
struct PreviewBand {
    int sourceY = 0;
    int rows = 0;
    RECT target{};
};
PreviewBand PreviewPageBand(
    const RECT& imageRect, int imageHeight, const PrintPageFigures& page, int currentPage);

// Which margin line the point lies on (strictly less than 3 pixels away), box
// edges included: 1 left, 2 right (not in fit mode 1, where the next lines are tried), 3 top, 4 bottom, 0
// none or outside the box.
enum MarginLine : int { kNoMarginLine = 0, kLeftLine = 1, kRightLine = 2, kTopLine = 3, kBottomLine = 4 };
int HitMarginLine(POINT point, const RECT& box, const RECT& margins, BYTE fitMode);

// The page shown after a change of the page count, and the paging buttons.
struct PagingState {
    int currentPage = 1;
    bool previousEnabled = false;
    bool nextEnabled = false;
};
PagingState LimitPaging(int currentPage, int pageCount);
