#include "core/combo_helpers.h"

#include "platform/controls/controls.h"
#include "platform/types/messages.h"
#include "platform/window/window.h"

#include <algorithm>

namespace {

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
    return ShowAllItems(combo, combo->GetItemTextExtent(sample).cy);
}

int FitComboDropSize(CWnd* /*parent*/, CComboBox* combo)
{
    if (!combo || !combo->GetWidget())
        return 0;
    const int count = combo->GetCount();
    if (count <= 0)
        return 0;
    RECT client;
    combo->GetClientRect(&client);
    int width = client.right - client.left;
    int lineHeight = 0;
    for (int i = 0; i < count; ++i) {
        QString item;
        combo->GetLBText(i, item);
        const CSize extent = combo->GetItemTextExtent(item);
        width = std::max(width, static_cast<int>(extent.cx));
        lineHeight = std::max(lineHeight, static_cast<int>(extent.cy));
    }
    combo->SetDroppedWidth(static_cast<UINT>(width));
    ShowAllItems(combo, lineHeight);
    return width;
}
