// The zoom lens's making, placing, mouse and wheel.
#include "clip/zoom_lens.h"

#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "clip/zoom_lens_geometry.h"
#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "imaging/clip_image_store.h"
#include "platform/window/pointer_position.h"

LRESULT CZoomLensPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        if (CWnd* parent = GetParent()) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(&p);
            parent->ScreenToClient(&p);
            parent->SendMessage(message, wParam, MAKELPARAM(p.x, p.y));
        }
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

CDlgZoomLens::CDlgZoomLens(const RECT& source, int imageWidth, int imageHeight, CClipImageSlot* slot)
    : CDialogEx(&kDialog392ZoomLens), m_lensWidth(kZoomLensSmallSide), m_lensHeight(kZoomLensSmallSide),
      m_imageWidth(imageWidth), m_imageHeight(imageHeight), m_source(source), m_slot(slot)
{
}

BOOL CDlgZoomLens::Create(CWnd* parent)
{
    return CDialog::Create(kDialog392ZoomLens, parent);
}

int CDlgZoomLens::SourceWidth() const
{
    return ZoomLensSourceSide(m_level);
}

int CDlgZoomLens::SourceHeight() const
{
    return ZoomLensSourceSide(m_level);
}

BOOL CDlgZoomLens::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_picture.SubclassDlgItem(IDC_ZOOM_LENS_PICTURE, this);
    m_crossPen.CreatePen(PS_SOLID, 1, AppSettings.SelRangeColor);
    m_gridPen.CreatePen(AppSettings.PixelGridType, 1, AppSettings.GridColor);
    m_press = POINT{-1, -1};

    CDC* dc = GetDC();
    const HDC hdc = dc ? dc->GetSafeHdc() : nullptr;
    m_lensWidth = m_lensHeight = ZoomLensSide(::GetDeviceCaps(hdc, HORZSIZE), ::GetDeviceCaps(hdc, HORZRES));
    ReleaseDC(dc);
    m_rcPicture =
        RECT{kZoomLensMargin, kZoomLensMargin, kZoomLensMargin + m_lensWidth, kZoomLensMargin + m_lensHeight};
    if (CWnd* picture = GetDlgItem(IDC_ZOOM_LENS_PICTURE))
        picture->MoveWindow(m_rcPicture.left, m_rcPicture.top, m_lensWidth, m_lensHeight, FALSE);
    PlaceWindow();

    // The buffer for the picture, white, and the slot's bitmap prepared for
    // it. The first mouse move draws the lens.
    m_buffer.SetBackColor(RGB(255, 255, 255));
    CDC* own = GetDC();
    m_buffer.Create(own, RECT{0, 0, m_lensWidth, m_lensHeight});
    ReleaseDC(own);
    if (m_slot)
        m_slot->CreateBitmap(m_buffer.GetMemDC()->GetSafeHdc(), 0);
    return TRUE;
}

void CDlgZoomLens::PlaceWindow()
{
    const int width = m_lensWidth + 2 * kZoomLensMargin;
    const int height = m_lensHeight + 2 * kZoomLensMargin;
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT area{cursor.x - width, cursor.y - height, cursor.x + width, cursor.y + height};
    if (const HWND stage = GetAppState().Window(AppWindow::ViewStage))
        ::GetWindowRect(stage, &area);
    const RECT r = PlaceZoomLensWindow(cursor, width, height, area);
    MoveWindow(r.left, r.top, width, height, FALSE);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

POINT CDlgZoomLens::ToPicture(POINT client) const
{
    return POINT{client.x - m_rcPicture.left, client.y - m_rcPicture.top};
}

bool CDlgZoomLens::OnPicture(POINT picture) const
{
    return picture.x >= 0 && picture.y >= 0 && picture.x < m_lensWidth && picture.y < m_lensHeight;
}

POINT CDlgZoomLens::PixelAt(POINT picture) const
{
    const POINT offset =
        ZoomLensPixelOffset(picture, m_lensWidth, m_lensHeight, SourceWidth(), SourceHeight());
    return POINT{m_source.left + offset.x, m_source.top + offset.y};
}

bool CDlgZoomLens::RequestSource(const RECT& r)
{
    const HWND stage = GetAppState().Window(AppWindow::ViewStage);
    CClipImageSlot* slot = nullptr;
    RECT wanted = r;
    if (!stage ||
        ::SendMessage(
            stage, WM_STAGE_CROP, reinterpret_cast<WPARAM>(&slot), reinterpret_cast<LPARAM>(&wanted)) != 1 ||
        !slot)
        return false;
    m_slot = slot;
    m_source = r;
    m_slot->CreateBitmap(m_buffer.GetMemDC()->GetSafeHdc(), 0);
    return true;
}

void CDlgZoomLens::OnMouseMove(UINT flags, CPoint point)
{
    CDialog::OnMouseMove(flags, point);
    const POINT picture = ToPicture(point);
    if (!OnPicture(picture))
        return;
    if (m_press.x != -1)
        DragTo(picture);
    Redraw(picture);
}

void CDlgZoomLens::DragTo(POINT picture)
{
    const POINT d =
        ZoomLensDragStep(m_press, picture, m_lensWidth, m_lensHeight, SourceWidth(), SourceHeight());
    if (d.x == 0 && d.y == 0)
        return;
    const RECT moved{m_source.left + d.x, m_source.top + d.y, m_source.right + d.x, m_source.bottom + d.y};
    if (!RequestSource(
            ClampZoomLensSource(moved, SourceWidth(), SourceHeight(), m_imageWidth, m_imageHeight)))
        return;
    m_press = picture;
    m_dragged = 1;
}

void CDlgZoomLens::OnLButtonDown(UINT flags, CPoint point)
{
    CDialog::OnLButtonDown(flags, point);
    // Only the picture picks: a press on the margin around it records nothing.
    const POINT picture = ToPicture(point);
    if (OnPicture(picture))
        m_press = picture;
}

void CDlgZoomLens::OnLButtonUp(UINT flags, CPoint point)
{
    CDialog::OnLButtonUp(flags, point);
    if (m_press.x == -1 && m_press.y == -1)
        return;
    const POINT press = m_press;
    m_press = POINT{-1, -1};
    if (m_dragged) {
        m_dragged = 0;
        return;
    }
    // A pick is the pixel under the press; a release further away picks nothing.
    POINT picked{-1, -1};
    if (IsZoomLensClick(press, ToPicture(point)))
        picked = PixelAt(press);
    if (const HWND frame = GetAppState().Window(AppWindow::MainFrame))
        ::PostMessage(
            frame, WM_FRAME_ZOOMLENS_CLICK, static_cast<WPARAM>(picked.x), static_cast<LPARAM>(picked.y));
}

BOOL CDlgZoomLens::OnMouseWheel(UINT flags, short delta, CPoint screenPoint)
{
    POINT client = screenPoint;
    ScreenToClient(&client);
    const POINT picture = ToPicture(client);
    const int level = ZoomLensLevelAfterWheel(m_level, delta);
    if (level < 0 || !OnPicture(picture))
        return CDialog::OnMouseWheel(flags, delta, screenPoint);
    const POINT pixel = PixelAt(picture);
    const RECT r = CentredZoomLensSource(
        pixel, ZoomLensSourceSide(level), ZoomLensSourceSide(level), m_imageWidth, m_imageHeight);
    const BYTE old = m_level;
    m_level = static_cast<BYTE>(level);
    if (!RequestSource(r)) {
        m_level = old;
        return TRUE;
    }
    Redraw(picture);
    return TRUE;
}
