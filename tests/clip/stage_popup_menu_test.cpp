#include "clip/stage_messages.h"
#include "clip/stage_popup_menu.h"

#include <gtest/gtest.h>

namespace {

const StagePopupItem* Find(const std::vector<StagePopupItem>& items, UINT id)
{
    for (const StagePopupItem& item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}

bool Grayed(const StagePopupState& s, UINT id)
{
    const std::vector<StagePopupItem> items = StagePopupItems(s);
    const StagePopupItem* item = Find(items, id);
    return item && item->grayed;
}

StagePopupState Idle()
{
    StagePopupState s;
    s.displayScale = 8;
    s.levelPixelGrid = 5;
    return s;
}

}  // namespace

TEST(StagePopupMenu, ItemsSitAtIdFiveHundredPlusTheirPosition)
{
    const std::vector<StagePopupItem> items = StagePopupItems(Idle());
    ASSERT_EQ(items.size(), 23u);
    for (size_t p = 0; p < items.size(); ++p) {
        const bool separator = p == 3 || p == 5 || p == 7 || p == 13 || p == 16 || p == 19 || p == 21;
        EXPECT_EQ(items[p].id, separator ? 0u : 500u + p) << p;
    }
    EXPECT_TRUE(items[12].submenu);
}

TEST(StagePopupMenu, TextsFollowTheirState)
{
    StagePopupState s = Idle();
    EXPECT_EQ(Find(StagePopupItems(s), IDF_SHOW_GRID)->text, QStringLiteral("ピクセルグリッドを表示する"));
    EXPECT_EQ(
        Find(StagePopupItems(s), IDF_COLOR_RADIX)->text, QStringLiteral("マウスポイント色情報の 16 進表示"));
    s.showGrid = true;
    s.colorRadix = 16;
    s.twoClickRunning = true;
    s.bandStarted = true;
    EXPECT_EQ(Find(StagePopupItems(s), IDF_SHOW_GRID)->text, QStringLiteral("ピクセルグリッドを表示しない"));
    EXPECT_EQ(
        Find(StagePopupItems(s), IDF_COLOR_RADIX)->text, QStringLiteral("マウスポイント色情報の 10 進表示"));
    EXPECT_EQ(
        Find(StagePopupItems(s), IDF_TWO_CLICK_RANGE)->text, QStringLiteral("２点クリック範囲選択の中止"));
    EXPECT_EQ(
        Find(StagePopupItems(s), IDF_WHEEL_RANGE)->text, QStringLiteral("マウスホイールモードにスイッチ"));
    s.colorText = QStringLiteral("012 034 056");
    EXPECT_EQ(Find(StagePopupItems(s), IDF_COPY_COLOR_TEXT)->text,
        QStringLiteral("色情報 012 034 056 をクリップボードにコピーする"));
}

TEST(StagePopupMenu, EnableRules)
{
    StagePopupState idle = Idle();
    for (UINT id : {IDF_CENTER_MARKER, IDF_SHOW_RANGE_CORR})
        EXPECT_TRUE(Grayed(idle, id)) << id;
    for (UINT id : {IDF_TWO_CLICK_RANGE, IDF_WHEEL_RANGE, IDF_FIXED_MODE_DIALOG, IDF_SHOW_GRID, IDF_MEASURE,
             IDF_CAPTURE_FULL_SCREEN, IDF_COPY_COLOR_TEXT})
        EXPECT_FALSE(Grayed(idle, id)) << id;

    StagePopupState measuring = Idle();
    measuring.measureOpen = true;
    for (UINT id : {IDF_TWO_CLICK_RANGE, IDF_WHEEL_RANGE, IDF_FIXED_MODE_DIALOG, IDF_AUTO_FILE_NAME,
             IDF_HIT_ZOOM, IDF_CENTER_ZOOM, IDF_HIGHLIGHT_STYLE, IDF_COLOR_RADIX, IDF_COPY_COLOR_TEXT})
        EXPECT_TRUE(Grayed(measuring, id)) << id;
    EXPECT_FALSE(Grayed(measuring, IDF_MEASURE));

    StagePopupState twoClick = Idle();
    twoClick.twoClickRunning = true;
    EXPECT_TRUE(Grayed(twoClick, IDF_WHEEL_RANGE));  // until the first point is set
    EXPECT_TRUE(Grayed(twoClick, IDF_MEASURE));
    for (UINT id : {IDF_FIXED_MODE_DIALOG, IDF_CAPTURE_FULL_SCREEN, IDF_CAPTURE_ACTIVE_WINDOW})
        EXPECT_TRUE(Grayed(twoClick, id)) << id;
    EXPECT_FALSE(Grayed(twoClick, IDF_CENTER_MARKER));
    twoClick.bandStarted = true;
    EXPECT_FALSE(Grayed(twoClick, IDF_WHEEL_RANGE));

    StagePopupState wheel = Idle();
    wheel.wheelRunning = true;
    for (UINT id : {IDF_TWO_CLICK_RANGE, IDF_HIT_ZOOM, IDF_CENTER_ZOOM})
        EXPECT_TRUE(Grayed(wheel, id)) << id;

    StagePopupState coarse = Idle();
    coarse.displayScale = 4;
    EXPECT_TRUE(Grayed(coarse, IDF_SHOW_GRID));
    coarse.displayScale = 5;
    EXPECT_FALSE(Grayed(coarse, IDF_SHOW_GRID));
}

TEST(StagePopupMenu, HighlightStylesAreUsableOnlyDuringASelection)
{
    StagePopupState s = Idle();
    s.highlightStyle = 2;
    for (const StagePopupItem& item : StageHighlightStyleItems(s))
        EXPECT_TRUE(item.grayed);
    s.wheelRunning = true;
    const std::vector<StagePopupItem> styles = StageHighlightStyleItems(s);
    ASSERT_EQ(styles.size(), 3u);
    EXPECT_EQ(styles[0].text, QStringLiteral("枠で囲んで表示"));
    EXPECT_FALSE(styles[0].grayed);
    EXPECT_TRUE(styles[2].checked);
    EXPECT_FALSE(styles[0].checked);
}

TEST(StagePopupMenu, ColorTextInBothRadixesFromTheLowByteUp)
{
    const COLORREF color = RGB(1, 34, 255);
    EXPECT_EQ(ColorText(color, 10), QStringLiteral("001 034 255"));
    EXPECT_EQ(ColorText(color, 16), QStringLiteral("0122ff"));
    EXPECT_EQ(ColorText(static_cast<COLORREF>(-1), 10), QStringLiteral("255 255 255"));
}

TEST(StagePopupMenu, PicturesFollowTheirState)
{
    StagePopupState off;
    off.highlightStyle = 2;
    StagePopupState on = off;
    on.twoClickRunning = on.showGrid = on.measureOpen = on.autoFileName = true;
    on.colorRadix = 16;
    struct Case {
        UINT id;
        int onPicture;
        int offPicture;
    };
    for (const Case& c : {Case{IDF_TWO_CLICK_RANGE, 220, 219}, Case{IDF_SHOW_GRID, 229, 228},
             Case{IDF_MEASURE, 355, 354}, Case{IDF_AUTO_FILE_NAME, 393, 394}, Case{IDF_COLOR_RADIX, 236, 237},
             Case{IDF_HIGHLIGHT_STYLE, 270, 270}, Case{IDF_CLOSE_MENU, 0, 0}}) {
        EXPECT_EQ(Find(StagePopupItems(on), c.id)->bitmapId, c.onPicture) << c.id;
        EXPECT_EQ(Find(StagePopupItems(off), c.id)->bitmapId, c.offPicture) << c.id;
    }
    const std::vector<StagePopupItem> styles = StageHighlightStyleItems(off);
    EXPECT_EQ(styles[0].bitmapId, 227);
    EXPECT_EQ(styles[1].bitmapId, 226);
    EXPECT_EQ(styles[2].bitmapId, 270);
}
