#include "clip/stage_messages.h"
#include "clip/stage_open_rules.h"

#include <gtest/gtest.h>

TEST(StageOpenRules, ExtensionIsTheTextAfterTheNamesLastDot)
{
    EXPECT_EQ(ExtensionOfName(QStringLiteral("photo.JPG")), QStringLiteral("JPG"));
    EXPECT_EQ(ExtensionOfName(QStringLiteral("a.b.tiff")), QStringLiteral("tiff"));
    EXPECT_EQ(ExtensionOfName(QStringLiteral("README")), QString());
    EXPECT_EQ(ExtensionOfName(QStringLiteral("trailing.")), QString());
}

TEST(StageOpenRules, RouteByKindAndExtension)
{
    struct Case {
        WPARAM kind;
        const char* extension;
        StageOpenRoute route;
    };
    const Case cases[] = {
        {kStageOpenFile, "bmp", StageOpenRoute::LoadFile},
        {kStageOpenFile, "JPEG", StageOpenRoute::LoadFile},
        {kStageOpenFile, "Png", StageOpenRoute::LoadFile},
        {kStageOpenFile, "tif", StageOpenRoute::LoadFile},
        {kStageOpenFile, "gif", StageOpenRoute::LoadFile},
        {kStageOpenFile, "txt", StageOpenRoute::Unsupported},
        {kStageOpenFile, "jpgx", StageOpenRoute::Unsupported},
        {kStageOpenFile, "", StageOpenRoute::Fail},
        {kStageOpenActiveWindow, "bmp", StageOpenRoute::Capture},
        {kStageOpenFullScreen, "bmp", StageOpenRoute::Capture},
        {kStageOpenChosenWindow, "txt", StageOpenRoute::Capture},
        {kStageOpenClipboard, "bmp", StageOpenRoute::Clipboard},
        // Without a name nothing is taken, whatever the kind.
        {kStageOpenFullScreen, "", StageOpenRoute::Fail},
        {kStageOpenClipboard, "", StageOpenRoute::Fail},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RouteOpenRequest(c.kind, QString::fromLatin1(c.extension)), c.route)
            << "kind " << c.kind << " extension " << c.extension;
}

TEST(StageOpenRules, ScrollQuestionAnswers)
{
    EXPECT_EQ(CaptureChoiceFor(7), CaptureChoice::NormalCapture);
    EXPECT_EQ(CaptureChoiceFor(6), CaptureChoice::ScrollCapture);
    EXPECT_EQ(CaptureChoiceFor(2), CaptureChoice::Nothing);
    EXPECT_EQ(CaptureChoiceFor(0), CaptureChoice::Nothing);
}

TEST(StageOpenRules, ScrollAreaBecomesAnInclusiveRangeInsideTheImage)
{
    struct Case {
        RECT area;
        RECT range;
    };
    const Case cases[] = {
        // Exclusive right and bottom become inclusive.
        {{10, 20, 90, 180}, {10, 20, 89, 179}},
        // No rows fixed at the bottom: the bottom is the image height, the last row H - 1.
        {{0, 0, 100, 200}, {0, 0, 99, 199}},
        // A stale area larger than a smaller image is clipped to it.
        {{-5, 30, 400, 900}, {0, 30, 99, 199}},
        // Nothing of it inside the image: the whole image.
        {{150, 250, 300, 400}, {0, 0, 99, 199}},
        {{40, 40, 40, 80}, {0, 0, 99, 199}},
    };
    for (const Case& c : cases) {
        const RECT r = ScrollAreaToImageRange(c.area, 100, 200);
        EXPECT_EQ(r.left, c.range.left);
        EXPECT_EQ(r.top, c.range.top);
        EXPECT_EQ(r.right, c.range.right);
        EXPECT_EQ(r.bottom, c.range.bottom);
    }
}
