// The stage's status texts: their formats and that a text is handed out
// only when it changed (or after the fields were emptied).
#include "clip/stage_status_fields.h"

#include <gtest/gtest.h>

TEST(StageStatusFields, Formats)
{
    EXPECT_EQ(MagnificationText(1.0f), QStringLiteral("1.00"));
    EXPECT_EQ(MagnificationText(0.65f), QStringLiteral("0.65"));
    EXPECT_EQ(MagnificationText(12.345f), QStringLiteral("12.35"));  // single precision lies above the half
    EXPECT_EQ(SizeText(640, 480), QString::fromUtf8("640\u00D7480"));
}

TEST(StageStatusFields, OnlyChangedTextsAreWritten)
{
    CStageStatusFields fields;
    auto t = fields.Update(640, 640, 480, 1280, 960);
    EXPECT_EQ(t.magnification, QStringLiteral("1.00"));
    EXPECT_EQ(t.range, QString::fromUtf8("640\u00D7480"));
    EXPECT_EQ(t.size, QString::fromUtf8("1280\u00D7960"));

    t = fields.Update(640, 640, 480, 1280, 960);
    EXPECT_FALSE(t.magnification || t.range || t.size);

    t = fields.Update(640, 1280, 960, 1280, 960);  // zoomed out: same image
    EXPECT_EQ(t.magnification, QStringLiteral("0.50"));
    EXPECT_EQ(t.range, QString::fromUtf8("1280\u00D7960"));
    EXPECT_FALSE(t.size);

    t = fields.Update(640, 1280, 720, 1280, 960);  // only the height of the range changed
    EXPECT_FALSE(t.magnification);
    EXPECT_EQ(t.range, QString::fromUtf8("1280\u00D7720"));

    fields.Forget();
    t = fields.Update(640, 1280, 720, 1280, 960);
    EXPECT_TRUE(t.magnification && t.range && t.size);

    t = fields.Update(640, 0, 0, 0, 0);  // no visible part
    EXPECT_EQ(t.magnification, QStringLiteral("0.00"));
}
