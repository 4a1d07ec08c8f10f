#include "imaging/virtual_window.h"

#include "platform/dialog/msgbox.h"

CVirtualWindow::CVirtualWindow() : m_backColor(GetSysColor(COLOR_BTNFACE))
{
}

CVirtualWindow::~CVirtualWindow()
{
    Free();
}

int CVirtualWindow::SetBackColor(COLORREF color)
{
    m_backColor = color;
    if (!m_bitmap.GetSafeHandle())
        return 1;
    // The DC must not keep a brush that is about to go.
    if (m_memDC.GetSafeHdc())
        m_memDC.SelectStockObject(WHITE_BRUSH);
    m_brush.DeleteObject();
    if (!m_brush.CreateSolidBrush(color))
        return 0;
    if (!m_memDC.GetSafeHdc())
        return 0;
    m_memDC.SelectObject(&m_brush);
    return 1;
}

int CVirtualWindow::Create(CDC* dc, const RECT& rect)
{
    m_created = 0;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width == 0 || height == 0 || !dc || !dc->GetSafeHdc())
        return 0;
    if (!m_memDC.GetSafeHdc() && !m_memDC.CreateCompatibleDC(dc))
        return 0;
    if (!m_bitmap.GetSafeHandle() && !m_bitmap.CreateCompatibleBitmap(dc, width, height))
        return 0;
    if (!m_memDC.SelectObject(&m_bitmap))
        return 0;
    if (!SetBackColor(m_backColor))
        return 0;
    m_memDC.PatBlt(0, 0, width, height, PATCOPY);
    m_created = 1;
    return 1;
}

int CVirtualWindow::Clear(const RECT& rect)
{
    if (!SetBackColor(m_backColor))
        return 0;
    return m_memDC.PatBlt(0, 0, rect.right - rect.left, rect.bottom - rect.top, PATCOPY) ? 1 : 0;
}

int CVirtualWindow::GrabScreen(const RECT& screenRect)
{
    if (!m_created) {
        AfxMessageBox(QStringLiteral("No create virtual window 1"), MB_OK);
        return 0;
    }
    CDC display;
    if (!display.CreateDC(QStringLiteral("DISPLAY"), QString(), QString(), nullptr))
        return 0;  // no screen to copy from: nothing was grabbed
    m_memDC.BitBlt(0, 0, screenRect.right - screenRect.left, screenRect.bottom - screenRect.top, &display,
        screenRect.left, screenRect.top, SRCCOPY);
    display.DeleteDC();
    return 1;
}

int CVirtualWindow::CopyTo(
    CDC* dst, int x, int y, const RECT& rect, POINT source, bool opaque, const char* missingMessage)
{
    if (!m_created) {
        AfxMessageBox(QString::fromLatin1(missingMessage), MB_OK);
        return 0;
    }
    if (!dst || !dst->GetSafeHdc())
        return 0;
    CBitmap* previous = m_memDC.SelectObject(&m_bitmap);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (opaque)
        dst->BitBlt(x, y, width, height, &m_memDC, source.x, source.y, SRCCOPY);
    else
        dst->TransparentBlt(x, y, width, height, &m_memDC, 0, 0, width, height, m_backColor);
    if (previous && previous != &m_bitmap)
        m_memDC.SelectObject(previous);
    return 1;
}

int CVirtualWindow::DrawTo(CDC* dst, int x, int y, const RECT& rect, POINT source)
{
    return CopyTo(dst, x, y, rect, source, true, "No create virtual window 4");
}

int CVirtualWindow::DrawInFrame(CDC* dst, const RECT& rect, int opaque)
{
    return CopyTo(dst, 1, 1, rect, POINT{0, 0}, opaque == 1, "No create virtual window 3");
}

int CVirtualWindow::DrawInset(CDC* dst, const RECT& rect, int inset, int opaque)
{
    return CopyTo(dst, inset, inset, rect, POINT{0, 0}, opaque == 1, "No create virtual window 3");
}

void CVirtualWindow::Free()
{
    m_memDC.DeleteDC();
    m_brush.DeleteObject();
    m_bitmap.DeleteObject();
    m_created = 0;
}
