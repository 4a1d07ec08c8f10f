// Window objects: destruction from the window's own handler waits for the
// handler, and a window deleted later goes once the loop runs.
#include "platform/window/window.h"
#include "tests/platform/window/recording_window.h"
#include "tests/support/pump_until.h"

#include <gtest/gtest.h>

namespace {

using namespace window_testing;

TEST(Window, DestroyingAWindowFromItsOwnHandlerWaitsForTheHandler)
{
    Recorder w;
    ASSERT_TRUE(w.Make());
    const HWND h = w.GetSafeHwnd();
    EXPECT_EQ(w.SendMessage(WM_TEST_DESTROY_SELF), 1);
    EXPECT_TRUE(w.afterDestroy);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(w.ncDestroys, 1);

    bool deleted = false;
    auto* later = new Recorder;
    later->m_deleted = &deleted;
    ASSERT_TRUE(later->Make());
    const HWND hl = later->GetSafeHwnd();
    DeleteWindowLater(later);
    EXPECT_FALSE(IsWindow(hl));
    EXPECT_TRUE(PumpUntil([&] { return deleted; }));
}

}  // namespace
