// The pure rules of the clip history dialog: which rows may be chosen, what
// a typed edge leaves in its row, and which row a remembered range names.
// Rows are inclusive pixel rectangles, as the history keeps them.
#pragma once

#include "platform/types/types.h"

#include <optional>
#include <span>

// The width and height of a row (right - left + 1, bottom - top + 1).
SIZE ClipHistoryRowSize(const RECT& row);

// A row may be chosen when it is a valid history rectangle (within maxSize,
// edges in order) and lies inside the stage's image; without an image
// (nullopt) no row may be chosen. The edges are inclusive: the last column
// of an image 400 wide is 399.
bool IsClipHistoryRowSelectable(const RECT& row, SIZE maxSize, std::optional<SIZE> image);

// The row after its edge `field` (kFieldLeft .. kFieldBottom) was typed.
// Text that is no number keeps the old edge, and so does a value that makes
// a valid row invalid. A row that was invalid already takes the value, so
// that it can be mended one edge at a time.
RECT ApplyClipHistoryEdge(const RECT& row, int field, std::optional<int> typed, SIZE maxSize);

// The first row equal to r, -1 when none is.
int FindClipHistoryRow(std::span<const RECT> rows, const RECT& r);
