// The panel's timers (the first load, the loading bar, the button states,
// the folder watch and its re-arming), the status-bar guide and the key
// filter.
#include "multiview/multi_control_window.h"

#include "core/frame_messages.h"
#include "core/multi_view_globals.h"

void CDlgMultiControlWindow::StartTimer(UINT_PTR id, UINT ms, UINT_PTR& slot)
{
    slot = SetTimer(id, ms);
}

void CDlgMultiControlWindow::StopTimer(UINT_PTR& slot)
{
    if (slot)
        KillTimer(slot);
    slot = 0;
}

void CDlgMultiControlWindow::OnShowWindow(BOOL show, UINT status)
{
    CDialog::OnShowWindow(show, status);
    if (!show)
        return;
    // With a history, the newest folder loads as soon as the stage stands.
    // (Without one, the first run's pointer to the folder tree comes with
    // that window.)
    bool anyHistory = false;
    for (const QString& folder : m_history)
        anyHistory = anyHistory || !folder.isEmpty();
    if (anyHistory && m_displayState != kMultiDisplayFinished)
        StartTimer(IDT_MULTICTL_INITIAL_LOAD, 100, m_initialLoadTimer);
    StartTimer(IDT_MULTICTL_BUTTON_STATE, 500, m_buttonTimer);
}

void CDlgMultiControlWindow::OnTimer(UINT_PTR id)
{
    switch (id) {
    case IDT_MULTICTL_INITIAL_LOAD:
        OnInitialLoadTimer();
        break;
    case IDT_MULTICTL_LOAD_PROGRESS:
        if (auto* bar = dynamic_cast<CProgressCtrl*>(GetDlgItem(IDC_MULTICTL_LOAD_PROGRESS)))
            bar->SetPos(LoadedThumbnailCount());
        break;
    case IDT_MULTICTL_BUTTON_STATE:
        OnButtonStateTimer();
        break;
    case IDT_MULTICTL_FOLDER_WATCH:
        OnFolderWatchTimer();
        break;
    case IDT_MULTICTL_WATCH_REARM:
        OnWatchRearmTimer();
        break;
    default:
        CDialog::OnTimer(id);
        break;
    }
}

void CDlgMultiControlWindow::OnInitialLoadTimer()
{
    if (!IsStageVisible())
        return;  // again in 100 ms
    StopTimer(m_initialLoadTimer);
    if (CComboBox* combo = FolderCombo())
        combo->SetCurSel(0);
    RequestFolderLoad(FolderLoadKind::ComboText, false);
}

void CDlgMultiControlWindow::OnButtonStateTimer()
{
    MultiButtonFacts facts;
    facts.focus = StageFocus();
    facts.total = StageFileCount();
    facts.selected = StageSelectedCount();
    facts.sortReadyAtFocus = IsStageSortReady(facts.focus);
    facts.changed = m_changed;
    facts.displayState = m_displayState;
    facts.listEmpty = facts.total == 0;
    const MultiButtonStates states = ComputeMultiButtonStates(facts);
    for (int id : {IDC_MULTICTL_COPY_PICTURE, IDC_MULTICTL_OPEN_IN_CLIP, IDC_MULTICTL_EXIF_SHOW,
             IDC_MULTICTL_EXIF_CLEAR})
        EnableItem(id, states.focusButtons);
    for (int id : {IDC_MULTICTL_DELETE, IDC_MULTICTL_COPY_FILES, IDC_MULTICTL_BATCH_SHRINK,
             IDC_MULTICTL_RENAME_ONE, IDC_MULTICTL_RENAME_BATCH})
        EnableItem(id, states.selectionButtons);
    EnableItem(IDC_MULTICTL_LOAD_STOP, states.loadStop);
    EnableItem(IDC_MULTICTL_CLEAR_VIEW, states.clearView);
}

void CDlgMultiControlWindow::StartFolderWatch(const QString& folder)
{
    StopFolderWatch();
    // A folder that cannot be watched stays unwatched; loading goes on.
    if (m_watch.Start(folder))
        StartTimer(IDT_MULTICTL_FOLDER_WATCH, 1000, m_watchTimer);
}

void CDlgMultiControlWindow::StopFolderWatch()
{
    m_watch.Stop();
    StopTimer(m_watchTimer);
}

void CDlgMultiControlWindow::OnFolderWatchTimer()
{
    // The user reloads with button 1114; nothing reloads by itself.
    if (!m_watch.TakeChange())
        return;
    m_changed = true;
    if (m_displayState == kMultiDisplayFinished)
        EnableItem(IDC_MULTICTL_LOAD_STOP, true);
}

void CDlgMultiControlWindow::OnWatchRearmTimer()
{
    // The stage's own file operations stopped the watch so as not to count as changes.
    StopTimer(m_rearmTimer);
    if (CComboBox* combo = FolderCombo())
        StartFolderWatch(combo->GetWindowText());
}

void CDlgMultiControlWindow::OnMouseMove(UINT flags, CPoint point)
{
    CDialog::OnMouseMove(flags, point);
    const int topic = HoverTopicAt(m_hoverAreas, POINT{point.x, point.y});
    if (topic == m_lastHover)
        return;
    m_lastHover = topic;
    SendToFrame(WM_FRAME_STATUS_MULTI, static_cast<WPARAM>(topic));
}

BOOL CDlgMultiControlWindow::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN) {
        // No key while dropped files are copied into the folder.
        if (g_bFileOperationBusy.load(std::memory_order_relaxed) == 1)
            return TRUE;
        if (msg->wParam == VK_RETURN && m_comboEdited) {
            m_comboEdited = false;  // the typed folder is taken once
            if (CComboBox* combo = FolderCombo())
                SwitchToFolder(combo->GetWindowText(), true, false);
            return TRUE;
        }
    }
    if (msg->message == WM_MOUSEMOVE) {
        m_toolTip.FollowMouse(msg);
        // Moves over the controls reach the guide in panel coordinates.
        if (m_rcWindow.left != 0 && msg->hwnd != GetSafeHwnd())
            SendMessage(WM_MOUSEMOVE, msg->wParam,
                MAKELPARAM(msg->pt.x - m_rcWindow.left, msg->pt.y - m_rcWindow.top));
    }
    return CDialog::PreTranslateMessage(msg);
}
