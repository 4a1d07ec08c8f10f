#include "platform/controls/list_view_widget.h"

#include "platform/controls/control_widgets.h"
#include "platform/controls/list_ctrl.h"

#include <QMouseEvent>
#include <QPointer>

namespace {

constexpr int kSmallIcon = 16;
constexpr int kRowMargin = 2;

}  // namespace

ListViewWidget::ListViewWidget(QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(false);
    setSpacing(0);
    setUniformItemSizes(true);
    setIconSize(QSize(kSmallIcon, kSmallIcon));
    setFrameShape(QFrame::NoFrame);  // the rows fill the control: its client area is the view
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
}

int ListViewWidget::RowHeight() const
{
    return std::max(kSmallIcon, fontMetrics().height()) + kRowMargin;
}

void ListViewWidget::SizeRow(QListWidgetItem* item) const
{
    item->setSizeHint(QSize(std::max(1, viewport()->width()), RowHeight()));
}

void ListViewWidget::resizeEvent(QResizeEvent* e)
{
    QListWidget::resizeEvent(e);
    for (int i = 0; i < count(); ++i)
        SizeRow(item(i));
}

void ListViewWidget::mousePressEvent(QMouseEvent* e)
{
    m_pressed = e->button() == Qt::LeftButton;
    QListWidget::mousePressEvent(e);
}

void ListViewWidget::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = m_pressed && e->button() == Qt::LeftButton;
    m_pressed = false;
    const QPointer<ListViewWidget> alive(this);
    QListWidget::mouseReleaseEvent(e);
    if (!click || !alive)
        return;
    const QPoint p = e->position().toPoint();  // viewport coordinates: the client area
    NMITEMACTIVATE record;
    const QModelIndex index = indexAt(p);
    record.iItem = index.isValid() ? index.row() : -1;
    record.ptAction = POINT{p.x(), p.y()};
    NotifyParent(this, NM_CLICK, &record.hdr);
}
