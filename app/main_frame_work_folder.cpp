// The work-folder dialog as the frame runs it. Skeleton: its issue fills it in.
#include "app/main_frame.h"

void CMainFrame::RunWorkFolder()
{
}

bool CMainFrame::HandleWorkFolderCommand(UINT)
{
    return false;
}
