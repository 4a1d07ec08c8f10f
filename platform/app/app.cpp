#include "platform/app/app.h"
#include "platform/app/message_pump.h"
#include "platform/app/session_end.h"
#include "platform/window/input_keys.h"
#include "platform/window/window_dispatch.h"

#include "platform/x11/desktop_services.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>

#include <cstdio>
#include <malloc.h>

namespace {

CWinApp* g_app = nullptr;

// Turns the input events of any of our widgets into MSG records and offers
// them to the pre-filter and the accelerators before the widget sees them.
class InputFilter : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::MouseButtonPress &&
            type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick &&
            type != QEvent::MouseMove && type != QEvent::Wheel)
            return false;
        if (!object->isWidgetType())
            return false;
        // Qt offers an ignored event again to each parent it propagates to:
        // look at it once, at the first receiver.
        auto* widget = static_cast<QWidget*>(object);
        // Keys typed into an open drop-down list or menu are the popup's own
        // (Qt may already have closed it while asking about shortcuts).
        if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
            widget->window()->windowType() == Qt::Popup)
            return false;
        auto* input = static_cast<QInputEvent*>(event);
        // A key that waited behind a flush of key input is dropped.
        if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
            IsKeyInputFlushed(static_cast<qint64>(input->timestamp())))
            return true;
        if (event == m_lastEvent && input->timestamp() == m_lastTimestamp && type == m_lastType &&
            m_lastReceiver && widget->isAncestorOf(m_lastReceiver))
            return false;
        m_lastEvent = event;
        m_lastTimestamp = input->timestamp();
        m_lastType = type;
        m_lastReceiver = widget;
        // Qt delivers the event to the widget after this filter: a window
        // destroyed by the handlers keeps its widgets until Qt is done.
        const WidgetEventScope scope;
        CWnd* target = WindowDispatch::FromWidget(static_cast<QWidget*>(object), true);
        MSG msg;
        if (!Translate(static_cast<QWidget*>(object), event, target, msg))
            return false;
        if (g_app ? g_app->PreTranslateMessage(&msg) : WalkPreTranslateTree(&msg))
            return true;
        // The frame's accelerators do not reach into modal dialogs.
        if (g_app && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
            !QApplication::activeModalWidget() && g_app->TranslateAccelerator(&msg))
            return true;
        return false;
    }

private:
    const QEvent* m_lastEvent = nullptr;
    quint64 m_lastTimestamp = 0;
    QEvent::Type m_lastType = QEvent::None;
    QPointer<QWidget> m_lastReceiver;

    static bool Translate(QWidget* widget, QEvent* event, CWnd* target, MSG& msg)
    {
        msg.hwnd = target ? target->GetSafeHwnd() : nullptr;
        msg.time = static_cast<DWORD>(static_cast<QInputEvent*>(event)->timestamp());
        const QPoint cursor = QCursor::pos();
        msg.pt = POINT{cursor.x(), cursor.y()};
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* k = static_cast<QKeyEvent*>(event);
            const bool down = event->type() == QEvent::KeyPress;
            msg.wParam = VirtualKeyFromQtKey(k->key());
            if (msg.wParam == 0)
                return false;
            NoteKeyTransition(static_cast<UINT>(msg.wParam), down);
            const bool alt = k->modifiers() & Qt::AltModifier;
            msg.message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
            msg.lParam = KeyMessageLParam(down, k->isAutoRepeat(), k->nativeScanCode());
            return true;
        }
        case QEvent::Wheel: {
            auto* w = static_cast<QWheelEvent*>(event);
            const QPoint g = w->globalPosition().toPoint();
            msg.message = WM_MOUSEWHEEL;
            // As the window gets it: a sideways turn (Alt + wheel) counts as the wheel's.
            const int delta = w->angleDelta().y() != 0 ? w->angleDelta().y() : w->angleDelta().x();
            msg.wParam = MAKEWPARAM(MouseKeyFlags(w->buttons(), w->modifiers()), delta);
            msg.lParam = MAKELPARAM(g.x(), g.y());
            return true;
        }
        default: {
            auto* m = static_cast<QMouseEvent*>(event);
            // Client coordinates of the target window.
            QPoint p = m->position().toPoint();
            if (target && target->GetWidget() && target->GetWidget() != widget)
                p = widget->mapTo(target->GetWidget(), p);
            const Qt::MouseButton b = m->button();
            switch (event->type()) {
            case QEvent::MouseMove:
                msg.message = WM_MOUSEMOVE;
                break;
            case QEvent::MouseButtonPress:
                msg.message = b == Qt::LeftButton ? WM_LBUTTONDOWN
                    : b == Qt::RightButton        ? WM_RBUTTONDOWN
                                                  : WM_MBUTTONDOWN;
                break;
            case QEvent::MouseButtonDblClick:
                msg.message = b == Qt::LeftButton ? WM_LBUTTONDBLCLK
                    : b == Qt::RightButton        ? WM_RBUTTONDBLCLK
                                                  : WM_MBUTTONDBLCLK;
                break;
            default:
                msg.message = b == Qt::LeftButton ? WM_LBUTTONUP
                    : b == Qt::RightButton        ? WM_RBUTTONUP
                                                  : WM_MBUTTONUP;
                break;
            }
            msg.wParam = MouseKeyFlags(m->buttons(), m->modifiers());
            msg.lParam = MAKELPARAM(p.x(), p.y());
            return true;
        }
        }
    }
};

}  // namespace

void EnsureInputFilter()
{
    static InputFilter* filter = nullptr;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new InputFilter;
    filter->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
    // The application's activation reaches every top-level window.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(
            gui, &QGuiApplication::applicationStateChanged, filter, [](Qt::ApplicationState state) {
                const WPARAM active = state == Qt::ApplicationActive ? TRUE : FALSE;
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (CWnd* w = WindowDispatch::FromWidget(top, false))
                        w->SendMessage(WM_ACTIVATEAPP, active, 0);
            });
}

BOOL WalkPreTranslateTree(MSG* msg)
{
    for (CWnd* w = CWnd::FromHandle(msg->hwnd); w;) {
        if (w->PreTranslateMessage(msg))
            return TRUE;
        w = w->GetParent();
    }
    return FALSE;
}

WORD MatchAccelerator(const std::vector<ACCEL>& table, UINT vk, bool shift, bool control, bool alt)
{
    for (const ACCEL& a : table) {
        if (!(a.fVirt & FVIRTKEY) || a.key != vk)
            continue;
        if (((a.fVirt & FSHIFT) != 0) == shift && ((a.fVirt & FCONTROL) != 0) == control &&
            ((a.fVirt & FALT) != 0) == alt)
            return a.cmd;
    }
    return 0;
}

CWinApp::CWinApp()
{
    g_app = this;
    EnsureInputFilter();
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    EnsureInputFilter();
    if (!InitInstance()) {
        ExitInstance();
        return 0;
    }
    // The session ending closes the main window as a user would, so the
    // program saves what it must before it quits.
    const SessionEndWatch sessionEnd([this] {
        if (m_pMainWnd && m_pMainWnd->GetSafeHwnd())
            m_pMainWnd->PostMessage(WM_CLOSE);
        else
            QCoreApplication::quit();
    });
    QApplication::exec();
    // Windows closed just before the end are deleted by posted calls.
    QCoreApplication::sendPostedEvents();
    return ExitInstance();
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    return WalkPreTranslateTree(msg);
}

BOOL CWinApp::TranslateAccelerator(const MSG* msg)
{
    if (!m_pMainWnd || !m_pMainWnd->GetSafeHwnd())
        return FALSE;
    // The frame's table applies to the frame and its bars, never to the
    // other top-level windows and the edit fields in them.
    CWnd* target = CWnd::FromHandle(msg->hwnd);
    QWidget* frame = m_pMainWnd->GetWidget();
    if (!target || !target->GetWidget() || !frame || target->GetWidget()->window() != frame)
        return FALSE;
    const Qt::KeyboardModifiers mods = QGuiApplication::keyboardModifiers();
    const WORD cmd = MatchAccelerator(m_accelerators, static_cast<UINT>(msg->wParam),
        mods & Qt::ShiftModifier, mods & Qt::ControlModifier, mods & Qt::AltModifier);
    if (cmd == 0)
        return FALSE;
    m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(cmd, 1), 0);
    return TRUE;
}

DWORD CWinApp::GetTickCount() const
{
    return ::GetTickCount();
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

bool SetProgramIcon(const std::vector<QString>& pngFiles)
{
    QIcon icon;
    for (const QString& file : pngFiles) {
        const QImage picture(file);
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    if (icon.isNull())
        return false;
    QGuiApplication::setWindowIcon(icon);
    return true;
}

void PrepareApplicationEnvironment()
{
    // The program works in device pixels and scales by its own DPI figures:
    // a scale factor from the environment would make window geometry
    // logical while the screen is measured in device pixels.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
    qputenv("QT_NO_GLIB", "1");
    KeepImageMemoryInProcess();
}

void KeepImageMemoryInProcess()
{
    // Screen-sized pictures (8 MB at 1920 x 1080) come and go with every
    // capture and image: served from the heap and kept there once freed, the
    // next one reuses pages already mapped instead of faulting fresh ones in.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
}

bool X11DisplayMissing()
{
    // Another platform plug-in (offscreen in tests) needs no display.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return false;
    return !DesktopIsAvailable();
}

int RunApplicationMain(int argc, char** argv, int (*run)())
{
    PrepareApplicationEnvironment();
    if (X11DisplayMissing()) {
        std::fprintf(stderr,
            "Kestrel needs an X11 display: DISPLAY (\"%s\") names no X server that can be reached.\n",
            qgetenv("DISPLAY").constData());
        return 2;
    }
    QApplication qtApp(argc, argv);
    return run();
}
