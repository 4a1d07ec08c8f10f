// The stage's zoom geometry: the zoom sequence and its rounding, refusals,
// growing the view, the even-scale snap, pan thresholds and the mapping
// between image and client pixels.
#include "clip/stage_zoom.h"
#include "core/settings/app_settings.h"

#include <gtest/gtest.h>

namespace {

// Sets the zoom settings for one test and puts the old values back.
class ZoomSettings {
public:
    ZoomSettings(int maxMag = 20, int evenScale = 0, int centerZoom = 0)
        : m_maxMag(AppSettings.MaxZoomMag), m_even(AppSettings.ViewEvenScale),
          m_center(AppSettings.CenterZoom)
    {
        AppSettings.MaxZoomMag = maxMag;
        AppSettings.ViewEvenScale = evenScale;
        AppSettings.CenterZoom = centerZoom;
    }
    ~ZoomSettings()
    {
        AppSettings.MaxZoomMag = m_maxMag;
        AppSettings.ViewEvenScale = m_even;
        AppSettings.CenterZoom = m_center;
    }

private:
    int m_maxMag, m_even, m_center;
};

void Fit(CStageZoom& z, int w, int h, int cw, int ch)
{
    z.SetImageSize(w, h);
    z.SetClientSize(cw, ch);
    z.Reset();
}

// One wheel step as the stage takes it: step, maybe grow the view, zoom.
bool StepAt(CStageZoom& z, short d, double step, POINT p, SIZE maxView)
{
    if (z.StepZoom(d, step) == 0.0)
        return false;
    SIZE size{};
    const int k = z.CalcZoomedSize(d, maxView.cx, maxView.cy, &size);
    if (k == 3)
        z.SetClientSize(size.cx, size.cy);
    else
        size = SIZE{z.clientWidth, z.clientHeight};
    z.ZoomToRect(d, k, p, maxView, size);
    return true;
}

void ExpectRect(const RECT& r, int l, int t, int rr, int b)
{
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, rr);
    EXPECT_EQ(r.bottom, b);
}

}  // namespace

TEST(StageZoom, DefaultStepGivesTheZoomSequenceToTheDigit)
{
    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 4000, 3000, 800, 600);
    // Exact products stay as they are; from the fourth step on the eighth
    // decimal rounds up and the zoom is lifted to the next 1e-7.
    const double expected[] = {0.65, 0.42250000000000004, 0.27462500000000006, 0.1785063, 0.1160291,
        0.075418915, 0.0490223, 0.0318645};
    for (double e : expected) {
        ASSERT_TRUE(StepAt(z, 1, 0.35, POINT{400, 300}, SIZE{800, 600}));
        EXPECT_EQ(z.zoom, e) << "level " << z.level;
        EXPECT_EQ(z.previousZoom, e);
    }
    EXPECT_EQ(z.level, 8);
    // 4000 x 0.0318645 = 127.458 image pixels are round(127.458 / 5) = 25
    // whole-image units, shown as 125 image pixels.
    EXPECT_EQ(z.HistoryAt(8).width, 25);
    EXPECT_EQ(z.VisibleWidth(), 125);
}

TEST(StageZoom, RoundZoomUp7OnlyLiftsValuesWhoseEighthDecimalRoundsUp)
{
    EXPECT_EQ(RoundZoomUp7(0.17850625), 0.1785063);
    EXPECT_EQ(RoundZoomUp7(0.42250000000000004), 0.42250000000000004);
    EXPECT_EQ(RoundZoomUp7(0.12345674), 0.12345674);
    EXPECT_EQ(RoundZoomUp7(0.12345675), 0.1234568);
    EXPECT_EQ(RoundZoomUp7(1.0), 1.0);
}

TEST(StageZoom, FitZoomInZoomOutReturnsToTheFitView)
{
    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 1000, 800, 500, 400);
    ASSERT_TRUE(StepAt(z, 1, 0.35, POINT{100, 100}, SIZE{500, 400}));
    ASSERT_TRUE(StepAt(z, 1, 0.35, POINT{300, 200}, SIZE{500, 400}));
    EXPECT_TRUE(z.IsPartView());
    EXPECT_TRUE(z.IsZoomedOrPart());
    ASSERT_TRUE(StepAt(z, -1, 0.35, POINT{300, 200}, SIZE{500, 400}));
    EXPECT_EQ(z.zoom, 0.65);
    ASSERT_TRUE(StepAt(z, -1, 0.35, POINT{300, 200}, SIZE{500, 400}));
    EXPECT_EQ(z.level, 0);
    EXPECT_EQ(z.zoom, 1.0);
    ExpectRect(z.visibleRect, 0, 0, 1000, 800);
    ExpectRect(z.wholeRect, 0, 0, 500, 400);
    EXPECT_FALSE(z.IsPartView());
    EXPECT_FALSE(z.IsZoomedOrPart());

    // One more step out at level 0 is refused and changes no view.
    z.previousZoom = 0.5;
    EXPECT_EQ(z.StepZoom(-1, 0.35), 0.0);
    EXPECT_EQ(z.zoom, 1.0);
    EXPECT_EQ(z.previousZoom, 1.0);
    ExpectRect(z.visibleRect, 0, 0, 1000, 800);
}

TEST(StageZoom, ZoomInRefusals)
{
    ZoomSettings settings(20);
    CStageZoom z;
    Fit(z, 100, 100, 400, 400);
    EXPECT_EQ(z.StepZoom(0, 0.35), 0.0);

    struct Case {
        double ratioX, ratioY;
        bool refused;
    };
    const Case cases[] = {{19.99, 1.0, false}, {20.0, 1.0, true}, {1.0, 20.5, true}, {35.0, 35.0, true}};
    for (const Case& c : cases) {
        z.Reset();
        z.pixelRatioX = c.ratioX;
        z.pixelRatioY = c.ratioY;
        const double r = z.StepZoom(1, 0.35);
        EXPECT_EQ(r == 0.0, c.refused) << c.ratioX << " x " << c.ratioY;
        EXPECT_EQ(z.level, c.refused ? 0 : 1);
        EXPECT_EQ(z.zoom, c.refused ? 1.0 : 0.65);
    }
}

TEST(StageZoom, TopLevelRefusesZoomInButStillZoomsOut)
{
    ZoomSettings settings(35);
    CStageZoom z;
    Fit(z, 10000, 8000, 1000, 800);
    int steps = 0;
    while (StepAt(z, 1, 0.05, POINT{500, 400}, SIZE{1000, 800}))
        ++steps;
    ASSERT_EQ(z.level, CStageZoom::kTopLevel);
    EXPECT_EQ(steps, CStageZoom::kTopLevel);
    const RECT top = z.visibleRect;
    // Out again, level by level, through the stored views.
    ASSERT_TRUE(StepAt(z, -1, 0.05, POINT{500, 400}, SIZE{1000, 800}));
    EXPECT_EQ(z.level, CStageZoom::kTopLevel - 1);
    EXPECT_GT(z.VisibleWidth(), top.right - top.left);
    while (StepAt(z, -1, 0.05, POINT{500, 400}, SIZE{1000, 800})) { }
    EXPECT_EQ(z.level, 0);
    ExpectRect(z.visibleRect, 0, 0, 10000, 8000);
}

TEST(StageZoom, ZoomInGrowsTheViewFirstUpToTheLargestViewAndTheImage)
{
    ZoomSettings settings;
    struct Case {
        int w, h, cw, ch, maxW, maxH;
        double step;
        int result, newW, newH;
        double zoomAfter;
    };
    const Case cases[] = {
        // 400 / 0.65 = 615.38, 300 / 0.65 = 461.5: grows, the zoom step is taken back.
        {4000, 3000, 400, 300, 800, 600, 0.35, 3, 615, 461, 1.0},
        // Capped by the largest view in one direction only: still grows.
        {4000, 3000, 400, 300, 500, 300, 0.35, 3, 500, 300, 1.0},
        // At the largest view already: a real zoom.
        {4000, 3000, 800, 600, 800, 600, 0.35, 0, 800, 600, 0.65},
        // Larger than the image while the client is below it: the image size.
        {500, 400, 400, 300, 800, 600, 0.35, 3, 500, 400, 1.0},
        // A step too small to grow by a pixel still grows by one.
        {4000, 3000, 10, 10, 800, 600, 0.05, 3, 11, 11, 1.0},
    };
    for (const Case& c : cases) {
        CStageZoom z;
        Fit(z, c.w, c.h, c.cw, c.ch);
        ASSERT_NE(z.StepZoom(1, c.step), 0.0);
        SIZE size{};
        EXPECT_EQ(z.CalcZoomedSize(1, c.maxW, c.maxH, &size), c.result) << c.cw << " in " << c.maxW;
        EXPECT_EQ(size.cx, c.newW);
        EXPECT_EQ(size.cy, c.newH);
        EXPECT_EQ(z.zoom, c.zoomAfter);
    }
}

TEST(StageZoom, GrownViewKeepsTheSamePartVisibleAndZoomOutRestoresTheSize)
{
    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 4000, 3000, 400, 300);
    ASSERT_TRUE(StepAt(z, 1, 0.35, POINT{200, 150}, SIZE{800, 600}));
    EXPECT_EQ(z.clientWidth, 615);
    EXPECT_EQ(z.clientHeight, 461);
    // 615 x 461 keeps 4:3 at 615 x 461.25: the whole image stays visible.
    ExpectRect(z.visibleRect, 0, 0, 4000, 3000);
    EXPECT_EQ(z.HistoryAt(1).clientWidth, 615);
    ASSERT_TRUE(StepAt(z, -1, 0.35, POINT{200, 150}, SIZE{800, 600}));
    SIZE size{};
    EXPECT_EQ(z.clientWidth, 400);
    EXPECT_EQ(z.CalcZoomedSize(-1, 800, 600, &size), 0);
}

TEST(StageZoom, EvenScaleSnapsToOneImagePixelPerClientPixel)
{
    struct Case {
        double step;
        int even;
        int visibleWidth;
        double zoom;
    };
    // Image 1000 x 800 in 500 x 400. Zoom 0.502 shows 502 pixels: within
    // 0.5 % above the client width. Zoom 0.49 (490 pixels) crosses below it,
    // zoom 0.51 (510) is too far above. Without the setting a view within
    // half a percent of 1:1 is still shown at 1:1.
    const Case cases[] = {{0.498, 1, 500, 0.5}, {0.498, 0, 500, 0.502}, {0.51, 1, 500, 0.5},
        {0.51, 0, 490, 0.49}, {0.49, 1, 510, 0.51}, {0.49, 0, 510, 0.51}};
    for (const Case& c : cases) {
        ZoomSettings settings(20, c.even);
        CStageZoom z;
        Fit(z, 1000, 800, 500, 400);
        ASSERT_TRUE(StepAt(z, 1, c.step, POINT{250, 200}, SIZE{500, 400}));
        EXPECT_EQ(z.VisibleWidth(), c.visibleWidth) << c.step << " even " << c.even;
        EXPECT_EQ(z.zoom, c.zoom) << c.step << " even " << c.even;
        EXPECT_EQ(z.IsFullScale(), c.visibleWidth == 500);
        if (c.zoom == 0.5) {
            EXPECT_EQ(z.VisibleHeight(), 400);
            EXPECT_EQ(z.previousZoom, 0.5);
            EXPECT_EQ(z.HistoryAt(1).width, 250);
        }
    }
}

TEST(StageZoom, ZoomAtKeepsThePointOrCentresOnIt)
{
    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 800, 600, 400, 300);
    // Not centred: the point keeps its relative place (1/4 across).
    z.ZoomAt(POINT{100, 150}, 200, 150, 0);
    ExpectRect(z.wholeRect, 50, 75, 250, 225);
    ExpectRect(z.visibleRect, 100, 150, 500, 450);
    // Centred, odd size: the extra unit goes right and down.
    z.ZoomAt(POINT{200, 150}, 101, 51, 1);
    ExpectRect(z.wholeRect, 150, 125, 251, 176);
    // Near the edge: shifted inside without resizing.
    z.ZoomAt(POINT{390, 5}, 100, 50, 1);
    ExpectRect(z.wholeRect, 300, 0, 400, 50);
    ExpectRect(z.visibleRect, 600, 0, 800, 100);
    {
        ZoomSettings centre(20, 0, 1);
        z.ZoomAt(POINT{200, 150}, 100, 50, 0);
        ExpectRect(z.wholeRect, 150, 125, 250, 175);
    }
}

TEST(StageZoom, VisibleRectanglesStayInsideImageAndClient)
{
    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 800, 600, 400, 300);
    struct Case {
        int l, r, t, b;
        RECT visible, whole;
    };
    const Case cases[] = {
        {-30, 170, -10, 90, {0, 0, 200, 100}, {0, 0, 100, 50}},
        {700, 900, 550, 650, {600, 500, 800, 600}, {300, 250, 400, 300}},
        {101, 301, 51, 151, {101, 51, 301, 151}, {50, 25, 150, 75}},
    };
    for (const Case& c : cases) {
        z.SetVisibleImageRect(c.l, c.r, c.t, c.b);
        ExpectRect(z.visibleRect, c.visible.left, c.visible.top, c.visible.right, c.visible.bottom);
        ExpectRect(z.wholeRect, c.whole.left, c.whole.top, c.whole.right, c.whole.bottom);
    }
    // At one image pixel per client pixel the visible part is the client size.
    z.SetVisibleImageRect(10, 409, 20, 320);
    EXPECT_TRUE(z.IsFullScale());
    ExpectRect(z.visibleRect, 10, 20, 410, 320);
    // Grown at the image's edge, it stays inside the image.
    z.SetVisibleImageRect(401, 800, 301, 600);
    ExpectRect(z.visibleRect, 400, 300, 800, 600);
    z.SetClientSize(400, 700);  // a client taller than the image
    z.SetVisibleImageRect(0, 400, 0, 600);
    ExpectRect(z.visibleRect, 0, 0, 400, 600);
}

TEST(StageZoom, ImageAndClientMappingRoundTrips)
{
    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 800, 600, 400, 300);
    z.SetOrigin(12, 30);
    // Fit view, two image pixels per client pixel.
    for (int x : {0, 2, 100, 798}) {
        const int y = x / 4 * 2;
        const DoublePoint c = z.ImageToClient(x, y, 1, 1);
        EXPECT_DOUBLE_EQ(c.x, 12 + x / 2.0);
        EXPECT_DOUBLE_EQ(c.y, 30 + y / 2.0);
        const POINT q = z.ClientToImagePixel(POINT{int(c.x), int(c.y)});
        EXPECT_EQ(q.x, x);
        EXPECT_EQ(q.y, y);
        EXPECT_EQ(z.cellOffsetX, 0.0);
    }
    // Four client pixels per image pixel: each client pixel of a cell maps
    // to the same image pixel and records its offset in the cell.
    z.SetVisibleImageRect(100, 200, 100, 175);
    for (int dx = 0; dx < 4; ++dx) {
        const POINT q = z.ClientToImagePixel(POINT{12 + 200 + dx, 30 + 80});
        EXPECT_EQ(q.x, 150);
        EXPECT_EQ(q.y, 120);
        EXPECT_DOUBLE_EQ(z.cellOffsetX, dx);
        EXPECT_EQ(z.pixelRatioX, 4.0);
    }
    const RECT r = z.ImageRectToClient(RECT{150, 120, 151, 121}, 0, 1);
    ExpectRect(r, 200, 80, 204, 84);
    const DoublePoint ratio = z.GetPixelRatio();
    EXPECT_EQ(ratio.x, 0.25);
    // Outside the surface: the nearest edge pixel of the image.
    z.Reset();
    const POINT before = z.ClientToImagePixel(POINT{0, 5});
    EXPECT_EQ(before.x, 0);
    EXPECT_EQ(before.y, 0);
    const POINT after = z.ClientToImagePixel(POINT{5000, 5000});
    EXPECT_EQ(after.x, 799);
    EXPECT_EQ(after.y, 599);
    const POINT scaled = z.ClientToImageScaled(POINT{12 + 101, 30 + 51});
    EXPECT_EQ(scaled.x, 101);
    EXPECT_EQ(scaled.y, 51);
}

TEST(StageZoom, ClientFarNarrowerThanTheImageKeepsAVisiblePart)
{
    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 5000, 100, 10, 100);  // 500 image pixels per client pixel across
    for (int step = 0; step < 3; ++step) {
        ASSERT_TRUE(StepAt(z, 1, 0.35, POINT{5, 50}, SIZE{10, 100}));
        EXPECT_GE(z.HistoryAt(z.level).width, 1) << "step " << step;
        EXPECT_GT(z.VisibleWidth(), 0) << "step " << step;
        EXPECT_GT(z.VisibleHeight(), 0) << "step " << step;
    }
}

TEST(StageZoom, FullScaleOfALargerImageMapsPixelsOneToOne)
{
    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 800, 600, 400, 300);
    z.SetVisibleImageRect(300, 700, 200, 500);
    for (int x : {0, 1, 57, 399}) {
        const POINT q = z.ClientToImagePixel(POINT{x, x % 300});
        EXPECT_EQ(q.x, 300 + x);
        EXPECT_EQ(q.y, 200 + x % 300);
    }
}

TEST(StageZoom, DragThresholdsAndPanning)
{
    struct Case {
        double ratio;
        int moved, threshold;
    };
    const Case cases[] = {{0.5, 0, 8}, {1.0, 0, 8}, {1.5, 0, 1}, {1.99, 0, 1}, {2.0, 0, 4}, {3.0, 0, 4},
        {0.5, 1, 1}, {3.0, 1, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(DragThresholdFor(c.ratio, c.moved), c.threshold) << c.ratio << " moved " << c.moved;

    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 400, 300, 400, 300);
    EXPECT_EQ(z.DragTo(10, 10), 0);  // no drag running
    z.SetVisibleImageRect(100, 200, 100, 175);
    z.ClientToImagePixel(POINT{0, 0});  // pixel ratio 4
    z.BeginDrag(100, 100);
    EXPECT_EQ(z.DragTo(97, 100), 0);  // below the threshold of 4
    EXPECT_EQ(z.dragMoved, 0);
    EXPECT_EQ(z.DragTo(94, 100), 1);  // 6 client pixels left: one image pixel
    EXPECT_EQ(z.dragMoved, 1);
    ExpectRect(z.visibleRect, 101, 100, 201, 175);
    EXPECT_EQ(z.dragX, 96.0);  // the rest of 2 carries over
    EXPECT_EQ(z.DragTo(93, 100), 0);
    EXPECT_EQ(z.DragTo(92, 100), 1);
    // Dragging right moves the visible part left, to the image edge at most.
    EXPECT_EQ(z.DragTo(892, 100), 1);
    ExpectRect(z.visibleRect, 0, 100, 100, 175);
    z.ResetDrag();
    EXPECT_FALSE(z.IsDragging());
    // The whole image in view: nothing to pan.
    z.Reset();
    z.BeginDrag(100, 100);
    EXPECT_EQ(z.DragTo(50, 50), 0);
    // A surface of no width (the stage minimised) pans nothing.
    z.SetVisibleImageRect(100, 200, 100, 175);
    z.SetClientSize(0, 300);
    z.ClientToImagePixel(POINT{0, 0});
    z.BeginDrag(100, 100);
    EXPECT_EQ(z.DragTo(50, 100), 0);
    ExpectRect(z.visibleRect, 100, 100, 200, 175);
}

TEST(StageZoom, HistoryAndSourceRectangleFollowTheView)
{
    ZoomSettings settings;
    CStageZoom z;
    Fit(z, 1000, 800, 500, 400);
    EXPECT_EQ(z.GetHistorySize().cx, 500);
    EXPECT_EQ(z.HistoryAt(0).zoom, 1.0);
    ASSERT_TRUE(StepAt(z, 1, 0.35, POINT{250, 200}, SIZE{500, 400}));
    EXPECT_EQ(z.GetHistorySize().cx, 325);  // round(1000 x 0.65 / 2)
    EXPECT_EQ(z.GetHistorySize().cy, 260);
    // The present view becomes level 0; the level itself stays.
    z.ResetHistory();
    EXPECT_EQ(z.HistoryAt(0).width, 325);
    EXPECT_EQ(z.HistoryAt(0).zoom, 0.65);
    EXPECT_EQ(z.HistoryAt(1).width, 0);
    EXPECT_EQ(z.level, 1);
    // Whole-image units from image pixels, truncated.
    z.SetVisibleImageRect(101, 301, 51, 151);
    z.visibleRect = RECT{101, 51, 303, 153};
    z.UpdateSourceRect();
    ExpectRect(z.wholeRect, 50, 25, 151, 76);
    EXPECT_EQ(CStageZoom::RoundPoint(2.9, -2.9).x, 2);
    EXPECT_EQ(CStageZoom::RoundPoint(2.9, -2.9).y, -2);
}
