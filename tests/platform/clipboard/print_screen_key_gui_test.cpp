// The print-screen key without an X display: nothing reaches the clipboard.
#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/print_screen_key.h"
#include "platform/x11/null_desktop_services.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintScreenKeyGui, WithoutADisplayTheClipboardKeepsItsContent)
{
    NullWindowList windows;
    NullWindowControl control;
    NullScreenGrab grab;
    NullCursor cursor;
    NullPointerConfinement pointer;
    NullInput input;
    DesktopServices none{windows, control, grab, cursor, pointer, input};
    SetDesktopServicesForTesting(&none);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    for (bool alt : {false, true}) {
        if (alt)
            keybd_event(VK_MENU, 0, 0, 0);
        keybd_event(VK_SNAPSHOT, 0, 0, 0);
        keybd_event(VK_SNAPSHOT, 0, KEYEVENTF_KEYUP, 0);
        keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
        EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP)) << alt;
    }
    SetDesktopServicesForTesting(nullptr);
}

}  // namespace
