// The session's state, the ring's preparation and the save buffers.
#include "clip/continuous_capture_session.h"

#include "core/system_figures.h"
#include "imaging/dib_helpers.h"

#include <cstdlib>
#include <cstring>

namespace {

// Halvings of the ring before a preparation gives up.
constexpr int kMaxRingHalvings = 10;

}  // namespace

void CContinuousCaptureSession::FreeBlock::operator()(BYTE* p) const
{
    std::free(p);
}

ContinuousCaptureSystem DefaultContinuousCaptureSystem()
{
    return ContinuousCaptureSystem{
        [] { return GetAvailablePhysicalMB(); },
        [](const QString& folder) { return GetDiskFreeMB(folder); },
        DefaultCaptureBlockAllocator(),
    };
}

CContinuousCaptureSession::CContinuousCaptureSession(ContinuousCaptureLoopHost& host)
    : m_host(host), m_screen(MakeDesktopCaptureScreen()), m_clock(MakeSteadyCaptureClock()),
      m_system(DefaultContinuousCaptureSystem())
{
}

CContinuousCaptureSession::~CContinuousCaptureSession()
{
    if (m_saver) {
        // The saver reads this object: it has to end before the object goes.
        m_saver->RequestCancel();
        CloseRing();
        m_saver->WaitForEndWithoutMessages(kWaitForever);
    }
}

void CContinuousCaptureSession::SetScreen(std::unique_ptr<ContinuousCaptureScreen> screen)
{
    m_screen = std::move(screen);
}

void CContinuousCaptureSession::SetClock(std::unique_ptr<ContinuousCaptureClock> clock)
{
    m_clock = std::move(clock);
}

void CContinuousCaptureSession::SetSystem(ContinuousCaptureSystem system)
{
    m_system = std::move(system);
}

void CContinuousCaptureSession::EndRun(BYTE status)
{
    // The first reason to end a run is the one reported.
    BYTE running = kCcRunning;
    ContinueCaptureStatus.compare_exchange_strong(running, status, std::memory_order_acq_rel);
}

void CContinuousCaptureSession::CloseRing()
{
    if (m_ring)
        m_ring->Close();
}

void CContinuousCaptureSession::ReleaseRing()
{
    m_ring.reset();
    m_bmpBuffer.reset();
    m_bmpBufferSize = 0;
    m_jpegBuffer.reset();
    m_jpegBufferSize = 0;
}

QString CContinuousCaptureSession::LastPath() const
{
    return m_lastPath;
}

int CContinuousCaptureSession::PrepareRing(int width, int height, int bpp)
{
    if (SaverRunning())
        return 0;
    const DWORD available = m_system.availableMemoryMB ? m_system.availableMemoryMB() : 0;
    int n = FramesForMemory(available, width, height, bpp, settings.count);
    for (int attempts = 0;;) {
        if (n > 0 && BuildRing(n, width, height, bpp))
            return 1;
        ReleaseRing();
        if (attempts >= kMaxRingHalvings)
            return 0;
        ++attempts;
        n /= 2;
        if (n == 0)
            return 0;
    }
}

bool CContinuousCaptureSession::BuildRing(int n, int width, int height, int bpp)
{
    ReleaseRing();
    m_ring = std::make_unique<CCaptureFrameRing>(static_cast<std::uint32_t>(n));
    if (m_ring->Capacity() == 0)
        return false;
    // The template holds the headers every frame copies.
    m_template.Free();
    std::memset(m_template.infoHeaderArea, 0, sizeof m_template.infoHeaderArea);
    if (!InitDibHeaders(&m_template.fileHeader, &m_template.infoHeader, width, height, bpp, 0, 0, 0) ||
        !m_template.AllocInfo())
        return false;
    CopyInfoHeader(&m_template.info->bmiHeader, &m_template.infoHeader);
    for (std::uint32_t i = 0; i < m_ring->Capacity(); ++i) {
        CCaptureFrame& frame = m_ring->Frame(i);
        if (!frame.CopyHeadersFrom(m_template) || !frame.AllocBits(m_system.allocate))
            return false;
    }
    return AllocSaveBuffers() == 1;
}

int CContinuousCaptureSession::AllocSaveBuffers()
{
    m_bmpBuffer.reset();
    m_bmpBufferSize = 0;
    m_jpegBuffer.reset();
    m_jpegBufferSize = 0;
    if (!m_system.allocate || m_template.infoHeader.biBitCount == 0)
        return 0;
    if (settings.saveFormat == kCcFormatBmp) {
        // The whole file is composed here before it is written.
        m_bmpBufferSize = static_cast<std::size_t>(m_template.fileHeader.bfSize) + 1;
        m_bmpBuffer.reset(static_cast<BYTE*>(m_system.allocate(m_bmpBufferSize)));
        return m_bmpBuffer ? 1 : 0;
    }
    if (settings.saveFormat == kCcFormatJpeg && m_template.infoHeader.biBitCount == 32) {
        // 32-bit frames are reduced to 24 bits here for the encoder.
        m_jpegBufferSize = static_cast<std::size_t>(GetDibStride(24, m_template.infoHeader.biWidth)) *
            static_cast<std::size_t>(std::abs(m_template.infoHeader.biHeight));
        m_jpegBuffer.reset(static_cast<BYTE*>(m_system.allocate(m_jpegBufferSize)));
        return m_jpegBuffer ? 1 : 0;
    }
    return 1;
}
