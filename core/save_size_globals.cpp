#include "core/save_size_globals.h"

int g_nSaveSizeWidth = 0;
int g_nSaveSizeHeight = 0;
