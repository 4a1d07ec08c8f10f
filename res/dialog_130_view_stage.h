// Template 130: the view stage, a title band with the image's name, three
// status fields and the one-to-one button, and the drawing surface below it.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_VIEW_STAGE = 130;
inline constexpr int IDC_STAGE_SURFACE = 1000;
inline constexpr int IDC_STAGE_ONE_TO_ONE = 1112;
inline constexpr int IDC_STAGE_IMAGE_NAME = 1133;
inline constexpr int IDC_STAGE_MAGNIFICATION = 1134;
inline constexpr int IDC_STAGE_SHOWN_RANGE = 1135;
inline constexpr int IDC_STAGE_IMAGE_SIZE = 1136;
inline constexpr int IDC_STAGE_MAGNIFICATION_LABEL = 1480;
inline constexpr int IDC_STAGE_SHOWN_RANGE_LABEL = 1481;
inline constexpr int IDC_STAGE_IMAGE_SIZE_LABEL = 1482;

extern const DialogTemplate kDialog130ViewStage;
