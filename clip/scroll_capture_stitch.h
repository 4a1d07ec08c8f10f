// Stitching of scroll capture: the stitched image C grows at its bottom (its
// rows keep their place), and each new screen B is copied in so that its
// scrolled part continues the page, its fixed bottom rows close the image and
// the side columns repeat one row of the first screen.
#pragma once

#include "clip/scroll_capture.h"
#include "clip/scroll_capture_searches.h"

#include <vector>

// One row of the first screen's L left and R right columns (3 bytes a pixel).
struct ScrollSideStrips {
    std::vector<std::uint8_t> left;
    std::vector<std::uint8_t> right;
};
// False when memory runs out.
bool TakeSideStrips(const ScrollRows& a, const ScrollCaptureLayout& layout, const ScrollCaptureSettings& s,
    ScrollSideStrips* strips);

// The last H - T - 1 rows of C take B's rows T + 1 to H - 1 in the columns L to W - R - 1.
void CopyMiddle(ScrollRows& c, const ScrollRows& b, const ScrollCaptureLayout& layout);
// A step's screen: side strips down the new rows, the middle copy, then B's
// last Bt rows at full width.
void AppendScreen(ScrollRows& c, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollSideStrips& strips, int vscrollWidth);
// The last screen, when the page stopped moving.
void FinishScreen(ScrollRows& c, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollSideStrips& strips, int vscrollWidth);

// The part of C inside `area` (right and bottom exclusive, clipped to C);
// false when nothing is left of it or memory runs out.
bool CropScrollRows(const ScrollRows& c, const RECT& area, ScrollRows* out);
// Copies the rows into the holder as a 24-bit bottom-up image at the BMP_dpi
// resolution, as an image loaded into it would stand; false (holder
// unchanged) when memory runs out.
bool ScrollRowsToHolder(const ScrollRows& rows, CLoadBitmap* holder);
