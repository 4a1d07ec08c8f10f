#include "multiview/thumb_rubber_band.h"

#include "multiview/thumb_grid_layout.h"

#include <algorithm>
#include <vector>

int HalfCellAlong(std::span<const CellSpan> spans, int v)
{
    for (int k = 0; k < static_cast<int>(spans.size()); ++k) {
        if (v < spans[k].start)
            return 2 * k;
        if (v < spans[k].end)
            return 2 * k + 1;
    }
    return 2 * static_cast<int>(spans.size());
}

POINT BandCellOfPoint(const CThumbGridLayout& layout, int usedColumns, int firstColumn, POINT p)
{
    const int rows = layout.Rows();
    std::vector<CellSpan> columns;
    for (int c = 0; c < usedColumns; ++c) {
        const RECT r = layout.GetCellRect(c * rows);
        columns.push_back(CellSpan{r.left, r.right});
    }
    std::vector<CellSpan> rowSpans;
    for (int r = 0; r < rows; ++r) {
        const RECT cell = layout.GetCellRect(r);
        rowSpans.push_back(CellSpan{cell.top, cell.bottom});
    }
    return POINT{HalfCellAlong(columns, p.x) + 2 * firstColumn, HalfCellAlong(rowSpans, p.y)};
}

int BandQuadrant(POINT start, POINT current)
{
    const bool right = current.x >= start.x;
    const bool above = current.y < start.y;
    if (right)
        return above ? 2 : 1;
    return above ? 4 : 3;
}

namespace {

// (v - 1) / 2 for a half-cell end, where 0 stays 0.
int LastOf(int v)
{
    return v > 0 ? (v - 1) / 2 : 0;
}

}  // namespace

BandCover BandToCells(POINT a, POINT b, int rows, int total)
{
    BandCover band;
    const int x1 = std::min(a.x, b.x);
    const int x2 = std::max(a.x, b.x);
    const int y1 = std::min(a.y, b.y);
    const int y2 = std::max(a.y, b.y);
    if ((x1 == x2 && x1 % 2 == 0) || (y1 == y2 && y1 % 2 == 0))
        return band;
    band.firstColumn = x1 / 2;
    band.lastColumn = LastOf(x2);
    band.firstRow = y1 / 2;
    band.lastRow = LastOf(y2);
    band.covers = true;
    if (band.firstColumn == band.lastColumn) {
        // The last, partial column may hold nothing in these rows.
        const int firstPosition = band.firstColumn * rows + band.firstRow;
        band.covers = firstPosition < total;
    }
    return band;
}

int BandCornerPosition(const BandCover& band, int quadrant, int rows, int total, int lastVisible)
{
    const bool lastColumn = quadrant == 1 || quadrant == 2;
    const bool lastRow = quadrant == 1 || quadrant == 3;
    int position =
        (lastColumn ? band.lastColumn : band.firstColumn) * rows + (lastRow ? band.lastRow : band.firstRow);
    if (position < total || rows <= 0)
        return position;
    const int visibleColumn = lastVisible / rows;
    const int visibleRow = lastVisible % rows;
    if (band.firstColumn < visibleColumn && band.firstRow > visibleRow)
        position -= rows;
    return position < total ? position : total - 1;
}
