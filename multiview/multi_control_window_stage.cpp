// What the panel asks of the real multi-view stage.
#include "multiview/multi_control_window.h"

#include "core/app_state.h"
#include "core/multi_view_globals.h"

HWND CDlgMultiControlWindow::StageWindow() const
{
    return GetAppState().Window(AppWindow::MultiViewStage);
}

bool CDlgMultiControlWindow::IsStageVisible() const
{
    const HWND stage = StageWindow();
    return stage && GetAppState().IsWindowVisible(stage);
}

QString CDlgMultiControlWindow::StageFolder() const
{
    return QString();
}

int CDlgMultiControlWindow::StageFileCount() const
{
    return 0;
}

int CDlgMultiControlWindow::StageFocus() const
{
    return -1;
}

void CDlgMultiControlWindow::SetStageFocus(int)
{
}

int CDlgMultiControlWindow::StageSelectedCount() const
{
    return 0;
}

bool CDlgMultiControlWindow::IsStageSortReady(int) const
{
    return false;
}

int CDlgMultiControlWindow::LoadedThumbnailCount() const
{
    return 0;
}

void CDlgMultiControlWindow::SetStageListOrder(int, int)
{
}

void CDlgMultiControlWindow::SetRenameMode(int mode)
{
    g_nRenameMode = static_cast<BYTE>(mode);
}
