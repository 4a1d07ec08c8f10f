#include "clip/continuous_capture_frame_ring.h"

#include "core/system_figures.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

CaptureBlockAllocator DefaultCaptureBlockAllocator()
{
    return [](std::size_t bytes) { return std::calloc(bytes, 1); };
}

int CCaptureFrame::AllocBits(const CaptureBlockAllocator& allocate)
{
    FreeBits();
    const std::uint32_t size = PixelBytes();
    if (size == 0 || !allocate)
        return 0;
    bits = static_cast<BYTE*>(allocate(size));
    return bits != nullptr ? 1 : 0;
}

int CCaptureFrame::CopyHeadersFrom(const CLoadBitmap& source)
{
    fileHeader = source.fileHeader;
    std::memcpy(infoHeaderArea, source.infoHeaderArea, sizeof infoHeaderArea);
    std::free(info);
    info = nullptr;
    infoSize = 0;
    if (source.info == nullptr || source.infoSize == 0)
        return 1;
    info = static_cast<BITMAPINFO*>(std::malloc(source.infoSize));
    if (info == nullptr)
        return 0;
    std::memcpy(info, source.info, source.infoSize);
    infoSize = source.infoSize;
    return 1;
}

CCaptureFrameRing::CCaptureFrameRing(std::uint32_t n)
{
    if (n == 0)
        return;
    m_frames.reset(new (std::nothrow) CCaptureFrame[n]);
    if (!m_frames)
        return;
    m_capacity = n;
    m_open.store(1, std::memory_order_release);
}

std::uint64_t CCaptureFrameRing::Next(std::uint64_t p) const
{
    std::uint32_t index = IndexOf(p) + 1;
    std::uint64_t lap = LapOf(p);
    if (index >= m_capacity) {
        index = 0;
        ++lap;
    }
    return (lap << 32) | index;
}

int CCaptureFrameRing::ReadStateOf(std::uint64_t read, std::uint64_t write)
{
    if (LapOf(read) == LapOf(write))
        return IndexOf(read) >= IndexOf(write) ? kRingEmpty : kRingFrameReady;
    return LapOf(read) > LapOf(write) ? kRingReadAhead : kRingFrameReady;
}

int CCaptureFrameRing::WriteStateOf(std::uint64_t read, std::uint64_t write)
{
    if (LapOf(read) == LapOf(write))
        return IndexOf(write) < IndexOf(read) ? kRingWriteBehind : kRingFrameReady;
    return LapOf(read) >= LapOf(write) || IndexOf(write) >= IndexOf(read) ? kRingFull : kRingFrameReady;
}

int CCaptureFrameRing::GetReadState() const
{
    // The reader's own position needs no ordering; the writer's is acquired
    // before the frame it publishes is touched.
    return ReadStateOf(m_read.load(std::memory_order_relaxed), m_write.load(std::memory_order_acquire));
}

int CCaptureFrameRing::GetWriteState() const
{
    return WriteStateOf(m_read.load(std::memory_order_acquire), m_write.load(std::memory_order_relaxed));
}

std::int64_t CCaptureFrameRing::GetCount() const
{
    const std::uint64_t read = m_read.load(std::memory_order_acquire);
    const std::uint64_t write = m_write.load(std::memory_order_acquire);
    return (static_cast<std::int64_t>(LapOf(write)) - LapOf(read)) * m_capacity +
        static_cast<std::int64_t>(IndexOf(write)) - IndexOf(read);
}

CCaptureFrame* CCaptureFrameRing::GetReadSlot()
{
    const std::uint64_t read = m_read.load(std::memory_order_relaxed);
    if (m_capacity == 0 || ReadStateOf(read, m_write.load(std::memory_order_acquire)) != kRingFrameReady)
        return nullptr;
    return &m_frames[IndexOf(read)];
}

CCaptureFrame* CCaptureFrameRing::GetWriteSlot()
{
    const std::uint64_t write = m_write.load(std::memory_order_relaxed);
    if (m_capacity == 0 || WriteStateOf(m_read.load(std::memory_order_acquire), write) != kRingFrameReady)
        return nullptr;
    return &m_frames[IndexOf(write)];
}

void CCaptureFrameRing::AdvanceRead()
{
    if (m_capacity > 0)
        m_read.store(Next(m_read.load(std::memory_order_relaxed)), std::memory_order_release);
}

void CCaptureFrameRing::AdvanceWrite()
{
    if (m_capacity > 0)
        m_write.store(Next(m_write.load(std::memory_order_relaxed)), std::memory_order_release);
}

int CCaptureFrameRing::IsReady() const
{
    if (!IsOpen())
        return 2;
    return m_capacity > 0 && m_frames[0].infoHeader.biBitCount != 0 ? 1 : 0;
}

int FramesForMemory(DWORD availableMB, int width, int height, int bpp, int maxCount)
{
    if (availableMB < 8)
        return 1;
    const double frameMillions = static_cast<double>(width) * bpp / 8.0 * height / 1e6;
    if (frameMillions <= 0)
        return 0;
    const double frames = availableMB / 4.0 / frameMillions;
    return static_cast<int>(std::min<double>(frames, maxCount));
}

int GetMaxFramesForMemory(int width, int height, int bpp, int maxCount)
{
    return FramesForMemory(GetAvailablePhysicalMB(), width, height, bpp, maxCount);
}
