// The capture-window chooser over a desktop of fake windows: it lists them
// with their icons, follows the pointer, asks the panel to capture the
// clicked window, keeps closed requests out for its first 750 ms, and closes
// at once over an empty desktop.
#include "clip/capture_chooser.h"
#include "clip/control_panel_messages.h"
#include "core/app_state.h"
#include "core/chooser_button.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"

#include "tests/core/fake_desktop.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QAbstractScrollArea>
#include <gtest/gtest.h>
#include <vector>

namespace {

using fake_desktop::H;

// Records the messages the panel and the frame receive.
class StandIn : public CWnd {
public:
    std::vector<std::tuple<UINT, WPARAM, LPARAM>> received;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER)
            received.emplace_back(message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int Count(UINT message) const
    {
        return static_cast<int>(std::count_if(received.begin(), received.end(),
            [message](const auto& r) { return std::get<0>(r) == message; }));
    }
};

class Windows : public AppStateSource {
public:
    HWND frame = nullptr;
    HWND panel = nullptr;
    HWND Window(AppWindow w) const override
    {
        return w == AppWindow::MainFrame ? frame : w == AppWindow::ControlPanel ? panel : nullptr;
    }
};

class Chooser : public fake_desktop::FakeDesktop {
protected:
    void SetUp() override
    {
        FakeDesktop::SetUp();
        m_savedSettings = AppSettings;
        m_savedMetrics = g_ScreenMetrics;
        AppSettings.CaptureListMax = 30;
        AppSettings.CaptureKestrel = 1;
        g_ScreenMetrics.screenWidth = 1920;
        g_ScreenMetrics.screenHeight = 1080;
        g_ScreenMetrics.captionHeight = 23;
        ASSERT_TRUE(
            m_frame.CreateEx(0, QStringLiteral("Kestrel frame"), WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
        ASSERT_TRUE(
            m_panel.CreateEx(0, QStringLiteral("panel"), WS_POPUP, RECT{40, 60, 140, 460}, nullptr, 0));
        m_windows.frame = m_frame.GetSafeHwnd();
        m_windows.panel = m_panel.GetSafeHwnd();
        SetAppStateSource(&m_windows);
        SetChooserButtonPlace(m_panel.GetSafeHwnd(), RECT{10, 200, 34, 224});
    }
    void TearDown() override
    {
        m_chooser.reset();
        SetChooserButtonPlace(nullptr, RECT{});
        SetAppStateSource(nullptr);
        AppSettings = m_savedSettings;
        g_ScreenMetrics = m_savedMetrics;
        FakeDesktop::TearDown();
    }

    CDlgChoicedCaptureWindow& Open()
    {
        m_chooser = std::make_unique<CDlgChoicedCaptureWindow>();
        EXPECT_TRUE(m_chooser->Create(nullptr));
        m_chooser->ShowWindow(SW_SHOW);
        return *m_chooser;
    }
    QWidget* Viewport()
    {
        return static_cast<QAbstractScrollArea*>(m_chooser->List().GetWidget())->viewport();
    }
    int RowHeight()
    {
        int h = 0;
        m_chooser->List().GetItemSpacing(TRUE, nullptr, &h);
        return h;
    }

    AppSettingsRecord m_savedSettings;
    ScreenMetrics m_savedMetrics;
    StandIn m_frame;
    StandIn m_panel;
    Windows m_windows;
    std::unique_ptr<CDlgChoicedCaptureWindow> m_chooser;
};

TEST_F(Chooser, ListsTheWindowsWithTheFrameLastAndDropsFromTheButton)
{
    Add(11, QStringLiteral("Kestrel frame"));
    Add(12, QStringLiteral("エディタ"));
    Add(13, QStringLiteral("ブラウザ"));
    CDlgChoicedCaptureWindow& chooser = Open();

    CMyListCtrl& list = chooser.List();
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(0, 0), QStringLiteral("エディタ"));
    EXPECT_EQ(list.GetItemText(2, 0), QStringLiteral("Kestrel frame"));
    ASSERT_NE(list.GetImageList(LVSIL_SMALL), nullptr);
    EXPECT_EQ(list.GetImageList(LVSIL_SMALL)->GetImageCount(), 3);
    EXPECT_TRUE(chooser.IsGuarded());
    EXPECT_TRUE(chooser.GetWidget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // Left at the button's left, one caption below its top; as tall as the rows and margins.
    RECT r;
    chooser.GetWindowRect(&r);
    RECT button = ChooserButtonScreenRect();
    EXPECT_EQ(r.left, button.left);
    EXPECT_EQ(r.top, button.top + 23);
    RECT client;
    chooser.GetClientRect(&client);
    EXPECT_EQ(client.bottom, 2 * 5 + 3 * RowHeight());
}

TEST_F(Chooser, TheRowUnderThePointerIsTheOnlySelectedOne)
{
    for (unsigned long id = 21; id < 25; ++id)
        Add(id, QStringLiteral("窓 %1").arg(id));
    CDlgChoicedCaptureWindow& chooser = Open();
    const int h = RowHeight();
    auto move = [&](int y) {
        SendMouse(Viewport(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(8, y));
    };
    move(h + 1);
    EXPECT_EQ(chooser.HotRow(), 1);
    move(3 * h + h / 2);
    EXPECT_EQ(chooser.HotRow(), 3);
    EXPECT_EQ(chooser.List().GetItemState(1, LVIS_SELECTED), 0u);
    EXPECT_EQ(chooser.List().GetItemState(3, LVIS_SELECTED), LVIS_SELECTED);
}

TEST_F(Chooser, AClickAsksThePanelToCaptureThatWindowAndTheGuardHoldsTheClose)
{
    Add(31, QStringLiteral("一"));
    Add(32, QStringLiteral("二"));
    CDlgChoicedCaptureWindow& chooser = Open();
    MouseClick(Viewport(), QPoint(8, RowHeight() + 2));
    PumpFor(50);
    ASSERT_EQ(m_panel.Count(WM_CLIPCTL_CAPTURE), 1);
    EXPECT_EQ(m_panel.received.front(),
        std::make_tuple(UINT(WM_CLIPCTL_CAPTURE), WPARAM(3), reinterpret_cast<LPARAM>(H(32))));
    // The click's close came during the guard: the chooser stays.
    EXPECT_EQ(m_frame.Count(WM_FRAME_CLOSE_CAPTURELIST), 0);

    chooser.SendMessage(WM_CLOSE);
    EXPECT_EQ(m_frame.Count(WM_FRAME_CLOSE_CAPTURELIST), 0);
    chooser.SendMessage(WM_TIMER, kChooserGuardTimer);
    EXPECT_FALSE(chooser.IsGuarded());
    chooser.SendMessage(WM_CLOSE);
    EXPECT_EQ(m_frame.Count(WM_FRAME_CLOSE_CAPTURELIST), 1);
    EXPECT_EQ(g_pWindowList, nullptr);  // the list is freed with the close
}

TEST_F(Chooser, AnEmptyDesktopClosesItAtOnce)
{
    Open();
    EXPECT_FALSE(m_chooser->IsGuarded());
    EXPECT_TRUE(PumpUntil([&] { return m_frame.Count(WM_FRAME_CLOSE_CAPTURELIST) == 1; }, 1000));
}

}  // namespace
