// The modal dialog for the size at which a clip image is saved (template
// 180). It opens with g_nSaveSizeWidth/g_nSaveSizeHeight and the setting
// KeepRatioSize; OK writes the three back, Cancel leaves them. A height or
// width counts once its box has lost the focus: out of the settings' bounds
// it is refused with a message and the old value comes back. Enter and Esc
// do nothing: only the buttons end the dialog.
#pragma once

#include "clip/save_size_rules.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_180_save_image_size.h"

class CDlgSaveImageSize : public CDialog {
public:
    enum { IDD = IDD_SAVE_IMAGE_SIZE };

    explicit CDlgSaveImageSize(CWnd* parent = nullptr);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    int m_nHeight = 0;
    int m_nWidth = 0;
    bool m_bKeepRatio = false;
    double m_dRatio = 0.0;
    bool m_bChecking = false;  // a box is being checked; its message moves the focus

    void OnKeepRatioClicked();
    void OnSideKillFocus(bool height);
};
