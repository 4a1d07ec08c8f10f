// Refreshing the caret item and listing a folder into the trees.
#include "core/path_utils.h"
#include "core/shell_namespace.h"
#include "multiview/shell_tree.h"
#include "multiview/shell_tree_rules.h"
#include "platform/window/lock_window_update.h"

namespace {

// One refresh at a time, process-wide: a selection made inside a refresh
// raises the windows' handlers, which must not start another.
bool g_refreshing = false;

class RefreshGuard {
public:
    RefreshGuard() { g_refreshing = true; }
    ~RefreshGuard() { g_refreshing = false; }
    RefreshGuard(const RefreshGuard&) = delete;
    RefreshGuard& operator=(const RefreshGuard&) = delete;
};

bool IsSpecialOrVolumePath(const TreeBrowseContext& context, const QString& path)
{
    for (const SpecialFolderEntry& row : context.specialFolders)
        if (row.path == path)
            return true;
    for (const DriveEntry& drive : context.drives)
        if (drive.present != 255 && drive.root == path)
            return true;
    return false;
}

bool HasSubfolders(const QString& path)
{
    const auto entries = CurrentShellNamespace().ListFolder(path);
    if (!entries)
        return false;
    for (const ShellFolderEntry& e : *entries)
        if (e.folder)
            return true;
    return false;
}

void DeleteChildren(CTreeCtrl& tree, HTREEITEM item)
{
    while (HTREEITEM child = tree.GetChildItem(item))
        if (!tree.DeleteItem(child))
            break;
}

void ClearFileTree(TreeBrowseContext& context)
{
    if (context.fileTree)
        context.fileTree->DeleteAllItems();
}

// Holds back the owner's drawing while a folder is listed.
class WindowUpdateLock {
public:
    explicit WindowUpdateLock(CWnd* owner) : m_locked(owner && LockWindowUpdate(owner->GetSafeHwnd())) { }
    ~WindowUpdateLock()
    {
        if (m_locked)
            LockWindowUpdate(nullptr);
    }
    WindowUpdateLock(const WindowUpdateLock&) = delete;
    WindowUpdateLock& operator=(const WindowUpdateLock&) = delete;

private:
    bool m_locked;
};

}  // namespace

void ExpandFolderTreeItem(TreeRefreshKind kind, TreeBrowseContext& context)
{
    if (g_refreshing || !context.folderTree)
        return;
    const RefreshGuard guard;
    CTreeCtrl& tree = *context.folderTree;
    QString path;
    const HTREEITEM item = GetFolderTreeItemPath(context, path, kTreePathCapacity, FALSE);
    if (!item)
        return;
    UINT action = TVE_EXPAND;
    if (kind == TreeRefreshKind::Click && tree.GetItemState(item, TVIS_EXPANDED))
        action = TVE_COLLAPSE;

    if (!IsSpecialOrVolumePath(context, path) && context.slotMap) {
        const bool open = action != TVE_COLLAPSE && HasSubfolders(path);
        const int slot = GetShellIconSlot(
            *context.slotMap, path, SHGFI_ICON | SHGFI_SMALLICON | (open ? UINT{SHGFI_OPENICON} : 0u));
        tree.SetItemImage(item, slot, slot);
    }
    const ShellPathKind pathKind = CurrentShellNamespace().PathKind(path);
    if (pathKind == ShellPathKind::Missing) {
        // Computer, a volume gone, a folder deleted: the file list empties, nothing is said.
        ClearFileTree(context);
        tree.Expand(context.specialFolders[kRowMyComputer].treeItem, action);
        return;
    }
    if (kind == TreeRefreshKind::SelectionChanged || kind == TreeRefreshKind::Click)
        context.currentFolder = path;
    if (pathKind != ShellPathKind::Folder)
        return;

    DeleteChildren(tree, item);
    ClearFileTree(context);
    if (path == context.specialFolders[kRowDesktop].path) {
        InsertFolderTreeRoots(context, 2);
        if (kind != TreeRefreshKind::SelectionChanged)
            tree.Expand(context.specialFolders[kRowMyComputer].treeItem, TVE_EXPAND);
    }
    ListFolderChildren(item, context, path, kind);
    if (kind != TreeRefreshKind::SelectionChanged)
        tree.Expand(item, action);
}

void ListFolderChildren(
    HTREEITEM parent, TreeBrowseContext& context, const QString& folder, TreeRefreshKind kind)
{
    QString base = folder;
    AddBackslash(base);
    const std::vector<ShellFolderEntry> entries =
        CurrentShellNamespace().ListFolder(folder).value_or(std::vector<ShellFolderEntry>{});
    const bool listFiles = kind != TreeRefreshKind::WalkStep && context.fileTree;
    CImageList* fileImages = listFiles ? context.fileImages : nullptr;
    int nextFileSlot = kFirstFileSlot;
    if (fileImages) {
        const auto files =
            std::count_if(entries.begin(), entries.end(), [](const auto& e) { return !e.folder; });
        fileImages->SetImageCount(static_cast<UINT>(files + kFirstFileSlot + 1));
    }

    const WindowUpdateLock lock(context.owner);
    for (const ShellFolderEntry& entry : entries) {
        const QString path = base + entry.name;
        if (entry.folder) {
            if (!context.folderTree)
                continue;
            int closed = 0;
            int open = 0;
            if (context.slotMap) {
                closed = GetShellIconSlot(*context.slotMap, path, SHGFI_ICON | SHGFI_SMALLICON);
                open =
                    GetShellIconSlot(*context.slotMap, path, SHGFI_ICON | SHGFI_SMALLICON | SHGFI_OPENICON);
            }
            context.folderTree->InsertItem(entry.name, closed, open, parent, TVI_LAST);
        } else if (listFiles && IsFilteredImageFile(entry.name)) {
            int slot = 0;
            const QImage icon = GetSmallFileIcon(path);
            if (fileImages && !icon.isNull()) {
                // The list grows when the folder gained files since it was counted.
                if (nextFileSlot >= fileImages->GetImageCount())
                    fileImages->SetImageCount(static_cast<UINT>(nextFileSlot + 1));
                slot = fileImages->Replace(nextFileSlot++, icon);
            }
            context.fileTree->InsertItem(entry.name, slot, slot, TVI_ROOT, TVI_LAST);
        }
    }
}
