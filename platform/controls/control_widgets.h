// Inside the window layer: the Qt widgets that stand for controls whose
// behaviour Qt's own widgets do not have, and the notifications controls
// send to their parent window.
#pragma once

#include "platform/dialog/dialog_template.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPointer>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>

// A check box or radio button that the program, not the click, sets.
class ManualCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { }
};

// A check box drawn as a button that stays pressed while it is checked
// (BS_PUSHLIKE); manual ones are set by the program, not the click.
class PushLikeCheckBox : public QToolButton {
public:
    using QToolButton::QToolButton;
    bool manual = false;

protected:
    void nextCheckState() override
    {
        if (!manual)
            QToolButton::nextCheckState();
    }
};

class ManualRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override { }
};

// A tab strip whose items can be given one fixed size (TCM_SETITEMSIZE on a
// fixed-width tab control); a width of 0 keeps each item's natural width.
class TabStripWidget : public QTabBar {
public:
    using QTabBar::QTabBar;
    QSize fixedItemSize;

protected:
    QSize tabSizeHint(int index) const override;
};

// A combo box that tells its parent when the list opens and closes.
class NotifyingComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override;
    void hidePopup() override;
    bool popupShown = false;
};

// A combo box given a rectangle taller than its closed height: the platform
// counts the rest as its drop-down list. The closed height stays, and the
// list shows as many rows as fit in the rest (at least 1).
struct ComboGeometry {
    int closedHeight;
    int visibleRows;  // 0: leave the list as it is
};
ComboGeometry ComboGeometryFor(int requestedHeight, int naturalHeight, int rowHeight);
// Applies a rectangle to a combo box by that rule.
void PlaceComboBox(QComboBox* combo, const QRect& rect);

// The pure rules of an up-down control.
// The change the up (or right) arrow proposes: toward the upper end of the range.
int SpinProposedDelta(int lower, int upper, bool upArrow);
// The position after a change, kept within the range (wrapping with UDS_WRAP).
int SpinApplyDelta(int lower, int upper, int pos, int delta, bool wrap);

// An up-down control: two arrow buttons over a range and a position.
class SpinWidget : public QWidget {
public:
    SpinWidget(QWidget* parent, DWORD style);
    int lower = 100;
    int upper = 0;
    int pos = 0;
    int base = 10;
    DWORD style = 0;
    QPointer<QWidget> buddy;
    // A press of an arrow: asks the parent (UDN_DELTAPOS), moves, tells it (WM_VSCROLL/WM_HSCROLL).
    void Step(bool upArrow);
    void ShowPosInBuddy();

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

// Sends WM_COMMAND with the control's id and the code to the control's parent.
void NotifyCommand(QWidget* control, UINT code);
// Sends WM_NOTIFY; header is filled with the control's handle, id and the code.
LRESULT NotifyParent(QWidget* control, UINT code, NMHDR* header);
// Sends WM_HSCROLL or WM_VSCROLL with a scroll code and position.
void NotifyScroll(QWidget* control, bool vertical, UINT code, int pos);
