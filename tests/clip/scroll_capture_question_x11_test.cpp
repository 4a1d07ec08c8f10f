// The scroll-capture question on a real display: the icon a foreign window
// sets for itself (_NET_WM_ICON) is shown; without a window manager, a window
// without one shows none.
#include "clip/scroll_capture_question.h"
#include "platform/gdi/gdi_icons.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/pump_until.h"
#include "tests/support/x11_fixture_windows.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The icon the question shows for the target, read while it runs.
QImage ShownIcon(HWND target)
{
    QImage shown;
    CDlgQueryScrollCapture dialog(target, QStringLiteral("xmessage"));
    QTimer::singleShot(0, [&] {
        PumpFor(5);
        if (auto* icon =
                reinterpret_cast<GdiIcon*>(dialog.SendDlgItemMessage(IDC_QUERY_SCROLL_ICON, STM_GETICON)))
            shown = icon->image;
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    return shown;
}

TEST(ScrollCaptureQuestionX11, ShowsTheIconAForeignWindowSetsForItself)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    FixtureDisplay fixtures;
    ASSERT_TRUE(fixtures.isOpen());
    FixtureWindowRecipe withIcon;
    withIcon.title = QStringLiteral("browser with icon");
    withIcon.icon = {2, 2, 0xFF112233u, 0xFF112233u, 0xFF112233u, 0xFF112233u};
    FixtureWindowRecipe without;
    without.title = QStringLiteral("browser without icon");
    const HWND iconWindow = fixtures.Create(withIcon);
    const HWND plainWindow = fixtures.Create(without);
    ASSERT_NE(iconWindow, nullptr);
    ASSERT_NE(plainWindow, nullptr);

    const QImage icon = ShownIcon(iconWindow);
    ASSERT_EQ(icon.size(), QSize(2, 2));
    EXPECT_EQ(icon.pixel(0, 0), 0xFF112233u);
    // A window manager may give a window without an icon one of its own.
    if (!Desktop().windows.HasWindowManager()) {
        EXPECT_TRUE(ShownIcon(plainWindow).isNull());
    }

    fixtures.Destroy(iconWindow);
    fixtures.Destroy(plainWindow);
}

}  // namespace
