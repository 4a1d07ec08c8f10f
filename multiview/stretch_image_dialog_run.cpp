// Starting, running and finishing a batch shrink. The worker tells the
// dialog of each file by a posted message, hands new files of the shown
// folder to the stage and its messages to the UI thread, and ends by posting
// OK. Finish runs once, whichever comes first: the user's stop or the
// worker's OK; a stop waits, still handling messages, until the worker has
// ended.
#include "multiview/stretch_image_dialog.h"

#include "core/multi_view_messages.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumbnail_list.h"
#include "platform/controls/controls.h"
#include "platform/dialog/msgbox.h"
#include "platform/thread/worker_thread.h"

namespace {

// Every control but the start button, which stops the run from now on.
constexpr int kStepControls[] = {IDC_SHRINK_ALL_IMAGES, IDC_SHRINK_CHOSEN_SIZES, IDC_SHRINK_SIZE_1,
    IDC_SHRINK_SIZE_1 + 1, IDC_SHRINK_SIZE_1 + 2, IDC_SHRINK_SIZE_1 + 3, IDC_SHRINK_SIZE_1 + 4,
    IDC_SHRINK_SIZE_1 + 5, IDC_SHRINK_BY_RATIO, IDC_SHRINK_BY_SIZE, IDC_SHRINK_RATIO,
    IDC_SHRINK_RATIO_SPIN_10, IDC_SHRINK_RATIO_SPIN_1, IDC_SHRINK_WIDTH, IDC_SHRINK_HEIGHT,
    IDC_SHRINK_SOURCE_SIZE, IDC_SHRINK_RESULT_SIZE, IDC_SHRINK_BMP, IDC_SHRINK_JPEG, IDC_SHRINK_PNG,
    IDC_SHRINK_QUALITY, IDC_SHRINK_QUALITY_VALUE, IDC_SHRINK_QUALITY_LABEL, IDC_SHRINK_INTERPOLATE,
    IDC_SHRINK_NO_INTERPOLATE, IDC_SHRINK_SAME_FOLDER, IDC_SHRINK_CHOSEN_FOLDER, IDC_SHRINK_MOVE,
    IDC_SHRINK_BROWSE, IDC_SHRINK_FOLDER, IDC_SHRINK_KEEP_NAME, IDC_SHRINK_CHANGE_NAME, IDC_SHRINK_FIXED_TEXT,
    IDC_SHRINK_SERIAL, IDC_SHRINK_FRONT, IDC_SHRINK_BACK, IDC_SHRINK_TEXT, IDC_SHRINK_ZERO_FILL,
    IDC_SHRINK_OVERWRITE, IDCANCEL};

}  // namespace

void CDlgStretchImage::OnStart()
{
    // The focus may still sit in an edit whose text was not taken yet.
    ReadRatio();
    ReadFolder();
    if (m_choices.keepName != 1 && m_choices.fixedText == 1) {
        const QString refusal = ShrinkFixedTextRefusal(m_choices.text);
        if (!refusal.isEmpty()) {
            AfxMessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    if (m_choices.sameFolder != 1 && m_choices.outputFolder.isEmpty()) {
        AfxMessageBox(QStringLiteral("指定されたフォルダの作成に失敗しました。"));
        return;
    }
    m_started = true;
    // Running from here on: a stop pressed before the worker runs is a stop.
    m_shared.state.store(kStretchRunning);
    SetDlgItemText(IDOK, QStringLiteral("途中終了"));
    for (int id : kStepControls)
        if (CWnd* w = GetDlgItem(id))
            w->EnableWindow(FALSE);
    if (CWnd* notice = GetDlgItem(IDC_SHRINK_NOTICE))
        notice->ShowWindow(SW_HIDE);
    if (CWnd* progress = GetDlgItem(IDC_SHRINK_PROGRESS))
        progress->ShowWindow(SW_SHOW);
    PostMessage(WM_STRETCH_START);
}

std::vector<QString> CDlgStretchImage::FilesToConvert() const
{
    if (!m_stage || !m_stage->GetSafeHwnd())
        return {};
    const CThumbnailList& list = m_stage->List();
    std::vector<ShrinkCandidate> files;
    for (int p = 0; p < list.GetFileCount(); ++p) {
        const WORD file = list.GetSortIndex(p);
        if (file == kNoFileIndex)
            continue;
        const CSize size = list.GetImageSize(file);
        files.push_back({list.GetFileName(file), SIZE{size.cx, size.cy}, list.IsSelected(p) != 0});
    }
    int limit = StretchSizeSummary.fileCount;
    if (m_choices.allImages != 1) {
        limit = 0;
        for (int i = 0; i < kStretchSizeKinds; ++i)
            if (m_checked[i])
                limit += StretchSizeSummary.counts[i];
    }
    return SelectFilesToShrink(
        files, m_choices.allImages == 1, StretchSizeSummary.sizes, m_checked, kStretchSizeKinds, limit);
}

void CDlgStretchImage::OnStretchStart()
{
    if (m_finishing)
        return;  // stopped before the worker came
    m_shared.failures.store(0);
    m_job.shownFolder = m_shownFolder;
    m_job.names = FilesToConvert();
    m_job.summaryCount = StretchSizeSummary.fileCount;
    m_job.choices = m_choices;
    if (CProgressCtrl* progress = static_cast<CProgressCtrl*>(GetDlgItem(IDC_SHRINK_PROGRESS))) {
        progress->SetRange32(0, static_cast<int>(m_job.names.size()));
        progress->SetPos(0);
    }
    const HWND self = GetSafeHwnd();
    const HWND stage = m_stage ? m_stage->GetSafeHwnd() : nullptr;
    ShrinkRunHooks hooks;
    hooks.fileStarted = [self](
                            int k) { ::PostMessage(self, WM_STRETCH_PROGRESS, static_cast<WPARAM>(k), 0); };
    hooks.written = [stage](const QString& path) {
        if (stage)
            ::SendMessage(stage, WM_MULTI_ADD_FILE, reinterpret_cast<WPARAM>(&path), 0);
    };
    hooks.message = [](const QString& text) { AfxMessageBox(text); };
    hooks.convert = m_convert;
    m_worker = std::make_unique<CWorkerThread>();
    const bool started = m_worker->Start([this, self, hooks] {
        RunBatchShrink(m_job, m_shared, hooks);
        ::PostMessage(self, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    if (!started) {
        m_shared.state.store(kStretchFinished);
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    }
}

void CDlgStretchImage::Finish()
{
    // The worker's OK may arrive while a stop waits below: the dialog ends once.
    if (m_finishing)
        return;
    m_finishing = true;
    if (m_shared.state.load() == kStretchRunning) {
        m_shared.state.store(kStretchStopRequested);
        if (m_worker)
            m_worker->WaitForEnd(kWaitForever);
        AfxMessageBox(QStringLiteral("縮小変換を途中終了しました。"));
    } else {
        if (m_worker)
            m_worker->WaitForEnd(kWaitForever);
        const int state = m_shared.state.load();
        const int failures = m_shared.failures.load();
        if (state == kStretchDiskLow)
            AfxMessageBox(
                QStringLiteral("保存ドライブの空き領域がごく僅かになりました。\n\n変換処理を終了しました。"));
        else if (state == kStretchFreeSpaceUnknown)
            AfxMessageBox(
                QStringLiteral("保存ドライブの空き領域を調べられませんでした。\n\n変換処理を終了しました。"));
        else if (failures != 0)
            AfxMessageBox(
                QStringLiteral("縮小変換が終了しました。\n\n失敗又は処理を行わなかったファイル数 %1")
                    .arg(failures));
    }
    StoreShrinkChoices(m_choices);
    EndDialog(IDOK);
}
