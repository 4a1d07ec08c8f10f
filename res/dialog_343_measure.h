// Template 343: the measure panel.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_MEASURE = 343;
inline constexpr int IDC_MEASURE_CLOSE = 1112;
inline constexpr int IDC_MEASURE_LINE_1 = 1123;  // .. 1130: line buttons "1" .. "8"
inline constexpr int IDC_MEASURE_WIDTH_THICK = 1117;
inline constexpr int IDC_MEASURE_PIXEL_RANGE = 1290;
inline constexpr int IDC_MEASURE_PIXEL_SPIN = 1309;
inline constexpr int IDC_MEASURE_UNIT_ONE_SPIN = 1310;
inline constexpr int IDC_MEASURE_UNIT_SPIN = 1311;
inline constexpr int IDC_MEASURE_WIDTH_MEDIUM = 1340;
inline constexpr int IDC_MEASURE_WIDTH_THIN = 1347;
inline constexpr int IDC_MEASURE_UNIT_RANGE = 1485;
inline constexpr int IDC_MEASURE_LENGTH_1 = 1486;  // .. 1493: lengths of lines 1 .. 8
inline constexpr int IDC_MEASURE_SWATCH_1 = 1498;  // .. 1505: colours of lines 1 .. 8
inline constexpr int IDC_MEASURE_MOUSE = 1510;

extern const DialogTemplate kDialog343Measure;
