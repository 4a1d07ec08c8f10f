#include "platform/window/window_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void SetWidgetText(QWidget* widget, const QString& text)
{
    if (auto* b = qobject_cast<QAbstractButton*>(widget))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(widget))
        l->setText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(widget))
        e->setText(text);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(widget))
        p->setPlainText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(widget))
        g->setTitle(text);
    else if (auto* c = qobject_cast<QComboBox*>(widget)) {
        if (c->isEditable())
            c->setEditText(text);
    } else
        widget->setWindowTitle(text);
}

QString WidgetText(const QWidget* widget)
{
    if (auto* b = qobject_cast<const QAbstractButton*>(widget))
        return b->text();
    if (auto* l = qobject_cast<const QLabel*>(widget))
        return l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(widget))
        return e->text();
    if (auto* p = qobject_cast<const QPlainTextEdit*>(widget))
        return p->toPlainText();
    if (auto* g = qobject_cast<const QGroupBox*>(widget))
        return g->title();
    if (auto* c = qobject_cast<const QComboBox*>(widget))
        return c->currentText();
    return widget->windowTitle();
}
