#include "platform/thread/worker_thread.h"

#include "platform/app/message_pump.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <vector>

namespace {

bool OnGuiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && app->thread() == QThread::currentThread();
}

std::mutex& RetiredMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<std::unique_ptr<CWorkerThread>>& Retired()
{
    static std::vector<std::unique_ptr<CWorkerThread>> workers;
    return workers;
}

// Removes and returns the retired workers whose bodies have returned.
std::vector<std::unique_ptr<CWorkerThread>> TakeEndedRetired()
{
    std::lock_guard lock(RetiredMutex());
    std::vector<std::unique_ptr<CWorkerThread>> ended;
    auto& all = Retired();
    for (auto it = all.begin(); it != all.end();) {
        if (!(*it)->IsRunning()) {
            ended.push_back(std::move(*it));
            it = all.erase(it);
        } else {
            ++it;
        }
    }
    return ended;
}

}  // namespace

CWorkerThread::~CWorkerThread()
{
    WaitLoop(m_state, kWaitForever, OnGuiThread());
}

bool CWorkerThread::Start(std::function<void()> body)
{
    if (IsRunning())
        return false;
    JoinIfEnded(*m_state);
    ClearCancel();
    std::shared_ptr<State> state = m_state;
    state->running.store(true, std::memory_order_release);
    try {
        std::lock_guard lock(state->joinMutex);
        state->thread = std::thread([state, body = std::move(body)]() mutable {
            body();
            body = nullptr;  // what the body holds goes before it counts as ended
            state->running.store(false, std::memory_order_release);
        });
    } catch (const std::system_error&) {
        state->running.store(false, std::memory_order_release);
        return false;
    }
    state->started = true;
    return true;
}

bool CWorkerThread::WaitForEnd(DWORD limitMs)
{
    return WaitLoop(m_state, limitMs, OnGuiThread());
}

bool CWorkerThread::WaitForEndWithoutMessages(DWORD limitMs)
{
    return WaitLoop(m_state, limitMs, false);
}

bool CWorkerThread::WaitLoop(const std::shared_ptr<State>& stateRef, DWORD limitMs, bool handleMessages)
{
    // A copy: a handled message may destroy the worker object meanwhile.
    const std::shared_ptr<State> state = stateRef;
    const ULONGLONG start = GetTickCount64();
    while (state->running.load(std::memory_order_acquire)) {
        if (limitMs != kWaitForever && GetTickCount64() - start >= limitMs)
            return false;
        // A body may be waiting for the UI thread (a sent message, a box):
        // keep serving it while waiting.
        if (handleMessages)
            PumpMessages();
        std::this_thread::sleep_for(std::chrono::microseconds(handleMessages ? 200 : 500));
    }
    JoinIfEnded(*state);
    return true;
}

void CWorkerThread::JoinIfEnded(State& state)
{
    std::lock_guard lock(state.joinMutex);
    if (state.thread.joinable() && !state.running.load(std::memory_order_acquire))
        state.thread.join();
}

void RetireWorker(std::unique_ptr<CWorkerThread> worker)
{
    auto ended = TakeEndedRetired();
    if (!worker)
        return;
    worker->RequestCancel();
    if (!worker->IsRunning())
        return;  // it ended meanwhile: released here
    std::lock_guard lock(RetiredMutex());
    Retired().push_back(std::move(worker));
}

void WaitForRetiredWorkers()
{
    for (;;) {
        auto ended = TakeEndedRetired();
        {
            std::lock_guard lock(RetiredMutex());
            if (Retired().empty())
                return;
        }
        if (OnGuiThread())
            PumpMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

int RetiredWorkerCount()
{
    auto ended = TakeEndedRetired();
    std::lock_guard lock(RetiredMutex());
    return static_cast<int>(Retired().size());
}
