// The clip window's making, placing and ending, and its message routing.
#include "clip/clip_window.h"

#include "clip/clip_window_rules.h"
#include "clip/control_panel.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/combo_helpers.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/frame_work_area.h"

namespace {

constexpr WPARAM kStatusTopic = 166;

// The remembered place of each clip-window number in the settings.
struct RememberedPlace {
    int AppSettingsRecord::*x;
    int AppSettingsRecord::*y;
};
constexpr RememberedPlace kRemembered[] = {
    {&AppSettingsRecord::ClipWindowPos0X, &AppSettingsRecord::ClipWindowPos0Y},
    {&AppSettingsRecord::ClipWindowPos1X, &AppSettingsRecord::ClipWindowPos1Y},
    {&AppSettingsRecord::ClipWindowPos2X, &AppSettingsRecord::ClipWindowPos2Y},
    {&AppSettingsRecord::ClipWindowPos3X, &AppSettingsRecord::ClipWindowPos3Y},
    {&AppSettingsRecord::ClipWindowPos4X, &AppSettingsRecord::ClipWindowPos4Y},
    {&AppSettingsRecord::ClipWindowPos5X, &AppSettingsRecord::ClipWindowPos5Y},
    {&AppSettingsRecord::ClipWindowPos6X, &AppSettingsRecord::ClipWindowPos6Y},
    {&AppSettingsRecord::ClipWindowPos7X, &AppSettingsRecord::ClipWindowPos7Y},
    {&AppSettingsRecord::ClipWindowPos8X, &AppSettingsRecord::ClipWindowPos8Y},
    {&AppSettingsRecord::ClipWindowPos9X, &AppSettingsRecord::ClipWindowPos9Y},
    {&AppSettingsRecord::ClipWindowPos10X, &AppSettingsRecord::ClipWindowPos10Y},
    {&AppSettingsRecord::ClipWindowPos11X, &AppSettingsRecord::ClipWindowPos11Y},
};
constexpr int kNumbers = static_cast<int>(std::size(kRemembered));

RECT ControlRect(const CWnd* dialog, int id)
{
    RECT r{};
    if (const CWnd* control = dialog->GetDlgItem(id)) {
        control->GetWindowRect(&r);
        dialog->ScreenToClient(&r);
    }
    return r;
}

ScreenMetrics Metrics()
{
    // The frame caches the figures; before it has, the display's own serve.
    return g_ScreenMetrics.screenWidth > 0 ? g_ScreenMetrics : QueryScreenMetrics();
}

}  // namespace

LRESULT CClipPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        if (CWnd* parent = GetParent()) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(&p);
            parent->ScreenToClient(&p);
            parent->SendMessage(message, wParam, MAKELPARAM(p.x, p.y));
        }
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

CDlgClipWindow::CDlgClipWindow(
    BYTE index, CClipImageSlot* slot, const CPngTransparency& transparency, const RECT& clipRect)
    : CDialog(&kDialog166ClipWindow), m_index(index), m_slot(slot), m_transparency(transparency),
      m_clipRect(clipRect)
{
}

CDlgClipWindow::~CDlgClipWindow()
{
    FreeButtonImages();
}

BOOL CDlgClipWindow::Create(CWnd* parent)
{
    if (!CDialog::Create(kDialog166ClipWindow, parent))
        return FALSE;
    ShowWindow(SW_SHOW);
    // The window's frame is known once it shows: the place is taken again,
    // so that the frame's corner stands where it was put.
    if (m_placed.right > m_placed.left) {
        MoveWindow(&m_placed);
        GetWindowRect(&m_rcWindow);
    }
    m_initialising = 0;
    return TRUE;
}

BYTE CDlgClipWindow::Index() const
{
    return m_index;
}

const RECT& CDlgClipWindow::WindowRectangle() const
{
    return m_rcWindow;
}

BOOL CDlgClipWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_picture.SubclassDlgItem(IDC_CLIP_PICTURE, this);
    m_zoomLevel = 0;
    m_pickMode = 0;
    m_initialising = 1;
    m_zoomDirection = 1;
    const ScreenMetrics metrics = Metrics();
    m_maxShown = ClipMaxShownSize(metrics.screenWidth, metrics.screenHeight);
    if (m_slot)
        m_image = SIZE{m_slot->infoHeader.biWidth, std::abs(m_slot->infoHeader.biHeight)};

    TakeControlRectangles();
    SetPictureSize(ClipInitialShownSize(m_image, m_maxShown));
    PlaceInitially();
    CreateToolTips();
    LoadButtonImages();
    FillSaveSizeCombo();
    if (CWnd* row = GetDlgItem(IDC_CLIP_BUTTON_ROW))
        row->ShowWindow(SW_HIDE);

    if (!PrepareBuffer()) {
        AfxMessageBox(QStringLiteral("メモリ不足によりClipWindowを開けませんでした。"));
        PostMessage(WM_CLOSE);
    }
    UpdateTitle();
    BringWindowToTop();
    // Moves are remembered from the end of Create on.
    return TRUE;
}

void CDlgClipWindow::TakeControlRectangles()
{
    m_rcButtonRow = ControlRect(this, IDC_CLIP_BUTTON_ROW);
    m_rcClose = ControlRect(this, IDC_CLIP_CLOSE);
    m_rcPicture = ControlRect(this, IDC_CLIP_PICTURE);
    m_minClientWidth = m_rcClose.right + 5;
}

void CDlgClipWindow::SetPictureSize(SIZE shown)
{
    m_shown = shown;
    m_rcPicture.right = m_rcPicture.left + shown.cx + 2;
    m_rcPicture.bottom = m_rcPicture.top + shown.cy + 2;
    m_rcImage =
        RECT{m_rcPicture.left + 1, m_rcPicture.top + 1, m_rcPicture.right - 1, m_rcPicture.bottom - 1};
    m_rcDrawn = RECT{1, 1, 1 + shown.cx, 1 + shown.cy};
    if (CWnd* picture = GetDlgItem(IDC_CLIP_PICTURE))
        picture->MoveWindow(
            m_rcPicture.left, m_rcPicture.top, shown.cx + 2, shown.cy + 2, m_initialising ? FALSE : TRUE);
}

SIZE CDlgClipWindow::OuterSize() const
{
    const ScreenMetrics metrics = Metrics();
    const ClipFrameFigures figures{metrics.captionHeight, metrics.frameWidth, metrics.frameHeight};
    return ClipWindowOuterSize(std::max(m_rcClose.right, m_minClientWidth - 5),
        m_rcButtonRow.bottom - m_rcButtonRow.top, m_rcPicture, figures);
}

POINT CDlgClipWindow::CentredOnStage(SIZE outer) const
{
    AppStateSource& state = GetAppState();
    int panelRight = 0;
    if (auto* panel =
            dynamic_cast<CDlgControlWindow*>(CWnd::FromHandle(state.Window(AppWindow::ControlPanel))))
        panelRight = panel->Placement().right;
    RECT stage{};
    if (auto* view = dynamic_cast<CDlgViewStage*>(CWnd::FromHandle(state.Window(AppWindow::ViewStage))))
        stage = view->ViewRectangle();
    return POINT{panelRight + (stage.left + stage.right) / 2 - outer.cx / 2,
        GetFrameClientTop(Metrics()) + (stage.top + stage.bottom) / 2 - outer.cy / 2};
}

RECT CDlgClipWindow::PreviousWindowRectangle() const
{
    for (int i = m_index - 1; i >= 0; --i) {
        if (auto* other = dynamic_cast<CDlgClipWindow*>(CWnd::FromHandle(GetAppState().ClipWindow(i))))
            return other->WindowRectangle();
    }
    return RECT{};
}

void CDlgClipWindow::PlaceInitially()
{
    const SIZE outer = OuterSize();
    const ScreenMetrics metrics = Metrics();
    ClipPlacementInput in;
    in.size = outer;
    in.centred = CentredOnStage(outer);
    in.previous = PreviousWindowRectangle();
    in.captionHeight = metrics.captionHeight;
    in.screen = SIZE{metrics.screenWidth, metrics.screenHeight};
    in.workArea = QueryAvailableScreenRect();
    if (m_index < kNumbers) {
        const RememberedPlace& place = kRemembered[m_index];
        if (AppSettings.IsClipWindowPos == 1) {
            in.useRemembered = true;
            in.remembered = POINT{AppSettings.*place.x, AppSettings.*place.y};
        } else if (AppSettings.IsClipWindowPos == 0) {
            AppSettings.*place.x = -1;
            AppSettings.*place.y = -1;
        }
    }
    const POINT p = ClipInitialPosition(in);
    m_placed = RECT{p.x, p.y, p.x + outer.cx, p.y + outer.cy};
    MoveWindow(&m_placed);
    GetWindowRect(&m_rcWindow);
}

void CDlgClipWindow::FillSaveSizeCombo()
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_CLIP_SAVE_SIZE));
    if (!combo)
        return;
    combo->ResetContent();
    combo->AddString(QStringLiteral("ｸﾘｯﾌﾟしたサイズ"));
    combo->AddString(QStringLiteral("現在の表示サイズ"));
    combo->AddString(QStringLiteral("サイズを指定する"));
    m_saveSizeChoice = 0;
    combo->SetCurSel(0);
}

void CDlgClipWindow::OnOK()
{
    // Enter does not close a clip window.
}

void CDlgClipWindow::OnCancel()
{
}

void CDlgClipWindow::CloseAsButton()
{
    EndPickMode();
    SendMessage(WM_CLOSE);
}

void CDlgClipWindow::OnClose()
{
    // The stage frees the slot and the frame destroys and deletes the window:
    // from here on the slot is gone.
    if (const HWND stage = GetAppState().Window(AppWindow::ViewStage))
        ::SendMessage(stage, WM_STAGE_FREE_CLIP_SLOT, m_index);
    m_slot = nullptr;
    SendToFrame(WM_FRAME_CLOSE_CLIPWINDOW, m_index);
}

void CDlgClipWindow::OnDestroy()
{
    ShowPickCursor(false);
    m_buffer.Free();
    FreeButtonImages();
    CDialog::OnDestroy();
}

void CDlgClipWindow::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    if (IsIconic())
        return;
    GetWindowRect(&m_rcWindow);
    if (!m_initialising && AppSettings.IsClipWindowPos == 1 && m_index < kNumbers) {
        AppSettings.*kRemembered[m_index].x = m_rcWindow.left;
        AppSettings.*kRemembered[m_index].y = m_rcWindow.top;
    }
}

void CDlgClipWindow::OnShowWindow(BOOL show, UINT status)
{
    CDialog::OnShowWindow(show, status);
    if (show)
        SendToFrame(WM_FRAME_STATUS_GUIDE, kStatusTopic, m_index);
}

void CDlgClipWindow::OnActivate(UINT state, CWnd* other, BOOL minimized)
{
    CDialog::OnActivate(state, other, minimized);
    if (state == WA_INACTIVE)
        SendToFrame(WM_FRAME_STATUS_GUIDE, kStatusTopic, static_cast<LPARAM>(-1));
    else
        SendToFrame(WM_FRAME_STATUS_GUIDE, kStatusTopic, m_pickMode ? 13 : m_index);
}

LRESULT CDlgClipWindow::SendToFrame(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendToAppWindow(AppWindow::MainFrame, message, wParam, lParam);
}

BOOL CDlgClipWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_CLIP_SAVE_SIZE) {
        if (code == CBN_SELCHANGE)
            OnSaveSizeChosen();
        else if (code == CBN_SETFOCUS)
            FitComboDropHeight(this, dynamic_cast<CComboBox*>(GetDlgItem(IDC_CLIP_SAVE_SIZE)));
        return TRUE;
    }
    if (code != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    switch (id) {
    case IDC_CLIP_SAVE:
        OnSave();
        return TRUE;
    case IDC_CLIP_COPY:
        CopyToClipboard(true, true);
        return TRUE;
    case IDC_CLIP_COPY_TO_STAGE:
        OnCopyToStage();
        return TRUE;
    case IDC_CLIP_PRINT:
        OnPrint();
        return TRUE;
    case IDC_CLIP_PICK_COLOR:
        OnPickButton();
        return TRUE;
    case IDC_CLIP_CLOSE:
        CloseAsButton();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}
