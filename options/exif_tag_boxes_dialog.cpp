#include "options/exif_tag_boxes_dialog.h"

CExifTagBoxesDialog::CExifTagBoxesDialog(
    const DialogTemplate* dialogTemplate, ExifTagDialog kind, ExifTagMask& mask, CWnd* parent)
    : CDialog(dialogTemplate, parent), m_kind(kind), m_mask(mask)
{
}

BOOL CExifTagBoxesDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_maskAtOpening = m_mask;
    ShowTagBoxes();
    return TRUE;
}

void CExifTagBoxesDialog::ShowTagBoxes()
{
    for (const ExifSelectableTag& tag : ExifSelectableTags())
        CheckDlgButton(ExifBoxOfTag(m_kind, tag), IsExifTagToClear(tag.tag, m_mask));
}

void CExifTagBoxesDialog::RestoreMask()
{
    m_mask = m_maskAtOpening;
}

BOOL CExifTagBoxesDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        if (ApplyExifTagBox(m_kind, id, IsDlgButtonChecked(id) != 0, m_mask)) {
            OnTagsChanged();
            return TRUE;
        }
        if (const auto button = ExifGroupButtonOf(m_kind, id)) {
            SetExifTagGroup(*button, m_mask);
            ShowTagBoxes();
            OnTagsChanged();
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}
