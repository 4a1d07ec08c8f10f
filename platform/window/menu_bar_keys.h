// The keys that reach a frame's menu bar without a mnemonic: Alt pressed and
// released on its own, or F10, selects the bar (its first menu highlighted,
// Left and Right move, Enter or Down opens, Esc leaves), and the same key
// again leaves it. Alt that serves as a modifier (another key or a mouse
// button while it is down) does not select the bar. Only keys typed into the
// bar's own window count.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

class MenuBarKeys : public QObject {
public:
    // Watches the application's input while the bar lives (the watch is the bar's child).
    static void Attach(QMenuBar* bar);

    bool eventFilter(QObject* object, QEvent* event) override;

private:
    explicit MenuBarKeys(QMenuBar* bar);
    bool IsInBarWindow(QObject* object) const;
    bool IsSeenBefore(const QEvent* event);
    void ToggleSelection();

    // As a widget: the filter still sees events while the bar is being destroyed.
    QPointer<QWidget> m_bar;
    bool m_altAlone = false;
    const QEvent* m_lastEvent = nullptr;
    quint64 m_lastTimestamp = 0;
    QEvent::Type m_lastType = QEvent::None;
};
