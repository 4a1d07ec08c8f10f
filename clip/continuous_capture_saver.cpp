// The saver thread: takes the frames out of the ring in order, writes each as
// a numbered file and watches the free space; and the wait for its end.
#include "clip/continuous_capture_session.h"

#include "clip/wait_box_messages.h"
#include "core/frame_messages.h"
#include "platform/system/kernel.h"
#include "platform/window/window.h"

#include <cerrno>

namespace {

// How long the start waits for the thread to report that it runs.
constexpr ULONGLONG kSaverStartLimitMs = 300;
// The saver's sleep while no frame is ready.
constexpr DWORD kSaverIdleMs = 1;

bool IsNoSpace(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

}  // namespace

bool CContinuousCaptureSession::StartSaverThread()
{
    if (!m_ring || SaverRunning())
        return false;
    m_saver = std::make_unique<CWorkerThread>();
    m_saverStarted.store(false, std::memory_order_release);
    m_lastPath.clear();
    m_nextDiskCheck = m_firstDiskCheck;
    if (!m_saver->Start([this] { ContinueCaptureThreadProc(); })) {
        m_saver.reset();
        return false;
    }
    const ULONGLONG start = m_clock->NowMs();
    while (!m_saverStarted.load(std::memory_order_acquire) && m_clock->NowMs() - start < kSaverStartLimitMs)
        m_host.WaitMessages(1);
    return true;
}

void CContinuousCaptureSession::ContinueCaptureThreadProc()
{
    m_saverStarted.store(true, std::memory_order_release);
    CCaptureFrameRing& ring = *m_ring;
    // A ring closed before the saver looked may still hold frames: the loop
    // below writes them and ends once it is empty.
    while (ring.IsReady() == 0) {
        if (m_saver->IsCancelRequested())
            return;
        Sleep(kSaverIdleMs);
    }
    const int n = settings.count;
    int i = 1;
    for (;;) {
        // A stop ends the saver after the file it was writing.
        if (Status() != kCcRunning || m_saver->IsCancelRequested())
            return;
        CCaptureFrame* frame = ring.GetReadSlot();
        if (frame == nullptr) {
            // Closed and empty: every frame stored before the close is done.
            // The state is read again after the close was seen, as the last
            // frame may have come just before it.
            if (!ring.IsOpen() && ring.GetReadState() != kRingFrameReady)
                return;
            Sleep(kSaverIdleMs);
            continue;
        }
        const QString path = MakeSaveFilePath(i, n);
        m_lastPath = path;
        if (path.size() >= kCcMaxPathLength) {
            EndRun(kCcPathTooLong);
            return;
        }
        if (CanWriteFile(path)) {
            int error = 0;
            if (!WriteFrameFile(path, *frame, &error)) {
                EndRun(IsNoSpace(error) ? kCcDiskFull : kCcWriteFailed);
                return;
            }
            // Counted only once the file is whole and in place.
            m_savedCount.fetch_add(1, std::memory_order_acq_rel);
        }
        ring.AdvanceRead();
        ++i;
        // ">=": a checkpoint that did not move on is checked again next time.
        if (i >= m_nextDiskCheck && !CheckDiskAt(i, path)) {
            EndRun(kCcDiskFull);
            return;
        }
    }
}

void CContinuousCaptureSession::WaitForSaver(bool showWindow)
{
    if (!m_saver)
        return;
    HWND frameWindow = nullptr;
    HWND box = nullptr;
    const int savedAtOpen = SavedFileCount();
    const std::int64_t left = m_ring ? m_ring->GetCount() : 0;
    if (showWindow && left > 1) {
        frameWindow = m_host.FrameWindow();
        const QString title = QStringLiteral("KestrelPro 連続キャプチャ");
        if (frameWindow != nullptr)
            box = reinterpret_cast<HWND>(::SendMessage(frameWindow, WM_FRAME_OPEN_WAITMSG,
                reinterpret_cast<WPARAM>(&title), static_cast<LPARAM>(left)));
        if (box != nullptr) {
            const QString first = QStringLiteral("残りのファイルを保存中です・・・");
            const QString second = QStringLiteral("しばらくお待ちください。");
            ::SendMessage(box, WM_WAITMSG_SET_TEXT, reinterpret_cast<WPARAM>(&first), 1);
            ::SendMessage(box, WM_WAITMSG_SET_TEXT, reinterpret_cast<WPARAM>(&second), 2);
        }
    }
    if (box == nullptr) {
        m_saver->WaitForEndWithoutMessages(kWaitForever);
    } else {
        while (m_saver->IsRunning()) {
            m_host.WaitMessages(1);
            if (IsWindow(box))
                ::SendMessage(box, WM_WAITMSG_SET_POS, static_cast<WPARAM>(SavedFileCount() - savedAtOpen));
        }
    }
    m_saver->WaitForEndWithoutMessages(kWaitForever);
    m_saver.reset();
    if (box != nullptr)
        ::SendMessage(frameWindow, WM_FRAME_CLOSE_WAITMSG);
}
