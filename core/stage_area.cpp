#include "core/stage_area.h"

RECT g_rcStageArea{};
int g_nStageAreaWidth = 0;
int g_nStageAreaHeight = 0;
