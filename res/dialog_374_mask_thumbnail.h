// Template 374: the multi view's mask settings (calendar, image types and,
// in extended mode, the value range on a histogram).
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_MASK_THUMBNAIL = 374;
inline constexpr int IDC_MASK_NOTICE = 1632;
inline constexpr int IDC_MASK_YEAR = 1105;
inline constexpr int IDC_MASK_MONTH_1 = 1347;        // .. 1358
inline constexpr int IDC_MASK_MONTH_LABEL_1 = 1633;  // .. 1644
inline constexpr int IDC_MASK_DAY_1 = 1592;          // .. 1622
inline constexpr int IDC_MASK_DAY_LABEL_1 = 1653;    // .. 1683
inline constexpr int IDC_MASK_WEEKDAY_1 = 1645;      // .. 1651, Sunday first
inline constexpr int IDC_MASK_ALL_YEARS_SET = 1113;
inline constexpr int IDC_MASK_ALL_YEARS_CLEAR = 1112;
inline constexpr int IDC_MASK_MONTH_SET = 1115;
inline constexpr int IDC_MASK_MONTH_CLEAR = 1114;
inline constexpr int IDC_MASK_TYPE_1 = 1623;  // .. 1627: BMP JPEG TIFF GIF PNG
inline constexpr int IDC_MASK_TYPES_SET = 1119;
inline constexpr int IDC_MASK_TYPES_CLEAR = 1118;
inline constexpr int IDC_MASK_EXCLUDE = 1628;
inline constexpr int IDC_MASK_MODE = 1717;
inline constexpr int IDC_MASK_MEASURE_SIZE = 1340;
inline constexpr int IDC_MASK_MEASURE_WIDTH = 1254;
inline constexpr int IDC_MASK_MEASURE_HEIGHT = 1255;
inline constexpr int IDC_MASK_MEASURE_NAME = 1117;
inline constexpr int IDC_MASK_EXT_GROUP = 1737;
inline constexpr int IDC_MASK_GRAPH = 1736;
inline constexpr int IDC_MASK_MINIMUM = 1732;
inline constexpr int IDC_MASK_MAXIMUM = 1733;
inline constexpr int IDC_MASK_MINIMUM_UNIT = 1738;
inline constexpr int IDC_MASK_MAXIMUM_UNIT = 1740;
inline constexpr int IDC_MASK_LOW = 1290;
inline constexpr int IDC_MASK_HIGH = 1731;
inline constexpr int IDC_MASK_LOW_UNIT = 1739;
inline constexpr int IDC_MASK_HIGH_UNIT = 1741;
inline constexpr int IDC_MASK_LARGEST = 1742;
inline constexpr int IDC_MASK_UNUSED_1 = 1734;
inline constexpr int IDC_MASK_UNUSED_2 = 1735;
inline constexpr int IDC_MASK_RANGE_RESET = 1092;

// The hidden per-month bookkeeping buttons, month 1 first.
inline constexpr int kMaskMonthMarkIds[12] = {
    1123, 1124, 1126, 1127, 1128, 1129, 1130, 1131, 1132, 1133, 1134, 1135};

extern const DialogTemplate kDialog374MaskThumbnail;
