// Entries added, found and removed, and the selection over display positions.
#include "multiview/thumbnail_list.h"

#include "core/file_types.h"
#include "multiview/thumb_mask.h"
#include "platform/gdi/gdi.h"
#include "tests/multiview/thumb_test_folder.h"
#include "tests/support/scripted_dialogs.h"

namespace {

class ThumbnailListEntries : public ::testing::Test {
protected:
    ThumbSettingsScope settings;
    ThumbTestFolder folder;
    CThumbnailList list;

    void Load(int files)
    {
        for (int i = 0; i < files; ++i)
            folder.Sized(QString("f%1.jpg").arg(i), 10 + i);
        list.SetAvailableMemoryMB([] { return DWORD(2000); });
        ScriptedMessageBoxes boxes;
        ASSERT_EQ(list.LoadFolder(folder.Path(), 100, 0), files);
    }
    QList<int> Selected() const
    {
        QList<int> positions;
        for (int p = 0; p < list.GetFileCount(); ++p)
            if (list.IsSelected(p))
                positions << p;
        return positions;
    }
};

TEST_F(ThumbnailListEntries, AddingGrowsTheArraysAndAFullCapacity)
{
    Load(2);
    EXPECT_EQ(list.GetCapacity(), 2);
    for (int i = 0; i < 31; ++i)
        ASSERT_EQ(list.AddEntry(), 1);
    EXPECT_EQ(list.GetFileCount(), 33);
    EXPECT_EQ(list.GetCapacity(), 33) << "a capacity that covered every file still does";
    EXPECT_EQ(list.GetGrowthCounter(), 1) << "room for 30 more after the load: the 31st grew the arrays";
    EXPECT_EQ(list.HasFileName(32), 0);
    EXPECT_EQ(list.GetThumbnailState(32).thumbnail, 2);
    list.SetFileName(32, "new.png");
    EXPECT_EQ(list.FindFile("new.png"), 32);
}

TEST_F(ThumbnailListEntries, AddingStopsWhereTheRanksEnd)
{
    ASSERT_EQ(list.AllocFileArrays(kMaxListEntries - 1), 1);
    ASSERT_EQ(list.AllocThumbnailArrays(10), 1);
    EXPECT_EQ(list.AddEntry(), 1);
    EXPECT_EQ(list.GetFileCount(), kMaxListEntries);
    EXPECT_EQ(list.AddEntry(), 0);
    EXPECT_EQ(list.GetFileCount(), kMaxListEntries) << "the count never wraps";
}

TEST_F(ThumbnailListEntries, ListsWithoutThumbnailRoomTakeEntries)
{
    ASSERT_EQ(list.AllocFileArrays(0), 2);
    ASSERT_EQ(list.AllocThumbnailArrays(0), 2);
    ASSERT_EQ(list.AddEntry(), 1);
    EXPECT_EQ(list.GetFileCount(), 1);
    EXPECT_EQ(list.GetCapacity(), 1);
    EXPECT_NE(list.GetFullImageLoader(), nullptr);

    // Files but a capacity of 0: the new entry still gets its state bytes.
    ASSERT_EQ(list.AllocFileArrays(3), 1);
    ASSERT_EQ(list.AllocThumbnailArrays(0), 2);
    ASSERT_EQ(list.AddEntry(), 1);
    EXPECT_EQ(list.GetThumbnailState(3).thumbnail, 2);
    EXPECT_EQ(list.SetSelection(3, 2), 1);
}

TEST_F(ThumbnailListEntries, FindingComparesNamesExactly)
{
    folder.Sized("A.JPG", 1);
    folder.Sized("a.jpg", 2);
    list.SetAvailableMemoryMB([] { return DWORD(2000); });
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(list.LoadFolder(folder.Path(), 10, 0), 2);
    EXPECT_EQ(list.FindFile("A.JPG"), 0);
    EXPECT_EQ(list.FindFile("a.jpg"), 1);
    EXPECT_EQ(list.FindFile("a.JPG"), -1);
}

TEST_F(ThumbnailListEntries, RemovingShiftsLaterEntriesDown)
{
    Load(4);
    for (int f = 0; f < 4; ++f)
        ASSERT_EQ(list.MakeThumbnail(f), kThumbUnreadable);  // empty files: placeholders
    list.SetSelection(2, 1);
    list.RemoveEntry(1);
    list.LowerFileCount();
    EXPECT_EQ(list.GetFileCount(), 3);
    EXPECT_EQ(list.GetCapacity(), 3);
    EXPECT_EQ(list.GetFileName(1), "f2.jpg");
    EXPECT_EQ(list.GetFileSize(2), 13u);
    EXPECT_EQ(Selected(), QList<int>{1});
    EXPECT_EQ(list.IsThumbnailLoaded(2), 1);
    EXPECT_EQ(list.GetThumbnailState(3).thumbnail, 2) << "the freed last entry";
    EXPECT_EQ(list.GetFileName(3), QString());
}

TEST_F(ThumbnailListEntries, SelectionModes)
{
    Load(3);
    list.SetDescending(1);
    EXPECT_EQ(list.SetSelection(0, 1), 1);
    EXPECT_EQ(list.GetThumbnailState(2).selected, 1) << "position 0 descending is the last file";
    EXPECT_EQ(list.SetSelection(0, 2), 0);
    EXPECT_EQ(list.SetSelection(1, 2), 1);
    EXPECT_EQ(list.SetSelection(1, 0), 0);
    EXPECT_EQ(list.SetSelection(7, 1), 0);
    EXPECT_EQ(list.HasSelection(), 0);
}

TEST_F(ThumbnailListEntries, RangeSelectionFindsItsOtherEnd)
{
    Load(8);
    const struct {
        QList<int> before;
        int position, previousFocus;
        QList<int> after;
    } cases[] = {
        {{}, 3, 6, {3, 4, 5, 6}},                                      // from the previous focus
        {{1}, 4, -1, {1, 2, 3, 4}},                                    // the nearest selection before
        {{0, 2}, 5, -1, {0, 2, 3, 4, 5}}, {{6}, 3, -1, {3, 4, 5, 6}},  // else the nearest after
        {{}, 2, -1, {0, 1, 2}},                                        // else position 0
    };
    for (const auto& c : cases) {
        list.ClearSelection();
        for (int p : c.before)
            list.SetSelection(p, 1);
        list.SelectRange(c.position, c.previousFocus);
        EXPECT_EQ(Selected(), c.after) << c.position;
    }
    list.ClearSelection();
    list.SetSelection(2, 1);
    EXPECT_EQ(list.ClearSingleSelection(), 1);
    EXPECT_EQ(list.GetSelectedCount(), 0);
    list.SelectRange(3, 1);
    EXPECT_EQ(list.ClearSingleSelection(), 0);
    EXPECT_EQ(list.GetSelectedCount(), 3);
}

TEST_F(ThumbnailListEntries, MaskedFilesCannotBeSelectedUnlessAllowed)
{
    folder.Sized("a.jpg", 5);
    folder.Sized("b.png", 500);
    list.SetAvailableMemoryMB([] { return DWORD(2000); });
    CThumbMask mask;
    CMaskValueTally tally;
    list.SetMasks(&mask, &tally);
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(list.LoadFolder(folder.Path(), 10, 0), 2);

    AppSettings.IncludeMaskFile = 0;
    AppSettings.MaskExt = kImageFlagJpeg;
    EXPECT_EQ(list.IsMaskedFile(0), 1);
    EXPECT_EQ(list.SetSelection(0, 1), 0);
    EXPECT_EQ(list.SetSelection(1, 1), 1);
    EXPECT_EQ(list.SetSelection(0, 2), 1) << "a toggle does not ask";

    // The range test by byte size.
    AppSettings.MaskExt = 0;
    AppSettings.IsTMIExtMode = 1;
    AppSettings.ExtensionMask = kMeasureByteSize;
    EXPECT_EQ(list.IsMaskedFile(1), 0) << "range 0..0 masks nothing";
    tally.SetRange(1, 100);
    EXPECT_EQ(list.IsMaskedFile(0), 0);
    EXPECT_EQ(list.IsMaskedFile(1), 1);
    AppSettings.ExtensionMask = 9;
    EXPECT_EQ(list.IsMaskedFile(1), 0) << "an unknown measure";
    AppSettings.ExtensionMask = kMeasureByteSize;
    AppSettings.IncludeMaskFile = 1;
    EXPECT_EQ(list.IsMaskedFile(1), 0);
    EXPECT_EQ(list.IsHiddenByMasks(1), 1) << "still painted as masked";
}

}  // namespace
