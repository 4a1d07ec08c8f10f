#include "platform/controls/tree_view_widget.h"

#include "platform/controls/control_widgets.h"
#include "platform/controls/image_list.h"
#include "platform/controls/tree_ctrl.h"
#include "platform/window/input_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

constexpr int kSmallIcon = 16;

HTREEITEM Handle(QTreeWidgetItem* item)
{
    return reinterpret_cast<HTREEITEM>(item);
}

TVITEM Describe(QTreeWidgetItem* item)
{
    TVITEM record;
    record.hItem = Handle(item);
    if (item) {
        record.iImage = item->data(0, TreeViewWidget::kImageRole).toInt();
        record.iSelectedImage = item->data(0, TreeViewWidget::kSelectedImageRole).toInt();
    }
    return record;
}

// Takes each item's picture from the image list as it is painted.
class SlotImageDelegate : public QStyledItemDelegate {
public:
    explicit SlotImageDelegate(TreeViewWidget* tree) : QStyledItemDelegate(tree), m_tree(tree) { }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const bool selected = option->state & QStyle::State_Selected;
        const int slot =
            index.data(selected ? TreeViewWidget::kSelectedImageRole : TreeViewWidget::kImageRole).toInt();
        const QImage picture = m_tree->images ? m_tree->images->GetImage(slot) : QImage();
        option->icon = picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture));
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->decorationSize = QSize(kSmallIcon, kSmallIcon);
        if (index.data(TreeViewWidget::kDropRole).toBool()) {
            option->state |= QStyle::State_Selected;
            option->backgroundBrush = option->palette.highlight();
        }
    }

private:
    TreeViewWidget* m_tree;
};

}  // namespace

TreeViewWidget::TreeViewWidget(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(kSmallIcon, kSmallIcon));
    setDragEnabled(false);
    setFrameShape(QFrame::NoFrame);  // the items fill the control: its client area is the view
    setExpandsOnDoubleClick(false);
    setItemDelegate(new SlotImageDelegate(this));
    connect(this, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* now, QTreeWidgetItem* before) { ReportCaretChange(now, before); });
}

void TreeViewWidget::ReportCaretChange(QTreeWidgetItem* now, QTreeWidgetItem* before)
{
    if (now)
        now->setSelected(true);
    NMTREEVIEW record;
    record.action = m_cause;
    record.itemOld = Describe(before);
    record.itemNew = Describe(now);
    NotifyParent(this, TVN_SELCHANGED, &record.hdr);
}

void TreeViewWidget::SetCaret(QTreeWidgetItem* item)
{
    const UINT cause = m_cause;
    m_cause = TVC_UNKNOWN;
    if (item)
        setCurrentItem(item);
    else if (currentItem()) {
        QTreeWidgetItem* before = currentItem();
        {
            const QSignalBlocker quiet(this);
            setCurrentItem(nullptr);
            clearSelection();
        }
        ReportCaretChange(nullptr, before);
    }
    m_cause = cause;
}

void TreeViewWidget::ForgetBeforeDelete(QTreeWidgetItem* item)
{
    live.remove(item);
    if (dropTarget == item)
        dropTarget = nullptr;
    if (m_pressItem == item)
        m_pressItem = nullptr;
    for (int i = 0; i < item->childCount(); ++i)
        ForgetBeforeDelete(item->child(i));
}

void TreeViewWidget::mousePressEvent(QMouseEvent* e)
{
    m_pressed = e->button() == Qt::LeftButton;
    m_dragSent = false;
    m_pressPoint = e->position().toPoint();
    m_pressItem = m_pressed ? itemAt(m_pressPoint) : nullptr;
    const QPointer<TreeViewWidget> alive(this);
    m_cause = TVC_BYMOUSE;
    QTreeWidget::mousePressEvent(e);
    if (alive)
        m_cause = TVC_UNKNOWN;
}

void TreeViewWidget::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (m_pressed && !m_dragSent && m_pressItem && (e->buttons() & Qt::LeftButton) &&
        (p - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragSent = true;
        NMTREEVIEW record;
        record.action = TVC_BYMOUSE;
        record.itemNew = Describe(m_pressItem);
        record.ptDrag = POINT{m_pressPoint.x(), m_pressPoint.y()};
        NotifyParent(this, TVN_BEGINDRAG, &record.hdr);
        return;  // a drag is the parent's now: no rubber band or selection sweep
    }
    if (m_dragSent)
        return;
    QTreeWidget::mouseMoveEvent(e);
}

void TreeViewWidget::mouseReleaseEvent(QMouseEvent* e)
{
    // A press that became a drag is no click.
    const bool click = m_pressed && !m_dragSent && e->button() == Qt::LeftButton;
    m_pressed = false;
    m_pressItem = nullptr;
    const QPointer<TreeViewWidget> alive(this);
    QTreeWidget::mouseReleaseEvent(e);
    if (!click || !alive)
        return;
    NMHDR header;
    NotifyParent(this, NM_CLICK, &header);
}

void TreeViewWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QPointer<TreeViewWidget> alive(this);
    m_cause = TVC_BYMOUSE;
    QTreeWidget::mouseDoubleClickEvent(e);
    if (!alive)
        return;
    m_cause = TVC_UNKNOWN;
    if (e->button() == Qt::LeftButton) {
        NMHDR header;
        NotifyParent(this, NM_DBLCLK, &header);
    }
}

void TreeViewWidget::keyPressEvent(QKeyEvent* e)
{
    NMTVKEYDOWN record;
    record.wVKey = static_cast<WORD>(VirtualKeyFromQtKey(e->key()));
    const QPointer<TreeViewWidget> alive(this);
    NotifyParent(this, TVN_KEYDOWN, &record.hdr);
    if (!alive)
        return;
    m_cause = TVC_BYKEYBOARD;
    QTreeWidget::keyPressEvent(e);
    if (alive)
        m_cause = TVC_UNKNOWN;
}

void TreeViewWidget::focusInEvent(QFocusEvent* e)
{
    const bool noCaret = currentItem() == nullptr;
    QTreeWidget::focusInEvent(e);
    if (noCaret && currentItem()) {
        // Qt gives a view without a current item its first one on focus; a tree keeps no caret.
        const QSignalBlocker quiet(this);
        setCurrentItem(nullptr);
        clearSelection();
    }
    NMHDR header;
    NotifyParent(this, NM_SETFOCUS, &header);
}

void TreeViewWidget::focusOutEvent(QFocusEvent* e)
{
    QTreeWidget::focusOutEvent(e);
    NMHDR header;
    NotifyParent(this, NM_KILLFOCUS, &header);
}
