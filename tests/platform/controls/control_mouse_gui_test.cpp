// A control's window object sees the mouse as messages while the control
// keeps its own clicks, and a sent WM_KILLFOCUS makes edits and combo boxes
// tell their parent, as a real loss of focus does.
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"

#include "tests/support/synthetic_input.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kButton = 1001;
constexpr int kEdit = 1002;
constexpr int kCombo = 1003;

const DialogControl kControls[] = {
    {ControlKind::PushButton, kButton, u"押す", 0, 10, 10, 80, 24},
    {ControlKind::Edit, kEdit, u"", 0, 10, 40, 80, 22},
    {ControlKind::ComboBox, kCombo, nullptr, CBS_DROPDOWN, 10, 70, 80, 22},
};

const DialogTemplate kTemplate{9101, u"マウス", WS_POPUP | WS_VISIBLE, 0, 200, 120, kControls};

struct Notification {
    int id;
    UINT code;
    bool operator==(const Notification&) const = default;
};

class Host : public CDialog {
public:
    Host() : CDialog(&kTemplate) { }
    std::vector<Notification> notes;
    int moves = 0;
    void OnMouseMove(UINT, CPoint) override { ++moves; }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        notes.push_back({LOWORD(wParam), HIWORD(wParam)});
        return CDialog::OnCommand(wParam, lParam);
    }
    int Count(int id, UINT code) const
    {
        return static_cast<int>(std::count(notes.begin(), notes.end(), Notification{id, code}));
    }
};

// A button that passes its mouse on to the parent, as the program's derived controls do.
class ForwardingButton : public CButton {
public:
    std::vector<UINT> seen;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK)
            seen.push_back(message);
        return CButton::WindowProc(message, wParam, lParam);
    }
    void OnMouseMove(UINT, CPoint p) override
    {
        GetParent()->SendMessage(WM_USER + 77, 0, MAKELPARAM(p.x, p.y));
    }
};

class Parent : public Host {
public:
    LPARAM forwarded = -1;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER + 77) {
            forwarded = lParam;
            return 0;
        }
        return Host::WindowProc(message, wParam, lParam);
    }
};

TEST(ControlMouse, ASubclassedButtonSeesTheMouseAndStillClicksOnce)
{
    Parent dialog;
    ASSERT_TRUE(dialog.Create());
    ForwardingButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kButton, &dialog));
    QWidget* w = button.GetWidget();
    EXPECT_TRUE(w->hasMouseTracking());

    SendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(7, 9));
    EXPECT_EQ(dialog.forwarded, MAKELPARAM(7, 9));

    MouseClick(w, QPoint(20, 10));
    EXPECT_EQ(dialog.Count(kButton, BN_CLICKED), 1);
    EXPECT_EQ(button.seen, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST(ControlMouse, TheMouseOverADisabledControlIsTheParents)
{
    Host dialog;
    ASSERT_TRUE(dialog.Create());
    ForwardingButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kButton, &dialog));
    QWidget* w = button.GetWidget();
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(7, 9));
    EXPECT_EQ(dialog.moves, 0);
    EXPECT_EQ(button.seen.size(), 1u);

    button.EnableWindow(FALSE);
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(7, 9));
    EXPECT_EQ(dialog.moves, 1);
    EXPECT_EQ(button.seen.size(), 1u);
}

TEST(ControlMouse, ATemplateButtonClicksOnceWithItsMouseRouted)
{
    Host dialog;
    ASSERT_TRUE(dialog.Create());
    MouseClick(dialog.GetDlgItem(kButton)->GetWidget(), QPoint(20, 10));
    EXPECT_EQ(dialog.Count(kButton, BN_CLICKED), 1);
}

TEST(ControlMouse, ASentKillFocusNotifiesTheParent)
{
    Host dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.GetDlgItem(kEdit)->SendMessage(WM_KILLFOCUS);
    dialog.GetDlgItem(kCombo)->SendMessage(WM_KILLFOCUS);
    EXPECT_EQ(dialog.Count(kEdit, EN_KILLFOCUS), 1);
    EXPECT_EQ(dialog.Count(kCombo, CBN_KILLFOCUS), 1);
}

}  // namespace
