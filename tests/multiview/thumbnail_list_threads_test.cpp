// The list and the mask data shared between the UI thread (this test's
// thread) and workers: loaders, the sort builder and the mask workers, with
// a fake decoder whose gate the test holds. Also run under ThreadSanitizer.
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"

#include "platform/thread/worker_thread.h"
#include "tests/multiview/thumb_test_folder.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <jpeglib.h>

namespace {

class ThumbnailListThreads : public ::testing::Test {
protected:
    ThumbSettingsScope settings;
    ThumbTestFolder folder;
    ThumbLoadControl control;
    CThumbnailList list;
    FakeThumbDecoder decoder;

    void Load(int files)
    {
        for (int i = 0; i < files; ++i)
            folder.Sized(QString("f%1.jpg").arg(i, 4, 10, QLatin1Char('0')), 100 + i, 1600000000 + i * 3600);
        list.SetLoadControl(&control);
        list.SetAvailableMemoryMB([] { return DWORD(2000); });
        list.SetThumbnailDecoder(decoder.Decoder());
        ScriptedMessageBoxes boxes;
        ASSERT_EQ(list.LoadFolder(folder.Path(), 100, 0), files);
    }
    int Loaded() const
    {
        int n = 0;
        for (int p = 0; p < list.GetFileCount(); ++p)
            n += list.IsThumbnailLoaded(p);
        return n;
    }
    // Waits (without a limit: a stuck test is a failure of its own) until
    // the decoder has been entered this often.
    void WaitForCalls(int calls) const
    {
        while (decoder.Calls() < calls)
            std::this_thread::yield();
    }
};

TEST_F(ThumbnailListThreads, LoadersRunWhileTheUiThreadPaintsAndSelects)
{
    Load(60);
    list.SetSortKey(kSortBySize);
    list.SetDescending(1);
    ASSERT_EQ(list.BuildSortIndexes(kSortBitsAll), 1);
    CWorkerThread range, page;
    std::atomic<int> rangeResult{-1}, pageResult{-1};
    list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(range.Start([&] { rangeResult = list.LoadRange(0, 59); }));
    ASSERT_TRUE(page.Start([&] { pageResult = list.LoadPage(20, 29); }));
    while (range.IsRunning() || page.IsRunning()) {
        for (int p = 0; p < 60; ++p) {
            HBITMAP bitmap = nullptr;
            CSize thumb, image;
            if (list.GetThumbnail(p, &bitmap, &thumb, &image)) {
                EXPECT_EQ(bitmap->image.width(), thumb.cx);
            }
        }
        list.GetLoadedPercent(0, 59);
        list.SetSelection(7, 2);
    }
    ASSERT_TRUE(range.WaitForEndWithoutMessages(kWaitForever));
    ASSERT_TRUE(page.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(rangeResult.load(), 1);
    EXPECT_EQ(pageResult.load(), 1);
    EXPECT_EQ(Loaded(), 60);
    EXPECT_EQ(control.loadedCount.load(), 60) << "a file both loaders made counts once";
    EXPECT_EQ(list.GetLoadState(), kThumbLoadFinished);
}

TEST_F(ThumbnailListThreads, RefreshDecodesBesideTheLoadersWithItsOwnDecoder)
{
    // Real files through the program's decoders on both threads.
    const QByteArray jpeg =
        MakeJpeg(64, 48, 3, JCS_RGB, [](int x, int y, int c) { return (x * 3 + y * 5 + c * 70) & 255; });
    for (int i = 0; i < 24; ++i)
        folder.Write(QString("r%1.jpg").arg(i, 2, 10, QLatin1Char('0')), jpeg);
    list.SetLoadControl(&control);
    list.SetAvailableMemoryMB([] { return DWORD(2000); });
    {
        ScriptedMessageBoxes boxes;
        ASSERT_EQ(list.LoadFolder(folder.Path(), 100, 0), 24);
    }
    CWorkerThread worker;
    std::atomic<int> result{-1};
    ASSERT_TRUE(worker.Start([&] { result = list.LoadRange(0, 23); }));
    int refreshed = 0;
    while (worker.IsRunning() && refreshed < 200)
        refreshed += list.RefreshEntry(refreshed % 24, list.GetFilePath(refreshed % 24), false);
    ASSERT_TRUE(worker.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(result.load(), 1);
    EXPECT_EQ(Loaded(), 24);
    for (int f = 0; f < 24; ++f)
        EXPECT_EQ(list.GetImageSize(f), CSize(64, 48));
}

TEST_F(ThumbnailListThreads, ACancelledRangeLoadStopsAtItsNextFile)
{
    Load(10);
    decoder.Close();
    CWorkerThread worker;
    std::atomic<int> result{-1};
    list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(worker.Start([&] { result = list.LoadRange(0, 9); }));
    WaitForCalls(1);
    list.RequestRangeCancel();
    decoder.Open();
    ASSERT_TRUE(worker.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(result.load(), 0);
    EXPECT_EQ(list.GetLoadState(), kThumbLoadStopped);
    EXPECT_FALSE(list.IsRangeCancelRequested()) << "the loader clears its flag when it stops";
    EXPECT_EQ(decoder.Calls(), 1);
    EXPECT_EQ(Loaded(), 1) << "the thumbnail in hand is kept";
}

TEST_F(ThumbnailListThreads, ALoaderThatOutlivedItsStopNeverWritesIntoNewArrays)
{
    Load(10);
    decoder.Close();
    CWorkerThread worker;
    std::atomic<int> result{-1};
    list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(worker.Start([&] { result = list.LoadRange(0, 9); }));
    WaitForCalls(1);
    // The stage gave up waiting and loads the folder again; the old loader
    // is still inside its decode.
    folder.Sized("f0000.jpg", 5);
    {
        ScriptedMessageBoxes boxes;
        ASSERT_EQ(list.LoadFolder(folder.Path(), 100, 0), 10);
    }
    list.ClearRangeCancel();
    decoder.Open();
    ASSERT_TRUE(worker.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(result.load(), 0);
    EXPECT_EQ(Loaded(), 0) << "nothing of the old run in the new arrays";
    EXPECT_EQ(decoder.Calls(), 1) << "it ended at its next file";
    EXPECT_EQ(list.GetLoadState(), kThumbLoadNone) << "nor did it touch the new load's state";
}

TEST_F(ThumbnailListThreads, AGivenUpLoaderStoresNothingEvenWithItsFlagCleared)
{
    Load(6);
    decoder.Close();
    CWorkerThread worker;
    std::atomic<int> result{-1};
    list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(worker.Start([&] { result = list.LoadRange(0, 5); }));
    WaitForCalls(1);
    // The stop's limit passed: the stage gives the run up and clears the flag.
    list.RequestRangeCancel();
    list.AbandonLoaderRuns();
    list.ClearRangeCancel();
    list.SetLoadState(kThumbLoadStopped);
    control.cursor = 4;
    decoder.Open();
    ASSERT_TRUE(worker.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(result.load(), 0);
    EXPECT_EQ(Loaded(), 0);
    EXPECT_EQ(decoder.Calls(), 1);
    EXPECT_EQ(list.GetLoadState(), kThumbLoadStopped);
    EXPECT_EQ(control.cursor.load(), 4);
}

TEST_F(ThumbnailListThreads, ANewRangeLoaderReplacesAnOldOneStillRunning)
{
    Load(12);
    decoder.Close();
    CWorkerThread older, newer;
    std::atomic<int> olderResult{-1}, newerResult{-1};
    ASSERT_TRUE(older.Start([&] { olderResult = list.LoadRange(0, 11); }));
    WaitForCalls(1);
    ASSERT_TRUE(newer.Start([&] { newerResult = list.LoadRange(0, 11); }));
    WaitForCalls(2);
    decoder.Open();
    ASSERT_TRUE(older.WaitForEndWithoutMessages(kWaitForever));
    ASSERT_TRUE(newer.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(olderResult.load(), 0);
    EXPECT_EQ(newerResult.load(), 1);
    EXPECT_EQ(Loaded(), 12);
    EXPECT_EQ(decoder.Calls(), 13) << "the old run's one decode is thrown away";
}

TEST_F(ThumbnailListThreads, SuspendedLoadersWaitBeforeTheirNextFile)
{
    Load(4);
    control.suspended = true;
    CWorkerThread worker;
    std::atomic<int> result{-1};
    ASSERT_TRUE(worker.Start([&] { result = list.LoadPage(0, 3); }));
    list.RequestPageCancel();
    ASSERT_TRUE(worker.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(result.load(), 0);
    EXPECT_EQ(decoder.Calls(), 0);
    list.ClearPageCancel();
    control.suspended = false;
    ASSERT_TRUE(worker.Start([&] { result = list.LoadPage(0, 3); }));
    ASSERT_TRUE(worker.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(result.load(), 1);
    EXPECT_EQ(Loaded(), 4);
}

TEST_F(ThumbnailListThreads, TheSortBuilderRunsBesideEntryChanges)
{
    Load(300);
    CWorkerThread builder;
    std::atomic<int> result{-1};
    ASSERT_TRUE(builder.Start([&] { result = list.BuildSortIndexes(kSortBitsAll); }));
    for (int i = 0; i < 20; ++i) {
        folder.Sized(QString("n%1.jpg").arg(i), 7 + i);
        ASSERT_EQ(list.AddEntry(), 1);
        const int file = list.GetFileCount() - 1;
        list.SetFileName(file, QString("n%1.jpg").arg(i));
        list.RefreshEntry(file, folder.PathOf(QString("n%1.jpg").arg(i)), true);
        list.SortInsertLast();
        list.GetSortIndex(i);
    }
    ASSERT_TRUE(builder.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(result.load(), 1);
    // Whatever the builder saw, the keys it missed are marked and a build
    // puts every order right.
    for (unsigned bit : {kSortBitName, kSortBitDate, kSortBitSize})
        if (list.TakeRebuildFlag(bit))
            list.SetValidBits(list.GetValidBits() & ~bit);
    ASSERT_EQ(list.BuildSortIndexes(kSortBitsAll & ~list.GetValidBits()), 1);
    list.SetSortKey(kSortBySize);
    for (int p = 0; p + 1 < list.GetFileCount(); ++p)
        EXPECT_LE(list.GetFileSize(list.GetSortIndex(p)), list.GetFileSize(list.GetSortIndex(p + 1))) << p;
}

TEST_F(ThumbnailListThreads, ASortStopLeavesTheFlagForTheStopperToClear)
{
    Load(400);
    CWorkerThread builder;
    std::atomic<int> result{-1};
    ASSERT_TRUE(builder.Start([&] { result = list.BuildSortIndexes(kSortBitsAll); }));
    list.RequestSortCancel();
    ASSERT_TRUE(builder.WaitForEndWithoutMessages(kWaitForever));
    // It may have finished before it saw the request; either way the next
    // builder starts clean once the stopper cleared the flag.
    if (result.load() == 0) {
        EXPECT_EQ(list.GetValidBits(), 0);
    }
    EXPECT_TRUE(list.IsSortCancelRequested());
    list.ClearSortCancel();
    ASSERT_TRUE(builder.Start([&] { result = list.BuildSortIndexes(kSortBitsAll); }));
    ASSERT_TRUE(builder.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(result.load(), 1);
    EXPECT_EQ(list.GetValidBits(), kSortBitsAll);
}

TEST_F(ThumbnailListThreads, MaskWorkersRunWhileTheUiThreadTestsFiles)
{
    Load(200);
    CThumbMask mask;
    mask.Reset();
    list.SetMasks(&mask, nullptr);
    AppSettings.IncludeMaskFile = 0;
    std::atomic<bool> stop{false};
    CWorkerThread collector;
    ASSERT_TRUE(collector.Start([&] { CollectMaskDatesThreadProc(mask, list, list.GetFileCount(), stop); }));
    while (collector.IsRunning()) {
        std::vector<MaskDateEntry> days = mask.GetDays();
        if (!days.empty()) {
            days[0].masked = 1;
            mask.ApplyMaskedDays(days);
        }
        list.IsMaskedFile(0);
        mask.GetDistinctYears();
    }
    ASSERT_TRUE(collector.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(mask.GetStatus(), CThumbMask::kDone);
    const std::size_t collected = mask.GetDays().size();
    EXPECT_GE(collected, 9u);  // 200 hours: nine days

    CWorkerThread rebuilder;
    ASSERT_TRUE(rebuilder.Start([&] { RebuildMaskDatesThreadProc(mask, list, list.GetFileCount(), stop); }));
    while (rebuilder.IsRunning()) {
        list.IsMaskedFile(100);
        mask.IsDateMasked(SYSTEMTIME());
    }
    ASSERT_TRUE(rebuilder.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(mask.GetStatus(), CThumbMask::kDone);
    EXPECT_EQ(mask.GetDays().size(), collected);
}

}  // namespace
