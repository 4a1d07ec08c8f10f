// The print dialog's layout, paging, preview and margin dragging.
#include "print/print_dialog.h"

#include "core/geometry.h"
#include "core/settings/app_settings.h"
#include "platform/window/cursor.h"

namespace {

constexpr COLORREF kPaperColor = RGB(200, 200, 200);
constexpr COLORREF kMarginLineColor = RGB(128, 128, 128);
constexpr int kAreaBorder = 2;

int Width(const RECT& r)
{
    return r.right - r.left;
}

int Height(const RECT& r)
{
    return r.bottom - r.top;
}

RECT Offset(RECT r, int dx, int dy)
{
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

PrintPageFigures FiguresOf(const CPrintLayout& layout)
{
    PrintPageFigures page;
    const CSize size = layout.GetPageSize();
    const RECT margins = layout.GetMargins();
    page.pageWidth = size.cx;
    page.pageHeight = size.cy;
    page.marginLeft = margins.left;
    page.marginTop = margins.top;
    page.marginRight = margins.right;
    page.marginBottom = margins.bottom;
    page.rowsPerPage = layout.GetRowsPerPage();
    page.pageCount = layout.GetPageCount();
    return page;
}

MarginSide SideOfLine(int line)
{
    switch (line) {
    case kRightLine:
        return MarginSide::Right;
    case kTopLine:
        return MarginSide::Top;
    case kBottomLine:
        return MarginSide::Bottom;
    default:
        return MarginSide::Left;
    }
}

}  // namespace

void CDlgPrintOut::Recompute()
{
    ApplyMarginsToLayout();
    m_pageCount =
        m_layout.Compute(m_paperWidth, m_paperHeight, CSize(m_imageSize.cx, m_imageSize.cy), m_fitMode);
    SetDlgItemText(IDC_PRINT_PAGE_COUNT, QString::number(m_pageCount));
    UpdateModeControls();
    UpdatePaging();
    DrawPreview();
}

void CDlgPrintOut::UpdateModeControls()
{
    const PrintPageFigures page = FiguresOf(m_layout);
    const RECT box = PreviewPageBox(Width(m_previewArea), Height(m_previewArea), m_paperWidth, m_paperHeight);
    m_previewMargins = PreviewMargins(page, Width(box), Height(box));
    m_pageBox = Offset(box, m_previewArea.left, m_previewArea.top);

    const bool actualSize = m_fitMode == kFitActualSize;
    // At actual size the right margin plays no part, and the image must fit
    // beside the left margin.
    m_printEnabled = m_pageCount > 0;
    if (actualSize) {
        const SIZE scaled = PreviewImageSize(page, m_imageSize, Width(box), Height(box));
        m_printEnabled = m_printEnabled && ActualSizeFitsPage(m_previewMargins, scaled, Width(box));
    }
    if (CWnd* start = GetDlgItem(IDC_PRINT_START))
        start->EnableWindow(m_printEnabled);
    for (int id : {IDC_PRINT_MARGIN_RIGHT, IDC_PRINT_SPIN_RIGHT})
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(!actualSize);
}

void CDlgPrintOut::UpdatePaging()
{
    const PagingState paging = LimitPaging(m_currentPage, m_pageCount);
    m_currentPage = paging.currentPage;
    if (CWnd* up = GetDlgItem(IDC_PRINT_PAGE_UP))
        up->EnableWindow(paging.previousEnabled);
    if (CWnd* down = GetDlgItem(IDC_PRINT_PAGE_DOWN))
        down->EnableWindow(paging.nextEnabled);
    SetDlgItemText(IDC_PRINT_CURRENT_PAGE, QString::number(m_currentPage));
}

void CDlgPrintOut::ShowPage(int page)
{
    if (page < 1 || page > m_pageCount || page == m_currentPage)
        return;
    m_currentPage = page;
    ShowMargins();
    UpdatePaging();
    DrawPreview();
    if (CWnd* left = GetDlgItem(IDC_PRINT_MARGIN_LEFT))
        GotoDlgCtrl(left);
}

void CDlgPrintOut::RebuildPreviewBuffer()
{
    CWnd* frame = GetDlgItem(IDC_PRINT_PREVIEW);
    if (!m_preview || !frame)
        return;
    m_preview->Free();
    CClientDC dc(frame);
    m_preview->Create(&dc, RECT{0, 0, Width(m_previewArea), Height(m_previewArea)});
}

void CDlgPrintOut::DrawPreview()
{
    CWnd* frame = GetDlgItem(IDC_PRINT_PREVIEW);
    if (!frame)
        return;
    CClientDC frameDC(frame);
    const RECT inner{0, 0, Width(m_previewArea) - 2 * kAreaBorder, Height(m_previewArea) - 2 * kAreaBorder};
    if (m_preview && m_preview->IsCreated()) {
        DrawPreviewInto(m_preview->GetMemDC());
        m_preview->DrawTo(&frameDC, kAreaBorder, kAreaBorder, inner, POINT{kAreaBorder, kAreaBorder});
    } else {
        DrawPreviewInto(&frameDC);
    }
}

void CDlgPrintOut::DrawPreviewInto(CDC* dc)
{
    // In the preview area's own coordinates.
    const int areaWidth = Width(m_previewArea);
    const int areaHeight = Height(m_previewArea);
    dc->FillSolidRect(kAreaBorder, kAreaBorder, areaWidth - 2 * kAreaBorder, areaHeight - 2 * kAreaBorder,
        GetSysColor(COLOR_BTNFACE));
    const RECT box = Offset(m_pageBox, -m_previewArea.left, -m_previewArea.top);
    dc->FillSolidRect(&box, kPaperColor);
    CBrush black(RGB(0, 0, 0));
    dc->FrameRect(&box, &black);

    const RECT& m = m_previewMargins;
    CPen dotted(PS_DOT, 1, kMarginLineColor);
    CPen* oldPen = dc->SelectObject(&dotted);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    dc->MoveTo(box.left + m.left, box.top);
    dc->LineTo(box.left + m.left, box.bottom);
    dc->MoveTo(box.right - m.right, box.top);
    dc->LineTo(box.right - m.right, box.bottom);
    dc->MoveTo(box.left, box.top + m.top);
    dc->LineTo(box.right, box.top + m.top);
    dc->MoveTo(box.left, box.bottom - m.bottom);
    dc->LineTo(box.right, box.bottom - m.bottom);
    dc->SetBkMode(oldMode);

    if (m_layout.GetResolutionX() > 0 && m_pageCount > 0) {
        const PrintPageFigures page = FiguresOf(m_layout);
        const SIZE scaled = PreviewImageSize(page, m_imageSize, Width(box), Height(box));
        const RECT rect = PreviewImageRect(box, m, m_imageSize, scaled, m_fitMode);
        const PreviewBand band = PreviewPageBand(rect, m_imageSize.cy, page, m_currentPage);
        const RECT& t = band.target;
        if (m_memDC && m_bitmap) {
            CBitmap* oldBitmap = m_memDC->SelectObject(CBitmap::FromHandle(m_bitmap));
            if (AppSettings.ImageComplement == 1) {
                dc->SetStretchBltMode(HALFTONE);
                dc->SetBrushOrg(0, 0);
            } else {
                dc->SetStretchBltMode(COLORONCOLOR);
            }
            dc->StretchBlt(t.left, t.top, Width(t), Height(t), m_memDC, 0, band.sourceY, m_imageSize.cx,
                band.rows, SRCCOPY);
            if (oldBitmap)
                m_memDC->SelectObject(oldBitmap);
        } else {
            dc->FillSolidRect(&t, RGB(255, 255, 255));
            dc->FrameRect(&t, &black);
        }
        const POINT offset{box.left, box.top};
        m_layout.DrawPageNumber(dc, m_currentPage, CSize(Width(box), Height(box)), m, m_options, &offset);
    }
    dc->SelectObject(oldPen);
}

HBRUSH CDlgPrintOut::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    // The preview frame repaints from the buffer.
    if (control && control->GetDlgCtrlID() == IDC_PRINT_PREVIEW && m_preview && m_preview->IsCreated()) {
        const RECT inner{
            0, 0, Width(m_previewArea) - 2 * kAreaBorder, Height(m_previewArea) - 2 * kAreaBorder};
        m_preview->DrawTo(dc, kAreaBorder, kAreaBorder, inner, POINT{kAreaBorder, kAreaBorder});
    }
    return CDialog::OnCtlColor(dc, control, kind);
}

// ----- the mouse -----

void CDlgPrintOut::OnMouseMove(UINT flags, CPoint point)
{
    const POINT p{point.x, point.y};
    if (m_dragging) {
        OnDragMove(p);
        return;
    }
    m_dragLine = HitMarginLine(p, m_pageBox, m_previewMargins, m_fitMode);
    if (m_dragLine == kLeftLine || m_dragLine == kRightLine)
        SetSystemCursor(IDC_SIZEWE);
    else if (m_dragLine == kTopLine || m_dragLine == kBottomLine)
        SetSystemCursor(IDC_SIZENS);
    CDialog::OnMouseMove(flags, point);
}

void CDlgPrintOut::OnLButtonDown(UINT flags, CPoint point)
{
    const POINT p{point.x, point.y};
    const int line = HitMarginLine(p, m_pageBox, m_previewMargins, m_fitMode);
    if (line != kNoMarginLine) {
        m_dragging = true;
        m_dragLine = line;
        m_lastPoint = p;
        SetCapture();
    }
    CDialog::OnLButtonDown(flags, point);
}

void CDlgPrintOut::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_dragging)
        ReleaseCapture();
    m_dragging = false;
    m_dragLine = kNoMarginLine;
    m_lastPoint = POINT{0, 0};
    CDialog::OnLButtonUp(flags, point);
}

void CDlgPrintOut::OnDragMove(POINT point)
{
    const MarginSide side = SideOfLine(m_dragLine);
    const bool horizontal = side == MarginSide::Left || side == MarginSide::Right;
    const int boxSide = horizontal ? Width(m_pageBox) : Height(m_pageBox);
    const int delta = DragDeltaMillimetres(DragPixels(side, m_lastPoint, point), boxSide, PaperSideFor(side));
    if (delta == 0)
        return;
    const double next = m_margins[static_cast<int>(side)] + delta;
    if (!IsMarginValid(next, PaperSideFor(side)))
        return;
    m_lastPoint = point;
    // The edit takes the value as if typed: its focus loss recomputes.
    static constexpr int kEdits[4] = {
        IDC_PRINT_MARGIN_LEFT, IDC_PRINT_MARGIN_RIGHT, IDC_PRINT_MARGIN_TOP, IDC_PRINT_MARGIN_BOTTOM};
    const int edit = kEdits[static_cast<int>(side)];
    SetDlgItemText(edit, QString::number(next, 'g', 15));
    SendDlgItemMessage(edit, WM_KILLFOCUS);
}

BOOL CDlgPrintOut::OnMouseWheel(UINT flags, short delta, CPoint screen)
{
    POINT p{screen.x, screen.y};
    ScreenToClient(&p);
    if (PtInRectInclusive(m_pageBox, p))
        SendMessage(
            WM_COMMAND, MAKEWPARAM(delta > 0 ? IDC_PRINT_PAGE_UP : IDC_PRINT_PAGE_DOWN, BN_CLICKED), 0);
    return CDialog::OnMouseWheel(flags, delta, screen);
}
