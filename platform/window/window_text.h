// The text of any widget the window layer uses: a window's title, a
// button's or label's text, an edit's or combo box's contents.
#pragma once

#include <QString>

class QWidget;

void SetWidgetText(QWidget* widget, const QString& text);
QString WidgetText(const QWidget* widget);
