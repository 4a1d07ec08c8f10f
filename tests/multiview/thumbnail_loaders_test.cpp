// The stage's worker threads on a real list with a fake decoder of
// controllable speed: a range load runs to its end, a stopped loader leaves
// no flag behind for the next one, a loader stuck past its limit is kept
// (cancel still set, no second one, nothing may free the arrays), suspend
// holds the loaders, and a sort cancel left set does not cancel the next
// builder.
#include "multiview/thumbnail_loaders.h"

#include "core/settings/app_settings.h"
#include "multiview/thumb_load_control.h"
#include "multiview/thumb_mask.h"
#include "tests/multiview/fake_thumbnail_decoder.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

// Waits for a condition that the workers bring about (no GUI loop here).
template <class Condition> bool WaitUntil(Condition condition, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(1);
    }
    return true;
}

class ThumbnailLoadersTest : public testing::Test {
protected:
    static constexpr int kFiles = 40;

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppSettings.MaxHBitmapNumber = 2000;
        m_list.SetLoadControl(&m_control);
        m_list.SetAvailableMemoryMB([] { return DWORD{100000}; });
        m_list.SetThumbnailDecoder(m_decoder.Decoder());
        ASSERT_EQ(m_list.LoadFolder(MakePictureFolder(m_dir, QStringLiteral("a"), kFiles), 9, 0), kFiles);
    }

    void TearDown() override { m_decoder.OpenGate(); }

    bool AllLoaded() const
    {
        for (int p = 0; p < kFiles; ++p) {
            if (!m_list.IsThumbnailLoaded(p))
                return false;
        }
        return true;
    }

    QTemporaryDir m_dir;
    FakeThumbnailDecoder m_decoder;
    ThumbLoadControl m_control;
    CThumbnailList m_list;
    CThumbMask m_mask;
    CThumbnailLoaders m_loaders{&m_list, &m_control, &m_mask};
};

TEST_F(ThumbnailLoadersTest, ARangeLoaderMakesEveryThumbnailOfItsRange)
{
    m_list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(m_loaders.StartRangeLoader(0, kFiles - 1));
    ASSERT_TRUE(WaitUntil([&] { return !m_loaders.IsRunning(CThumbnailLoaders::kRangeLoader); }));
    EXPECT_TRUE(AllLoaded());
    EXPECT_EQ(m_list.GetLoadState(), kThumbLoadFinished);
    EXPECT_EQ(m_control.loadedCount.load(), kFiles);
    EXPECT_EQ(m_loaders.StopRangeLoader(), CThumbnailLoaders::Stop::NotRunning);
}

TEST_F(ThumbnailLoadersTest, AStoppedLoaderLeavesNoFlagForTheNextOne)
{
    m_decoder.SetDelayMs(5);
    m_list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(m_loaders.StartRangeLoader(0, kFiles - 1));
    ASSERT_TRUE(WaitUntil([&] { return m_decoder.Calls() >= 2; }));

    // Stopped only to let a page load first: the flag is down afterwards too.
    EXPECT_EQ(m_loaders.StopRangeLoader(true), CThumbnailLoaders::Stop::Stopped);
    EXPECT_EQ(m_list.GetLoadState(), kThumbLoadStopped);
    EXPECT_FALSE(m_list.IsRangeCancelRequested());
    EXPECT_FALSE(m_control.stopping.load());
    EXPECT_FALSE(AllLoaded());
    EXPECT_FALSE(m_loaders.AnyAlive());

    m_decoder.SetDelayMs(0);
    m_list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(m_loaders.StartRangeLoader(0, kFiles - 1));
    ASSERT_TRUE(WaitUntil([&] { return !m_loaders.IsRunning(CThumbnailLoaders::kRangeLoader); }));
    EXPECT_TRUE(AllLoaded());
    EXPECT_EQ(m_list.GetLoadState(), kThumbLoadFinished);
}

TEST_F(ThumbnailLoadersTest, ALoaderStuckPastItsLimitIsKeptWithItsCancelSet)
{
    m_loaders.SetStopLimits(30, 30);
    m_decoder.CloseGate();
    m_list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(m_loaders.StartRangeLoader(0, kFiles - 1));
    ASSERT_TRUE(WaitUntil([&] { return m_decoder.Waiting() == 1; }));

    EXPECT_EQ(m_loaders.StopRangeLoader(), CThumbnailLoaders::Stop::StillRunning);
    // It may not carry on, and nothing may treat the list as free of workers.
    EXPECT_TRUE(m_list.IsRangeCancelRequested());
    EXPECT_TRUE(m_loaders.AnyAlive());
    EXPECT_FALSE(m_loaders.StopWorkerThreads(true, false));
    EXPECT_FALSE(m_loaders.ReapIfEnded(CThumbnailLoaders::kRangeLoader));
    // No second loader of the kind while it lives.
    EXPECT_FALSE(m_loaders.StartRangeLoader(0, kFiles - 1));
    EXPECT_TRUE(m_list.IsRangeCancelRequested());

    m_decoder.OpenGate();
    ASSERT_TRUE(WaitUntil([&] { return !m_loaders.AnyAlive(); }));
    // It saw the cancel at its next file and made no further thumbnails.
    EXPECT_EQ(m_decoder.Calls(), 1);

    // Once it has ended a new loader starts (clearing the flag it left) and
    // does the whole range.
    m_list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(m_loaders.StartRangeLoader(0, kFiles - 1));
    ASSERT_TRUE(WaitUntil([&] { return !m_loaders.IsRunning(CThumbnailLoaders::kRangeLoader); }));
    EXPECT_TRUE(AllLoaded());
}

TEST_F(ThumbnailLoadersTest, SuspendedLoadersWaitBeforeTheirNextFile)
{
    m_loaders.SuspendLoaders();
    m_list.SetLoadState(kThumbLoadRunning);
    ASSERT_TRUE(m_loaders.StartRangeLoader(0, kFiles - 1));
    ASSERT_TRUE(m_loaders.StartPageLoader(0, 8));
    QThread::msleep(30);
    EXPECT_EQ(m_decoder.Calls(), 0);

    m_loaders.ResumeLoaders();
    ASSERT_TRUE(WaitUntil([&] { return !m_loaders.AnyAlive(); }));
    EXPECT_TRUE(AllLoaded());

    // A suspended loader still stops when asked.
    m_loaders.SuspendLoaders();
    for (int p = 0; p < kFiles; ++p)
        m_list.ReleaseThumbnail(m_list.GetSortIndex(p));
    ASSERT_TRUE(m_loaders.StartRangeLoader(0, kFiles - 1));
    EXPECT_EQ(m_loaders.StopRangeLoader(), CThumbnailLoaders::Stop::Stopped);
    m_loaders.ResumeLoaders();
}

TEST_F(ThumbnailLoadersTest, MaskWorkersOfAKindReplaceEachOther)
{
    ASSERT_EQ(m_mask.Reset(), 1);
    ASSERT_TRUE(m_loaders.StartMaskWorker(false, kFiles));
    ASSERT_TRUE(m_loaders.StartMaskWorker(false, kFiles));  // stops the first
    ASSERT_TRUE(WaitUntil([&] { return !m_loaders.IsRunning(CThumbnailLoaders::kMaskCollector); }));
    EXPECT_EQ(m_mask.GetStatus(), CThumbMask::kDone);
    EXPECT_FALSE(m_mask.GetDays().empty());
}

}  // namespace
