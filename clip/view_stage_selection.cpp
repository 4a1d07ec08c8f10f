// Range selection on the view stage: two clicks or the wheel-sized range.
#include "clip/view_stage.h"

void CDlgViewStage::SelectionPress(CPoint /*point*/)
{
}
void CDlgViewStage::SelectionRelease(CPoint /*point*/)
{
}
void CDlgViewStage::SelectionMove(UINT /*flags*/, CPoint /*point*/)
{
}
void CDlgViewStage::ResizeRangeByWheel(short /*delta*/)
{
}
bool CDlgViewStage::RedrawTwoClickAfterZoom()
{
    return false;
}
void CDlgViewStage::SetBandArea()
{
}
int CDlgViewStage::ViewCursorId() const
{
    return 0;
}
int CDlgViewStage::CropToClipImage(CClipImageSlot* /*slot*/, const RECT& /*r*/)
{
    return 0;
}
