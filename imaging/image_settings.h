// The settings the image readers and writers consult, read in one place.
#pragma once

#include "platform/types/types.h"

// The largest image the program handles (inclusive limits).
int ImageSettingMaxWidth();
int ImageSettingMaxHeight();
// Resolution written into new and loaded images, and whether loaded BMP files
// take it in place of their own.
int ImageSettingBmpDpi();
bool ImageSettingForceSaveDpi();
// JPEG quality 1..100 and whether the quality dialog is asked before a save.
int ImageSettingJpegQuality();
bool ImageSettingShowQualityDlg();
// dots per inch x 39.37007874015748, rounded (an exact half upwards).
LONG ImageDpiToPixelsPerMeter(int dpi);
