#include "multiview/folder_tree_window_rules.h"

namespace {

int Margins(int frame)
{
    return 2 * frame + 8;
}

}  // namespace

int FolderTreeTop(bool shortcutsShown)
{
    return shortcutsShown ? kFolderTreeTopShortcutsShown : kFolderTreeTopShortcutsHidden;
}

int FolderTreeDefaultWidth(int panelWidth, const TreeWindowFigures& f)
{
    return panelWidth - Margins(f.fw);
}

SIZE RepairFolderTreeSize(const RECT& stored, const TreeWindowFigures& f, int panelWidth)
{
    SIZE tree{stored.right - stored.left, stored.bottom - stored.top};
    if (stored.left != 0 || stored.top != 0 || tree.cx < kFolderTreeMinSide || tree.cy < kFolderTreeMinSide)
        tree = SIZE{FolderTreeDefaultWidth(panelWidth, f), kFolderTreeDefaultHeight};
    if (tree.cx + Margins(f.fw) > f.screenWidth / 2)
        tree.cx = FolderTreeDefaultWidth(panelWidth, f);
    if (f.cap + Margins(f.fh) + tree.cy > f.screenHeight)
        tree.cy = kFolderTreeDefaultHeight;
    return tree;
}

SIZE FolderTreeWindowSize(SIZE tree, int top, const TreeWindowFigures& f)
{
    return SIZE{Margins(f.fw) + tree.cx, f.cap + Margins(f.fh) + top + tree.cy};
}

RECT FolderTreeRect(SIZE tree, int top)
{
    return RECT{4, top + 4, 4 + tree.cx, top + 4 + tree.cy};
}

SIZE FolderTreeSizeForWindow(SIZE window, int top, const TreeWindowFigures& f, int panelWidth)
{
    SIZE tree{window.cx - Margins(f.fw), window.cy - (f.cap + Margins(f.fh) + top)};
    if (window.cx < kFolderTreeMinWindowWidth)
        tree.cx = FolderTreeDefaultWidth(panelWidth, f);
    if (window.cy < kFolderTreeMinWindowHeight)
        tree.cy = kFolderTreeDefaultHeight;
    return tree;
}

int FolderTreeHeightInClient(int clientHeight, int top, const TreeWindowFigures& f)
{
    return clientHeight - (f.fh + 4) - (top + 4);
}

ShortcutRowPlace PlaceShortcutRow(const RECT& label, const RECT& button, int buttonWidth, int clientWidth)
{
    ShortcutRowPlace place{label, button};
    place.button.right = clientWidth - 3;
    place.button.left = place.button.right - buttonWidth;
    place.label.right = place.button.left - 3;
    return place;
}

RECT StretchShortcutGroup(const RECT& group, int clientWidth)
{
    RECT stretched = group;
    stretched.right = clientWidth;
    return stretched;
}

bool IsShortcutRegistered(const QString& stored)
{
    return stored.size() > 1;
}

QString ShortcutLabelText(const QString& stored)
{
    return IsShortcutRegistered(stored) ? stored : QString::fromUtf16(kShortcutUnregistered);
}

ShortcutRegistration RegisterShortcut(ShortcutFolders& folders, int index, const QString& currentFolder)
{
    // A path the settings file could not keep would come back empty at the next start.
    if (currentFolder.isEmpty() || currentFolder.size() >= kShortcutPathCapacity)
        return ShortcutRegistration::NoFolder;
    for (const QString& folder : folders)
        if (folder == currentFolder)
            return ShortcutRegistration::AlreadyRegistered;
    folders[static_cast<std::size_t>(index)] = currentFolder;
    return ShortcutRegistration::Registered;
}

ShortcutJump DecideShortcutJump(const QString& folder, bool folderExists, const QString& multiViewFolder)
{
    if (!folderExists)
        return ShortcutJump::Missing;
    if (folder.left(kShortcutPathCapacity) == multiViewFolder.left(kShortcutPathCapacity))
        return ShortcutJump::AlreadyShown;
    return ShortcutJump::Walk;
}
