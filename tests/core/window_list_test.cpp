// The window list: the listing rules for one window, and the list built over
// a desktop of fake windows.
#include "core/window_list.h"

#include "tests/core/fake_desktop.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace fake_desktop;

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
        {"desktop background or panel", [](WindowRecord& w, WindowListRules&) { w.desktopShell = true; },
            false},
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

}  // namespace
