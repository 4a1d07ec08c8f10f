// The windows' browser on the shell tree engine: one context per window with
// its two image lists, and the watch of the volumes while the window asks for it.
#include "multiview/tree_browser.h"

#include "core/my_tree_ctrl.h"
#include "platform/controls/image_list.h"
#include "platform/system/mount_watch.h"

namespace {

class ShellTreeBrowser : public TreeBrowser {
public:
    ShellTreeBrowser(CWnd* owner, CMyTreeCtrl* folders, CMyTreeCtrl* files)
    {
        m_context.owner = owner;
        m_context.folderTree = folders;
        m_context.fileTree = files;
        m_context.folderImages = &m_folderImages;
        m_context.fileImages = files ? &m_fileImages : nullptr;
    }
    ~ShellTreeBrowser() override { m_watch.reset(); }

    void Build() override { BuildFolderTree(m_context); }
    void Release() override { ReleaseFolderTree(m_context); }
    void Refresh(TreeRefreshKind kind) override { ExpandFolderTreeItem(kind, m_context); }
    void ShowFolder(const QString& path) override
    {
        SelectFolderTreePath(path, kTreePathCapacity, m_context);
    }
    QString CaretPath(bool trailingSeparator) const override
    {
        QString path;
        GetFolderTreeItemPath(m_context, path, kTreePathCapacity, trailingSeparator ? TRUE : FALSE);
        return path;
    }
    QString CurrentFolder() const override { return m_context.currentFolder; }
    QString PicturesFolder() const override { return m_context.specialFolders[kRowMyPictures].path; }
    void WatchVolumes(std::function<void()> changed) override
    {
        m_watch.reset();
        if (changed)
            m_watch = WatchTreeVolumes(std::move(changed));
    }

private:
    CImageList m_folderImages;
    CImageList m_fileImages;
    TreeBrowseContext m_context;
    std::unique_ptr<MountWatch> m_watch;
};

TreeBrowserFactory& TestFactory()
{
    static TreeBrowserFactory factory;
    return factory;
}

}  // namespace

const TreeBrowserFactory& DefaultTreeBrowserFactory()
{
    static const TreeBrowserFactory engine = [](CWnd* owner, CMyTreeCtrl* folders, CMyTreeCtrl* files) {
        return std::make_unique<ShellTreeBrowser>(owner, folders, files);
    };
    return TestFactory() ? TestFactory() : engine;
}

void SetTreeBrowserFactoryForTesting(TreeBrowserFactory factory)
{
    TestFactory() = std::move(factory);
}
