// The wait box the frame opens for a long task and closes when it ends.
#include "app/main_frame.h"

#include "app/owned_window.h"
#include "clip/wait_box.h"

HWND CMainFrame::OpenWaitBox(const QString& title, int maximum)
{
    // One box at a time: a second open would leave the first without an owner.
    CloseWaitBox();
    auto* box = new CDlgWaitOperateMsg(title, maximum);
    if (!box->Create(this)) {
        delete box;
        return nullptr;
    }
    m_pWaitOperateMsg = box;
    return box->GetSafeHwnd();
}

void CMainFrame::CloseWaitBox()
{
    CloseOwnedWindow(m_pWaitOperateMsg);
}
