// The mode bar as the frame keeps it: made at the first show before the
// panels, whose placement reads its height, shown and never hidden; closed
// as the frame ends.
#include "app/main_frame.h"

#include "app/mode_bar.h"
#include "app/owned_window.h"
#include "core/logging.h"

void CMainFrame::OpenModeChoice()
{
    if (!m_pModeChoice) {
        auto* bar = new CDlgModeChoice(this);
        if (!bar->Create(this)) {
            qCWarning(lcFrame) << "the mode bar could not be made";
            delete bar;
            return;
        }
        m_pModeChoice = bar;
    }
    m_pModeChoice->ShowWindow(SW_SHOW);
}

void CMainFrame::CloseModeChoice()
{
    // The bar closes only as the frame ends.
    CloseOwnedWindowAtEnd(m_pModeChoice);
}
