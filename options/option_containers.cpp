#include "options/option_containers.h"

#include "clip/stage_messages.h"
#include "core/app_state.h"

CDlgOpOptionContainer::CDlgOpOptionContainer() : COptionSheet(&kDialog147OptionSheet)
{
    AddPage(QStringLiteral("一般"), &m_basic);
    AddPage(QStringLiteral("保存"), &m_save);
    AddPage(QStringLiteral("表示色"), &m_color);
    AddPage(QStringLiteral("ｽｸﾛｰﾙｷｬﾌﾟﾁｬ"), &m_scrollCapture);
}

BOOL CDlgOpOptionContainer::OnInitDialog()
{
    m_zoomStepAtOpening = AppSettings.ZoomStep;
    return COptionSheet::OnInitDialog();
}

int CDlgOpOptionContainer::InitialTab() const
{
    return static_cast<int>(AppSettings.OptionTabNo);
}

void CDlgOpOptionContainer::OnTabChosen(int tab)
{
    AppSettings.OptionTabNo = static_cast<UINT>(tab);
}

// The view stage takes a new zoom step at once.
void CDlgOpOptionContainer::OnOK()
{
    COptionSheet::OnOK();
    if (AppSettings.ZoomStep != m_zoomStepAtOpening)
        if (const HWND stage = GetAppState().Window(AppWindow::ViewStage))
            ::SendMessage(stage, WM_STAGE_RELOAD_ZOOM_STEP, 0, 0);
}

CDlgOpOptionContainerB::CDlgOpOptionContainerB() : COptionSheet(&kDialog296OptionSheetMulti)
{
    AddPage(QStringLiteral("一般"), &m_multi);
}
