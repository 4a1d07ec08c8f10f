// The rubber band on the grid's empty spots, which selects the cells it
// covers while the left button is held and pages at the grid's edges, and
// the drag of the selection out of the stage as a list of files.
#include "multiview/multi_view_stage.h"

#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "multiview/thumb_rubber_band.h"
#include "multiview/thumbnail_list.h"
#include "platform/app/message_pump.h"
#include "platform/dragdrop/file_drag.h"

#include <algorithm>

POINT CDlgMultiViewStage::BandCellAt(POINT grid) const
{
    const int visible = m_scroll.Last() - m_scroll.First() + 1;
    const int used = m_layout.GetUsedColumns(visible, m_viewMode);
    const int rows = m_layout.Rows();
    return BandCellOfPoint(m_layout, used, rows > 0 ? m_scroll.First() / rows : 0, grid);
}

void CDlgMultiViewStage::StartRubberBand(POINT grid)
{
    m_bandActive = true;
    m_bandValid = FALSE;
    m_bandStart = grid;
    m_bandStartCell = BandCellAt(grid);
    m_bandCurrent = grid;
    m_bandCurrentCell = m_bandStartCell;
    m_bandRect = RECT{};
    m_bandQuadrant = 1;
}

void CDlgMultiViewStage::EndRubberBand()
{
    if (!m_bandValid) {
        m_list->ClearSelection();
        SendMessage(WM_MULTI_REDRAW_FRAMES, static_cast<WPARAM>(-1));
    }
    m_bandActive = false;
    m_bandValid = FALSE;
    m_bandStart = m_bandCurrent = m_bandStartCell = m_bandCurrentCell = POINT{};
    m_bandRect = RECT{};
}

void CDlgMultiViewStage::OnRubberBandMove(POINT screen, bool buttonDown)
{
    if (!buttonDown) {
        m_bandActive = false;
        m_bandValid = FALSE;
        return;
    }
    RECT grid = m_rcGrid;
    ClientToScreen(&grid);
    POINT current{screen.x - grid.left, screen.y - grid.top};
    // Held at the grid's edges, the band pages on.
    const int step = m_layout.GetScrollStep(m_viewMode, m_list->GetCapacity());
    if (current.x < 0) {
        current.x = 0;
        OnRequestMultiViewPageChange(-step);
    } else if (screen.x >= grid.right - m_layout.HorizontalGap() / 2) {
        OnRequestMultiViewPageChange(step);
    }
    m_bandCurrent = current;
    m_bandQuadrant = BandQuadrant(m_bandStart, current);
    m_bandCurrentCell = BandCellAt(current);
    m_bandRect = RECT{std::min(m_bandStartCell.x, m_bandCurrentCell.x),
        std::min(m_bandStartCell.y, m_bandCurrentCell.y), std::max(m_bandStartCell.x, m_bandCurrentCell.x),
        std::max(m_bandStartCell.y, m_bandCurrentCell.y)};

    const int rows = m_layout.Rows();
    const int total = m_list->GetFileCount();
    const BandCover band = BandToCells(m_bandStartCell, m_bandCurrentCell, rows, total);
    int selected = 0;
    if (band.covers) {
        m_bandValid = TRUE;
        const int corner = BandCornerPosition(band, m_bandQuadrant, rows, total, m_scroll.Last());
        const WORD file = m_list->GetSortIndex(corner);
        const bool usable = file != kNoFileIndex && !m_list->IsMaskedFile(file) && m_list->HasFileName(file);
        m_scroll.SetFocus(usable ? corner : -1);
        for (int position = 0; position < total; ++position) {
            const int column = position / rows;
            const int row = position % rows;
            const bool inside = column >= band.firstColumn && column <= band.lastColumn &&
                row >= band.firstRow && row <= band.lastRow;
            selected += m_list->SetSelection(position, inside ? 1 : 0);
        }
    } else {
        m_list->ClearSelection();
    }
    SendToPanel(WM_MULTICTL_SELECTED_COUNT, static_cast<WPARAM>(selected));
    const int focus = m_scroll.Focus();
    const bool onPage = focus >= m_scroll.First() && focus <= m_scroll.Last();
    SendMessage(WM_MULTI_REDRAW_FRAMES, static_cast<WPARAM>(onPage ? m_scroll.IndexToCell(focus) : -1));
}

void CDlgMultiViewStage::DragOutSelection()
{
    // The files of the selection in display order; a selected position
    // without a file makes no list at all.
    const std::optional<QStringList> paths = SelectedFilePaths();
    if (!paths || paths->isEmpty())
        return;
    // Our own drag must not come back as a drop.
    DragAcceptFiles(FALSE);
    DoDragDropFiles(GetSafeHwnd(), *paths, DROPEFFECT_COPY);
    DragAcceptFiles(TRUE);
    // The input that waited behind the drag is not acted on.
    FlushMessages(WM_MOUSEFIRST, WM_MOUSEWHEEL);
    FlushMessages(WM_KEYDOWN, WM_KEYUP);
}
