// Sending and posting messages. Posted messages wait in one first-in
// first-out queue shared by every thread; the UI thread takes them in
// batches, woken by a single Qt event per batch, so posting stays cheap and
// nested loops (modal dialogs) keep taking them in order. A message sent from
// a worker waits in its own list until the UI thread has handled it; the
// worker is let go with 0 when the window goes, when the application's loop
// ends, or when the application object goes.
#include "platform/app/message_pump.h"
#include "platform/window/window_dispatch.h"
#include "platform/window/window_registry.h"
#include "platform/x11/desktop_services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace {

struct PostedMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

const QEvent::Type kWakeEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
const QEvent::Type kSentEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
constexpr int kBatch = 256;

struct SentMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::function<void()> call;  // when set: run instead of a message
    LRESULT result = 0;
    bool answered = false;
};

// Messages sent from worker threads that the UI thread has not taken yet.
// Never destroyed: a worker may still wait on it while the program ends.
struct SentMessages {
    std::mutex mutex;
    std::condition_variable answered;
    std::deque<std::shared_ptr<SentMessage>> waiting;
    bool closed = true;  // no queue object (no application) to handle them

    // Answers with 0 the waiting messages that match; the caller holds the mutex.
    template <class Match> void Release(Match match)
    {
        std::erase_if(waiting, [&](const std::shared_ptr<SentMessage>& m) {
            if (!match(*m))
                return false;
            m->answered = true;
            return true;
        });
        answered.notify_all();
    }
};

SentMessages& Sent()
{
    static auto* sent = new SentMessages;
    return *sent;
}

void HandleSentMessages()
{
    SentMessages& s = Sent();
    for (;;) {
        std::shared_ptr<SentMessage> m;
        {
            std::lock_guard lock(s.mutex);
            if (s.waiting.empty())
                return;
            m = s.waiting.front();
            s.waiting.pop_front();
        }
        LRESULT result = 1;
        if (m->call)
            m->call();
        else if (CWnd* wnd = WindowDispatch::Lookup(m->hwnd))
            result = WindowDispatch::Dispatch(wnd, m->message, m->wParam, m->lParam);
        else
            result = 0;
        {
            std::lock_guard lock(s.mutex);
            m->result = result;
            m->answered = true;
        }
        s.answered.notify_all();
    }
}

class PostedQueue;
std::mutex g_queueMutex;
PostedQueue* g_queue = nullptr;

class PostedQueue : public QObject {
public:
    PostedQueue()
    {
        SetPostedMessageFlushHandler([this](UINT lo, UINT hi) { Remove(lo, hi); });
        SentMessages& s = Sent();
        std::lock_guard lock(s.mutex);
        s.closed = false;
    }

    ~PostedQueue() override
    {
        SetPostedMessageFlushHandler({});
        {
            std::lock_guard lock(g_queueMutex);
            if (g_queue == this)
                g_queue = nullptr;
        }
        SentMessages& s = Sent();
        std::lock_guard lock(s.mutex);
        s.closed = true;
        s.Release([](const SentMessage&) { return true; });
    }

    void Post(const PostedMessage& m)
    {
        bool wake = false;
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(m);
            wake = !m_wakePending;
            m_wakePending = true;
        }
        if (wake)
            QCoreApplication::postEvent(this, new QEvent(kWakeEvent));
    }

    void Remove(UINT lo, UINT hi)
    {
        std::lock_guard lock(m_mutex);
        std::erase_if(
            m_queue, [lo, hi](const PostedMessage& m) { return m.message >= lo && m.message <= hi; });
    }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == kSentEvent) {
            HandleSentMessages();
            return true;
        }
        if (e->type() != kWakeEvent)
            return QObject::event(e);
        {
            std::lock_guard lock(m_mutex);
            m_wakePending = false;
        }
        for (int i = 0; i < kBatch; ++i) {
            PostedMessage m;
            bool wake = false;
            {
                std::lock_guard lock(m_mutex);
                if (m_queue.empty())
                    return true;
                m = m_queue.front();
                m_queue.pop_front();
                // Ask for the next batch before handling: a handler may run a
                // nested loop, which must go on taking messages in order.
                if (!m_queue.empty() && !m_wakePending) {
                    m_wakePending = true;
                    wake = true;
                }
            }
            if (wake)
                QCoreApplication::postEvent(this, new QEvent(kWakeEvent));
            if (CWnd* wnd = WindowDispatch::Lookup(m.hwnd))
                WindowDispatch::Dispatch(wnd, m.message, m.wParam, m.lParam);
        }
        return true;
    }

private:
    std::mutex m_mutex;
    std::deque<PostedMessage> m_queue;
    bool m_wakePending = false;
};

// Made on first use and moved to the UI thread; lives as long as the
// application object (a later application gets a new one).
PostedQueue* TheQueue()
{
    std::lock_guard lock(g_queueMutex);
    if (!g_queue) {
        auto* q = new PostedQueue;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            q->moveToThread(app->thread());
            q->setParent(app);
            // Sends waiting when the loop ends would wait for a loop that may
            // never run again: they are answered with 0.
            QObject::connect(app, &QCoreApplication::aboutToQuit, q, [] {
                SentMessages& s = Sent();
                std::lock_guard sentLock(s.mutex);
                s.Release([](const SentMessage&) { return true; });
            });
        }
        g_queue = q;
    }
    return g_queue;
}

LRESULT SendFromWorker(std::shared_ptr<SentMessage> m)
{
    PostedQueue* queue = TheQueue();
    SentMessages& s = Sent();
    std::unique_lock lock(s.mutex);
    if (s.closed)
        return 0;
    s.waiting.push_back(m);
    QCoreApplication::postEvent(queue, new QEvent(kSentEvent));
    s.answered.wait(lock, [&] { return m->answered; });
    return m->result;
}

}  // namespace

BOOL IsWindow(HWND hwnd)
{
    if (!hwnd)
        return FALSE;
    if (IsX11WindowHandle(hwnd))
        return Desktop().windows.WindowExists(hwnd);  // a foreign window: asked of the X server
    return WidgetFromHwnd(hwnd) != nullptr;
}

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsUiThread()) {
        CWnd* wnd = WindowDispatch::Lookup(hwnd);
        return wnd ? WindowDispatch::Dispatch(wnd, message, wParam, lParam) : 0;
    }
    // Foreign windows take none of our messages.
    if (IsX11WindowHandle(hwnd) || !IsWindow(hwnd))
        return 0;
    return SendFromWorker(std::make_shared<SentMessage>(SentMessage{hwnd, message, wParam, lParam, {}}));
}

bool CallOnUiThread(std::function<void()> call)
{
    if (IsUiThread()) {
        call();
        return true;
    }
    return SendFromWorker(std::make_shared<SentMessage>(SentMessage{nullptr, 0, 0, 0, std::move(call)})) != 0;
}

std::size_t WorkerSendsWaiting()
{
    SentMessages& s = Sent();
    std::lock_guard lock(s.mutex);
    return s.waiting.size();
}

void ReleaseMessagesSentTo(HWND hwnd)
{
    if (!hwnd)
        return;
    SentMessages& s = Sent();
    std::lock_guard lock(s.mutex);
    s.Release([hwnd](const SentMessage& m) { return m.hwnd == hwnd; });
}

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hwnd))
        return FALSE;
    TheQueue()->Post({hwnd, message, wParam, lParam});
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* item = GetDlgItem(id);
    return item ? item->SendMessage(message, wParam, lParam) : 0;
}
