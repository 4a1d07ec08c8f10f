// The frame in the clipboard-viewer chain passes changes on to the next
// viewer and mends the chain when a window leaves it.
#include "app/main_frame.h"
#include "platform/clipboard/clipboard_viewers.h"

#include <gtest/gtest.h>

namespace {

class Viewer : public CWnd {
public:
    std::vector<std::pair<UINT, WPARAM>> seen;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DRAWCLIPBOARD || message == WM_CHANGECBCHAIN)
            seen.emplace_back(message, wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    bool Create() { return CreateEx(0, QStringLiteral("viewer"), WS_POPUP, RECT{0, 0, 20, 20}, nullptr, 0); }
};

}  // namespace

TEST(FrameClipboardChainGui, ChangesPassOnAndTheChainMends)
{
    CMainFrame frame;
    Viewer next, later, leaving;
    ASSERT_TRUE(next.Create() && later.Create() && leaving.Create());
    frame.m_hWndNextViewer = next.GetSafeHwnd();

    frame.WindowProc(WM_DRAWCLIPBOARD, 0, 0);
    // A window further down leaves: the message goes on down the chain.
    frame.WindowProc(WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(leaving.GetSafeHwnd()),
        reinterpret_cast<LPARAM>(later.GetSafeHwnd()));
    const std::vector<std::pair<UINT, WPARAM>> expected{
        {WM_DRAWCLIPBOARD, 0}, {WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(leaving.GetSafeHwnd())}};
    EXPECT_EQ(next.seen, expected);
    EXPECT_EQ(frame.m_hWndNextViewer, next.GetSafeHwnd());

    // The next viewer itself leaves: the one after it takes its place.
    frame.WindowProc(WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(next.GetSafeHwnd()),
        reinterpret_cast<LPARAM>(later.GetSafeHwnd()));
    EXPECT_EQ(frame.m_hWndNextViewer, later.GetSafeHwnd());
    frame.WindowProc(WM_DRAWCLIPBOARD, 0, 0);
    EXPECT_EQ(later.seen.size(), 1u);
    EXPECT_EQ(next.seen.size(), 2u);
}
