#include "multiview/multi_control_state.h"

MultiViewPanelCopies& GetMultiViewPanelCopies()
{
    static MultiViewPanelCopies copies;
    return copies;
}
