// The shell tree engine: fills and walks the folder trees of the folder-tree
// and file-tree windows. The tree shows the desktop the way a file manager
// presents it: a Desktop root with the user's Documents and Pictures and a
// Computer item holding one child per mounted volume, each item with its
// theme icon. Items carry no data: an item's path follows from the texts of
// the item and its ancestors, matched against the table of special folders
// and the table of volumes of the window's TreeBrowseContext.
//
// Everything here runs on the UI thread.
#pragma once

#include "multiview/icon_slot_map.h"
#include "platform/controls/tree_ctrl.h"
#include "platform/system/shell_icons.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

class CWnd;

// The reason of a refresh (ExpandFolderTreeItem).
//                     records the folder  lists image files  expansion afterwards
// SelectionChanged    yes                 yes                unchanged
// Click               yes                 yes                toggled
// RootRefresh         no                  yes                expand
// WalkStep            no                  no                 expand
// FilterRefresh       no                  yes                expand
enum class TreeRefreshKind {
    SelectionChanged = 1,
    Click = 2,
    RootRefresh = 3,
    WalkStep = 4,
    FilterRefresh = 5,
};

// Rows of the special-folder table, in this fixed order.
enum SpecialFolderRow : int {
    kRowDesktop = 0,
    kRowMyDocuments = 1,
    kRowMyPictures = 2,
    kRowMyComputer = 3,
    kRowNetwork = 4,  // takes part in path matching only; never in the tree
    kSpecialFolderCount = 5,
};

// Slots of the folder image list.
constexpr int kFolderImageCount = 100;
constexpr int kDefaultIconSlot = 0;
constexpr int kFirstDriveSlot = 20;
constexpr int kLastDriveSlot = 39;
constexpr int kFirstMappedSlot = 40;
constexpr int kLastMappedSlot = 99;
// The first slot of the file image list that listed files take.
constexpr int kFirstFileSlot = 100;
// Volumes the drive table holds (one icon slot each from slot 20).
constexpr int kDriveCount = kLastDriveSlot - kFirstDriveSlot + 1;
// Room for a path, as the windows keep it.
constexpr int kTreePathCapacity = 521;

// The volume kinds a drive row records.
enum : WORD {
    DRIVE_UNKNOWN = 0,
    DRIVE_NO_ROOT_DIR = 1,
    DRIVE_REMOVABLE = 2,
    DRIVE_FIXED = 3,
    DRIVE_REMOTE = 4,
    DRIVE_CDROM = 5,
    DRIVE_RAMDISK = 6,
};

struct SpecialFolderEntry {
    QString path;  // empty when the desktop has no such folder
    QString displayName;
    QString iconKey;  // the theme icon
    int imageSlot = 0;
    HTREEITEM treeItem = nullptr;
};

// One mounted volume, in place of a drive letter.
struct DriveEntry {
    BYTE present = 255;  // the row's index when a volume is mounted here, else 255
    WORD driveType = DRIVE_NO_ROOT_DIR;
    QString root;         // the mount point ("/" for the system volume)
    QString displayName;  // "label-or-last-part (mount point)"
    QString iconKey;
    int imageSlot = 0;
    HTREEITEM treeItem = nullptr;
};

// What a tree window hands to every engine operation. Each window owns its
// own; nothing of it is shared between the windows.
struct TreeBrowseContext {
    CWnd* owner = nullptr;                  // its drawing is held back while a folder is listed
    std::unique_ptr<CIconSlotMap> slotMap;  // slots 40 to 99 of the folder image list
    CTreeCtrl* folderTree = nullptr;
    CTreeCtrl* fileTree = nullptr;       // null in the folder-tree window
    CImageList* folderImages = nullptr;  // the window's; filled here
    CImageList* fileImages = nullptr;    // null without a file tree
    QString currentFolder;               // the last folder a user action opened, without trailing '/'
    std::array<SpecialFolderEntry, kSpecialFolderCount> specialFolders;
    std::array<DriveEntry, kDriveCount> drives;
};

// Fills the five special-folder rows from the desktop's places.
void BuildSpecialFolderTable(TreeBrowseContext& context);
// Fills the drive rows from the mounted volumes ("/" first), with the
// provisional image slot of each volume's kind.
void BuildDriveTable(TreeBrowseContext& context);
// Mode 1: the Desktop as root, Documents, Pictures and Computer below it and
// the volumes below Computer; mode 2: the same without the Desktop root
// (under the existing one). Each row records its item.
void InsertFolderTreeRoots(TreeBrowseContext& context, int mode);
// Sets the folder image list to 100 slots: the default icon, the special
// folders' icons, the plain folder icon through the slot map and one slot per
// volume icon from slot 20 (volumes sharing an icon share the slot).
void InitFolderTreeImageList(TreeBrowseContext& context);
// The slot of a path's icon through the map; the map's first slot when the
// path has no icon. Flags: SHGFI_ICON | SHGFI_SMALLICON, plus SHGFI_OPENICON.
int GetShellIconSlot(CIconSlotMap& map, const QString& path, UINT flags);
// The path of the caret item, with or without a trailing '/'; the item, or
// null (and an empty path) when there is no caret, its text is empty or the
// path would not fit in `capacity` characters with its terminator.
HTREEITEM GetFolderTreeItemPath(
    const TreeBrowseContext& context, QString& path, int capacity, BOOL trailingSeparator);
// Refreshes the caret item for the reason given.
void ExpandFolderTreeItem(TreeRefreshKind kind, TreeBrowseContext& context);
// Shows a folder by walking the tree to it: 1, or 0 when no volume holds the
// path (nothing changes then). The walk stops at the first part of the path
// without a matching item.
int SelectFolderTreePath(const QString& path, int capacity, TreeBrowseContext& context);
// Lists the subfolders of a folder under `parent` and, unless walking, its
// filtered image files into the file tree.
void ListFolderChildren(
    HTREEITEM parent, TreeBrowseContext& context, const QString& folder, TreeRefreshKind kind);
// 1 when the name's extension passes the image filter ExtFilterNo.
int IsFilteredImageFile(const QString& fileName);
int IsFilteredImageFileFor(const QString& fileName, UINT filterNo);

// A window's tree from scratch, as on opening and on every volume change: a
// new slot map, the tables, the roots and the image lists. The caller shows
// its start folder with SelectFolderTreePath afterwards.
void BuildFolderTree(TreeBrowseContext& context);
// Frees the items, the image lists' contents and the slot map (on closing).
void ReleaseFolderTree(TreeBrowseContext& context);

class MountWatch;
// Watches the volumes the tree shows; `changed` runs after mounts or
// unmounts that changed them (the window then rebuilds its tree).
std::unique_ptr<MountWatch> WatchTreeVolumes(std::function<void()> changed);
