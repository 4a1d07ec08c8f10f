// The multi-view stage's window: making and destroying it, its placement
// next to the panel and its layout.
#include "multiview/multi_view_stage.h"

#include "clip/draw_pens.h"
#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "core/stage_area.h"
#include "core/system_figures.h"
#include "core/waits.h"
#include "imaging/png_transparency.h"
#include "imaging/preset_font.h"
#include "imaging/virtual_window.h"
#include "multiview/drop_copier.h"
#include "multiview/multi_view_state.h"
#include "multiview/overwrite_confirm_dialog.h"
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/dialog/msgbox.h"
#include "platform/thread/worker_thread.h"
#include "platform/window/control_mouse_routing.h"

#include <algorithm>

namespace {

constexpr COLORREF kCellPenColour = RGB(220, 172, 220);
constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

CDlgMultiViewStage::CDlgMultiViewStage(CWnd* parent)
    : CDialog(&kDialog278MultiViewStage, parent), m_parentWnd(parent), m_mask(std::make_unique<CThumbMask>()),
      m_tally(std::make_unique<CMaskValueTally>()), m_list(std::make_unique<CThumbnailList>())
{
    m_loaders = std::make_unique<CThumbnailLoaders>(m_list.get(), &m_list->LoadControl(), m_mask.get());
    m_list->SetMasks(m_mask.get(), m_tally.get());
}

CDlgMultiViewStage::~CDlgMultiViewStage()
{
    // The workers end before the list they work on goes.
    StopFileOperations();
    m_dropWorker.reset();
    m_loaders.reset();
}

bool CDlgMultiViewStage::HasMaskedBitmap() const
{
    return m_maskedBitmap && m_maskedBitmap->GetSafeHandle();
}

BOOL CDlgMultiViewStage::Create(CWnd* parent)
{
    if (parent)
        m_parentWnd = parent;
    return CDialog::Create(kDialog278MultiViewStage, m_parentWnd);
}

HWND CDlgMultiViewStage::PanelWindow() const
{
    return m_panel ? m_panel->PanelWindow() : nullptr;
}

BOOL CDlgMultiViewStage::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnableDropFiles(FALSE);
    m_backBuffer = std::make_unique<CVirtualWindow>();
    m_backBuffer->SetBackColor(kWhite);
    m_rendering = m_scrollRowPressed = m_printing = m_deleting = false;
    m_bandValid = FALSE;
    m_contextItem = -1;
    m_dragOutPress = POINT{};

    m_maskedBitmap = std::make_unique<CBitmap>();
    if (HBITMAP masked = LoadMultiViewBitmap(kMaskedFileBitmap))
        m_maskedBitmap->Attach(masked);
    m_inputOff = false;

    m_hoverFrame = std::make_unique<CDrawRectFrame>(PS_SOLID, 1, RGB(0, 255, 0), kWhite);
    m_focusOuterFrame = std::make_unique<CDrawRectFrame>(PS_SOLID, 1, RGB(255, 86, 86), kWhite);
    m_focusInnerFrame = std::make_unique<CDrawRectFrame>(PS_SOLID, 1, RGB(255, 0, 0), kWhite);
    m_selectFrameA = std::make_unique<CDrawRectFrame>(PS_SOLID, 1, RGB(255, 0, 255), kWhite);
    m_selectFrameB = std::make_unique<CDrawRectFrame>(PS_SOLID, 1, RGB(255, 0, 255), kWhite);
    m_unselectedFrame = std::make_unique<CDrawRectFrame>(PS_SOLID, 1, kWhite, kWhite);

    m_layout.SetOrientation(2);
    m_scroll.SetOrientation(2);
    m_layout.SetPageChangeRange(AppSettings.PageChangeRange);
    if (CWnd* abort = GetDlgItem(IDC_MULTI_COPY_ABORT))
        abort->ShowWindow(SW_HIDE);

    // Placed at the view stage's corner; the size of the last run of the
    // stage when there was one, else the smallest size.
    RECT client{};
    GetClientRect(&client);
    POINT corner{g_rcStageArea.left, g_rcStageArea.top};
    if (HWND viewStage = GetAppState().Window(AppWindow::ViewStage)) {
        const RECT r = GetAppState().WindowRect(viewStage);
        corner = POINT{r.left, r.top};
    }
    const MultiViewState& state = GetMultiViewState();
    SIZE size{std::max<LONG>(client.right, kMultiStageMinWidth),
        std::max<LONG>(client.bottom, kMultiStageMinHeight)};
    if (state.stageWidth > 0 && state.stageHeight > 0)
        size = SIZE{std::max(state.stageWidth, kMultiStageMinWidth),
            std::max(state.stageHeight, kMultiStageMinHeight)};
    m_inSize = true;
    PlaceClient(corner, size);
    m_inSize = false;
    LayoutRectangles();
    // The stage takes the mouse over its drawn areas.
    for (int id : {IDC_MULTI_HEADER, IDC_MULTI_SCROLL_ROW, IDC_MULTI_GRID, IDC_MULTI_GRID_SOURCE})
        if (CWnd* area = GetDlgItem(id))
            LetMouseThrough(area->GetSafeHwnd());

    m_headerFont = std::make_unique<CPresetFont>(10);
    m_headerFont->GetLogFont()->lfWeight = 400;
    m_headerFont->CreateFont();
    m_cellPen = std::make_unique<CPen>(PS_SOLID, 1, kCellPenColour);

    if (CWnd* source = GetDlgItem(IDC_MULTI_GRID_SOURCE)) {
        m_sourceDC = source->GetDC();
        m_list->SetSourceDC(m_sourceDC ? m_sourceDC->GetSafeHdc() : nullptr);
    }
    m_list->SetNoticeWindows(PanelWindow(), GetSafeHwnd());
    m_loaders->SetWindows(GetSafeHwnd(), [this] { return PanelWindow(); });
    CreateBackBuffer();

    if (m_panel) {
        m_viewMode = m_panel->ViewMode();
        if (LayoutGrid(false)) {
            int columns = 0;
            int rows = 0;
            m_layout.GetGridSize(m_viewMode, &columns, &rows);
            m_scroll.Relayout(columns, rows, m_viewMode);
        }
        m_list->SetSortKey(static_cast<BYTE>(m_panel->SortKey()));
        m_list->SetDescending(static_cast<BYTE>(m_panel->Descending()));
    } else {
        AfxMessageBox(QStringLiteral("m_DlgMultiControlWindow is NULL"));
    }
    DragAcceptFiles(TRUE);
    return TRUE;
}

BOOL CDlgMultiViewStage::DestroyWindow()
{
    if (GetSafeHwnd()) {
        RECT client{};
        GetClientRect(&client);
        GetMultiViewState().stageWidth = client.right;
        GetMultiViewState().stageHeight = client.bottom;
        if (m_paintTimer)
            KillTimer(IDT_MULTI_PAGE_PAINT);
        m_paintTimer = 0;
        // No worker may report to a window that is going.
        StopFileOperations();
        m_loaders->StopWorkerThreads(true, true);
        if (m_sourceDC) {
            m_list->SetSourceDC(nullptr);
            if (CWnd* source = GetDlgItem(IDC_MULTI_GRID_SOURCE))
                source->ReleaseDC(m_sourceDC);
            m_sourceDC = nullptr;
        }
    }
    m_cellPen.reset();
    m_hoverFrame.reset();
    m_focusOuterFrame.reset();
    m_focusInnerFrame.reset();
    m_selectFrameA.reset();
    m_selectFrameB.reset();
    m_unselectedFrame.reset();
    if (m_backBuffer)
        m_backBuffer->Free();
    m_maskedBitmap.reset();
    m_headerFont.reset();
    EnableDropFiles(TRUE);
    return CDialog::DestroyWindow();
}

void CDlgMultiViewStage::PlaceClient(POINT topLeft, SIZE client)
{
    RECT window{};
    RECT inside{};
    GetWindowRect(&window);
    GetClientRect(&inside);
    const int extraW = (window.right - window.left) - inside.right;
    const int extraH = (window.bottom - window.top) - inside.bottom;
    MoveWindow(topLeft.x, topLeft.y, client.cx + extraW, client.cy + extraH);
}

void CDlgMultiViewStage::LayoutRectangles()
{
    GetWindowRect(&m_rcWindow);
    RECT client{};
    GetClientRect(&client);
    m_laidOutSize = SIZE{client.right, client.bottom};
    const int w = client.right - 6;
    const int h = client.bottom;
    m_rcHeader = RECT{0, 0, w, 18};
    m_rcScrollRow = RECT{0, 20, w, 35};
    m_rcGrid = RECT{0, 37, w, h - 6};
    const struct {
        int id;
        RECT r;
    } placements[] = {
        {IDC_MULTI_HEADER, m_rcHeader},
        {IDC_MULTI_SCROLL_ROW, m_rcScrollRow},
        {IDC_MULTI_GRID, m_rcGrid},
        {IDC_MULTI_GRID_SOURCE, m_rcGrid},
    };
    // Each control is repainted (its background erased) here and now, not
    // after the render that follows a new layout.
    for (const auto& p : placements) {
        if (CWnd* control = GetDlgItem(p.id)) {
            control->Invalidate();
            control->MoveWindow(&p.r);
            control->UpdateWindow();
        }
    }
}

RECT CDlgMultiViewStage::GridClientRect() const
{
    return RECT{0, 0, m_rcGrid.right - m_rcGrid.left, m_rcGrid.bottom - m_rcGrid.top};
}

int CDlgMultiViewStage::LayoutGrid(bool autoStep)
{
    int size = GetMultiViewState().thumbSize;
    const int result = m_layout.Layout(m_rcGrid, m_viewMode, &size, autoStep);
    GetMultiViewState().thumbSize = size;
    return result;
}

void CDlgMultiViewStage::CreateBackBuffer()
{
    CWnd* grid = GetDlgItem(IDC_MULTI_GRID);
    if (!grid || !m_backBuffer)
        return;
    m_backBuffer->Free();
    CDC* dc = grid->GetDC();
    m_backBuffer->Create(dc, GridClientRect());
    grid->ReleaseDC(dc);
}

void CDlgMultiViewStage::OnShowWindow(BOOL show, UINT status)
{
    CDialog::OnShowWindow(show, status);
    if (show)
        CreateBackBuffer();
}

void CDlgMultiViewStage::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    if (!IsWindowVisible() || m_inSize || !m_backBuffer)
        return;
    m_inSize = true;
    const int width = std::max(cx, kMultiStageMinWidth);
    const int height = std::max(cy, kMultiStageMinHeight);
    RECT window{};
    RECT client{};
    GetWindowRect(&window);
    GetClientRect(&client);
    if (width != client.right || height != client.bottom)
        PlaceClient(POINT{window.left, window.top}, SIZE{width, height});
    if (width == m_laidOutSize.cx && height == m_laidOutSize.cy) {
        // A move alone: the page and the focus stay as they are.
        GetWindowRect(&m_rcWindow);
        m_inSize = false;
        return;
    }
    LayoutRectangles();
    if (m_resizedByFrame && m_parentWnd && m_parentWnd->GetSafeHwnd())
        m_parentWnd->SendMessage(WM_FRAME_FIT, 0, IDD_MULTI_VIEW_STAGE);
    CreateBackBuffer();
    if (LayoutGrid(false)) {
        int columns = 0;
        int rows = 0;
        m_layout.GetGridSize(m_viewMode, &columns, &rows);
        RenderWithPageCheck("AfterWindowSizeChange", true, columns, rows);
    }
    m_inSize = false;
}

void CDlgMultiViewStage::OnResizeStage(const RECT* frameRect)
{
    if (!frameRect)
        return;
    RECT panel{};
    if (HWND panelWindow = PanelWindow())
        ::GetWindowRect(panelWindow, &panel);
    const int width =
        std::max<int>(frameRect->right - (panel.right + g_ScreenMetrics.frameWidth + 3), kMultiStageMinWidth);
    const int height =
        std::max<int>(frameRect->bottom - (frameRect->top + GetFrameClientTop() + GetExtraFrameHeight()),
            kMultiStageMinHeight);
    m_resizedByFrame = false;
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    m_resizedByFrame = true;
}

void CDlgMultiViewStage::OnRepositionPanel()
{
    RECT panel{};
    if (HWND panelWindow = PanelWindow())
        ::GetWindowRect(panelWindow, &panel);
    RECT frame{};
    if (m_parentWnd && m_parentWnd->GetSafeHwnd())
        m_parentWnd->GetWindowRect(&frame);
    RECT own{};
    GetWindowRect(&own);
    // The size stays: WM_SIZE finds it unchanged and keeps the page.
    MoveWindow(panel.right, frame.top + GetFrameClientTop(), own.right - own.left, own.bottom - own.top);
}

bool CDlgMultiViewStage::IsLoadAllowed() const
{
    const int state = m_panel ? m_panel->DisplayState() : kMultiDisplayStopped;
    if (state == kMultiDisplayStopped)
        return false;
    if (state == kMultiDisplayFinished && m_list->GetCapacity() == m_list->GetFileCount())
        return false;
    return true;
}

int CDlgMultiViewStage::PageCells() const
{
    return m_layout.PageCells(m_viewMode);
}
