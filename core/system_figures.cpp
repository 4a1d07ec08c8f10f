#include "core/system_figures.h"

#include "core/file_types.h"
#include "core/geometry.h"
#include "core/settings/app_settings.h"
#include "platform/dialog/dialog_scale.h"
#include "platform/gdi/gdi.h"
#include "platform/system/kernel.h"
#include "platform/system/screen_metrics.h"

#include <QDir>
#include <QFileInfo>

DWORD g_nWindowsVersion = 0;
float g_fDpiScaleX = 1.0f;
float g_fDpiScaleY = 1.0f;
ScreenMetrics g_ScreenMetrics;

DWORD BytesToMB(ULONGLONG bytes)
{
    return static_cast<DWORD>(bytes >> 20);
}

int GetMemoryStatusMB(MemoryStatusMB* status)
{
    *status = MemoryStatusMB();
    KernelMemoryStatus k;
    if (!QueryMemoryStatus(&k))
        return 0;
    status->memoryLoad = k.memoryLoad;
    status->totalPhys = BytesToMB(k.totalPhys);
    status->availPhys = BytesToMB(k.availPhys);
    status->totalPageFile = BytesToMB(k.totalPageFile);
    status->availPageFile = BytesToMB(k.availPageFile);
    status->totalVirtual = BytesToMB(k.totalVirtual);
    status->availVirtual = BytesToMB(k.availVirtual);
    status->availExtendedVirtual = BytesToMB(k.availExtendedVirtual);
    return 1;
}

DWORD GetAvailablePhysicalMB()
{
    MemoryStatusMB status;
    GetMemoryStatusMB(&status);
    return status.availPhys;
}

DWORD GetDiskFreeMBForPath(const QString& path)
{
    // The file system that will hold the path: its nearest existing folder.
    QString probe =
        QDir::cleanPath(QDir::current().absoluteFilePath(path.isEmpty() ? QStringLiteral(".") : path));
    while (!QFileInfo(probe).exists() && probe != QStringLiteral("/"))
        probe = QFileInfo(probe).path();
    ULONGLONG bytes = 0;
    return QueryDiskFreeBytes(probe, &bytes) ? BytesToMB(bytes) : 0;
}

DWORD GetDiskFreeMB(const QString& folder)
{
    ULONGLONG bytes = 0;
    return QueryDiskFreeBytes(folder, &bytes) ? BytesToMB(bytes) : 0;
}

bool QueryDiskFreeMB(const QString& folder, DWORD* freeMB)
{
    ULONGLONG bytes = 0;
    const bool asked = QueryDiskFreeBytes(folder, &bytes);
    *freeMB = asked ? BytesToMB(bytes) : 0;
    return asked;
}

ULONGLONG EstimateSaveSize(int imageFileType, ULONGLONG imageBytes, int jpegQuality)
{
    const double m = static_cast<double>(imageBytes) + 1000.0;
    double estimate = m;
    if (imageFileType == kImageTypePng)
        estimate = m * 0.65;
    else if (imageFileType == kImageTypeJpeg)
        estimate = jpegQuality / 100.0 * 0.5 * (m * 0.2);  // in floating point: q / 100 is below 1
    return static_cast<ULONGLONG>(RoundUpToMultiple(static_cast<std::int64_t>(estimate), 1000));
}

DWORD WindowsVersionCodeOf(DWORD major, DWORD minor)
{
    switch (major) {
    case 2:
    case 3:
    case 4:
        return 0;
    case 5: {
        static constexpr DWORD kCodes[] = {0x101, 0x201, 0x202};
        return minor < 3 ? kCodes[minor] : 0x200;
    }
    case 6: {
        static constexpr DWORD kCodes[] = {0x401, 0x500, 0x600, 0x601};
        return minor < 4 ? kCodes[minor] : 0x602;
    }
    case 10: {
        static constexpr DWORD kCodes[] = {0x700, 0x701};
        return minor < 2 ? kCodes[minor] : 0x800;
    }
    }
    return 0x800;
}

DWORD DetectWindowsVersion()
{
    DWORD major = 0;
    DWORD minor = 0;
    GetPlatformVersion(&major, &minor);
    g_nWindowsVersion = WindowsVersionCodeOf(major, minor);
    return g_nWindowsVersion;
}

void InitDpiScaleFromDpi(int dpiX, int dpiY)
{
    if (dpiX <= 100) {
        g_fDpiScaleX = 1.0f;
        g_fDpiScaleY = 1.0f;
    } else {
        g_fDpiScaleX = static_cast<float>(dpiX) / 96.0f;
        g_fDpiScaleY = static_cast<float>(dpiY) / 96.0f;
    }
    // The windows' templates are laid out by the same figure.
    SetDialogScale(g_fDpiScaleX);
}

void InitDpiScale()
{
    int dpiX = 96;
    int dpiY = 96;
    QueryScreenLogicalDpi(&dpiX, &dpiY);
    InitDpiScaleFromDpi(dpiX, dpiY);
}

int GetIconScale()
{
    return g_fDpiScaleX > 1.249f ? 2 : 1;
}

LONG DpiToPixelsPerMeter(int dpi)
{
    return RoundToInt(dpi * 39.37007874015748);
}

ScreenMetrics QueryScreenMetrics()
{
    const FrameMetrics frame = QueryFrameMetrics();
    const SIZE screen = QueryScreenSize();
    ScreenMetrics m;
    m.screenWidth = screen.cx;
    m.screenHeight = screen.cy;
    m.menuHeight = frame.menuHeight;
    m.captionHeight = frame.captionHeight;
    m.frameWidth = frame.sizeFrameWidth + 4;
    m.frameHeight = frame.sizeFrameHeight + 4;
    m.vscrollWidth = frame.verticalScrollWidth;
    return m;
}

int GetTitleBarHeight(const ScreenMetrics& m)
{
    // frameHeight already holds the sizing frame + 4.
    return m.captionHeight + m.frameHeight;
}

int GetFrameClientTop(const ScreenMetrics& m)
{
    return GetTitleBarHeight(m) + m.toolbarHeight + m.frameHeight / 2 + m.menuHeight;
}

int GetExtraFrameHeight()
{
    return g_nWindowsVersion < 0x400 ? 25 : 29;
}

double GetZoomFactor()
{
    return g_nZoomStepBase != 0 ? static_cast<double>(AppSettings.ZoomStep) / g_nZoomStepBase : 0.0;
}

int GetStretchBltModeSetting()
{
    return AppSettings.ImageComplement == 1 ? HALFTONE : COLORONCOLOR;
}
