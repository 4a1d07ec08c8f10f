#include "clip/scroll_capture_question.h"

#include "core/app_state.h"
#include "platform/gdi/gdi_icons.h"
#include "platform/window/frame_work_area.h"
#include "platform/window/pointer_position.h"
#include "platform/x11/desktop_services.h"

#include <algorithm>

namespace {

int KeptInside(int start, int length, int low, int high)
{
    // A dialog larger than the range starts at its low end.
    return std::max(low, std::min(start, high - length));
}

}  // namespace

POINT ScrollQuestionOrigin(const RECT* anchor, SIZE dialog, const RECT& workArea)
{
    POINT origin;
    if (anchor) {
        origin = POINT{anchor->left, anchor->top - dialog.cy / 2};
    } else {
        origin = POINT{workArea.left + (workArea.right - workArea.left - dialog.cx) / 2,
            workArea.top + (workArea.bottom - workArea.top - dialog.cy) / 2};
    }
    if (workArea.right > workArea.left && workArea.bottom > workArea.top) {
        origin.x = KeptInside(origin.x, dialog.cx, workArea.left, workArea.right);
        origin.y = KeptInside(origin.y, dialog.cy, workArea.top, workArea.bottom);
    }
    return origin;
}

CDlgQueryScrollCapture::CDlgQueryScrollCapture(HWND target, const QString& browserName, CWnd* parent)
    : CDialog(&kDialog274QueryScrollCapture, parent), m_hTarget(target),
      m_browserName(browserName.left(kBrowserNameMaxChars))
{
}

CDlgQueryScrollCapture::~CDlgQueryScrollCapture()
{
    // The icon control shows the icon until the dialog is gone.
    if (GetSafeHwnd())
        DestroyWindow();
    DestroyIcon(m_hIcon);
}

BOOL CDlgQueryScrollCapture::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowTargetIcon();
    SetDlgItemText(IDC_QUERY_SCROLL_BROWSER, m_browserName);
    return TRUE;
}

void CDlgQueryScrollCapture::ShowTargetIcon()
{
    // The desktop gives the icon the window sets for itself (_NET_WM_ICON or
    // its icon hints); a window without one leaves the control empty.
    DesktopWindowInfo info;
    if (!m_hTarget || !Desktop().windows.QueryWindow(m_hTarget, kQueryIcon, info) || info.icon.isNull())
        return;
    m_hIcon = CreateIconFromImage(info.icon);
    if (m_hIcon)
        SendDlgItemMessage(IDC_QUERY_SCROLL_ICON, STM_SETICON, reinterpret_cast<WPARAM>(m_hIcon));
}

void CDlgQueryScrollCapture::OnShowWindow(BOOL show, UINT status)
{
    CDialog::OnShowWindow(show, status);
    if (show && !m_placed) {
        m_placed = true;
        PlaceAndPointAtCentre();
    }
}

void CDlgQueryScrollCapture::PlaceAndPointAtCentre()
{
    // Beside the view stage's top edge, where the capture was started from;
    // centred on the screen without a stage.
    RECT stage{};
    const RECT* anchor = nullptr;
    if (const HWND stageWindow = GetAppState().Window(AppWindow::ViewStage)) {
        stage = GetAppState().WindowRect(stageWindow);
        anchor = &stage;
    }
    RECT own;
    GetWindowRect(&own);
    const SIZE size{own.right - own.left, own.bottom - own.top};
    const POINT origin = ScrollQuestionOrigin(anchor, size, QueryAvailableScreenRect());
    SetWindowPos(nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetCursorPos(origin.x + size.cx / 2, origin.y + size.cy / 2);
}
