#include "clip/capture_chooser.h"

#include "clip/capture_chooser_rules.h"
#include "clip/control_panel_messages.h"
#include "core/app_state.h"
#include "core/chooser_button.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "core/window_list.h"
#include "platform/window/pointer_position.h"
#include "platform/x11/enum_windows.h"

namespace {

constexpr int kSmallIconSize = 16;

QString FrameCaption()
{
    CWnd* frame = CWnd::FromHandle(GetAppState().Window(AppWindow::MainFrame));
    return frame ? frame->GetWindowText() : QString();
}

}  // namespace

CDlgChoicedCaptureWindow::CDlgChoicedCaptureWindow() : CDialog(&kDialog200ChoicedCaptureWindow)
{
}

CDlgChoicedCaptureWindow::~CDlgChoicedCaptureWindow() = default;

void CDlgChoicedCaptureWindow::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CHOOSER_WINDOW_LIST, m_list);
}

BOOL CDlgChoicedCaptureWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nHotRow = -1;
    m_nOpenGuard = 1;
    m_list.m_nDragCode = kChooserForwardCode;

    AllocWindowList(AppSettings.CaptureListMax);
    if (g_pWindowList)
        EnumWindows(EnumWindowListProc, 0);
    if (g_nWindowListCount == 0 || !g_pWindowList[0].window) {
        // Nothing to choose from: the chooser goes at once, without a word.
        m_nOpenGuard = 0;
        PostMessage(WM_CLOSE);
        return TRUE;
    }
    MoveWindowEntryToEnd(FrameCaption());
    WindowIconList icons;
    m_icons.Create(
        kSmallIconSize, kSmallIconSize, ILC_COLOR32 | ILC_MASK, g_nWindowListCount, g_nWindowListCount);
    if (BuildWindowIconList(icons))
        for (const QImage& icon : icons.images)
            m_icons.Add(icon);

    PlaceBelowChooserButton();
    SetTimer(kChooserGuardTimer, kChooserGuardMs);
    FillAndSizeList();
    CWnd topMost;  // names the top-most layer only
    topMost.m_hWnd = HWND_TOPMOST;
    SetWindowPos(&topMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
    return TRUE;
}

void CDlgChoicedCaptureWindow::PlaceBelowChooserButton()
{
    // The chooser drops down from the button: its top-left at the button's
    // left, one caption height below the button's top.
    const RECT button = ChooserButtonScreenRect();
    SetWindowPos(nullptr, button.left, button.top + g_ScreenMetrics.captionHeight, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgChoicedCaptureWindow::FillAndSizeList()
{
    m_list.DeleteAllItems();
    m_list.SetImageList(&m_icons, LVSIL_SMALL);
    for (int i = 0; i < g_nWindowListCount; ++i)
        m_list.InsertItem(i, g_pWindowList[i].title, i);
    int rowHeight = 0;
    m_list.GetItemSpacing(TRUE, nullptr, &rowHeight);

    RECT dialog;
    GetWindowRect(&dialog);
    const ChooserLayout layout = ComputeChooserLayout(dialog.top, g_nWindowListCount, rowHeight,
        g_ScreenMetrics.screenHeight, g_ScreenMetrics.captionHeight);
    MoveWindow(dialog.left, layout.dialogTop, dialog.right - dialog.left, layout.dialogHeight);
    RECT list;
    m_list.GetWindowRect(&list);
    ScreenToClient(&list);
    m_list.MoveWindow(list.left, kChooserListMargin, list.right - list.left, layout.listHeight);
}

int CDlgChoicedCaptureWindow::RowAt(int y) const
{
    const CSize view = m_list.ApproximateViewRect(CSize(-1, -1), -1);
    return ChooserRowAt(y, view.cy, m_list.GetItemCount());
}

void CDlgChoicedCaptureWindow::HighlightRow(int y)
{
    const int row = RowAt(y);
    if (row < 0)
        return;
    m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    if (m_nHotRow != row && m_nHotRow >= 0 && m_nHotRow < m_list.GetItemCount())
        m_list.SetItemState(m_nHotRow, 0, LVIS_SELECTED);
    m_nHotRow = row;
}

void CDlgChoicedCaptureWindow::PickRow(int y)
{
    const int row = RowAt(y);
    if (row < 0 || row >= g_nWindowListCount || !g_pWindowList)
        return;
    PostMessage(WM_CLOSE);
    if (const HWND panel = GetAppState().Window(AppWindow::ControlPanel))
        ::PostMessage(panel, WM_CLIPCTL_CAPTURE, kCaptureChosenWindow,
            reinterpret_cast<LPARAM>(g_pWindowList[row].window));
}

LRESULT CDlgChoicedCaptureWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE && wParam == kChooserForwardCode) {
        HighlightRow(GET_Y_LPARAM(lParam));
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CDlgChoicedCaptureWindow::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (wParam == IDC_CHOOSER_WINDOW_LIST && header && header->code == NM_CLICK) {
        PickRow(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->ptAction.y);
        *result = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CDlgChoicedCaptureWindow::OnTimer(UINT_PTR id)
{
    if (id != kChooserGuardTimer) {
        CDialog::OnTimer(id);
        return;
    }
    KillTimer(kChooserGuardTimer);
    m_nOpenGuard = 0;
}

void CDlgChoicedCaptureWindow::OnOK()
{
    Close();
}

void CDlgChoicedCaptureWindow::OnCancel()
{
    Close();
}

void CDlgChoicedCaptureWindow::Close()
{
    if (m_nOpenGuard)
        return;
    ClipCursor(nullptr);
    FreeWindowList();
    if (const HWND frame = GetAppState().Window(AppWindow::MainFrame))
        ::SendMessage(frame, WM_FRAME_CLOSE_CAPTURELIST, 0, 0);
}
