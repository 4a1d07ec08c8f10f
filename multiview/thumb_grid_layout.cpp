#include "multiview/thumb_grid_layout.h"

#include "core/multi_view_messages.h"
#include "multiview/multi_view_state.h"

#include <algorithm>

int CThumbGridLayout::FitCount(int room, int edge)
{
    if (edge <= 0 || room < edge)
        return 0;
    return (room + kMinGap) / (edge + kMinGap);
}

int CThumbGridLayout::CellEdge() const
{
    return m_cells.empty() ? 0 : m_cells.front().right - m_cells.front().left;
}

int CThumbGridLayout::Layout(const RECT& grid, int viewMode, int* thumbSize, bool autoStep)
{
    const int width = grid.right - grid.left;
    const int height = grid.bottom - grid.top;
    const int roomX = width - kMargin;
    const int roomY = height - kMargin;
    int edge = *thumbSize;
    const auto cellsFor = [&](int e) { return FitCount(roomX, e) * FitCount(roomY, e); };

    if (autoStep) {
        const int previousEdge = CellEdge();
        const int step = previousEdge ? edge - previousEdge : 0;
        const int previousCount = m_cellCount;
        if (step != 0 && cellsFor(edge) == previousCount) {
            // Keep stepping in the same direction until the page changes.
            while (edge + step >= kThumbSizeMin && edge + step <= kThumbSizeMax) {
                edge += step;
                if (cellsFor(edge) != previousCount)
                    break;
            }
        }
        *thumbSize = edge;
    }

    const int columns = FitCount(roomX, edge);
    const int rows = FitCount(roomY, edge);
    m_columns = static_cast<WORD>(columns);
    m_rows = static_cast<WORD>(rows);
    m_cellCount = static_cast<WORD>(columns * rows);
    m_cells.clear();
    m_picture = RECT{};
    m_hGap = 0;
    m_vGap = 0;
    if (columns == 0 || rows == 0)
        return 0;

    // The leftover pixels spread over the gaps.
    const double gx = static_cast<double>(width - columns * edge) / (columns + 1);
    const double gy = static_cast<double>(height - rows * edge) / (rows + 1);
    m_hGap = static_cast<int>(gx);
    m_vGap = static_cast<int>(gy);
    m_cells.reserve(m_cellCount);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const int left = static_cast<int>(gx) + c * edge + static_cast<int>(c * gx);
            const int top = static_cast<int>(gy) + r * edge + static_cast<int>(r * gy);
            m_cells.push_back(RECT{left, top, left + edge, top + edge});
        }
    }

    if (viewMode == kMultiViewPreview) {
        const int shift = height - m_cells[rows - 1].bottom - 6;
        std::vector<RECT> strip;
        strip.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            RECT cell = m_cells[c * rows + rows - 1];
            if (shift > 0) {
                cell.top += shift;
                cell.bottom += shift;
            }
            strip.push_back(cell);
        }
        m_cells = std::move(strip);
        m_picture = RECT{m_cells.front().left, 6, m_cells.back().right, m_cells.front().top - 10};
    }
    return 1;
}

void CThumbGridLayout::GetGridSize(int viewMode, int* columns, int* rows) const
{
    *columns = m_columns;
    *rows = viewMode == kMultiViewPreview ? 1 : m_rows;
}

int CThumbGridLayout::PageCells(int viewMode) const
{
    return viewMode == kMultiViewPreview ? m_columns : m_cellCount;
}

RECT CThumbGridLayout::GetCellRect(int i) const
{
    if (i < 0 || i >= static_cast<int>(m_cells.size()))
        return RECT{};
    return m_cells[i];
}

int CThumbGridLayout::HitTest(int viewMode, int x, int y) const
{
    const int cells = std::min(PageCells(viewMode), static_cast<int>(m_cells.size()));
    for (int i = 0; i < cells; ++i) {
        const RECT& r = m_cells[i];
        if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom)
            return i;
    }
    return -1;
}

int CThumbGridLayout::GetUsedColumns(int total, int viewMode) const
{
    int columns = 0;
    int rows = 0;
    GetGridSize(viewMode, &columns, &rows);
    if (rows == 0)
        return 0;
    return std::min(columns, (total + rows - 1) / rows);
}

int CThumbGridLayout::GetScrollStep(int viewMode, int capacity) const
{
    if (viewMode == kMultiViewPreview)
        return 1;
    const int step = m_pageChangeRange == 2 ? m_columns * m_rows : m_rows * (m_columns / 2);
    return capacity != 0 && capacity < step ? capacity : step;
}
