// Inside the window layer: the table from handles to window objects (UI
// thread only), the dispatch of one message to a window with the bookkeeping
// that defers destruction, and the host widgets that carry surfaces.
#pragma once

#include "platform/window/ui_thread.h"
#include "platform/window/window.h"

#include <QDialog>
#include <QEvent>
#include <QWidget>
#include <cstddef>
#include <functional>

class WindowDispatch {
public:
    static CWnd* Lookup(HWND hwnd);
    static void Bind(HWND hwnd, CWnd* wnd);
    static void Unbind(HWND hwnd);
    // Runs wnd's WindowProc; completes a deferred destruction afterwards.
    static LRESULT Dispatch(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The window object of a widget or of its nearest registered ancestor.
    static CWnd* FromWidget(const QWidget* widget, bool ancestors);
};

// Lets go, answered with 0, the workers whose messages sent to hwnd wait to
// be handled (the window is going).
void ReleaseMessagesSentTo(HWND hwnd);
// How many workers wait for the UI thread to take what they sent.
std::size_t WorkerSendsWaiting();

// Installs the application-wide input filter (pre-translation, dialog keys,
// accelerators) once a QApplication exists; called when windows are made.
void EnsureInputFilter();

// Access of the host widgets to the window's own state.
struct WindowHostAccess {
    static bool HandleEvent(CWnd* wnd, QWidget* host, QEvent* event);
    static void PaintSurface(CWnd* wnd, QWidget* host);
    static int& HostDepth(CWnd* wnd);
    static void RunPaint(CWnd* wnd) { wnd->RunPaint(); }
    // A resize the program did not ask for: the user is sizing the window.
    static void NoteUserSizing(CWnd* wnd, QWidget* host);
    static QHash<UINT_PTR, int>& Timers(CWnd* wnd) { return wnd->m_timers; }
    // The most recently active visible, enabled top-level window owned by wnd; else wnd.
    static HWND EnabledPopupOf(CWnd* wnd);
};

// Marks Qt delivering an event to one of our widgets (a window's host or a
// control) while its handlers run: a window destroyed meanwhile leaves its
// widgets to be deleted once Qt is done with them.
class WidgetEventScope {
public:
    WidgetEventScope() { ++s_depth; }
    ~WidgetEventScope() { --s_depth; }
    WidgetEventScope(const WidgetEventScope&) = delete;
    WidgetEventScope& operator=(const WidgetEventScope&) = delete;
    static bool Active() { return s_depth > 0; }

private:
    static inline int s_depth = 0;  // UI thread only
};

// The event type that asks a window to run WM_PAINT.
QEvent::Type PaintRequestEventType();

// A Qt widget (QWidget or QDialog) that belongs to a CWnd: its events become
// messages, its paint event copies the surface.
template <class Base> class SurfaceHost : public Base {
public:
    SurfaceHost(CWnd* wnd, QWidget* parent) : Base(parent), m_wnd(wnd) { }
    void Detach() { m_wnd = nullptr; }
    void Reattach(CWnd* wnd) { m_wnd = wnd; }
    CWnd* Window() const { return m_wnd; }

protected:
    bool event(QEvent* e) override
    {
        if (!m_wnd)
            return Base::event(e);
        CWnd* wnd = m_wnd;
        const WidgetEventScope scope;
        ++WindowHostAccess::HostDepth(wnd);
        const bool handled = WindowHostAccess::HandleEvent(wnd, this, e);
        // The window may have been destroyed by its handler: only touch it if still attached.
        const bool result = handled || Base::event(e);
        if (m_wnd == wnd)
            --WindowHostAccess::HostDepth(wnd);
        return result;
    }
    void paintEvent(QPaintEvent*) override
    {
        if (m_wnd)
            WindowHostAccess::PaintSurface(m_wnd, this);
    }

private:
    CWnd* m_wnd;
};

using WindowHost = SurfaceHost<QWidget>;
