// Files dropped on the stage: the copier (drop_copier.h) copies them into
// the shown folder on a worker thread, and each of its UI steps runs here on
// the UI thread while it waits: the "中止" button and the progress in the
// scroll row, the overwrite question, the messages, the list's new entries,
// and disabling the other windows meanwhile.
#include "multiview/multi_view_stage.h"

#include "core/app_state.h"
#include "core/file_types.h"
#include "core/frame_messages.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_globals.h"
#include "core/multi_view_messages.h"
#include "multiview/drop_copier.h"
#include "multiview/overwrite_confirm_dialog.h"
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"
#include "platform/dialog/msgbox.h"
#include "platform/thread/worker_thread.h"
#include "platform/window/drop_files.h"
#include "platform/window/ui_thread.h"

#include <functional>

namespace {

constexpr int kAbortButtonWidth = 40;
constexpr int kAbortButtonRoom = 45;
constexpr COLORREF kProgressColour = RGB(0, 255, 0);

}  // namespace

// One step of the copier, sent to the stage: lParam is a std::function<void()>*.
// As a message of the stage, a close that comes while it runs (the question's
// loop) leaves the stage in place until it has returned.
inline constexpr UINT kDropStepMessage = WM_APP + 106;

namespace {

// Runs a step as the stage's message on the UI thread; false when it did not
// run (the stage or the UI loop is gone).
bool SendStep(HWND stage, std::function<void()>* step)
{
    LRESULT ran = 0;
    const bool called = CallOnUiThread(
        [&] { ran = ::SendMessage(stage, kDropStepMessage, 0, reinterpret_cast<LPARAM>(step)); });
    return called && ran != 0;
}

}  // namespace

// The copier's UI steps, each carried out on the UI thread while the copier
// waits. When the stage is gone or the UI thread's loop has ended the copier
// is stopped.
class CStageDropCopyUi : public DropCopyUi {
public:
    CStageDropCopyUi(CDlgMultiViewStage& stage, HWND window) : m_stage(stage), m_window(window) { }

    void ShowMessage(const QString& text) override
    {
        Run([&] {
            if (!m_stage.m_fileOpsClosing)
                AfxMessageBox(text);
        });
    }
    bool BeginCopy() override
    {
        bool stopped = false;
        Run([&] { stopped = m_stage.BeginDropCopy(); });
        return stopped;
    }
    int ConfirmOverwrite() override
    {
        int answer = kOverwriteStop;
        Run([&] { answer = m_stage.ConfirmOverwrite(); });
        return answer;
    }
    void ShowProgress(int done, int total) override
    {
        Run([&] { m_stage.ShowCopyProgress(done, total); });
    }
    void FileCopied(const QString& path, bool loadStopped) override
    {
        Run([&] { m_stage.AddCopiedFile(path, loadStopped); });
    }
    void EndCopy(bool loadStopped, bool errors) override
    {
        Run([&] { m_stage.EndDropCopy(loadStopped, errors); });
    }

private:
    template <typename Step> void Run(Step step)
    {
        std::function<void()> call = step;
        if (!SendStep(m_window, &call))
            m_stage.m_dropCopier->RequestAbort();
    }

    CDlgMultiViewStage& m_stage;
    const HWND m_window;
};

bool CDlgMultiViewStage::RunDropStep(UINT message, LPARAM step, LRESULT* result)
{
    if (message != kDropStepMessage)
        return false;
    ++m_inDropStep;
    (*reinterpret_cast<std::function<void()>*>(step))();
    --m_inDropStep;
    *result = 1;
    return true;
}

void CDlgMultiViewStage::OnDropFiles(HDROP__* drop)
{
    // One copy at a time; the stage takes no drops while one runs.
    if (m_copying || m_fileOpsClosing || (m_dropWorker && m_dropWorker->IsRunning())) {
        DragFinish(drop);
        return;
    }
    StartDropCopy(drop);
}

void CDlgMultiViewStage::StartDropCopy(HDROP__* drop)
{
    if (!m_dropUi) {
        m_dropUi = std::make_unique<CStageDropCopyUi>(*this, GetSafeHwnd());
        m_dropCopier = std::make_unique<CDropCopier>(*m_dropUi);
        m_dropWorker = std::make_unique<CWorkerThread>();
    }
    m_dropCopier->ClearAbort();
    m_drop = drop;
    // The target is the folder the list shows.
    const QString folder = m_list->GetFolder();
    const HWND window = GetSafeHwnd();
    const bool started = m_dropWorker->Start([this, drop, folder, window] {
        QStringList paths;
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFFu, nullptr);
        for (UINT i = 0; i < count; ++i) {
            QString path;
            DragQueryFileW(drop, i, &path);
            paths.append(path);
        }
        m_dropCopier->CopyDroppedFiles(paths, folder);
        std::function<void()> finish = [this] { FinishDrop(); };
        if (!SendStep(window, &finish))
            DragFinish(drop);
    });
    if (!started)
        FinishDrop();
}

void CDlgMultiViewStage::FinishDrop()
{
    if (m_drop)
        DragFinish(m_drop);
    m_drop = nullptr;
}

void CDlgMultiViewStage::StopFileOperations()
{
    m_fileOpsClosing = true;
    if (m_dropCopier)
        m_dropCopier->RequestAbort();
    if (m_overwriteDialog && m_overwriteDialog->GetSafeHwnd())
        m_overwriteDialog->EndDialog(kOverwriteStop);
    // From inside a step (the question's loop) the copier cannot end before
    // the step returns: the wait comes when the stage is deleted, which waits
    // for the step too.
    if (m_dropWorker && m_inDropStep == 0)
        m_dropWorker->WaitForEnd(kWaitForever);
}

void CDlgMultiViewStage::ShowAbortButton(bool show)
{
    CWnd* button = GetDlgItem(IDC_MULTI_COPY_ABORT);
    CWnd* row = GetDlgItem(IDC_MULTI_SCROLL_ROW);
    if (show) {
        m_rcAbortButton = RECT{m_rcScrollRow.right - kAbortButtonWidth, m_rcScrollRow.top - 3,
            m_rcScrollRow.right, m_rcScrollRow.bottom + 3};
        m_rcScrollRow.right -= kAbortButtonRoom;
        if (button) {
            button->MoveWindow(&m_rcAbortButton);
            button->ShowWindow(SW_SHOW);
        }
    } else {
        m_rcScrollRow.right += kAbortButtonRoom;
        if (button)
            button->ShowWindow(SW_HIDE);
    }
    if (row)
        row->MoveWindow(&m_rcScrollRow);
}

void CDlgMultiViewStage::EnableOtherWindows(bool enable)
{
    if (const HWND frame = GetAppState().Window(AppWindow::MainFrame))
        ::SendMessage(frame, WM_FRAME_ENABLE, enable ? 1 : 0);
    for (HWND window : {PanelWindow(), GetAppState().Window(AppWindow::ModeBar)})
        if (window)
            ::EnableWindow(window, enable ? TRUE : FALSE);
}

bool CDlgMultiViewStage::BeginDropCopy()
{
    m_copying = true;
    ShowAbortButton(true);
    DragAcceptFiles(FALSE);
    SendToPanel(WM_MULTICTL_STOP_WATCH);
    g_bFileOperationBusy.store(1);
    EnableOtherWindows(false);
    const HWND frame = GetAppState().Window(AppWindow::MainFrame);
    for (HWND window : {GetAppState().Window(AppWindow::ModeBar), PanelWindow(), GetSafeHwnd(), frame})
        if (window)
            GetAppState().BringToTop(window);
    if (frame)
        ::SetFocus(frame);
    m_raiseTimer = SetTimer(IDT_MULTI_AFTER_DROP, 1000);
    const bool stopped = SendMessage(WM_MULTI_STOP_LOAD) != 0;
    DrawScrollRow();  // empty while it shows the progress
    return stopped;
}

void CDlgMultiViewStage::OnAfterDropTimer()
{
    KillTimer(IDT_MULTI_AFTER_DROP);
    m_raiseTimer = 0;
    const HWND frame = GetAppState().Window(AppWindow::MainFrame);
    const HWND dialog = m_overwriteDialog ? m_overwriteDialog->GetSafeHwnd() : nullptr;
    for (HWND window :
        {GetAppState().Window(AppWindow::ModeBar), PanelWindow(), GetSafeHwnd(), dialog, frame})
        if (window)
            GetAppState().BringToTop(window);
    if (frame)
        ::SetFocus(frame);
}

int CDlgMultiViewStage::ConfirmOverwrite()
{
    // One question at a time; a second one, and any once the program closes, is answered at once.
    if (m_fileOpsClosing)
        return kOverwriteStop;
    if (m_overwriteDialog)
        return kOverwriteSkip;
    CDlgConfirmOverwriteFile dialog(this);
    m_overwriteDialog = &dialog;
    const int answer = static_cast<int>(dialog.DoModal());
    m_overwriteDialog = nullptr;
    for (HWND window : {GetAppState().Window(AppWindow::ModeBar), PanelWindow(), GetSafeHwnd()})
        if (window)
            GetAppState().BringToTop(window);
    if (m_fileOpsClosing)
        return kOverwriteStop;
    return answer >= kOverwriteReplace && answer <= kOverwriteStop ? answer : kOverwriteStop;
}

void CDlgMultiViewStage::ShowCopyProgress(int done, int total)
{
    CWnd* row = GetDlgItem(IDC_MULTI_SCROLL_ROW);
    if (!row || total <= 0)
        return;
    RECT inner{};
    row->GetClientRect(&inner);
    inner.left += 1;
    inner.top += 1;
    inner.right -= 1;
    inner.bottom -= 1;
    const int width = inner.right - inner.left;
    RECT filled = inner;
    filled.right =
        inner.left + static_cast<int>(static_cast<long long>(width) * std::min(done, total) / total);
    CDC* dc = row->GetDC();
    dc->FillSolidRect(&filled, kProgressColour);
    row->ReleaseDC(dc);
}

void CDlgMultiViewStage::AddCopiedFile(const QString& path, bool loadStopped)
{
    if (GetImageTypeOfPath(path) != kImageTypeNone)
        m_mask->AddFileDate(path);
    if (m_list->GetFileCount() > 0 && !loadStopped)
        SendMessage(WM_MULTI_ADD_FILE, reinterpret_cast<WPARAM>(&path));
}

void CDlgMultiViewStage::EndDropCopy(bool loadStopped, bool errors)
{
    ShowAbortButton(false);
    m_copying = false;
    if (errors && !m_fileOpsClosing)
        AfxMessageBox(QStringLiteral("エラーにより、いくつかのファイルがコピーされませんでした。"));
    m_list->ClearSelection();
    if (loadStopped) {
        // The folder is loaded again.
        PostMessage(WM_MULTI_CLEAR);
        PostMessage(WM_MULTI_PAUSE_LOAD, kMultiLoadResume);
    } else if (m_list->GetFileCount() > 0) {
        DrawScrollRow();
        Render("OnDropFiles");
    } else if (m_panel) {
        // The panel loads the folder.
        m_panel->SetDisplayState(kMultiDisplayLoading);
        SendMessage(WM_MULTI_PAUSE_LOAD, kMultiLoadResume);
    }
    EnableOtherWindows(true);
    DragAcceptFiles(TRUE);
    PostToPanel(WM_MULTICTL_REARM_WATCH);
    g_bFileOperationBusy.store(0);
}
