// How the stage orders the loading of a folder: a new folder or new
// thumbnails, sort key and direction changes that keep the focus file, the
// loaded window following the page, the visible page first, the pending
// range afterwards, stops, pauses, the sort builder and the mask workers.
// All of it runs on the UI thread; the workers are in thumbnail_loaders.
#include "multiview/multi_view_stage.h"

#include "core/app_state.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/app/message_pump.h"
#include "platform/window/cursor.h"

#include <QThread>
#include <optional>

namespace {

// The shared cursor moves to the visible page; a finished pass is undone,
// so that the running load also covers what it skipped.
void BringCursorToPage(ThumbLoadControl& control, int first)
{
    control.cursor.store(static_cast<WORD>(first));
    WORD passes = control.passCount.load();
    while (passes != 0 && !control.passCount.compare_exchange_weak(passes, static_cast<WORD>(passes - 1))) { }
}

}  // namespace

void CDlgMultiViewStage::StartRangeLoad(int first, int last)
{
    if (!m_loaders->StartRangeLoader(first, last))
        m_list->SetLoadState(kThumbLoadStopped);
}

LRESULT CDlgMultiViewStage::OnNoticeChangedMultiTargetFolder(WPARAM folder, LPARAM sortBits)
{
    const bool load = folder != 0 || sortBits != 0;
    const QString path = folder ? *reinterpret_cast<const QString*>(folder) : m_list->GetFolder();
    if (!IsLoadAllowed())
        return 0;
    if (folder && path == m_list->GetFolder() && m_list->GetFileCount() > 0)
        return 0;
    if (sortBits) {
        m_list->SetValidBits(0);
        SendToPanel(WM_MULTICTL_ENABLE_SORT, 0, 0);
    }
    // The arrays are made anew below: no worker may still be on them. A new
    // folder's dates also replace what a rebuild of the old ones would commit.
    if (!m_loaders->StopWorkerThreads(true, load))
        return 0;
    if (load && m_loaders->StopMaskWorker(true) == CThumbnailLoaders::Stop::StillRunning)
        return 0;

    ThumbLoadControl& control = m_list->LoadControl();
    // A range left pending belongs to the thumbnails about to go.
    control.ClearPendingRange();
    {
        CWaitCursor wait;
        if (load) {
            m_list->ClearLowMemoryWarning();
            m_lowMemoryWarned = false;
            m_list->LoadFolder(path, PageCells(), static_cast<unsigned>(sortBits));
            m_scroll.Init(m_list->GetFileCount(), m_list->GetCapacity(), m_viewMode);
        } else {
            m_list->ResetThumbnails(PageCells());
            m_scroll.SetTotals(m_list->GetFileCount(), m_list->GetCapacity());
        }
    }
    const int count = m_list->GetFileCount();
    const int capacity = m_list->GetCapacity();
    SendToPanel(WM_MULTICTL_TOTALS, static_cast<WPARAM>(count), static_cast<LPARAM>(capacity));
    if (capacity == 0) {
        SendMessage(WM_MULTI_CLEAR);
        return 1;
    }
    if (count == 0)
        return 1;

    int first = 0;
    int last = capacity - 1;
    if (!load && capacity < count) {
        const LoadedWindowMove move = m_scroll.GetNewlyVisibleRange(count, capacity, true);
        if (move.visibleInside)
            BringCursorToPage(control, m_scroll.First());
        first = m_scroll.LoadedFirst();
        last = m_scroll.LoadedLast();
    }
    if (capacity < count)
        m_scroll.SetLoadedWindow(first, last);
    m_list->SetLoadState(kThumbLoadRunning);
    control.loadedCount.store(0);
    control.resume.store(false);
    StartRangeLoad(first, last);
    int columns = 0;
    int rows = 0;
    m_layout.GetGridSize(m_viewMode, &columns, &rows);
    RenderWithPageCheck("OnNoticeChangedMultiTargetFolder", false, columns, rows);
    return 1;
}

LRESULT CDlgMultiViewStage::OnSortModeChanged(int key)
{
    ResetFrames();
    if (m_list->GetLoadState() == kThumbLoadRunning)
        StartPageLoad();
    const int count = m_list->GetFileCount();
    const int focus = m_scroll.Focus();
    if (focus >= 0) {
        // The same file keeps the focus under the new order.
        const WORD file = m_list->GetSortIndex(focus);
        const int rank = file == kNoFileIndex ? -1 : m_list->GetRank(key, file);
        int newFocus = -1;
        if (rank >= 0)
            newFocus = m_list->IsDescending() ? count - rank - 1 : rank;
        m_scroll.SetFocus(newFocus);
    }
    int columns = 0;
    int rows = 0;
    m_layout.GetGridSize(m_viewMode, &columns, &rows);
    m_scroll.Relayout(columns, rows, m_viewMode);
    m_list->SetSortKey(static_cast<BYTE>(key));
    if (m_list->GetCapacity() < count)
        OnNoticeChangedMultiTargetFolder(0, 0);  // the loaded window now holds other files
    else
        Render("OnNoticeChangedSortMode");
    return 0;
}

LRESULT CDlgMultiViewStage::OnSortOrderChanged(int descending)
{
    if (m_list->GetLoadState() == kThumbLoadRunning)
        StartPageLoad();
    const int count = m_list->GetFileCount();
    // Mirrored only when the direction really turns.
    if (m_scroll.Focus() != -1 && (descending != 0) != (m_list->IsDescending() != 0)) {
        m_scroll.SetFocus(count - m_scroll.Focus() - 1);
        int columns = 0;
        int rows = 0;
        m_layout.GetGridSize(m_viewMode, &columns, &rows);
        m_scroll.Relayout(columns, rows, m_viewMode);
    }
    m_list->SetDescending(static_cast<BYTE>(descending != 0));
    if (m_list->GetCapacity() < count)
        OnNoticeChangedMultiTargetFolder(0, 0);
    else
        Render("OnNoticeChangedSortOrder");
    return 0;
}

bool CDlgMultiViewStage::MoveLoadedWindow()
{
    const int count = m_list->GetFileCount();
    const int capacity = m_list->GetCapacity();
    ThumbLoadControl& control = m_list->LoadControl();
    const LoadedWindowMove move = m_scroll.GetNewlyVisibleRange(count, capacity, false);
    if (move.visibleInside) {
        BringCursorToPage(control, m_scroll.First());
        return true;
    }
    if (!move.release)
        return true;
    // Stopped before anything is released: a running loader could store a
    // thumbnail of a position just given up.
    if (!m_loaders->StopWorkerThreads(true, false)) {
        m_scroll.SetLoadedWindow(m_scroll.PreviousLoadedFirst(), m_scroll.PreviousLoadedLast());
        return false;
    }
    for (int position = move.releaseFirst; position <= move.releaseLast; ++position) {
        const WORD file = m_list->GetSortIndex(position);
        if (file != kNoFileIndex)
            m_list->ReleaseThumbnail(file);
    }
    PostToPanel(WM_MULTICTL_DISPLAY_STATE, kMultiDisplayLoading, 0);
    const int first = m_scroll.LoadedFirst();
    const int last = m_scroll.LoadedLast();
    const bool pageFirst = m_scroll.First() != first;
    if (pageFirst)
        control.cursor.store(static_cast<WORD>(m_scroll.First()));
    control.resume.store(pageFirst);
    m_list->SetLoadState(kThumbLoadRunning);
    control.loadedCount.store(0);
    StartRangeLoad(first, last);
    return true;
}

void CDlgMultiViewStage::StartPageLoad()
{
    if (!IsLoadAllowed() || m_list->GetCapacity() != m_list->GetFileCount())
        return;
    const int first = m_scroll.First();
    const int last = m_scroll.Last();
    if (m_list->IsThumbnailLoaded(first) && m_list->IsThumbnailLoaded(last))
        return;
    ThumbLoadControl& control = m_list->LoadControl();
    m_loaders->StopPageLoader();
    // The range loader gives way; its progress stays and it resumes after the page.
    const bool rangeRan = m_loaders->IsRunning(CThumbnailLoaders::kRangeLoader);
    m_loaders->StopRangeLoader(true);
    if (rangeRan) {
        control.pendingFirst = control.rangeFirst;
        control.pendingLast = control.rangeLast;
    }
    m_list->SetLoadState(kThumbLoadRunning);
    m_loaders->StartPageLoader(first, last);
}

void CDlgMultiViewStage::ResumePendingThumbnailLoad()
{
    ThumbLoadControl& control = m_list->LoadControl();
    if (!IsLoadAllowed() || !control.HasPendingRange())
        return;
    m_list->SetLoadState(kThumbLoadRunning);
    const int first = control.pendingFirst;
    const int last = control.pendingLast;
    control.resume.store(false);
    StartRangeLoad(first, last);
    control.ClearPendingRange();
}

LRESULT CDlgMultiViewStage::OnPageLoaded()
{
    ResumePendingThumbnailLoad();
    const bool used = m_useBackBuffer;
    m_useBackBuffer = true;
    DrawCellFrames();
    m_scroll.SetPaintCursor(m_scroll.First());
    PaintPage();
    if (m_viewMode != kMultiViewPreview)
        CopyBackBufferToGrid();
    m_useBackBuffer = used;
    return 0;
}

LRESULT CDlgMultiViewStage::OnBuildSortIndex(unsigned bits, bool wait)
{
    m_loaders->StartSortBuilder(bits);
    if (wait)
        m_loaders->WaitForSortBuilder(CThumbnailLoaders::kSortStopLimitMs);
    return 0;
}

LRESULT CDlgMultiViewStage::OnWaitSort(bool waitCursor)
{
    m_inputOff = true;
    std::optional<CWaitCursor> cursor;
    for (;;) {
        // A build request posted just before is handled here and starts its builder.
        PumpMessages();
        if (waitCursor && !cursor)
            cursor.emplace();
        if (!m_loaders->IsRunning(CThumbnailLoaders::kSortBuilder))
            break;
        QThread::msleep(10);
    }
    m_inputOff = false;
    return 1;
}

LRESULT CDlgMultiViewStage::OnClear()
{
    m_useBackBuffer = false;
    if (!m_loaders->StopWorkerThreads(true, true)) {
        m_useBackBuffer = true;
        return 0;
    }
    if (m_paintTimer) {
        KillTimer(IDT_MULTI_PAGE_PAINT);
        m_paintTimer = 0;
    }
    m_list->AllocFileArrays(0);
    m_list->AllocThumbnailArrays(0);
    m_list->LoadControl().ClearPendingRange();
    m_scroll.Init(0, 0, m_viewMode);
    DrawHeader();
    DrawScrollRow();
    DrawCellFrames();
    PostToPanel(WM_MULTICTL_PROGRESS_STOP);
    PostToPanel(WM_MULTICTL_SORT_PROGRESS_HIDE);
    PostToPanel(WM_MULTICTL_DISPLAY_STATE, kMultiDisplayStopped);
    SendToPanel(WM_MULTICTL_ENABLE_SORT, 0);
    m_useBackBuffer = true;
    return 1;
}

LRESULT CDlgMultiViewStage::OnStopLoad()
{
    const bool pageEnded = m_loaders->ReapIfEnded(CThumbnailLoaders::kPageLoader);
    const bool rangeEnded = m_loaders->ReapIfEnded(CThumbnailLoaders::kRangeLoader);
    if (pageEnded && rangeEnded)
        return 0;
    // Stopped whatever the panel shows: the caller changes the list next,
    // which no loader may be working on (right after a page change the
    // panel may not have been told of the load yet).
    if (m_panel)
        m_panel->SetDisplayState(kMultiDisplayStopped);
    SendMessage(WM_MULTI_PAUSE_LOAD, kMultiLoadStop, 0);
    return 1;
}

LRESULT CDlgMultiViewStage::OnPauseLoad(WPARAM mode, LPARAM evenWhenEmpty)
{
    if (mode == kMultiLoadStop) {
        m_loaders->StopPageLoader();
        m_loaders->StopRangeLoader();
        if (m_list->GetLoadState() == kThumbLoadRunning)
            m_list->SetLoadState(kThumbLoadStopped);
        return 0;
    }
    if (GetAppState().AppMode() == 1) {
        QString dir = AppSettings.LastAccessDir;
        RemoveTrailingBackslash(dir);
        if (dir != m_list->GetFolder())
            return 0;
    }
    const int count = m_list->GetFileCount();
    if (count == 0 && evenWhenEmpty != 1) {
        PostToPanel(WM_MULTICTL_RELOAD);
        return 0;
    }
    ThumbLoadControl& control = m_list->LoadControl();
    const int capacity = m_list->GetCapacity();
    int columns = 0;
    int rows = 0;
    m_layout.GetGridSize(m_viewMode, &columns, &rows);
    m_scroll.SetTopIndex(0, columns, rows);
    int first = 0;
    int last = capacity - 1;
    if (capacity < count && m_loaders->StopWorkerThreads(true, false)) {
        // Back to the top with a loaded window elsewhere: its thumbnails go
        // first, so that no more than the capacity exist.
        const LoadedWindowMove move = m_scroll.GetNewlyVisibleRange(count, capacity, false);
        for (int p = move.releaseFirst; move.release && p <= move.releaseLast; ++p) {
            const WORD file = m_list->GetSortIndex(p);
            if (file != kNoFileIndex)
                m_list->ReleaseThumbnail(file);
        }
        first = m_scroll.LoadedFirst();
        last = m_scroll.LoadedLast();
    }
    control.pendingFirst = static_cast<WORD>(first);
    control.pendingLast = static_cast<WORD>(std::max(last, 0));
    ResumePendingThumbnailLoad();
    Render("OnRequestReadPauseLoadImage");
    return 0;
}

LRESULT CDlgMultiViewStage::OnMaskDates(bool rebuild)
{
    m_loaders->StartMaskWorker(rebuild, m_list->GetFileCount());
    return 0;
}

void CDlgMultiViewStage::OnRequestMultiViewPageChange(int n)
{
    const int count = m_list->GetFileCount();
    if (m_viewMode != kMultiViewPreview && m_scroll.First() == 0 && PageCells() >= count)
        return;
    int columns = 0;
    int rows = 0;
    m_layout.GetGridSize(m_viewMode, &columns, &rows);
    if (!m_scroll.ScrollByWheel(m_viewMode, n, columns, rows))
        return;
    if (m_list->GetLoadState() == kThumbLoadRunning)
        StartPageLoad();
    RenderWithPageCheck("OnRequestMultiViewPageChange", true);
}
