// The two tree windows as the frame keeps them: the file tree of clip mode
// (template 170, ID_VIEW_FILE_TREE) and the folder tree of the multi view
// (template 303, ID_VIEW_FOLDER_TREE). Each command opens its window, closes
// it when it is the frame's enabled pop-up, else brings it to the top; the
// windows ask to be closed with WM_FRAME_CLOSE_TREEFILE and
// WM_FRAME_CLOSE_TREEFOLDER. The file tree follows TreeLastDir when told
// (WM_TREEFILE_SYNC_FOLDER).
#include "app/main_frame.h"

#include "app/owned_window.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/tree_window_messages.h"
#include "multiview/file_tree_window.h"
#include "multiview/folder_tree_window.h"
#include "platform/window/pointer_position.h"
#include "res/frame_command_ids.h"

namespace {

bool InsideWithEdges(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace

void CMainFrame::OpenTreeFileWindow()
{
    if (!m_pTreeFileWindow) {
        auto* window = new CDlgTreeFileWindow(this);
        if (!window->Create(this)) {
            delete window;
            return;
        }
        m_pTreeFileWindow = window;
    }
    m_pTreeFileWindow->ShowWindow(SW_SHOW);
    BringToTop(m_pTreeFileWindow->GetSafeHwnd());
}

void CMainFrame::CloseTreeFileWindow()
{
    CloseOwnedWindowAtEnd(m_pTreeFileWindow);
}

void CMainFrame::OpenTreeFolderWindow()
{
    if (!m_pTreeFolderWindow) {
        auto* window = new CDlgTreeFolderWindow(this);
        if (!window->Create(this)) {
            delete window;
            return;
        }
        m_pTreeFolderWindow = window;
    }
    m_pTreeFolderWindow->ShowWindow(SW_SHOW);
    BringToTop(m_pTreeFolderWindow->GetSafeHwnd());
}

void CMainFrame::CloseTreeFolderWindow()
{
    CloseOwnedWindowAtEnd(m_pTreeFolderWindow);
}

bool CMainFrame::IsEnabledPopup(const CWnd* window) const
{
    return window && window->GetSafeHwnd() &&
        ::GetWindow(GetSafeHwnd(), GW_ENABLEDPOPUP) == window->GetSafeHwnd();
}

BOOL CMainFrame::IsCursorOnFileTree() const
{
    if (!IsEnabledPopup(m_pTreeFileWindow))
        return FALSE;
    POINT cursor{};
    GetCursorPos(&cursor);
    return InsideWithEdges(m_pTreeFileWindow->TreeAreaOnScreen(), cursor) ? TRUE : FALSE;
}

bool CMainFrame::IsOverFolderTree(POINT screen) const
{
    return IsEnabledPopup(m_pTreeFolderWindow) &&
        InsideWithEdges(m_pTreeFolderWindow->TreeRectOnScreen(), screen);
}

void CMainFrame::SyncFileTree()
{
    if (m_pTreeFileWindow && m_pTreeFileWindow->GetSafeHwnd())
        m_pTreeFileWindow->SendMessage(
            WM_TREEFILE_SYNC_FOLDER, reinterpret_cast<WPARAM>(&AppSettings.TreeLastDir), 0);
}

bool CMainFrame::HandleTreeMessage(UINT message, WPARAM, LPARAM, LRESULT* result)
{
    switch (message) {
    case WM_FRAME_CLOSE_TREEFILE:
        CloseTreeFileWindow();
        *result = 0;
        return true;
    case WM_FRAME_CLOSE_TREEFOLDER:
        CloseTreeFolderWindow();
        *result = 0;
        return true;
    default:
        return false;
    }
}

bool CMainFrame::HandleTreeCommand(UINT id)
{
    switch (id) {
    case ID_VIEW_FILE_TREE:
        if (!m_pTreeFileWindow)
            OpenTreeFileWindow();
        else if (IsEnabledPopup(m_pTreeFileWindow))
            CloseTreeFileWindow();
        else
            BringToTop(m_pTreeFileWindow->GetSafeHwnd());
        return true;
    case ID_VIEW_FOLDER_TREE:
        if (!m_pTreeFolderWindow)
            OpenTreeFolderWindow();
        else if (IsEnabledPopup(m_pTreeFolderWindow))
            m_pTreeFolderWindow->SendMessage(WM_COMMAND, IDCANCEL);
        else
            BringToTop(m_pTreeFolderWindow->GetSafeHwnd());
        return true;
    default:
        return false;
    }
}
