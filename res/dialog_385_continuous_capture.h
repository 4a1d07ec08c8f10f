// Template 385: continuous capture. Eight numbered steps in two columns
// (target, first wait, count, interval on the left; format, folder, file
// name, window state on the right), the run's counter and progress (hidden
// until a run starts), the start/stop button and Cancel.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_CONTINUE_CAPTURE = 385;

enum : int {
    // Step 1: the target.
    IDC_CC_TARGET_WINDOW = 1699,
    IDC_CC_TARGET_RANGE = 1526,
    IDC_CC_TARGET_GROUP = 1716,
    IDC_CC_WINDOW_LIST = 1249,
    IDC_CC_REFRESH_LIST = 1092,
    IDC_CC_RANGE_LEFT = 1701,
    IDC_CC_RANGE_TOP = 1700,
    IDC_CC_RANGE_RIGHT = 1702,
    IDC_CC_RANGE_BOTTOM = 1703,
    IDC_CC_RANGE_LEFT_LABEL = 1731,
    IDC_CC_RANGE_TOP_LABEL = 1732,
    IDC_CC_RANGE_RIGHT_LABEL = 1733,
    IDC_CC_RANGE_BOTTOM_LABEL = 1734,
    IDC_CC_LAST_CLIP_RANGE = 1715,
    IDC_CC_FULL_SCREEN = 1717,
    IDC_CC_PREVIEW = 1713,
    IDC_CC_CURSOR = 1592,
    // Step 2: the first wait.
    IDC_CC_FIRST_WAIT = 1105,
    IDC_CC_FIRST_WAIT_UNIT = 1735,
    // Step 3: the count.
    IDC_CC_COUNT = 1290,
    IDC_CC_COUNT_SPIN = 1309,
    IDC_CC_COUNT_RANGE = 1690,
    // Step 4: the interval.
    IDC_CC_INTERVAL = 1691,
    IDC_CC_INTERVAL_SPIN_COARSE = 1692,
    IDC_CC_INTERVAL_SPIN_FINE = 1693,
    IDC_CC_INTERVAL_RANGE = 1694,
    IDC_CC_FORCE = 1730,
    // Step 5: the format.
    IDC_CC_FORMAT_BMP = 1348,
    IDC_CC_FORMAT_JPEG = 1347,
    IDC_CC_FORMAT_PNG = 1340,
    IDC_CC_QUALITY = 1695,
    IDC_CC_QUALITY_TEXT = 1707,
    IDC_CC_QUALITY_CAPTION = 1736,
    // Step 6: the folder.
    IDC_CC_FOLDER = 1696,
    IDC_CC_BROWSE = 1112,
    IDC_CC_GOTO_MULTI = 1123,
    // Step 7: the file name.
    IDC_CC_FILE_NAME = 1697,
    IDC_CC_NUMBER_FIRST = 1255,
    IDC_CC_NUMBER_LAST = 1118,
    IDC_CC_NUMBER_CAPTION = 1737,
    IDC_CC_SAMPLE = 1708,
    IDC_CC_SAMPLE_CAPTION = 1738,
    IDC_CC_OVERWRITE = 1254,
    IDC_CC_SKIP_EXISTING = 1117,
    IDC_CC_OVERWRITE_CAPTION = 1739,
    // Step 8: the window while running.
    IDC_CC_HIDE_IN_TASKBAR = 1720,
    IDC_CC_SHOW_COMPACT = 1721,
    IDC_CC_COMPACT_TOP_LEFT = 1722,
    IDC_CC_COMPACT_TOP_RIGHT = 1723,
    // The step labels.
    IDC_CC_STEP1 = 1704,
    IDC_CC_STEP2 = 1685,
    IDC_CC_STEP3 = 1686,
    IDC_CC_STEP4 = 1687,
    IDC_CC_STEP5 = 1688,
    IDC_CC_STEP6 = 1718,
    IDC_CC_STEP7 = 1689,
    IDC_CC_STEP8 = 1719,
    // The run.
    IDC_CC_COUNTER_CAPTION = 1724,
    IDC_CC_PROGRESS_CAPTION = 1725,
    IDC_CC_COUNTER = 1726,
    IDC_CC_PROGRESS_EDIT = 1727,
    IDC_CC_PROGRESS = 1729,
    // IDOK (1) starts and stops, IDCANCEL (2) is "キャンセル".
};

extern const DialogTemplate kDialog385ContinueCapture;
