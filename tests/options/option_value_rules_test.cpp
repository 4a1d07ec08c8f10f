// The option pages' value rules: track-bar positions both ways (a value that
// opens between two positions is stored as its position's value), the ranges
// of the edits, the front-text check and the example file name.
#include "options/option_value_rules.h"

#include <gtest/gtest.h>

namespace {

struct PositionCase {
    int stored;
    int position;
    int storedBack;
};

TEST(OptionValueRules, ZoomStepPositions)
{
    const PositionCase cases[] = {
        {0, 1, 150},
        {150, 1, 150},
        {151, 2, 250},
        {200, 2, 250},  // a step between the positions is saved as its position's step
        {349, 2, 250},
        {350, 3, 350},
        {351, 4, 450},
        {599, 4, 450},
        {600, 5, 600},
        {5000, 5, 600},
    };
    for (const PositionCase& c : cases) {
        const int position = ZoomStepToPosition(static_cast<UINT>(c.stored));
        EXPECT_EQ(position, c.position) << c.stored;
        EXPECT_EQ(ZoomStepFromPosition(position), static_cast<UINT>(c.storedBack)) << c.stored;
    }
    EXPECT_EQ(ZoomStepFromPosition(0), 350u);
    EXPECT_EQ(ZoomStepFromPosition(6), 350u);
}

TEST(OptionValueRules, PixelGridLevelPositions)
{
    const PositionCase cases[] = {
        {0, 1, 4},
        {4, 1, 4},
        {5, 2, 7},
        {6, 2, 7},  // saved as 7
        {9, 2, 7},
        {10, 3, 10},
        {99, 3, 10},
    };
    for (const PositionCase& c : cases) {
        const int position = LevelPixelGridToPosition(c.stored);
        EXPECT_EQ(position, c.position) << c.stored;
        EXPECT_EQ(LevelPixelGridFromPosition(position), c.storedBack) << c.stored;
    }
}

TEST(OptionValueRules, ZoomSizePositions)
{
    for (int position = 1; position <= 7; ++position) {
        EXPECT_EQ(MaxZoomMagFromPosition(position), position * 5);
        EXPECT_EQ(MaxZoomMagToPosition(position * 5), position);
    }
    const PositionCase hitCases[] = {
        {1, 1, 1}, {5, 2, 5}, {10, 3, 10}, {15, 4, 15}, {35, 8, 35},
        {7, 2, 5},  // between the steps: the lower step's position
    };
    for (const PositionCase& c : hitCases) {
        EXPECT_EQ(HitZoomMagToPosition(c.stored), c.position) << c.stored;
        EXPECT_EQ(HitZoomMagFromPosition(c.position), c.storedBack) << c.stored;
    }
}

TEST(OptionValueRules, EditRangesAndTheSaveFormat)
{
    EXPECT_EQ(ClampJpegQuality(0), 1);
    EXPECT_EQ(ClampJpegQuality(1), 1);
    EXPECT_EQ(ClampJpegQuality(100), 100);
    EXPECT_EQ(ClampJpegQuality(255), 100);
    EXPECT_EQ(ClampScrollWait(2), 5);
    EXPECT_EQ(ClampScrollWait(-7), 5);
    EXPECT_EQ(ClampScrollWait(120), 120);
    EXPECT_EQ(ClampScrollWait(9999), 500);
    EXPECT_EQ(ClampScrollWait(99999999999LL), 500);
    for (BYTE format = 1; format <= 5; ++format)
        EXPECT_EQ(NormalSaveFormat(format), format);
    EXPECT_EQ(NormalSaveFormat(0), 1);
    EXPECT_EQ(NormalSaveFormat(6), 1);
    EXPECT_EQ(NormalSaveFormat(255), 1);
}

TEST(OptionValueRules, FrontTextCheck)
{
    struct Case {
        QString text;
        FrontTextCheck expected;
    };
    const Case cases[] = {
        {QString(), FrontTextCheck::Accepted}, {QStringLiteral("cap-"), FrontTextCheck::Accepted},
        {QStringLiteral("画像_ファイル"), FrontTextCheck::Accepted},
        {QString(30, QLatin1Char('x')), FrontTextCheck::Accepted},
        {QString(31, QLatin1Char('x')), FrontTextCheck::TooLong},
        {QStringLiteral("a:b"), FrontTextCheck::ForbiddenChars},
        {QStringLiteral("a*"), FrontTextCheck::ForbiddenChars},
        {QStringLiteral("a/b"), FrontTextCheck::ForbiddenChars},
        {QStringLiteral("tab\t"), FrontTextCheck::ForbiddenChars},
        {QString(31, QLatin1Char('?')), FrontTextCheck::TooLong},  // the length is checked first
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckFrontText(c.text), c.expected) << c.text.toStdString();
    EXPECT_EQ(FrontTextMessage(FrontTextCheck::TooLong), QStringLiteral("最大指定文字数は30文字です。"));
    EXPECT_EQ(FrontTextMessage(FrontTextCheck::ForbiddenChars),
        QStringLiteral("ファイル名に指定できない文字です。"));
    EXPECT_TRUE(FrontTextMessage(FrontTextCheck::Accepted).isEmpty());
}

TEST(OptionValueRules, FileNameExample)
{
    SYSTEMTIME now{};
    now.wYear = 2024;
    now.wMonth = 3;
    now.wDay = 7;
    now.wHour = 9;
    now.wMinute = 5;
    now.wSecond = 1;
    struct Case {
        int kind;
        int digits;
        const char* expected;
    };
    const Case cases[] = {
        {0, 3, "cap-001"},
        {0, 4, "cap-0001"},
        {0, 5, "cap-00001"},
        {0, 9, "cap-00001"},
        {1, 4, "cap-20240307-090501"},
        {2, 4, "cap-a"},
        {7, 4, "cap-a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            FileNameExample(QStringLiteral("cap-"), c.kind, c.digits, now), QString::fromLatin1(c.expected));
}

}  // namespace
