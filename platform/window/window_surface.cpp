// The window's surface: painting through it, its DCs, and timers.
#include "platform/gdi/gdi_dc.h"
#include "platform/window/window_dispatch.h"

#include <QCoreApplication>
#include <cstring>

void CWnd::ResizeSurface(int width, int height)
{
    width = std::max(1, width);
    height = std::max(1, height);
    if (m_surface.width() == width && m_surface.height() == height)
        return;
    QImage next(width, height, QImage::Format_RGB32);
    next.fill(PixelFromColorref(m_background));
    if (!m_surface.isNull()) {
        // Keep what was drawn, as the platform keeps the window's pixels until repainted.
        for (int y = 0; y < std::min(height, m_surface.height()); ++y)
            std::memcpy(next.scanLine(y), m_surface.constScanLine(y),
                std::size_t(std::min(width, m_surface.width())) * 4);
    }
    m_surface = std::move(next);
}

void CWnd::Invalidate(BOOL erase)
{
    KESTREL_ASSERT_UI_THREAD();
    if (!m_widget)
        return;
    m_erasePending = m_erasePending || erase;
    if (m_paintPending)
        return;
    m_paintPending = true;
    QCoreApplication::postEvent(m_widget, new QEvent(PaintRequestEventType()), Qt::LowEventPriority);
}

void CWnd::InvalidateRect(const RECT*, BOOL erase)
{
    Invalidate(erase);
}

void CWnd::ValidateRect(const RECT*)
{
    m_paintPending = false;
    m_erasePending = false;
}

void CWnd::RunPaint()
{
    if (!m_paintPending || !m_widget)
        return;
    m_paintPending = false;
    HDC dc = CreateSurfaceDc(&m_surface, m_hWnd);
    if (std::exchange(m_erasePending, false))
        WindowDispatch::Dispatch(this, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ::DeleteDC(dc);
    if (m_hWnd)
        WindowDispatch::Dispatch(this, WM_PAINT, 0, 0);
    if (m_widget)
        m_widget->update();
}

void CWnd::UpdateWindow()
{
    RunPaint();
}

void CWnd::PresentSurface()
{
    if (m_widget)
        m_widget->update();
}

CDC* CWnd::GetDC()
{
    KESTREL_ASSERT_UI_THREAD();
    if (!m_widget)
        return nullptr;
    auto* dc = new CDC;
    dc->Attach(CreateSurfaceDc(&m_surface, m_hWnd));
    return dc;
}

int CWnd::ReleaseDC(CDC* dc)
{
    if (!dc)
        return 0;
    ::DeleteDC(dc->Detach());
    delete dc;
    PresentSurface();
    return 1;
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->GetSafeHwnd() : nullptr)
{
    if (wnd && wnd->GetSurface())
        Attach(CreateSurfaceDc(wnd->GetSurface(), m_hWnd));
}

CClientDC::~CClientDC()
{
    ::DeleteDC(Detach());
    if (CWnd* wnd = CWnd::FromHandle(m_hWnd))
        wnd->PresentSurface();
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void*)
{
    KESTREL_ASSERT_UI_THREAD();
    if (!m_widget)
        return 0;
    KillTimer(id);
    const int qtId = m_widget->startTimer(std::max<UINT>(elapse, 10), Qt::PreciseTimer);
    if (qtId == 0)
        return 0;
    m_timers.insert(id, qtId);
    return id == 0 ? 1 : id;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return FALSE;
    if (m_widget)
        m_widget->killTimer(it.value());
    m_timers.erase(it);
    return TRUE;
}
