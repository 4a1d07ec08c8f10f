// A frame's command states: items and buttons follow QueryCommandState, and
// a disabled command arriving without a control window is dropped.
#include "platform/window/frame_window.h"
#include "tests/support/pump_until.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr UINT kOpen = 40001;
constexpr UINT kSave = 40002;
constexpr UINT kTree = 40003;

class RuledFrame : public CFrameWnd {
public:
    std::set<UINT> enabled{kOpen, kTree};
    std::set<UINT> checked;
    std::vector<std::pair<UINT, LPARAM>> handled;

    CommandUiState QueryCommandState(UINT id) const override
    {
        return {enabled.count(id) != 0, checked.count(id) != 0};
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        handled.emplace_back(LOWORD(wParam), lParam);
        return TRUE;
    }

    int OnCreate() override
    {
        const int file = AddMenuPopup(QStringLiteral("File"));
        AddMenuItem(file, kOpen, QStringLiteral("Open"), QString());
        AddMenuItem(file, kSave, QStringLiteral("Save"), QString());
        AddToolbarButton(kSave, QImage(), QStringLiteral("Save"), QString(), false);
        AddToolbarButton(kTree, QImage(), QStringLiteral("Tree"), QString(), true);
        return 0;
    }
};

void RunLoopFor(int ms)
{
    // A loop that blocks, so that it falls idle as the program's does.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

TEST(FrameWindowGui, ItemsAndButtonsFollowTheirRules)
{
    RuledFrame frame;
    ASSERT_TRUE(frame.CreateFrame(QStringLiteral("frame"), RECT{0, 0, 400, 300}));
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.IsMenuItemEnabled(kOpen));
    EXPECT_FALSE(frame.IsMenuItemEnabled(kSave));
    EXPECT_FALSE(frame.IsToolbarButtonEnabled(kSave));
    EXPECT_TRUE(frame.IsToolbarButtonEnabled(kTree));
    EXPECT_FALSE(frame.IsToolbarButtonChecked(kTree));

    // The toolbar follows when the loop falls idle, without being asked.
    frame.enabled = {kSave};
    frame.checked = {kTree};
    RunLoopFor(30);
    EXPECT_TRUE(frame.IsToolbarButtonEnabled(kSave));
    EXPECT_FALSE(frame.IsToolbarButtonEnabled(kTree));
    EXPECT_TRUE(frame.IsToolbarButtonChecked(kTree));
}

TEST(FrameWindowGui, DisabledCommandsFromMenusAndKeysAreDropped)
{
    RuledFrame frame;
    ASSERT_TRUE(frame.CreateFrame(QStringLiteral("frame"), RECT{0, 0, 400, 300}));
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(kOpen, 0), 0);  // menu
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(kSave, 1), 0);  // accelerator: disabled
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(kSave, 0), 0);  // key filter: disabled
    // A control's notification is not a command of the menus.
    const LPARAM control = reinterpret_cast<LPARAM>(frame.GetSafeHwnd());
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(kSave, BN_CLICKED), control);
    const std::vector<std::pair<UINT, LPARAM>> expected{{kOpen, 0}, {kSave, control}};
    EXPECT_EQ(frame.handled, expected);
}
