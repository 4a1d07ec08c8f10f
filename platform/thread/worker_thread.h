// One worker thread: started by the UI thread, stopped cooperatively through
// its cancel flag, waited for with a wait that keeps handling messages, and
// never destroyed while its work runs.
#pragma once

#include "platform/types/types.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

inline constexpr DWORD kWaitForever = 0xFFFFFFFF;

class CWorkerThread {
public:
    CWorkerThread() = default;
    // Waits, handling messages, until a running body has returned.
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Runs body on a new thread. The cancel flag is cleared first. False when
    // a body still runs or the thread cannot be made.
    bool Start(std::function<void()> body);

    // True from Start until the body has returned.
    bool IsRunning() const { return m_state->running.load(std::memory_order_acquire); }
    // True once a body has been started and has returned.
    bool HasEnded() const { return m_state->started && !IsRunning(); }

    void RequestCancel() { m_state->cancel.store(true, std::memory_order_release); }
    void ClearCancel() { m_state->cancel.store(false, std::memory_order_release); }
    bool IsCancelRequested() const { return m_state->cancel.load(std::memory_order_acquire); }
    // The flag itself, for a body that checks it between steps.
    const std::atomic<bool>& CancelFlag() const { return m_state->cancel; }

    // Waits up to limitMs (kWaitForever: no limit) for the body to return,
    // handling the UI thread's messages between checks so that a body waiting
    // for the UI thread can finish. True when it has returned (or none ran).
    // A message handled meanwhile may even destroy this object: the wait
    // holds what it needs.
    bool WaitForEnd(DWORD limitMs);
    // The same without handling messages: for waits off the UI thread.
    bool WaitForEndWithoutMessages(DWORD limitMs);

private:
    struct State {
        std::mutex joinMutex;
        std::thread thread;
        std::atomic<bool> running{false};
        std::atomic<bool> cancel{false};
        bool started = false;
    };
    static bool WaitLoop(const std::shared_ptr<State>& state, DWORD limitMs, bool handleMessages);
    static void JoinIfEnded(State& state);

    std::shared_ptr<State> m_state = std::make_shared<State>();
};

// Keeps a worker that did not stop within its owner's limit until its body
// returns: the owner gives it up here instead of destroying it. Its cancel
// flag stays set. Workers that have ended are released on every call.
void RetireWorker(std::unique_ptr<CWorkerThread> worker);
// Waits (handling messages) until every retired worker has ended; at exit.
void WaitForRetiredWorkers();
// How many retired workers still run (for tests).
int RetiredWorkerCount();
