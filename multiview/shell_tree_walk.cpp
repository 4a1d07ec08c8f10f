// An item's path, and the walk that shows a folder.
#include "core/path_utils.h"
#include "multiview/shell_tree.h"
#include "multiview/shell_tree_rules.h"

#include <QDir>

namespace {

HTREEITEM ChildNamed(const CTreeCtrl& tree, HTREEITEM parent, const QString& name)
{
    for (HTREEITEM child = tree.GetChildItem(parent); child; child = tree.GetNextSiblingItem(child))
        if (tree.GetItemText(child) == name)
            return child;
    return nullptr;
}

}  // namespace

HTREEITEM GetFolderTreeItemPath(
    const TreeBrowseContext& context, QString& path, int capacity, BOOL trailingSeparator)
{
    path.clear();
    const CTreeCtrl* tree = context.folderTree;
    const HTREEITEM item = tree ? tree->GetSelectedItem() : nullptr;
    if (!item || tree->GetItemText(item).isEmpty())
        return nullptr;
    QStringList texts;
    for (HTREEITEM up = item; up; up = tree->GetParentItem(up))
        texts.push_back(tree->GetItemText(up));
    QString derived = PathFromItemTexts(texts, context.specialFolders, context.drives);
    if (trailingSeparator)
        AddBackslash(derived);
    if (derived.size() + 1 > capacity)
        return nullptr;  // a path this long could not be used: no item rather than a cut path
    path = derived;
    return item;
}

int SelectFolderTreePath(const QString& path, int capacity, TreeBrowseContext& context)
{
    CTreeCtrl* tree = context.folderTree;
    const HTREEITEM root = context.specialFolders[kRowDesktop].treeItem;
    if (!tree || !root || path.isEmpty() || path.size() + 1 > capacity)
        return 0;
    const QString target = QDir::cleanPath(path);

    tree->SelectItem(root);
    tree->Expand(root, TVE_COLLAPSE);
    ExpandFolderTreeItem(TreeRefreshKind::RootRefresh, context);

    const std::optional<TreeWalkStart> start =
        FindTreeWalkStart(target, context.specialFolders, context.drives);
    if (!start)
        return 0;
    HTREEITEM current = nullptr;
    if (start->specialRow >= 0) {
        const SpecialFolderEntry& row = context.specialFolders[start->specialRow];
        current = row.treeItem;
        tree->SelectItem(current);
        if (!(start->specialRow == kRowDesktop && target != row.path))
            ExpandFolderTreeItem(TreeRefreshKind::WalkStep, context);
    } else {
        current = context.drives[start->driveRow].treeItem;
        tree->SelectItem(current);
        ExpandFolderTreeItem(TreeRefreshKind::WalkStep, context);
    }
    bool matched = false;
    for (const QString& part : start->parts) {
        const HTREEITEM child = ChildNamed(*tree, current, part);
        if (!child)
            break;  // a folder that is not there ends the walk where it got to
        tree->SelectItem(child);
        ExpandFolderTreeItem(TreeRefreshKind::WalkStep, context);
        current = child;
        matched = true;
    }
    if (matched)
        ExpandFolderTreeItem(TreeRefreshKind::Click, context);
    return 1;
}
