// The wait box (template 146): a modeless, always-on-top box with a caption,
// two lines of text and a progress bar, shown while a long task finishes.
// The frame opens and closes it; the task updates it through its messages
// (clip/wait_box_messages.h). Enter, Esc and the buttons never close it.
// Create(owner) builds and shows it, centred over its owner.
#pragma once

#include "platform/dialog/dialog.h"
#include "res/dialog_146_wait_operate.h"

// The title's capacity in characters, terminator included: a longer title is cut.
inline constexpr int kWaitBoxTitleCapacity = 520;

class CDlgWaitOperateMsg : public CDialog {
public:
    enum { IDD = IDD_WAIT_OPERATE };

    // The caption and the bar's maximum (below 0 counts as 0).
    CDlgWaitOperateMsg(const QString& title, int maximum);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    QString m_title;
    int m_maximum;

    void SetLine(LPARAM line, const QString& text);
    void SetPosition(int position);
};
