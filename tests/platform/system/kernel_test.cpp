#include "platform/system/kernel.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Kernel, ParsesMemInfo)
{
    const QByteArray text = "MemTotal:       16384000 kB\n"
                            "MemFree:         1000000 kB\n"
                            "MemAvailable:    4096000 kB\n"
                            "SwapTotal:       2048000 kB\n"
                            "SwapFree:        1024000 kB\n";
    KernelMemoryStatus s;
    ASSERT_TRUE(ParseMemInfo(text, &s));
    EXPECT_EQ(s.totalPhys, 16384000ull * 1024);
    EXPECT_EQ(s.availPhys, 4096000ull * 1024);  // MemAvailable, not MemFree
    EXPECT_EQ(s.memoryLoad, 75u);
    EXPECT_EQ(s.totalPageFile, (16384000ull + 2048000) * 1024);
    EXPECT_EQ(s.availPageFile, (4096000ull + 1024000) * 1024);
    EXPECT_EQ(s.totalVirtual, kUserAddressSpaceBytes);
    EXPECT_EQ(s.availExtendedVirtual, 0u);
}

TEST(Kernel, MemInfoWithoutTheNeededLinesFails)
{
    KernelMemoryStatus s;
    EXPECT_FALSE(ParseMemInfo("MemTotal: 100 kB\n", &s));
    EXPECT_EQ(s.totalPhys, 0u);
    EXPECT_FALSE(ParseMemInfo("", &s));
    EXPECT_FALSE(ParseMemInfo("MemTotal: x kB\nMemAvailable: 5 kB\n", &s));
}

TEST(Kernel, ThisMachinesFigures)
{
    KernelMemoryStatus s;
    ASSERT_TRUE(QueryMemoryStatus(&s));
    EXPECT_GT(s.totalPhys, 0u);
    EXPECT_LE(s.availPhys, s.totalPhys);

    QTemporaryDir dir;
    ULONGLONG freeBytes = 0;
    EXPECT_TRUE(QueryDiskFreeBytes(dir.path(), &freeBytes));
    EXPECT_FALSE(QueryDiskFreeBytes(dir.filePath(QStringLiteral("missing/folder")), &freeBytes));
    EXPECT_EQ(freeBytes, 0u);

    const QFileInfo exe(GetModuleFilePath());
    EXPECT_TRUE(exe.isAbsolute() && exe.isFile() && exe.isExecutable()) << qPrintable(exe.filePath());
    DWORD major = 0, minor = 1;
    GetPlatformVersion(&major, &minor);
    EXPECT_EQ(major, 10u);
    EXPECT_EQ(minor, 0u);
}
