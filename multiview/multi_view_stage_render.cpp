// The stage's drawing: the header with the names of the first, focused and
// last visible files, the scroll row, the cell frames, the page painted cell
// by cell by the paint timer (through the back buffer once enough of the
// page has thumbnails), and the preview picture.
#include "multiview/multi_view_stage.h"

#include "clip/draw_pens.h"
#include "core/geometry.h"
#include "core/multi_view_messages.h"
#include "core/system_figures.h"
#include "core/text_utils.h"
#include "imaging/preset_font.h"
#include "imaging/virtual_window.h"
#include "multiview/multi_view_canvas_rules.h"
#include "multiview/thumbnail_list.h"
#include "platform/app/message_pump.h"
#include "platform/dialog/msgbox.h"
#include "platform/image/image_class.h"
#include "platform/system/kernel.h"
#include "platform/window/cursor.h"
#include "platform/window/pointer_position.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kEmptyGrid = RGB(230, 230, 230);
constexpr COLORREF kScrollRow = RGB(192, 192, 192);
constexpr COLORREF kScrollThumb = RGB(128, 128, 128);
constexpr COLORREF kFocusText = RGB(128, 0, 0);
constexpr int kBackBufferPercent = 95;
constexpr ULONGLONG kCtlColorGapMs = 1000;
constexpr ULONGLONG kBadPreviewGapMs = 1500;
constexpr char16_t kBadPreviewFile[] =
    u"不正なファイルが選択されました。\n\nフォルダの内容を再読み込みして下さい。";

bool Is(const char* reason, const char* name)
{
    return std::strcmp(reason, name) == 0;
}

RECT Inner(CWnd* control)
{
    RECT r{};
    control->GetClientRect(&r);
    return RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

// A one-pixel outline through the four corners.
void Outline(CDC* dc, CPen* pen, int l, int t, int r, int b)
{
    CPen* old = dc->SelectObject(pen);
    dc->MoveTo(l, t);
    dc->LineTo(r, t);
    dc->LineTo(r, b);
    dc->LineTo(l, b);
    dc->LineTo(l, t);
    dc->SelectObject(old);
}

// The focus and selection frames lie 3 pixels out from the cell and on
// its outline.
RECT OuterFrameOf(const RECT& cell)
{
    return RECT{cell.left - 3, cell.top - 3, cell.right + 2, cell.bottom + 2};
}

RECT InnerFrameOf(const RECT& cell)
{
    return RECT{std::max<LONG>(cell.left - 1, 0), std::max<LONG>(cell.top - 1, 0), cell.right, cell.bottom};
}

}  // namespace

void CDlgMultiViewStage::StretchDrawBitmap(CDC* dc, const RECT& dst, HBITMAP bitmap, int srcW, int srcH)
{
    CDC mem;
    if (!mem.CreateCompatibleDC(dc))
        return;
    CBitmap* old = mem.SelectObject(CBitmap::FromHandle(bitmap));
    const int mode = GetStretchBltModeSetting();
    dc->SetStretchBltMode(mode);
    if (mode == HALFTONE)
        dc->SetBrushOrg(0, 0);
    dc->StretchBlt(
        dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, &mem, 0, 0, srcW, srcH, SRCCOPY);
    mem.SelectObject(old);
}

// ----- render -----

void CDlgMultiViewStage::RenderWithPageCheck(const char* reason, bool pageCheck, int columns, int rows)
{
    if (columns > 0 && rows > 0) {
        m_scroll.Relayout(columns, rows, m_viewMode);
        m_scroll.ClampRange();
    }
    if (pageCheck && IsLoadAllowed() && m_list->GetCapacity() < m_list->GetFileCount()) {
        if (!MoveLoadedWindow()) {
            m_rendering = false;
            return;
        }
    }
    Render(reason);
}

void CDlgMultiViewStage::Render(const char* reason)
{
    if (!GetSafeHwnd())
        return;
    if (Is(reason, "OnCtlColor") && m_rendering)
        return;
    m_rendering = true;
    DrawHeader();
    DrawScrollRow();

    // While loading, a page mostly without thumbnails is drawn straight to
    // the grid, so that the user sees the thumbnails arrive.
    bool useBackBuffer = true;
    if (m_list->GetLoadState() == kThumbLoadRunning) {
        if (Is(reason, "OnRequestDeleteImageFile"))
            useBackBuffer = false;
        else if (m_viewMode != kMultiViewPreview &&
            m_list->GetLoadedPercent(m_scroll.First(), m_scroll.Last()) < kBackBufferPercent)
            useBackBuffer = false;
    }
    m_useBackBuffer = useBackBuffer;
    m_scroll.SetPaintCursor(m_scroll.First());
    DrawCellFrames();
    if (m_list->GetFileCount() > 0)
        m_paintTimer = SetTimer(IDT_MULTI_PAGE_PAINT, 100);
    m_rendering = false;
}

void CDlgMultiViewStage::OnPaintTimer()
{
    const bool loading = m_list->GetLoadState() == kThumbLoadRunning;
    bool over = true;
    if (m_scroll.PaintCursor() <= m_scroll.Last())
        over = PaintPageFromCursor();
    if (over) {
        if (m_viewMode == kMultiViewPreview)
            ShowPreviewPicture(m_scroll.Focus());
        KillTimer(IDT_MULTI_PAGE_PAINT);
        if (m_viewMode != kMultiViewPreview && m_useBackBuffer)
            CopyBackBufferToGrid();
        m_useBackBuffer = true;
        m_paintTimer = 0;
    }
    if (loading || over) {
        // The page under the cursor changed: its hover frame is found again.
        m_hoverFrame->ResetRect();
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        if (InGrid(cursor) && !m_list->IsScanning())
            UpdateHover(cursor, false);
    }
}

void CDlgMultiViewStage::OnPaint()
{
    CDialog::OnPaint();
    // The picture is loaded again the next time it is shown.
    m_list->SetLastPreviewPath(QString());
}

HBRUSH CDlgMultiViewStage::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (control && control->GetDlgCtrlID() == IDC_MULTI_GRID) {
        const ULONGLONG now = GetTickCount64();
        const bool render = now - m_lastCtlColorMs > kCtlColorGapMs;
        m_lastCtlColorMs = now;
        if (render)
            Render("OnCtlColor");
    }
    return brush;
}

// ----- targets -----

CDC* CDlgMultiViewStage::FramesTarget()
{
    if (m_list->GetFileCount() > 0 && (m_useBackBuffer || m_viewMode == kMultiViewPreview))
        return m_backBuffer->GetMemDC();
    return nullptr;  // the grid itself
}

CDC* CDlgMultiViewStage::PaintTarget()
{
    if (m_useBackBuffer || m_viewMode == kMultiViewPreview)
        return m_backBuffer->GetMemDC();
    return nullptr;
}

template <typename Draw> static void OnGridOr(CDC* target, CWnd* grid, Draw draw)
{
    if (target) {
        draw(target);
        return;
    }
    if (!grid)
        return;
    CDC* dc = grid->GetDC();
    draw(dc);
    grid->ReleaseDC(dc);
}

void CDlgMultiViewStage::CopyBackBufferToGrid()
{
    CWnd* grid = GetDlgItem(IDC_MULTI_GRID);
    if (!grid || !m_backBuffer->IsCreated())
        return;
    CDC* dc = grid->GetDC();
    m_backBuffer->DrawTo(dc, 0, 0, GridClientRect());
    grid->ReleaseDC(dc);
}

// ----- header and scroll row -----

void CDlgMultiViewStage::DrawHeader()
{
    CWnd* header = GetDlgItem(IDC_MULTI_HEADER);
    if (!header)
        return;
    CDC* dc = header->GetDC();
    const RECT inner = Inner(header);
    dc->FillSolidRect(&inner, kWhite);
    const int key = m_list->GetSortKey();
    const int count = m_list->GetFileCount();
    if (m_list->GetValidBits() != 0 && key != kSortNone && count > 0) {
        CFont* oldFont = m_headerFont ? dc->SelectObject(m_headerFont->GetFont()) : nullptr;
        const int oldMode = dc->SetBkMode(TRANSPARENT);
        const int width = inner.right - inner.left;
        const int positions[3] = {m_scroll.First(), m_scroll.Focus(), m_scroll.Last()};
        for (int slot = 0; slot < 3; ++slot) {
            const int position = positions[slot];
            if (position < 0 || position >= count)
                continue;
            const WORD file = m_list->GetSortIndex(position);
            if (file == kNoFileIndex)
                continue;
            QString text;
            if (key == kSortByName)
                text = m_list->GetFileName(file);
            else if (key == kSortByDate)
                text = m_list->GetDateText(file);
            else
                text = FormatByteSize(m_list->GetFileSize(file));
            const HeaderTextPlace place = PlaceHeaderText(
                slot, width, static_cast<int>(dc->GetTextExtent(text).cx), static_cast<int>(text.size()));
            dc->SetTextColor(slot == 1 ? kFocusText : kBlack);
            dc->TextOut(place.x, 2, text.left(place.chars));
        }
        dc->SetBkMode(oldMode);
        if (oldFont)
            dc->SelectObject(oldFont);
    }
    header->ReleaseDC(dc);
}

void CDlgMultiViewStage::DrawScrollRow()
{
    CWnd* row = GetDlgItem(IDC_MULTI_SCROLL_ROW);
    if (!row)
        return;
    CDC* dc = row->GetDC();
    const RECT inner = Inner(row);
    dc->FillSolidRect(&inner, kScrollRow);
    const int count = m_list->GetFileCount();
    if (!m_copying && count > 0) {
        const ScrollThumb thumb =
            ScrollThumbFor(inner.right - inner.left, PageCells(), count, m_scroll.First());
        if (thumb.width > 0) {
            const RECT r{
                inner.left + thumb.left, inner.top, inner.left + thumb.left + thumb.width, inner.bottom};
            dc->FillSolidRect(&r, kScrollThumb);
            CPen white(PS_SOLID, 1, kWhite);
            Outline(dc, &white, r.left, r.top, r.right - 1, r.bottom - 1);
            if (thumb.width > 14) {
                // A left-right arrow at the thumb's centre.
                const int cx = (r.left + r.right) / 2;
                const int cy = (r.top + r.bottom) / 2;
                CPen* old = dc->SelectObject(&white);
                dc->MoveTo(cx - 4, cy);
                dc->LineTo(cx + 5, cy);
                for (int k = 1; k <= 2; ++k) {
                    dc->MoveTo(cx - 4 + k, cy - k);
                    dc->LineTo(cx - 4 + k, cy + k + 1);
                    dc->MoveTo(cx + 4 - k, cy - k);
                    dc->LineTo(cx + 4 - k, cy + k + 1);
                }
                dc->SelectObject(old);
            }
        }
    }
    row->ReleaseDC(dc);
}

// ----- cells -----

void CDlgMultiViewStage::DrawCellFrames()
{
    const int count = m_list->GetFileCount();
    OnGridOr(FramesTarget(), GetDlgItem(IDC_MULTI_GRID), [&](CDC* dc) {
        RECT area = GridClientRect();
        area.left += 2;
        area.top += 2;
        area.right -= 2;
        area.bottom -= 2;
        dc->FillSolidRect(&area, count > 0 ? kWhite : kEmptyGrid);
        if (count == 0)
            return;
        const int n = std::min(m_scroll.GetRemainingCount(), PageCells() - 1);
        for (int cell = 0; cell <= n; ++cell) {
            const RECT r = m_layout.GetCellRect(cell);
            Outline(dc, m_cellPen.get(), std::max<LONG>(r.left - 1, 0), std::max<LONG>(r.top - 1, 0), r.right,
                r.bottom);
        }
        DrawFocusAndSelectionFrames(dc);
    });
}

void CDlgMultiViewStage::DrawFocusAndSelectionFrames(CDC* dc)
{
    const int count = m_list->GetFileCount();
    const int focus = m_scroll.Focus();
    if (focus >= m_scroll.First() && focus <= m_scroll.Last() && focus < count) {
        const RECT cell = m_layout.GetCellRect(m_scroll.IndexToCell(focus));
        m_focusOuterFrame->MoveRect(dc, OuterFrameOf(cell));
        m_focusInnerFrame->MoveRect(dc, InnerFrameOf(cell));
    }
    for (int position = m_scroll.First(); position <= m_scroll.Last() && position < count; ++position) {
        if (position == focus)
            continue;
        const RECT cell = m_layout.GetCellRect(m_scroll.IndexToCell(position));
        if (cell.right == cell.left)
            continue;
        if (m_list->IsSelected(position)) {
            m_selectFrameA->DrawRect(dc, OuterFrameOf(cell));
            m_selectFrameB->DrawRect(dc, InnerFrameOf(cell));
        } else {
            // Unselected: the outer frame goes and the cell's own outline stays.
            m_unselectedFrame->DrawRect(dc, OuterFrameOf(cell));
            const RECT inner = InnerFrameOf(cell);
            Outline(dc, m_cellPen.get(), inner.left, inner.top, inner.right, inner.bottom);
        }
    }
}

LRESULT CDlgMultiViewStage::OnRedrawFrames(int cell)
{
    CWnd* grid = GetDlgItem(IDC_MULTI_GRID);
    if (!grid)
        return 0;
    CDC* dc = grid->GetDC();
    if (cell != -1) {
        const RECT r = m_layout.GetCellRect(cell);
        m_focusOuterFrame->MoveRect(dc, OuterFrameOf(r));
        m_focusInnerFrame->MoveRect(dc, InnerFrameOf(r));
    }
    const int keepFocus = m_scroll.Focus();
    m_scroll.SetFocus(cell == -1 ? -1 : m_scroll.CellToIndex(cell));
    DrawFocusAndSelectionFrames(dc);
    m_scroll.SetFocus(keepFocus);
    grid->ReleaseDC(dc);
    return 0;
}

void CDlgMultiViewStage::PaintPage()
{
    PaintPageFromCursor();
}

bool CDlgMultiViewStage::PaintPageFromCursor()
{
    const bool loading = m_list->GetLoadState() == kThumbLoadRunning;
    const int first = m_scroll.First();
    const int last = std::min(m_scroll.Last(), m_list->GetFileCount() - 1);
    bool complete = true;
    OnGridOr(PaintTarget(), GetDlgItem(IDC_MULTI_GRID), [&](CDC* dc) {
        for (int position = m_scroll.PaintCursor(); position <= last; ++position) {
            const RECT cell = m_layout.GetCellRect(position - first);
            const WORD file = m_list->GetSortIndex(position);
            if (file == kNoFileIndex || cell.right == cell.left)
                continue;
            if (m_list->IsHiddenByMasks(file) && m_maskedBitmap->GetSafeHandle()) {
                const RECT fit = FitSizeInRect(cell, SIZE{kPlaceholderEdge, kPlaceholderEdge});
                StretchDrawBitmap(dc, fit, static_cast<HBITMAP>(m_maskedBitmap->GetSafeHandle()),
                    kPlaceholderEdge, kPlaceholderEdge);
                continue;
            }
            HBITMAP bitmap = nullptr;
            CSize thumbSize;
            CSize imageSize;
            if (m_list->GetThumbnail(position, &bitmap, &thumbSize, &imageSize) && bitmap) {
                const RECT fit = FitSizeInRect(cell, SIZE{imageSize.cx, imageSize.cy});
                StretchDrawBitmap(dc, fit, bitmap, thumbSize.cx, thumbSize.cy);
                continue;
            }
            // No thumbnail yet: go on when a later one of the page has one;
            // else stop here and, while loading, try again at the next tick.
            bool laterLoaded = false;
            for (int p = position + 1; p <= last && !laterLoaded; ++p)
                laterLoaded = m_list->IsThumbnailLoaded(p) != 0;
            if (laterLoaded)
                continue;
            if (loading) {
                m_scroll.SetPaintCursor(position);
                complete = false;
            }
            break;
        }
    });
    if (complete)
        m_scroll.SetPaintCursor(m_scroll.Last());
    if (m_viewMode == kMultiViewPreview)
        CopyBackBufferToGrid();
    return complete;
}

// ----- preview -----

void CDlgMultiViewStage::ShowPreviewPicture(int position)
{
    if (position == -1)
        return;
    const int count = m_list->GetFileCount();
    const WORD file = m_list->GetSortIndex(position);
    if (file == kNoFileIndex || file >= count) {
        const ULONGLONG now = GetTickCount64();
        if (count > 0 && now - m_lastBadPreviewMs > kBadPreviewGapMs) {
            m_lastBadPreviewMs = now;
            AfxMessageBox(QString::fromUtf16(kBadPreviewFile));
        }
        return;
    }
    const QString name = m_list->GetFileName(file);
    if (name != m_list->GetLastPreviewPath() || !m_list->GetPreviewBitmap()) {
        m_list->SetPreviewBitmap(nullptr);
        m_list->SetLastPreviewPath(name);
        CWaitCursor wait;
        m_list->SetPreviewBitmap(LoadPreviewBitmap(m_list->GetFilePath(file)));
    }

    HBITMAP picture = nullptr;
    CSize size;
    const ThumbnailState state = m_list->GetThumbnailState(file);
    if (m_list->GetPreviewBitmap() && state.thumbnail == 1) {
        picture = m_list->GetPreviewBitmap();
        size = m_list->GetImageSize(file);
    }
    CSize imageSize = m_list->GetImageSize(file);
    if (!picture) {
        HBITMAP thumb = nullptr;
        CSize thumbSize;
        if (m_list->GetThumbnail(position, &thumb, &thumbSize, &imageSize) && thumb) {
            picture = thumb;
            size = thumbSize;
        }
    }

    CDC* dc = m_backBuffer->GetMemDC();
    const RECT area = m_layout.PictureRect();
    dc->FillSolidRect(&area, kWhite);
    Outline(dc, m_cellPen.get(), area.left + 1, area.top + 1, area.right, area.bottom);
    if (picture && imageSize.cx > 0 && imageSize.cy > 0) {
        const RECT inner{area.left + 2, area.top + 2, area.right, area.bottom};
        const RECT fit = FitSizeInRect(inner, SIZE{imageSize.cx, imageSize.cy});
        StretchDrawBitmap(dc, fit, picture, size.cx, size.cy);
    }
    CWnd* grid = GetDlgItem(IDC_MULTI_GRID);
    if (grid) {
        CDC* gridDC = grid->GetDC();
        const RECT copy{0, 0, m_rcGrid.right - m_rcGrid.left, area.bottom + 2};
        m_backBuffer->DrawTo(gridDC, 0, 0, copy);
        grid->ReleaseDC(gridDC);
    }
}
