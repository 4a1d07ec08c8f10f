// Mounted volumes, which stand in for drives: the mount table of
// /proc/self/mountinfo, the rule that picks the volumes a user would call
// drives, and their display names. Pure, apart from reading the table and
// the disk labels.
#pragma once

#include <QString>

#include <vector>

// One line of the mount table.
struct MountEntry {
    QString deviceNumber;  // "major:minor" of the file system
    QString root;          // the folder of the file system mounted ("/" unless a bind mount)
    QString mountPoint;
    QString fsType;
    QString source;  // the device or share
};

enum class VolumeKind { Fixed, Removable, Remote, Optical, RamDisk };

struct MountedVolume {
    QString mountPoint;
    QString fsType;
    QString source;
    QString label;  // empty when the file system has none
    VolumeKind kind = VolumeKind::Fixed;
    bool operator==(const MountedVolume&) const = default;
};

// The lines of a mountinfo text (octal escapes of names decoded); lines that
// do not parse are skipped.
std::vector<MountEntry> ParseMountInfo(const QString& text);
// The volumes a user would call drives, "/" first and then in table order:
// real file systems only (no proc, sysfs, cgroup, tmpfs, squashfs, overlay
// and the like), each file system once (a bind mount of one already listed
// is left out), at most `limit`. "/" is always the system volume, whatever
// its file system.
std::vector<MountedVolume> FilterVolumes(const std::vector<MountEntry>& mounts, int limit);
// True for the file-system types that count as volumes.
bool IsVolumeFileSystem(const QString& fsType);
// The kind of a volume by its file system and mount point.
VolumeKind VolumeKindOf(const QString& fsType, const QString& mountPoint);
// "label-or-last-part (mount point)": the label, else the mount point's last
// part, else (for "/") the source's last part.
QString VolumeDisplayName(const MountedVolume& volume);
// True when `path` is `folder` or lies below it, comparing whole parts
// ("/media/u/USB" holds "/media/u/USB/a", not "/media/u/USB2").
bool PathIsWithin(const QString& path, const QString& folder);

// The system's volumes now: the mount table read, filtered, labels attached.
std::vector<MountedVolume> ReadMountedVolumes(int limit);
