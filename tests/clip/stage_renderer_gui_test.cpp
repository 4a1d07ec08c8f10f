// The stage's composed picture read back from QImage-backed DCs: the image
// at one image pixel per screen pixel and at the fitted (reduced) zoom, the
// pixel grid pixel by pixel, the highlight outside a range in every style,
// the coordinate labels, the centre marker and clipped measure lines.
#include "clip/stage_measure_lines.h"
#include "clip/stage_renderer.h"
#include "clip/stage_zoom.h"
#include "core/settings/app_settings.h"
#include "imaging/dib_helpers.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "tests/support/image_fixtures.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

// A destination surface: a memory DC over a bitmap of one colour.
struct Surface {
    CDC dc;
    CBitmap bitmap;
    Surface(int w, int h, COLORREF fill = RGB(0, 0, 0))
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, w, h);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, w, h, fill);
    }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
};

// A 24-bit holder whose picture pixel (x, y) has the colour f gives it, with its display bitmap.
void FillHolder(
    CLoadBitmap_for_Dlg* holder, CDC* dc, int w, int h, const std::function<COLORREF(int, int)>& f)
{
    ASSERT_TRUE(FillPatternHolder(holder, w, h, 24));
    const std::uint32_t stride = GetDibStride(24, w);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            BYTE* p = holder->bits + static_cast<std::size_t>(h - 1 - y) * stride + 3 * x;
            const COLORREF c = f(x, y);
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    ASSERT_EQ(holder->CreateBitmap(dc->GetSafeHdc()), 1);
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
        std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
        std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

constexpr int kOriginX = 3, kOriginY = 28;

class StageRenderer : public testing::Test {
protected:
    void SetUp() override
    {
        AppSettings = AppSettingsRecord();
        AppSettings.BltRopMode = 1;
        AppSettings.BlackWhiteLevel = 8;
        AppSettings.LevelPixelGrid = 10;
        AppSettings.ScaleLineWidth = 1;
    }
    void TearDown() override { AppSettings = m_saved; }

    // A stage of an image w x h shown in a client area cw x ch, fitted.
    void Show(int w, int h, int cw, int ch, const std::function<COLORREF(int, int)>& f)
    {
        zoom.SetOrigin(kOriginX, kOriginY);  // where the view sits in the stage: not in the back buffer
        zoom.SetImageSize(w, h);
        zoom.SetClientSize(cw, ch);
        zoom.Reset();
        ASSERT_EQ(renderer.CreateBackBuffer(&display.dc, SIZE{cw, ch}), 1);
        FillHolder(&holder, renderer.BackBuffer().GetMemDC(), w, h, f);
    }
    COLORREF Back(int x, int y) { return renderer.BackBuffer().GetMemDC()->GetPixel(x, y); }

    ImageSettingsScope imageSettings;
    AppSettingsRecord m_saved = AppSettings;
    Surface display{4, 4};
    CStageZoom zoom;
    CStageRenderer renderer{&zoom};
    CLoadBitmap_for_Dlg holder;
};

COLORREF Uniform(int, int)
{
    return RGB(100, 200, 40);
}

}  // namespace

TEST_F(StageRenderer, NothingWithoutABackBuffer)
{
    Surface s(10, 10);
    StageOverlayState overlay;
    EXPECT_EQ(renderer.Render(nullptr, overlay, nullptr, kRenderAll, &s.dc), 0);
    EXPECT_EQ(renderer.BuildHighlightBuffer(), 0);
}

TEST_F(StageRenderer, OneImagePixelPerScreenPixelCopiesThePartExactly)
{
    Show(64, 48, 32, 24, [](int x, int y) { return PatternColor(x, y, 64, 48, 24); });
    zoom.SetVisibleImageRect(10, 42, 5, 29);
    ASSERT_EQ(zoom.visibleRect.left, 10);
    ASSERT_EQ(zoom.VisibleWidth(), 32);
    Surface s(34, 26, RGB(1, 1, 1));
    ASSERT_EQ(renderer.Render(&holder, StageOverlayState{}, nullptr, kRenderAll, &s.dc), 1);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(s.At(1 + x, 1 + y), PatternColor(10 + x, 5 + y, 64, 48, 24)) << x << "," << y;
    EXPECT_EQ(s.At(0, 0), RGB(1, 1, 1));  // the surface's frame stays
    EXPECT_EQ(s.At(33, 25), RGB(1, 1, 1));
}

TEST_F(StageRenderer, BackBufferMadeAgainIsClearedAtEverySize)
{
    // The size of the last layout again (the buffer is kept), then another.
    Show(64, 48, 32, 24, [](int x, int y) { return PatternColor(x, y, 64, 48, 24); });
    ASSERT_EQ(renderer.Render(&holder, StageOverlayState{}, nullptr, kRenderAll, nullptr), 1);
    ASSERT_NE(Back(31, 23), RGB(255, 255, 255));
    const HGDIOBJ kept = renderer.BackBuffer().GetMemDC()->GetCurrentBitmap()->GetSafeHandle();
    for (const SIZE size : {SIZE{32, 24}, SIZE{20, 30}}) {
        ASSERT_EQ(renderer.CreateBackBuffer(&display.dc, size), 1);
        CBitmap* bitmap = renderer.BackBuffer().GetMemDC()->GetCurrentBitmap();
        ASSERT_NE(bitmap, nullptr);
        BITMAP info;
        ASSERT_TRUE(bitmap->GetBitmap(&info));
        EXPECT_EQ(info.bmWidth, size.cx);
        EXPECT_EQ(info.bmHeight, size.cy);
        if (size.cx == 32) {
            EXPECT_EQ(bitmap->GetSafeHandle(), kept);
        }
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                ASSERT_EQ(Back(x, y), RGB(255, 255, 255)) << size.cx << ": " << x << "," << y;
    }
}

TEST_F(StageRenderer, FittedReductionIsSmoothed)
{
    // Each 2 x 2 block varies by 0..30 around its base: smoothing gives base + 15,
    // picking one pixel would give base, +10, +20 or +30.
    const auto base = [](int bx, int by) { return (bx * 7 + by * 5) % 200; };
    Show(64, 48, 32, 24, [&](int x, int y) {
        const int v = base(x / 2, y / 2) + (x & 1) * 20 + (y & 1) * 10;
        return RGB(v, v, 255 - v);
    });
    Surface s(34, 26);
    ASSERT_EQ(renderer.Render(&holder, StageOverlayState{}, nullptr, kRenderAll, &s.dc), 1);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x) {
            const int v = base(x, y) + 15;
            ASSERT_TRUE(Near(s.At(1 + x, 1 + y), RGB(v, v, 255 - v), 3)) << x << "," << y;
        }
}

TEST_F(StageRenderer, GridMatchesPixelByPixel)
{
    // 20 x 10 pixels over 202 x 101: 10.1 screen pixels per image pixel.
    AppSettings.ShowPixelGrid = 1;
    AppSettings.GridColor = RGB(255, 0, 0);
    Show(20, 10, 202, 101, Uniform);
    const std::set<int> at{
        10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 111, 121, 131, 141, 151, 161, 171, 181, 191};
    const std::set<int> atY{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    ASSERT_EQ(renderer.Render(&holder, StageOverlayState{}, nullptr, kRenderGrid, nullptr), 1);
    for (int y = 0; y < 101; ++y)
        for (int x = 0; x < 202; ++x) {
            const bool line = (at.count(x) && y >= 1) || (atY.count(y) && x >= 1);
            ASSERT_EQ(Back(x, y), line ? RGB(255, 0, 0) : Uniform(0, 0)) << x << "," << y;
        }

    // Not with flags 0, nor below the level (10.1 rounds to 10).
    for (int flags : {0, 2}) {
        AppSettings.LevelPixelGrid = flags == 0 ? 10 : 11;
        ASSERT_EQ(renderer.Render(&holder, StageOverlayState{}, nullptr, flags, nullptr), 1);
        EXPECT_EQ(Back(10, 5), Uniform(0, 0)) << flags;
    }
}

TEST_F(StageRenderer, HighlightOutsideTheRange)
{
    struct Case {
        const char* name;
        int method;
        BYTE style;
        UINT rop;
        COLORREF highlightColor;
        COLORREF outside;
    };
    // The picture is RGB(100, 200, 40) everywhere.
    const Case cases[] = {
        {"wheel, darker", 3, 1, 1, 0, RGB(50, 136, 20)},
        {"wheel, lighter", 3, 2, 1, 0, RGB(155, 228, 101)},
        {"two clicks, darker", 2, 1, 1, 0, RGB(50, 136, 20)},
        {"exclusive or with the highlight colour", 3, 1, SRCINVERT, RGB(128, 128, 128), RGB(228, 72, 168)},
        {"pattern and source", 3, 1, MERGECOPY, RGB(0xF0, 0x0F, 0xFF), RGB(96, 8, 40)},
    };
    Show(40, 30, 40, 30, Uniform);
    for (const Case& c : cases) {
        AppSettings.HighlightZoomAreaClick = AppSettings.HighlightZoomAreaWheel = c.style;
        AppSettings.BltRopMode = c.rop;
        AppSettings.HighlightColor = c.highlightColor;
        StageOverlayState overlay;
        overlay.selecting = true;
        overlay.method = c.method;
        overlay.bandStarted = true;
        overlay.bandRect = RECT{4, 4, 9, 9};
        overlay.wheelRangeClient = RECT{4, 4, 9, 9};
        ASSERT_EQ(renderer.BuildHighlightBuffer(), 1);
        ASSERT_EQ(renderer.Render(&holder, overlay, nullptr, kRenderAll, nullptr), 1);
        // The wheel range's right and bottom edges belong to it, the band's do not.
        const int last = c.method == 3 ? 9 : 8;
        EXPECT_EQ(Back(4, 4), Uniform(0, 0)) << c.name;
        EXPECT_EQ(Back(last, last), Uniform(0, 0)) << c.name;
        EXPECT_EQ(Back(last + 1, last + 1), c.outside) << c.name;
        EXPECT_EQ(Back(3, 3), c.outside) << c.name;
        const QImage* image = renderer.BackBuffer().GetMemDC()->GetImage();
        EXPECT_EQ(qAlpha(image->pixel(20, 20)), 255) << c.name;

        // Without the buffer to restore from, nothing is highlighted.
        renderer.FreeHighlightBuffer();
        ASSERT_EQ(renderer.Render(&holder, overlay, nullptr, kRenderAll, nullptr), 1);
        EXPECT_EQ(Back(3, 3), Uniform(0, 0)) << c.name;
    }
}

TEST_F(StageRenderer, LabelsBeforeAndAfterTheFirstPoint)
{
    AppSettings.ViewRangeCorr = 1;
    AppSettings.SelRangeCorrXYColor = RGB(0, 0, 250);
    AppSettings.SelRangeCorrXYColorBk = RGB(250, 250, 0);
    Show(20, 15, 200, 150, Uniform);
    zoom.ClientToImagePixel(POINT{kOriginX + 55, kOriginY + 65});  // the cursor over image pixel (5, 6)
    const auto measure = [](const QString& text) { return SIZE{static_cast<LONG>(text.size() * 7), 16}; };
    CCoordLabelOverlay& labels = renderer.Labels();

    auto texts = [&]() {
        QStringList out;
        for (const PlacedLabel& l : labels.Layout(POINT{5, 6}, zoom.visibleRect, measure))
            out << l.text;
        return out;
    };
    EXPECT_EQ(texts(), QStringList{QStringLiteral("( 5 : 6 )")});
    labels.SetStartPoint(2, 3);
    EXPECT_EQ(texts(),
        (QStringList{QStringLiteral("( 2 : 3 )"), QStringLiteral("( 5 : 6 )"), QStringLiteral("( 4 : 4 )")}));

    // Rendered: the labels' colours reach the surface.
    StageOverlayState overlay;
    overlay.selecting = true;
    overlay.cursorImagePoint = POINT{5, 6};
    Surface s(202, 152);
    ASSERT_EQ(renderer.Render(&holder, overlay, nullptr, kRenderAll, &s.dc), 1);
    int text = 0, back = 0;
    for (int y = 0; y < 152; ++y)
        for (int x = 0; x < 202; ++x) {
            const COLORREF c = s.At(x, y);
            back += c == RGB(250, 250, 0);
            text += GetBValue(c) > GetRValue(c) + 100;  // the blue text, smoothed at its edges
        }
    EXPECT_GT(text, 0);
    EXPECT_GT(back, 0);
    EXPECT_EQ(s.At(1, 1), Uniform(0, 0));  // the key colour is left out
}

TEST_F(StageRenderer, WheelRangeLabelsAnchorAtTheNearerEdge)
{
    AppSettings.ViewRangeCorr = 1;
    AppSettings.SmoothClip = 1;
    Show(20, 15, 200, 150, Uniform);  // 10 client pixels per image pixel
    struct Case {
        RECT client;
        RECT fixed;
        RECT range;
    };
    const Case cases[] = {
        {{20, 20, 79, 59}, {}, {2, 2, 7, 5}},           // left half: anchored at the start
        {{120, 100, 179, 139}, {}, {12, 10, 17, 13}},   // right and lower half: at the end
        {{20, 20, 79, 59}, {3, 4, 9, 8}, {3, 4, 9, 8}}  // a fixed range is taken as it is
    };
    for (const Case& c : cases) {
        CCoordLabelOverlay& labels = renderer.Labels();
        labels.Reset();
        labels.SetFixedRect(1, c.fixed);
        labels.SetRangeSize(5, 3);
        RECT reported{};
        renderer.SetRangeDoneHandler([&](const RECT& r) { reported = r; });
        StageOverlayState overlay;
        overlay.selecting = true;
        overlay.method = 3;
        overlay.wheelRangeClient = c.client;
        overlay.cursorImagePoint = POINT{1, 1};
        ASSERT_EQ(renderer.Render(&holder, overlay, nullptr, kRenderAll, nullptr), 1);
        EXPECT_EQ(reported.left, c.range.left);
        EXPECT_EQ(reported.top, c.range.top);
        EXPECT_EQ(reported.right, c.range.right);
        EXPECT_EQ(reported.bottom, c.range.bottom);
    }
}

TEST_F(StageRenderer, CentreMarkerCrossesTheRange)
{
    AppSettings.ViewCenterMarker = 1;
    AppSettings.SelCenterMarkerColor = RGB(9, 9, 9);
    Show(40, 30, 40, 30, Uniform);
    StageOverlayState overlay;
    overlay.selecting = true;
    overlay.method = 2;  // two clicks: only once the band has started
    overlay.bandRect = RECT{10, 10, 30, 20};
    ASSERT_EQ(renderer.Render(&holder, overlay, nullptr, kRenderAll, nullptr), 1);
    EXPECT_EQ(Back(20, 10), Uniform(0, 0));
    overlay.bandStarted = true;
    ASSERT_EQ(renderer.Render(&holder, overlay, nullptr, kRenderAll, nullptr), 1);
    EXPECT_EQ(Back(20, 10), RGB(9, 9, 9));   // the vertical line at x = 20
    EXPECT_EQ(Back(10, 15), RGB(9, 9, 9));   // the horizontal line at y = 15
    EXPECT_EQ(Back(20, 16), Uniform(0, 0));  // a gap of the dash-dot pattern
}

namespace {

// Lines in measure units; draw points split their fractions like the measure tool.
class FakeMeasureLines : public StageMeasureLines {
public:
    std::vector<std::pair<POINT, POINT>> lines;
    int LineCount() const override { return static_cast<int>(lines.size()); }
    POINT GetPoint(int line, int end) const override
    {
        return end == 1 ? lines[line].first : lines[line].second;
    }
    MeasureDrawPoint GetDrawPoint(int line, int end, double sx, double sy) const override
    {
        const POINT p = GetPoint(line, end);
        return MeasureDrawPoint{POINT{p.x / 10000, p.y / 10000},
            POINT{
                static_cast<int>(p.x % 10000 / 10000.0 * sx), static_cast<int>(p.y % 10000 / 10000.0 * sy)}};
    }
    COLORREF LineColor(int line) const override { return RGB(line + 1, 0, 0); }
};

}  // namespace

TEST_F(StageRenderer, MeasureLinesAreCutAtTheView)
{
    Show(40, 30, 80, 60, Uniform);  // 2 client pixels per image pixel
    FakeMeasureLines measure;
    measure.lines = {
        {{25000, 25000}, {500000, 25000}},  // from pixel (2.5, 2.5) out through the right edge
        {{-1, -1}, {100000, 100000}},       // unset start: skipped
        {{-50000, 0}, {-10000, 290000}},    // left of the view: skipped
    };
    ASSERT_EQ(renderer.Render(&holder, StageOverlayState{}, &measure, 0, nullptr), 1);
    EXPECT_EQ(Back(5, 5), RGB(1, 0, 0));    // the inside end at 2 x 2 + 1
    EXPECT_EQ(Back(79, 5), RGB(1, 0, 0));   // runs to the view's right edge
    EXPECT_EQ(Back(8, 2), RGB(1, 0, 0));    // the square (half size 3) round the inside end
    EXPECT_EQ(Back(76, 2), Uniform(0, 0));  // none at the cut end
    for (int y = 0; y < 60; ++y)
        EXPECT_NE(Back(1, y), RGB(3, 0, 0));
}
