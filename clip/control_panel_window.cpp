// The control panel as a window: its pictures and tool tips, where it stands
// and how the continuous-capture row changes it, activation and hovering,
// the colour readout, the capture request, and its lines to the stage and
// the frame.
#include "clip/control_panel.h"

#include "clip/control_panel_messages.h"
#include "clip/control_panel_placement.h"
#include "clip/control_panel_readouts.h"
#include "clip/panel_beside_frame.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/settings/app_settings.h"
#include "core/shared_paths.h"
#include "core/system_figures.h"
#include "platform/window/pointer_position.h"

#include <iterator>

namespace {

constexpr int kImageCount = 11;

struct ToolTipText {
    int id;
    const char16_t* text;
};

constexpr ToolTipText kToolTips[] = {
    {IDC_PANEL_TWO_CLICK_RANGE, u"クリップ範囲をマウスクリック( 左上 - 右下 )で指定します。"},
    {IDC_PANEL_WHEEL_RANGE, u"クリップ範囲をマウスホイールで指定します。"},
    {IDC_PANEL_FIX_RANGE, u"クリップ範囲を前回クリップした範囲で固定します。"},
    {IDC_PANEL_CAPTURE_ACTIVE_WINDOW, u"アクティブウィンドウを指定秒後にキャプチャーして表示します。"},
    {IDC_PANEL_CAPTURE_FULL_SCREEN, u"フルスクリーンを指定秒後にキャプチャーして表示します。"},
    {IDC_PANEL_CONTINUE_CAPTURE, u"連続キャプチャ実行(設定)ダイアログを表示します。"},
    {IDC_PANEL_FIXED_MODE_DIALOG, u"過去にクリップした履歴ダイアログを表示します。"},
};

constexpr int kToolTipAutoPopMs = 5000;
constexpr int kToolTipInitialMs = 500;

}  // namespace

void CDlgControlWindow::LoadButtonImages()
{
    const int scale = GetIconScale();
    m_pictures.Load(
        kImageCount, [scale](int i) { return PanelBitmapId(static_cast<PanelImage>(i), scale); },
        LoadPanelBitmap);
}

void CDlgControlWindow::FreeButtonImages()
{
    m_pictures.Free(*this);
}

void CDlgControlWindow::SetButtonImage(int button, PanelImage image)
{
    m_pictures.Show(*this, button, static_cast<int>(image));
}

int CDlgControlWindow::ShownImage(int button) const
{
    return m_pictures.ShownId(button);
}

void CDlgControlWindow::ShowMethodImage(int button, bool pressed)
{
    if (button == IDC_PANEL_TWO_CLICK_RANGE)
        SetButtonImage(button, pressed ? PanelImage::TwoClickPressed : PanelImage::TwoClick);
    else if (button == IDC_PANEL_WHEEL_RANGE)
        SetButtonImage(button, pressed ? PanelImage::WheelPressed : PanelImage::Wheel);
}

void CDlgControlWindow::ShowLinkImage()
{
    SetButtonImage(IDC_PANEL_SIZE_LINK, m_sizeLink == 1 ? PanelImage::Linked : PanelImage::NotLinked);
}

void CDlgControlWindow::CreateToolTips()
{
    m_toolTip.Create(this, TTS_ALWAYSTIP);
    m_toolTip.Activate(TRUE);
    m_toolTip.SetDelayTime(TTDT_AUTOPOP, kToolTipAutoPopMs);
    m_toolTip.SetDelayTime(TTDT_INITIAL, kToolTipInitialMs);
    for (const ToolTipText& tip : kToolTips)
        if (CWnd* control = GetDlgItem(tip.id))
            m_toolTip.AddTool(control, QString::fromUtf16(tip.text));
}

BOOL CDlgControlWindow::PreTranslateMessage(MSG* msg)
{
    // Mouse moves over the seven buttons go to the tool tip; any other pops it.
    m_toolTip.FollowMouse(msg);
    return CDialog::PreTranslateMessage(msg);
}

RECT CDlgControlWindow::CalcPanelPlacement() const
{
    return PanelPlacementBesideFrame(*this);
}

void CDlgControlWindow::MoveToPlacement(const RECT& r)
{
    MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void CDlgControlWindow::OnRepositionPanel()
{
    // The stored placement stays: it is what the panel keeps while sized.
    MoveToPlacement(CalcPanelPlacement());
}

void CDlgControlWindow::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    // The panel keeps its geometry: a size from outside is taken back.
    if (m_rcPlacement.right != 0 && m_rcPlacement.bottom != 0) {
        RECT now{};
        GetWindowRect(&now);
        if (now.right - now.left != m_rcPlacement.right - m_rcPlacement.left ||
            now.bottom - now.top != m_rcPlacement.bottom - m_rcPlacement.top)
            MoveToPlacement(m_rcPlacement);
    }
}

void CDlgControlWindow::OnUpdateContinueCaptureButton(bool init)
{
    CWnd* button = GetDlgItem(IDC_PANEL_CONTINUE_CAPTURE);
    const bool visible = init || (button && button->IsWindowVisible());
    const ContinueCaptureChange change =
        ContinueCaptureButtonChange(visible, AppSettings.UseContinueCapture == 1, CalcPanelPlacement());
    if (change.show == 0)
        return;
    if (button)
        button->ShowWindow(change.show > 0 ? SW_SHOW : SW_HIDE);
    m_rcPlacement = change.placement;
    MoveToPlacement(m_rcPlacement);
}

void CDlgControlWindow::OnActivate(UINT state, CWnd* other, BOOL minimized)
{
    CDialog::OnActivate(state, other, minimized);
    const HWND fileTree = GetAppState().Window(AppWindow::FileTree);
    if (state == WA_CLICKACTIVE && fileTree && other && other->GetSafeHwnd() == fileTree) {
        SendToStage(WM_ACTIVATE, WA_CLICKACTIVE, 0);
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    m_active = state != WA_INACTIVE ? 1 : 0;
}

void CDlgControlWindow::OnMouseMove(UINT flags, CPoint point)
{
    CDialog::OnMouseMove(flags, point);
    RaiseOverlappedToolWindow(GetSafeHwnd(), m_active, point);
}

void CDlgControlWindow::ShowColor(COLORREF color)
{
    m_colorText = ColorReadout(color, AppSettings.ColorRadix);
    SetDlgItemText(IDC_PANEL_COLOR_TEXT, m_colorText);
    if (color == static_cast<COLORREF>(-1))
        return;
    CWnd* swatch = GetDlgItem(IDC_PANEL_COLOR_SWATCH);
    if (!swatch)
        return;
    if (CDC* dc = swatch->GetDC()) {
        dc->FillSolidRect(&m_rcSwatch, color);
        swatch->ReleaseDC(dc);
        swatch->PresentSurface();
    }
}

void CDlgControlWindow::CaptureWindowOrScreen(int kind, HWND target)
{
    g_szCaptureTitle.clear();
    if (kind == 1)
        NameStageImage(QStringLiteral("active_window.bmp"));
    else if (kind == 2)
        NameStageImage(QStringLiteral("full_screen.bmp"));
    else
        NameStageImage(QStringLiteral("capture_window.bmp"));
    const HWND stage = StageWindow();
    if (!stage)
        return;
    ::PostMessageW(stage, WM_STAGE_OPEN_IMAGE, static_cast<WPARAM>(kind & 0xFF),
        kind == 1 || kind == 2 ? 0 : reinterpret_cast<LPARAM>(target));
}

LRESULT CDlgControlWindow::SendToFrame(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendToAppWindow(AppWindow::MainFrame, message, wParam, lParam);
}

void CDlgControlWindow::PostToFrame(UINT message, WPARAM wParam, LPARAM lParam)
{
    PostToAppWindow(AppWindow::MainFrame, message, wParam, lParam);
}

LRESULT CDlgControlWindow::SendToStage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND stage = StageWindow();
    return stage ? ::SendMessageW(stage, message, wParam, lParam) : 0;
}

// The real stage.

namespace {

CDlgViewStage* ViewStageOf(HWND stage)
{
    return dynamic_cast<CDlgViewStage*>(CWnd::FromHandle(stage));
}

}  // namespace

HWND CDlgControlWindow::StageWindow() const
{
    return GetAppState().Window(AppWindow::ViewStage);
}

bool CDlgControlWindow::StageHasImage() const
{
    const CDlgViewStage* stage = ViewStageOf(StageWindow());
    return stage && stage->HasImage();
}

RECT CDlgControlWindow::StageVisibleImageRect() const
{
    const CDlgViewStage* stage = ViewStageOf(StageWindow());
    return stage ? stage->Zoom().visibleRect : RECT{};
}

bool CDlgControlWindow::StageBandImageRect(RECT* r) const
{
    const CDlgViewStage* stage = ViewStageOf(StageWindow());
    return stage && stage->BandImageRect(r);
}

void CDlgControlWindow::CenterCursorOnStageRect(const RECT& imageRect)
{
    CDlgViewStage* stage = ViewStageOf(StageWindow());
    if (!stage)
        return;
    RECT r = stage->Zoom().ImageRectToClient(imageRect, 1, 1);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    stage->ClientToScreen(&centre);
    SetCursorPos(centre.x, centre.y);
}

void CDlgControlWindow::NameStageImage(const QString& name)
{
    if (CDlgViewStage* stage = ViewStageOf(StageWindow()))
        stage->NameRequestedImage(name);
}
