// The application's key path: its message pre-filter first, then the
// accelerator table, then the window with the focus.
#include "platform/app/app.h"
#include "tests/support/synthetic_input.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class KeyFilterApp : public CWinApp {
public:
    std::vector<UINT> seen;
    bool swallowF2 = true;
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) {
            seen.push_back(static_cast<UINT>(msg->wParam));
            if (swallowF2 && msg->wParam == VK_F1 + 1)
                return TRUE;
        }
        return CWinApp::PreTranslateMessage(msg);
    }
};

class CommandSink : public CWnd {
public:
    std::vector<int> commands;
    std::vector<UINT> keys;
    BOOL OnCommand(WPARAM w, LPARAM) override
    {
        commands.push_back(LOWORD(w));
        return TRUE;
    }
    void OnKeyDown(UINT vk, UINT, UINT) override { keys.push_back(vk); }
};

TEST(WinApp, PreFilterThenAcceleratorsThenTheWindow)
{
    EXPECT_EQ(
        MatchAccelerator({{FVIRTKEY | FCONTROL, 'S', 32771}, {FVIRTKEY | FCONTROL | FSHIFT, 'S', 32772}}, 'S',
            true, true, false),
        32772);
    EXPECT_EQ(MatchAccelerator({{FVIRTKEY | FCONTROL, 'S', 32771}}, 'S', false, false, false), 0);

    KeyFilterApp app;
    CommandSink frame;
    ASSERT_TRUE(
        frame.CreateEx(0, QStringLiteral("frame"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 80, 60}, nullptr, 0));
    app.m_pMainWnd = &frame;
    app.SetAcceleratorTable({{FVIRTKEY | FCONTROL, 'O', 57601}});
    KeyClick(frame.GetWidget(), Qt::Key_F2);
    KeyClick(frame.GetWidget(), Qt::Key_O, QString(), Qt::ControlModifier);
    KeyClick(frame.GetWidget(), Qt::Key_F3);
    EXPECT_EQ(app.seen, (std::vector<UINT>{VK_F1 + 1, 'O', VK_F1 + 2}));
    EXPECT_EQ(frame.commands, std::vector<int>{57601});
    EXPECT_EQ(frame.keys, std::vector<UINT>{VK_F1 + 2});

    // Another top-level window keeps the key: the frame's table is the frame's.
    CommandSink tool;
    ASSERT_TRUE(
        tool.CreateEx(0, QStringLiteral("tool"), WS_POPUP | WS_VISIBLE, RECT{100, 0, 180, 60}, nullptr, 0));
    KeyClick(tool.GetWidget(), Qt::Key_O, QString(), Qt::ControlModifier);
    EXPECT_EQ(frame.commands, std::vector<int>{57601});
    EXPECT_EQ(tool.keys, std::vector<UINT>{'O'});
    app.m_pMainWnd = nullptr;
}

}  // namespace
