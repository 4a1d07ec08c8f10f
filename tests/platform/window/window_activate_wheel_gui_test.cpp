// Activation messages (click or not, and the window on the other side) and
// the wheel a child window does not take, which goes to its parent.
#include "platform/window/window.h"
#include "tests/platform/window/activation_recorder.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

using window_testing::ActivationRecorder;

class Activated : public ActivationRecorder {
public:
    bool Make(int x)
    {
        return CreateEx(
            0, QStringLiteral("activated"), WS_POPUP | WS_VISIBLE, RECT{x, 10, x + 100, 80}, nullptr, 0);
    }
};

// Posts a press on the widget when the window system activates it, as a
// window manager passes the click on right after activating the window.
class PressAfterActivation : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            auto* widget = static_cast<QWidget*>(watched);
            const QPointF at(5, 5);
            auto* press = new QMouseEvent(QEvent::MouseButtonPress, at, widget->mapToGlobal(at),
                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            press->setTimestamp(NextInputTimestamp());
            QCoreApplication::postEvent(widget, press);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

TEST(WindowActivate, ClickOrNotAndTheWindowOnTheOtherSide)
{
    Activated a, b;
    ASSERT_TRUE(a.Make(10));
    ASSERT_TRUE(b.Make(150));
    a.SetActiveWindow();
    ASSERT_TRUE(PumpUntil([&] { return a.IsActive() && !a.log.empty(); }));
    PumpFor(20);
    a.log.clear();
    b.log.clear();

    // Activated by a click: WA_CLICKACTIVE, before the press, naming the window that lost it.
    PressAfterActivation click;
    b.GetWidget()->installEventFilter(&click);
    b.SetActiveWindow();
    ASSERT_TRUE(PumpUntil([&] { return !b.log.empty() && !a.log.empty() && b.activationsBeforePress > 0; }));
    ASSERT_EQ(b.log.size(), 1u);
    EXPECT_EQ(b.log[0].state, UINT(WA_CLICKACTIVE));
    EXPECT_EQ(b.log[0].other, a.GetSafeHwnd());
    EXPECT_EQ(b.activationsBeforePress, 1) << "WM_ACTIVATE comes before the press";
    ASSERT_EQ(a.log.size(), 1u);
    EXPECT_EQ(a.log[0].state, UINT(WA_INACTIVE));
    EXPECT_EQ(a.log[0].other, b.GetSafeHwnd());

    // Activated without a click: WA_ACTIVE.
    a.log.clear();
    b.log.clear();
    a.SetActiveWindow();
    ASSERT_TRUE(PumpUntil([&] { return !a.log.empty() && !b.log.empty(); }));
    PumpFor(20);
    ASSERT_EQ(a.log.size(), 1u);
    EXPECT_EQ(a.log[0].state, UINT(WA_ACTIVE));
    EXPECT_EQ(a.log[0].other, b.GetSafeHwnd());
    ASSERT_EQ(b.log.size(), 1u);
    EXPECT_EQ(b.log[0].state, UINT(WA_INACTIVE));
}

class WheelCounter : public CWnd {
public:
    explicit WheelCounter(bool takes = false) : m_takes(takes) { }
    BOOL OnMouseWheel(UINT flags, short delta, CPoint at) override
    {
        ++wheels;
        lastDelta = delta;
        return m_takes ? TRUE : CWnd::OnMouseWheel(flags, delta, at);
    }
    int wheels = 0;
    short lastDelta = 0;

private:
    bool m_takes;
};

void Wheel(CWnd& target, int delta)
{
    QWidget* w = target.GetWidget();
    const QPointF at(4, 4);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

TEST(WindowWheel, AWheelTheChildDoesNotTakeReachesItsParentOnce)
{
    WheelCounter owner, parent(true);
    ASSERT_TRUE(owner.CreateEx(0, "owner", WS_POPUP | WS_VISIBLE, RECT{10, 10, 100, 100}, nullptr, 0));
    ASSERT_TRUE(parent.CreateEx(0, "parent", WS_POPUP | WS_VISIBLE, RECT{10, 10, 300, 200}, &owner, 0));
    WheelCounter passing, taking(true);
    ASSERT_TRUE(passing.CreateEx(0, "", WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 100}, &parent, 1));
    ASSERT_TRUE(taking.CreateEx(0, "", WS_CHILD | WS_VISIBLE, RECT{100, 0, 200, 100}, &parent, 2));
    PumpFor(20);

    Wheel(passing, -120);
    EXPECT_EQ(passing.wheels, 1);
    EXPECT_EQ(parent.wheels, 1);
    EXPECT_EQ(parent.lastDelta, -120);

    Wheel(taking, 120);
    EXPECT_EQ(taking.wheels, 1);
    EXPECT_EQ(parent.wheels, 1) << "a child that takes the wheel keeps it";

    // A top-level window does not pass it on to its owner.
    parent.wheels = 0;
    WheelCounter ownedPassing;
    ASSERT_TRUE(ownedPassing.CreateEx(0, "owned", WS_POPUP | WS_VISIBLE, RECT{10, 10, 60, 60}, &owner, 0));
    Wheel(ownedPassing, 120);
    EXPECT_EQ(ownedPassing.wheels, 1);
    EXPECT_EQ(owner.wheels, 0);
    PumpFor(20);
    EXPECT_EQ(owner.wheels, 0);
    EXPECT_EQ(parent.wheels, 0);
}

}  // namespace
