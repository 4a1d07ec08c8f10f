// The chooser button tells the frame of every move over it and keeps its click.
#include "core/app_state.h"
#include "core/ex_button.h"
#include "core/frame_messages.h"
#include "platform/dialog/dialog.h"

#include "tests/support/synthetic_input.h"

#include <gtest/gtest.h>

namespace {

constexpr int kChooserButton = 1248;

const DialogControl kControls[] = {
    {ControlKind::PushButton, kChooserButton, u"▼", 0, 10, 10, 24, 24},
};
const DialogTemplate kTemplate{9102, u"パネル", WS_POPUP | WS_VISIBLE, 0, 100, 60, kControls};

class Panel : public CDialog {
public:
    Panel() : CDialog(&kTemplate) { }
    int clicks = 0;
    int moves = 0;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == kChooserButton && HIWORD(wParam) == BN_CLICKED)
            ++clicks;
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnMouseMove(UINT, CPoint) override { ++moves; }
};

class FrameStandIn : public CWnd {
public:
    int hovers = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_FRAME_HOVER_CAPTURE)
            ++hovers;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class FrameState : public AppStateSource {
public:
    HWND frame = nullptr;
    HWND Window(AppWindow w) const override { return w == AppWindow::MainFrame ? frame : nullptr; }
};

TEST(ExButton, EachMoveTellsTheFrameAndAClickStaysOne)
{
    FrameStandIn frame;
    ASSERT_TRUE(frame.CreateEx(0, QStringLiteral("frame"), WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    FrameState state;
    state.frame = frame.GetSafeHwnd();
    SetAppStateSource(&state);

    Panel panel;
    ASSERT_TRUE(panel.Create());
    CExButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kChooserButton, &panel));
    QWidget* w = button.GetWidget();
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(3, 3));
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(4, 3));
    EXPECT_EQ(frame.hovers, 2);
    EXPECT_EQ(panel.moves, 0);  // the move is the frame's news, not the panel's

    MouseClick(w, QPoint(5, 5));
    EXPECT_EQ(panel.clicks, 1);
    SetAppStateSource(nullptr);
}

}  // namespace
