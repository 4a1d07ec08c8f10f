// The capture rectangle of a window, and the recognition of web-browser
// windows with the question whether to capture them by scrolling.
#include "core/window_list.h"

#include "core/settings/app_settings.h"

#include "tests/core/fake_desktop.h"

#include <gtest/gtest.h>

namespace {

using namespace fake_desktop;

TEST_F(FakeDesktop, CaptureTargetFallsBackToForegroundOfTheSameTitle)
{
    struct Front final : NullWindowControl {
        HWND front = nullptr;
        HWND ForegroundWindow() override { return front; }
    } front;
    DesktopServices services{m_windows, front, m_grab, m_cursor, m_pointer, m_input};
    SetDesktopServicesForTesting(&services);
    Add(1, "Editor", {10, 10, 10, 10});
    Add(2, "editor - file.txt", {5, 6, 305, 206});
    Add(3, "Other", {5, 6, 305, 206});
    RECT r{1, 1, 1, 1};
    EXPECT_EQ(GetCaptureTargetRect(H(2), r), 1);
    EXPECT_EQ(r, (RECT{5, 6, 305, 206}));
    front.front = H(2);
    EXPECT_EQ(GetCaptureTargetRect(H(1), r), 1);  // case-insensitive prefix
    EXPECT_EQ(r, (RECT{5, 6, 305, 206}));
    front.front = H(3);
    EXPECT_EQ(GetCaptureTargetRect(H(1), r), 0);
    EXPECT_EQ(r, RECT{});
}

TEST_F(FakeDesktop, FrameBoundsFromVersion0x700)
{
    Add(1, "csd", {100, 100, 500, 400});
    m_windows.windows[0].second.hasFrameBounds = true;
    m_windows.windows[0].second.frameBounds = {107, 103, 493, 393};
    Add(2, "plain", {100, 100, 500, 400});
    RECT r;
    GetWindowRectForOs(0x700, H(1), r);
    EXPECT_EQ(r, (RECT{107, 103, 493, 393}));
    GetWindowRectForOs(0x600, H(1), r);
    EXPECT_EQ(r, (RECT{100, 100, 500, 400}));
    GetWindowRectForOs(0x700, H(2), r);
    EXPECT_EQ(r, (RECT{100, 100, 500, 400}));
    GetWindowRectForOs(0x700, H(77), r);  // gone: nothing to read
    EXPECT_EQ(r, RECT{});
}

TEST(CaptureRect, FrameBoundsWithinFifteenPixels)
{
    const RECT window{100, 100, 500, 400};
    struct Case {
        RECT bounds;
        bool used;
    };
    const Case cases[] = {
        {{107, 100, 493, 393}, true},
        {{114, 114, 486, 386}, true},
        {{115, 100, 493, 393}, false},
        {{107, 100, 485, 393}, false},
        {{99, 100, 493, 393}, false},
        {{100, 100, 500, 415}, false},
        {{100, 100, 500, 400}, true},
    };
    for (const Case& c : cases) {
        const RECT chosen = ChooseCaptureRect(window, c.bounds);
        EXPECT_EQ(chosen, c.used ? c.bounds : window) << c.bounds.left << "," << c.bounds.right;
    }
    EXPECT_EQ(ChooseCaptureRect(window, std::nullopt), window);
}

TEST(BrowserDetection, ClassTables)
{
    EXPECT_EQ(BrowserKindOfWindowsClass("MozillaWindowClass", false), kBrowserFirefox);
    EXPECT_EQ(BrowserKindOfWindowsClass("OperaWindowClass", false), kBrowserOpera);
    EXPECT_EQ(BrowserKindOfWindowsClass("Chrome_WidgetWin_1", false), kBrowserChrome);
    EXPECT_EQ(BrowserKindOfWindowsClass("IEFrame", false), kBrowserInternetExplorer);
    EXPECT_EQ(BrowserKindOfWindowsClass("{1C03B488-D53B-4a81-97F8-754559640193}", true), kBrowserSafari);
    EXPECT_EQ(BrowserKindOfWindowsClass("{1C03B488-D53B-4a81-97F8-754559640193}", false), kBrowserNone);
    EXPECT_EQ(BrowserKindOfWindowsClass("mozillaWindowClass", false), kBrowserNone);  // case-sensitive

    struct Case {
        const char* instance;
        const char* cls;
        BYTE kind;
    };
    const Case x11[] = {
        {"Navigator", "firefox", kBrowserFirefox},
        {"Navigator", "Firefox-esr", kBrowserFirefox},
        {"google-chrome", "Google-chrome", kBrowserChrome},
        {"chromium", "Chromium", kBrowserChrome},
        {"chromium-browser", "Chromium-browser", kBrowserChrome},
        {"microsoft-edge", "Microsoft-edge", kBrowserChrome},
        {"brave-browser", "Brave-browser", kBrowserChrome},
        {"vivaldi-stable", "Vivaldi-stable", kBrowserChrome},
        {"Navigator", "firefox-esr", kBrowserFirefox},
        {"opera", "Opera", kBrowserOpera},
        {"kate", "kate", kBrowserNone},
        {"", "", kBrowserNone},
    };
    for (const Case& c : x11)
        EXPECT_EQ(BrowserKindOfX11Class(c.instance, c.cls), c.kind) << c.cls;

    // A window whose class says nothing: its executable.
    struct Exe {
        const char* name;
        BYTE kind;
    };
    const Exe executables[] = {{"chromium", kBrowserChrome}, {"brave", kBrowserChrome},
        {"vivaldi-bin", kBrowserChrome}, {"msedge", kBrowserChrome}, {"firefox-esr", kBrowserFirefox},
        {"opera", kBrowserOpera}, {"kate", kBrowserNone}, {"", kBrowserNone}};
    for (const Exe& e : executables)
        EXPECT_EQ(BrowserKindOfExecutable(QString::fromLatin1(e.name)), e.kind) << e.name;
}

TEST_F(FakeDesktop, DetectBrowserWindowNeverGivesWindowsOnlyKinds)
{
    Add(1, "a", {0, 0, 300, 200}, "firefox");
    Add(2, "b", {0, 0, 300, 200}, "IEFrame");
    Add(3, "c", {0, 0, 300, 200}, "MozillaWindowClass");
    Add(4, "d", {0, 0, 300, 200}, "microsoft-edge");
    EXPECT_EQ(DetectBrowserWindow(H(1)), kBrowserFirefox);
    EXPECT_EQ(DetectBrowserWindow(H(4)), kBrowserChrome);
    EXPECT_EQ(DetectBrowserWindow(H(2)), kBrowserNone);
    EXPECT_EQ(DetectBrowserWindow(H(3)), kBrowserFirefox);
    EXPECT_EQ(DetectBrowserWindow(H(99)), kBrowserNone);
}

TEST_F(FakeDesktop, ScrollCaptureQueryAsksWithTheBrowserName)
{
    Add(1, "page", {0, 0, 300, 200}, "firefox");
    Add(2, "editor", {0, 0, 300, 200}, "kate");
    const BYTE saved = AppSettings.DoScrollCapture;
    WindowListHost& host = GetWindowListHost();
    AppSettings.DoScrollCapture = 2;
    EXPECT_EQ(QueryScrollCaptureForWindow(H(1)), kScrollCaptureNo);  // no question yet: declined
    QString asked;
    host.askScrollCapture = [&](HWND w, const QString& name) {
        asked = name;
        return w == H(1);
    };
    EXPECT_EQ(QueryScrollCaptureForWindow(H(1)), kScrollCaptureYes);
    EXPECT_EQ(asked, "Mozilla FireFox");
    EXPECT_EQ(QueryScrollCaptureForWindow(H(2)), kScrollCaptureNo);
    host.isChooserOpen = [] { return true; };
    EXPECT_EQ(QueryScrollCaptureForWindow(H(1)), kScrollCaptureRefused);
    AppSettings.DoScrollCapture = 1;
    EXPECT_EQ(QueryScrollCaptureForWindow(H(1)), kScrollCaptureYes);
    AppSettings.DoScrollCapture = saved;
    host = WindowListHost{};
}

TEST(BrowserDetection, Names)
{
    const char16_t* names[] = {u"", u"Mozilla FireFox", u"Opera", u"Google Chrome", u"Internet Explorer",
        u"Safari", u"Microsoft Edge", u""};
    for (int kind = 0; kind < 8; ++kind) {
        QString name = "junk";
        GetBrowserName(static_cast<BYTE>(kind), name, 30);
        EXPECT_EQ(name, QString::fromUtf16(names[kind])) << kind;
    }
    QString cut;
    GetBrowserName(kBrowserChrome, cut, 7);
    EXPECT_EQ(cut, "Google");
}

TEST(ScrollCaptureDecision, Table)
{
    struct Case {
        int mode;
        BYTE kind;
        bool chooserOpen;
        bool answer;
        int result;
        bool asked;
    };
    const Case cases[] = {
        {0, kBrowserFirefox, false, true, kScrollCaptureNo, false},
        {1, kBrowserNone, false, true, kScrollCaptureNo, false},
        {1, kBrowserChrome, true, false, kScrollCaptureYes, false},
        {2, kBrowserChrome, true, true, kScrollCaptureRefused, false},
        {2, kBrowserChrome, false, true, kScrollCaptureYes, true},
        {2, kBrowserChrome, false, false, kScrollCaptureNo, true},
        {2, kBrowserNone, false, true, kScrollCaptureNo, false},
    };
    for (const Case& c : cases) {
        bool asked = false;
        const int result = DecideScrollCapture(c.mode, c.kind, c.chooserOpen, [&] {
            asked = true;
            return c.answer;
        });
        EXPECT_EQ(result, c.result) << c.mode << " " << int(c.kind);
        EXPECT_EQ(asked, c.asked);
    }
    EXPECT_EQ(
        DecideScrollCapture(2, kBrowserOpera, false, {}), kScrollCaptureNo);  // no question yet: declined
}

}  // namespace
