// What the panel asks of the real multi-view stage and its list.
#include "multiview/multi_control_window.h"

#include "core/app_state.h"
#include "core/multi_view_globals.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumb_load_control.h"
#include "multiview/thumbnail_list.h"

namespace {

CDlgMultiViewStage* StageOf(HWND stage)
{
    return stage ? dynamic_cast<CDlgMultiViewStage*>(CWnd::FromHandle(stage)) : nullptr;
}

}  // namespace

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
    const CDlgMultiViewStage* stage = StageOf(StageWindow());
    return stage ? stage->List().GetFolder() : QString();
}

int CDlgMultiControlWindow::StageFileCount() const
{
    const CDlgMultiViewStage* stage = StageOf(StageWindow());
    return stage ? stage->List().GetFileCount() : 0;
}

int CDlgMultiControlWindow::StageFocus() const
{
    const CDlgMultiViewStage* stage = StageOf(StageWindow());
    return stage ? stage->Scroll().Focus() : -1;
}

void CDlgMultiControlWindow::SetStageFocus(int position)
{
    if (CDlgMultiViewStage* stage = StageOf(StageWindow()))
        stage->SetFocusPosition(position);
}

int CDlgMultiControlWindow::StageSelectedCount() const
{
    const CDlgMultiViewStage* stage = StageOf(StageWindow());
    return stage ? stage->List().GetSelectedCount() : 0;
}

bool CDlgMultiControlWindow::IsStageSortReady(int position) const
{
    const CDlgMultiViewStage* stage = StageOf(StageWindow());
    return stage && position >= 0 && stage->List().IsSortReady(position) != 0;
}

int CDlgMultiControlWindow::LoadedThumbnailCount() const
{
    return GetThumbLoadControl().loadedCount.load();
}

void CDlgMultiControlWindow::SetStageListOrder(int key, int descending)
{
    if (CDlgMultiViewStage* stage = StageOf(StageWindow())) {
        stage->List().SetSortKey(static_cast<BYTE>(key));
        stage->List().SetDescending(static_cast<BYTE>(descending));
    }
}

void CDlgMultiControlWindow::SetRenameMode(int mode)
{
    g_nRenameMode = static_cast<BYTE>(mode);
}
