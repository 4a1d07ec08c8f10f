// The chooser on a real display: it lists the desktop's windows, stands on
// top of the program's windows, drops down from the button, and a click on a
// row names that window to the panel.
#include "clip/capture_chooser.h"
#include "clip/control_panel_messages.h"
#include "core/app_state.h"
#include "core/chooser_button.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "core/window_list.h"
#include "platform/window/window_stacking.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/synthetic_input.h"
#include "tests/support/x11_fixture_windows.h"

#include <QAbstractScrollArea>
#include <gtest/gtest.h>

namespace {

class Panel : public CWnd {
public:
    LPARAM captured = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CLIPCTL_CAPTURE && wParam == 3)
            captured = lParam;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class Windows : public AppStateSource {
public:
    HWND panel = nullptr;
    HWND Window(AppWindow w) const override { return w == AppWindow::ControlPanel ? panel : nullptr; }
};

TEST(CaptureChooserX11, DropsDownOverTheDesktopsWindows)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    FixtureDisplay fixtures;
    ASSERT_TRUE(fixtures.isOpen());
    FixtureWindowRecipe recipe;
    recipe.title = QStringLiteral("chooser target");
    recipe.x = 400;
    recipe.y = 300;
    recipe.width = 120;
    recipe.height = 80;
    const HWND target = fixtures.Create(recipe);
    ASSERT_NE(target, nullptr);
    fixtures.Sync();

    const AppSettingsRecord savedSettings = AppSettings;
    const ScreenMetrics savedMetrics = g_ScreenMetrics;
    AppSettings.CaptureListMax = 30;
    g_ScreenMetrics = QueryScreenMetrics();
    Panel panel;
    ASSERT_TRUE(panel.CreateEx(0, QStringLiteral("panel"), WS_POPUP, RECT{20, 80, 120, 400}, nullptr, 0));
    panel.ShowWindow(SW_SHOWNA);
    Windows windows;
    windows.panel = panel.GetSafeHwnd();
    SetAppStateSource(&windows);
    SetChooserButtonPlace(panel.GetSafeHwnd(), RECT{10, 100, 34, 124});

    CDlgChoicedCaptureWindow chooser;
    ASSERT_TRUE(chooser.Create(nullptr));
    chooser.ShowWindow(SW_SHOW);
    CMyListCtrl& list = chooser.List();
    int row = -1;
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (list.GetItemText(i, 0) == recipe.title)
            row = i;
    ASSERT_GE(row, 0);

    panel.BringWindowToTop();  // the chooser stays above: it is kept on top
    EXPECT_TRUE(WaitUntil([&] {
        const std::vector<HWND> order = OwnWindowsInZOrder();
        return !order.empty() && order.front() == chooser.GetSafeHwnd();
    }));
    RECT r;
    chooser.GetWindowRect(&r);
    const RECT button = ChooserButtonScreenRect();
    EXPECT_TRUE(WaitUntil([&] {
        chooser.GetWindowRect(&r);
        return r.left == button.left;
    }));

    int h = 0;
    list.GetItemSpacing(TRUE, nullptr, &h);
    auto* viewport = static_cast<QAbstractScrollArea*>(list.GetWidget())->viewport();
    MouseClick(viewport, QPoint(6, row * h + h / 2));
    EXPECT_TRUE(WaitUntil([&] { return panel.captured == reinterpret_cast<LPARAM>(target); }));

    chooser.SendMessage(WM_TIMER, kChooserGuardTimer);
    chooser.DestroyWindow();
    SetChooserButtonPlace(nullptr, RECT{});
    SetAppStateSource(nullptr);
    AppSettings = savedSettings;
    g_ScreenMetrics = savedMetrics;
    FreeWindowList();
}

}  // namespace
