// The zoom lens's picture: the source square stretched into the off-screen
// buffer with the cross-hair and the pixel grid over it, copied into the
// picture control, and the pixel under the mouse told to the control panel.
#include "clip/control_panel_messages.h"
#include "clip/zoom_lens.h"
#include "clip/zoom_lens_geometry.h"
#include "core/app_state.h"
#include "core/settings/app_settings.h"
#include "imaging/clip_image_store.h"

void CDlgZoomLens::Redraw(POINT picture)
{
    if (!m_buffer.IsCreated())
        return;
    CDC* dc = m_buffer.GetMemDC();
    const RECT lens{0, 0, m_lensWidth, m_lensHeight};
    m_buffer.Clear(lens);
    if (m_slot)
        m_slot->Paint(dc->GetSafeHdc(), GetSafeHwnd(), lens, RECT{0, 0, SourceWidth(), SourceHeight()});
    DrawCrossHair(dc, picture);
    if (AppSettings.ShowPixelGrid)
        DrawGrid(dc);
    CopyToPicture();

    m_picked = PixelAt(picture);
    if (const HWND panel = GetAppState().Window(AppWindow::ControlPanel))
        ::SendMessage(panel, WM_CLIPCTL_SHOW_POINT, reinterpret_cast<WPARAM>(&m_picked), 1);
}

void CDlgZoomLens::DrawCrossHair(CDC* dc, POINT picture)
{
    CPen* old = dc->SelectObject(&m_crossPen);
    dc->MoveTo(0, picture.y - 1);
    dc->LineTo(m_lensWidth, picture.y - 1);
    dc->MoveTo(picture.x - 1, 0);
    dc->LineTo(picture.x - 1, m_lensHeight);
    dc->SelectObject(old);
}

void CDlgZoomLens::DrawGrid(CDC* dc)
{
    const int cellWidth = m_lensWidth / SourceWidth();
    const int cellHeight = m_lensHeight / SourceHeight();
    if (cellWidth <= 0 || cellHeight <= 0)
        return;
    CPen* old = dc->SelectObject(&m_gridPen);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    for (int x = cellWidth; x < m_lensWidth; x += cellWidth) {
        dc->MoveTo(x, 0);
        dc->LineTo(x, m_lensHeight);
    }
    for (int y = cellHeight; y < m_lensHeight; y += cellHeight) {
        dc->MoveTo(0, y);
        dc->LineTo(m_lensWidth, y);
    }
    dc->SetBkMode(oldMode);
    dc->SelectObject(old);
}

void CDlgZoomLens::CopyToPicture()
{
    CWnd* picture = GetDlgItem(IDC_ZOOM_LENS_PICTURE);
    if (!picture || !m_buffer.IsCreated())
        return;
    CDC* dc = picture->GetDC();
    if (!dc)
        return;
    m_buffer.DrawTo(dc, 0, 0, RECT{0, 0, m_lensWidth, m_lensHeight});
    picture->ReleaseDC(dc);
}

HBRUSH CDlgZoomLens::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    // The picture repaints from the buffer as last drawn.
    if (control && control->GetDlgCtrlID() == IDC_ZOOM_LENS_PICTURE && m_buffer.IsCreated())
        m_buffer.DrawTo(dc, 0, 0, RECT{0, 0, m_lensWidth, m_lensHeight});
    return brush;
}
