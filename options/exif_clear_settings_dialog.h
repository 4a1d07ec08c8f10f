// The modal dialog that chooses which tags the multi view clears, the value
// rational tags receive and whether the clear button shows this dialog first.
// Opened for the clear button (g_nExifClearResult 2) it is the last step
// before the clearing: its caption asks for the tags and OK reads "クリア実行".
#pragma once

#include "options/exif_tag_boxes_dialog.h"
#include "res/dialog_311_exif_clear_settings.h"

class CDlgOpOptionExifClear : public CExifTagBoxesDialog {
public:
    enum { IDD = IDD_EXIF_CLEAR_SETTINGS };

    explicit CDlgOpOptionExifClear(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;

private:
    DWORD m_showDialog = 0;
    DWORD m_clearValue = 0;

    void ShowChoices();
};
