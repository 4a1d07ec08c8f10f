// The keys of the multi view. The application offers every key pressed in
// the multi view to the stage first: Delete, Enter, 1 and 2, Ctrl+C, and
// the keys that move the focus and the page.
#include "multiview/multi_view_stage.h"

#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "multiview/thumbnail_list.h"
#include "platform/app/message_pump.h"
#include "platform/controls/controls.h"
#include "platform/window/input_keys.h"
#include "res/dialog_279_multi_control.h"

namespace {

constexpr ULONGLONG kPageKeyGapMs = 1000;
constexpr short kWheelNotch = 120;

// Text typed into an edit field or a combo box stays the field's.
bool IsTextInput(HWND target)
{
    CWnd* w = CWnd::FromHandle(target);
    return dynamic_cast<CEdit*>(w) != nullptr || dynamic_cast<CComboBox*>(w) != nullptr;
}

}  // namespace

BOOL CDlgMultiViewStage::PreTranslateMessage(MSG* msg)
{
    if (msg->message != WM_KEYDOWN || GetAppState().AppMode() != 2 || !GetSafeHwnd())
        return CDialog::PreTranslateMessage(msg);
    if (IsExifWindowForeground() || IsMaskWindowOpen() || IsTextInput(msg->hwnd))
        return FALSE;
    if (OnKeyInMultiView(static_cast<UINT>(msg->wParam)))
        return TRUE;
    // Keys of the other windows are offered here too; only the stage's own
    // go on to the dialog's keys.
    if (GetRootWindow(msg->hwnd) != GetSafeHwnd())
        return FALSE;
    return CDialog::PreTranslateMessage(msg);
}

BOOL CDlgMultiViewStage::OnKeyInMultiView(UINT key)
{
    const int focus = m_scroll.Focus();
    switch (key) {
    case VK_DELETE:
        if (!m_deleting && m_list->IsSortReady(focus))
            PostToPanel(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_DELETE, 0));
        return TRUE;
    case VK_RETURN:
        if (AppSettings.Edit_Enter_Key == 1 && focus != -1)
            PostMessage(WM_MULTI_OPEN_IN_CLIP_MODE, static_cast<WPARAM>(focus));
        return TRUE;
    case '1':
        SendToPanel(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_GRID_VIEW, 0));
        return TRUE;
    case '2':
        SendToPanel(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_PREVIEW_VIEW, 0));
        return TRUE;
    case 'C':
        if (GetKeyState(VK_CONTROL) < 0 && focus != -1) {
            PostMessage(WM_MULTI_COPY_PICTURE, static_cast<WPARAM>(focus));
            return TRUE;
        }
        break;
    default:
        break;
    }

    if (m_viewMode == kMultiViewPreview) {
        int step = 0;
        if (key == VK_SPACE || key == VK_RIGHT)
            step = 1;
        else if (key == VK_LEFT || key == 'B' || key == 'V')
            step = -1;
        if (step != 0) {
            m_list->ClearSelection();
            OnRequestMultiViewPageChange(step);
            m_list->SetSelection(m_scroll.Focus(), 1);
            SendFocusFileInfo();
            SetFocus();
        }
        return TRUE;  // the preview takes every key
    }

    // A key repeating while the page is still being painted waits.
    const bool loading = m_list->GetLoadState() == kThumbLoadRunning;
    if (m_paintTimer != 0 && !(loading && GetTickCount64() - m_lastPageKeyMs > kPageKeyGapMs))
        return FALSE;
    if (key == VK_PRIOR || key == VK_NEXT) {
        RECT grid = m_rcGrid;
        ClientToScreen(&grid);
        const short delta = key == VK_PRIOR ? kWheelNotch : -kWheelNotch;
        PostMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
            MAKELPARAM((grid.left + grid.right) / 2, (grid.top + grid.bottom) / 2));
        return TRUE;
    }
    if (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT) {
        OnArrowKey(key);
        return TRUE;
    }
    return FALSE;
}

void CDlgMultiViewStage::OnArrowKey(UINT key)
{
    m_list->ClearSelection();
    int columns = 0;
    int rows = 0;
    m_layout.GetGridSize(m_viewMode, &columns, &rows);
    const int moved = m_scroll.MoveFocusByKey(key, rows);
    if (moved == 1 && m_scroll.ScrollForKey(key, rows)) {
        m_lastPageKeyMs = GetTickCount64();
        if (m_list->GetLoadState() == kThumbLoadRunning)
            StartPageLoad();
        m_list->SetSelection(m_scroll.Focus(), 1);
        RenderWithPageCheck("PreTranslateMessage", true);
    } else {
        if (moved == 0)
            m_lastPageKeyMs = 0;
        m_list->SetSelection(m_scroll.Focus(), 1);
        RedrawFocusAndSelection();
        DrawHeader();
    }
    SendFocusFileInfo();
}

void CDlgMultiViewStage::SendFocusFileInfo()
{
    const int focus = m_scroll.Focus();
    const WORD file = focus >= 0 ? m_list->GetSortIndex(focus) : kNoFileIndex;
    if (file == kNoFileIndex || file >= m_list->GetFileCount()) {
        SendToPanel(WM_MULTICTL_FILE_TEXT, 0, 0);
        SendToPanel(WM_MULTICTL_FILE_SIZE, 0, 0);
        return;
    }
    const QString name = m_list->GetFileName(file);
    const QString date = m_list->GetDateText(file);
    const CSize image = m_list->GetImageSize(file);
    const SIZE size{image.cx, image.cy};
    SendToPanel(WM_MULTICTL_FILE_TEXT, reinterpret_cast<WPARAM>(&name), reinterpret_cast<LPARAM>(&date));
    SendToPanel(WM_MULTICTL_FILE_SIZE, static_cast<WPARAM>(m_list->GetFileSize(file)),
        reinterpret_cast<LPARAM>(&size));
}
