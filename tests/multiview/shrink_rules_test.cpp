// The batch shrink's rules: output names and paths, the reduced size, the
// fitting of width and height, the enable rules, the notices, the fixed
// text's check and the free-space test.
#include "multiview/shrink_rules.h"

#include "core/settings/app_settings.h"
#include "multiview/multi_view_menu_rules.h"
#include "res/menu_296_multi_view.h"

#include <gtest/gtest.h>

namespace {

ShrinkChoices Naming(
    int keepName, int fixedText, int front, int zeroFill, int format, const char* text = "s-")
{
    ShrinkChoices c;
    c.keepName = keepName;
    c.fixedText = fixedText;
    c.front = front;
    c.zeroFill = zeroFill;
    c.format = format;
    c.text = QString::fromUtf8(text);
    return c;
}

TEST(ShrinkRules, OutputNamesByTheNamingStep)
{
    struct Case {
        ShrinkChoices choices;
        int k;
        int count;
        const char* expected;
    };
    const Case cases[] = {
        {Naming(1, 1, 1, 1, kShrinkJpeg), 3, 120, "photo.jpg"},  // keep name
        {Naming(1, 0, 0, 1, kShrinkPng), 3, 120, "photo.png"},
        {Naming(0, 1, 1, 0, kShrinkBmp), 1, 1, "s-photo.bmp"},
        {Naming(0, 1, 0, 0, kShrinkJpeg, "_small"), 1, 1, "photo_small.jpg"},
        {Naming(0, 0, 1, 1, kShrinkJpeg), 1, 120, "001-photo.jpg"},
        {Naming(0, 0, 1, 1, kShrinkJpeg), 120, 120, "120-photo.jpg"},
        {Naming(0, 0, 0, 1, kShrinkPng), 7, 120, "photo-007.png"},
        {Naming(0, 0, 1, 0, kShrinkJpeg), 1, 120, "1-photo.jpg"},  // no zero fill
        {Naming(0, 0, 0, 1, kShrinkJpeg), 5, 9, "photo-5.jpg"},    // one digit
        {Naming(0, 0, 0, 1, 3), 5, 9, "photo-5.jpg"},              // any other format writes jpg
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShrinkOutputName("photo", c.k, c.count, c.choices), QString::fromUtf8(c.expected))
            << c.expected;
    // The example always shows a changed name, as for the first file.
    EXPECT_EQ(ShrinkExampleName("IMG", 120, Naming(1, 0, 1, 1, kShrinkPng)), QStringLiteral("001-IMG.png"));
    EXPECT_EQ(ShrinkStem("a.b.jpg"), QStringLiteral("a.b"));
    EXPECT_EQ(ShrinkStem(".jpg"), QStringLiteral(".jpg"));

    ShrinkChoices c;
    c.sameFolder = 1;
    EXPECT_EQ(ShrinkOutputPath("/pics", c, "a.jpg"), QStringLiteral("/pics/a.jpg"));
    EXPECT_EQ(ShrinkOutputPath("/", c, "a.jpg"), QStringLiteral("/a.jpg"));
    c.sameFolder = 0;
    c.outputFolder = "/out/";
    EXPECT_EQ(ShrinkOutputPath("/pics", c, "a.jpg"), QStringLiteral("/out/a.jpg"));
}

TEST(ShrinkRules, TargetSizeByRatioOrFixedSize)
{
    ShrinkChoices c;
    c.ratioMode = 1;
    c.ratio = 50;
    EXPECT_EQ(ShrinkTargetSize(SIZE{640, 480}, c), (SIZE{320, 240}));
    c.ratio = 1;
    EXPECT_EQ(ShrinkTargetSize(SIZE{50, 3}, c), (SIZE{1, 1}));  // each side at least 1
    c.ratio = 300;                                              // kept to 100
    EXPECT_EQ(ShrinkTargetSize(SIZE{64, 48}, c), (SIZE{64, 48}));
    c.ratioMode = 0;
    c.width = 800;
    c.height = 600;
    EXPECT_FALSE(ShrinkTargetSize(SIZE{640, 480}, c).has_value());  // smaller than the target
    EXPECT_FALSE(ShrinkTargetSize(SIZE{1000, 599}, c).has_value());
    EXPECT_EQ(ShrinkTargetSize(SIZE{4000, 3000}, c), (SIZE{800, 600}));
    EXPECT_EQ(ShrinkTargetSize(SIZE{800, 600}, c), (SIZE{800, 600}));
    EXPECT_EQ(RatioSize(SIZE{333, 101}, 33), (SIZE{109, 33}));
}

TEST(ShrinkRules, WidthAndHeightFollowTheReference)
{
    struct Case {
        SIZE reference, first, current, expected;
    };
    const Case fits[] = {
        {{800, 600}, {800, 600}, {1024, 768}, {800, 600}},   // first narrower than the width
        {{800, 600}, {2000, 500}, {1024, 768}, {666, 500}},  // first lower than the height
        {{800, 600}, {4000, 3000}, {1024, 999}, {1024, 768}},
        {{0, 0}, {0, 0}, {640, 480}, {0, 0}},  // an empty reference counts as square
    };
    for (const Case& c : fits)
        EXPECT_EQ(FitShrinkSize(c.reference, c.first, c.current), c.expected)
            << c.expected.cx << "x" << c.expected.cy;

    const SIZE ref{800, 600};
    EXPECT_EQ(ApplyTypedWidth(400, ref, SIZE{640, 480}), (SIZE{400, 300}));
    EXPECT_EQ(ApplyTypedWidth(5000, ref, SIZE{640, 480}), (SIZE{800, 600}));  // up to the reference
    EXPECT_EQ(ApplyTypedWidth(640, ref, SIZE{640, 1}), (SIZE{640, 1}));       // unchanged: nothing derived
    const SIZE twoToOne{800, 400};
    EXPECT_EQ(ApplyTypedHeight(300, twoToOne, SIZE{640, 320}), (SIZE{600, 300}));
    EXPECT_EQ(ApplyTypedHeight(3, twoToOne, SIZE{640, 320}), (SIZE{20, 10}));
    // A very wide reference: the derived height below 10 checks itself.
    const SIZE wide{1000, 20};
    EXPECT_EQ(ApplyTypedWidth(100, wide, SIZE{1000, 20}), (SIZE{500, 10}));
    // A reference narrower than 10 keeps 10.
    EXPECT_EQ(ApplyTypedWidth(50, SIZE{8, 8}, SIZE{8, 8}), (SIZE{10, 10}));
}

TEST(ShrinkRules, EnableRules)
{
    ShrinkChoices c;
    c.ratioMode = 1;
    c.format = kShrinkPng;
    c.sameFolder = 1;
    c.keepName = 1;
    ShrinkEnables e = ShrinkEnablesFor(c);
    EXPECT_TRUE(e.ratioControls);
    EXPECT_FALSE(e.sizeEdits);
    EXPECT_FALSE(e.quality);
    EXPECT_FALSE(e.folderControls);
    EXPECT_FALSE(e.namingControls);
    EXPECT_FALSE(e.exampleShown);
    EXPECT_FALSE(e.fixedTextEdit);
    EXPECT_FALSE(e.zeroFill);
    EXPECT_TRUE(e.overwriteForced);  // keep name in the same folder
    EXPECT_FALSE(e.overwriteEnabled);

    c.ratioMode = 0;
    c.format = kShrinkJpeg;
    c.sameFolder = 0;
    e = ShrinkEnablesFor(c);
    EXPECT_TRUE(e.sizeEdits);
    EXPECT_TRUE(e.quality);
    EXPECT_TRUE(e.folderControls);
    EXPECT_FALSE(e.overwriteForced);
    EXPECT_TRUE(e.overwriteEnabled);

    c.keepName = 0;
    c.fixedText = 1;
    e = ShrinkEnablesFor(c);
    EXPECT_TRUE(e.namingControls && e.exampleShown && e.fixedTextEdit);
    EXPECT_FALSE(e.zeroFill);
    c.fixedText = 0;
    e = ShrinkEnablesFor(c);
    EXPECT_FALSE(e.fixedTextEdit);
    EXPECT_TRUE(e.zeroFill);
}

TEST(ShrinkRules, NoticesLabelsAndChecks)
{
    EXPECT_EQ(ShrinkNoticeFor(1, true).text, QStringLiteral("● 変換条件を上から順にセットして下さい。"));
    EXPECT_FALSE(ShrinkNoticeFor(1, false).warning);
    EXPECT_EQ(
        ShrinkNoticeFor(3, true).text, QStringLiteral("異なる画像サイズのファイルが選択されています。"));
    EXPECT_EQ(
        ShrinkNoticeFor(2, false).text, QStringLiteral("確認 : 異なる縦横比のファイルが選択されています。"));
    EXPECT_TRUE(ShrinkNoticeFor(2, false).warning);
    EXPECT_EQ(ShrinkSizeLabel(SIZE{640, 480}, 12), QStringLiteral("640×480 (12 ﾌｧｲﾙ)"));
    EXPECT_EQ(ShrinkSizeLabel(SIZE{0, 0}, 0), QStringLiteral("--:--"));

    EXPECT_TRUE(ShrinkFixedTextRefusal("small-").isEmpty());
    EXPECT_EQ(ShrinkFixedTextRefusal("a/b"), QStringLiteral("ドライブ及びパスの指定は出来ません。"));
    EXPECT_EQ(ShrinkFixedTextRefusal("..\\x"), QStringLiteral("ドライブ及びパスの指定は出来ません。"));
    EXPECT_EQ(ShrinkFixedTextRefusal(""), QStringLiteral("追加する文字列が入力されていません。"));

    EXPECT_FALSE(IsShrinkDiskLow(999999, 1));
    EXPECT_TRUE(IsShrinkDiskLow(1000000, 1));  // the estimate in MB is not below the free MB
    EXPECT_TRUE(IsShrinkDiskLow(0, 0));
}

TEST(ShrinkRules, ChoicesGoBackToTheSettingsWithTheFolderSeparator)
{
    const AppSettingsRecord saved = AppSettings;
    ShrinkChoices c;
    c.outputFolder = "/tmp/out";
    c.text = QString(30, u'x');
    c.ratio = 0;
    StoreShrinkChoices(c);
    EXPECT_EQ(AppSettings.Step4_SaveFolder, QStringLiteral("/tmp/out/"));
    EXPECT_EQ(AppSettings.Step5_AddChara.size(), kShrinkFixedTextChars);
    EXPECT_EQ(AppSettings.Step2_Ratio, 1);
    const ShrinkChoices back = ShrinkChoicesFromSettings();
    EXPECT_EQ(back.outputFolder, QStringLiteral("/tmp/out/"));
    EXPECT_EQ(back.format, c.format);
    AppSettings = saved;
}

TEST(ShrinkRules, TheMenuOffersTheShrinkWhenTheFocusIsRanked)
{
    EXPECT_FALSE(IsMultiMenuItemEnabled(ID_MULTI_BATCH_SHRINK, MultiMenuFacts{true, true, false}));
    EXPECT_TRUE(IsMultiMenuItemEnabled(ID_MULTI_BATCH_SHRINK, MultiMenuFacts{false, false, true}));
}

}  // namespace
