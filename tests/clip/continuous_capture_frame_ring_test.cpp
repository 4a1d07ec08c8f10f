#include "clip/continuous_capture_frame_ring.h"

#include "imaging/dib_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Drives a ring through a script of stores ('w') and saves ('r'), each taken
// only when the side's state allows it.
void RunScript(CCaptureFrameRing& ring, const std::string& script)
{
    for (char step : script) {
        if (step == 'w') {
            ASSERT_NE(ring.GetWriteSlot(), nullptr);
            ring.AdvanceWrite();
        } else {
            ASSERT_NE(ring.GetReadSlot(), nullptr);
            ring.AdvanceRead();
        }
    }
}

struct RingCase {
    const char* script;
    int readState;
    int writeState;
    std::int64_t count;
    std::uint32_t readIndex, readLap, writeIndex, writeLap;
};

TEST(CaptureFrameRing, StatesCountsAndLapsOfARingOfThree)
{
    const RingCase cases[] = {
        {"", kRingEmpty, kRingFrameReady, 0, 0, 0, 0, 0},
        {"w", kRingFrameReady, kRingFrameReady, 1, 0, 0, 1, 0},
        {"www", kRingFrameReady, kRingFull, 3, 0, 0, 0, 1},         // full after three stores
        {"wwwr", kRingFrameReady, kRingFrameReady, 2, 1, 0, 0, 1},  // one save frees a slot
        {"wwwrrr", kRingEmpty, kRingFrameReady, 0, 0, 1, 0, 1},
        {"wwwrrrwwwrr", kRingFrameReady, kRingFrameReady, 1, 2, 1, 0, 2},
        {"wwwrrrwwwrrrwwwr", kRingFrameReady, kRingFrameReady, 2, 1, 2, 0, 3},
    };
    for (const RingCase& c : cases) {
        SCOPED_TRACE(c.script);
        CCaptureFrameRing ring(3);
        RunScript(ring, c.script);
        EXPECT_EQ(ring.GetReadState(), c.readState);
        EXPECT_EQ(ring.GetWriteState(), c.writeState);
        EXPECT_EQ(ring.GetCount(), c.count);
        EXPECT_EQ(ring.ReadIndex(), c.readIndex);
        EXPECT_EQ(ring.ReadLap(), c.readLap);
        EXPECT_EQ(ring.WriteIndex(), c.writeIndex);
        EXPECT_EQ(ring.WriteLap(), c.writeLap);
        EXPECT_EQ(ring.GetWriteSlot() == nullptr, c.writeState != kRingFrameReady);
        EXPECT_EQ(ring.GetReadSlot() == nullptr, c.readState != kRingFrameReady);
    }
}

TEST(CaptureFrameRing, SlotsFollowThePositionsAroundTheRing)
{
    CCaptureFrameRing ring(2);
    CCaptureFrame* first = ring.GetWriteSlot();
    ring.AdvanceWrite();
    CCaptureFrame* second = ring.GetWriteSlot();
    EXPECT_NE(first, second);
    EXPECT_EQ(ring.GetReadSlot(), first);
    ring.AdvanceWrite();
    EXPECT_EQ(ring.GetWriteSlot(), nullptr);  // full
    ring.AdvanceRead();
    EXPECT_EQ(ring.GetWriteSlot(), first);  // the saved slot comes back first
    EXPECT_EQ(ring.GetReadSlot(), second);
}

TEST(CaptureFrameRing, ReadyOnceFrameZeroHasADepthAndClosedAtAnyTime)
{
    CCaptureFrameRing ring(2);
    EXPECT_TRUE(ring.IsOpen());
    EXPECT_EQ(ring.IsReady(), 0);
    ring.Frame(0).infoHeader.biBitCount = 32;
    EXPECT_EQ(ring.IsReady(), 1);
    ring.Close();
    EXPECT_EQ(ring.IsReady(), 2);

    CCaptureFrameRing none(0);
    EXPECT_EQ(none.Capacity(), 0u);
    EXPECT_FALSE(none.IsOpen());
    EXPECT_EQ(none.GetWriteSlot(), nullptr);
}

TEST(CaptureFrameRing, EveryFrameOwnsItsHeadersAndInfoBlock)
{
    CCaptureFrame source;
    ASSERT_EQ(InitDibHeaders(&source.fileHeader, &source.infoHeader, 8, 4, 32, 0, 0, 0), 1);
    ASSERT_EQ(source.AllocInfo(), 1);
    CCaptureFrame a;
    CCaptureFrame b;
    ASSERT_EQ(a.CopyHeadersFrom(source), 1);
    ASSERT_EQ(b.CopyHeadersFrom(source), 1);
    ASSERT_NE(a.info, nullptr);
    EXPECT_NE(a.info, b.info);
    EXPECT_NE(a.info, source.info);
    a.infoHeader.biBitCount = 24;
    a.info->bmiHeader.biBitCount = 24;
    EXPECT_EQ(b.infoHeader.biBitCount, 32);
    EXPECT_EQ(b.info->bmiHeader.biBitCount, source.info->bmiHeader.biBitCount);
}

TEST(CaptureFrameRing, MemoryBudget)
{
    struct Case {
        DWORD availableMB;
        int width, height, bpp, maxCount;
        int frames;
    } const cases[] = {
        {4000, 1920, 1080, 32, 10000, 120},  // 1000 / 8.2944
        {4000, 1920, 1080, 32, 50, 50},      // no more than the count
        {7, 1920, 1080, 32, 10000, 1},       // below 8 MB: one frame
        {8, 1920, 1080, 32, 10000, 0},       // a frame above a quarter: none
        {4000, 1920, 1080, 24, 10000, 160},  // 1000 / 6.2208
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.availableMB);
        EXPECT_EQ(FramesForMemory(c.availableMB, c.width, c.height, c.bpp, c.maxCount), c.frames);
    }
}

}  // namespace
