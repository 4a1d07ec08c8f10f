// The frame keeps the overview window: zooming the real stage opens it (only
// while the settings want it), the whole view closes it, and the frame's end
// closes it with the rest; the application's filter ends an overview drag
// when the pointer leaves the window.
#include "app/main_frame.h"
#include "clip/sky_window.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "platform/window/pointer_position.h"
#include "tests/support/frame_app_fixture.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class MainFrameSkyGui : public FrameAppTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QImage picture(1600, 1200, QImage::Format_RGB32);
        picture.fill(qRgb(40, 90, 160));
        m_png = m_dir.filePath(QStringLiteral("picture.png"));
        ASSERT_TRUE(picture.save(m_png));
        FrameAppTest::SetUp();
    }

    CDlgViewStage& Stage() { return *m_frame->GetViewStage(); }
    void OpenAndZoomIn()
    {
        ASSERT_NE(Stage().RequestOpenImageFile(m_png), 0);
        Stage().SendMessage(WM_STAGE_ZOOM, 1, 0);
        Stage().SendMessage(WM_STAGE_ZOOM, 1, 0);
    }

    QString m_png;
};

TEST_F(MainFrameSkyGui, ZoomingOpensTheOverviewAndTheWholeViewClosesIt)
{
    AppSettings.ShowZoomDlg = 1;
    OpenAndZoomIn();
    ASSERT_TRUE(m_frame->IsSkyWindowOpen());
    const HWND sky = m_frame->Window(AppWindow::OverviewWindow);
    ASSERT_NE(sky, nullptr);
    EXPECT_TRUE(::IsWindowVisible(sky));
    // Its first paint brings the stage's image with the view framed.
    EXPECT_TRUE(PumpUntil([&] { return m_frame->GetSkyWindow()->FrameRect().right > 0; }, 1000));
    // Left of the stage, below the control panel.
    RECT s{};
    RECT o{};
    RECT p{};
    ::GetWindowRect(Stage().GetSafeHwnd(), &s);
    ::GetWindowRect(sky, &o);
    ::GetWindowRect(m_frame->Window(AppWindow::ControlPanel), &p);
    EXPECT_EQ(o.right, s.left - 1);
    EXPECT_EQ(o.top, p.bottom + 1);
    EXPECT_LE(o.bottom, m_frame->m_rcWorkArea.bottom);

    Stage().SendMessage(WM_STAGE_ZOOM, 0, 0);
    EXPECT_FALSE(m_frame->IsSkyWindowOpen());
    EXPECT_EQ(m_frame->Window(AppWindow::OverviewWindow), nullptr);
}

TEST_F(MainFrameSkyGui, TheSettingKeepsItClosed)
{
    AppSettings.ShowZoomDlg = 0;
    EXPECT_EQ(m_frame->SendMessage(WM_FRAME_OPEN_SKY), 0);
    OpenAndZoomIn();
    EXPECT_FALSE(m_frame->IsSkyWindowOpen());
    AppSettings.ShowZoomDlg = 1;
}

TEST_F(MainFrameSkyGui, TheFilterEndsADragWhenThePointerLeavesTheOverview)
{
    AppSettings.ShowZoomDlg = 1;
    OpenAndZoomIn();
    CDlgSkyWindow* sky = m_frame->GetSkyWindow();
    ASSERT_NE(sky, nullptr);
    sky->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    sky->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 25));
    ASSERT_TRUE(sky->IsDragging());

    RECT o{};
    sky->GetWindowRect(&o);
    MSG msg{};
    msg.hwnd = sky->GetSafeHwnd();
    msg.message = WM_MOUSEMOVE;
    SetCursorPos((o.left + o.right) / 2, (o.top + o.bottom) / 2);
    m_app->PreTranslateMessage(&msg);
    EXPECT_TRUE(sky->IsDragging());  // inside: the drag goes on
    SetCursorPos(o.right + 40, o.top + 5);
    m_app->PreTranslateMessage(&msg);
    EXPECT_FALSE(sky->IsDragging());
}

TEST_F(MainFrameSkyGui, TheFramesEndClosesAnOpenOverview)
{
    AppSettings.ShowZoomDlg = 1;
    OpenAndZoomIn();
    ASSERT_TRUE(m_frame->IsSkyWindowOpen());
    m_frame->SendMessage(WM_CLOSE);
    PumpUntil([&] { return !m_frame->GetSafeHwnd(); }, 2000);
    EXPECT_EQ(m_frame->m_pSkyWindow, nullptr);
}

}  // namespace
