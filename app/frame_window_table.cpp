#include "app/frame_window_table.h"

#include "app/main_frame.h"
#include "clip/wait_box.h"

namespace {

CWnd* WaitBoxOf(const CMainFrame& frame, int)
{
    return frame.m_pWaitOperateMsg;
}

void CloseWaitBoxOf(CMainFrame& frame, int)
{
    frame.CloseWaitBox();
}

// The view stage, control panel, file tree, folder tree and overview close
// before the wait box once they are part of the program.
constexpr FrameWindowRow kRows[] = {
    {AppWindow::WaitBox, IDD_WAIT_OPERATE, 1, WaitBoxOf, CloseWaitBoxOf},
};

}  // namespace

std::span<const FrameWindowRow> FrameWindowTable()
{
    return kRows;
}

const FrameWindowRow* FindFrameWindowRow(std::span<const FrameWindowRow> rows, AppWindow kind)
{
    for (const FrameWindowRow& row : rows)
        if (row.kind == kind)
            return &row;
    return nullptr;
}
