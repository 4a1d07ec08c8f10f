// Picking the transparent colour of PNG files from the picture, the colour
// readout on the control panel meanwhile, and the status guidance.
#include "clip/clip_window.h"

#include "clip/clip_window_rules.h"
#include "clip/control_panel_messages.h"
#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"
#include "platform/window/resource_cursors.h"

#include <cstdlib>

namespace {

constexpr WPARAM kStatusTopic = 166;
constexpr LPARAM kPickGuide = 13;
constexpr int kPickCursor = 210;
constexpr int kClickSlack = 3;  // a release this close to its press is a click
constexpr int kPngFormat = 5;

bool InsidePicture(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace

bool CDlgClipWindow::OnImage(POINT client) const
{
    return client.x >= m_rcImage.left && client.x < m_rcImage.right && client.y >= m_rcImage.top &&
        client.y < m_rcImage.bottom;
}

void CDlgClipWindow::ShowPickCursor(bool show)
{
    if (show == m_pickCursorShown)
        return;
    m_pickCursorShown = show;
    SetCursor(show ? LoadResourceCursor(kPickCursor) : nullptr);
}

void CDlgClipWindow::OnPickButton()
{
    if (m_pickMode) {
        m_pickMode = 0;
        CheckDlgButton(IDC_CLIP_PICK_COLOR, 0);
        ShowPickCursor(false);
        SendToFrame(WM_FRAME_STATUS_GUIDE, kStatusTopic, m_index);
        return;
    }
    m_pickMode = 1;
    CheckDlgButton(IDC_CLIP_PICK_COLOR, 1);
    if (AppSettings.DefSaveFormat != kPngFormat)
        AfxMessageBox(QStringLiteral(
            "透過色設定は PNG ファイル保存時のみ有効になります。\n\n このメッセージを表示させない為には "
            "\n\n [設定]-[ｵﾌﾟｼｮﾝ]-[一般]から「ﾃﾞﾌｫﾙﾄのﾌｧｲﾙ保存形式」を PNG に設定します。"));
    SendToFrame(WM_FRAME_STATUS_GUIDE, kStatusTopic, kPickGuide);
}

void CDlgClipWindow::EndPickMode()
{
    m_pickMode = 0;
    ShowPickCursor(false);
    SendToFrame(WM_FRAME_STATUS_GUIDE, 0, 0);
    if (GetSafeHwnd())
        CheckDlgButton(IDC_CLIP_PICK_COLOR, 0);
}

void CDlgClipWindow::OnMouseMove(UINT flags, CPoint point)
{
    CDialog::OnMouseMove(flags, point);
    if (!m_pickMode)
        return;
    if (!InsidePicture(m_rcPicture, point)) {
        ShowPickCursor(false);
        return;
    }
    ShowPickCursor(true);
    if (!OnImage(point) || !m_slot)
        return;
    const ClipPixel pixel = ClipColorAt(point.x - m_rcImage.left, point.y - m_rcImage.top, m_shown.cx,
        m_slot->infoHeader, m_slot->bits, m_slot->colorBlock ? m_slot->colorBlock->bmiColors : nullptr);
    if (pixel.found)
        if (const HWND panel = GetAppState().Window(AppWindow::ControlPanel))
            ::SendMessage(panel, WM_CLIPCTL_SHOW_COLOR, pixel.color);
}

void CDlgClipWindow::OnLButtonDown(UINT flags, CPoint point)
{
    CDialog::OnLButtonDown(flags, point);
    m_press = point;
}

void CDlgClipWindow::OnLButtonUp(UINT flags, CPoint point)
{
    CDialog::OnLButtonUp(flags, point);
    if (!m_pickMode || std::abs(point.x - m_press.x) > kClickSlack ||
        std::abs(point.y - m_press.y) > kClickSlack)
        return;
    if (!OnImage(point) || !m_slot)
        return;
    const ClipPixel pixel = ClipColorAt(point.x - m_rcImage.left, point.y - m_rcImage.top, m_shown.cx,
        m_slot->infoHeader, m_slot->bits, m_slot->colorBlock ? m_slot->colorBlock->bmiColors : nullptr);
    if (!pixel.found)
        return;
    m_transparency.SetTransparentIndex(
        m_slot->infoHeader.biBitCount == 8 ? pixel.paletteIndex : -1, pixel.color);
    EndPickMode();
    AfxMessageBox(QStringLiteral("PNGファイルの透過色の設定をしました。"));
}
