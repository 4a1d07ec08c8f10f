// The geometry of the thumbnail grid: how many square cells of one edge fit
// the grid area, where each lies, and how far a page step moves. Cells are
// numbered column by column (index = column x rows + row). In preview mode
// only the bottom row stays, as a strip under the picture rectangle.
// No window, no drawing: the stage feeds it rectangles and reads cells.
#pragma once

#include "platform/types/types.h"

#include <vector>

class CThumbGridLayout {
public:
    // The gap every cell keeps to its neighbours and the margin of the area.
    static constexpr int kMinGap = 10;
    static constexpr int kMargin = 12;

    void SetOrientation(int orientation) { m_orientation = orientation; }
    // PageChangeRange: 2 a page step is a whole page, otherwise half of it.
    void SetPageChangeRange(int range) { m_pageChangeRange = range; }
    int PageChangeRange() const { return m_pageChangeRange; }

    // Lays the cells out in grid (its size counts; cells are in the grid's
    // own coordinates) for *thumbSize. With autoStep, a size change that keeps
    // the cell count steps on until the count changes or the size leaves
    // 48..144; the size reached is written back. 1 when there are cells.
    int Layout(const RECT& grid, int viewMode, int* thumbSize, bool autoStep);

    // Columns, and rows (1 in preview mode).
    void GetGridSize(int viewMode, int* columns, int* rows) const;
    // The cells one page shows: columns in preview mode, every cell otherwise.
    int PageCells(int viewMode) const;
    // Cell i, empty when there is none.
    RECT GetCellRect(int i) const;
    // The first page cell holding the point (edges included), -1 when none.
    int HitTest(int viewMode, int x, int y) const;
    // Columns that total positions fill, at most all of them.
    int GetUsedColumns(int total, int viewMode) const;
    // Positions one page step moves.
    int GetScrollStep(int viewMode, int capacity) const;

    RECT PictureRect() const { return m_picture; }
    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    int CellCount() const { return m_cellCount; }
    int HorizontalGap() const { return m_hGap; }
    int VerticalGap() const { return m_vGap; }
    // The edge of the cells laid out last, 0 when there are none.
    int CellEdge() const;

    // The largest n with n x edge + (n - 1) x gap <= room.
    static int FitCount(int room, int edge);

private:
    int m_orientation = 2;
    std::vector<RECT> m_cells;
    RECT m_picture{};
    int m_pageChangeRange = 1;
    WORD m_columns = 0;
    WORD m_rows = 0;
    WORD m_cellCount = 0;
    int m_hGap = 0;
    int m_vGap = 0;
};
