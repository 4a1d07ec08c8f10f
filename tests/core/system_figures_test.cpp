#include "core/file_types.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "platform/gdi/gdi.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SystemFigures, EstimateSaveSize)
{
    struct Case {
        int type;
        ULONGLONG bytes;
        int quality;
        ULONGLONG expected;
    };
    const Case cases[] = {
        {kImageTypePng, 3000000, 0, 1951000},  // 3,001,000 x 0.65 = 1,950,650
        {kImageTypeJpeg, 1000000, 85, 86000},  // 0.85 x 0.5 x 200,200 = 85,085
        {kImageTypeJpeg, 1000000, 100, 101000},
        {kImageTypeBmp, 3000000, 0, 3001000},
        {kImageTypeTiff, 0, 0, 1000},
        {kImageTypeJpeg, 0, 1, 1000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EstimateSaveSize(c.type, c.bytes, c.quality), c.expected) << c.type << " " << c.bytes;
}

TEST(SystemFigures, VersionTable)
{
    struct Case {
        DWORD major, minor, code;
    };
    const Case cases[] = {{2, 0, 0}, {3, 5, 0}, {4, 0, 0}, {5, 0, 0x101}, {5, 1, 0x201}, {5, 2, 0x202},
        {5, 3, 0x200}, {6, 0, 0x401}, {6, 1, 0x500}, {6, 2, 0x600}, {6, 3, 0x601}, {6, 4, 0x602},
        {10, 0, 0x700}, {10, 1, 0x701}, {10, 5, 0x800}, {11, 0, 0x800}, {7, 0, 0x800}};
    for (const Case& c : cases)
        EXPECT_EQ(WindowsVersionCodeOf(c.major, c.minor), c.code) << c.major << "." << c.minor;
    EXPECT_EQ(DetectWindowsVersion(), 0x700u);  // the newest the program knows
    EXPECT_EQ(g_nWindowsVersion, 0x700u);
    EXPECT_EQ(GetExtraFrameHeight(), 29);
    g_nWindowsVersion = 0x3FF;
    EXPECT_EQ(GetExtraFrameHeight(), 25);
    g_nWindowsVersion = 0;
}

TEST(SystemFigures, ScaleAndResolution)
{
    struct Case {
        int dpi;
        float scale;
        int icons;
    };
    const Case cases[] = {
        {96, 1.0f, 1}, {100, 1.0f, 1}, {120, 1.25f, 2}, {144, 1.5f, 2}, {119, 119 / 96.0f, 1}};
    for (const Case& c : cases) {
        InitDpiScaleFromDpi(c.dpi, c.dpi);
        EXPECT_FLOAT_EQ(g_fDpiScaleX, c.scale) << c.dpi;
        EXPECT_FLOAT_EQ(g_fDpiScaleY, c.scale) << c.dpi;
        EXPECT_EQ(GetIconScale(), c.icons) << c.dpi;
    }
    InitDpiScaleFromDpi(96, 96);
    const std::pair<int, LONG> ppm[] = {{72, 2835}, {96, 3780}, {120, 4724}, {300, 11811}, {0, 0}};
    for (const auto& [dpi, perMetre] : ppm)
        EXPECT_EQ(DpiToPixelsPerMeter(dpi), perMetre) << dpi;
}

TEST(SystemFigures, FrameFormulas)
{
    ScreenMetrics m;
    m.menuHeight = 20;
    m.captionHeight = 23;
    m.frameWidth = 8;
    m.frameHeight = 9;
    m.toolbarHeight = 30;
    EXPECT_EQ(GetTitleBarHeight(m), 32);
    EXPECT_EQ(GetFrameClientTop(m), 32 + 30 + 4 + 20);

    const ScreenMetrics here = QueryScreenMetrics();
    EXPECT_EQ(here.frameWidth, 8);
    EXPECT_EQ(here.captionHeight, 23);
}

TEST(SystemFigures, SettingsReadBack)
{
    AppSettings.ZoomStep = 1250;
    EXPECT_DOUBLE_EQ(GetZoomFactor(), 1.25);
    AppSettings.ImageComplement = 1;
    EXPECT_EQ(GetStretchBltModeSetting(), HALFTONE);
    AppSettings.ImageComplement = 0;
    EXPECT_EQ(GetStretchBltModeSetting(), COLORONCOLOR);
}

TEST(SystemFigures, MemoryAndDisk)
{
    MemoryStatusMB status;
    ASSERT_NE(GetMemoryStatusMB(&status), 0);
    EXPECT_GT(status.totalPhys, 0u);
    EXPECT_LE(status.availPhys, status.totalPhys);
    EXPECT_EQ(status.totalVirtual, 134217727u);  // 128 TiB less 128 KiB
    EXPECT_GT(GetAvailablePhysicalMB(), 0u);
    EXPECT_EQ(BytesToMB(0x1'0000'0000'0000ull), 0x1000'0000u);

    QTemporaryDir dir;
    const DWORD free = GetDiskFreeMB(dir.path());
    // A file still to be written is measured on its folder's file system.
    const DWORD forPath = GetDiskFreeMBForPath(dir.filePath(QStringLiteral("new/sub/file.png")));
    EXPECT_NEAR(static_cast<double>(forPath), static_cast<double>(free), 64.0);
    EXPECT_EQ(GetDiskFreeMB(dir.filePath(QStringLiteral("missing"))), 0u);
}
