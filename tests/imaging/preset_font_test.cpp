// The preset font table and its rules.
#include "imaging/preset_font.h"

#include <gtest/gtest.h>

namespace {

QString Face(const LOGFONTW& lf)
{
    int n = 0;
    while (n < LF_FACESIZE && lf.lfFaceName[n])
        ++n;
    return QString::fromUtf16(lf.lfFaceName, n);
}

TEST(PresetFont, DefaultDescriptionAndTypeZeroAgree)
{
    CPresetFont plain;
    const LOGFONTW& d = *plain.GetLogFont();
    EXPECT_EQ(plain.GetType(), 0);
    EXPECT_EQ(d.lfHeight, -19);
    EXPECT_EQ(d.lfWeight, 700);
    EXPECT_EQ(d.lfCharSet, 128);
    EXPECT_EQ(d.lfOutPrecision, 1);
    EXPECT_EQ(d.lfClipPrecision, 2);
    EXPECT_EQ(d.lfQuality, 1);
    EXPECT_EQ(d.lfPitchAndFamily, 0x02);
    EXPECT_EQ(Face(d), QStringLiteral("System"));

    CPresetFont zero(0);
    EXPECT_EQ(std::memcmp(zero.GetLogFont(), plain.GetLogFont(), sizeof(LOGFONTW)), 0);
}

TEST(PresetFont, RowsOfTheTable)
{
    struct Row {
        int type;
        const char16_t* face;
        LONG height;
        BYTE charSet, outPrecision, pitch;
    };
    const Row rows[] = {
        {1, u"\uFF2D\uFF33 \uFF30明朝", -10, 128, 3, 0x12},
        {8, u"\uFF2D\uFF33 明朝", -19, 128, 3, 0x11},
        {10, u"\uFF2D\uFF33 \uFF30ゴシック", -13, 128, 3, 0x32},
        {16, u"\uFF2D\uFF33 ゴシック", -19, 128, 3, 0x31},
        {17, u"Times New Roman", -13, 0, 3, 0x12},
        {21, u"Terminal", -19, 128, 1, 0x01},
        {24, u"Courier", -20, 0, 1, 0x31},
        {27, u"MS Sans Serif", -15, 128, 1, 0x22},
        {28, u"MS Sans Serif", -17, 128, 1, 0x22},
        {31, u"IMPACT", -13, 128, 1, 0x12},
    };
    for (const Row& r : rows) {
        CPresetFont f(r.type);
        const LOGFONTW& lf = *f.GetLogFont();
        EXPECT_EQ(Face(lf), QString::fromUtf16(r.face)) << r.type;
        EXPECT_EQ(lf.lfHeight, r.height) << r.type;
        EXPECT_EQ(lf.lfCharSet, r.charSet) << r.type;
        EXPECT_EQ(lf.lfOutPrecision, r.outPrecision) << r.type;
        EXPECT_EQ(lf.lfPitchAndFamily, r.pitch) << r.type;
        // Presets never touch weight, clip precision or quality.
        EXPECT_EQ(lf.lfWeight, 700) << r.type;
        EXPECT_EQ(lf.lfClipPrecision, 2) << r.type;
        EXPECT_EQ(lf.lfQuality, 1) << r.type;
    }
}

TEST(PresetFont, TypesOutsideTheTableOnlyRecordTheType)
{
    for (int type : {32, -1, 1000}) {
        CPresetFont f(12);
        const LOGFONTW before = *f.GetLogFont();
        f.SetType(type);
        EXPECT_EQ(f.GetType(), type);
        EXPECT_EQ(std::memcmp(f.GetLogFont(), &before, sizeof(LOGFONTW)), 0) << type;
    }
}

TEST(PresetFont, AShorterFaceLeavesNoTailOfTheLongerOne)
{
    CPresetFont f(17);  // "Times New Roman"
    f.SetType(31);      // "IMPACT"
    EXPECT_EQ(Face(*f.GetLogFont()), QStringLiteral("IMPACT"));
    EXPECT_EQ(f.GetLogFont()->lfWeight, 700);
    f.GetLogFont()->lfWeight = 400;  // the owner may change it before creating the font
    f.SetType(3);
    EXPECT_EQ(f.GetLogFont()->lfWeight, 400);
}

}  // namespace
