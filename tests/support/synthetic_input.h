// Mouse and key events sent straight to a widget, as the window system would
// deliver them (press and release, with a rising timestamp).
#pragma once

#include "platform/app/message_pump.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

// Input times follow a monotonic clock (as a window system's do), so a flush of
// queued mouse input drops only events made before it.
inline quint64 NextInputTimestamp()
{
    static quint64 last = 0;
    const quint64 now = static_cast<quint64>(GetTickCount64()) + 1000000000ull;
    last = std::max(now, last + 1);
    return last;
}

inline void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
    Qt::KeyboardModifiers mods, QPoint pos)
{
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, mods);
    e.setTimestamp(NextInputTimestamp());
    QApplication::sendEvent(w, &e);
}

inline void MouseClick(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton,
    Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    SendMouse(w, QEvent::MouseButtonPress, button, button, mods, pos);
    SendMouse(w, QEvent::MouseButtonRelease, button, Qt::NoButton, mods, pos);
}

// The key goes to the application's focus widget when w is null.
inline void KeyClick(
    QWidget* w, int key, const QString& text = QString(), Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget* target = w ? w : QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    press.setTimestamp(NextInputTimestamp());
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    release.setTimestamp(NextInputTimestamp());
    QApplication::sendEvent(target, &release);
}

inline void TypeText(QWidget* w, const QString& text)
{
    for (QChar c : text)
        KeyClick(w, c.isDigit() ? Qt::Key_0 + (c.unicode() - u'0') : Qt::Key_A, QString(c));
}
