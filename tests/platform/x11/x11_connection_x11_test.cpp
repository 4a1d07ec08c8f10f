// The shared Xlib connection: its error traps nest.
#include <gtest/gtest.h>

#include <mutex>

// Xlib's macros come after the test library's headers.
#include "platform/x11/x11_connection.h"

namespace {

// An error belongs to the trap that was innermost when its request was made,
// even when it arrives while an inner trap waits.
TEST(X11ErrorTrapTest, ErrorsBelongToTheTrapOfTheirRequest)
{
    X11Connection* x = X11Connection::Get();
    ASSERT_NE(x, nullptr);
    std::lock_guard lock(x->mutex());
    Display* d = x->display();
    const Window gone = XCreateSimpleWindow(d, x->root(), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(d, gone);
    X11ErrorTrap outer(d);
    XRaiseWindow(d, gone);  // no reply: the error arrives with the next round trip
    {
        X11ErrorTrap inner(d);
        EXPECT_FALSE(inner.Failed());
    }
    EXPECT_TRUE(outer.FailedSoFar());
    EXPECT_EQ(outer.lastErrorCode(), BadWindow);
    X11ErrorTrap clean(d);
    {
        X11ErrorTrap inner(d);
        XMapWindow(d, gone);
        EXPECT_TRUE(inner.Failed());
    }
    EXPECT_FALSE(clean.Failed());
}

}  // namespace
