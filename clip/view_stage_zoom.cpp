// Zooming the view stage: the wheel, the zoom commands, hit zoom, centring.
#include "clip/view_stage.h"

void CDlgViewStage::WheelAt(UINT /*flags*/, short /*delta*/, CPoint /*screenPoint*/)
{
}
void CDlgViewStage::CentreAt(CPoint /*point*/)
{
}
