// The tables of special folders and volumes, the roots of the tree and its
// image lists.
#include "core/settings/app_settings.h"
#include "core/shell_namespace.h"
#include "multiview/shell_tree.h"
#include "multiview/shell_tree_rules.h"
#include "platform/system/mount_watch.h"

namespace {

constexpr int kSmallIcon = 16;

struct SpecialFolderRecipe {
    std::optional<ShellPlace> place;  // none: the path stays empty
    const char16_t* displayName;
    const char* iconName;
};

// Row order is fixed: Desktop, Documents, Pictures, Computer, Network.
const SpecialFolderRecipe kSpecialFolders[kSpecialFolderCount] = {
    {ShellPlace::Desktop, u"デスクトップ", theme_icon::kDesktop},
    {ShellPlace::Documents, u"マイ ドキュメント", theme_icon::kDocuments},
    {ShellPlace::Pictures, u"マイ ピクチャー", theme_icon::kPictures},
    {std::nullopt, u"マイ コンピュータ", theme_icon::kComputer},
    {std::nullopt, u"マイ ネットワーク", theme_icon::kNetwork},
};

WORD DriveTypeOf(VolumeKind kind)
{
    switch (kind) {
    case VolumeKind::Removable:
        return DRIVE_REMOVABLE;
    case VolumeKind::Remote:
        return DRIVE_REMOTE;
    case VolumeKind::Optical:
        return DRIVE_CDROM;
    case VolumeKind::RamDisk:
        return DRIVE_RAMDISK;
    case VolumeKind::Fixed:
        return DRIVE_FIXED;
    }
    return DRIVE_UNKNOWN;
}

const char* DriveIconName(WORD driveType)
{
    switch (driveType) {
    case DRIVE_REMOVABLE:
        return theme_icon::kRemovable;
    case DRIVE_REMOTE:
        return theme_icon::kRemote;
    case DRIVE_CDROM:
        return theme_icon::kOptical;
    default:
        return theme_icon::kHardDisk;
    }
}

}  // namespace

void BuildSpecialFolderTable(TreeBrowseContext& context)
{
    const ShellNamespace& shell = CurrentShellNamespace();
    for (int row = 0; row < kSpecialFolderCount; ++row) {
        const SpecialFolderRecipe& recipe = kSpecialFolders[row];
        SpecialFolderEntry& entry = context.specialFolders[row];
        entry = SpecialFolderEntry{};
        if (recipe.place)
            entry.path = shell.PlacePath(*recipe.place);
        entry.displayName = QString::fromUtf16(recipe.displayName);
        entry.iconKey = QLatin1String(recipe.iconName);
        entry.imageSlot = row + 1;
    }
}

void BuildDriveTable(TreeBrowseContext& context)
{
    const std::vector<MountedVolume> volumes = CurrentShellNamespace().Volumes(kDriveCount);
    for (int i = 0; i < kDriveCount; ++i) {
        DriveEntry& drive = context.drives[i];
        drive = DriveEntry{};
        if (i >= static_cast<int>(volumes.size()))
            continue;
        drive.present = static_cast<BYTE>(i);
        drive.driveType = DriveTypeOf(volumes[i].kind);
        drive.root = volumes[i].mountPoint;
        drive.displayName = VolumeDisplayName(volumes[i]);
        drive.iconKey = QLatin1String(DriveIconName(drive.driveType));
        drive.imageSlot = ProvisionalDriveSlot(drive.driveType);
    }
}

void InsertFolderTreeRoots(TreeBrowseContext& context, int mode)
{
    CTreeCtrl* tree = context.folderTree;
    if (!tree || (mode != 1 && mode != 2))
        return;
    auto insert = [tree](auto& row, HTREEITEM parent) {
        row.treeItem = tree->InsertItem(row.displayName, row.imageSlot, row.imageSlot, parent, TVI_LAST);
    };
    SpecialFolderEntry& desktop = context.specialFolders[kRowDesktop];
    if (mode == 1)
        insert(desktop, TVI_ROOT);
    for (int row : {kRowMyDocuments, kRowMyPictures, kRowMyComputer})
        insert(context.specialFolders[row], desktop.treeItem);
    const HTREEITEM computer = context.specialFolders[kRowMyComputer].treeItem;
    for (DriveEntry& drive : context.drives)
        if (drive.present != 255)
            insert(drive, computer);
}

void InitFolderTreeImageList(TreeBrowseContext& context)
{
    CImageList* images = context.folderImages;
    if (!images)
        return;
    if (!images->IsCreated())
        images->Create(kSmallIcon, kSmallIcon, ILC_COLOR32 | ILC_MASK, kFolderImageCount, 0);
    images->SetImageCount(kFolderImageCount);
    const QImage fallback = ThemeIconImage(QLatin1String(theme_icon::kApplication));
    images->Replace(kDefaultIconSlot, fallback);
    for (int row = 0; row < kSpecialFolderCount; ++row) {
        const QImage icon = ThemeIconImage(context.specialFolders[row].iconKey);
        images->Replace(row + 1, icon.isNull() ? fallback : icon);
    }
    if (context.slotMap) {
        const QString folder = QLatin1String(theme_icon::kFolder);
        context.slotMap->AddIcon(folder, ThemeIconImage(folder));
    }
    int next = kFirstDriveSlot;
    for (int i = 0; i < kDriveCount; ++i) {
        DriveEntry& drive = context.drives[i];
        if (drive.present == 255 || drive.driveType == DRIVE_UNKNOWN || drive.driveType == DRIVE_NO_ROOT_DIR)
            continue;
        int shared = 0;
        for (int j = 0; j < i && !shared; ++j)
            if (context.drives[j].present != 255 && context.drives[j].iconKey == drive.iconKey &&
                context.drives[j].imageSlot >= kFirstDriveSlot)
                shared = context.drives[j].imageSlot;
        if (shared) {
            drive.imageSlot = shared;
            continue;
        }
        if (next > kLastDriveSlot)
            break;
        const QImage icon = ThemeIconImage(drive.iconKey);
        images->Replace(next, icon.isNull() ? fallback : icon);
        drive.imageSlot = next++;
    }
}

int GetShellIconSlot(CIconSlotMap& map, const QString& path, UINT flags)
{
    const QString name = ShellIconName(path, flags);
    const int slot = map.AddIcon(name, ThemeIconImage(name));
    return name.isEmpty() ? map.FirstSlot() : slot;
}

int IsFilteredImageFile(const QString& fileName)
{
    return IsFilteredImageFileFor(fileName, AppSettings.ExtFilterNo);
}

void BuildFolderTree(TreeBrowseContext& context)
{
    ReleaseFolderTree(context);
    if (context.folderImages)
        context.folderImages->Create(kSmallIcon, kSmallIcon, ILC_COLOR32 | ILC_MASK, kFolderImageCount, 0);
    if (context.fileImages)
        context.fileImages->Create(kSmallIcon, kSmallIcon, ILC_COLOR32 | ILC_MASK, kFirstFileSlot + 1, 0);
    context.slotMap = std::make_unique<CIconSlotMap>(context.folderImages, kFirstMappedSlot, kLastMappedSlot);
    BuildSpecialFolderTable(context);
    BuildDriveTable(context);
    InsertFolderTreeRoots(context, 1);
    InitFolderTreeImageList(context);
    if (context.folderTree)
        context.folderTree->SetImageList(context.folderImages, TVSIL_NORMAL);
    if (context.fileTree)
        context.fileTree->SetImageList(context.fileImages, TVSIL_NORMAL);
}

void ReleaseFolderTree(TreeBrowseContext& context)
{
    if (context.folderTree) {
        context.folderTree->DeleteAllItems();
        context.folderTree->SetImageList(nullptr, TVSIL_NORMAL);
    }
    if (context.fileTree) {
        context.fileTree->DeleteAllItems();
        context.fileTree->SetImageList(nullptr, TVSIL_NORMAL);
    }
    if (context.folderImages)
        context.folderImages->DeleteImageList();
    if (context.fileImages)
        context.fileImages->DeleteImageList();
    context.slotMap.reset();
    context.specialFolders = {};
    context.drives = {};
}

std::unique_ptr<MountWatch> WatchTreeVolumes(std::function<void()> changed)
{
    return std::make_unique<MountWatch>(
        [] { return CurrentShellNamespace().Volumes(kDriveCount); }, std::move(changed));
}
