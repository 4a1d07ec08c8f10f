// The mode bar as the frame keeps it. Skeleton: its issue fills it in.
#include "app/main_frame.h"

void CMainFrame::OpenModeChoice()
{
}

void CMainFrame::CloseModeChoice()
{
}
