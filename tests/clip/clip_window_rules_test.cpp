// The clip window's arithmetic: first size, zoom notches with the snap and
// the stop at 1:1, the title, the first place with the cascade and the
// twelfth window, the colour under a point, and the writers' messages.
#include "clip/clip_window_rules.h"

#include <QList>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr SIZE kMax{1536, 864};  // four fifths of 1920 x 1080

bool Same(SIZE a, SIZE b)
{
    return a.cx == b.cx && a.cy == b.cy;
}

}  // namespace

TEST(ClipWindowRules, FirstSizeIsTheClipOrSqueezedAtItsRatio)
{
    EXPECT_TRUE(Same(ClipMaxShownSize(1920, 1080), kMax));
    EXPECT_TRUE(Same(ClipMaxShownSize(1023, 767), SIZE{816, 612}));  // divided by 5 first
    struct Case {
        SIZE image;
        SIZE shown;
    };
    const Case cases[] = {
        {{100, 80}, {100, 80}},
        {{3000, 1000}, {1536, 512}},  // too wide
        {{1000, 3000}, {288, 864}},   // too high
        {{1536, 100}, {1536, 100}},   // reaching the width squeezes (here to itself)
        {{4000, 2000}, {1536, 768}},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(Same(ClipInitialShownSize(c.image, kMax), c.shown)) << c.image.cx << "x" << c.image.cy;
}

TEST(ClipWindowRules, WheelNotchesScaleSnapAndStopOnceAtTheClipsSize)
{
    // 100 x 80 one notch in with 110 %.
    ClipZoomStep step = ClipZoomByNotch(0, true, 110, {100, 80}, kMax, {100, 80});
    EXPECT_EQ(step.level, 1);
    EXPECT_TRUE(Same(step.shown, {110, 88}));

    // 405 x 300: one notch out snaps to 370 x 274, one notch in comes back to
    // exactly 405 x 300 (not the snapped 410 x 303).
    step = ClipZoomByNotch(0, false, 110, {405, 300}, kMax, {405, 300});
    EXPECT_EQ(step.level, -1);
    EXPECT_TRUE(Same(step.shown, {370, 274}));
    step = ClipZoomByNotch(step.level, true, 110, {405, 300}, kMax, step.shown);
    EXPECT_EQ(step.level, 0);
    EXPECT_TRUE(Same(step.shown, {405, 300}));

    // A tall clip snaps its height.
    step = ClipZoomByNotch(0, true, 110, {300, 405}, kMax, {300, 405});
    EXPECT_TRUE(Same(step.shown, {332, 450}));  // 330 x 446 -> 446 snaps to 450, 450 x 330 / 446 truncated
}

TEST(ClipWindowRules, ZoomingStopsAtTheLargestSizeAndAboveFivePixels)
{
    // Out: the level stays where a side is still above 5 pixels.
    int level = 0;
    SIZE shown{40, 10};
    for (int i = 0; i < 40; ++i) {
        const ClipZoomStep step = ClipZoomByNotch(level, false, 150, {40, 10}, kMax, shown);
        level = step.level, shown = step.shown;
    }
    EXPECT_TRUE(shown.cx > 5 || shown.cy > 5);
    const ClipZoomStep further = ClipZoomByNotch(level, false, 150, {40, 10}, kMax, shown);
    EXPECT_EQ(further.level, level);
    EXPECT_TRUE(Same(further.shown, shown));

    // In: never beyond the largest shown size.
    level = 0;
    shown = SIZE{1000, 500};
    for (int i = 0; i < 10; ++i) {
        const ClipZoomStep step = ClipZoomByNotch(level, true, 120, {1000, 500}, kMax, shown);
        level = step.level, shown = step.shown;
        EXPECT_LE(shown.cx, kMax.cx);
        EXPECT_LE(shown.cy, kMax.cy);
    }
    EXPECT_EQ(level, 2);  // 1.44 fits, 1.728 does not

    // A clip above the largest size zooms from its squeezed size.
    const ClipZoomStep big = ClipZoomByNotch(0, false, 200, {3072, 864}, kMax, {1536, 432});
    EXPECT_TRUE(Same(big.shown, {770, 216}));  // 768 x 216 snapped: 76.8 -> 77 tens
}

TEST(ClipWindowRules, TitleNamesTheNumberFactorAndSize)
{
    EXPECT_EQ(ClipWindowTitle(0, {100, 80}, {100, 80}), QStringLiteral("Clip1 1.000倍 (100×80)"));
    EXPECT_EQ(ClipWindowTitle(0, {110, 88}, {100, 80}), QStringLiteral("Clip1 1.100倍 (110×88)"));
    EXPECT_EQ(ClipWindowTitle(11, {370, 274}, {405, 300}), QStringLiteral("Clip12 0.914倍 (370×274)"));
}

TEST(ClipWindowRules, OuterSizeHoldsButtonsAndPicture)
{
    const ClipFrameFigures f{23, 8, 8};
    // The buttons are wider than a small picture.
    EXPECT_TRUE(
        Same(ClipWindowOuterSize(400, 44, RECT{4, 44, 106, 126}, f), {400 + 16 + 5, 23 + 5 + 16 + 82 + 44}));
    // A wide picture sets the width.
    EXPECT_TRUE(
        Same(ClipWindowOuterSize(400, 44, RECT{4, 44, 606, 126}, f), {606 + 16 + 5, 23 + 5 + 16 + 82 + 44}));
}

TEST(ClipWindowRules, FirstPlaceCentresCascadesAndRemembers)
{
    ClipPlacementInput in;
    in.size = SIZE{300, 200};
    in.centred = POINT{700, 400};
    in.captionHeight = 23;
    in.screen = SIZE{1920, 1080};
    in.workArea = RECT{0, 0, 1920, 1040};

    // Alone: centred.
    EXPECT_EQ(ClipInitialPosition(in).x, 700);
    EXPECT_EQ(ClipInitialPosition(in).y, 400);

    // Cascaded from the previous window by the caption height.
    in.previous = RECT{100, 100, 400, 300};
    EXPECT_EQ(ClipInitialPosition(in).x, 123);
    EXPECT_EQ(ClipInitialPosition(in).y, 123);

    // Leaving the screen on the right (beyond width - 35) or the bottom
    // (beyond height - 2.5 captions): back to the centred place.
    in.previous = RECT{1600, 100, 1900, 300};
    EXPECT_EQ(ClipInitialPosition(in).x, 700);
    in.previous = RECT{100, 820, 400, 1020};
    EXPECT_EQ(ClipInitialPosition(in).y, 400);  // 843 + 200 > 1080 - 57

    // The remembered place wins when it is used and set.
    in.previous = RECT{};
    in.useRemembered = true;
    in.remembered = POINT{50, 60};
    EXPECT_EQ(ClipInitialPosition(in).x, 50);
    EXPECT_EQ(ClipInitialPosition(in).y, 60);
    in.remembered = POINT{-1, 60};
    EXPECT_EQ(ClipInitialPosition(in).x, 700);
    in.useRemembered = false;
    in.remembered = POINT{50, 60};
    EXPECT_EQ(ClipInitialPosition(in).x, 700);
}

TEST(ClipWindowRules, TheTwelfthWindowCascadesFromTheEleventhOrIsCentred)
{
    // Windows 1 to 11 cascade from the first; the twelfth from the eleventh.
    ClipPlacementInput in;
    in.size = SIZE{300, 200};
    in.centred = POINT{500, 300};
    in.captionHeight = 23;
    in.screen = SIZE{1920, 1080};
    RECT previous{};
    for (int i = 0; i < 12; ++i) {
        in.previous = previous;
        const POINT p = ClipInitialPosition(in);
        EXPECT_EQ(p.x, 500 + 23 * i);
        EXPECT_EQ(p.y, 300 + 23 * i);
        previous = RECT{p.x, p.y, p.x + in.size.cx, p.y + in.size.cy};
    }
    // The same row of twelve from a low start runs off the bottom: the
    // twelfth goes back to the centre.
    in.previous = RECT{500, 23 * 10 + 600, 800, 23 * 10 + 800};
    EXPECT_EQ(ClipInitialPosition(in).y, 300);
}

TEST(ClipWindowRules, FirstPlaceStaysInsideTheWorkAreasTopAndLeft)
{
    ClipPlacementInput in;
    in.size = SIZE{300, 900};
    in.captionHeight = 23;
    in.screen = SIZE{1920, 1080};
    in.workArea = RECT{0, 30, 1920, 1080};
    // A tall clip centred above the screen: x goes to 0 as before, and y
    // comes down to the work area instead of hiding the caption.
    in.centred = POINT{700, -50};
    EXPECT_EQ(ClipInitialPosition(in).x, 0);
    EXPECT_EQ(ClipInitialPosition(in).y, 30);
    in.centred = POINT{-20, 10};
    EXPECT_EQ(ClipInitialPosition(in).x, 0);
    EXPECT_EQ(ClipInitialPosition(in).y, 30);
    // A remembered place off the work area is brought back too.
    in.useRemembered = true;
    in.remembered = POINT{-400, -300};
    EXPECT_EQ(ClipInitialPosition(in).x, 0);
    EXPECT_EQ(ClipInitialPosition(in).y, 30);
}

TEST(ClipWindowRules, ColourAtAPointReadsTheBottomUpDib)
{
    // A 3 x 2 image at 8, 24 and 32 bits; rows are padded to 4 bytes.
    BITMAPINFOHEADER h{};
    h.biWidth = 3;
    h.biHeight = 2;

    // 8 bits: palette entry i is (i, 2i, 3i) as red, green, blue.
    std::vector<RGBQUAD> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[i] = RGBQUAD{static_cast<BYTE>(3 * i), static_cast<BYTE>(2 * i), static_cast<BYTE>(i), 0};
    h.biBitCount = 8;
    const BYTE bits8[] = {4, 5, 6, 0, 1, 2, 3, 0};  // memory row 0 is the bottom row
    ClipPixel p = ClipColorAt(1, 0, 3, h, bits8, palette.data());
    ASSERT_TRUE(p.found);
    EXPECT_EQ(p.paletteIndex, 2);
    EXPECT_EQ(p.color, RGB(2, 4, 6));
    // Shown at twice the size: (5, 3) is pixel (2, 1).
    p = ClipColorAt(5, 3, 6, h, bits8, palette.data());
    EXPECT_EQ(p.paletteIndex, 6);

    h.biBitCount = 24;
    const BYTE bits24[] = {
        1,
        2,
        3,
        4,
        5,
        6,
        7,
        8,
        9,
        0,
        0,
        0,  // bottom row: blue, green, red
        10,
        20,
        30,
        40,
        50,
        60,
        70,
        80,
        90,
        0,
        0,
        0,
    };
    p = ClipColorAt(2, 0, 3, h, bits24, nullptr);
    ASSERT_TRUE(p.found);
    EXPECT_EQ(p.color, RGB(90, 80, 70));
    EXPECT_EQ(p.paletteIndex, -1);
    EXPECT_EQ(ClipColorAt(0, 1, 3, h, bits24, nullptr).color, RGB(3, 2, 1));

    h.biBitCount = 32;
    const BYTE bits32[] = {
        1,
        2,
        3,
        9,
        4,
        5,
        6,
        9,
        7,
        8,
        9,
        9,
        10,
        20,
        30,
        9,
        40,
        50,
        60,
        9,
        70,
        80,
        90,
        9,
    };
    EXPECT_EQ(ClipColorAt(1, 0, 3, h, bits32, nullptr).color, RGB(60, 50, 40));

    // Outside the image: nothing.
    EXPECT_FALSE(ClipColorAt(3, 0, 3, h, bits32, nullptr).found);
    EXPECT_FALSE(ClipColorAt(0, 2, 3, h, bits32, nullptr).found);
    EXPECT_FALSE(ClipColorAt(-1, 0, 3, h, bits32, nullptr).found);
    // Depths it cannot read: nothing.
    h.biBitCount = 16;
    EXPECT_FALSE(ClipColorAt(0, 0, 3, h, bits32, nullptr).found);
}

TEST(ClipWindowRules, WriterCodesHaveTheirMessages)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {1, ""},
        {2, "失敗！: ディスクの容量が足りない可能性があります。"},
        {3, "ファイル保存に必要なメモリの確保に失敗しました。"},
        {4, "ファイルの作成に失敗しました。"},
        {5, "イメージ変換に失敗しました。"},
        {6, "有効なファイル名を取得できませんでした。"},
        {7, "ファイルの保存に失敗しました。"},
        {8, "ファイルの保存に失敗しました。"},
        {9, "対応していないフォーマットです。"},
        {0, "未定義のエラー"},
        {10, "未定義のエラー"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipSaveResultMessage(c.code), QString::fromUtf8(c.text)) << c.code;
}

TEST(ClipWindowRules, SaveSizeBoundsAndTheComboAfterAZoom)
{
    EXPECT_TRUE(ClipSaveSizeAllowed({10, 10}, 10, 500, 400));
    EXPECT_TRUE(ClipSaveSizeAllowed({500, 400}, 10, 500, 400));
    EXPECT_FALSE(ClipSaveSizeAllowed({9, 10}, 10, 500, 400));
    EXPECT_FALSE(ClipSaveSizeAllowed({10, 9}, 10, 500, 400));
    EXPECT_FALSE(ClipSaveSizeAllowed({501, 10}, 10, 500, 400));
    EXPECT_FALSE(ClipSaveSizeAllowed({10, 401}, 10, 500, 400));
    EXPECT_EQ(ClipSaveChoiceAfterZoom({100, 80}, {100, 80}), 0);
    EXPECT_EQ(ClipSaveChoiceAfterZoom({110, 88}, {100, 80}), 1);
}
