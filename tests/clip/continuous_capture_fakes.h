// Stand-ins for a continuous capture's dialog, screen and clock: time moves
// only when the loop waits (or the screen is told to be slow), so pacing can
// be followed to the millisecond.
#pragma once

#include "clip/continuous_capture_session.h"

#include <QColor>
#include <QImage>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

class FakeCaptureClock : public ContinuousCaptureClock {
public:
    ULONGLONG NowMs() override { return now; }
    ULONGLONG now = 100000;
};

class FakeCaptureHost : public ContinuousCaptureLoopHost {
public:
    explicit FakeCaptureHost(FakeCaptureClock& clock) : m_clock(clock) { }
    void ShowCounter(const QString& text) override { counters << text; }
    void StartProgressTimer() override { ++timerStarts; }
    void StopProgressTimer() override { ++timerStops; }
    void SetProgressPos(int tenths) override { progress.push_back(tenths); }
    void ShowMessage(const QString& text, UINT) override { messages << text; }
    void WaitMessages(DWORD maxMs) override
    {
        ++waits;
        // Time passes; an action due meanwhile (a stop click) runs "inside" the wait.
        const ULONGLONG until = m_clock.now + std::max<DWORD>(maxMs, 1);
        while (!actions.empty() && actions.begin()->first <= until) {
            m_clock.now = std::max(m_clock.now, actions.begin()->first);
            auto action = actions.begin()->second;
            actions.erase(actions.begin());
            action();
        }
        m_clock.now = std::max(m_clock.now, until);
        if (onWait)
            onWait();
    }
    HWND FrameWindow() override { return nullptr; }

    QStringList counters;
    QStringList messages;
    std::vector<int> progress;
    int timerStarts = 0;
    int timerStops = 0;
    int waits = 0;
    // Runs at the given clock time during a wait.
    std::multimap<ULONGLONG, std::function<void()>> actions;
    std::function<void()> onWait;

private:
    FakeCaptureClock& m_clock;
};

// A screen of one colour per copy (frame k gets colours[k - 1], the last one
// after that); each copy may take time.
class FakeCaptureScreen : public ContinuousCaptureScreen {
public:
    explicit FakeCaptureScreen(FakeCaptureClock& clock) : m_clock(clock) { }
    bool Open() override
    {
        ++opens;
        return openable;
    }
    void Close() override { ++closes; }
    bool Copy(CImage& picture, int left, int top) override
    {
        origins.push_back(POINT{left, top});
        const int k = static_cast<int>(origins.size());
        if (failAt == k)
            return false;
        if (auto it = copyMs.find(k); it != copyMs.end())
            m_clock.now += it->second;
        const QRgb colour =
            colours.empty() ? qRgb(k % 256, 0, 0) : colours[std::min<std::size_t>(k - 1, colours.size() - 1)];
        QImage image(picture.GetWidth(), picture.GetHeight(), QImage::Format_RGB32);
        image.fill(colour);
        picture.SetImage(
            image.convertToFormat(picture.GetBPP() == 24 ? QImage::Format_BGR888 : image.format()));
        return true;
    }
    std::optional<CaptureCursor> Cursor() override { return cursor; }

    bool openable = true;
    int failAt = 0;
    std::map<int, ULONGLONG> copyMs;  // frame number -> time the copy takes
    std::vector<QRgb> colours;
    std::optional<CaptureCursor> cursor;
    std::vector<POINT> origins;
    int opens = 0;
    int closes = 0;

private:
    FakeCaptureClock& m_clock;
};

// A session on the fakes with plenty of memory and disk.
struct FakeCaptureRig {
    FakeCaptureRig()
    {
        auto screenOwned = std::make_unique<FakeCaptureScreen>(clock);
        screen = screenOwned.get();
        session.SetScreen(std::move(screenOwned));
        auto clockProxy = std::make_unique<ClockProxy>(clock);
        session.SetClock(std::move(clockProxy));
        ContinuousCaptureSystem system = DefaultContinuousCaptureSystem();
        system.availableMemoryMB = [this] { return availableMB; };
        system.diskFreeMB = [this](const QString&) { return diskFreeMB; };
        session.SetSystem(system);
    }
    struct ClockProxy : ContinuousCaptureClock {
        explicit ClockProxy(FakeCaptureClock& c) : clock(c) { }
        ULONGLONG NowMs() override { return clock.NowMs(); }
        FakeCaptureClock& clock;
    };

    FakeCaptureClock clock;
    FakeCaptureHost host{clock};
    CContinuousCaptureSession session{host};
    FakeCaptureScreen* screen = nullptr;
    DWORD availableMB = 4000;
    DWORD diskFreeMB = 100000;
};
