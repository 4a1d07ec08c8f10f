#include "core/histories.h"

#include "core/settings/app_settings.h"

#include <gtest/gtest.h>

namespace {

constexpr SIZE kMax{10000, 10000};

RECT R(int n)
{
    return RECT{n, n, n + 100, n + 50};
}

ClipHistoryRects Full()
{
    ClipHistoryRects h;
    for (int i = 0; i < kClipHistoryCount; ++i)
        h.entries[i] = R(i + 1);
    return h;
}

TEST(ClipHistory, RectWithinLimits)
{
    struct Case {
        RECT r;
        int within;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, 1},
        {{1, 1, 1, 1}, 1},
        {{-1, 0, 5, 5}, 0},
        {{0, -1, 5, 5}, 0},
        {{0, 0, 10000, 5}, 0},
        {{0, 0, 9999, 9999}, 1},
        {{5, 0, 4, 5}, 0},
        {{0, 5, 5, 4}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsRectWithinMaxImageSize(c.r, kMax), c.within)
            << c.r.left << c.r.top << c.r.right << c.r.bottom;
}

TEST(ClipHistory, FindUnprotectedPair)
{
    int d = 0;
    int s = 0;
    EXPECT_EQ(FindUnprotectedPair(0, 11, d, s), 3);
    EXPECT_EQ(d, 11);
    EXPECT_EQ(s, 10);
    EXPECT_EQ(FindUnprotectedPair(0b110000000000, 11, d, s), 3);  // entries 11 and 12 protected
    EXPECT_EQ(d, 9);
    EXPECT_EQ(s, 8);
    EXPECT_EQ(FindUnprotectedPair(0b111111111110, 11, d, s), 1);
    EXPECT_EQ(d, 0);
    EXPECT_EQ(FindUnprotectedPair(0xFFF, 11, d, s), 2);
}

TEST(ClipHistory, EqualEntryIsNotAddedAgain)
{
    ClipHistoryRects h = Full();
    h.protect = 1u << 3;
    const ClipHistoryRects before = h;
    EXPECT_EQ(AddClipHistoryRect(h, R(4), kMax), 0);
    for (int i = 0; i < kClipHistoryCount; ++i)
        EXPECT_EQ(h.entries[i], before.entries[i]);
}

TEST(ClipHistory, PushGoesAroundProtectedEntries)
{
    ClipHistoryRects h = Full();
    h.protect = 1u << 1;  // entry 2
    const RECT r{500, 500, 600, 600};
    EXPECT_EQ(AddClipHistoryRect(h, r, kMax), 1);
    EXPECT_EQ(h.entries[0], r);
    EXPECT_EQ(h.entries[1], R(2));  // protected: unchanged
    EXPECT_EQ(h.entries[2], R(1));
    for (int i = 3; i < kClipHistoryCount; ++i)
        EXPECT_EQ(h.entries[i], R(i)) << i;  // entry k + 1 holds the old entry k; old 12 lost
}

TEST(ClipHistory, FreeEntryBeforeATakenOneIsFilled)
{
    ClipHistoryRects h = Full();
    h.entries[4] = RECT{-5, 0, 10, 10};  // entry 5 outside the limits
    const RECT r{500, 500, 600, 600};
    EXPECT_EQ(AddClipHistoryRect(h, r, kMax), 5);
    EXPECT_EQ(h.entries[4], r);
    EXPECT_EQ(h.entries[5], R(6));

    // Free entries only at the end: the new range goes first.
    ClipHistoryRects tail = Full();
    for (int i = 6; i < kClipHistoryCount; ++i)
        tail.entries[i] = RECT{0, 0, 20000, 5};
    EXPECT_EQ(AddClipHistoryRect(tail, r, kMax), 1);
    EXPECT_EQ(tail.entries[0], r);
    EXPECT_EQ(tail.entries[1], R(1));
}

TEST(ClipHistory, AllProtectedStoresNothing)
{
    ClipHistoryRects h = Full();
    h.protect = 0xFFF;
    EXPECT_EQ(AddClipHistoryRect(h, RECT{500, 500, 600, 600}, kMax), 1);
    for (int i = 0; i < kClipHistoryCount; ++i)
        EXPECT_EQ(h.entries[i], R(i + 1));
}

TEST(ClipHistory, SettingsHistoryIsUpdated)
{
    const AppSettingsRecord saved = AppSettings;
    AppSettings.MaxSaveSizeWidth = 10000;
    AppSettings.MaxSaveSizeHeight = 10000;
    for (int i = 0; i < kClipHistoryCount; ++i)
        AppSettings.*kClipRectMembers[i] = R(i + 1);
    AppSettings.ClipHistoryProtect = 1;
    EXPECT_EQ(AddClipHistoryRect(RECT{500, 500, 600, 600}), 1);
    EXPECT_EQ(AppSettings.ClipRect01_rect, R(1));
    EXPECT_EQ(AppSettings.ClipRect02_rect, (RECT{500, 500, 600, 600}));
    EXPECT_EQ(AppSettings.ClipRect03_rect, R(2));
    EXPECT_EQ(AppSettings.ClipHistoryProtect, 1);
    AppSettings = saved;
}

TEST(WorkFolders, AddTable)
{
    WorkFolderHistory h;
    EXPECT_EQ(AddWorkFolderHistory(h, "/home/u/写真/"), 1);
    EXPECT_EQ(h.folders[0], "/home/u/写真");
    EXPECT_EQ(AddWorkFolderHistory(h, "/home/u/写真"), 0);
    EXPECT_EQ(AddWorkFolderHistory(h, "/home/u/写真/"), 0);  // one trailing separator removed
    EXPECT_EQ(AddWorkFolderHistory(h, "/HOME/u/写真"), 1);   // case-sensitive
    EXPECT_EQ(h.folders[0], "/HOME/u/写真");
    EXPECT_EQ(h.folders[1], "/home/u/写真");
    EXPECT_EQ(AddWorkFolderHistory(h, "/"), 1);  // the root keeps its separator
    EXPECT_EQ(h.folders[0], "/");

    h.folders[1].clear();  // a hole before a folder in use is filled
    EXPECT_EQ(AddWorkFolderHistory(h, "/tmp/a"), 2);
    EXPECT_EQ(h.folders[1], "/tmp/a");

    const QString longPath = "/" + QString(600, QChar('x'));
    EXPECT_EQ(AddWorkFolderHistory(h, longPath), 1);
    EXPECT_EQ(h.folders[0].size(), kHistoryPathChars);
}

TEST(WorkFolders, FullHistoryDropsTheLastSlot)
{
    WorkFolderHistory h;
    for (int i = 0; i < kWorkFolderCount; ++i)
        h.folders[i] = QStringLiteral("/f%1").arg(i + 1);
    EXPECT_EQ(AddWorkFolderHistory(h, "/new"), 1);
    EXPECT_EQ(h.folders[0], "/new");
    EXPECT_EQ(h.folders[1], "/f1");
    EXPECT_EQ(h.folders[9], "/f9");
    EXPECT_EQ(FindPathInHistory(h.folders, "/f10", kWorkFolderCount), -1);
}

TEST(PathArrays, EmptyPushAndFind)
{
    QString paths[3];
    EXPECT_EQ(AreAllPathsEmpty(paths, 3), 1);
    PushFrontPathHistory(paths, "/a", 3);
    PushFrontPathHistory(paths, "/b", 3);
    PushFrontPathHistory(paths, "/c", 3);
    PushFrontPathHistory(paths, "/d", 3);
    EXPECT_EQ(AreAllPathsEmpty(paths, 3), 0);
    EXPECT_EQ(paths[0], "/d");
    EXPECT_EQ(paths[2], "/b");
    EXPECT_EQ(FindPathInHistory(paths, "/c", 3), 1);
    EXPECT_EQ(FindPathInHistory(paths, "/C", 3), -1);
    EXPECT_EQ(FindPathInHistory(paths, "/a", 3), -1);
}

}  // namespace
