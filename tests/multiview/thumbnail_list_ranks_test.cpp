// The three sort orders: ranks with ties, positions in both directions, the
// upkeep after single changes against a full rebuild, and cancelling.
#include "multiview/thumbnail_list.h"

#include "tests/multiview/thumb_test_folder.h"
#include "tests/support/scripted_dialogs.h"

#include <QFile>
#include <algorithm>
#include <random>

namespace {

constexpr std::time_t kT1 = 1600000000;
constexpr std::time_t kT2 = 1650000000;
constexpr std::time_t kT3 = 1700000000;

class ThumbnailListRanks : public ::testing::Test {
protected:
    ThumbSettingsScope settings;
    ThumbTestFolder folder;
    CThumbnailList list;

    void Load()
    {
        list.SetAvailableMemoryMB([] { return DWORD(2000); });
        ScriptedMessageBoxes boxes;
        ASSERT_GT(list.LoadFolder(folder.Path(), 100, 0), 0);
        ASSERT_EQ(list.BuildSortIndexes(kSortBitsAll), 1);
        ASSERT_EQ(list.GetValidBits(), kSortBitsAll);
    }
    QStringList Shown() const
    {
        QStringList names;
        for (int p = 0; p < list.GetFileCount(); ++p)
            names << list.GetFileName(list.GetSortIndex(p)).section('.', 0, 0);
        return names;
    }
    std::array<std::vector<WORD>, 3> AllRanks() const
    {
        return {list.GetRanks(1), list.GetRanks(2), list.GetRanks(3)};
    }
};

TEST_F(ThumbnailListRanks, OrdersWithTiesInFolderOrder)
{
    folder.Sized("a.jpg", 30, kT2);
    folder.Sized("B.jpg", 10, kT1);
    folder.Sized("c.jpg", 10, kT3);
    folder.Sized("d.jpg", 20, kT1);
    Load();
    const struct {
        BYTE key, descending;
        QStringList shown;
    } cases[] = {
        {kSortNone, 0, {"a", "B", "c", "d"}},
        {kSortNone, 1, {"d", "c", "B", "a"}},
        {kSortByName, 0, {"a", "B", "c", "d"}},  // collation, not code order
        {kSortByDate, 0, {"c", "a", "B", "d"}},  // newest first; equal times in folder order
        {kSortByDate, 1, {"d", "B", "a", "c"}},  // descending reverses the ties too
        {kSortBySize, 0, {"B", "c", "d", "a"}},
        {kSortBySize, 1, {"a", "d", "c", "B"}},
    };
    for (const auto& c : cases) {
        list.SetSortKey(c.key);
        list.SetDescending(c.descending);
        EXPECT_EQ(Shown(), c.shown) << int(c.key) << " " << int(c.descending);
        for (int p = 0; p < 4; ++p)
            EXPECT_EQ(list.GetDisplayIndex(list.GetSortIndex(p)), p);
    }
    EXPECT_EQ(list.GetSortIndex(4), kNoFileIndex);
    EXPECT_EQ(list.GetSortIndex(-1), kNoFileIndex);
    EXPECT_EQ(list.IsSortReady(3), 1);
    EXPECT_EQ(list.IsSortReady(4), 0);
    EXPECT_EQ(list.FindRank(kSortBySize, 0), 1);
    EXPECT_EQ(list.GetRank(kSortByDate, 3), 3);
}

TEST_F(ThumbnailListRanks, AKeyWithoutValidRanksShowsFolderOrder)
{
    folder.Sized("a.jpg", 30);
    folder.Sized("b.jpg", 10);
    Load();
    list.SetSortKey(kSortBySize);
    EXPECT_EQ(Shown(), (QStringList{"b", "a"}));
    list.SetValidBits(kSortBitName | kSortBitDate);
    EXPECT_EQ(Shown(), (QStringList{"a", "b"}));
    EXPECT_EQ(list.GetDisplayIndex(1), 1);
    EXPECT_EQ(list.IsSortReady(0), 0);
}

TEST_F(ThumbnailListRanks, AnAddedEqualKeyGoesFirstUntilTheNextBuild)
{
    folder.Sized("a.jpg", 10);
    folder.Sized("b.jpg", 20);
    Load();
    folder.Sized("c.jpg", 10);
    ASSERT_EQ(list.AddEntry(), 1);
    list.SetFileName(2, "c.jpg");
    ASSERT_EQ(list.RefreshEntry(2, folder.PathOf("c.jpg"), true), 1);
    list.SortInsertLast();
    list.SetSortKey(kSortBySize);
    EXPECT_EQ(Shown(), (QStringList{"c", "a", "b"}));
    list.SetValidBits(0);
    ASSERT_EQ(list.BuildSortIndexes(kSortBitsAll), 1);
    EXPECT_EQ(Shown(), (QStringList{"a", "c", "b"}));
}

TEST_F(ThumbnailListRanks, ChangesToKeysWithoutValidRanksAreMarkedForRebuild)
{
    folder.Sized("a.jpg", 10);
    Load();
    list.SetValidBits(kSortBitName);
    list.SortUpdateEntry(0);
    EXPECT_FALSE(list.HasRebuildFlag(kSortBitName));
    EXPECT_TRUE(list.HasRebuildFlag(kSortBitDate));
    EXPECT_TRUE(list.TakeRebuildFlag(kSortBitSize));
    EXPECT_FALSE(list.HasRebuildFlag(kSortBitSize));
}

// A build that meets keys changed while they had no valid ranks stores
// nothing for them: its copy of the entries is stale. They wait for a build
// after their rebuild flags were taken.
TEST_F(ThumbnailListRanks, ABuildLeavesKeysChangedMeanwhileToTheNextBuild)
{
    folder.Sized("a.jpg", 10);
    folder.Sized("b.jpg", 20);
    folder.Sized("c.jpg", 30);
    Load();
    list.SetValidBits(0);  // as while a builder ranks them
    list.RemoveEntry(0);
    list.SortRemoveEntry(0);
    list.LowerFileCount();
    list.BuildSortIndexes(kSortBitsAll);
    EXPECT_EQ(list.GetValidBits(), 0);
    for (unsigned bit : {kSortBitName, kSortBitDate, kSortBitSize})
        EXPECT_TRUE(list.TakeRebuildFlag(bit)) << bit;
    ASSERT_EQ(list.BuildSortIndexes(kSortBitsAll), 1);
    EXPECT_EQ(list.GetValidBits(), kSortBitsAll);
    EXPECT_EQ(list.GetSortIndex(0), 0);  // no key, folder order
}

// Random adds, changes, renames and removals kept up one at a time give the
// ranks a full build gives (keys are distinct, so no tie rule applies).
TEST_F(ThumbnailListRanks, UpkeepEqualsARebuild)
{
    std::mt19937 random(20261211);
    int nextSize = 1000;
    std::time_t nextTime = kT1;
    auto uniqueName = [&] {
        static const char letters[] = "abcdefghijklmnopqrstuvwxyz";
        for (;;) {
            QString name;
            for (int i = 0; i < 6; ++i)
                name += QLatin1Char(letters[random() % 26]);
            name += ".jpg";
            if (!QFile::exists(folder.PathOf(name)))
                return name;
        }
    };
    // Sizes and times are drawn from shuffled pools so that the order of
    // each key differs from folder order.
    std::vector<int> sizePool(400), timePool(400);
    for (int i = 0; i < 400; ++i) {
        sizePool[i] = nextSize + i * 7;
        timePool[i] = i * 61;
    }
    std::shuffle(sizePool.begin(), sizePool.end(), random);
    std::shuffle(timePool.begin(), timePool.end(), random);
    int pool = 0;
    auto place = [&](const QString& name) {
        folder.Sized(name, sizePool[pool], nextTime + timePool[pool]);
        ++pool;
    };
    for (int i = 0; i < 12; ++i)
        place(uniqueName());
    Load();

    for (int step = 0; step < 240; ++step) {
        const int count = list.GetFileCount();
        const int op = count < 3 ? 0 : static_cast<int>(random() % 4);
        const int f = count > 0 ? static_cast<int>(random() % count) : 0;
        if (op == 0) {
            const QString name = uniqueName();
            place(name);
            ASSERT_EQ(list.AddEntry(), 1);
            list.SetFileName(count, name);
            ASSERT_EQ(list.RefreshEntry(count, folder.PathOf(name), true), 1);
            list.SortInsertLast();
        } else if (op == 1) {
            place(list.GetFileName(f));
            ASSERT_EQ(list.RefreshEntry(f, list.GetFilePath(f), true), 1);
            list.SortUpdateEntry(f);
        } else if (op == 2) {
            const QString name = uniqueName();
            ASSERT_TRUE(QFile::rename(list.GetFilePath(f), folder.PathOf(name)));
            list.SetFileName(f, name);
            list.SortUpdateEntry(f);
        } else {
            ASSERT_TRUE(QFile::remove(list.GetFilePath(f)));
            list.RemoveEntry(f);
            list.SortRemoveEntry(f);
            list.LowerFileCount();
        }
        if (step % 20 == 19) {
            const auto kept = AllRanks();
            list.SetValidBits(0);
            ASSERT_EQ(list.BuildSortIndexes(kSortBitsAll), 1);
            ASSERT_EQ(kept, AllRanks()) << "after step " << step;
        }
    }
}

TEST_F(ThumbnailListRanks, ACancelledBuildLeavesNoKeyValidAndTheFlagToItsStopper)
{
    folder.Sized("a.jpg", 10);
    folder.Sized("b.jpg", 20);
    Load();
    list.RequestSortCancel();
    EXPECT_EQ(list.BuildSortIndexes(kSortBitSize), 0);
    EXPECT_EQ(list.GetValidBits(), 0);
    EXPECT_TRUE(list.IsSortCancelRequested()) << "the stopper clears it once the builder has ended";
    list.ClearSortCancel();
    EXPECT_EQ(list.BuildSortIndexes(kSortBitsAll), 1);
    EXPECT_EQ(list.GetValidBits(), kSortBitsAll);
}

}  // namespace
