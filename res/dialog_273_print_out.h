// Template 273: the print dialog. The printer's information and its setup
// button, the four margins with their spins, the preview with its paging
// buttons, the three fit modes and the page count, and the closing buttons.
#pragma once

#include "platform/dialog/dialog_template.h"

inline constexpr UINT IDD_PRINT_OUT = 273;
inline constexpr int IDC_PRINT_INFO_GROUP = 1301;
inline constexpr int IDC_PRINT_PRINTER_NAME = 1270;
inline constexpr int IDC_PRINT_PAPER_FORM = 1271;
inline constexpr int IDC_PRINT_ORIENTATION = 1272;
inline constexpr int IDC_PRINT_PAPER_SIZE = 1273;
inline constexpr int IDC_PRINT_COPIES = 1283;
inline constexpr int IDC_PRINT_SETUP = 1112;
inline constexpr int IDC_PRINT_MARGIN_GROUP = 1302;
inline constexpr int IDC_PRINT_MARGIN_LEFT = 1275;
inline constexpr int IDC_PRINT_MARGIN_RIGHT = 1277;
inline constexpr int IDC_PRINT_MARGIN_TOP = 1276;
inline constexpr int IDC_PRINT_MARGIN_BOTTOM = 1278;
inline constexpr int IDC_PRINT_SPIN_LEFT = 1280;
inline constexpr int IDC_PRINT_SPIN_RIGHT = 1282;
inline constexpr int IDC_PRINT_SPIN_TOP = 1284;
inline constexpr int IDC_PRINT_SPIN_BOTTOM = 1281;
inline constexpr int IDC_PRINT_PREVIEW = 1279;
inline constexpr int IDC_PRINT_CURRENT_PAGE = 1290;
inline constexpr int IDC_PRINT_PAGE_UP = 1292;
inline constexpr int IDC_PRINT_PAGE_DOWN = 1293;
inline constexpr int IDC_PRINT_MODE_GROUP = 1306;
inline constexpr int IDC_PRINT_FIT_WIDTH = 1254;
inline constexpr int IDC_PRINT_ACTUAL_SIZE = 1286;
inline constexpr int IDC_PRINT_ONE_PAGE = 1285;
inline constexpr int IDC_PRINT_PAGE_COUNT_LABEL = 1307;
inline constexpr int IDC_PRINT_PAGE_COUNT = 1287;
inline constexpr int IDC_PRINT_START = 1274;
inline constexpr int IDC_PRINT_CLOSE = 1092;

extern const DialogTemplate kDialog273PrintOut;
