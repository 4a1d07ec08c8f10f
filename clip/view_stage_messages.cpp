// The view stage's exchanges with the frame and the panels, and its input
// handlers that are not mouse input: activation, focus and dropped files.
#include "clip/view_stage.h"

#include "clip/control_panel_messages.h"
#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/drop_files.h"
#include "platform/window/pointer_position.h"

namespace {

bool Contains(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

LRESULT CDlgViewStage::NotifyPanel(int which, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND target = nullptr;
    if (which == kNotifyControlPanel)
        target = GetAppState().Window(AppWindow::ControlPanel);
    else if (which == kNotifyOverview)
        target = GetAppState().Window(AppWindow::OverviewWindow);
    return target ? ::SendMessage(target, message, wParam, lParam) : 0;
}

LRESULT CDlgViewStage::SendToFrame(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_pFrame && m_pFrame->GetSafeHwnd() ? m_pFrame->SendMessage(message, wParam, lParam) : 0;
}

void CDlgViewStage::PostToFrame(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pFrame && m_pFrame->GetSafeHwnd())
        m_pFrame->PostMessage(message, wParam, lParam);
}

void CDlgViewStage::PressPanelButton(int id, bool post)
{
    HWND panel = GetAppState().Window(AppWindow::ControlPanel);
    if (!panel)
        return;
    const WPARAM command = MAKEWPARAM(id, BN_CLICKED);
    const auto button = reinterpret_cast<LPARAM>(::GetDlgItem(panel, id));
    if (post)
        ::PostMessage(panel, WM_COMMAND, command, button);
    else
        ::SendMessage(panel, WM_COMMAND, command, button);
}

void CDlgViewStage::EndPanelSelection()
{
    if (IsClipSelecting())
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_PRESS_METHOD, static_cast<WPARAM>(g_nRangeSelectMethod));
}

void CDlgViewStage::OnTakeFocus()
{
    POINT pointer{};
    RECT tree{};
    if (HWND fileTree = GetAppState().Window(AppWindow::FileTree))
        ::GetWindowRect(fileTree, &tree);
    if (GetCursorPos(&pointer) && Contains(tree, pointer))
        return;
    SetFocus();
}

void CDlgViewStage::OnDropFiles(HDROP__* drop)
{
    DropFiles(drop);
}

void CDlgViewStage::DropFiles(HDROP__* drop)
{
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr);
    QString path;
    if (count == 1)
        DragQueryFileW(drop, 0, &path);
    DragFinish(drop);
    if (count == 0)
        return;
    if (count == 1) {
        RequestOpenImageFile(path);
    } else {
        AfxMessageBox(QStringLiteral("一度に複数のファイルは開けません。"));
    }
    PostToFrame(WM_FRAME_FOREGROUND);
}

void CDlgViewStage::EnableOneToOneButton()
{
    if (CWnd* button = GetDlgItem(IDC_STAGE_ONE_TO_ONE))
        button->EnableWindow(HasImage());
}

void CDlgViewStage::OnActivate(UINT state, CWnd* other, BOOL minimized)
{
    CDialog::OnActivate(state, other, minimized);
    HWND fileTree = GetAppState().Window(AppWindow::FileTree);
    if (state == WA_CLICKACTIVE && fileTree && other && other->GetSafeHwnd() == fileTree) {
        NotifyPanel(kNotifyControlPanel, WM_ACTIVATE, WA_CLICKACTIVE, 0);
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}
