// The live desktop as a continuous capture reads it, the system's clock, and
// the wait that keeps handling messages without using the processor.
#include "clip/continuous_capture_session.h"

#include "platform/app/message_pump.h"
#include "platform/gdi/gdi.h"
#include "platform/system/kernel.h"
#include "platform/window/window.h"
#include "platform/x11/desktop_services.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

namespace {

// One DC of the screen for the whole run; each copy reads the screen anew.
class DesktopCaptureScreen final : public ContinuousCaptureScreen {
public:
    ~DesktopCaptureScreen() override { Close(); }
    bool Open() override
    {
        Close();
        m_desktop = GetDC(nullptr);
        return m_desktop != nullptr;
    }
    void Close() override
    {
        if (m_desktop != nullptr)
            ReleaseDC(nullptr, m_desktop);
        m_desktop = nullptr;
    }
    bool Copy(CImage& picture, int left, int top) override
    {
        if (m_desktop == nullptr)
            return false;
        HDC into = picture.GetDC();
        if (into == nullptr)
            return false;
        const BOOL copied =
            BitBlt(into, 0, 0, picture.GetWidth(), picture.GetHeight(), m_desktop, left, top, SRCCOPY);
        picture.ReleaseDC();
        return copied != FALSE;
    }
    std::optional<CaptureCursor> Cursor() override
    {
        if (!DesktopIsAvailable())
            return std::nullopt;
        DesktopCursorImage image;
        if (!Desktop().cursor.CursorImage(image) || image.image.isNull())
            return std::nullopt;
        return CaptureCursor{image.image, image.hotspot, image.position};
    }

private:
    HDC m_desktop = nullptr;
};

class SteadyCaptureClock final : public ContinuousCaptureClock {
public:
    ULONGLONG NowMs() override { return GetTickCount64(); }
};

}  // namespace

std::unique_ptr<ContinuousCaptureScreen> MakeDesktopCaptureScreen()
{
    return std::make_unique<DesktopCaptureScreen>();
}

std::unique_ptr<ContinuousCaptureClock> MakeSteadyCaptureClock()
{
    return std::make_unique<SteadyCaptureClock>();
}

void WaitMessagesPumping(DWORD maxMs)
{
    QAbstractEventDispatcher* dispatcher =
        QCoreApplication::instance() ? QAbstractEventDispatcher::instance() : nullptr;
    if (dispatcher == nullptr) {
        Sleep(maxMs);
        return;
    }
    PumpMessages();
    if (maxMs == 0)
        return;
    // Sleeps in the event loop until a message comes or the time is up.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(static_cast<int>(std::min<DWORD>(maxMs, 0x7FFFFFFF)));
    dispatcher->processEvents(QEventLoop::WaitForMoreEvents);
}
