// Combo boxes, editable and drop-down lists.
#include "platform/controls/control_widgets.h"
#include "platform/controls/controls.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr int kDataRole = Qt::UserRole + 1;

QComboBox* Combo(QWidget* w)
{
    return qobject_cast<QComboBox*>(w);
}

}  // namespace

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

CSize CComboBox::GetItemTextExtent(const QString& text) const
{
    const QFontMetrics metrics(m_widget ? m_widget->font() : QFont());
    const QSize size = metrics.size(Qt::TextSingleLine, text);
    return CSize(metrics.horizontalAdvance(text), size.height());
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

void CComboBox::OnKillFocus(CWnd*)
{
    if (m_widget)
        NotifyCommand(m_widget, CBN_KILLFOCUS);
}
