// The frames of a continuous capture and the ring that hands them from the
// UI thread, which grabs the screen into them, to the saver thread, which
// writes them to files. One producer, one consumer: a frame changes hands
// only through the positions (index and lap of each side, published
// together), the writer's after the frame's pixels are complete and the
// reader's after the frame's file is written.
#pragma once

#include "imaging/load_bitmap_for_dlg.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

// Allocates a block (freed with std::free); null when memory runs out.
using CaptureBlockAllocator = std::function<void*(std::size_t bytes)>;
// The allocator of the program: zeroed memory from calloc.
CaptureBlockAllocator DefaultCaptureBlockAllocator();

// One frame: a packed DIB with its own headers and info block (the saver
// changes the header of the frame it holds), its own pixels, and the drawing
// surfaces made from them.
class CCaptureFrame : public CLoadBitmap_for_Dlg {
public:
    using CLoadBitmap::AllocBits;
    // bfSize - bfOffBits bytes from the allocator; 1, or 0.
    int AllocBits(const CaptureBlockAllocator& allocate);
    // Takes a copy of the template's headers and info block; 1, or 0 when
    // memory runs out.
    int CopyHeadersFrom(const CLoadBitmap& source);
};

// States of the two sides.
enum CaptureRingState : int {
    kRingFrameReady = 1,   // read: a frame to save; write: a free slot
    kRingEmpty = 2,        // read: nothing stored that is not saved yet
    kRingReadAhead = 3,    // read: inconsistent, the reader is ahead
    kRingWriteBehind = 4,  // write: inconsistent, the writer is behind
    kRingFull = 5,         // write: every slot holds a frame not saved yet
};

class CCaptureFrameRing {
public:
    // n empty frames, positions 0, open; no frames (and closed) when the array
    // cannot be made.
    explicit CCaptureFrameRing(std::uint32_t n);
    CCaptureFrameRing(const CCaptureFrameRing&) = delete;
    CCaptureFrameRing& operator=(const CCaptureFrameRing&) = delete;

    std::uint32_t Capacity() const { return m_capacity; }
    // Frame i for preparing the ring (before a run, on the UI thread).
    CCaptureFrame& Frame(std::uint32_t i) { return m_frames[i]; }

    int GetReadState() const;
    int GetWriteState() const;
    // Frames stored and not saved yet.
    std::int64_t GetCount() const;
    // The frame at the read (write) position when that side's state is 1, else null.
    CCaptureFrame* GetReadSlot();
    CCaptureFrame* GetWriteSlot();
    // Next position; reaching the end wraps to 0 on the next lap. AdvanceWrite
    // publishes the frame just written, AdvanceRead hands its slot back.
    void AdvanceRead();
    void AdvanceWrite();

    // 2 when closed, else 1 when frame 0 carries a bit count, else 0.
    int IsReady() const;
    bool IsOpen() const { return m_open.load(std::memory_order_acquire) != 0; }
    // No more frames will come.
    void Close() { m_open.store(0, std::memory_order_release); }

    // The positions as index and lap, for tests and the wait box.
    std::uint32_t ReadIndex() const { return IndexOf(m_read.load(std::memory_order_acquire)); }
    std::uint32_t WriteIndex() const { return IndexOf(m_write.load(std::memory_order_acquire)); }
    std::uint32_t ReadLap() const { return LapOf(m_read.load(std::memory_order_acquire)); }
    std::uint32_t WriteLap() const { return LapOf(m_write.load(std::memory_order_acquire)); }

private:
    // A position: the lap in the high and the index in the low 32 bits, so
    // that both sides are read and published in one step.
    static std::uint32_t IndexOf(std::uint64_t p) { return static_cast<std::uint32_t>(p); }
    static std::uint32_t LapOf(std::uint64_t p) { return static_cast<std::uint32_t>(p >> 32); }
    std::uint64_t Next(std::uint64_t p) const;
    static int ReadStateOf(std::uint64_t read, std::uint64_t write);
    static int WriteStateOf(std::uint64_t read, std::uint64_t write);

    std::uint32_t m_capacity = 0;
    std::unique_ptr<CCaptureFrame[]> m_frames;
    std::atomic<BYTE> m_open{0};
    std::atomic<std::uint64_t> m_read{0};
    std::atomic<std::uint64_t> m_write{0};
};

// How many frames of w x h at bpp bits the ring may hold: a quarter of the
// available physical memory (in MB), at most maxCount; 1 with less than 8 MB.
int GetMaxFramesForMemory(int width, int height, int bpp, int maxCount);
int FramesForMemory(DWORD availableMB, int width, int height, int bpp, int maxCount);
