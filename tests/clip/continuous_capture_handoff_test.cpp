// The ring's hand-off between the two threads: every frame arrives whole and
// in order, and neither side ever touches a slot the other one holds.
#include "clip/continuous_capture_frame_ring.h"

#include "imaging/dib_helpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr int kFrames = 20000;

TEST(CaptureFrameRingHandOff, EveryFrameArrivesWholeAndInOrder)
{
    CCaptureFrameRing ring(3);
    for (std::uint32_t i = 0; i < ring.Capacity(); ++i) {
        CCaptureFrame& frame = ring.Frame(i);
        ASSERT_EQ(InitDibHeaders(&frame.fileHeader, &frame.infoHeader, 16, 4, 32, 0, 0, 0), 1);
        ASSERT_EQ(frame.AllocBits(DefaultCaptureBlockAllocator()), 1);
    }
    const std::uint32_t bytes = ring.Frame(0).PixelBytes();
    std::atomic<int> badFrames{0};
    std::atomic<int> badCounts{0};

    std::thread saver([&] {
        for (int k = 0; k < kFrames;) {
            CCaptureFrame* frame = ring.GetReadSlot();
            if (frame == nullptr) {
                std::this_thread::yield();
                continue;
            }
            const std::int64_t count = ring.GetCount();
            if (count < 1 || count > 3)
                ++badCounts;
            const BYTE expected = static_cast<BYTE>(k % 251);
            for (std::uint32_t b = 0; b < bytes; ++b) {
                if (frame->bits[b] != expected) {
                    ++badFrames;
                    break;
                }
            }
            frame->bits[0] = 0xFF;  // the saver's own use of its slot
            ring.AdvanceRead();
            ++k;
        }
    });
    for (int k = 0; k < kFrames;) {
        CCaptureFrame* frame = ring.GetWriteSlot();
        if (frame == nullptr) {
            std::this_thread::yield();
            continue;
        }
        std::memset(frame->bits, k % 251, bytes);
        ring.AdvanceWrite();
        ++k;
    }
    saver.join();
    EXPECT_EQ(badFrames.load(), 0);
    EXPECT_EQ(badCounts.load(), 0);
    EXPECT_EQ(ring.GetCount(), 0);
    EXPECT_EQ(ring.ReadLap(), static_cast<std::uint32_t>(kFrames / 3));
}

}  // namespace
