#include "platform/window/menu_bar_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProxyStyle>

#include <utility>

namespace {

// The bar's keyboard selection (highlight, arrows, Enter, Esc) is Qt's own,
// offered only by styles that say the menu bar is reached by keys.
class KeyNavigationStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

bool IsAltKey(int key)
{
    return key == Qt::Key_Alt;
}

Qt::KeyboardModifiers Held(const QKeyEvent* k)
{
    return k->modifiers() & ~Qt::KeypadModifier;
}

}  // namespace

void MenuBarKeys::Attach(QMenuBar* bar)
{
    auto* style = new KeyNavigationStyle;
    style->setParent(bar);
    bar->setStyle(style);
    qApp->installEventFilter(new MenuBarKeys(bar));
}

MenuBarKeys::MenuBarKeys(QMenuBar* bar) : QObject(bar), m_bar(bar)
{
}

bool MenuBarKeys::IsInBarWindow(QObject* object) const
{
    return static_cast<QWidget*>(object)->window() == m_bar->window();
}

void MenuBarKeys::ToggleSelection()
{
    // Qt's bar selects itself when it sees a lone Alt go by its window (the
    // shortcut check of the press, then the release), and leaves on the next.
    // Those two are handed to it directly, whatever the key was.
    QObject* bar = m_bar.data();
    QWidget* window = m_bar->window();
    // (A key event of Alt itself reports the Alt modifier flipped: the state
    // before the press, as the window system gives it, is without Alt.)
    QKeyEvent check(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    bar->eventFilter(window, &check);
    bar->eventFilter(window, &release);
}

bool MenuBarKeys::IsSeenBefore(const QEvent* event)
{
    // Qt offers a key event to the window's handle first and an ignored one
    // again to each parent widget: each press or release counts once.
    const auto* input = static_cast<const QInputEvent*>(event);
    if (event == m_lastEvent && input->timestamp() == m_lastTimestamp && event->type() == m_lastType)
        return true;
    m_lastEvent = event;
    m_lastTimestamp = input->timestamp();
    m_lastType = event->type();
    return false;
}

bool MenuBarKeys::eventFilter(QObject* object, QEvent* event)
{
    if (!m_bar || !object->isWidgetType())
        return false;
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && IsSeenBefore(event))
        return false;
    switch (type) {
    case QEvent::ShortcutOverride: {
        // The bar's own watch for a lone Alt would select it a second time.
        const auto* k = static_cast<QKeyEvent*>(event);
        return IsAltKey(k->key()) && IsInBarWindow(object);
    }
    case QEvent::KeyPress: {
        const auto* k = static_cast<QKeyEvent*>(event);
        const bool inBarWindow = IsInBarWindow(object);
        if (IsAltKey(k->key())) {
            m_altAlone = inBarWindow && (Held(k) & ~Qt::AltModifier) == Qt::NoModifier;
            return false;
        }
        m_altAlone = false;
        if (k->key() == Qt::Key_F10 && Held(k) == Qt::NoModifier && inBarWindow && m_bar->isVisible()) {
            ToggleSelection();
            return true;
        }
        return false;
    }
    case QEvent::KeyRelease: {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (!IsAltKey(k->key()) || k->isAutoRepeat())
            return false;
        // The release goes on to the window too: the key's state must see Alt up.
        if (std::exchange(m_altAlone, false) && IsInBarWindow(object) && m_bar->isVisible())
            ToggleSelection();
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::WindowDeactivate:
        m_altAlone = false;
        return false;
    default:
        return false;
    }
}
