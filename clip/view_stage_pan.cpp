// Panning the view stage by dragging, and the glide after a flick.
#include "clip/view_stage.h"

void CDlgViewStage::PanPress(CPoint /*point*/)
{
}
void CDlgViewStage::PanMove(UINT /*flags*/, CPoint /*point*/)
{
}
void CDlgViewStage::PanRelease(CPoint /*point*/)
{
}
void CDlgViewStage::CancelDrag()
{
}
void CDlgViewStage::OnGlideTimer()
{
}
