// The rubber band of the thumbnail grid in half-cell coordinates: along x,
// 2k + 1 lies inside column k and 2k in the gap before it (2 x columns after
// the last); along y the same with rows. Column numbers count from the list's
// first column, so a band keeps its start while the page moves under it.
// No window, no drawing.
#pragma once

#include "platform/types/types.h"

#include <span>

class CThumbGridLayout;

// One cell's extent along an axis: start included, end excluded.
struct CellSpan {
    int start;
    int end;
};

// The half-cell number of v among spans laid out in order.
int HalfCellAlong(std::span<const CellSpan> spans, int v);

// The half-cell coordinates of a point of the grid (grid coordinates) on a
// page that fills usedColumns columns and starts at list column firstColumn.
POINT BandCellOfPoint(const CThumbGridLayout& layout, int usedColumns, int firstColumn, POINT p);

// 1 right of (or level with) the start and not above it, 2 right and above,
// 3 left and not above, 4 left and above.
int BandQuadrant(POINT start, POINT current);

// The columns and rows a band covers (inclusive ranges).
struct BandCover {
    bool covers = false;
    int firstColumn = 0;
    int lastColumn = 0;
    int firstRow = 0;
    int lastRow = 0;
};

// The cells of the band between two half-cell points. A band inside one gap
// covers nothing; one column covers something only when a position of the
// list (of total, rows per column) lies in its rows.
BandCover BandToCells(POINT a, POINT b, int rows, int total);

// The position at the band's moving corner; a corner past the end of the
// list moves one column back when the band starts left of and below the last
// visible position, else to the list's last position.
int BandCornerPosition(const BandCover& band, int quadrant, int rows, int total, int lastVisible);
