// Template 365: the batch shrink's five steps from top to bottom, the
// progress bar and the two buttons.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_STRETCH_IMAGE = 365;
inline constexpr int IDC_SHRINK_NOTICE = 1539;
inline constexpr int IDC_SHRINK_STEP1 = 1540;
inline constexpr int IDC_SHRINK_ALL_IMAGES = 1541;
inline constexpr int IDC_SHRINK_CHOSEN_SIZES = 1542;
inline constexpr int IDC_SHRINK_SIZE_1 = 1543;  // to 1548: the six size pairs
inline constexpr int IDC_SHRINK_STEP2 = 1549;
inline constexpr int IDC_SHRINK_BY_RATIO = 1550;
inline constexpr int IDC_SHRINK_BY_SIZE = 1551;
inline constexpr int IDC_SHRINK_RATIO = 1552;
inline constexpr int IDC_SHRINK_RATIO_SPIN_10 = 1553;
inline constexpr int IDC_SHRINK_RATIO_SPIN_1 = 1554;
inline constexpr int IDC_SHRINK_WIDTH = 1555;
inline constexpr int IDC_SHRINK_HEIGHT = 1556;
inline constexpr int IDC_SHRINK_SOURCE_SIZE = 1558;
inline constexpr int IDC_SHRINK_RESULT_SIZE = 1560;
inline constexpr int IDC_SHRINK_STEP3 = 1564;
inline constexpr int IDC_SHRINK_BMP = 1565;
inline constexpr int IDC_SHRINK_JPEG = 1566;
inline constexpr int IDC_SHRINK_PNG = 1567;
inline constexpr int IDC_SHRINK_QUALITY = 1568;
inline constexpr int IDC_SHRINK_INTERPOLATE = 1569;
inline constexpr int IDC_SHRINK_NO_INTERPOLATE = 1570;
inline constexpr int IDC_SHRINK_QUALITY_VALUE = 1571;
inline constexpr int IDC_SHRINK_QUALITY_LABEL = 1572;
inline constexpr int IDC_SHRINK_STEP4 = 1573;
inline constexpr int IDC_SHRINK_SAME_FOLDER = 1574;
inline constexpr int IDC_SHRINK_CHOSEN_FOLDER = 1575;
inline constexpr int IDC_SHRINK_MOVE = 1576;
inline constexpr int IDC_SHRINK_BROWSE = 1577;
inline constexpr int IDC_SHRINK_FOLDER = 1578;
inline constexpr int IDC_SHRINK_STEP5 = 1579;
inline constexpr int IDC_SHRINK_KEEP_NAME = 1580;
inline constexpr int IDC_SHRINK_CHANGE_NAME = 1581;
inline constexpr int IDC_SHRINK_FIXED_TEXT = 1582;
inline constexpr int IDC_SHRINK_SERIAL = 1583;
inline constexpr int IDC_SHRINK_FRONT = 1584;
inline constexpr int IDC_SHRINK_BACK = 1585;
inline constexpr int IDC_SHRINK_TEXT = 1586;
inline constexpr int IDC_SHRINK_EXAMPLE = 1587;
inline constexpr int IDC_SHRINK_EXAMPLE_LABEL = 1588;
inline constexpr int IDC_SHRINK_ZERO_FILL = 1590;
inline constexpr int IDC_SHRINK_OVERWRITE = 1591;
inline constexpr int IDC_SHRINK_PROGRESS = 1595;

extern const DialogTemplate kDialog365StretchImage;
