// The capture loop on the UI thread: one frame per interval from the screen
// into the ring, paced by the monotonic clock, with waits that keep handling
// messages (the stop click and the timers arrive there).
#include "clip/continuous_capture_session.h"

#include "imaging/dib_helpers.h"
#include "platform/dialog/msgbox.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// The step of the wait for a free slot.
constexpr DWORD kFreeSlotPollMs = 2;

}  // namespace

int CContinuousCaptureSession::RunCaptureLoop(HWND /*target*/, const RECT& rect, int width, int height)
{
    if (!m_ring || !m_screen || !m_screen->Open()) {
        EndRun(kCcNoDesktop);
        return 0;
    }
    CImage picture;
    if (!picture.Create(width, height, m_template.infoHeader.biBitCount)) {
        m_screen->Close();
        EndRun(kCcNoImage);
        return 0;
    }
    m_loopStart = m_clock->NowMs();
    m_frameStart = m_loopStart;
    const bool progressTimer = settings.windowState == 2 && settings.intervalTenths >= 30;
    if (progressTimer)
        m_host.StartProgressTimer();
    const int count = settings.count;
    int result = 0;
    for (int k = 1; k <= count; ++k) {
        m_frameStart = m_clock->NowMs();
        m_host.ShowCounter(QStringLiteral("%1 / %2").arg(k).arg(count));
        std::optional<CaptureCursor> cursor;
        if (settings.mouseCursor == 1)
            cursor = m_screen->Cursor();
        if (!m_screen->Copy(picture, rect.left, rect.top)) {
            EndRun(kCcScreenCopyFailed);
            break;
        }
        // The cursor lands where it stood relative to the pixels just copied.
        if (cursor)
            DrawCaptureCursor(picture, *cursor, rect);
        if (!StoreFrame(picture)) {
            m_host.ShowMessage(NoFreeSlotMessage(), MB_ICONEXCLAMATION);
            EndRun(kCcIntervalMissed);
            break;
        }
        // With force the next frame needs a free slot; the last one needs none.
        if (settings.forceCapture == 1 && k < count && !WaitForFreeSlot()) {
            EndRun(kCcSaveTooSlow);
            break;
        }
        if (Status() != kCcRunning)
            break;
        if (k == count) {
            result = 1;
            break;
        }
        if (!WaitForNextFrame(k))
            break;
    }
    if (progressTimer)
        m_host.StopProgressTimer();
    m_screen->Close();
    return result;
}

bool CContinuousCaptureSession::WaitForFreeSlot()
{
    const ULONGLONG start = m_clock->NowMs();
    while (m_ring->GetWriteState() != kRingFrameReady && Status() == kCcRunning) {
        if (m_clock->NowMs() - start > settings.saveWaitMs)
            return false;
        m_host.WaitMessages(kFreeSlotPollMs);
    }
    return true;
}

int CContinuousCaptureSession::StoreFrame(const CImage& image)
{
    CCaptureFrame* slot = m_ring ? m_ring->GetWriteSlot() : nullptr;
    if (slot == nullptr)
        return 0;
    slot->infoHeader.biSize = 40;
    const int width = slot->infoHeader.biWidth;
    const int height = std::abs(slot->infoHeader.biHeight);
    const int bpp = slot->infoHeader.biBitCount;
    const std::size_t stride = GetDibStride(bpp, width);
    const std::size_t rowBytes = std::min<std::size_t>(
        static_cast<std::size_t>(std::min(width, image.GetWidth())) * (bpp / 8), stride);
    const int rows = std::min(height, image.GetHeight());
    for (int y = 0; y < rows; ++y) {
        // Frames are bottom-up: the picture's top row is the last in memory.
        std::memcpy(
            slot->bits + static_cast<std::size_t>(height - 1 - y) * stride, image.GetRow(y), rowBytes);
    }
    // The frame is complete: only now does the saver see it.
    m_ring->AdvanceWrite();
    return 1;
}

int CContinuousCaptureSession::WaitForNextFrame(int k)
{
    const ULONGLONG due = m_loopStart + static_cast<ULONGLONG>(k) * settings.intervalTenths * 100;
    ULONGLONG now = m_clock->NowMs();
    if (now > due) {
        m_intervalKept = 0;
        if (settings.forceCapture == 1)
            return 1;
        m_host.ShowMessage(IntervalMissedMessage(settings.intervalTenths), MB_ICONEXCLAMATION);
        EndRun(kCcIntervalMissed);
        return 0;
    }
    // A stop, or a failure of the saver, ends the wait early.
    while (now < due && Status() == kCcRunning) {
        m_host.WaitMessages(static_cast<DWORD>(due - now));
        now = m_clock->NowMs();
    }
    return Status() == kCcRunning ? 1 : 0;
}

void CContinuousCaptureSession::OnProgressTimer()
{
    m_host.SetProgressPos(static_cast<int>((m_clock->NowMs() - m_frameStart) / 100));
}
