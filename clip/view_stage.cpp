// The view stage's creation, destruction and message table. Layout, the
// pop-up, the requests and the messages to other windows live in the
// view_stage_*.cpp files beside this one.
#include "clip/view_stage.h"

#include "clip/stage_popup_menu.h"

#include "clip/measure_dialog.h"
#include "clip/overview_window_messages.h"
#include "clip/rubber_band.h"
#include "clip/stage_image_editor.h"
#include "clip/stage_messages.h"
#include "clip/stage_renderer.h"
#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/shared_paths.h"
#include "core/stage_state.h"
#include "core/system_figures.h"
#include "core/transform_state.h"
#include "platform/gdi/resource_bitmaps.h"
#include "platform/window/drop_files.h"
#include "platform/window/pointer_position.h"

namespace {

// The one-to-one button's picture at the screen's icon scale.
constexpr int kOneToOneBitmap = 276;
constexpr int kOneToOneBitmapLarge = 341;
// The glide's timer (clip/view_stage_pan.cpp starts it).
constexpr UINT_PTR kGlideTimerId = 10;

}  // namespace

CDlgViewStage::CDlgViewStage()
    : CDialog(&kDialog130ViewStage), m_image(std::make_unique<CLoadBitmapDlg_DupMem>()),
      m_renderer(std::make_unique<CStageRenderer>(&m_zoom)),
      m_editor(std::make_unique<CStageImageEditor>(
          m_image.get(), &m_accessor, &m_transform, &m_adjust, static_cast<StageEditHost*>(this))),
      m_band(std::make_unique<CDrawZoomRubberBand>(&m_zoom, PS_SOLID, 0, RGB(255, 255, 255), 0))
{
}

CDlgViewStage::~CDlgViewStage()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CDlgViewStage::Create(CWnd* frame)
{
    m_pFrame = frame;
    return CDialog::Create(kDialog130ViewStage, frame);
}

BOOL CDlgViewStage::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_surfaceWnd.SubclassDlgItem(IDC_STAGE_SURFACE, this);
    m_lastRightClick = m_twoClickPress = m_wheelPress = m_cursorImagePoint = POINT{-1, -1};
    m_zoomStep = GetZoomFactor();
    m_hitZoomOn = false;
    m_font.CreateFont();
    DragAcceptFiles(TRUE);

    if (auto* button = dynamic_cast<CButton*>(GetDlgItem(IDC_STAGE_ONE_TO_ONE))) {
        m_oneToOneBitmap = LoadResourceBitmap(GetIconScale() == 2 ? kOneToOneBitmapLarge : kOneToOneBitmap);
        button->SetBitmap(m_oneToOneBitmap);
        m_toolTip.Create(this);
        m_toolTip.AddTool(button, QStringLiteral("倍率1.0倍表示"));
        m_toolTip.SetDelayTime(TTDT_AUTOPOP, 5000);
        m_toolTip.SetDelayTime(TTDT_INITIAL, 500);
    }

    if (HWND panel = GetAppState().Window(AppWindow::ControlPanel))
        ::GetWindowRect(panel, &m_rcPanel);
    PlaceWithoutImage(StageMinimumSize(Metrics()));
    MoveStageWindow();
    MoveSurface();
    CalcViewAreaLimits();
    EnableOneToOneButton();
    RebuildBackBuffer();
    m_zoom.SetOrigin(m_rcSurface.left, m_rcSurface.top);
    m_rcView = RECT{};
    SetBandArea();
    return TRUE;
}

void CDlgViewStage::OnDestroy()
{
    ReleasePointer();
    for (auto& line : m_crossLines)
        line.reset();
    m_popup.DestroyMenu();
    m_popupItems.reset();
    m_popupPictures.reset();
    m_renderer->FreeHighlightBuffer();
    m_renderer->FreeBackBuffer();
    m_editor->Clear();
    m_image->Free();
    m_image->FreeDuplicates();
    if (m_oneToOneBitmap) {
        if (auto* button = dynamic_cast<CButton*>(GetDlgItem(IDC_STAGE_ONE_TO_ONE)))
            button->SetBitmap(nullptr);
        DeleteObject(m_oneToOneBitmap);
        m_oneToOneBitmap = nullptr;
    }
    CDialog::OnDestroy();
}

void CDlgViewStage::OnOK()
{
    // Enter is no dialog key on the stage.
}

void CDlgViewStage::OnCancel()
{
    // Nor is Esc: it ends a selection (PreTranslateMessage).
}

void CDlgViewStage::OnPaint()
{
    // The surface is drawn by the render routine; the band's controls paint themselves.
    CPaintDC dc(this);
}

bool CDlgViewStage::HasImage() const
{
    return m_image->IsLoaded() && m_image->dup1Bits != nullptr;
}

HWND CDlgViewStage::SurfaceWindow() const
{
    return m_surfaceWnd.GetSafeHwnd();
}

CImageTransform* CDlgViewStage::Transform()
{
    return &m_transform;
}

void CDlgViewStage::SyncEditSource()
{
    m_editor->SyncEditSource();
}

LRESULT CDlgViewStage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_STAGE_OPEN_IMAGE:
        return OnRequestOpenImageFile(wParam, lParam);
    case WM_MEASUREITEM:
        if (m_popupPictures)
            MeasureStagePopupItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), *m_popupPictures);
        return TRUE;
    case WM_DRAWITEM:
        if (m_popupPictures)
            DrawStagePopupItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), *m_popupPictures);
        return TRUE;
    case WM_REPOSITION_PANEL:
        OnRepositionPanel();
        return 0;
    case WM_STAGE_NEW_VIEW:
        NewViewWindow_Make(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_STAGE_OPEN_DIALOG:
        return OnOpenDialog();
    case WM_STAGE_DROP_FILES:
        DropFiles(reinterpret_cast<HDROP>(wParam));
        return 1;
    case WM_STAGE_OPEN_SHARED_PATH:
        OpenSharedPath(g_szOpenFilePath);
        return 1;
    case WM_STAGE_RANGE_CORR_OFF:
        OnNoticeOffViewRangeCorr();
        return 0;
    case WM_RESIZE_STAGE:
        OnResizeStage(reinterpret_cast<const RECT*>(wParam));
        return 0;
    case WM_STAGE_CONTRAST_BEGIN:
        m_editor->ContrastBegin();
        return 0;
    case WM_STAGE_CONTRAST_END:
        m_editor->ContrastEnd();
        return 0;
    case WM_STAGE_CONTRAST_SET:
        m_editor->ContrastSet(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_STAGE_RESET_IMAGE:
        m_editor->ResetImage();
        return 0;
    case WM_STAGE_FIT_IMAGE:
        OnRequestEntireViewScreen();
        return 0;
    case WM_STAGE_FLIP_TB:
        return m_editor->FlipTopBottom();
    case WM_STAGE_FLIP_LR:
        return m_editor->FlipLeftRight();
    case WM_STAGE_ROTATE_90:
        return m_editor->Rotate90();
    case WM_STAGE_FREE_CLIP_SLOT:
        m_clipStore.FreeSlot(static_cast<BYTE>(wParam));
        return 0;
    case WM_STAGE_TAKE_FOCUS:
        OnTakeFocus();
        return 0;
    case WM_STAGE_RENDER:
        RenderSurface(0, kRenderAll);
        return 1;
    case WM_STAGE_SKY_REFRESH:
        RefreshOverview();
        return 1;
    case WM_STAGE_SKY_JUMP:
        OnSkyJump(static_cast<int>(wParam), static_cast<int>(lParam));
        return 1;
    case WM_STAGE_SKY_DRAG_BEGIN:
        m_zoom.BeginDrag(
            (m_rcSurface.right - m_rcSurface.left) / 2, (m_rcSurface.bottom - m_rcSurface.top) / 2);
        return 0;
    case WM_STAGE_SKY_DRAG_END:
        m_zoom.ResetDrag();
        return 0;
    case WM_STAGE_ZOOM:
        ZoomInOut_Container(static_cast<int>(static_cast<LPARAM>(wParam)));
        return 1;
    case WM_STAGE_FLICK_START:
        return OnFlickStart(static_cast<UINT>(wParam), reinterpret_cast<const POINT*>(lParam));
    case WM_STAGE_FLICK_STOP:
        KillTimer(kGlideTimerId);
        return 0;
    case WM_STAGE_LENS_SOURCE:
        return OnLensSource(reinterpret_cast<CClipImageSlot**>(wParam), reinterpret_cast<RECT*>(lParam));
    case WM_STAGE_RELOAD_ZOOM_STEP:
        m_zoomStep = GetZoomFactor();
        return 0;
    case WM_STAGE_RENDER_MEASURE:
        RenderSurface(0, 0);
        return 1;
    case WM_STAGE_SET_CLICK_RANGE:
        if (wParam && lParam)
            OnSetClickRange(*reinterpret_cast<const POINT*>(wParam), *reinterpret_cast<const POINT*>(lParam));
        return 1;
    case WM_STAGE_SET_WHEEL_RANGE:
        if (IsWheelClipActive())
            ApplyRangeSize(static_cast<int>(wParam), static_cast<int>(lParam));
        return 1;
    case WM_STAGE_APPLY_RANGE_SIZE:
        ApplyRangeSize(static_cast<int>(wParam), static_cast<int>(lParam));
        return 1;
    case WM_STAGE_SELECT_ALL:
        OnSelectAll();
        return 1;
    case WM_STAGE_VIEW_FIX_AREA:
        if (wParam)
            OnViewFixArea(*reinterpret_cast<const RECT*>(wParam));
        return 1;
    case WM_STAGE_CENTER_CURSOR:
        OnCenterCursor();
        return 1;
    case WM_STAGE_CROP:
        return OnCrop(reinterpret_cast<CClipImageSlot**>(wParam), reinterpret_cast<const RECT*>(lParam));
    case WM_ACTIVATE:
        // Losing the focus lets the pointer go.
        if (LOWORD(wParam) == WA_INACTIVE)
            ReleasePointer();
        return CDialog::WindowProc(message, wParam, lParam);
    case WM_STAGE_OPEN_PATH_PTR: {
        // Copied first: continuous capture frees its buffer once this returns.
        const QString path = g_pszContinueCaptureLastPath;
        if (!path.isEmpty())
            RequestOpenImageFile(path);
        return 1;
    }
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

BOOL CDlgViewStage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (lParam == 0 && RunFunctionId(id))
        return TRUE;
    if (RunStageCommand(id))
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CDlgViewStage::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        EndPanelSelection();
        CancelMeasureLine();
    }
    if (msg->message == WM_MOUSEMOVE && msg->hwnd != ::GetDlgItem(m_hWnd, IDC_STAGE_ONE_TO_ONE))
        m_toolTip.Pop();
    return CDialog::PreTranslateMessage(msg);
}

void CDlgViewStage::RenderSurface(int /*reason*/, int flags)
{
    if (!m_renderer->HasBackBuffer() || !m_surfaceWnd.GetSafeHwnd())
        return;
    StageOverlayState overlay;
    overlay.selecting = (g_nStageMode & 0xFF) == kStageModeSelecting;
    overlay.method = g_nRangeSelectMethod;
    overlay.wheelRangeClient = m_wheelRangeClient;
    overlay.bandStarted = m_band->IsStarted();
    overlay.bandRect = IsUnsetRect(m_band->current) ? RECT{} : m_band->current;
    overlay.cursorImagePoint = m_cursorImagePoint;
    CClientDC dc(&m_surfaceWnd);
    m_renderer->Render(HasImage() ? m_image.get() : nullptr, overlay, MeasurePanel(), flags, &dc);
}

HBRUSH CDlgViewStage::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    if (control == &m_surfaceWnd && (g_nStageMode & 0xFF) == kStageModeNormal)
        RenderSurface(0, kRenderAll);
    return CDialog::OnCtlColor(dc, control, kind);
}

// ---- StageEditHost ----

bool CDlgViewStage::PanelReportsTransformed() const
{
    return GetAppState().Window(AppWindow::ControlPanel) != nullptr && IsImageTransformed();
}

HDC CDlgViewStage::DisplayDc()
{
    return m_renderer->HasBackBuffer() ? m_renderer->BackBuffer().GetMemDC()->GetSafeHdc() : nullptr;
}

void CDlgViewStage::Render()
{
    RenderSurface(0, kRenderAll);
}

void CDlgViewStage::Relayout()
{
    ReStructViewStage(0);
    RebuildBackBuffer();
}

bool CDlgViewStage::ShowsPart() const
{
    return m_zoom.IsPartView();
}

bool CDlgViewStage::OverviewOpen() const
{
    return GetAppState().Window(AppWindow::OverviewWindow) != nullptr;
}

void CDlgViewStage::RefreshOverview()
{
    NotifyPanel(kNotifyOverview, WM_SKY_SET_IMAGE, reinterpret_cast<WPARAM>(m_image.get()),
        reinterpret_cast<LPARAM>(&m_zoom.visibleRect));
}

void CDlgViewStage::CloseOverview()
{
    SendToFrame(WM_FRAME_CLOSE_SKY);
}
