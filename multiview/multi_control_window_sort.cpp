// The panel's sort radios and descending check box, the view mode buttons
// and the thumbnail size slider.
#include "multiview/multi_control_window.h"

#include "core/multi_view_messages.h"
#include "multiview/multi_view_state.h"

namespace {

struct SortRadio {
    int id;
    int key;
    unsigned bit;
};

constexpr SortRadio kSortRadios[] = {
    {IDC_MULTICTL_SORT_NAME, kSortByName, kSortBitName},
    {IDC_MULTICTL_SORT_DATE, kSortByDate, kSortBitDate},
    {IDC_MULTICTL_SORT_SIZE, kSortBySize, kSortBitSize},
};

}  // namespace

void CDlgMultiControlWindow::ResetSortRadios()
{
    // Until the stage has built an order, none can be chosen.
    for (const SortRadio& radio : kSortRadios) {
        CheckDlgButton(radio.id, radio.key == m_sortKey ? 1 : 0);
        EnableItem(radio.id, false);
    }
    EnableItem(IDC_MULTICTL_DESCENDING, false);
    ShowItem(IDC_MULTICTL_HIDDEN_BUTTON, false);
}

void CDlgMultiControlWindow::OnSortRadio(int id, int key)
{
    if (IsDlgButtonChecked(id) != 1 || key == m_sortKey)
        return;
    const int old = m_sortKey;
    m_sortKey = key;
    SendToStage(WM_MULTI_SORT_MODE_CHANGED, static_cast<WPARAM>(key), static_cast<LPARAM>(old));
}

void CDlgMultiControlWindow::OnDescending()
{
    m_descending = m_descending ? 0 : 1;
    CheckDlgButton(IDC_MULTICTL_DESCENDING, m_descending ? 1 : 0);
    SendToStage(WM_MULTI_SORT_ORDER_CHANGED, static_cast<WPARAM>(m_descending));
}

void CDlgMultiControlWindow::OnEnableSort(unsigned bits)
{
    for (const SortRadio& radio : kSortRadios)
        if (bits == 0 || (bits & radio.bit))
            EnableItem(radio.id, bits != 0);
    EnableItem(IDC_MULTICTL_DESCENDING, bits != 0);
}

void CDlgMultiControlWindow::OnDisableSort(unsigned bits)
{
    for (const SortRadio& radio : kSortRadios)
        if (bits & radio.bit)
            EnableItem(radio.id, false);
}

void CDlgMultiControlWindow::SetViewMode(int mode)
{
    if (mode == m_viewMode)
        return;
    m_viewMode = mode;
    // The preview shows the focus: a stage without one starts at the first file.
    if (mode == kMultiViewPreview && StageFocus() == -1)
        SetStageFocus(0);
    ShowViewModeImages();
    SendViewModeNotice();
}

void CDlgMultiControlWindow::SendViewModeNotice()
{
    if (IsStageVisible())
        SendToStage(WM_MULTI_VIEW_MODE_CHANGED, static_cast<WPARAM>(m_viewMode));
}

void CDlgMultiControlWindow::SetUpSlider()
{
    auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(IDC_MULTICTL_THUMB_SIZE));
    if (!slider)
        return;
    slider->SetRange(kThumbSizeMin, kThumbSizeMax);
    slider->SetTicFreq(kThumbSizeTick);
    slider->SetLineSize(kThumbSizeStep);
    slider->SetPageSize(kThumbSizeStep);
    slider->SetPos(GetMultiViewState().thumbSize);
}

void CDlgMultiControlWindow::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(IDC_MULTICTL_THUMB_SIZE));
    if (!slider || bar != slider) {
        CDialog::OnHScroll(code, pos, bar);
        return;
    }
    // A drag may stop between the steps: the size keeps to its steps of 4.
    const int offset = slider->GetPos() - kThumbSizeMin;
    const int size = kThumbSizeMin + (offset + kThumbSizeStep / 2) / kThumbSizeStep * kThumbSizeStep;
    if (size != slider->GetPos())
        slider->SetPos(size);
    if (size == GetMultiViewState().thumbSize)
        return;
    GetMultiViewState().thumbSize = size;
    SendViewModeNotice();
}

LRESULT CDlgMultiControlWindow::OnSetThumbSize(int size)
{
    if (!IsThumbSizeInRange(size))
        return 0;
    GetMultiViewState().thumbSize = size;
    if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(IDC_MULTICTL_THUMB_SIZE)))
        slider->SetPos(size);
    return 1;
}

LRESULT CDlgMultiControlWindow::OnStepThumbSize(int delta)
{
    const int size = GetMultiViewState().thumbSize;
    const int stepped = StepThumbSize(size, delta);
    if (stepped == size)
        return 0;
    GetMultiViewState().thumbSize = stepped;
    if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(IDC_MULTICTL_THUMB_SIZE)))
        slider->SetPos(stepped);
    SendViewModeNotice();
    return 1;
}
