// The range check that follows every load.
#include "settings_test_support.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Values = std::vector<std::pair<const char*, std::int64_t>>;

// Defaults, then the given numbers, then the check.
AppSettingsRecord Checked(const Values& input, void (*edit)(AppSettingsRecord&) = nullptr)
{
    AppSettingsRecord s;
    SettingsStore store(kTestScreen, QStringLiteral("/prog/"), s);
    ApplyAllSettingDefaults(s, QStringLiteral("/prog/"), kTestScreen);
    for (const auto& [key, value] : input) {
        SetNumber(s, key, value);
    }
    if (edit != nullptr) {
        edit(s);
    }
    store.CheckSettings();
    return s;
}

}  // namespace

TEST(SettingsCheck, NumberRules)
{
    struct Case {
        Values input;
        Values expected;
    } const cases[] = {
        {{{"MaxSaveSizeWidth", 6000}}, {{"MaxSaveSizeWidth", 10000}}},
        {{{"MaxSaveSizeWidth", 5999}}, {{"MaxSaveSizeWidth", 5999}}},
        {{{"MaxSaveSizeWidth", 6001}}, {{"MaxSaveSizeWidth", 6001}}},
        {{{"MaxSaveSizeWidth", 1999}}, {{"MaxSaveSizeWidth", 10000}}},
        {{{"MaxZoomMag", 20}, {"HitZoomMag", 25}}, {{"HitZoomMag", 20}}},
        {{{"MaxZoomMag", 10}, {"HitZoomMag", 15}}, {{"MaxZoomMag", 10}, {"HitZoomMag", 20}}},
        {{{"MaxZoomMag", 40}, {"HitZoomMag", 30}}, {{"MaxZoomMag", 20}, {"HitZoomMag", 20}}},
        {{{"PixelGridType", 1}}, {{"PixelGridType", 0}}},
        {{{"PixelGridType", 2}}, {{"PixelGridType", 2}}},
        {{{"ClipHistoryProtect", 4095}}, {{"ClipHistoryProtect", 4095}}},
        {{{"ClipHistoryProtect", 4096}}, {{"ClipHistoryProtect", 0}}},
        {{{"ClipHistoryProtect", -1}}, {{"ClipHistoryProtect", 0}}},  // compared unsigned
        {{{"Step2_Width", 5}, {"Step2_Height", 700}}, {{"Step2_Width", 800}, {"Step2_Height", 600}}},
        {{{"Step2_Width", 700}, {"Step2_Height", 9}}, {{"Step2_Width", 800}, {"Step2_Height", 600}}},
        {{{"ZoomStep", 0xFFFFFFFF}}, {{"ZoomStep", 350}}},
        {{{"ExtFilterNo", 6}}, {{"ExtFilterNo", 1}}},
        {{{"DefSaveFormat", 0}}, {{"DefSaveFormat", 1}}},
        {{{"DefSaveFormat", 5}}, {{"DefSaveFormat", 5}}},
        {{{"CC_SaveWait_ms", 999}}, {{"CC_SaveWait_ms", 1000}}},
        {{{"CC_SaveWait_ms", 10001}}, {{"CC_SaveWait_ms", 5000}}},
        {{{"BlackWhiteLevel", 2}, {"MaxHBitmapNumber", 9001}},
            {{"BlackWhiteLevel", 3}, {"MaxHBitmapNumber", 9000}}},
        {{{"BltRopMode", 0xEE0086}}, {{"BltRopMode", 0xEE0086}}},
        {{{"BltRopMode", 2}}, {{"BltRopMode", 1}}},
        {{{"ColorRadix", 12}}, {{"ColorRadix", 16}}},
        {{{"MarginLeft", -1}, {"MarginTop", 0}}, {{"MarginLeft", 2000}, {"MarginTop", 0}}},
        {{{"ViewPage", 2}, {"Step4_ForceCapture", -1}}, {{"ViewPage", 0}, {"Step4_ForceCapture", 0}}},
        {{{"ImageComplement", -5}, {"ShowZoomDlg", 2}}, {{"ImageComplement", 1}, {"ShowZoomDlg", 0}}},
        {{{"Step3_Quality", 0}, {"Step3_cc_CapNum", 20000}},
            {{"Step3_Quality", 1}, {"Step3_cc_CapNum", 10000}}},
        {{{"ClipHistoryIndex", -2}, {"WorkFolderIndex", 10}},
            {{"ClipHistoryIndex", -1}, {"WorkFolderIndex", 0}}},
        {{{"CaptureListMax", 4}}, {{"CaptureListMax", 12}}},
        {{{"Edit_DBL_Click_Preview", 7}}, {{"Edit_DBL_Click_Preview", 7}}},  // no check
        // The fixed range is checked against the limits as corrected.
        {{{"MaxSaveSizeHeight", 9000}, {"ClipVerSize", 8500}},
            {{"MaxSaveSizeHeight", 8000}, {"ClipVerSize", 500}}},
        {{{"MinSaveSize", 0}, {"ClipHorSize", 1}}, {{"MinSaveSize", 1}, {"ClipHorSize", 1}}},
        {{{"FixSaveArea", 1}, {"ScrollRate", 10}}, {{"FixSaveArea", 0}, {"ScrollRate", 67}}},
        // Window positions against the 1920 x 1080 screen.
        {{{"ClipWindowPos11X", -2}, {"ClipWindowPos11Y", 1080}, {"TreeDlgPosX2", 1920},
             {"TreeDlgPosY2", 1081}},
            {{"ClipWindowPos11X", -1}, {"ClipWindowPos11Y", 1080}, {"TreeDlgPosX2", 1920},
                {"TreeDlgPosY2", -1}}},
        {{{"TMIDlgPos_x", 1921}, {"TMIDlgPos_y", -50}}, {{"TMIDlgPos_x", 0}, {"TMIDlgPos_y", -50}}},
        // Colours.
        {{{"GridColor", 0x1000000}, {"SelRangeCorrXYColorBk", 0x1000000}},
            {{"GridColor", 0x808080}, {"SelRangeCorrXYColorBk", 0xC0C0C0}}},
        {{{"HighlightColor", 0}, {"GridColor", 0}, {"SelRangeColor", 0}, {"SelCenterMarkerColor", 0},
             {"SelRangeCorrXYColor", 0}, {"SelRangeCorrSizeColor", 0}, {"SelRangeCorrXYColorBk", 0},
             {"SelRangeCorrSizeColorBk", 0}},
            {{"HighlightColor", 0x808080}, {"GridColor", 0x808080}, {"SelRangeColor", 0xFF00FF},
                {"SelCenterMarkerColor", 0x808080}, {"SelRangeCorrXYColor", 0},
                {"SelRangeCorrSizeColor", 0xFF}, {"SelRangeCorrXYColorBk", 0xC0C0C0},
                {"SelRangeCorrSizeColorBk", 0xC0C0C0}}},
    };
    for (const Case& c : cases) {
        const AppSettingsRecord s = Checked(c.input);
        for (const auto& [key, value] : c.expected) {
            EXPECT_EQ(NumberOf(s, key), value)
                << key << " after " << c.input.front().first << " = " << c.input.front().second;
        }
    }
}

TEST(SettingsCheck, DefaultsPassUnchanged)
{
    AppSettingsRecord defaults;
    ApplyAllSettingDefaults(defaults, QStringLiteral("/prog/"), kTestScreen);
    const AppSettingsRecord checked = Checked({});
    EXPECT_EQ(SettingsStore(kTestScreen, QStringLiteral("/prog/"), const_cast<AppSettingsRecord&>(checked))
                  .FormatSettingsText(),
        SettingsStore(kTestScreen, QStringLiteral("/prog/"), defaults).FormatSettingsText());
}

TEST(SettingsCheck, RectangleRules)
{
    const AppSettingsRecord s =
        Checked({{"MinSaveSize", 10}, {"MaxSaveSizeWidth", 3000}}, [](AppSettingsRecord& r) {
            r.PrevSaveRect = {5, -3, 9, 20};              // right below MinSaveSize
            r.ClipRect01_rect = {-1, 5, 20000, 3};        // outside the limits, then unordered
            r.ClipRect02_rect = {10, 20, 3000, 8000};     // on the limits
            r.ClipPrevRect = {-5, 2000, 3000, -1};        // clamped onto the screen
            r.Step1_cc_CapRect = {1920, 1080, 5000, 50};  // ends on the screen
            r.rctTreeFolder2_rect = {10, 10, 10, 50};     // empty: reset like the other folder tree
            r.rctTreeFile_rect = {-100, 0, 1900, 20};     // wider than the screen
            r.rctExplore_rect = {5, 5, 40, 30};           // valid
        });
    EXPECT_EQ(s.PrevSaveRect, (RECT{-1, -1, 5, 20}));
    EXPECT_EQ(s.ClipRect01_rect, (RECT{1, 3, 1, 5}));
    EXPECT_EQ(s.ClipRect02_rect, (RECT{10, 20, 3000, 8000}));
    EXPECT_EQ(s.ClipPrevRect, (RECT{0, 1079, 1919, 0}));
    EXPECT_EQ(s.Step1_cc_CapRect, (RECT{0, 0, 1919, 50}));
    EXPECT_EQ(s.rctTreeFolder2_rect, (RECT{0, 0, 240, 180}));
    EXPECT_EQ(s.rctTreeFile_rect, (RECT{0, 0, 240, 250}));
    EXPECT_EQ(s.rctExplore_rect, (RECT{5, 5, 40, 30}));
}

TEST(SettingsCheck, FolderRules)
{
    const AppSettingsRecord s = Checked({}, [](AppSettingsRecord& r) {
        r.LastAccessDir.clear();
        r.TreeLastDir = QString(520, QLatin1Char('t'));
        r.ShortCutFolder1 = QString(520, QLatin1Char('s'));
        r.WorkFolder03 = QString(520, QLatin1Char('w'));
        r.WorkFolder04 = QString(519, QLatin1Char('w'));
    });
    EXPECT_EQ(s.LastAccessDir, QStringLiteral("/prog/"));
    EXPECT_EQ(s.TreeLastDir, QStringLiteral("/prog/"));
    EXPECT_TRUE(s.ShortCutFolder1.isEmpty());
    EXPECT_TRUE(s.WorkFolder03.isEmpty());
    EXPECT_EQ(s.WorkFolder04.size(), 519);
}

TEST(SettingsCheck, ExtremeRectanglesDoNotOverflow)
{
    const AppSettingsRecord s = Checked({}, [](AppSettingsRecord& r) {
        r.rctTreeFolder_rect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
        r.ClipPrevRect = {INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX};
    });
    EXPECT_EQ(s.rctTreeFolder_rect, (RECT{0, 0, 240, 180}));
    EXPECT_EQ(s.ClipPrevRect, (RECT{0, 1079, 0, 1079}));
}
