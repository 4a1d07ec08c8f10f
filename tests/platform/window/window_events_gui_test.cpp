// Qt events of a window turned into its messages: input with the platform's
// packing, the cursor and size limits asked of the window, and a user's
// resize bracketed by sizing messages.
#include "platform/window/window.h"
#include "tests/platform/window/recording_window.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QWheelEvent>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace window_testing;

TEST(WindowEvents, InputArrivesWithThePlatformPacking)
{
    Recorder w;
    ASSERT_TRUE(w.Make());
    QWidget* widget = w.GetWidget();
    MouseClick(widget, QPoint(10, 20), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(w.lastPoint, CPoint(10, 20));
    EXPECT_EQ(w.lastFlags, UINT(MK_LBUTTON | MK_SHIFT));

    widget->setFocus();
    KeyClick(widget, Qt::Key_A, QStringLiteral("a"));
    KeyClick(widget, Qt::Key_PageDown);
    ASSERT_EQ(w.keys.size(), 2u);
    EXPECT_EQ(w.keys[0], UINT('A'));
    EXPECT_EQ(w.keys[1], UINT(VK_NEXT));
    ASSERT_EQ(w.chars.size(), 1u);
    EXPECT_EQ(w.chars[0], UINT('a'));

    QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
    EXPECT_EQ(w.wheel, -120);

    // A press left or above the client area (as under capture) keeps its sign.
    MouseClick(widget, QPoint(-5, -7));
    EXPECT_EQ(w.lastPoint, CPoint(-5, -7));

    // Packing helpers: signed coordinates survive.
    const LPARAM l = MAKELPARAM(-5, 300);
    EXPECT_EQ(GET_X_LPARAM(l), -5);
    EXPECT_EQ(GET_Y_LPARAM(l), 300);
}

class Limited : public CWnd {
public:
    std::vector<UINT> order;
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == WM_SETCURSOR || message == WM_MOUSEMOVE)
            order.push_back(message);
        return CWnd::WindowProc(message, w, l);
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override { info->ptMinTrackSize = POINT{150, 120}; }
};

TEST(WindowEvents, CursorAndSizeLimitsAreAskedOfTheWindow)
{
    Limited w;
    ASSERT_TRUE(w.CreateEx(0, QStringLiteral("limits"), WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE,
        RECT{0, 0, 200, 160}, nullptr, 0));
    EXPECT_GE(w.GetWidget()->minimumWidth(), 140);
    EXPECT_GE(w.GetWidget()->minimumHeight(), 100);
    SendMouse(w.GetWidget(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(w.order, (std::vector<UINT>{WM_SETCURSOR, WM_MOUSEMOVE}));
}

class Sized : public CWnd {
public:
    std::vector<UINT> steps;
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override
    {
        if (message == WM_ENTERSIZEMOVE || message == WM_EXITSIZEMOVE)
            steps.push_back(message);
        if (message == WM_SIZING) {
            steps.push_back(message);
            auto* r = reinterpret_cast<RECT*>(l);
            r->right = std::max<LONG>(r->right, r->left + 150);  // no narrower than 150
        }
        return CWnd::WindowProc(message, w, l);
    }
};

TEST(WindowEvents, UserResizesBracketedBySizingMessages)
{
    Sized w;
    ASSERT_TRUE(
        w.CreateEx(0, QStringLiteral("sized"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 100}, nullptr, 0));
    w.MoveWindow(0, 0, 220, 110);  // the program's own changes are no sizing
    PumpFor(10);
    EXPECT_TRUE(w.steps.empty());

    w.GetWidget()->resize(100, 120);  // as a window manager would on a user's drag
    w.GetWidget()->resize(170, 120);
    ASSERT_GE(w.steps.size(), 3u);
    EXPECT_EQ(w.steps[0], UINT(WM_ENTERSIZEMOVE));
    EXPECT_EQ(w.steps[1], UINT(WM_SIZING));
    EXPECT_GE(w.GetWidget()->width(), 150);  // the handler's correction is applied
    ASSERT_TRUE(PumpUntil([&] { return w.steps.back() == WM_EXITSIZEMOVE; }));
    EXPECT_EQ(std::count(w.steps.begin(), w.steps.end(), UINT(WM_ENTERSIZEMOVE)), 1);
}

}  // namespace
