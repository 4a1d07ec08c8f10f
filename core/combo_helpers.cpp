#include "core/combo_helpers.h"

#include "platform/controls.h"
#include "platform/messages.h"
#include "platform/window.h"

#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace {

QFontMetrics MetricsOf(const CComboBox* combo)
{
    const QWidget* widget = combo->GetWidget();
    return QFontMetrics(widget ? widget->font() : QFont());
}

// Qt's drop-down lists are not sized by moving the box, as a classic combo
// box is: the list shows as many rows as it is told to.
int ShowAllItems(CComboBox* combo, int lineHeight)
{
    const int count = combo->GetCount();
    combo->SetMinVisibleItems(count);
    return ComboDropHeight(count, lineHeight);
}

}  // namespace

void SetCheck(int value, CWnd* button)
{
    if (button)
        button->SendMessage(BM_SETCHECK, value == 1 ? 1 : 0, 0);
}

int ComboDropHeight(int count, int lineHeight)
{
    return std::max(count, 0) * lineHeight + 2;
}

int FitComboDropHeight(CWnd* /*parent*/, CComboBox* combo, const QString& text)
{
    if (!combo || !combo->GetWidget())
        return 0;
    const QString sample = text.isEmpty() ? QStringLiteral("A") : text;
    return ShowAllItems(combo, MetricsOf(combo).size(Qt::TextSingleLine, sample).height());
}

int FitComboDropSize(CWnd* /*parent*/, CComboBox* combo)
{
    if (!combo || !combo->GetWidget())
        return 0;
    const int count = combo->GetCount();
    if (count <= 0)
        return 0;
    const QFontMetrics metrics = MetricsOf(combo);
    RECT client;
    combo->GetClientRect(&client);
    int width = client.right - client.left;
    int lineHeight = 0;
    for (int i = 0; i < count; ++i) {
        QString item;
        combo->GetLBText(i, item);
        width = std::max(width, metrics.horizontalAdvance(item));
        lineHeight = std::max(lineHeight, metrics.size(Qt::TextSingleLine, item).height());
    }
    combo->SetDroppedWidth(static_cast<UINT>(width));
    ShowAllItems(combo, lineHeight);
    return width;
}
