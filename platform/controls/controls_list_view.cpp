// List views.
#include "platform/controls/list_ctrl.h"
#include "platform/controls/list_view_widget.h"

#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

constexpr int kImageRole = Qt::UserRole + 2;

ListViewWidget* View(QWidget* w)
{
    return dynamic_cast<ListViewWidget*>(w);
}

QIcon IconOf(const CImageList* list, int image)
{
    const QImage picture = list ? list->GetImage(image) : QImage();
    return picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture));
}

}  // namespace

CImageList* CListCtrl::SetImageList(CImageList* list, int which)
{
    CImageList*& slot = which == LVSIL_SMALL ? m_smallImages : m_normalImages;
    CImageList* previous = slot;
    slot = list;
    RefreshIcons();
    return previous;
}

CImageList* CListCtrl::GetImageList(int which) const
{
    return which == LVSIL_SMALL ? m_smallImages : m_normalImages;
}

void CListCtrl::RefreshIcons()
{
    ListViewWidget* v = View(m_widget);
    if (!v)
        return;
    for (int i = 0; i < v->count(); ++i)
        v->item(i)->setIcon(IconOf(m_smallImages, v->item(i)->data(kImageRole).toInt()));
}

int CListCtrl::InsertItem(int index, const QString& text, int image)
{
    ListViewWidget* v = View(m_widget);
    if (!v || index < 0)
        return -1;
    const int at = std::min(index, v->count());
    auto* item = new QListWidgetItem(IconOf(m_smallImages, image), text);
    item->setData(kImageRole, image);
    v->SizeRow(item);
    const QSignalBlocker quiet(v);
    v->insertItem(at, item);
    return at;
}

BOOL CListCtrl::DeleteAllItems()
{
    ListViewWidget* v = View(m_widget);
    if (!v)
        return FALSE;
    const QSignalBlocker quiet(v);
    v->clear();
    return TRUE;
}

int CListCtrl::GetItemCount() const
{
    ListViewWidget* v = View(m_widget);
    return v ? v->count() : 0;
}

QString CListCtrl::GetItemText(int item, int) const
{
    ListViewWidget* v = View(m_widget);
    return v && item >= 0 && item < v->count() ? v->item(item)->text() : QString();
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    ListViewWidget* v = View(m_widget);
    if (!v || item < 0 || item >= v->count())
        return FALSE;
    const QSignalBlocker quiet(v);
    if (mask & LVIS_SELECTED)
        v->item(item)->setSelected((state & LVIS_SELECTED) != 0);
    if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED))
        v->setCurrentRow(item, QItemSelectionModel::NoUpdate);
    return TRUE;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const
{
    ListViewWidget* v = View(m_widget);
    if (!v || item < 0 || item >= v->count())
        return 0;
    UINT state = 0;
    if (v->item(item)->isSelected())
        state |= LVIS_SELECTED;
    if (v->currentRow() == item)
        state |= LVIS_FOCUSED;
    return state & mask;
}

BOOL CListCtrl::GetItemSpacing(BOOL, int* horizontal, int* vertical) const
{
    ListViewWidget* v = View(m_widget);
    if (!v)
        return FALSE;
    if (horizontal)
        *horizontal = std::max(1, v->viewport()->width());
    if (vertical)
        *vertical = v->RowHeight();
    return TRUE;
}

CSize CListCtrl::ApproximateViewRect(CSize proposed, int count) const
{
    ListViewWidget* v = View(m_widget);
    if (!v)
        return CSize(0, 0);
    const int rows = count < 0 ? v->count() : count;
    const int width = proposed.cx >= 0 ? proposed.cx : v->viewport()->width();
    return CSize(width, rows * v->RowHeight());
}

LRESULT CListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LVM_GETITEMCOUNT:
        return GetItemCount();
    case LVM_DELETEALLITEMS:
        return DeleteAllItems();
    case LVM_GETITEMSPACING: {
        int horizontal = 0;
        int vertical = 0;
        GetItemSpacing(static_cast<BOOL>(wParam), &horizontal, &vertical);
        return MAKELPARAM(horizontal, vertical);
    }
    case LVM_APPROXIMATEVIEWRECT: {
        const auto packed = static_cast<std::uintptr_t>(lParam);
        const CSize proposed(static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed)));
        const CSize size =
            ApproximateViewRect(proposed, static_cast<int>(static_cast<std::intptr_t>(wParam)));
        return MAKELPARAM(size.cx, size.cy);
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}
