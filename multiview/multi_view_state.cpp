#include "multiview/multi_view_state.h"

MultiViewState& GetMultiViewState()
{
    static MultiViewState state;
    return state;
}
