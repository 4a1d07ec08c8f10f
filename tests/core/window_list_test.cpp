#include "core/window_list.h"

#include "core/settings/app_settings.h"

#include "platform/x11/enum_windows.h"
#include "platform/x11/null_desktop_services.h"

#include <gtest/gtest.h>

#include <map>

namespace {

HWND H(unsigned long id)
{
    return HwndFromX11Window(id);
}

QImage Icon(QRgb colour, int size = 16)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

WindowRecord Shown(unsigned long id, const QString& title, RECT rect = {100, 100, 400, 300})
{
    WindowRecord w;
    w.window = H(id);
    w.title = title;
    w.visible = true;
    w.rect = rect;
    w.smallIcon = Icon(qRgb(1, 2, 3));
    w.threadId = static_cast<DWORD>(id);
    return w;
}

WindowListRules Rules()
{
    WindowListRules r;
    r.screenWidth = 1920;
    r.screenHeight = 1080;
    r.appTitle = QStringLiteral("Kestrel Ver.1.00");
    r.mainFrame = H(900);
    r.fallbackIcon = Icon(qRgb(9, 9, 9));
    return r;
}

// Runs the rules over one record with an empty list of the given capacity.
bool Listed(const WindowRecord& w, const WindowListRules& rules = Rules())
{
    WindowListEntry list[4];
    int count = 0;
    ApplyWindowListRules(w, rules, list, count, 4);
    return count == 1;
}

TEST(WindowListRules, SkipRulesTable)
{
    struct Case {
        const char* name;
        std::function<void(WindowRecord&, WindowListRules&)> change;
        bool listed;
    };
    const Case cases[] = {
        {"plain window", [](WindowRecord&, WindowListRules&) {}, true},
        {"hidden", [](WindowRecord& w, WindowListRules&) { w.visible = false; }, false},
        {"empty title", [](WindowRecord& w, WindowListRules&) { w.title.clear(); }, false},
        {"owned, 1 pixel wide",
            [](WindowRecord& w, WindowListRules&) {
                w.owner = H(5);
                w.rect = {10, 10, 11, 200};
            },
            false},
        {"owned, right of the screen",
            [](WindowRecord& w, WindowListRules&) {
                w.owner = H(5);
                w.rect = {1921, 10, 2000, 200};
            },
            false},
        {"owned, on screen", [](WindowRecord& w, WindowListRules&) { w.owner = H(5); }, true},
        {"own title", [](WindowRecord& w, WindowListRules&) { w.title = "Kestrel Ver.1.00 - x.png"; }, false},
        {"own title, CaptureKestrel 1",
            [](WindowRecord& w, WindowListRules& r) {
                w.title = "Kestrel Ver.1.00 - x.png";
                r.captureKestrel = true;
            },
            true},
        {"main frame", [](WindowRecord& w, WindowListRules&) { w.window = H(900); }, false},
        {"main frame, CaptureKestrel 1",
            [](WindowRecord& w, WindowListRules& r) {
                w.window = H(900);
                r.captureKestrel = true;
            },
            true},
        {"continuous dialog open",
            [](WindowRecord& w, WindowListRules& r) {
                w.title = "連続キャプチャ 設定";
                r.continuousDialogTitle = QStringLiteral("連続キャプチャ");
            },
            false},
        {"continuous dialog closed",
            [](WindowRecord& w, WindowListRules&) { w.title = "連続キャプチャ 設定"; }, true},
        {"Program Manager full screen",
            [](WindowRecord& w, WindowListRules&) {
                w.title = "Program";
                w.rect = {0, 0, 1920, 1080};
            },
            false},
        {"Program Manager smaller", [](WindowRecord& w, WindowListRules&) { w.title = "Program Manager"; },
            true},
        {"longer than Program Manager",
            [](WindowRecord& w, WindowListRules&) {
                w.title = "Program Manager 2";
                w.rect = {0, 0, 1920, 1080};
            },
            true},
        {"スタート small",
            [](WindowRecord& w, WindowListRules&) {
                w.title = "スタート";
                w.rect = {0, 1000, 99, 1080};
            },
            false},
        {"スタート large", [](WindowRecord& w, WindowListRules&) { w.title = "スタート"; }, true},
        {"Microsoft Edge", [](WindowRecord& w, WindowListRules&) { w.title = "Microsoft Edge"; }, false},
        {"Microsoft Edge page", [](WindowRecord& w, WindowListRules&) { w.title = "Microsoft Edge - page"; },
            true},
        {"shell host below the screen",
            [](WindowRecord& w, WindowListRules&) {
                w.title = "Windows シェル エクスペリエンス ホスト";
                w.rect = {0, 0, 1920, 1081};
            },
            false},
        {"right edge at 0",
            [](WindowRecord& w, WindowListRules&) {
                w.rect = {-300, 10, 0, 200};
            },
            false},
        {"below the screen",
            [](WindowRecord& w, WindowListRules&) {
                w.rect = {10, 1081, 300, 1200};
            },
            false},
        {"1 pixel high",
            [](WindowRecord& w, WindowListRules&) {
                w.rect = {10, 10, 300, 11};
            },
            false},
        {"minimised far away",
            [](WindowRecord& w, WindowListRules&) {
                w.iconic = true;
                w.rect = {-32000, -32000, -31840, -31970};
            },
            true},
        {"tool window of the frame",
            [](WindowRecord& w, WindowListRules&) {
                w.toolWindow = true;
                w.parent = H(900);
            },
            false},
        {"tool window of another",
            [](WindowRecord& w, WindowListRules&) {
                w.toolWindow = true;
                w.parent = H(7);
            },
            true},
        {"no icon, owned by the frame",
            [](WindowRecord& w, WindowListRules&) {
                w.smallIcon = QImage();
                w.parent = H(900);
            },
            false},
    };
    for (const Case& c : cases) {
        WindowRecord w = Shown(1, QStringLiteral("エディタ"));
        WindowListRules rules = Rules();
        c.change(w, rules);
        EXPECT_EQ(Listed(w, rules), c.listed) << c.name;
    }
}

TEST(WindowListRules, EntryTakesTitleIconAndFallback)
{
    WindowListEntry list[4];
    int count = 0;
    WindowRecord w = Shown(1, QString(600, QChar(u'長')));
    w.smallIcon = QImage();
    w.classIcon = Icon(qRgb(5, 5, 5));
    ApplyWindowListRules(w, Rules(), list, count, 4);
    WindowRecord bare = Shown(2, QStringLiteral("bare"));
    bare.smallIcon = QImage();
    ApplyWindowListRules(bare, Rules(), list, count, 4);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(list[0].title.size(), 519);  // cut to the title buffer
    EXPECT_EQ(list[0].icon.pixel(0, 0), qRgb(5, 5, 5));
    EXPECT_EQ(list[1].icon.pixel(0, 0), qRgb(9, 9, 9));
    EXPECT_EQ(list[1].window, H(2));
    EXPECT_EQ(list[1].rect, (RECT{100, 100, 400, 300}));
}

TEST(WindowListRules, ZeroSizeWindowLendsItsIconOnlyWhenItHasOne)
{
    WindowListEntry list[4];
    int count = 0;
    ApplyWindowListRules(Shown(1, "main"), Rules(), list, count, 4);
    WindowRecord helper = Shown(1, "helper", {50, 50, 50, 80});
    helper.smallIcon = Icon(qRgb(200, 0, 0));
    ApplyWindowListRules(helper, Rules(), list, count, 4);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(list[0].icon.pixel(0, 0), qRgb(200, 0, 0));

    WindowRecord iconless = Shown(1, "iconless", {50, 50, 90, 50});
    iconless.smallIcon = QImage();
    ApplyWindowListRules(iconless, Rules(), list, count, 4);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(list[0].icon.pixel(0, 0), qRgb(200, 0, 0));  // kept, never taken away

    WindowRecord other = Shown(2, "other client", {50, 50, 50, 80});
    other.smallIcon = Icon(qRgb(0, 200, 0));
    ApplyWindowListRules(other, Rules(), list, count, 4);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(list[0].icon.pixel(0, 0), qRgb(200, 0, 0));
}

TEST(WindowListRules, StopsAtTheCapacityAllocated)
{
    WindowListEntry list[3];
    int count = 0;
    EXPECT_EQ(ApplyWindowListRules(Shown(1, "a"), Rules(), list, count, 3), 1);
    EXPECT_EQ(ApplyWindowListRules(Shown(2, "b"), Rules(), list, count, 3), 1);
    EXPECT_EQ(ApplyWindowListRules(Shown(3, "c"), Rules(), list, count, 3), 0);
    EXPECT_EQ(ApplyWindowListRules(Shown(4, "d"), Rules(), list, count, 3), 0);
    EXPECT_EQ(count, 3);
}

// A desktop of fake windows, topmost first.
class FakeWindows final : public WindowListService {
public:
    std::vector<std::pair<HWND, DesktopWindowInfo>> windows;
    std::vector<HWND> TopLevelWindows() override
    {
        std::vector<HWND> list;
        for (const auto& w : windows)
            list.push_back(w.first);
        return list;
    }
    bool QueryWindow(HWND window, unsigned, DesktopWindowInfo& info) override
    {
        for (const auto& w : windows) {
            if (w.first == window) {
                info = w.second;
                return info.exists;
            }
        }
        info = DesktopWindowInfo{};
        return false;
    }
    bool WindowExists(HWND) override { return true; }
    bool HasWindowManager() override { return true; }
};

class FakeDesktop : public testing::Test {
protected:
    void SetUp() override { SetDesktopServicesForTesting(&m_services); }
    void TearDown() override
    {
        SetDesktopServicesForTesting(nullptr);
        FreeWindowList();
    }
    void Add(unsigned long id, const QString& title, RECT rect = {0, 0, 300, 200}, const QString& cls = {})
    {
        DesktopWindowInfo info;
        info.exists = true;
        info.visible = true;
        info.title = title;
        info.className = cls;
        info.rect = rect;
        info.pid = static_cast<DWORD>(id);
        info.icon = Icon(qRgb(1, 1, 1));
        m_windows.windows.emplace_back(H(id), info);
    }
    FakeWindows m_windows;
    NullWindowControl m_control;
    struct FixedScreen final : NullScreenGrab {
        SIZE ScreenSize() override { return {1920, 1080}; }
    } m_grab;
    NullCursor m_cursor;
    NullPointerConfinement m_pointer;
    NullInput m_input;
    DesktopServices m_services{m_windows, m_control, m_grab, m_cursor, m_pointer, m_input};
};

TEST_F(FakeDesktop, EnumerationListsInStackingOrderUpToCapacity)
{
    for (unsigned long i = 1; i <= 40; ++i)
        Add(i, QStringLiteral("窓 %1").arg(i));
    m_windows.windows[3].second.exists = false;  // gone while listing
    AllocWindowList(30);
    EnumWindows(EnumWindowListProc, 0);
    ASSERT_EQ(g_nWindowListCount, 30);
    EXPECT_EQ(g_pWindowList[0].title, QStringLiteral("窓 1"));
    EXPECT_EQ(g_pWindowList[3].title, QStringLiteral("窓 5"));
    EXPECT_EQ(g_pWindowList[29].title, QStringLiteral("窓 31"));
}

TEST_F(FakeDesktop, NoListMeansNoEnumeration)
{
    Add(1, "a");
    AllocWindowList(0);
    EXPECT_EQ(EnumWindowListProc(H(1), 0), 0);
    EXPECT_EQ(g_nWindowListCount, 0);
}

TEST_F(FakeDesktop, MoveEntryToEnd)
{
    for (unsigned long i = 1; i <= 4; ++i)
        Add(i, QStringLiteral("w%1").arg(i));
    Add(5, "w2");
    AllocWindowList(30);
    EnumWindows(EnumWindowListProc, 0);
    auto titles = [] {
        QStringList t;
        for (int i = 0; i < g_nWindowListCount; ++i)
            t << g_pWindowList[i].title + QString::number(X11WindowOfHwnd(g_pWindowList[i].window));
        return t.join(',');
    };
    MoveWindowEntryToEnd("w2");
    EXPECT_EQ(titles(), "w11,w33,w44,w25,w22");  // only the first equal title moves
    MoveWindowEntryToEnd("w22");
    MoveWindowEntryToEnd("W1");
    EXPECT_EQ(titles(), "w11,w33,w44,w25,w22");  // absent (case-sensitive): nothing
    MoveWindowEntryToEnd("w4");
    EXPECT_EQ(titles(), "w11,w33,w25,w22,w44");
    MoveWindowEntryToEnd("w4");
    EXPECT_EQ(titles(), "w11,w33,w25,w22,w44");  // already last: unchanged
}

TEST_F(FakeDesktop, IconListFollowsTheFirstIcon)
{
    Add(1, "a");
    Add(2, "b");
    m_windows.windows[1].second.icon = Icon(qRgb(7, 7, 7), 32);
    AllocWindowList(30);
    WindowIconList icons;
    EXPECT_EQ(BuildWindowIconList(icons), 0);  // empty list: nothing built
    EnumWindows(EnumWindowListProc, 0);
    ASSERT_EQ(BuildWindowIconList(icons), 1);
    EXPECT_EQ(icons.iconSize, QSize(16, 16));
    ASSERT_EQ(icons.images.size(), 2);
    EXPECT_EQ(icons.images[1].size(), QSize(16, 16));
    EXPECT_EQ(icons.images[1].pixel(8, 8), qRgb(7, 7, 7));
    g_pWindowList[0].icon = QImage();
    EXPECT_EQ(BuildWindowIconList(icons), 0);
}

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
        {"microsoft-edge", "Microsoft-edge", kBrowserEdge},
        {"opera", "Opera", kBrowserOpera},
        {"kate", "kate", kBrowserNone},
        {"", "", kBrowserNone},
    };
    for (const Case& c : x11)
        EXPECT_EQ(BrowserKindOfX11Class(c.instance, c.cls), c.kind) << c.cls;
}

TEST_F(FakeDesktop, DetectBrowserWindowNeverGivesWindowsOnlyKinds)
{
    Add(1, "a", {0, 0, 300, 200}, "firefox");
    Add(2, "b", {0, 0, 300, 200}, "IEFrame");
    Add(3, "c", {0, 0, 300, 200}, "MozillaWindowClass");
    EXPECT_EQ(DetectBrowserWindow(H(1)), kBrowserFirefox);
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
