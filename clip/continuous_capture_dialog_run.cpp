// The continuous-capture dialog's start and stop. The start runs inside
// button 1's click: the checks and questions, the compact window with the
// other windows put away, the first wait, the run itself (its loop handles
// messages, so the stop click arrives while the start is still on the stack),
// then everything put back, the result told and the hand-off to the stage or
// the multi view. Every run ends with the dialog closed with OK; a stop
// closes it only once the start has returned.
#include "clip/continuous_capture_dialog.h"

#include "clip/continuous_capture_rules.h"
#include "clip/stage_messages.h"
#include "core/app_state.h"
#include "core/file_queries.h"
#include "core/frame_services.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "core/panel_messages.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "core/shared_paths.h"
#include "core/window_list.h"
#include "platform/app/message_pump.h"
#include "platform/controls/controls.h"
#include "platform/controls/list_ctrl.h"
#include "platform/dialog/msgbox.h"
#include "platform/system/kernel.h"

#include <algorithm>

namespace {

// The mode bar's button that switches to the multi view.
constexpr UINT kModeBarToMultiView = 1329;
// The windows the compact run puts away and brings back, in order.
constexpr AppWindow kFrameWindows[] = {AppWindow::ViewStage, AppWindow::ControlPanel, AppWindow::ModeBar};

QString WindowTitleOf(HWND window)
{
    CWnd* own = CWnd::FromHandle(window);
    return own ? own->GetWindowText() : QString();
}

}  // namespace

void CDlgContinueCapture::OnStartStop()
{
    if (m_bRunning) {
        Stop();
        return;
    }
    if (m_bStarting)
        return;
    m_bStarting = true;
    int end = RunStartSequence();
    m_bStarting = false;
    if (std::exchange(m_bCloseAfterStart, false) && end == 0)
        end = IDOK;
    if (end != 0)
        Close(end);
}

void CDlgContinueCapture::Close(int result)
{
    if (!GetSafeHwnd())
        return;
    if (result == IDOK)
        OnOK();
    else
        EndDialog(result);
}

int CDlgContinueCapture::RunStartSequence()
{
    ReadAllEntries();
    m_session->ResetSavedFileCount();
    ULONGLONG startMs = GetTickCount64();

    HWND target = nullptr;
    RECT rect{};
    SIZE size{};
    if (!ResolveTarget(target, rect, size)) {
        EnableSettings(true);
        return 0;
    }
    ContinuousCaptureSettings& run = m_session->settings;
    run.targetKind = m_state.target;
    run.mouseCursor = m_state.cursor;
    run.count = m_state.count;
    run.intervalTenths = m_state.intervalTenths;
    run.forceCapture = m_state.force;
    run.saveFormat = m_state.format;
    run.quality = m_state.quality;
    run.folder = m_state.folder;
    run.fileName = m_state.fileName;
    run.overwrite = m_state.overwrite;
    run.numberFirst = m_state.numberFirst;
    run.windowState = m_state.windowState;
    run.saveWaitMs = AppSettings.CC_SaveWait_ms;

    if (m_state.overwrite == 0 && m_session->AnyTargetFileExists() &&
        !AskToGoOn(
            QStringLiteral(
                "既に同名ファイルが存在しています。\n\n同名ファイルの保存をしない設定になっていますので、"
                "\n\n同名ファイルは保存されません。このまま実行しますか？\n\n"
                "(作成されるすべてのファイル名をチェックしている訳ではありません。)"),
            startMs))
        return 0;

    m_frameTitle = WindowTitleOf(FrameWindow());
    if (m_state.target == 1) {
        if (!BringTargetForward(target)) {
            ::SetWindowTextW(FrameWindow(), m_frameTitle);
            ShowMessage(QStringLiteral("ウィンドウの切り替えに失敗しました。"), MB_ICONEXCLAMATION);
            return 0;
        }
        if (!TargetWindowRect(target, rect)) {
            ShowMessage(QStringLiteral("有効なウィンドウ範囲が取得できませんでした。"), MB_ICONEXCLAMATION);
            return 0;
        }
        size = SIZE{rect.right - rect.left, rect.bottom - rect.top};
    } else {
        target = DesktopWindow();
        if (!target) {
            ShowMessage(QStringLiteral("有効なウィンドウが取得できませんでした。"), MB_ICONEXCLAMATION);
            return 0;
        }
    }
    const int bpp = std::max(24, ScreenBitsPerPixel());

    QString folder = m_state.folder;
    if (!FolderExists(folder) && !CreateFolderPath(m_state.folder, kCcFolderCapacity)) {
        ShowMessage(QStringLiteral("指定されたフォルダの作成に失敗しました。"), MB_ICONEXCLAMATION);
        return 0;
    }
    switch (m_session->EstimateDiskSpace(m_state.folder, size.cx, size.cy, bpp)) {
    case kCcDiskNone:
        ShowMessage(QStringLiteral(
                        "指定されたドライブの空き領域が残り僅かです。\n\n又は指定パス(ドライブ)が存在するか"
                        "確認して下さい。\n\n連続キャプチャ実行できませんでした。"),
            MB_ICONEXCLAMATION);
        return 0;
    case kCcDiskMaybeShort:
        if (!AskToGoOn(
                QStringLiteral("ドライブの空き領域が十分でない可能性があります。\n\nこのまま連続キャプチャを"
                               "実行しますか？"),
                startMs))
            return 0;
        break;
    default:
        break;
    }
    if (!m_session->PrepareRing(size.cx, size.cy, bpp)) {
        ShowMessage(QStringLiteral("連続キャプチャ用のメモリの確保に失敗しました。"), MB_ICONEXCLAMATION);
        return IDCANCEL;
    }

    // From here on the run owns the screen: the compact window, the frame's windows away.
    SetMinimizeBox(true);
    if (CWnd* button = GetDlgItem(IDOK))
        button->EnableWindow(FALSE);
    EnableSettings(false);
    const bool firstWaitBar = m_state.firstWaitMs >= kCcProgressFromTenths * 100;
    SetDlgItemText(IDC_CC_PROGRESS_CAPTION, QStringLiteral("キャプチャ開始まで"));
    EnterCompactLayout(firstWaitBar);
    HideFrameWindows();
    if (m_state.windowState == 1) {
        if (target != FrameWindow())
            GetFrameServices().MinimizeFrame();
    } else {
        CWnd topMost;  // names the top-most layer only
        topMost.m_hWnd = HWND_TOPMOST;
        SetWindowPos(&topMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    g_pszContinueCaptureLastPath.clear();
    m_session->SetStatus(kCcRunning);

    WaitFirst(startMs);
    bool completed = false;
    if (!m_bCloseAfterStart) {
        const bool intervalBar = m_state.intervalTenths >= kCcProgressFromTenths;
        SetDlgItemText(IDC_CC_PROGRESS_CAPTION, QStringLiteral("次のキャプチャまで"));
        if (auto* bar = static_cast<CProgressCtrl*>(GetDlgItem(IDC_CC_PROGRESS))) {
            bar->SetRange32(0, m_state.intervalTenths);
            bar->SetPos(0);
        }
        EnterCompactLayout(intervalBar);
        PlaceFrameOnDialog();

        if (m_session->StartSaverThread()) {
            if (CWnd* button = GetDlgItem(IDOK))
                button->EnableWindow(TRUE);
            ShowButtonBitmap(true);
            m_bRunning = true;
            m_session->SetIntervalKept(1);
            if (CWnd* counter = GetDlgItem(IDC_CC_COUNTER))
                counter->Invalidate();  // in the run's colours now
            // The frame may have closed while the saver started.
            if (!m_bCloseAfterStart)
                completed = m_session->RunCaptureLoop(target, rect, size.cx, size.cy) == 1;
        } else {
            m_session->SetStatus(kCcWriteFailed);
        }
    }
    const bool stoppedByUser = m_session->Status() == kCcUserStop;
    m_bRunning = false;

    ::SetWindowTextW(FrameWindow(), m_frameTitle);
    if (CWnd* button = GetDlgItem(IDOK))
        button->EnableWindow(FALSE);
    ::Sleep(10);
    RestoreFrameWindows();
    m_session->CloseRing();
    m_session->WaitForSaver(true);
    // The saver may fail on the frames it still held after the last capture:
    // then the run did not complete and its status says why.
    if (completed && m_session->Status() != kCcRunning)
        completed = false;

    if (!stoppedByUser && !m_bCloseAfterStart) {
        ReportResult(completed);
        if (completed)
            HandOffAfterRun();
    }
    g_pszContinueCaptureLastPath.clear();
    return IDOK;
}

bool CDlgContinueCapture::ResolveTarget(HWND& target, RECT& rect, SIZE& size)
{
    if (m_state.target != 2) {
        // The row the user picked in the list.
        CListCtrl* list = WindowList();
        if (!g_pWindowList || !list) {
            AfxMessageBox(QStringLiteral(
                "選択ウィンドウの取得に失敗しました。\n\nもう一度キャプチャウィンドウを選択し\n\n"
                "開始ボタンをクリックして下さい。"));
            return false;
        }
        int row = -1;
        for (int i = 0; i < list->GetItemCount() && i < g_nWindowListCount; ++i)
            if (list->GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED) {
                row = i;
                break;
            }
        if (row < 0) {
            AfxMessageBox(QStringLiteral("キャプチャするウィンドウが選択されていません。"));
            return false;
        }
        target = g_pWindowList[row].window;
        if (!TargetWindowExists(target)) {
            AfxMessageBox(
                QStringLiteral("選択されたウィンドウは存在しません。\n\nウィンドウ一覧を更新して下さい。"));
            return false;
        }
        return true;
    }
    if (!IsRangeUsable(m_state.range)) {
        AfxMessageBox(QStringLiteral("有効なキャプチャ範囲が設定されていません。"));
        return false;
    }
    rect = NormalizedRange(m_state.range);
    size = RangeCaptureSize(rect);
    return true;
}

bool CDlgContinueCapture::AskToGoOn(const QString& text, ULONGLONG& startMs)
{
    // The time the question stood open does not count against the first wait.
    const ULONGLONG asked = GetTickCount64();
    const bool yes = AfxMessageBox(text, MB_YESNO | MB_ICONQUESTION) == IDYES;
    startMs += GetTickCount64() - asked;
    return yes;
}

void CDlgContinueCapture::WaitFirst(ULONGLONG startMs)
{
    const ULONGLONG wait = static_cast<ULONGLONG>(std::max(0, m_state.firstWaitMs));
    const bool withBar = m_state.firstWaitMs >= kCcProgressFromTenths * 100;
    auto* bar = static_cast<CProgressCtrl*>(GetDlgItem(IDC_CC_PROGRESS));
    if (withBar && bar) {
        bar->SetRange32(0, m_state.firstWaitMs / 100);
        bar->SetPos(static_cast<int>((GetTickCount64() - startMs) / 100));
    }
    // What the checks and questions took is already part of the wait.
    const ULONGLONG end = startMs + wait;
    for (ULONGLONG now = GetTickCount64(); now < end && !m_bCloseAfterStart; now = GetTickCount64()) {
        WaitMessages(static_cast<DWORD>(std::min<ULONGLONG>(end - now, 100)));
        if (withBar && bar)
            bar->SetPos(static_cast<int>((GetTickCount64() - startMs) / 100));
    }
}

void CDlgContinueCapture::Stop()
{
    // A run that has ended by itself meanwhile tells its own reason.
    BYTE running = kCcRunning;
    if (!m_session->ContinueCaptureStatus.compare_exchange_strong(running, kCcUserStop))
        return;
    m_bRunning = false;
    m_session->CloseRing();
    m_session->WaitForSaver(false);
    ShowMessage(QStringLiteral("ユーザー操作により連続キャプチャを中止しました。"), MB_ICONEXCLAMATION);
    EnableSettings(true);
    // The start is still on the stack below this click: it closes the dialog when it returns.
    m_bCloseAfterStart = true;
}

void CDlgContinueCapture::ReportResult(bool completed)
{
    const bool intervalKept = m_session->IntervalKept() != 0;
    if (!completed) {
        for (const ContinueCaptureMessage& message : FailedRunMessages(m_session->Status(), intervalKept))
            ShowMessage(message.text, message.icon);
        return;
    }
    // A forced run may complete with frames taken late.
    if (!intervalKept)
        ShowMessage(IntervalNotKeptMessage(), MB_ICONINFORMATION);
    const int count = m_state.count;
    const int saved = m_session->SavedFileCount();
    if (m_state.overwrite == 1 || saved >= count) {
        ShowMessage(QStringLiteral("連続キャプチャ終了しました"), MB_ICONINFORMATION);
        return;
    }
    ShowMessage(QStringLiteral("計 %1 ファイル中 %2 ファイルの保存を行いませんでした。\n\n"
                               "同名ファイルを保存しないに設定しているか確認して下さい。")
                    .arg(count)
                    .arg(count - saved),
        MB_ICONEXCLAMATION);
}

void CDlgContinueCapture::HandOffAfterRun()
{
    AppStateSource& app = GetAppState();
    const bool toMultiView = m_state.gotoMultiView == 1 && GetFrameServices().IsMultiViewInProgram();
    if (!toMultiView) {
        // Sent, not posted: the path is cleared as soon as the stage has taken it.
        g_pszContinueCaptureLastPath = m_session->LastPath();
        ::SendMessage(app.Window(AppWindow::ViewStage), WM_STAGE_OPEN_PATH_PTR);
        g_pszContinueCaptureLastPath.clear();
        return;
    }
    ::SendMessage(app.Window(AppWindow::ModeBar), WM_COMMAND, kModeBarToMultiView);
    const QString folder = m_state.folder;
    ::SendMessage(
        app.Window(AppWindow::MultiViewPanel), WM_MULTICTL_SET_FOLDER, reinterpret_cast<WPARAM>(&folder));
    const HWND multiView = app.Window(AppWindow::MultiViewStage);
    ::SendMessage(multiView, WM_MULTI_CLEAR);
    ::PostMessage(multiView, WM_MULTI_PAUSE_LOAD, kMultiLoadResume);
}

void CDlgContinueCapture::HideFrameWindows()
{
    AppStateSource& app = GetAppState();
    for (AppWindow kind : kFrameWindows)
        ::ShowWindow(app.Window(kind), SW_HIDE);
    const HWND frame = FrameWindow();
    m_rcFrameBefore = RECT{};
    if (frame)
        ::GetWindowRect(frame, &m_rcFrameBefore);
    PlaceFrameOnDialog();
}

void CDlgContinueCapture::PlaceFrameOnDialog()
{
    // The frame waits behind the compact window, the size of it.
    CWnd* frame = CWnd::FromHandle(FrameWindow());
    if (!frame || frame->IsIconic())
        return;
    RECT dialog{};
    GetWindowRect(&dialog);
    frame->SetWindowPos(nullptr, dialog.left, dialog.top, dialog.right - dialog.left,
        dialog.bottom - dialog.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgContinueCapture::RestoreFrameWindows()
{
    m_bMoveLocked = false;
    KillTimer(kCompactPlaceTimer);
    SetMinimizeBox(false);
    GetFrameServices().RestoreFrame();
    AppStateSource& app = GetAppState();
    for (AppWindow kind : kFrameWindows)
        ::ShowWindow(app.Window(kind), SW_SHOW);
    const HWND frame = FrameWindow();
    if (CWnd* own = CWnd::FromHandle(frame); own && m_rcFrameBefore.right > m_rcFrameBefore.left)
        own->MoveWindow(&m_rcFrameBefore);
    for (AppWindow kind : kFrameWindows)
        ::SendMessage(app.Window(kind), WM_REPOSITION_PANEL);
    CWnd topMost;
    topMost.m_hWnd = HWND_TOPMOST;
    SetWindowPos(&topMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
