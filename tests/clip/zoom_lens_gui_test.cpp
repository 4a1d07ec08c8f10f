// The zoom lens over a real view stage: its pixels are the stage image's,
// magnified cell by cell; dragging and the wheel ask the stage for a new
// square; a click posts the pixel under it to the frame and a drag or a
// wide press-and-release posts no pixel.
#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "clip/zoom_lens.h"
#include "clip/zoom_lens_geometry.h"
#include "core/frame_messages.h"
#include "tests/clip/view_stage_fixture.h"

namespace {

// The frame's answers with the stage, the frame and the panel in place.
class LensWindows : public AppStateSource {
public:
    HWND frame = nullptr, stage = nullptr, panel = nullptr;
    HWND Window(AppWindow w) const override
    {
        switch (w) {
        case AppWindow::MainFrame:
            return frame;
        case AppWindow::ViewStage:
            return stage;
        case AppWindow::ControlPanel:
            return panel;
        default:
            return nullptr;
        }
    }
};

class ZoomLensTest : public ViewStageTest {
protected:
    void SetUp() override
    {
        ViewStageTest::SetUp();
        OpenPanel();
        AppSettings.ImageComplement = 0;  // nearest pixel: cells of one colour
        AppSettings.ShowPixelGrid = 0;
        AppSettings.SelRangeColor = RGB(255, 0, 255);
        lensWindows.frame = frame.GetSafeHwnd();
        lensWindows.stage = stage.GetSafeHwnd();
        lensWindows.panel = panel.GetSafeHwnd();
        SetAppStateSource(&lensWindows);
        stage.ShowWindow(SW_SHOW);
        ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("p.png"), picture)), 1);
    }
    void TearDown() override
    {
        if (lens) {
            lens->DestroyWindow();
            lens.reset();
        }
        SetAppStateSource(&windows);
        ViewStageTest::TearDown();
    }

    // The lens on the square at (left, top), as the frame makes it.
    void OpenLens(int left, int top)
    {
        CClipImageSlot* slot = nullptr;
        RECT r{left, top, left + 29, top + 29};
        ASSERT_EQ(
            stage.SendMessage(WM_STAGE_CROP, reinterpret_cast<WPARAM>(&slot), reinterpret_cast<LPARAM>(&r)),
            1);
        lens = std::make_unique<CDlgZoomLens>(r, picture.width(), picture.height(), slot);
        ASSERT_TRUE(lens->Create(&frame));
        lens->ShowWindow(SW_SHOW);
    }
    LPARAM At(POINT picture) const
    {
        return MAKELPARAM(picture.x + kZoomLensMargin, picture.y + kZoomLensMargin);
    }
    void Move(POINT p) { lens->SendMessage(WM_MOUSEMOVE, 0, At(p)); }
    void Press(POINT p) { lens->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(p)); }
    void Release(POINT p) { lens->SendMessage(WM_LBUTTONUP, 0, At(p)); }
    void Wheel(POINT p, short delta)
    {
        POINT screen{p.x + kZoomLensMargin, p.y + kZoomLensMargin};
        lens->ClientToScreen(&screen);
        lens->SendMessage(
            WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), MAKELPARAM(screen.x, screen.y));
    }
    QImage Lens() { return *lens->GetDlgItem(IDC_ZOOM_LENS_PICTURE)->GetSurface(); }
    // The clicks posted to the frame, as (x, y).
    QList<QPoint> Clicks()
    {
        PumpFor(20);
        QList<QPoint> clicks;
        for (const RecordingWindow::Message& m : frame.received)
            if (m.message == WM_FRAME_ZOOMLENS_CLICK)
                clicks.append(QPoint(static_cast<int>(m.wParam), static_cast<int>(m.lParam)));
        return clicks;
    }
    // Every cell of the lens (but the cross-hair's) shows its image pixel.
    void ExpectCellsShowTheSource(POINT crossHair)
    {
        const RECT s = lens->SourceRect();
        const int side = s.right - s.left + 1;
        const int cell = lens->LensSide() / side;
        const QImage shown = Lens();
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i) {
                int x = i * cell + cell / 2, y = j * cell + cell / 2;
                if (x == crossHair.x - 1)
                    ++x;
                if (y == crossHair.y - 1)
                    ++y;
                ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, picture.pixel(s.left + i, s.top + j) & 0xFFFFFF)
                    << "cell " << i << "," << j;
            }
    }

    const QImage picture = PatternImage(200, 160);
    LensWindows lensWindows;
    std::unique_ptr<CDlgZoomLens> lens;
};

TEST_F(ZoomLensTest, TheLensShowsTheStagePixelsMagnifiedWithTheCrossHair)
{
    OpenLens(50, 40);
    CDC* dc = lens->GetDC();
    EXPECT_EQ(lens->LensSide(), ZoomLensSide(dc->GetDeviceCaps(HORZSIZE), dc->GetDeviceCaps(HORZRES)));
    lens->ReleaseDC(dc);
    RECT window;
    lens->GetWindowRect(&window);
    EXPECT_EQ(window.right - window.left, lens->LensSide() + 10);

    const POINT p{105, 117};
    Move(p);
    ExpectCellsShowTheSource(p);
    const QImage shown = Lens();
    EXPECT_EQ(shown.pixel(3, p.y - 1) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(shown.pixel(p.x - 1, 250) & 0xFFFFFF, 0xFF00FFu);
    // The pixel under the pointer goes to the control panel.
    const int cell = lens->LensSide() / 30;
    EXPECT_EQ(lens->PickedPixel().x, 50 + p.x / cell);
    EXPECT_EQ(lens->PickedPixel().y, 40 + p.y / cell);
    ASSERT_GE(panel.Count(WM_CLIPCTL_SHOW_POINT), 1);
    EXPECT_EQ(panel.received.last().lParam, 1);

    // Enter and Esc leave it open.
    lens->SendMessage(WM_COMMAND, IDOK, 0);
    lens->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_NE(lens->GetSafeHwnd(), nullptr);
}

TEST_F(ZoomLensTest, AClickPostsThePixelUnderThePressAndAWideOneNone)
{
    OpenLens(50, 40);
    const int cell = lens->LensSide() / 30;
    Move(POINT{42, 64});
    Press(POINT{42, 64});
    Release(POINT{45, 61});  // 3 px: still a click
    Press(POINT{42, 64});
    Release(POINT{47, 64});  // 5 px apart
    Press(POINT{-3, 64});    // on the margin around the picture: no pixel there
    Release(POINT{-3, 64});
    EXPECT_EQ(Clicks(), (QList<QPoint>{QPoint(50 + 42 / cell, 40 + 64 / cell), QPoint(-1, -1)}));
}

TEST_F(ZoomLensTest, DraggingPansTheSourceUpToTheImageEdgeAndPicksNothing)
{
    OpenLens(50, 40);
    const int halfCell = lens->LensSide() / 30 / 2;
    Press(POINT{200, 100});
    Move(POINT{200 - 10 * halfCell, 100 + 4 * halfCell});
    EXPECT_EQ(lens->SourceRect().left, 60);
    EXPECT_EQ(lens->SourceRect().top, 36);
    Move(POINT{0, 100 + 4 * halfCell});
    ExpectCellsShowTheSource(POINT{0, 100 + 4 * halfCell});
    // Far to the right: the square stops at the edge, 30 x 30.
    Release(POINT{0, 100});
    for (int stroke = 0; stroke < 3; ++stroke) {
        Press(POINT{280, 100});
        Move(POINT{0, 100});
        Release(POINT{0, 100});
    }
    const RECT s = lens->SourceRect();
    EXPECT_EQ(s.right, 199);
    EXPECT_EQ(s.right - s.left + 1, 30);
    EXPECT_EQ(s.bottom - s.top + 1, 30);
    EXPECT_TRUE(Clicks().isEmpty()) << "a drag never picks a pixel";
}

TEST_F(ZoomLensTest, TheWheelZoomsInOnceAroundThePixelAndOutAgain)
{
    OpenLens(50, 40);
    const POINT p{150, 150};
    Move(p);
    const POINT pixel = lens->PickedPixel();
    Wheel(p, 120);
    EXPECT_EQ(lens->Level(), 1);
    const RECT in = lens->SourceRect();
    EXPECT_EQ(in.left, pixel.x - 7);
    EXPECT_EQ(in.top, pixel.y - 7);
    EXPECT_EQ(in.right - in.left + 1, 15);
    ExpectCellsShowTheSource(p);

    Wheel(p, 120);  // a second roll forward does nothing
    EXPECT_EQ(lens->Level(), 1);
    EXPECT_EQ(lens->SourceRect().left, in.left);

    Wheel(p, -120);
    EXPECT_EQ(lens->Level(), 0);
    EXPECT_EQ(lens->SourceRect().right - lens->SourceRect().left + 1, 30);
}

}  // namespace
