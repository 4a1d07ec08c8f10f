// A window that asks for its own closing from inside one of its handlers
// stays alive until that handler has returned.
#include "app/owned_window.h"
#include "tests/support/pump_until.h"

#include <gtest/gtest.h>

namespace {

class SelfClosingWindow;
SelfClosingWindow* g_member = nullptr;
bool g_deleted = false;

class SelfClosingWindow : public CWnd {
public:
    ~SelfClosingWindow() override { g_deleted = true; }
    int closes = 0;
    bool aliveAfterClose = false;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER + 1) {
            // As a dialog asking the frame to close it.
            CloseOwnedWindow(g_member);
            aliveAfterClose = !g_deleted;
            marker = 42;  // the object is still usable here
            return marker;
        }
        if (message == WM_CLOSE) {
            ++closes;
            DestroyWindow();
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int marker = 0;
};

TEST(OwnedWindow, ClosedFromItsOwnHandlerIsDeletedAfterItReturns)
{
    g_deleted = false;
    auto* w = new SelfClosingWindow;
    ASSERT_TRUE(w->CreateEx(0, QStringLiteral("owned"), WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    g_member = w;
    EXPECT_EQ(w->SendMessage(WM_USER + 1), 42);
    EXPECT_EQ(g_member, nullptr);
    EXPECT_TRUE(w->aliveAfterClose);
    EXPECT_TRUE(PumpUntil([] { return g_deleted; }, 2000));
}

TEST(OwnedWindow, SendCloseTellsTheWindowThenDeletesIt)
{
    g_deleted = false;
    auto* w = new SelfClosingWindow;
    ASSERT_TRUE(w->CreateEx(0, QStringLiteral("owned"), WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    SelfClosingWindow* member = w;
    SendCloseToOwnedWindow(member);
    EXPECT_EQ(member, nullptr);
    EXPECT_EQ(w->closes, 1);
    EXPECT_TRUE(PumpUntil([] { return g_deleted; }, 2000));
    SendCloseToOwnedWindow(member);  // a closed window: nothing happens
}

TEST(OwnedWindow, AtTheEndItGoesAtOnceUnlessOneOfItsHandlersRuns)
{
    g_deleted = false;
    auto* w = new SelfClosingWindow;
    ASSERT_TRUE(w->CreateEx(0, QStringLiteral("owned"), WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    SelfClosingWindow* member = w;
    CloseOwnedWindowAtEnd(member);
    EXPECT_EQ(member, nullptr);
    EXPECT_TRUE(g_deleted);  // no event loop needed

    // Asked from inside its own handler it waits for the handler to return.
    class ClosingAtEnd : public CWnd {
    public:
        ~ClosingAtEnd() override { g_deleted = true; }
        bool aliveAfterClose = false;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message != WM_USER + 2)
                return CWnd::WindowProc(message, wParam, lParam);
            ClosingAtEnd* member = this;
            CloseOwnedWindowAtEnd(member);
            aliveAfterClose = !g_deleted;
            return 0;
        }
    };
    g_deleted = false;
    auto* busy = new ClosingAtEnd;
    ASSERT_TRUE(busy->CreateEx(0, QStringLiteral("busy"), WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    busy->SendMessage(WM_USER + 2);
    EXPECT_TRUE(busy->aliveAfterClose);
    EXPECT_TRUE(PumpUntil([] { return g_deleted; }, 2000));
}

}  // namespace
