// Figures the windows ask of the system: memory and disk space in megabytes,
// the estimated size of a file to be written, the platform version code, the
// display's scale and the frame metrics the main frame caches.
#pragma once

#include "platform/types/types.h"

#include <QString>

// Memory figures in MB (byte counts shifted right by 20, low 32 bits kept);
// the load is in percent.
struct MemoryStatusMB {
    DWORD memoryLoad = 0;
    DWORD totalPhys = 0;
    DWORD availPhys = 0;
    DWORD totalPageFile = 0;
    DWORD availPageFile = 0;
    DWORD totalVirtual = 0;
    DWORD availVirtual = 0;
    DWORD availExtendedVirtual = 0;

    friend bool operator==(const MemoryStatusMB&, const MemoryStatusMB&) = default;
};

// Nonzero on success; on failure the record is all zero.
int GetMemoryStatusMB(MemoryStatusMB* status);
DWORD GetAvailablePhysicalMB();
// A byte count in MB as the memory and disk figures keep it.
DWORD BytesToMB(ULONGLONG bytes);

// Free MB for this user on the file system of the path (which need not exist
// yet: its nearest existing folder is asked; a relative path is taken from the
// current folder); 0 on failure.
DWORD GetDiskFreeMBForPath(const QString& path);
// Free MB for this user on the file system of the folder itself; 0 on failure.
DWORD GetDiskFreeMB(const QString& folder);
// The same, telling a failed query apart from a full disk: false when the
// folder's file system cannot be asked.
bool QueryDiskFreeMB(const QString& folder, DWORD* freeMB);

// The bytes a file of this type will likely take, rounded up to 1000:
// PNG 65 % of the image, JPEG 10 % at quality 100 scaled by the quality,
// other types the image's size (each with 1000 bytes of headers).
ULONGLONG EstimateSaveSize(int imageFileType, ULONGLONG imageBytes, int jpegQuality);

// Version code of the platform; 0 means not supported.
extern DWORD g_nWindowsVersion;
// The code of a platform version by the program's table.
DWORD WindowsVersionCodeOf(DWORD major, DWORD minor);
// The code of this platform; also stored in g_nWindowsVersion.
DWORD DetectWindowsVersion();

// Display scale factors (1.0 up to 100 dpi, else dpi / 96).
extern float g_fDpiScaleX;
extern float g_fDpiScaleY;
void InitDpiScale();
void InitDpiScaleFromDpi(int dpiX, int dpiY);
// 2 when the horizontal scale exceeds 1.249 (the larger bitmap set), else 1.
int GetIconScale();
// Dots per inch as pixels per metre, rounded.
LONG DpiToPixelsPerMeter(int dpi);

// The frame's cached figures; the sizing frame values include the + 4.
struct ScreenMetrics {
    int menuHeight = 0;
    int captionHeight = 0;
    int frameWidth = 0;   // sizing-frame width + 4
    int frameHeight = 0;  // sizing-frame height + 4
    int screenWidth = 0;
    int screenHeight = 0;
    int vscrollWidth = 0;
    int toolbarHeight = 0;
    int statusBarHeight = 0;
};
extern ScreenMetrics g_ScreenMetrics;
// The figures of this display; the toolbar and status-bar heights are the
// frame's own and left 0 here.
ScreenMetrics QueryScreenMetrics();

// Caption height + sizing-frame height + 4.
int GetTitleBarHeight(const ScreenMetrics& m = g_ScreenMetrics);
// The stage area's offset from the top of the main window.
int GetFrameClientTop(const ScreenMetrics& m = g_ScreenMetrics);
// 25 below version code 0x400, else 29.
int GetExtraFrameHeight();
// ZoomStep / g_nZoomStepBase.
double GetZoomFactor();
// HALFTONE when ImageComplement is 1, else COLORONCOLOR.
int GetStretchBltModeSetting();
