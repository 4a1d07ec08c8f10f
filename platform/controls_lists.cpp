// Edits, combo boxes and list boxes.
#include "platform/control_widgets.h"
#include "platform/controls.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

constexpr int kDataRole = Qt::UserRole + 1;

QLineEdit* Line(QWidget* w)
{
    return qobject_cast<QLineEdit*>(w);
}

QComboBox* Combo(QWidget* w)
{
    return qobject_cast<QComboBox*>(w);
}

QListWidget* List(QWidget* w)
{
    return qobject_cast<QListWidget*>(w);
}

}  // namespace

// ---- edit ----

void CEdit::SetSel(int start, int end, BOOL)
{
    QLineEdit* e = Line(m_widget);
    if (!e)
        return;
    const int length = e->text().size();
    if (start == -1) {  // no selection
        e->deselect();
        return;
    }
    if (end == -1 || end > length)
        end = length;
    start = std::clamp(start, 0, length);
    e->setSelection(start, end - start);
}

void CEdit::GetSel(int& start, int& end) const
{
    QLineEdit* e = Line(m_widget);
    start = end = 0;
    if (!e)
        return;
    if (e->hasSelectedText()) {
        start = e->selectionStart();
        end = start + e->selectedText().size();
    } else {
        start = end = e->cursorPosition();
    }
}

void CEdit::ReplaceSel(const QString& text)
{
    if (QLineEdit* e = Line(m_widget))
        e->insert(text);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(m_widget))
        p->insertPlainText(text);
}

void CEdit::SetLimitText(UINT max)
{
    if (QLineEdit* e = Line(m_widget))
        e->setMaxLength(max == 0 ? 32767 : static_cast<int>(std::min<UINT>(max, 32767)));
}

UINT CEdit::GetLimitText() const
{
    QLineEdit* e = Line(m_widget);
    return e ? static_cast<UINT>(e->maxLength()) : 0;
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    if (QLineEdit* e = Line(m_widget))
        e->setReadOnly(readOnly);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(m_widget))
        p->setReadOnly(readOnly);
    return m_widget != nullptr;
}

LRESULT CEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case EM_SETSEL:
        SetSel(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case EM_LIMITTEXT:
        SetLimitText(static_cast<UINT>(wParam));
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

// ---- combo box ----

int CComboBox::AddString(const QString& text)
{
    QComboBox* c = Combo(m_widget);
    if (!c)
        return CB_ERR;
    const QSignalBlocker quiet(c);
    c->addItem(text);
    return c->count() - 1;
}

int CComboBox::InsertString(int index, const QString& text)
{
    QComboBox* c = Combo(m_widget);
    if (!c || index > c->count())
        return CB_ERR;
    const QSignalBlocker quiet(c);
    const int at = index < 0 ? c->count() : index;
    c->insertItem(at, text);
    return at;
}

int CComboBox::DeleteString(UINT index)
{
    QComboBox* c = Combo(m_widget);
    if (!c || static_cast<int>(index) >= c->count())
        return CB_ERR;
    const QSignalBlocker quiet(c);
    c->removeItem(static_cast<int>(index));
    return c->count();
}

void CComboBox::ResetContent()
{
    if (QComboBox* c = Combo(m_widget)) {
        const QSignalBlocker quiet(c);
        c->clear();
    }
}

int CComboBox::GetCount() const
{
    QComboBox* c = Combo(m_widget);
    return c ? c->count() : CB_ERR;
}

int CComboBox::GetCurSel() const
{
    QComboBox* c = Combo(m_widget);
    return c ? c->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    QComboBox* c = Combo(m_widget);
    if (!c)
        return CB_ERR;
    const QSignalBlocker quiet(c);
    if (index < 0 || index >= c->count()) {
        c->setCurrentIndex(-1);
        return CB_ERR;
    }
    c->setCurrentIndex(index);
    return index;
}

int CComboBox::GetLBText(int index, QString& text) const
{
    QComboBox* c = Combo(m_widget);
    if (!c || index < 0 || index >= c->count())
        return CB_ERR;
    text = c->itemText(index);
    return text.size();
}

int CComboBox::GetLBTextLen(int index) const
{
    QString text;
    return GetLBText(index, text);
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    QComboBox* c = Combo(m_widget);
    if (!c || index < 0 || index >= c->count())
        return CB_ERR;
    c->setItemData(index, QVariant::fromValue<qulonglong>(data), kDataRole);
    return 0;
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    QComboBox* c = Combo(m_widget);
    if (!c || index < 0 || index >= c->count())
        return static_cast<DWORD_PTR>(CB_ERR);
    return static_cast<DWORD_PTR>(c->itemData(index, kDataRole).toULongLong());
}

int CComboBox::FindStringExact(int startAfter, const QString& text) const
{
    QComboBox* c = Combo(m_widget);
    if (!c)
        return CB_ERR;
    const int n = c->count();
    for (int k = 1; k <= n; ++k) {  // searches from after startAfter, wrapping round
        const int i = ((startAfter < 0 ? -1 : startAfter) + k) % n;
        if (c->itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return CB_ERR;
}

int CComboBox::SelectString(int startAfter, const QString& text)
{
    QComboBox* c = Combo(m_widget);
    if (!c)
        return CB_ERR;
    const int n = c->count();
    for (int k = 1; k <= n; ++k) {
        const int i = ((startAfter < 0 ? -1 : startAfter) + k) % n;
        if (c->itemText(i).startsWith(text, Qt::CaseInsensitive))
            return SetCurSel(i);
    }
    return CB_ERR;
}

int CComboBox::SetDroppedWidth(UINT width)
{
    QComboBox* c = Combo(m_widget);
    if (!c)
        return CB_ERR;
    c->view()->setMinimumWidth(static_cast<int>(width));
    return static_cast<int>(width);
}

int CComboBox::GetDroppedWidth() const
{
    QComboBox* c = Combo(m_widget);
    return c ? std::max(c->width(), c->view()->minimumWidth()) : CB_ERR;
}

int CComboBox::SetItemHeight(int, UINT height)
{
    QComboBox* c = Combo(m_widget);
    if (!c)
        return CB_ERR;
    if (auto* v = qobject_cast<QAbstractItemView*>(c->view()))
        v->setStyleSheet(QStringLiteral("QAbstractItemView::item { height: %1px; }").arg(height));
    return 0;
}

int CComboBox::GetItemHeight(int index) const
{
    QComboBox* c = Combo(m_widget);
    if (!c)
        return CB_ERR;
    if (index < 0)
        return c->height();  // the selection field
    return c->view()->sizeHintForRow(0) > 0 ? c->view()->sizeHintForRow(0) : c->fontMetrics().height() + 2;
}

void CComboBox::SetMinVisibleItems(int count)
{
    if (QComboBox* c = Combo(m_widget))
        c->setMaxVisibleItems(std::max(1, count));
}

void CComboBox::ShowDropDown(BOOL show)
{
    if (QComboBox* c = Combo(m_widget)) {
        if (show)
            c->showPopup();
        else
            c->hidePopup();
    }
}

BOOL CComboBox::GetDroppedState() const
{
    auto* c = dynamic_cast<NotifyingComboBox*>(m_widget);
    return c && c->popupShown;
}

BOOL CComboBox::LimitText(int max)
{
    QComboBox* c = Combo(m_widget);
    if (!c || !c->lineEdit())
        return FALSE;
    c->lineEdit()->setMaxLength(max <= 0 ? 32767 : max);
    return TRUE;
}

LRESULT CComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case CB_GETCURSEL:
        return GetCurSel();
    case CB_SETCURSEL:
        return SetCurSel(static_cast<int>(wParam));
    case CB_GETCOUNT:
        return GetCount();
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

// ---- list box ----

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
