// List boxes.
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"

#include <QAbstractItemView>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

constexpr int kDataRole = Qt::UserRole + 1;

QListWidget* List(QWidget* w)
{
    return qobject_cast<QListWidget*>(w);
}

}  // namespace

int CListBox::AddString(const QString& text)
{
    QListWidget* l = List(m_widget);
    if (!l)
        return LB_ERR;
    const QSignalBlocker quiet(l);
    l->addItem(text);
    return l->count() - 1;
}

int CListBox::InsertString(int index, const QString& text)
{
    QListWidget* l = List(m_widget);
    if (!l || index > l->count())
        return LB_ERR;
    const QSignalBlocker quiet(l);
    const int at = index < 0 ? l->count() : index;
    l->insertItem(at, text);
    return at;
}

int CListBox::DeleteString(UINT index)
{
    QListWidget* l = List(m_widget);
    if (!l || static_cast<int>(index) >= l->count())
        return LB_ERR;
    const QSignalBlocker quiet(l);
    delete l->takeItem(static_cast<int>(index));
    return l->count();
}

void CListBox::ResetContent()
{
    if (QListWidget* l = List(m_widget)) {
        const QSignalBlocker quiet(l);
        l->clear();
    }
}

int CListBox::GetCount() const
{
    QListWidget* l = List(m_widget);
    return l ? l->count() : LB_ERR;
}

int CListBox::GetCurSel() const
{
    QListWidget* l = List(m_widget);
    if (!l || l->currentRow() < 0 || !l->currentItem()->isSelected())
        return LB_ERR;
    return l->currentRow();
}

int CListBox::SetCurSel(int index)
{
    QListWidget* l = List(m_widget);
    if (!l)
        return LB_ERR;
    const QSignalBlocker quiet(l);
    if (index < 0 || index >= l->count()) {
        l->clearSelection();
        l->setCurrentRow(-1);
        return index == -1 ? 0 : LB_ERR;
    }
    l->setCurrentRow(index);
    return index;
}

int CListBox::GetText(int index, QString& text) const
{
    QListWidget* l = List(m_widget);
    if (!l || index < 0 || index >= l->count())
        return LB_ERR;
    text = l->item(index)->text();
    return text.size();
}

int CListBox::SetItemData(int index, DWORD_PTR data)
{
    QListWidget* l = List(m_widget);
    if (!l || index < 0 || index >= l->count())
        return LB_ERR;
    l->item(index)->setData(kDataRole, QVariant::fromValue<qulonglong>(data));
    return 0;
}

DWORD_PTR CListBox::GetItemData(int index) const
{
    QListWidget* l = List(m_widget);
    if (!l || index < 0 || index >= l->count())
        return static_cast<DWORD_PTR>(LB_ERR);
    return static_cast<DWORD_PTR>(l->item(index)->data(kDataRole).toULongLong());
}

int CListBox::GetSel(int index) const
{
    QListWidget* l = List(m_widget);
    if (!l || index < 0 || index >= l->count())
        return LB_ERR;
    return l->item(index)->isSelected() ? 1 : 0;
}

int CListBox::SetSel(int index, BOOL select)
{
    QListWidget* l = List(m_widget);
    if (!l)
        return LB_ERR;
    const QSignalBlocker quiet(l);
    if (index == -1) {
        for (int i = 0; i < l->count(); ++i)
            l->item(i)->setSelected(select);
        return 0;
    }
    if (index < 0 || index >= l->count())
        return LB_ERR;
    l->item(index)->setSelected(select);
    return 0;
}

int CListBox::GetSelCount() const
{
    QListWidget* l = List(m_widget);
    return l ? static_cast<int>(l->selectedItems().size()) : LB_ERR;
}

int CListBox::GetTopIndex() const
{
    QListWidget* l = List(m_widget);
    if (!l)
        return LB_ERR;
    QListWidgetItem* top = l->itemAt(0, 0);
    return top ? l->row(top) : 0;
}

int CListBox::SetTopIndex(int index)
{
    QListWidget* l = List(m_widget);
    if (!l || index < 0 || index >= l->count())
        return LB_ERR;
    l->scrollToItem(l->item(index), QAbstractItemView::PositionAtTop);
    return 0;
}

int CListBox::FindStringExact(int startAfter, const QString& text) const
{
    QListWidget* l = List(m_widget);
    if (!l)
        return LB_ERR;
    const int n = l->count();
    for (int k = 1; k <= n; ++k) {
        const int i = ((startAfter < 0 ? -1 : startAfter) + k) % n;
        if (l->item(i)->text().compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return LB_ERR;
}

LRESULT CListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LB_GETCURSEL:
        return GetCurSel();
    case LB_SETCURSEL:
        return SetCurSel(static_cast<int>(wParam));
    case LB_GETCOUNT:
        return GetCount();
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}
