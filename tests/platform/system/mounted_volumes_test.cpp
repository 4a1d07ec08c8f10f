// Mounted volumes in place of drives: the mount table read, the rule of
// which mounts count, their display names and whole-part path prefixes.
#include "platform/system/mounted_volumes.h"

#include <gtest/gtest.h>

namespace {

// id parent major:minor root mount-point options - type source super-options
const char* const kTable = R"(22 1 0:20 / /proc rw,nosuid - proc proc rw
23 1 0:21 / /sys rw - sysfs sysfs rw
24 1 0:23 / /dev/shm rw - tmpfs tmpfs rw
25 1 0:28 / /sys/fs/cgroup/cpu rw - cgroup cgroup rw
26 1 0:40 / / rw shared:1 - overlay overlay rw,lowerdir=/a
27 26 8:1 / /boot rw - ext4 /dev/sda1 rw
28 26 7:3 / /snap/core/1 ro - squashfs /dev/loop3 ro
29 26 8:17 / /media/u/USB rw shared:7 - vfat /dev/sdb1 rw
30 26 8:18 / /media/u/USB2 rw - exfat /dev/sdb2 rw
31 26 8:1 /srv /srv rw - ext4 /dev/sda1 rw
32 26 0:50 / /mnt/share rw - cifs //nas/share rw
33 26 11:0 / /media/u/My\040Disc ro - iso9660 /dev/sr0 ro
34 26 0:60 / /home/u/.cache/doc rw - fuse.portal portal rw
35 26 8:33 / /mnt/win rw - fuseblk /dev/sdc1 rw
broken line
)";

TEST(MountedVolumes, OnlyRealFileSystemsCountEachOnceWithTheSystemVolumeFirst)
{
    const std::vector<MountEntry> mounts = ParseMountInfo(QString::fromUtf8(kTable));
    ASSERT_EQ(mounts.size(), 14u);
    EXPECT_EQ(mounts[11].mountPoint, QStringLiteral("/media/u/My Disc"));

    const std::vector<MountedVolume> volumes = FilterVolumes(mounts, 20);
    std::vector<std::pair<QString, VolumeKind>> seen;
    for (const MountedVolume& v : volumes)
        seen.emplace_back(v.mountPoint, v.kind);
    using K = VolumeKind;
    EXPECT_EQ(seen,
        (std::vector<std::pair<QString, VolumeKind>>{{"/", K::Fixed}, {"/boot", K::Fixed},
            {"/media/u/USB", K::Removable}, {"/media/u/USB2", K::Removable}, {"/mnt/share", K::Remote},
            {"/media/u/My Disc", K::Optical}, {"/mnt/win", K::Fixed}}));

    EXPECT_EQ(FilterVolumes(mounts, 3).size(), 3u);
    EXPECT_TRUE(FilterVolumes(mounts, 0).empty());
}

TEST(MountedVolumes, DisplayNamesAreTheLabelOrTheLastPartWithTheMountPoint)
{
    struct Case {
        MountedVolume volume;
        QString name;
    };
    const Case cases[] = {
        {{"/media/u/USB", "vfat", "/dev/sdb1", "", VolumeKind::Removable}, "USB (/media/u/USB)"},
        {{"/media/u/USB", "vfat", "/dev/sdb1", "CAMERA", VolumeKind::Removable}, "CAMERA (/media/u/USB)"},
        {{"/", "ext4", "/dev/nvme0n1p2", "", VolumeKind::Fixed}, "nvme0n1p2 (/)"},
        {{"/", "ext4", "/dev/sda1", "system", VolumeKind::Fixed}, "system (/)"},
        {{"/", "overlay", "overlay", "", VolumeKind::Fixed}, "overlay (/)"},
        {{"/mnt/share", "cifs", "//nas/share", "", VolumeKind::Remote}, "share (/mnt/share)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VolumeDisplayName(c.volume), c.name) << c.volume.mountPoint.toStdString();
}

TEST(MountedVolumes, PrefixesCompareWholeParts)
{
    struct Case {
        const char* path;
        const char* folder;
        bool within;
    };
    const Case cases[] = {
        {"/media/u/USB/a", "/media/u/USB", true},
        {"/media/u/USB", "/media/u/USB", true},
        {"/media/u/USB2/a", "/media/u/USB", false},
        {"/media/u/USB2", "/media/u/USB", false},
        {"/anything", "/", true},
        {"/media", "", false},
        {"/home/user", "/home/u", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PathIsWithin(QString::fromUtf8(c.path), QString::fromUtf8(c.folder)), c.within)
            << c.path << " in " << c.folder;
}

}  // namespace

namespace {

TEST(MountedVolumes, TheSystemsOwnTableGivesTheSystemVolumeFirst)
{
    const std::vector<MountedVolume> volumes = ReadMountedVolumes(20);
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front().mountPoint, QStringLiteral("/"));
    EXPECT_LE(volumes.size(), 20u);
    for (const MountedVolume& v : volumes)
        EXPECT_TRUE(v.mountPoint == u"/" || IsVolumeFileSystem(v.fsType)) << v.mountPoint.toStdString();
}

}  // namespace
