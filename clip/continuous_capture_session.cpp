// The session's state and the checks made before a run.
#include "clip/continuous_capture_session.h"

#include <cstdlib>

void CContinuousCaptureSession::FreeBlock::operator()(BYTE* p) const
{
    std::free(p);
}

CContinuousCaptureSession::CContinuousCaptureSession(ContinuousCaptureLoopHost& host) : m_host(host)
{
}
CContinuousCaptureSession::~CContinuousCaptureSession() = default;
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
int CContinuousCaptureSession::PrepareRing(int, int, int)
{
    return 0;
}
int CContinuousCaptureSession::EstimateDiskSpace(const QString&, int, int, int)
{
    return kCcDiskNone;
}
int CContinuousCaptureSession::AnyTargetFileExists() const
{
    return 0;
}
QString CContinuousCaptureSession::MakeSaveFileName(int, int) const
{
    return {};
}
QString CContinuousCaptureSession::MakeSaveFilePath(int, int) const
{
    return {};
}
int CContinuousCaptureSession::CanWriteFile(const QString&) const
{
    return 0;
}
int CContinuousCaptureSession::AllocSaveBuffers()
{
    return 0;
}
int CContinuousCaptureSession::WriteFrameFile(const QString&, CCaptureFrame&, int*)
{
    return 0;
}
bool CContinuousCaptureSession::StartSaverThread()
{
    return false;
}
void CContinuousCaptureSession::WaitForSaver(bool)
{
}
int CContinuousCaptureSession::RunCaptureLoop(HWND, const RECT&, int, int)
{
    return 0;
}
int CContinuousCaptureSession::StoreFrame(const CImage&)
{
    return 0;
}
int CContinuousCaptureSession::WaitForNextFrame(int)
{
    return 0;
}
void CContinuousCaptureSession::OnProgressTimer()
{
}
void CContinuousCaptureSession::CloseRing()
{
}
QString CContinuousCaptureSession::LastPath() const
{
    return m_lastPath;
}
void CContinuousCaptureSession::EndRun(BYTE)
{
}
void CContinuousCaptureSession::ReleaseRing()
{
}
void CContinuousCaptureSession::ContinueCaptureThreadProc()
{
}
bool CContinuousCaptureSession::CheckDiskAt(int, const QString&)
{
    return true;
}

std::unique_ptr<ContinuousCaptureScreen> MakeDesktopCaptureScreen()
{
    return nullptr;
}
std::unique_ptr<ContinuousCaptureClock> MakeSteadyCaptureClock()
{
    return nullptr;
}
void WaitMessagesPumping(DWORD)
{
}
ContinuousCaptureSystem DefaultContinuousCaptureSystem()
{
    return {};
}
