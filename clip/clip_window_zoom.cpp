// The clip window's picture: the off-screen buffer it is drawn in, painting
// it into the picture control, and zooming it with the wheel.
#include "clip/clip_window.h"

#include "clip/clip_window_rules.h"
#include "core/settings/app_settings.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/pointer_position.h"

namespace {

bool Inside(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace

bool CDlgClipWindow::PrepareBuffer()
{
    // The buffer is made anew at the shown size, white, and the slot's bitmap
    // is prepared to be painted into it.
    m_buffer.Free();
    CDC* dc = GetDC();
    m_buffer.SetBackColor(RGB(255, 255, 255));
    const bool made = m_buffer.Create(dc, RECT{0, 0, m_shown.cx, m_shown.cy}) == 1;
    ReleaseDC(dc);
    if (!made || !m_slot || m_slot->CreateBitmap(m_buffer.GetMemDC()->GetSafeHdc(), 0) != 1)
        return false;
    m_slot->Paint(m_buffer.GetMemDC()->GetSafeHdc(), GetSafeHwnd(), RECT{0, 0, m_shown.cx, m_shown.cy},
        RECT{0, 0, m_image.cx, m_image.cy});
    return true;
}

void CDlgClipWindow::PaintPicture(CDC* dc)
{
    if (!dc || !m_buffer.IsCreated())
        return;
    if (m_slot)
        m_slot->Paint(m_buffer.GetMemDC()->GetSafeHdc(), GetSafeHwnd(), RECT{0, 0, m_shown.cx, m_shown.cy},
            RECT{0, 0, m_image.cx, m_image.cy});
    m_buffer.DrawInFrame(dc, RECT{0, 0, m_shown.cx, m_shown.cy}, 1);
}

HBRUSH CDlgClipWindow::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (control && control->GetDlgCtrlID() == IDC_CLIP_PICTURE)
        PaintPicture(dc);
    return brush;
}

BOOL CDlgClipWindow::OnMouseWheel(UINT flags, short delta, CPoint screenPoint)
{
    POINT client = screenPoint;
    ScreenToClient(&client);
    ZoomByWheel(delta, client);
    return CDialog::OnMouseWheel(flags, delta, screenPoint);
}

void CDlgClipWindow::ZoomByWheel(short delta, POINT client)
{
    if (!Inside(m_rcPicture, client))
        return;
    m_zoomDirection = delta >= 0 ? 1 : 0;
    const ClipZoomStep step = ClipZoomByNotch(
        m_zoomLevel, m_zoomDirection == 1, AppSettings.ClipZoomMag, m_image, m_maxShown, m_shown);
    m_zoomLevel = step.level;
    SetPictureSize(step.shown);
    RECT now{};
    GetWindowRect(&now);
    const SIZE outer = OuterSize();
    MoveWindow(now.left, now.top, outer.cx, outer.cy);

    if (!PrepareBuffer()) {
        AfxMessageBox(QStringLiteral(
            "メモリ不足により正常に表示されていないかもしれません\n\nこのClipWindowを閉じて下さい。"));
        return;
    }
    if (CWnd* picture = GetDlgItem(IDC_CLIP_PICTURE)) {
        picture->Invalidate(FALSE);
        picture->UpdateWindow();
    }
    UpdateTitle();
    m_saveSizeChoice = static_cast<BYTE>(ClipSaveChoiceAfterZoom(m_shown, m_image));
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_CLIP_SAVE_SIZE)))
        combo->SetCurSel(m_saveSizeChoice);
    if (!Inside(m_rcImage, client)) {
        POINT centre{(m_rcImage.left + m_rcImage.right) / 2, (m_rcImage.top + m_rcImage.bottom) / 2};
        ClientToScreen(&centre);
        SetCursorPos(centre.x, centre.y);
    }
}

void CDlgClipWindow::UpdateTitle()
{
    SetWindowText(ClipWindowTitle(m_index, m_shown, m_image));
}

void CDlgClipWindow::OnSaveSizeChosen()
{
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_CLIP_SAVE_SIZE))) {
        const int chosen = combo->GetCurSel();
        if (chosen >= 0 && chosen <= 2)
            m_saveSizeChoice = static_cast<BYTE>(chosen);
    }
    if (CWnd* save = GetDlgItem(IDC_CLIP_SAVE))
        GotoDlgCtrl(save);
}
