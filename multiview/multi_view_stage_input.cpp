// The stage's mouse: clicks that choose the focus and the selection, the
// scroll row, hovering (the file's facts in the panel and the green hover
// frame), the wheel and the double click. The rubber band and the drag-out
// are in the band file, the keys in the keys file.
#include "multiview/multi_view_stage.h"

#include "clip/draw_pens.h"
#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_globals.h"
#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "exif/exif_tag_mask.h"
#include "multiview/thumbnail_list.h"
#include "platform/window/input_keys.h"
#include "platform/window/pointer_position.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kScrollRowDragMargin = 18;
constexpr BYTE kExifFollowsClicks = 1;
constexpr BYTE kExifFollowsMouse = 2;

bool Inside(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

RECT Deflated(const RECT& r, int d)
{
    return RECT{r.left + d, r.top + d, r.right - d, r.bottom - d};
}

}  // namespace

bool CDlgMultiViewStage::IgnoresMouse() const
{
    return m_inputOff || g_bFileOperationBusy.load() == 1;
}

bool CDlgMultiViewStage::InGrid(POINT client) const
{
    return Inside(m_rcGrid, client);
}

bool CDlgMultiViewStage::InScrollRow(POINT client) const
{
    return Inside(Deflated(m_rcScrollRow, 1), client);
}

POINT CDlgMultiViewStage::ToGrid(POINT client) const
{
    return POINT{client.x - m_rcGrid.left, client.y - m_rcGrid.top};
}

int CDlgMultiViewStage::PositionOfCell(int cell) const
{
    if (cell < 0)
        return -1;
    const int position = m_scroll.CellToIndex(cell);
    return position >= 0 && position <= m_scroll.Last() ? position : -1;
}

int CDlgMultiViewStage::PositionAtClient(POINT client, int* cell) const
{
    const POINT g = ToGrid(client);
    const int hit = InGrid(client) ? m_layout.HitTest(m_viewMode, g.x, g.y) : -1;
    if (cell)
        *cell = hit;
    return PositionOfCell(hit);
}

bool CDlgMultiViewStage::IsOwnWindowForeground() const
{
    AppStateSource& app = GetAppState();
    const HWND exif = app.Window(AppWindow::ExifWindow);
    if (!exif)
        return true;
    const HWND fg = app.ForegroundWindow();
    return fg == app.Window(AppWindow::MainFrame) || fg == PanelWindow() || fg == GetSafeHwnd() || fg == exif;
}

void CDlgMultiViewStage::RedrawFocusAndSelection()
{
    const int focus = m_scroll.Focus();
    const bool onPage = focus >= m_scroll.First() && focus <= m_scroll.Last();
    OnRedrawFrames(onPage ? m_scroll.IndexToCell(focus) : -1);
}

// ----- buttons -----

void CDlgMultiViewStage::OnLButtonDown(UINT flags, CPoint point)
{
    if (IgnoresMouse() || m_list->GetFileCount() == 0)
        return;
    const POINT p{point.x, point.y};
    if (InScrollRow(p))
        m_scrollRowPressed = true;
    if (!InGrid(p))
        return;
    int cell = -1;
    const int position = PositionAtClient(p, &cell);
    m_pressedCell = cell;
    const bool ranked = m_list->GetValidBits() == kSortBitsAll;
    if (position == -1) {
        if (m_viewMode == kMultiViewGrid && ranked)
            StartRubberBand(ToGrid(p));
    } else if (ranked && m_list->IsSelected(position)) {
        m_dragOutPress = p;
    }
    (void)flags;
}

void CDlgMultiViewStage::OnLButtonUp(UINT flags, CPoint point)
{
    if (IgnoresMouse() || m_list->GetFileCount() == 0)
        return;
    m_dragOutPress = POINT{};
    m_scrollRowPressed = false;
    if (m_bandActive) {
        EndRubberBand();
        return;
    }
    const POINT p{point.x, point.y};
    if (InScrollRow(p)) {
        JumpScrollRow(p.x - (m_rcScrollRow.left + 1));
        return;
    }
    if (!InGrid(p))
        return;
    int cell = -1;
    const int position = PositionAtClient(p, &cell);
    if (cell == m_pressedCell && position != -1 && !m_list->IsScanning())
        OnCellClicked(position, flags);
}

void CDlgMultiViewStage::OnCellClicked(int position, UINT flags)
{
    const int oldFocus = m_scroll.Focus();
    const WORD file = m_list->GetSortIndex(position);
    const bool usable = !m_list->IsMaskedFile(file) && m_list->HasFileName(file);
    m_scroll.SetFocus(usable ? position : -1);
    if (flags & MK_CONTROL) {
        if (!m_list->SetSelection(position, 2)) {
            m_scroll.SetFocus(-1);
            if (CWnd* grid = GetDlgItem(IDC_MULTI_GRID)) {
                CDC* dc = grid->GetDC();
                m_focusOuterFrame->EraseRect(dc);
                m_focusInnerFrame->EraseRect(dc);
                grid->ReleaseDC(dc);
            }
        }
    } else if (flags & MK_SHIFT) {
        m_list->SelectRange(position, oldFocus);
    } else {
        m_list->ClearSelection();
        m_list->SetSelection(position, 1);
    }
    RedrawFocusAndSelection();
    DrawHeader();
    if (IsExifWindowOpen() && ExifDisplaySettings.target == kExifFollowsClicks)
        ShowExifOfItem(position, false);
    if (m_viewMode == kMultiViewPreview)
        ShowPreviewPicture(position);
    SendToPanel(WM_MULTICTL_SELECTED_COUNT, static_cast<WPARAM>(m_list->GetSelectedCount()));
}

void CDlgMultiViewStage::OnLButtonDblClk(UINT flags, CPoint point)
{
    (void)flags;
    if (IgnoresMouse() || m_scroll.Focus() == -1 || m_list->GetFileCount() == 0)
        return;
    if (AppSettings.Edit_DBL_Click != 1)
        return;
    if (m_viewMode != kMultiViewGrid && AppSettings.Edit_DBL_Click_Preview != 1)
        return;
    const POINT p{point.x, point.y};
    if (!InGrid(p) || m_list->IsScanning())
        return;
    const int position = PositionAtClient(p);
    if (position != -1)
        SendMessage(WM_MULTI_OPEN_IN_CLIP_MODE, static_cast<WPARAM>(position));
}

// ----- moves -----

void CDlgMultiViewStage::OnMouseMove(UINT flags, CPoint point)
{
    if (IgnoresMouse())
        return;
    POINT p{point.x, point.y};
    if (m_bandActive) {
        // Routed by the application (999): the point is on the screen already.
        POINT screen = p;
        bool down = (flags & MK_LBUTTON) != 0;
        if (flags == kRoutedMouseFlags)
            down = GetKeyState(VK_LBUTTON) < 0;
        else
            ClientToScreen(&screen);
        OnRubberBandMove(screen, down);
        return;
    }
    if (flags == kRoutedMouseFlags)
        return;
    if (m_dragOutPress.x != 0 || m_dragOutPress.y != 0) {
        if (std::abs(p.x - m_dragOutPress.x) > 5 || std::abs(p.y - m_dragOutPress.y) > 5) {
            DragOutSelection();
            m_dragOutPress = POINT{};
        }
        return;
    }
    if (!IsOwnWindowForeground())
        return;
    // The pointer over the stage takes the keyboard from the panel.
    if (const HWND panel = PanelWindow(); panel && GetAppState().ForegroundWindow() == panel)
        ::SendMessage(panel, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetSafeHwnd()), 1);
    if (m_scrollRowPressed) {
        RECT grown = m_rcScrollRow;
        grown.left -= kScrollRowDragMargin;
        grown.top -= kScrollRowDragMargin;
        grown.right += kScrollRowDragMargin;
        grown.bottom += kScrollRowDragMargin;
        if (Inside(grown, p)) {
            const RECT inner = Deflated(m_rcScrollRow, 1);
            const int x = std::clamp<int>(p.x, inner.left, inner.right - 1);
            JumpScrollRow(x - inner.left);
        } else {
            m_scrollRowPressed = false;
        }
        return;
    }
    if (InGrid(p) && !m_list->IsScanning()) {
        UpdateHover(p, true);
        if (IsExifWindowOpen() && ExifDisplaySettings.target == kExifFollowsMouse)
            ShowExifAtPoint(p.x - m_rcGrid.left, p.y - m_rcGrid.top);
    }
}

void CDlgMultiViewStage::UpdateHover(POINT client, bool fileInfo)
{
    int cell = -1;
    const int position = PositionAtClient(client, &cell);
    const POINT g = ToGrid(client);
    SendToPanel(WM_MULTICTL_CELL_POS, static_cast<WPARAM>(g.x), static_cast<LPARAM>(g.y));
    const WORD file = position != -1 ? m_list->GetSortIndex(position) : kNoFileIndex;
    const bool hasFile = file != kNoFileIndex && file < m_list->GetFileCount();
    if (fileInfo) {
        if (hasFile) {
            const QString name = m_list->GetFileName(file);
            const QString date = m_list->GetDateText(file);
            const CSize image = m_list->GetImageSize(file);
            const SIZE size{image.cx, image.cy};
            SendToPanel(
                WM_MULTICTL_FILE_TEXT, reinterpret_cast<WPARAM>(&name), reinterpret_cast<LPARAM>(&date));
            SendToPanel(WM_MULTICTL_FILE_SIZE, static_cast<WPARAM>(m_list->GetFileSize(file)),
                reinterpret_cast<LPARAM>(&size));
        } else {
            SendToPanel(WM_MULTICTL_FILE_TEXT, 0, 0);
            SendToPanel(WM_MULTICTL_FILE_SIZE, 0, 0);
        }
    }
    CWnd* grid = GetDlgItem(IDC_MULTI_GRID);
    if (!grid)
        return;
    CDC* dc = grid->GetDC();
    if (hasFile) {
        if (!m_rendering) {
            const RECT r = m_layout.GetCellRect(cell);
            m_hoverFrame->MoveRect(dc,
                RECT{std::max<LONG>(r.left - 2, 0), std::max<LONG>(r.top - 2, 0), r.right + 1, r.bottom + 1});
        }
    } else {
        m_hoverFrame->EraseRect(dc);
    }
    grid->ReleaseDC(dc);
}

void CDlgMultiViewStage::JumpScrollRow(int x)
{
    const int width = (m_rcScrollRow.right - m_rcScrollRow.left) - 2;
    const int count = m_list->GetFileCount();
    if (width <= 0 || count == 0)
        return;
    // The clicked fraction of the list becomes the middle of the page.
    const int target = static_cast<int>(static_cast<double>(x) / width * count);
    OnRequestMultiViewPageChange(target - (m_scroll.First() + m_scroll.Last()) / 2);
}

// ----- wheel -----

BOOL CDlgMultiViewStage::OnMouseWheel(UINT flags, short delta, CPoint screenPoint)
{
    if (IgnoresMouse() || m_bandActive)
        return FALSE;
    if (IsExifWindowForeground() || !IsWindowVisible() || m_printing || delta == 0)
        return TRUE;
    POINT client{screenPoint.x, screenPoint.y};
    ScreenToClient(&client);
    if (flags & MK_CONTROL) {
        SendToPanel(WM_MULTICTL_STEP_THUMB_SIZE, static_cast<WPARAM>(static_cast<INT_PTR>(delta)));
    } else if (InGrid(client)) {
        const int step = m_layout.GetScrollStep(m_viewMode, m_list->GetCapacity());
        if (m_viewMode == kMultiViewPreview)
            m_list->ClearSingleSelection();
        OnRequestMultiViewPageChange(delta < 0 ? step : -step);
        UpdateHover(client, true);
        SetFocus();
    }
    if (IsExifWindowOpen() && m_viewMode == kMultiViewPreview) {
        if (ExifDisplaySettings.target == kExifFollowsClicks)
            ShowExifOfItem(m_scroll.Focus(), false);
        else if (ExifDisplaySettings.target == kExifFollowsMouse)
            ShowExifAtPoint(client.x - m_rcGrid.left, client.y - m_rcGrid.top);
    }
    return TRUE;
}

// ----- EXIF follow -----

void CDlgMultiViewStage::ShowExifOfItem(int position, bool force)
{
    if (force)
        m_exifFile = -1;
    if (position < 0)
        return;
    const WORD file = m_list->GetSortIndex(position);
    if (file == kNoFileIndex || file >= m_list->GetFileCount() || file == m_exifFile)
        return;
    // Only an open EXIF window follows; none is opened from here.
    if (!IsExifWindowOpen())
        return;
    const QString path = m_list->GetFilePath(file);
    if (m_parentWnd && m_parentWnd->GetSafeHwnd())
        m_parentWnd->SendMessage(WM_FRAME_SHOW_EXIF, reinterpret_cast<WPARAM>(&path));
    m_exifFile = file;
}

void CDlgMultiViewStage::ShowExifAtPoint(int x, int y)
{
    const int cell = m_layout.HitTest(m_viewMode, x, y);
    ShowExifOfItem(PositionOfCell(cell), false);
}
