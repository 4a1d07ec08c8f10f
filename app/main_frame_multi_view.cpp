// The multi view as the frame keeps it: its panel and its stage, made on the
// first switch to the multi view (the panel first: the stage reads the
// panel's state from its making on) and kept to the end of the run.
#include "app/main_frame.h"

#include "app/owned_window.h"
#include "core/frame_messages.h"
#include "core/logging.h"
#include "multiview/multi_control_window.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumbnail_loaders.h"

void CMainFrame::OpenMultiControlWindow()
{
    if (!m_pMultiControlWindow) {
        auto* panel = new CDlgMultiControlWindow;
        if (!panel->Create(this)) {
            qCWarning(lcFrame) << "the multi-view panel could not be made";
            delete panel;
            return;
        }
        m_pMultiControlWindow = panel;
    }
    m_pMultiControlWindow->ShowWindow(SW_SHOW);
}

void CMainFrame::CloseMultiControlWindow()
{
    // The stage reads the panel's state: it lets go of the panel first.
    if (m_pMultiViewStage)
        m_pMultiViewStage->SetPanelState(nullptr);
    CloseOwnedWindowAtEnd(m_pMultiControlWindow);
}

void CMainFrame::OpenMultiViewStage()
{
    if (!m_pMultiViewStage) {
        auto* stage = new CDlgMultiViewStage(this);
        stage->SetPanelState(m_pMultiControlWindow);
        if (!stage->Create(this)) {
            qCWarning(lcFrame) << "the multi-view stage could not be made";
            delete stage;
            return;
        }
        m_pMultiViewStage = stage;
    }
    m_pMultiViewStage->ShowWindow(SW_SHOW);
}

void CMainFrame::CloseMultiViewStage()
{
    CloseOwnedWindowAtEnd(m_pMultiViewStage);
}

void CMainFrame::StopMultiViewWorkers()
{
    if (!m_pMultiViewStage || !m_pMultiViewStage->GetSafeHwnd())
        return;
    // A drop copy stops before its next file (a pending question answers
    // "stop") and is waited for before the stage goes.
    m_pMultiViewStage->StopFileOperations();
    m_pMultiViewStage->Loaders().StopWorkerThreads(true, true);
}
