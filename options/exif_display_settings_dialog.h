// The modal dialog that chooses what the EXIF information window shows: its
// tags, the GPS format and the list's font size take effect in an open EXIF
// window at once; the image it follows and whether it keeps its position count
// on OK. Cancel puts the tags, the GPS format and the window's font back.
#pragma once

#include "options/exif_tag_boxes_dialog.h"
#include "res/dialog_310_exif_display_settings.h"

class CDlgOpOptionExif : public CExifTagBoxesDialog {
public:
    enum { IDD = IDD_EXIF_DISPLAY_SETTINGS };

    explicit CDlgOpOptionExif(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;
    void OnOK() override;
    void OnCancel() override;
    void OnTagsChanged() override;

private:
    DWORD m_gpsFormat = 0;
    DWORD m_gpsFormatAtOpening = 0;
    BYTE m_target = 0;
    DWORD m_remember = 0;
    int m_fontSize = 0;

    void ShowRadios();
    void SetGpsFormat(DWORD format);
    void SetTarget(BYTE target);
};
