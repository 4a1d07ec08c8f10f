// A stand-in for the shell tree engine: the folder tree holds one item per
// folder, its text the folder's path; the file tree lists the caret folder's
// files whose names end in ".png". The log outlives the browser, so a test
// reads what the window asked for after the window let the browser go.
#pragma once

#include "core/my_tree_ctrl.h"
#include "multiview/tree_browser.h"

#include <QDir>
#include <QStringList>
#include <memory>
#include <vector>

struct FakeTreeLog {
    int builds = 0;
    int releases = 0;
    std::vector<TreeRefreshKind> refreshes;
    QStringList shown;  // ShowFolder's paths
    std::function<void()> volumesChanged;
};

class FakeTreeBrowser : public TreeBrowser {
public:
    FakeTreeBrowser(std::shared_ptr<FakeTreeLog> log, QStringList folders, QString pictures,
        CMyTreeCtrl* tree, CMyTreeCtrl* files)
        : m_log(std::move(log)), m_folders(std::move(folders)), m_pictures(std::move(pictures)), m_tree(tree),
          m_files(files)
    {
    }

    void Build() override
    {
        ++m_log->builds;
        m_tree->DeleteAllItems();
        for (const QString& folder : m_folders)
            m_tree->InsertItem(folder, 0, 0);
    }
    void Release() override { ++m_log->releases; }
    void Refresh(TreeRefreshKind kind) override
    {
        m_log->refreshes.push_back(kind);
        const QString path = CaretPath(false);
        if (kind == TreeRefreshKind::SelectionChanged || kind == TreeRefreshKind::Click)
            m_current = path;
        if (m_files && kind != TreeRefreshKind::WalkStep)
            ListFiles(path);
    }
    void ShowFolder(const QString& path) override
    {
        m_log->shown.push_back(path);
        for (HTREEITEM item = m_tree->GetRootItem(); item; item = m_tree->GetNextSiblingItem(item))
            if (m_tree->GetItemText(item) == path) {
                m_tree->SelectItem(item);
                Refresh(TreeRefreshKind::Click);
                return;
            }
    }
    QString CaretPath(bool trailingSeparator) const override
    {
        HTREEITEM caret = m_tree->GetSelectedItem();
        if (!caret)
            return QString();
        return m_tree->GetItemText(caret) + (trailingSeparator ? QStringLiteral("/") : QString());
    }
    QString CurrentFolder() const override { return m_current; }
    QString PicturesFolder() const override { return m_pictures; }
    void WatchVolumes(std::function<void()> changed) override { m_log->volumesChanged = std::move(changed); }

private:
    void ListFiles(const QString& folder)
    {
        m_files->DeleteAllItems();
        for (const QString& name : QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
            m_files->InsertItem(name, 0, 0);
    }

    std::shared_ptr<FakeTreeLog> m_log;
    QStringList m_folders;
    QString m_pictures;
    CMyTreeCtrl* m_tree;
    CMyTreeCtrl* m_files;
    QString m_current;
};

// A factory that makes fake browsers over the folders, all writing one log.
inline TreeBrowserFactory FakeTreeBrowserFactory(
    std::shared_ptr<FakeTreeLog> log, QStringList folders, QString pictures)
{
    return [=](CWnd*, CMyTreeCtrl* tree, CMyTreeCtrl* files) {
        return std::make_unique<FakeTreeBrowser>(log, folders, pictures, tree, files);
    };
}
