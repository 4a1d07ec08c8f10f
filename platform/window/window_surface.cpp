// The window's surface: painting through it, its DCs, and timers.
#include "platform/gdi/gdi_dc.h"
#include "platform/window/control_colours.h"
#include "platform/window/window_dispatch.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <sys/mman.h>

namespace {

// The pixel memory of a large surface. Fresh memory costs a page fault per
// page on its first touch, so a window resized several times as it starts
// (the frame is placed, then framed by the window manager) keeps one block.
// The block is left out of forked children (the session bus launcher Qt may
// start): a child shares the parent's pages until one writes, and every page
// the surface then wrote would be copied.
class SurfaceBuffer : public std::enable_shared_from_this<SurfaceBuffer> {
public:
    static constexpr std::size_t kMinimumBytes = std::size_t(1) << 20;

    explicit SurfaceBuffer(std::size_t bytes) : m_capacity(bytes)
    {
        void* block =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (block == MAP_FAILED)
            return;
        madvise(block, bytes, MADV_DONTFORK);
        m_data = static_cast<uchar*>(block);
        const std::lock_guard lock(s_mutex);
        s_live.insert(m_data, this);
    }
    ~SurfaceBuffer()
    {
        if (!m_data)
            return;
        {
            const std::lock_guard lock(s_mutex);
            s_live.remove(m_data);
        }
        munmap(m_data, m_capacity);
    }
    SurfaceBuffer(const SurfaceBuffer&) = delete;
    SurfaceBuffer& operator=(const SurfaceBuffer&) = delete;

    uchar* Data() const { return m_data; }
    std::size_t Capacity() const { return m_capacity; }

    // The buffer under these pixels, or null when they are not in one.
    static std::shared_ptr<SurfaceBuffer> Holding(const uchar* pixels)
    {
        const std::lock_guard lock(s_mutex);
        SurfaceBuffer* buffer = s_live.value(pixels, nullptr);
        return buffer ? buffer->weak_from_this().lock() : nullptr;
    }

    // An image on the buffer; the image holds the buffer while it lives.
    QImage Image(int width, int height)
    {
        return QImage(m_data, width, height, qsizetype(width) * 4, QImage::Format_RGB32, Release,
            new std::shared_ptr<SurfaceBuffer>(shared_from_this()));
    }

private:
    static void Release(void* holder) { delete static_cast<std::shared_ptr<SurfaceBuffer>*>(holder); }

    static inline std::mutex s_mutex;  // images may be let go of on other threads
    static inline QHash<const uchar*, SurfaceBuffer*> s_live;
    uchar* m_data = nullptr;
    std::size_t m_capacity;
};

// Lays the rows of an oldWidth x oldHeight picture out as newWidth x newHeight
// in the same memory: the overlap keeps its pixels, the rest is filled.
void RelayoutRows(uchar* base, QSize old, QSize next, QRgb fill)
{
    auto row = [base](int y, int width) { return reinterpret_cast<QRgb*>(base) + std::size_t(y) * width; };
    const int rows = std::min(old.height(), next.height());
    const int kept = std::min(old.width(), next.width());
    if (next.width() < old.width()) {
        for (int y = 0; y < rows; ++y)  // rows move down in memory: from the top
            std::memmove(row(y, next.width()), row(y, old.width()), std::size_t(kept) * 4);
    } else if (next.width() > old.width()) {
        for (int y = rows - 1; y >= 0; --y) {  // rows move up in memory: from the bottom
            std::memmove(row(y, next.width()), row(y, old.width()), std::size_t(kept) * 4);
            std::fill(row(y, next.width()) + kept, row(y, next.width()) + next.width(), fill);
        }
    }
    for (int y = rows; y < next.height(); ++y)
        std::fill(row(y, next.width()), row(y, next.width()) + next.width(), fill);
}

}  // namespace

void CWnd::ResizeSurface(int width, int height)
{
    width = std::max(1, width);
    height = std::max(1, height);
    if (m_surface.width() == width && m_surface.height() == height)
        return;
    const QRgb fill = PixelFromColorref(m_background);
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
    // In place when the surface is the only user of its buffer and the buffer
    // fits without wasting more than half of it.
    if (!m_surface.isNull() && m_surface.isDetached()) {
        const std::shared_ptr<SurfaceBuffer> own = SurfaceBuffer::Holding(m_surface.constBits());
        if (own && bytes <= own->Capacity() && bytes >= own->Capacity() / 2) {
            RelayoutRows(own->Data(), m_surface.size(), QSize(width, height), fill);
            m_surface = own->Image(width, height);
            return;
        }
    }
    QImage next;
    if (bytes >= SurfaceBuffer::kMinimumBytes) {
        const auto buffer = std::make_shared<SurfaceBuffer>(bytes);
        if (buffer->Data())
            next = buffer->Image(width, height);
    }
    if (next.isNull())
        next = QImage(width, height, QImage::Format_RGB32);
    next.fill(fill);
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
    // A control the toolkit draws takes its colours from its parent now.
    AskControlColours(this);
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
