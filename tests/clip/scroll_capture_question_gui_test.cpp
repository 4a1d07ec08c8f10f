// The scroll-capture question: its texts, the target's icon from the desktop
// (or none), its answers, and its place with the pointer moved to its centre.
#include "clip/scroll_capture_question.h"
#include "core/app_state.h"
#include "platform/gdi/gdi_icons.h"
#include "platform/window/frame_work_area.h"
#include "platform/window/pointer_position.h"
#include "platform/x11/null_desktop_services.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const HWND kTarget = reinterpret_cast<HWND>(quintptr{0x4a0001});

// A desktop whose one window has the icon given (none when null).
class IconWindowList : public NullWindowList {
public:
    QImage icon;
    bool QueryWindow(HWND window, unsigned what, DesktopWindowInfo& info) override
    {
        info = DesktopWindowInfo{};
        if (window != kTarget)
            return false;
        info.exists = true;
        if (what & kQueryIcon)
            info.icon = icon;
        return true;
    }
};

// The frame's answer about the view stage.
struct StageSource : AppStateSource {
    HWND stage = nullptr;
    RECT rect{};
    HWND Window(AppWindow which) const override { return which == AppWindow::ViewStage ? stage : nullptr; }
    RECT WindowRect(HWND) const override { return rect; }
};

class ScrollCaptureQuestion : public testing::Test {
protected:
    void SetUp() override
    {
        SetDesktopServicesForTesting(&m_services);
        SetAppStateSource(&m_frame);
    }
    void TearDown() override
    {
        SetAppStateSource(nullptr);
        SetDesktopServicesForTesting(nullptr);
    }

    static INT_PTR Run(
        CDlgQueryScrollCapture& dialog, const std::function<void(CDlgQueryScrollCapture&)>& script)
    {
        return RunModalScript(dialog, script);
    }
    static void Click(CDlgQueryScrollCapture& d, int id)
    {
        MouseClick(d.GetDlgItem(id)->GetWidget(), QPoint(5, 5));
    }
    static GdiIcon* ShownIcon(CDlgQueryScrollCapture& d)
    {
        return reinterpret_cast<GdiIcon*>(d.SendDlgItemMessage(IDC_QUERY_SCROLL_ICON, STM_GETICON));
    }

    IconWindowList m_windows;
    NullWindowControl m_control;
    NullScreenGrab m_grab;
    NullCursor m_cursor;
    NullPointerConfinement m_pointer;
    NullInput m_input;
    DesktopServices m_services{m_windows, m_control, m_grab, m_cursor, m_pointer, m_input};
    StageSource m_frame;
};

TEST_F(ScrollCaptureQuestion, ShowsTheTargetsIconAndTheBrowserAndAnswersWithItsButtons)
{
    m_windows.icon = QImage(16, 16, QImage::Format_ARGB32);
    m_windows.icon.fill(0xffff0000);
    QString caption, browser, yes, no;
    bool onTop = false;
    QSize iconSize;
    CDlgQueryScrollCapture dialog(kTarget, QStringLiteral("Firefox ウェブブラウザ 0123456789 abcdefghij"));
    const INT_PTR result = Run(dialog, [&](CDlgQueryScrollCapture& d) {
        caption = d.GetWindowText();
        onTop = d.GetWidget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        d.GetDlgItemText(IDC_QUERY_SCROLL_BROWSER, browser);
        d.GetDlgItemText(IDOK, yes);
        d.GetDlgItemText(IDCANCEL, no);
        if (GdiIcon* icon = ShownIcon(d))
            iconSize = icon->image.size();
        Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, QStringLiteral("スクロールキャプチャ確認"));
    EXPECT_TRUE(onTop);
    EXPECT_EQ(
        browser, QStringLiteral("Firefox ウェブブラウザ 0123456789 abcdefghij").left(kBrowserNameMaxChars));
    EXPECT_EQ(yes, QStringLiteral("はい\n( スクロールキャプチャ )"));
    EXPECT_EQ(no, QStringLiteral("いいえ\n( 通常のキャプチャ )"));
    EXPECT_EQ(iconSize, QSize(16, 16));
}

TEST_F(ScrollCaptureQuestion, WindowWithoutIconLeavesTheControlEmptyAndCancelMeansNormal)
{
    for (const HWND target : {kTarget, static_cast<HWND>(nullptr)}) {
        bool empty = false;
        CDlgQueryScrollCapture dialog(target, QStringLiteral("Chrome"));
        const INT_PTR result = Run(dialog, [&](CDlgQueryScrollCapture& d) {
            empty = ShownIcon(d) == nullptr;
            Click(d, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_TRUE(empty);
    }
}

TEST_F(ScrollCaptureQuestion, GoesBesideTheStageOrToTheMiddleWithThePointerAtItsCentre)
{
    const RECT work = QueryAvailableScreenRect();
    ASSERT_GT(work.right - work.left, 500);
    ASSERT_GT(work.bottom - work.top, 400);
    struct Case {
        const char* name;
        bool stage;
    };
    for (const Case& c : {Case{"beside the stage", true}, Case{"no stage", false}}) {
        m_frame.stage = c.stage ? reinterpret_cast<HWND>(quintptr{0x4a0002}) : nullptr;
        m_frame.rect = RECT{work.left + 40, work.top + 300, work.left + 400, work.top + 380};
        RECT placed{};
        POINT pointer{};
        CDlgQueryScrollCapture dialog(kTarget, QStringLiteral("Chrome"));
        Run(dialog, [&](CDlgQueryScrollCapture& d) {
            d.GetWindowRect(&placed);
            GetCursorPos(&pointer);
            Click(d, IDCANCEL);
        });
        const SIZE size{placed.right - placed.left, placed.bottom - placed.top};
        const POINT expected = c.stage ? POINT{work.left + 40, work.top + 300 - size.cy / 2}
                                       : POINT{work.left + (work.right - work.left - size.cx) / 2,
                                             work.top + (work.bottom - work.top - size.cy) / 2};
        EXPECT_EQ(placed.left, expected.x) << c.name;
        EXPECT_EQ(placed.top, expected.y) << c.name;
        EXPECT_EQ(pointer.x, expected.x + size.cx / 2) << c.name;
        EXPECT_EQ(pointer.y, expected.y + size.cy / 2) << c.name;
    }
}

}  // namespace
