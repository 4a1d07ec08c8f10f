#include "multiview/shell_tree_rules.h"

#include "core/path_utils.h"
#include "platform/system/mounted_volumes.h"

namespace {

// The row whose display name is the text, or -1.
int SpecialRowNamed(const QString& text, const std::array<SpecialFolderEntry, kSpecialFolderCount>& rows)
{
    for (int i = 0; i < kSpecialFolderCount; ++i)
        if (!rows[i].displayName.isEmpty() && rows[i].displayName == text)
            return i;
    return -1;
}

int DriveRowNamed(const QString& text, const std::array<DriveEntry, kDriveCount>& drives)
{
    for (int i = 0; i < kDriveCount; ++i)
        if (drives[i].present != 255 && drives[i].displayName == text)
            return i;
    return -1;
}

QString RestBelow(const QString& path, const QString& folder)
{
    return path.mid(folder.size());
}

}  // namespace

QString PathFromItemTexts(const QStringList& textsUpward,
    const std::array<SpecialFolderEntry, kSpecialFolderCount>& specialFolders,
    const std::array<DriveEntry, kDriveCount>& drives)
{
    QString path;
    for (const QString& text : textsUpward) {
        QString piece = text;
        bool last = false;
        if (const int row = SpecialRowNamed(text, specialFolders); row >= 0) {
            piece = specialFolders[row].path;  // Computer's is empty
            last = true;
        } else if (const int drive = DriveRowNamed(text, drives); drive >= 0) {
            piece = drives[drive].root;  // its parent, Computer, would add nothing
            last = true;
        }
        AddBackslash(piece);
        path = piece + path;
        if (last)
            break;
    }
    RemoveTrailingBackslash(path);
    return path;
}

std::optional<TreeWalkStart> FindTreeWalkStart(const QString& path,
    const std::array<SpecialFolderEntry, kSpecialFolderCount>& specialFolders,
    const std::array<DriveEntry, kDriveCount>& drives)
{
    TreeWalkStart start;
    QString base;
    for (int row = 0; row < kSpecialFolderCount && start.specialRow < 0; ++row) {
        const QString& folder = specialFolders[row].path;
        if (row != kRowMyComputer && PathIsWithin(path, folder)) {
            start.specialRow = row;
            base = folder;
        }
    }
    if (start.specialRow < 0) {
        for (int i = 0; i < kDriveCount; ++i) {
            const DriveEntry& drive = drives[i];
            if (drive.present == 255 || !PathIsWithin(path, drive.root))
                continue;
            if (start.driveRow < 0 || drive.root.size() > base.size()) {
                start.driveRow = i;
                base = drive.root;
            }
        }
        if (start.driveRow < 0)
            return std::nullopt;
    }
    start.parts = RestBelow(path, base).split(u'/', Qt::SkipEmptyParts);
    return start;
}

int ProvisionalDriveSlot(WORD driveType)
{
    switch (driveType) {
    case DRIVE_REMOVABLE:
        return 25;  // 20 was the first floppy's
    case DRIVE_FIXED:
        return 21;
    case DRIVE_REMOTE:
        return 22;
    case DRIVE_CDROM:
        return 23;
    case DRIVE_RAMDISK:
        return 24;
    default:
        return 0;
    }
}

int IsFilteredImageFileFor(const QString& fileName, UINT filterNo)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return 0;
    const QString ext = fileName.mid(dot + 1).toLower();
    switch (filterNo) {
    case 0:
        return ext == u"bmp" || ext == u"jpg" || ext == u"jpeg" || ext == u"tif" || ext == u"gif" ||
            ext == u"png";
    case 1:
        return ext == u"bmp";
    case 2:
        return ext == u"jpg" || ext == u"jpeg";
    case 3:
        return ext == u"tif";
    case 4:
        return ext == u"gif";
    case 5:
        return ext == u"png";
    default:
        return 0;
    }
}
