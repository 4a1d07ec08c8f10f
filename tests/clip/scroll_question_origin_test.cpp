// Where the scroll-capture question goes: at its anchor or centred, always
// inside the work area.
#include "clip/scroll_capture_question.h"

#include <gtest/gtest.h>

namespace {

TEST(ScrollQuestionOrigin, AnchoredCentredAndKeptInsideTheWorkArea)
{
    const RECT work{0, 0, 1280, 1000};
    const SIZE dialog{400, 240};
    struct Case {
        const char* name;
        bool anchored;
        RECT anchor;
        RECT work;
        POINT expected;
    };
    const Case cases[] = {
        {"left edge at the anchor's, middle at its top", true, {300, 500, 900, 800}, work, {300, 380}},
        {"anchor near the top: kept below the work area's top", true, {300, 50, 900, 800}, work, {300, 0}},
        {"anchor near the right edge", true, {1100, 500, 1200, 800}, work, {880, 380}},
        {"anchor off the left edge", true, {-50, 500, 900, 800}, work, {0, 380}},
        {"no anchor: centred", false, {}, work, {440, 380}},
        {"work area with an offset", false, {}, {100, 40, 700, 440}, {200, 120}},
        {"dialog larger than the work area starts at its corner", true, {300, 500, 900, 800},
            {0, 0, 300, 200}, {0, 0}},
        {"no work area known: the place stays", true, {300, 100, 900, 800}, {}, {300, -20}},
    };
    for (const Case& c : cases) {
        const POINT got = ScrollQuestionOrigin(c.anchored ? &c.anchor : nullptr, dialog, c.work);
        EXPECT_EQ(got.x, c.expected.x) << c.name;
        EXPECT_EQ(got.y, c.expected.y) << c.name;
    }
}

}  // namespace
