// The stage's message table: every private message, command and timer it
// receives, and its exchanges with the panel. The mouse, the keys, the
// right-click menu and the whole-picture commands are in the input and
// command files, the file operations in the multi_view_stage_files files.
#include "multiview/multi_view_stage.h"

#include "clip/draw_pens.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "core/panel_messages.h"
#include "multiview/drop_copier.h"
#include "multiview/multi_view_state.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/dialog/msgbox.h"

#include <QString>
#include <algorithm>

namespace {

constexpr int kMaxNameLength = 520;
constexpr char16_t kLowMemoryWarning[] =
    u"フリーメモリが少ない為、全ての画像のサムネイル表示が出来ない可能性があります。";

}  // namespace

LRESULT CDlgMultiViewStage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT result = 0; HandleFileOperationMessage(message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_REPOSITION_PANEL:
        OnRepositionPanel();
        return 0;
    case WM_RESIZE_STAGE:
        OnResizeStage(reinterpret_cast<const RECT*>(wParam));
        return 0;
    case WM_MULTI_FOLDER_CHANGED:
        return OnNoticeChangedMultiTargetFolder(wParam, lParam);
    case WM_MULTI_SORT_MODE_CHANGED:
        return OnSortModeChanged(static_cast<int>(wParam));
    case WM_MULTI_RENDER:
        // The range loader posts this whether or not the stage is shown; a
        // hidden stage is drawn when it is shown again.
        if (IsWindowVisible())
            Render("OnRequestRenderThumbnailImage");
        return 0;
    case WM_MULTI_SORT_ORDER_CHANGED:
        return OnSortOrderChanged(static_cast<int>(wParam));
    case WM_MULTI_BUILD_SORT_INDEX:
        return OnBuildSortIndex(static_cast<unsigned>(wParam), lParam == 1);
    case WM_MULTI_CLEAR:
        return OnClear();
    case WM_MULTI_SUSPEND_WORKERS:
        m_loaders->SuspendLoaders();
        return 0;
    case WM_MULTI_RESUME_WORKERS:
        m_loaders->ResumeLoaders();
        return 0;
    case WM_MULTI_PAGE_LOADED:
        return OnPageLoaded();
    case WM_MULTI_PAUSE_LOAD:
        return OnPauseLoad(wParam, lParam);
    case WM_MULTI_GET_CURRENT_PATH:
        return OnGetCurrentPath(wParam, lParam);
    case WM_MULTI_VIEW_MODE_CHANGED:
        return OnViewModeChanged(static_cast<int>(wParam));
    case WM_MULTI_SET_FILE_NAME:
        return OnSetFileName(wParam, lParam);
    case WM_MULTI_REDRAW_FRAMES:
        return OnRedrawFrames(static_cast<int>(wParam));
    case WM_MULTI_CLEAR_SELECTION:
        return OnClearSelection();
    case WM_MULTI_WAIT_SORT:
        return OnWaitSort(lParam == 1);
    case WM_MULTI_SET_PREVIEW_ITEM:
        return OnSetPreviewItem(static_cast<int>(wParam));
    case WM_MULTI_COLLECT_MASK_DATES:
        return OnMaskDates(false);
    case WM_MULTI_REBUILD_MASK_DATES:
        return OnMaskDates(true);
    case WM_MULTI_STOP_LOAD:
        return OnStopLoad();
    case WM_MULTI_COPY_PICTURE:
    case WM_MULTI_OPEN_IN_CLIP_MODE: {
        bool handled = false;
        return OnInputMessage(message, wParam, lParam, &handled);
    }
    case WM_MULTI_PRINT:
        // The frame's print command prints the focus.
        m_contextItem = m_scroll.Focus();
        return OnPrintItem(m_contextItem);
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

BOOL CDlgMultiViewStage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0 && OnContextCommand(LOWORD(wParam)))
        return TRUE;
    if (LOWORD(wParam) == IDC_MULTI_COPY_ABORT) {
        if (m_dropCopier)
            m_dropCopier->RequestAbort();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgMultiViewStage::OnTimer(UINT_PTR id)
{
    if (id == IDT_MULTI_PAGE_PAINT) {
        OnPaintTimer();
        return;
    }
    if (id == IDT_MULTI_AFTER_DROP) {
        OnAfterDropTimer();
        return;
    }
    CDialog::OnTimer(id);
}

LRESULT CDlgMultiViewStage::SendToPanel(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND panel = PanelWindow();
    return panel ? ::SendMessage(panel, message, wParam, lParam) : 0;
}

void CDlgMultiViewStage::PostToPanel(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const HWND panel = PanelWindow())
        ::PostMessage(panel, message, wParam, lParam);
}

void CDlgMultiViewStage::ResetFrames()
{
    m_hoverFrame->ResetRect();
    m_focusOuterFrame->ResetRect();
    m_focusInnerFrame->ResetRect();
}

LRESULT CDlgMultiViewStage::OnViewModeChanged(int mode)
{
    ResetFrames();
    m_viewMode = mode;
    const int oldSize = GetMultiViewState().thumbSize;
    const int hasCells = LayoutGrid(true);
    const int newSize = GetMultiViewState().thumbSize;
    if (newSize != oldSize)
        SendToPanel(WM_MULTICTL_SET_THUMB_SIZE, static_cast<WPARAM>(newSize), 0);
    if (!hasCells)
        return 0;
    const int page = m_layout.PageCells(m_viewMode);
    const int capacity = m_list->GetCapacity();
    const bool warned = m_list->IsLowMemoryWarningShown() || m_lowMemoryWarned;
    if (capacity < page && capacity < m_list->GetFileCount() && !warned) {
        AfxMessageBox(QString::fromUtf16(kLowMemoryWarning));
        m_lowMemoryWarned = true;
    }
    int columns = 0;
    int rows = 0;
    m_layout.GetGridSize(m_viewMode, &columns, &rows);
    RenderWithPageCheck("OnNoticeChangedViewMode_V2", true, columns, rows);
    return 0;
}

LRESULT CDlgMultiViewStage::OnGetCurrentPath(WPARAM buffer, LPARAM length)
{
    auto* out = reinterpret_cast<QString*>(buffer);
    if (!out)
        return 0;
    out->clear();
    const int focus = m_scroll.Focus();
    const WORD file = focus >= 0 ? m_list->GetSortIndex(focus) : kNoFileIndex;
    if (file == kNoFileIndex || file >= m_list->GetFileCount())
        return 0;
    const QString path = m_list->GetFilePath(file);
    if (length <= 0 || path.size() < length)
        *out = path;
    return 0;
}

LRESULT CDlgMultiViewStage::OnSetFileName(WPARAM file, LPARAM name)
{
    const auto* text = reinterpret_cast<const QString*>(name);
    // A stale index from the rename dialog must not write past the list.
    if (!text || static_cast<int>(file) < 0 || static_cast<int>(file) >= m_list->GetFileCount())
        return 0;
    m_list->SetFileName(static_cast<int>(file), text->left(kMaxNameLength));
    return 1;
}

LRESULT CDlgMultiViewStage::OnClearSelection()
{
    m_list->ClearSelection();
    m_scroll.SetFocus(-1);
    return 1;
}

LRESULT CDlgMultiViewStage::OnSetPreviewItem(int position)
{
    if (m_viewMode != kMultiViewPreview)
        return 0;
    m_scroll.SetFocus(position);
    ShowPreviewPicture(position);
    OnRedrawFrames(m_scroll.GetFocusCell());
    return 0;
}
