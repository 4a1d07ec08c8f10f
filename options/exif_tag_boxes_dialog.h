// A dialog with the 58 tag check boxes and their group buttons over one
// process-wide tag mask: a click changes the mask at once, Cancel puts back
// the mask the dialog opened with.
#pragma once

#include "options/exif_tag_boxes.h"
#include "platform/dialog/dialog.h"

class CExifTagBoxesDialog : public CDialog {
public:
    CExifTagBoxesDialog(
        const DialogTemplate* dialogTemplate, ExifTagDialog kind, ExifTagMask& mask, CWnd* parent);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The mask as it was when the dialog opened.
    void RestoreMask();
    // After a tag box or a group button changed the mask.
    virtual void OnTagsChanged() { }

private:
    ExifTagDialog m_kind;
    ExifTagMask& m_mask;
    ExifTagMask m_maskAtOpening;

    void ShowTagBoxes();
};
