#include "platform/system/screen_metrics.h"
#include "platform/x11/null_desktop_services.h"

#include <gtest/gtest.h>

namespace {

class AnsweringFrames final : public FrameExtentsService {
public:
    bool NormalWindowExtents(FrameExtents& extents) override
    {
        extents = FrameExtents{1, 1, 22, 5};
        return true;
    }
};

// The program's windows are not X windows here, so no manager's frame is theirs.
TEST(ScreenMetricsGui, OffscreenWindowsKeepTheFixedFigures)
{
    NullWindowList windows;
    NullWindowControl control;
    NullScreenGrab grab;
    NullCursor cursor;
    NullPointerConfinement pointer;
    NullInput input;
    AnsweringFrames frames;
    DesktopServices services{windows, control, grab, cursor, pointer, input, frames};
    SetDesktopServicesForTesting(&services);
    const FrameMetrics m = QueryFrameMetrics();
    SetDesktopServicesForTesting(nullptr);
    EXPECT_EQ(m.captionHeight, 23);
    EXPECT_EQ(m.sizeFrameWidth, 4);
    EXPECT_EQ(m.sizeFrameHeight, 4);
}

}  // namespace
