// Inside the window layer: the Qt widget of a list view. Rows are laid out
// top to bottom at one fixed pitch (the small-icon row height), as wide as
// the view, so that a row's place follows from its index alone.
#pragma once

#include <QListWidget>

class ListViewWidget : public QListWidget {
public:
    explicit ListViewWidget(QWidget* parent);
    // The pitch of the rows: the taller of a small icon and a line of text, plus a margin.
    int RowHeight() const;
    // Gives a row its size (called for new rows and when the width changes).
    void SizeRow(QListWidgetItem* item) const;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool m_pressed = false;
};
