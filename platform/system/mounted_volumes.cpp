#include "platform/system/mounted_volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// Names in the mount table write space, tab, newline and backslash as \ooo.
QString DecodeOctal(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 3 < text.size() && text[i + 1].isDigit() && text[i + 2].isDigit() &&
            text[i + 3].isDigit()) {
            out += QChar(static_cast<char16_t>(text.mid(i + 1, 3).toInt(nullptr, 8)));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString LastPart(const QString& path)
{
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(u'/'))
        trimmed.chop(1);
    return trimmed.mid(trimmed.lastIndexOf(u'/') + 1);
}

// The names of the label links write unsafe characters as \xHH.
QString DecodeHex(const QString& text)
{
    QByteArray out;
    const QByteArray bytes = text.toUtf8();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        bool ok = false;
        const int value = i + 3 < bytes.size() && bytes[i] == '\\' && bytes[i + 1] == 'x'
            ? bytes.mid(i + 2, 2).toInt(&ok, 16)
            : 0;
        if (ok) {
            out += static_cast<char>(value);
            i += 3;
        } else {
            out += bytes[i];
        }
    }
    return QString::fromUtf8(out);
}

// The label of a device, from the links the system keeps per label.
QString LabelOf(const QString& source)
{
    const QString device = QFileInfo(source).canonicalFilePath();
    if (device.isEmpty())
        return QString();
    const QDir labels(QStringLiteral("/dev/disk/by-label"));
    for (const QFileInfo& link : labels.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        if (link.canonicalFilePath() == device)
            return DecodeHex(link.fileName());
    return QString();
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(const QString& text)
{
    std::vector<MountEntry> entries;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        // id parent major:minor root mount-point options [optional...] - type source super-options
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        const qsizetype dash = fields.indexOf(QStringLiteral("-"));
        if (dash < 6 || dash + 1 >= fields.size())
            continue;
        MountEntry entry;
        entry.deviceNumber = fields[2];
        entry.root = DecodeOctal(fields[3]);
        entry.mountPoint = DecodeOctal(fields[4]);
        entry.fsType = fields[dash + 1];
        entry.source = dash + 2 < fields.size() ? DecodeOctal(fields[dash + 2]) : QString();
        entries.push_back(entry);
    }
    return entries;
}

bool IsVolumeFileSystem(const QString& fsType)
{
    static const QSet<QString> kinds{QStringLiteral("ext2"), QStringLiteral("ext3"), QStringLiteral("ext4"),
        QStringLiteral("xfs"), QStringLiteral("btrfs"), QStringLiteral("f2fs"), QStringLiteral("jfs"),
        QStringLiteral("reiserfs"), QStringLiteral("zfs"), QStringLiteral("vfat"), QStringLiteral("msdos"),
        QStringLiteral("exfat"), QStringLiteral("ntfs"), QStringLiteral("ntfs3"), QStringLiteral("hfs"),
        QStringLiteral("hfsplus"), QStringLiteral("iso9660"), QStringLiteral("udf"), QStringLiteral("nfs"),
        QStringLiteral("nfs4"), QStringLiteral("cifs"), QStringLiteral("smb3"), QStringLiteral("fuseblk"),
        QStringLiteral("fuse.sshfs")};
    return kinds.contains(fsType);
}

VolumeKind VolumeKindOf(const QString& fsType, const QString& mountPoint)
{
    if (fsType == u"iso9660" || fsType == u"udf")
        return VolumeKind::Optical;
    if (fsType.startsWith(u"nfs") || fsType == u"cifs" || fsType == u"smb3" || fsType == u"fuse.sshfs")
        return VolumeKind::Remote;
    if (fsType == u"tmpfs" || fsType == u"ramfs")
        return VolumeKind::RamDisk;
    if (PathIsWithin(mountPoint, QStringLiteral("/media")) ||
        PathIsWithin(mountPoint, QStringLiteral("/run/media")))
        return VolumeKind::Removable;
    return VolumeKind::Fixed;
}

std::vector<MountedVolume> FilterVolumes(const std::vector<MountEntry>& mounts, int limit)
{
    std::vector<MountedVolume> volumes;
    QSet<QString> fileSystems;
    auto take = [&](const MountEntry& m) {
        MountedVolume v;
        v.mountPoint = m.mountPoint;
        v.fsType = m.fsType;
        v.source = m.source;
        v.kind = m.mountPoint == u"/" ? VolumeKind::Fixed : VolumeKindOf(m.fsType, m.mountPoint);
        volumes.push_back(v);
        fileSystems.insert(m.deviceNumber);
    };
    // The last mount on "/" is the one seen.
    const MountEntry* system = nullptr;
    for (const MountEntry& m : mounts)
        if (m.mountPoint == u"/")
            system = &m;
    if (system && limit > 0)
        take(*system);
    for (const MountEntry& m : mounts) {
        if (static_cast<int>(volumes.size()) >= limit)
            break;
        if (m.mountPoint == u"/" || !IsVolumeFileSystem(m.fsType))
            continue;
        if (fileSystems.contains(m.deviceNumber))
            continue;  // a second mount of a file system already listed
        bool seen = false;
        for (const MountedVolume& v : volumes)
            seen = seen || v.mountPoint == m.mountPoint;
        if (!seen)
            take(m);
    }
    return volumes;
}

QString VolumeDisplayName(const MountedVolume& volume)
{
    QString name = volume.label;
    if (name.isEmpty())
        name = volume.mountPoint == u"/" ? LastPart(volume.source) : LastPart(volume.mountPoint);
    if (name.isEmpty() || name == u"/")
        name = volume.fsType;
    return QStringLiteral("%1 (%2)").arg(name, volume.mountPoint);
}

bool PathIsWithin(const QString& path, const QString& folder)
{
    if (folder.isEmpty() || !path.startsWith(folder))
        return false;
    if (path.size() == folder.size() || folder.endsWith(u'/'))
        return true;
    return path[folder.size()] == u'/';
}

std::vector<MountedVolume> ReadMountedVolumes(int limit)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    std::vector<MountEntry> mounts = ParseMountInfo(QString::fromUtf8(table.readAll()));
    // Files mounted over files (a container's host files) are no volumes.
    std::erase_if(mounts, [](const MountEntry& m) { return !QFileInfo(m.mountPoint).isDir(); });
    std::vector<MountedVolume> volumes = FilterVolumes(mounts, limit);
    for (MountedVolume& v : volumes)
        if (v.source.startsWith(u"/dev/"))
            v.label = LabelOf(v.source);
    return volumes;
}
