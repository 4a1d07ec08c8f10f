// The colour-adjustment dialog as the frame keeps it. Skeleton: its issue fills it in.
#include "app/main_frame.h"

void CMainFrame::OpenContrast()
{
}

void CMainFrame::CloseContrast()
{
}

bool CMainFrame::HandleContrastMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

bool CMainFrame::HandleContrastCommand(UINT)
{
    return false;
}
