#include "core/ex_button.h"

#include "core/app_state.h"
#include "core/frame_messages.h"

void CExButton::OnMouseMove(UINT, CPoint)
{
    if (const HWND frame = GetAppState().Window(AppWindow::MainFrame))
        ::SendMessage(frame, WM_FRAME_HOVER_CAPTURE, 0, 0);
}
