// Zooming and panning the view stage with synthesized wheel, mouse and
// command messages: the point under the pointer, the zoom commands, dragging,
// the glide, the one-to-one button, hit zoom, double-click centring and the
// zoom lens's source.
#include "clip/overview_window_messages.h"
#include "clip/stage_messages.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "platform/window/pointer_position.h"
#include "tests/clip/view_stage_fixture.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QTimer>
#include <cmath>

namespace {

class ViewStageZoom : public ViewStageTest {
protected:
    void SetUp() override
    {
        ViewStageTest::SetUp();
        AppSettings.CenterZoom = 0;
        AppSettings.SmoothMove = 0;
        stage.ShowWindow(SW_SHOW);
        ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("big.png"), PatternImage(2400, 1600))), 1);
    }

    CPoint ViewPoint(int x, int y) const
    {
        const RECT v = stage.ViewRectangle();
        return CPoint(v.left + x, v.top + y);
    }
    POINT Screen(CPoint p)
    {
        POINT s{p.x, p.y};
        stage.ClientToScreen(&s);
        return s;
    }
    // The image pixel the view shows at a stage client point.
    POINT PixelAt(POINT p) const
    {
        const CStageZoom& z = stage.Zoom();
        const double perClientX = static_cast<double>(z.VisibleWidth()) / z.clientWidth;
        const double perClientY = static_cast<double>(z.VisibleHeight()) / z.clientHeight;
        return POINT{z.visibleRect.left + static_cast<LONG>(std::floor((p.x - z.originX) * perClientX)),
            z.visibleRect.top + static_cast<LONG>(std::floor((p.y - z.originY) * perClientY))};
    }
    POINT CursorClient()
    {
        POINT c{};
        GetCursorPos(&c);
        stage.ScreenToClient(&c);
        return c;
    }
    void Wheel(CPoint p, short delta)
    {
        const POINT s = Screen(p);
        stage.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), MAKELPARAM(s.x, s.y));
    }
    void Zoom(int direction) { stage.SendMessage(WM_STAGE_ZOOM, static_cast<WPARAM>(direction), 0); }
    double Ratio() const
    {
        return static_cast<double>(stage.Zoom().clientWidth) / stage.Zoom().VisibleWidth();
    }
    RECT Visible() const { return stage.Zoom().visibleRect; }
    void Press(CPoint p) { stage.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void Drag(CPoint p) { stage.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void Release(CPoint p) { stage.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }
    // A right click at p whose pop-up is closed unchosen: the stage keeps the point.
    void RightClick(CPoint p)
    {
        QTimer::singleShot(0, [] {
            PumpUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
        });
        stage.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
};

TEST_F(ViewStageZoom, TheWheelZoomsAtThePointerAndPutsItBackOnTheSamePixel)
{
    const int before = stage.Zoom().VisibleWidth();
    for (const CPoint at : {ViewPoint(300, 200), ViewPoint(700, 100), ViewPoint(20, 500)}) {
        SCOPED_TRACE(testing::Message() << at.x << "," << at.y);
        const POINT q = PixelAt(POINT{at.x, at.y});
        Wheel(at, 120);
        const POINT p = PixelAt(CursorClient());
        EXPECT_LE(std::abs(p.x - q.x), 1);
        EXPECT_LE(std::abs(p.y - q.y), 1);
    }
    EXPECT_LT(stage.Zoom().VisibleWidth(), before);
    EXPECT_GE(frame.Count(WM_FRAME_OPEN_SKY), 1);

    // Out again, step by step, to the fit view.
    for (int i = 0; i < 3; ++i)
        Wheel(ViewPoint(300, 200), -120);
    EXPECT_EQ(stage.Zoom().VisibleWidth(), before);
    EXPECT_FALSE(stage.Zoom().IsPartView());
}

TEST_F(ViewStageZoom, TheWheelOutsideTheViewOrWithTheStageHiddenDoesNothing)
{
    const int before = stage.Zoom().VisibleWidth();
    const RECT v = stage.ViewRectangle();
    Wheel(CPoint(v.left - 2, v.top + 10), 120);
    EXPECT_EQ(stage.Zoom().VisibleWidth(), before);
    stage.ShowWindow(SW_HIDE);
    Wheel(ViewPoint(100, 100), 120);
    EXPECT_EQ(stage.Zoom().VisibleWidth(), before);
}

TEST_F(ViewStageZoom, ZoomCommandsStepAtTheCentreAndZeroReturnsToTheFitView)
{
    const RECT fit = Visible();
    // The first steps may grow the view instead of the magnification.
    for (int i = 0; i < 10 && Visible().right - Visible().left == fit.right - fit.left; ++i)
        Zoom(1);
    const RECT in = Visible();
    EXPECT_LT(in.right - in.left, fit.right - fit.left);
    // At the surface's centre: the centre pixel stays near the middle.
    EXPECT_LE(std::abs((in.left + in.right) / 2 - (fit.left + fit.right) / 2), 4);
    Zoom(1);
    Zoom(-1);
    // Back at the same level; the centred step may round the place by a pixel.
    EXPECT_EQ(Visible().right - Visible().left, in.right - in.left);
    EXPECT_LE(std::abs(Visible().left - in.left), 1);
    frame.received.clear();
    Zoom(0);
    EXPECT_EQ(Visible().left, fit.left);
    EXPECT_EQ(Visible().right, fit.right);
    EXPECT_EQ(Visible().bottom, fit.bottom);
    EXPECT_EQ(stage.Zoom().level, 0);
    EXPECT_EQ(frame.Count(WM_FRAME_CLOSE_SKY), 1);
}

TEST_F(ViewStageZoom, ADragPansByWholeImagePixelsAndNoGlideWithoutSmoothMove)
{
    for (int i = 0; i < 4; ++i)
        Zoom(1);
    const RECT start = Visible();
    const double ratio = Ratio();
    ASSERT_GT(ratio, 1.0);
    Press(ViewPoint(400, 300));
    for (int x = 410; x <= 460; x += 10)
        Drag(ViewPoint(x, 300));
    Release(ViewPoint(460, 300));
    const RECT after = Visible();
    EXPECT_EQ(after.right - after.left, start.right - start.left);
    EXPECT_EQ(after.top, start.top);
    // 60 client pixels to the right: the view moves left by that many image pixels, whole ones.
    EXPECT_LT(after.left, start.left);
    EXPECT_LE(std::abs((start.left - after.left) - static_cast<int>(60 / ratio)), 1);
    PumpFor(250);
    EXPECT_EQ(Visible().left, after.left);

    // A move without the button ends the drag: no more panning.
    Press(ViewPoint(400, 300));
    stage.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ViewPoint(420, 300).x, ViewPoint(420, 300).y));
    Drag(ViewPoint(480, 300));
    EXPECT_EQ(Visible().left, after.left);
    Release(ViewPoint(480, 300));
}

TEST_F(ViewStageZoom, TheMiddleButtonDragsAsTheLeftOneDoes)
{
    for (int i = 0; i < 4; ++i)
        Zoom(1);
    const RECT start = Visible();
    const CPoint from = ViewPoint(400, 300);
    stage.SendMessage(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(from.x, from.y));
    for (int x = 410; x <= 460; x += 10) {
        const CPoint p = ViewPoint(x, 300);
        stage.SendMessage(WM_MOUSEMOVE, MK_MBUTTON, MAKELPARAM(p.x, p.y));
    }
    const CPoint to = ViewPoint(460, 300);
    stage.SendMessage(WM_MBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_LT(Visible().left, start.left);
}

TEST_F(ViewStageZoom, AFlickGlidesByShrinkingStepsAndTheGlideStops)
{
    AppSettings.SmoothMove = 1;
    for (int i = 0; i < 3; ++i)
        Zoom(1);
    ASSERT_LE(Ratio(), 6.0);
    // The press is no drag position: four positions make the three moves of 30.
    Press(ViewPoint(200, 300));
    Drag(ViewPoint(230, 300));
    Drag(ViewPoint(260, 300));
    Drag(ViewPoint(290, 300));
    Drag(ViewPoint(320, 300));
    const RECT dragged = Visible();
    Release(ViewPoint(320, 300));
    // 30, 20, 13, 9, 6, 4, 2, 2, 1: the first at once, the rest on the timer.
    EXPECT_EQ(Visible().left, dragged.left - 30);
    PumpUntil([&] { return Visible().left == dragged.left - 87; }, 3000);
    EXPECT_EQ(Visible().left, dragged.left - 87);
    EXPECT_EQ(Visible().top, dragged.top);
    PumpFor(350);
    EXPECT_EQ(Visible().left, dragged.left - 87);

    // A press stops a running glide.
    Press(ViewPoint(200, 300));
    Drag(ViewPoint(230, 300));
    Drag(ViewPoint(260, 300));
    Drag(ViewPoint(290, 300));
    Release(ViewPoint(290, 300));
    const LONG gliding = Visible().left;
    Press(ViewPoint(100, 100));
    PumpFor(350);
    EXPECT_EQ(Visible().left, gliding);
    Release(ViewPoint(100, 100));
}

TEST_F(ViewStageZoom, APressOutsideTheViewStartsNoDrag)
{
    for (int i = 0; i < 3; ++i)
        Zoom(1);
    const RECT start = Visible();
    const RECT v = stage.ViewRectangle();
    Press(CPoint(v.left - 3, v.top + 50));
    Drag(ViewPoint(100, 50));
    Drag(ViewPoint(200, 50));
    EXPECT_EQ(Visible().left, start.left);
    Release(ViewPoint(200, 50));
}

TEST_F(ViewStageZoom, OneToOneReachesOnePixelPerPixelOrTellsWhyNot)
{
    {
        ScriptedMessageBoxes boxes;
        AppSettings.ViewEvenScale = 0;
        stage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_STAGE_ONE_TO_ONE, BN_CLICKED), 0);
        EXPECT_EQ(boxes.Texts(),
            QStringList{QStringLiteral("倍率1.0表示をするには、オプションダイアログの一般タブから\n\n"
                                       "「倍率1.0倍表示する」を有効にして下さい。")});
        EXPECT_FALSE(stage.Zoom().IsPartView());
    }
    AppSettings.ViewEvenScale = 1;
    ScriptedMessageBoxes boxes;
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_STAGE_ONE_TO_ONE, BN_CLICKED), 0);
    const RECT surface = stage.SurfaceRectangle();
    EXPECT_EQ(stage.Zoom().VisibleWidth(), surface.right - surface.left);
    EXPECT_EQ(stage.Zoom().VisibleHeight(), surface.bottom - surface.top);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    // The pointer ends on the surface's centre.
    const POINT c = CursorClient();
    EXPECT_EQ(c.x, surface.left + (surface.right - surface.left) / 2);
    EXPECT_EQ(c.y, surface.top + (surface.bottom - surface.top) / 2);

    // Already one to one: nothing but the pointer.
    const RECT shown = Visible();
    SetCursorPos(0, 0);
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_STAGE_ONE_TO_ONE, BN_CLICKED), 0);
    EXPECT_EQ(Visible().left, shown.left);
    EXPECT_EQ(Visible().right, shown.right);
    EXPECT_EQ(CursorClient().x, c.x);
}

TEST_F(ViewStageZoom, DuringTheWheelSelectionOneToOneRefusesARangeAsLargeAsTheViewAndTheWheelDoesNotZoom)
{
    AppSettings.ClipHorSize = 2000;
    AppSettings.ClipVerSize = 1500;
    g_nRangeSelectMethod = 3;
    stage.SendMessage(WM_COMMAND, ID_STAGE_ENTER_CLIP, 0);
    ASSERT_TRUE(IsWheelClipActive());
    const RECT before = Visible();
    ScriptedMessageBoxes boxes;
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_STAGE_ONE_TO_ONE, BN_CLICKED), 0);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("1倍表示 : 選択範囲を小さくして下さい。")});
    EXPECT_EQ(Visible().right, before.right);
    // The wheel sizes the range while the wheel selection runs: no zoom.
    Wheel(ViewPoint(300, 300), 120);
    EXPECT_EQ(Visible().right, before.right);
    EXPECT_EQ(Visible().left, before.left);
    stage.SendMessage(WM_COMMAND, ID_RB_CANCEL_CLIP_RANGE, 0);
    g_nStageMode = kStageModeNormal;
    g_nRangeSelectMethod = 2;
}

TEST_F(ViewStageZoom, HitZoomGoesInToHitZoomMagAndBackOnTheNextUse)
{
    AppSettings.HitZoomMag = 8;
    const RECT fit = Visible();
    // Without a right click in the view there is no point to zoom at.
    stage.SendMessage(WM_COMMAND, ID_RB_HIT_ZOOM, 0);
    EXPECT_FALSE(stage.HitZoomOn());
    EXPECT_EQ(Visible().right - Visible().left, fit.right - fit.left);

    RightClick(ViewPoint(500, 300));
    const POINT q = PixelAt(POINT{ViewPoint(500, 300).x, ViewPoint(500, 300).y});
    stage.SendMessage(WM_COMMAND, ID_RB_HIT_ZOOM, 0);
    EXPECT_TRUE(stage.HitZoomOn());
    EXPECT_GE(static_cast<int>(Ratio()), 8);
    // Centred on the clicked pixel.
    const RECT in = Visible();
    EXPECT_LE(std::abs((in.left + in.right) / 2 - q.x), 2);
    EXPECT_LE(std::abs((in.top + in.bottom) / 2 - q.y), 2);
    EXPECT_EQ(AppSettings.CenterZoom, 0);

    RightClick(ViewPoint(500, 300));
    stage.SendMessage(WM_COMMAND, ID_RB_HIT_ZOOM, 0);
    EXPECT_FALSE(stage.HitZoomOn());
    EXPECT_EQ(Visible().right - Visible().left, fit.right - fit.left);

    // Any wheel zoom ends a hit zoom.
    RightClick(ViewPoint(500, 300));
    stage.SendMessage(WM_COMMAND, ID_RB_HIT_ZOOM, 0);
    ASSERT_TRUE(stage.HitZoomOn());
    Wheel(ViewPoint(500, 300), -120);
    EXPECT_FALSE(stage.HitZoomOn());
}

TEST_F(ViewStageZoom, HitZoomFromAStartedZoomComesBackToThatZoom)
{
    AppSettings.HitZoomMag = 8;
    Zoom(1);
    Zoom(1);
    const RECT before = Visible();
    RightClick(ViewPoint(500, 300));
    stage.SendMessage(WM_COMMAND, ID_RB_HIT_ZOOM, 0);
    ASSERT_TRUE(stage.HitZoomOn());
    RightClick(ViewPoint(500, 300));
    stage.SendMessage(WM_COMMAND, ID_RB_HIT_ZOOM, 0);
    EXPECT_EQ(Visible().right - Visible().left, before.right - before.left);
}

TEST_F(ViewStageZoom, HitZoomAtRatio25WithHitZoomMag20DoesNothing)
{
    AppSettings.MaxZoomMag = 35;
    AppSettings.HitZoomMag = 20;
    for (int i = 0; i < 40 && Ratio() < 25.0; ++i)
        Zoom(1);
    ASSERT_GE(Ratio(), 25.0);
    const RECT before = Visible();
    RightClick(ViewPoint(300, 300));
    stage.SendMessage(WM_COMMAND, ID_RB_HIT_ZOOM, 0);
    EXPECT_FALSE(stage.HitZoomOn());
    EXPECT_EQ(Visible().left, before.left);
    EXPECT_EQ(Visible().right, before.right);
}

TEST_F(ViewStageZoom, ADoubleClickCentresOnThePointAtTheSameZoom)
{
    stage.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(ViewPoint(300, 300).x, ViewPoint(300, 300).y));
    EXPECT_FALSE(stage.Zoom().IsPartView());  // the whole image: nothing to centre

    for (int i = 0; i < 4; ++i)
        Zoom(1);
    const RECT before = Visible();
    const CPoint at = ViewPoint(200, 150);
    const POINT q = PixelAt(POINT{at.x, at.y});
    stage.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(at.x, at.y));
    const RECT after = Visible();
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_LE(std::abs((after.left + after.right) / 2 - q.x), 2);
    EXPECT_LE(std::abs((after.top + after.bottom) / 2 - q.y), 2);
    const POINT p = PixelAt(CursorClient());
    EXPECT_LE(std::abs(p.x - q.x), 1);
    EXPECT_LE(std::abs(p.y - q.y), 1);
}

TEST_F(ViewStageZoom, TheOverviewJumpCentresOnItsPointAtTheSameZoom)
{
    for (int i = 0; i < 3; ++i)
        Zoom(1);
    const int width = stage.Zoom().VisibleWidth();
    stage.SendMessage(WM_STAGE_SKY_JUMP, 500, 500);
    const RECT v = Visible();
    EXPECT_EQ(v.right - v.left, width);
    EXPECT_LE(std::abs((v.left + v.right) / 2 - 1200), 4);
    EXPECT_LE(std::abs((v.top + v.bottom) / 2 - 800), 4);
}

TEST_F(ViewStageZoom, TheLensSourceIsTheSquareAroundThePointerInsideTheImage)
{
    struct Case {
        CPoint at;  // view point
        RECT r;
    };
    const RECT v = stage.ViewRectangle();
    const LONG w = v.right - v.left;
    const LONG h = v.bottom - v.top;
    const Case cases[] = {
        {CPoint(2, 3), {0, 0, 29, 29}},
        {CPoint(w - 1, h - 1), {2370, 1570, 2399, 1599}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
        const POINT s = Screen(ViewPoint(c.at.x, c.at.y));
        SetCursorPos(s.x, s.y);
        CClipImageSlot* buffer = nullptr;
        RECT r{};
        ASSERT_EQ(stage.SendMessage(
                      WM_STAGE_LENS_SOURCE, reinterpret_cast<WPARAM>(&buffer), reinterpret_cast<LPARAM>(&r)),
            1);
        EXPECT_NE(buffer, nullptr);
        EXPECT_EQ(r.left, c.r.left);
        EXPECT_EQ(r.top, c.r.top);
        EXPECT_EQ(r.right, c.r.right);
        EXPECT_EQ(r.bottom, c.r.bottom);
    }
}

TEST_F(ViewStageZoom, TheLensSourceIsRefusedFromFivePixelsPerPixel)
{
    AppSettings.MaxZoomMag = 35;
    for (int i = 0; i < 40 && Ratio() < 5.0; ++i)
        Zoom(1);
    ASSERT_GE(Ratio(), 5.0);
    CClipImageSlot* buffer = nullptr;
    RECT r{-1, -1, -1, -1};
    EXPECT_EQ(stage.SendMessage(
                  WM_STAGE_LENS_SOURCE, reinterpret_cast<WPARAM>(&buffer), reinterpret_cast<LPARAM>(&r)),
        0);
    EXPECT_EQ(buffer, nullptr);
    EXPECT_EQ(r.left, -1);
}

}  // namespace

namespace {

// The stage's windows with an overview window as well.
class WindowsWithOverview : public StageWindows {
public:
    HWND overview = nullptr;
    HWND Window(AppWindow w) const override
    {
        return w == AppWindow::OverviewWindow ? overview : StageWindows::Window(w);
    }
};

TEST_F(ViewStageZoom, AWheelOverTheOverviewWindowZoomsAtTheViewsCentreAndKeepsItUpToDate)
{
    RecordingWindow overview;
    ASSERT_TRUE(overview.Make());
    const RECT place{1700, 900, 1820, 980};
    overview.MoveWindow(&place);
    WindowsWithOverview withOverview;
    withOverview.overview = overview.GetSafeHwnd();
    SetAppStateSource(&withOverview);

    // Zoom in first so that the step changes the magnification, not the view's size.
    for (int i = 0; i < 3; ++i)
        Zoom(1);
    const RECT before = Visible();
    frame.received.clear();
    overview.received.clear();
    const POINT over{1750, 940};
    stage.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(over.x, over.y));
    const RECT after = Visible();
    EXPECT_LT(after.right - after.left, before.right - before.left);
    // At the centre: the centre stays where it was (the pointer's place would move it).
    EXPECT_LE(std::abs((after.left + after.right) / 2 - (before.left + before.right) / 2), 2);
    EXPECT_LE(std::abs((after.top + after.bottom) / 2 - (before.top + before.bottom) / 2), 2);
    EXPECT_GE(overview.Count(WM_SKY_SET_IMAGE), 1);
    EXPECT_EQ(frame.Count(WM_FRAME_OPEN_SKY), 0);

    // Back to the whole image: the frame closes the overview window.
    Zoom(0);
    EXPECT_EQ(frame.Count(WM_FRAME_CLOSE_SKY), 1);
    SetAppStateSource(&windows);
    overview.DestroyWindow();
}

}  // namespace
