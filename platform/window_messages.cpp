// Sending and posting messages. Posted messages wait in one first-in
// first-out queue shared by every thread; the UI thread takes them in
// batches, woken by a single Qt event per batch, so posting stays cheap and
// nested loops (modal dialogs) keep taking them in order.
#include "platform/message_pump.h"
#include "platform/window_dispatch.h"
#include "platform/window_registry.h"
#include "platform/x11/desktop_services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <deque>
#include <mutex>

namespace {

struct PostedMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

const QEvent::Type kWakeEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
constexpr int kBatch = 256;

class PostedQueue : public QObject {
public:
    PostedQueue()
    {
        SetPostedMessageFlushHandler([this](UINT lo, UINT hi) { Remove(lo, hi); });
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

PostedQueue* TheQueue()
{
    // Made on first use and moved to the UI thread; lives as long as the application.
    static PostedQueue* queue = [] {
        auto* q = new PostedQueue;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            q->moveToThread(app->thread());
            q->setParent(app);
        }
        return q;
    }();
    return queue;
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
    if (WindowDispatch::OnUiThread()) {
        CWnd* wnd = WindowDispatch::Lookup(hwnd);
        return wnd ? WindowDispatch::Dispatch(wnd, message, wParam, lParam) : 0;
    }
    if (!IsWindow(hwnd))
        return 0;
    LRESULT result = 0;
    QMetaObject::invokeMethod(
        TheQueue(),
        [&] {
            if (CWnd* wnd = WindowDispatch::Lookup(hwnd))
                result = WindowDispatch::Dispatch(wnd, message, wParam, lParam);
        },
        Qt::BlockingQueuedConnection);
    return result;
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
