// Inside the window layer: the Qt widget of a tree view. It draws each item's
// image from the tree's image list at paint time (the normal slot, or the
// selected slot for the caret item), paints the drop highlight, and turns
// the user's input into the tree's notifications: the cause of a caret
// change, key presses, the start of a drag, clicks and focus changes.
#pragma once

#include "platform/types/types.h"

#include <QSet>
#include <QTreeWidget>

class CImageList;

class TreeViewWidget : public QTreeWidget {
public:
    explicit TreeViewWidget(QWidget* parent);

    // Item data roles: the two image slots and the drop highlight.
    static constexpr int kImageRole = Qt::UserRole + 10;
    static constexpr int kSelectedImageRole = Qt::UserRole + 11;
    static constexpr int kDropRole = Qt::UserRole + 12;

    CImageList* images = nullptr;  // not owned
    QTreeWidgetItem* dropTarget = nullptr;
    // The items alive in the view, so that a stale handle is refused, not followed.
    QSet<QTreeWidgetItem*> live;

    // The caret moves by the program: the change is reported with TVC_UNKNOWN.
    void SetCaret(QTreeWidgetItem* item);
    // Forgets the subtree about to go: its handles, and the drop target when it lies inside.
    void ForgetBeforeDelete(QTreeWidgetItem* item);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    UINT m_cause = 0;  // TVC_* of the input being handled
    bool m_pressed = false;
    bool m_dragSent = false;
    QPoint m_pressPoint;
    QTreeWidgetItem* m_pressItem = nullptr;

    void ReportCaretChange(QTreeWidgetItem* now, QTreeWidgetItem* before);
};
