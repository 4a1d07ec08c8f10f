// Tree views.
#include "platform/controls/tree_ctrl.h"
#include "platform/controls/tree_view_widget.h"

#include <QPainter>
#include <QSignalBlocker>

namespace {

TreeViewWidget* View(QWidget* w)
{
    return dynamic_cast<TreeViewWidget*>(w);
}

QTreeWidgetItem* Item(HTREEITEM handle)
{
    return reinterpret_cast<QTreeWidgetItem*>(handle);
}

HTREEITEM Handle(QTreeWidgetItem* item)
{
    return reinterpret_cast<HTREEITEM>(item);
}

bool IsPlace(HTREEITEM handle)
{
    return handle == TVI_ROOT || handle == TVI_FIRST || handle == TVI_LAST;
}

// A real item of the view, or null (null handles, places, foreign items).
QTreeWidgetItem* ItemOf(const TreeViewWidget* v, HTREEITEM handle)
{
    if (!v || !handle || IsPlace(handle))
        return nullptr;
    QTreeWidgetItem* item = Item(handle);
    return v->live.contains(item) ? item : nullptr;
}

QTreeWidgetItem* NextSibling(QTreeWidgetItem* item)
{
    QTreeWidgetItem* parent = item->parent();
    QTreeWidget* tree = item->treeWidget();
    const int at = parent ? parent->indexOfChild(item) : tree->indexOfTopLevelItem(item);
    if (parent)
        return parent->child(at + 1);
    return tree->topLevelItem(at + 1);
}

QTreeWidgetItem* PrevSibling(QTreeWidgetItem* item)
{
    QTreeWidgetItem* parent = item->parent();
    QTreeWidget* tree = item->treeWidget();
    const int at = parent ? parent->indexOfChild(item) : tree->indexOfTopLevelItem(item);
    if (at <= 0)
        return nullptr;
    return parent ? parent->child(at - 1) : tree->topLevelItem(at - 1);
}

}  // namespace

CImageList* CTreeCtrl::SetImageList(CImageList* list, int)
{
    TreeViewWidget* v = View(m_widget);
    if (!v)
        return nullptr;
    CImageList* previous = v->images;
    v->images = list;
    v->viewport()->update();
    return previous;
}

CImageList* CTreeCtrl::GetImageList(int) const
{
    TreeViewWidget* v = View(m_widget);
    return v ? v->images : nullptr;
}

HTREEITEM CTreeCtrl::InsertItem(
    const QString& text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after)
{
    TreeViewWidget* v = View(m_widget);
    if (!v)
        return nullptr;
    QTreeWidgetItem* parentItem = nullptr;
    if (parent && parent != TVI_ROOT) {
        parentItem = ItemOf(v, parent);
        if (!parentItem)
            return nullptr;
    }
    const int count = parentItem ? parentItem->childCount() : v->topLevelItemCount();
    int at = count;
    if (after == TVI_FIRST) {
        at = 0;
    } else if (QTreeWidgetItem* previous = ItemOf(v, after); previous && previous->parent() == parentItem) {
        at = (parentItem ? parentItem->indexOfChild(previous) : v->indexOfTopLevelItem(previous)) + 1;
    }
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, TreeViewWidget::kImageRole, image);
    item->setData(0, TreeViewWidget::kSelectedImageRole, selectedImage);
    v->live.insert(item);
    const QSignalBlocker quiet(v);
    if (parentItem)
        parentItem->insertChild(at, item);
    else
        v->insertTopLevelItem(at, item);
    return Handle(item);
}

HTREEITEM CTreeCtrl::InsertItem(const QString& text, HTREEITEM parent, HTREEITEM after)
{
    return InsertItem(text, 0, 0, parent, after);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM handle)
{
    TreeViewWidget* v = View(m_widget);
    if (handle == TVI_ROOT)
        return DeleteAllItems();
    QTreeWidgetItem* item = ItemOf(v, handle);
    if (!item)
        return FALSE;
    bool caretGoes = false;
    for (QTreeWidgetItem* up = v->currentItem(); up && !caretGoes; up = up->parent())
        caretGoes = up == item;
    v->ForgetBeforeDelete(item);
    const QSignalBlocker quiet(v);
    delete item;
    if (caretGoes) {
        v->setCurrentItem(nullptr);
        v->clearSelection();
    }
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems()
{
    TreeViewWidget* v = View(m_widget);
    if (!v)
        return FALSE;
    for (int i = 0; i < v->topLevelItemCount(); ++i)
        v->ForgetBeforeDelete(v->topLevelItem(i));
    const QSignalBlocker quiet(v);
    v->clear();
    return TRUE;
}

UINT CTreeCtrl::GetCount() const
{
    TreeViewWidget* v = View(m_widget);
    if (!v)
        return 0;
    UINT count = 0;
    for (QTreeWidgetItemIterator it(v); *it; ++it)
        ++count;
    return count;
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    TreeViewWidget* v = View(m_widget);
    return v ? Handle(v->topLevelItem(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM handle) const
{
    TreeViewWidget* v = View(m_widget);
    if (handle == TVI_ROOT || handle == nullptr)
        return GetRootItem();
    QTreeWidgetItem* item = ItemOf(v, handle);
    return item ? Handle(item->child(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM handle) const
{
    QTreeWidgetItem* item = ItemOf(View(m_widget), handle);
    return item ? Handle(NextSibling(item)) : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM handle) const
{
    QTreeWidgetItem* item = ItemOf(View(m_widget), handle);
    return item ? Handle(PrevSibling(item)) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM handle) const
{
    QTreeWidgetItem* item = ItemOf(View(m_widget), handle);
    return item ? Handle(item->parent()) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const
{
    switch (code) {
    case TVGN_ROOT:
        return GetRootItem();
    case TVGN_NEXT:
        return GetNextSiblingItem(item);
    case TVGN_PREVIOUS:
        return GetPrevSiblingItem(item);
    case TVGN_PARENT:
        return GetParentItem(item);
    case TVGN_CHILD:
        return GetChildItem(item);
    case TVGN_DROPHILITE:
        return GetDropHilightItem();
    case TVGN_CARET:
        return GetSelectedItem();
    default:
        return nullptr;
    }
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM handle) const
{
    QTreeWidgetItem* item = ItemOf(View(m_widget), handle);
    return item && item->childCount() > 0;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    TreeViewWidget* v = View(m_widget);
    return v ? Handle(v->currentItem()) : nullptr;
}

HTREEITEM CTreeCtrl::GetDropHilightItem() const
{
    TreeViewWidget* v = View(m_widget);
    return v ? Handle(v->dropTarget) : nullptr;
}

QString CTreeCtrl::GetItemText(HTREEITEM handle) const
{
    QTreeWidgetItem* item = ItemOf(View(m_widget), handle);
    return item ? item->text(0) : QString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM handle, const QString& text)
{
    QTreeWidgetItem* item = ItemOf(View(m_widget), handle);
    if (!item)
        return FALSE;
    item->setText(0, text);
    return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM handle, int& image, int& selectedImage) const
{
    QTreeWidgetItem* item = ItemOf(View(m_widget), handle);
    if (!item)
        return FALSE;
    image = item->data(0, TreeViewWidget::kImageRole).toInt();
    selectedImage = item->data(0, TreeViewWidget::kSelectedImageRole).toInt();
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM handle, int image, int selectedImage)
{
    QTreeWidgetItem* item = ItemOf(View(m_widget), handle);
    if (!item)
        return FALSE;
    item->setData(0, TreeViewWidget::kImageRole, image);
    item->setData(0, TreeViewWidget::kSelectedImageRole, selectedImage);
    return TRUE;
}

UINT CTreeCtrl::GetItemState(HTREEITEM handle, UINT mask) const
{
    TreeViewWidget* v = View(m_widget);
    QTreeWidgetItem* item = ItemOf(v, handle);
    if (!item)
        return 0;
    UINT state = 0;
    if (item == v->currentItem())
        state |= TVIS_SELECTED;
    if (item == v->dropTarget)
        state |= TVIS_DROPHILITED;
    if (item->isExpanded())
        state |= TVIS_EXPANDED;
    return state & mask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM handle, UINT state, UINT mask)
{
    TreeViewWidget* v = View(m_widget);
    QTreeWidgetItem* item = ItemOf(v, handle);
    if (!item)
        return FALSE;
    if (mask & TVIS_DROPHILITED) {
        if (state & TVIS_DROPHILITED)
            SelectDropTarget(handle);
        else if (v->dropTarget == item)
            SelectDropTarget(nullptr);
    }
    if (mask & TVIS_EXPANDED)
        Expand(handle, (state & TVIS_EXPANDED) ? TVE_EXPAND : TVE_COLLAPSE);
    if ((mask & TVIS_SELECTED) && (state & TVIS_SELECTED))
        SelectItem(handle);
    return TRUE;
}

BOOL CTreeCtrl::Expand(HTREEITEM handle, UINT code)
{
    QTreeWidgetItem* item = ItemOf(View(m_widget), handle);
    if (!item)
        return FALSE;
    switch (code & TVE_TOGGLE) {
    case TVE_EXPAND:
        item->setExpanded(true);
        return TRUE;
    case TVE_COLLAPSE:
        item->setExpanded(false);
        return TRUE;
    case TVE_TOGGLE:
        item->setExpanded(!item->isExpanded());
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CTreeCtrl::SelectItem(HTREEITEM handle)
{
    TreeViewWidget* v = View(m_widget);
    if (!v)
        return FALSE;
    QTreeWidgetItem* item = ItemOf(v, handle);
    if (handle && !item)
        return FALSE;
    v->SetCaret(item);
    return TRUE;
}

BOOL CTreeCtrl::Select(HTREEITEM item, UINT code)
{
    if (code == TVGN_CARET)
        return SelectItem(item);
    if (code == TVGN_DROPHILITE)
        return SelectDropTarget(item);
    return FALSE;
}

BOOL CTreeCtrl::SelectDropTarget(HTREEITEM handle)
{
    TreeViewWidget* v = View(m_widget);
    if (!v)
        return FALSE;
    QTreeWidgetItem* item = ItemOf(v, handle);
    if (handle && !item)
        return FALSE;
    const QSignalBlocker quiet(v);
    if (v->dropTarget)
        v->dropTarget->setData(0, TreeViewWidget::kDropRole, QVariant());
    v->dropTarget = item;
    if (item)
        item->setData(0, TreeViewWidget::kDropRole, true);
    v->viewport()->update();
    return TRUE;
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM handle)
{
    TreeViewWidget* v = View(m_widget);
    QTreeWidgetItem* item = ItemOf(v, handle);
    if (!item)
        return FALSE;
    v->scrollToItem(item);
    return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const
{
    TreeViewWidget* v = View(m_widget);
    UINT where = TVHT_NOWHERE;
    QTreeWidgetItem* item = nullptr;
    if (v) {
        const QRect area = v->viewport()->rect();
        if (point.y < 0)
            where = TVHT_ABOVE;
        else if (point.y >= area.height())
            where = TVHT_BELOW;
        else if (point.x < 0)
            where = TVHT_TOLEFT;
        else if (point.x >= area.width())
            where = TVHT_TORIGHT;
        else if ((item = v->itemAt(QPoint(point.x, point.y)))) {
            const QRect row = v->visualItemRect(item);
            const int iconRight = row.left() + v->iconSize().width() + 4;
            const int textRight = iconRight + v->fontMetrics().horizontalAdvance(item->text(0)) + 4;
            if (point.x < row.left())
                where = TVHT_ONITEMINDENT;
            else if (point.x < iconRight)
                where = TVHT_ONITEMICON;
            else if (point.x < textRight)
                where = TVHT_ONITEMLABEL;
            else
                where = TVHT_ONITEMRIGHT;
        }
    }
    if (flags)
        *flags = where;
    return Handle(item);
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM handle, RECT* rect, BOOL textOnly) const
{
    TreeViewWidget* v = View(m_widget);
    QTreeWidgetItem* item = ItemOf(v, handle);
    if (!item || !rect)
        return FALSE;
    for (QTreeWidgetItem* up = item->parent(); up; up = up->parent())
        if (!up->isExpanded())
            return FALSE;
    QRect row = v->visualItemRect(item);
    if (!textOnly)
        row = QRect(0, row.top(), v->viewport()->width(), row.height());
    else
        row.setWidth(v->iconSize().width() + 8 + v->fontMetrics().horizontalAdvance(item->text(0)));
    *rect = RECT{row.left(), row.top(), row.right() + 1, row.bottom() + 1};
    return TRUE;
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM handle)
{
    TreeViewWidget* v = View(m_widget);
    QTreeWidgetItem* item = ItemOf(v, handle);
    if (!item)
        return nullptr;
    const int icon = v->iconSize().width();
    const QString text = item->text(0);
    const int width = icon + 4 + v->fontMetrics().horizontalAdvance(text) + 2;
    const int height = std::max(icon, v->fontMetrics().height());
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        const int slot = item->data(0, TreeViewWidget::kImageRole).toInt();
        const QImage image = v->images ? v->images->GetImage(slot) : QImage();
        if (!image.isNull())
            painter.drawImage(QRect(0, (height - icon) / 2, icon, icon), image);
        painter.setFont(v->font());
        painter.setPen(v->palette().color(QPalette::Text));
        painter.drawText(
            QRect(icon + 4, 0, width - icon - 4, height), Qt::AlignVCenter | Qt::AlignLeft, text);
    }
    auto* list = new CImageList;
    list->Create(width, height, ILC_COLOR32 | ILC_MASK, 1, 0);
    list->Add(picture);
    return list;
}
