#include "options/option_page.h"

#include "platform/controls/controls.h"

COptionPage::COptionPage(const DialogTemplate* dialogTemplate) : CDialog(dialogTemplate, nullptr)
{
}

BOOL COptionPage::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void COptionPage::CheckOneRadio(std::initializer_list<int> ids, int checked)
{
    for (int id : ids)
        CheckDlgButton(id, id == checked ? 1 : 0);
}

void COptionPage::EnableControl(int id, bool enable)
{
    if (CWnd* control = GetDlgItem(id))
        control->EnableWindow(enable ? TRUE : FALSE);
}

void COptionPage::SetUpSlider(int id, int min, int max, int tickFrequency, int pageSize, int position)
{
    auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(id));
    if (!slider)
        return;
    slider->SetRange(min, max);
    slider->SetTicFreq(tickFrequency);
    slider->SetPageSize(pageSize);
    slider->SetLineSize(pageSize);
    slider->SetPos(position);
}

int COptionPage::SliderPos(int id)
{
    auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(id));
    return slider ? slider->GetPos() : 0;
}
