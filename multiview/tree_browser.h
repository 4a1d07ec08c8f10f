// The shell tree engine as a tree window uses it. Each window owns one
// browser, which holds the window's context: its tables, image lists, icon
// slot map and current folder. The window builds the trees as it opens and
// again when volumes come or go, and lets them go as it closes.
#pragma once

#include "multiview/shell_tree.h"

#include <QString>

#include <functional>
#include <memory>

class CMyTreeCtrl;
class CWnd;

class TreeBrowser {
public:
    virtual ~TreeBrowser() = default;

    // (Re)builds the trees: the special folders and the volumes, with their icons.
    virtual void Build() = 0;
    // Lets the image lists, items and slot map go.
    virtual void Release() = 0;
    // Refreshes the caret folder.
    virtual void Refresh(TreeRefreshKind kind) = 0;
    // Walks the tree to the folder, selecting each folder on the way.
    virtual void ShowFolder(const QString& path) = 0;
    // The caret item's path, with or without a trailing separator; empty when
    // there is no caret item or it names no path.
    virtual QString CaretPath(bool trailingSeparator) const = 0;
    // The folder the last user action opened (no trailing separator).
    virtual QString CurrentFolder() const = 0;
    // The user's pictures folder (the start folder when none is known).
    virtual QString PicturesFolder() const = 0;
    // Called when volumes were mounted or unmounted: the window builds its
    // trees again. An empty function stops the calls.
    virtual void WatchVolumes(std::function<void()> changed) = 0;
};

// Makes the browser of a window: the owner, its folder tree and, for the
// file-tree window, the file tree (else null).
using TreeBrowserFactory =
    std::function<std::unique_ptr<TreeBrowser>(CWnd* owner, CMyTreeCtrl* folders, CMyTreeCtrl* files)>;

// The engine's browser, or the one a test set; null while neither is there.
const TreeBrowserFactory& DefaultTreeBrowserFactory();
// Tests stand in for the engine; an empty factory gives the engine back.
void SetTreeBrowserFactoryForTesting(TreeBrowserFactory factory);
