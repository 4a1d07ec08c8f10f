// The searches of scroll capture on two grabs of one window, the previous
// screen A and the current screen B (the same size): which rows and columns
// do not scroll, where B continues A, and which rows give the side strips.
// Pure functions on pixels.
#pragma once

#include "clip/scroll_capture.h"

// What the searches find out about the window.
struct ScrollCaptureLayout {
    int top = 0;      // T: rows at the top that do not scroll
    int bottom = 0;   // Bt: rows at the bottom that do not scroll
    int left = 0;     // L: columns at the left that do not scroll
    int right = 0;    // R: columns at the right that do not scroll
    int overlap = 0;  // O: the row of A that shows what row T of B shows
};

// T from trunc(1.5 x caption) down while A and B agree over the columns F + 3
// to W - V - F - 4. Gives 31 when T passes half the height, else 1.
int SearchTopRows(const ScrollRows& a, const ScrollRows& b, const ScrollCaptureSettings& s, int* top);
// Bt: rows from the bottom up that agree over the columns L to W - R - 1, at
// most H - T - 50; reaching that limit gives Fy.
int SearchBottomRows(const ScrollRows& a, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollCaptureSettings& s);
// L: the first column from F on whose rows T to H - g - 2 differ or are all white.
int SearchLeftColumns(const ScrollRows& a, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollCaptureSettings& s);
// R: from W - F leftwards, the first agreeing column after a differing one.
int SearchRightColumns(const ScrollRows& a, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollCaptureSettings& s);
// The first row i from `start` whose MatchLineNum rows in A agree (up to the
// tolerated bytes per row) with B's rows from `start`: 3 when i is start, 1
// further down, 32 for none (overlap then H - MatchLineNum).
int SearchOverlap(const ScrollRows& a, const ScrollRows& b, int start, const ScrollCaptureLayout& layout,
    const ScrollCaptureSettings& s, int* overlap);

// The rows (from the top) of the first screen whose side columns are
// repeated down the stitched image.
int RightStripRow(const ScrollRows& a, const ScrollCaptureLayout& layout, const ScrollCaptureSettings& s);
int LeftStripRow(const ScrollRows& a, const ScrollCaptureLayout& layout, const ScrollCaptureSettings& s);
