#include "clip/wait_box.h"

#include "clip/wait_box_messages.h"
#include "platform/controls/controls.h"

#include <algorithm>

CDlgWaitOperateMsg::CDlgWaitOperateMsg(const QString& title, int maximum)
    : CDialog(&kDialog146WaitOperate), m_title(title.left(kWaitBoxTitleCapacity - 1)),
      m_maximum(std::max(maximum, 0))
{
}

BOOL CDlgWaitOperateMsg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    SetWindowText(m_title);
    if (auto* bar = dynamic_cast<CProgressCtrl*>(GetDlgItem(IDC_WAIT_OPERATE_PROGRESS))) {
        // The whole int range: a count of files above 32767 still fills the bar in step.
        bar->SetRange32(0, m_maximum);
        bar->SetPos(0);
        bar->ShowWindow(SW_SHOW);
    }
    return TRUE;
}

LRESULT CDlgWaitOperateMsg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_WAITMSG_SET_TEXT: {
        const auto* text = reinterpret_cast<const QString*>(wParam);
        SetLine(lParam, text ? *text : QString());
        return 0;
    }
    case WM_WAITMSG_SET_POS:
        SetPosition(static_cast<int>(wParam));
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

void CDlgWaitOperateMsg::SetLine(LPARAM line, const QString& text)
{
    if (line == 1)
        SetDlgItemText(IDC_WAIT_OPERATE_LINE1, text);
    else if (line == 2)
        SetDlgItemText(IDC_WAIT_OPERATE_LINE2, text);
}

void CDlgWaitOperateMsg::SetPosition(int position)
{
    if (auto* bar = dynamic_cast<CProgressCtrl*>(GetDlgItem(IDC_WAIT_OPERATE_PROGRESS)))
        bar->SetPos(position);
}

void CDlgWaitOperateMsg::OnOK()
{
    // Only the frame closes the box.
}

void CDlgWaitOperateMsg::OnCancel()
{
}
