#include "platform/app/message_pump.h"

#include <QCoreApplication>
#include <mutex>
#include <time.h>

namespace {

// The range of mouse message numbers (first mouse message .. last).
constexpr UINT kMouseFirst = 0x0200;
constexpr UINT kMouseLast = 0x020E;
// WM_KEYDOWN and WM_KEYUP.
constexpr UINT kKeyFirst = 0x0100;
constexpr UINT kKeyLast = 0x0101;

struct FlushState {
    std::mutex mutex;
    PostedMessageFlushHandler postedHandler;
    // The latest mouse event seen: its timestamp and the tick when it came.
    bool haveSeen = false;
    qint64 lastEventTime = 0;
    ULONGLONG lastEventTick = 0;
    // Input stamped at or before this time was queued before the flush.
    bool haveMark = false;
    qint64 flushMark = 0;
    bool haveKeyMark = false;
    qint64 keyFlushMark = 0;
};

// Notes an input event that was not dropped: the clock of the next flush.
void NoteInput(FlushState& s, qint64 eventTimestampMs)
{
    s.haveSeen = true;
    s.lastEventTime = eventTimestampMs;
    s.lastEventTick = GetTickCount64();
}

FlushState& State()
{
    static FlushState state;
    return state;
}

}  // namespace

void PumpMessages()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    // processEvents never consumes a pending exit: the loop that runs exec()
    // still ends after this wait returns.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void FlushMessages(UINT lo, UINT hi)
{
    if (lo > hi)
        return;
    PostedMessageFlushHandler handler;
    {
        FlushState& s = State();
        std::lock_guard lock(s.mutex);
        handler = s.postedHandler;
        // Input event times run on their own clock (the X server's): carry
        // the latest seen stamp forward by the ticks since then.
        const qint64 mark = s.lastEventTime + static_cast<qint64>(GetTickCount64() - s.lastEventTick);
        if (lo <= kMouseLast && hi >= kMouseFirst && s.haveSeen) {
            s.flushMark = mark;
            s.haveMark = true;
        }
        if (lo <= kKeyLast && hi >= kKeyFirst && s.haveSeen) {
            s.keyFlushMark = mark;
            s.haveKeyMark = true;
        }
    }
    if (handler)
        handler(lo, hi);
}

bool IsMouseInputFlushed(qint64 eventTimestampMs)
{
    FlushState& s = State();
    std::lock_guard lock(s.mutex);
    const bool flushed = s.haveMark && eventTimestampMs <= s.flushMark;
    if (!flushed)
        NoteInput(s, eventTimestampMs);
    return flushed;
}

bool IsKeyInputFlushed(qint64 eventTimestampMs)
{
    FlushState& s = State();
    std::lock_guard lock(s.mutex);
    const bool flushed = s.haveKeyMark && eventTimestampMs <= s.keyFlushMark;
    if (!flushed)
        NoteInput(s, eventTimestampMs);
    return flushed;
}

void SetPostedMessageFlushHandler(PostedMessageFlushHandler handler)
{
    FlushState& s = State();
    std::lock_guard lock(s.mutex);
    s.postedHandler = std::move(handler);
}

ULONGLONG GetTickCount64()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<ULONGLONG>(ts.tv_sec) * 1000u + static_cast<ULONGLONG>(ts.tv_nsec) / 1000000u;
}

DWORD GetTickCount()
{
    return static_cast<DWORD>(GetTickCount64());
}
