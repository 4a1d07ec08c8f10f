// The shell tree engine on real folders behind a fake desktop: the places and
// volumes of the tree, the walk to a folder, the refresh kinds, listings with
// their icon slots, a link that loops and a folder that cannot be read.
#include "core/settings/app_settings.h"
#include "core/shell_namespace.h"
#include "multiview/shell_tree.h"
#include "platform/dialog/dialog.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

constexpr int kFolderTree = 1095;
constexpr int kFileTree = 1096;

const DialogControl kControls[] = {
    {ControlKind::TreeView, kFolderTree, nullptr, TVS_HASBUTTONS | TVS_LINESATROOT, 4, 4, 300, 300},
    {ControlKind::TreeView, kFileTree, nullptr, 0, 4, 310, 300, 200},
};
const DialogTemplate kTemplate{9105, u"ツリー", WS_POPUP, 0, 310, 520, kControls};

// The desktop of the tests: places and volumes as set, folders as on disk,
// except those it is told it cannot read.
class FakeShell : public ShellNamespace {
public:
    QString desktop, documents, pictures;
    std::vector<MountedVolume> volumes;
    QSet<QString> unreadable;

    QString PlacePath(ShellPlace place) const override
    {
        return place == ShellPlace::Desktop ? desktop : place == ShellPlace::Documents ? documents : pictures;
    }
    std::vector<MountedVolume> Volumes(int limit) const override
    {
        return {
            volumes.begin(), volumes.begin() + std::min<size_t>(volumes.size(), static_cast<size_t>(limit))};
    }
    std::optional<std::vector<ShellFolderEntry>> ListFolder(const QString& folder) const override
    {
        if (unreadable.contains(QDir::cleanPath(folder)))
            return std::nullopt;
        return ShellNamespace::ListFolder(folder);
    }
};

class ShellTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        root = QDir(m_dir.path()).canonicalPath();
        for (const char* folder : {"home/Documents", "home/x", "vol/USB/a/b/.hidden", "vol/USB/a/c",
                 "vol/USB2/a/b", "vol/USB/loopdir", "vol/USB/locked/sub", "vol/USB/f"})
            ASSERT_TRUE(QDir().mkpath(At(folder)));
        for (const char* file : {"home/x/p.png", "vol/USB/a/b/z.jpg", "vol/USB/a/b/a.png",
                 "vol/USB/a/b/note.txt", "vol/USB/a/top.gif", "vol/USB/locked/q.png", "vol/USB/f/s.tiff",
                 "vol/USB/f/t.tif", "vol/USB/f/U.JPG"})
            Touch(At(file));
        ASSERT_EQ(::symlink(At("vol/USB/loopdir").toUtf8().constData(),
                      At("vol/USB/loopdir/loop").toUtf8().constData()),
            0);

        shell.desktop = At("home");  // no Desktop folder: the home folder stands in
        shell.documents = At("home/Documents");
        shell.volumes = {{"/", "ext4", "/dev/sda1", "", VolumeKind::Fixed},
            {At("vol/USB"), "vfat", "/dev/sdb1", "", VolumeKind::Removable},
            {At("vol/USB2"), "vfat", "/dev/sdb2", "", VolumeKind::Removable}};
        SetShellNamespaceForTesting(&shell);
        savedFilter = AppSettings.ExtFilterNo;
        AppSettings.ExtFilterNo = 0;

        ASSERT_TRUE(window.Create());
        context.owner = &window;
        context.folderTree = static_cast<CTreeCtrl*>(window.GetDlgItem(kFolderTree));
        context.fileTree = static_cast<CTreeCtrl*>(window.GetDlgItem(kFileTree));
        context.folderImages = &folderImages;
        context.fileImages = &fileImages;
        BuildFolderTree(context);
    }
    void TearDown() override
    {
        ReleaseFolderTree(context);
        SetShellNamespaceForTesting(nullptr);
        AppSettings.ExtFilterNo = savedFilter;
    }

    QString At(const char* relative) const { return root + u'/' + QString::fromUtf8(relative); }
    static void Touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    CTreeCtrl& Tree() { return *context.folderTree; }
    HTREEITEM Caret() { return Tree().GetSelectedItem(); }
    QString CaretPath()
    {
        QString path;
        GetFolderTreeItemPath(context, path, kTreePathCapacity, FALSE);
        return path;
    }
    QStringList ChildTexts(CTreeCtrl& tree, HTREEITEM item)
    {
        QStringList texts;
        for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
            texts << tree.GetItemText(child);
        return texts;
    }
    QStringList Files() { return ChildTexts(*context.fileTree, TVI_ROOT); }
    std::vector<int> FileSlots()
    {
        std::vector<int> slots;
        for (HTREEITEM item = context.fileTree->GetRootItem(); item;
             item = context.fileTree->GetNextSiblingItem(item)) {
            int image = 0, selected = 0;
            context.fileTree->GetItemImage(item, image, selected);
            slots.push_back(image);
        }
        return slots;
    }
    int Image(HTREEITEM item)
    {
        int image = -1, selected = -1;
        Tree().GetItemImage(item, image, selected);
        return image;
    }
    bool Expanded(HTREEITEM item) { return Tree().GetItemState(item, TVIS_EXPANDED) != 0; }

    QTemporaryDir m_dir;
    QString root;
    FakeShell shell;
    UINT savedFilter = 0;
    CDialog window{&kTemplate};
    CImageList folderImages;
    CImageList fileImages;
    TreeBrowseContext context;
};

TEST_F(ShellTreeTest, TheTreeShowsThePlacesAndTheVolumesWithTheirSlots)
{
    const HTREEITEM desktop = Tree().GetRootItem();
    EXPECT_EQ(Tree().GetItemText(desktop), QStringLiteral("デスクトップ"));
    EXPECT_EQ(ChildTexts(Tree(), desktop),
        (QStringList{"マイ ドキュメント", "マイ ピクチャー", "マイ コンピュータ"}));
    const HTREEITEM computer = context.specialFolders[kRowMyComputer].treeItem;
    const QStringList volumes{"sda1 (/)", "USB (" + At("vol/USB") + ")", "USB2 (" + At("vol/USB2") + ")"};
    EXPECT_EQ(ChildTexts(Tree(), computer), volumes);
    // The fixed volume and the first removable one get icon slots of their own; the second shares.
    EXPECT_EQ((std::vector<int>{
                  context.drives[0].imageSlot, context.drives[1].imageSlot, context.drives[2].imageSlot}),
        (std::vector<int>{20, 21, 21}));
    EXPECT_EQ(context.slotMap->FindKey(QStringLiteral("folder")), 40);
    EXPECT_EQ(folderImages.GetImageCount(), 100);
    EXPECT_FALSE(folderImages.GetImage(40).isNull());

    // The first refresh of the Desktop inserts the volumes with those slots.
    EXPECT_EQ(SelectFolderTreePath(At("vol/USB"), kTreePathCapacity, context), 1);
    EXPECT_EQ(Tree().GetItemText(Caret()), volumes[1]);
    EXPECT_EQ(Image(Caret()), 21);
    EXPECT_EQ(CaretPath(), At("vol/USB"));
}

TEST_F(ShellTreeTest, TheWalkGoesThroughTheLongestVolumeAndListsTheLastFolder)
{
    ASSERT_EQ(SelectFolderTreePath(At("vol/USB/a/b/"), kTreePathCapacity, context), 1);
    EXPECT_EQ(CaretPath(), At("vol/USB/a/b"));
    EXPECT_EQ(context.currentFolder, At("vol/USB/a/b"));
    QStringList chain;
    for (HTREEITEM up = Caret(); up; up = Tree().GetParentItem(up))
        chain << Tree().GetItemText(up);
    EXPECT_EQ(
        chain, (QStringList{"b", "a", "USB (" + At("vol/USB") + ")", "マイ コンピュータ", "デスクトップ"}));
    EXPECT_EQ(Files(), (QStringList{"a.png", "z.jpg"}));  // by name; other files and hidden folders left out
    EXPECT_EQ(FileSlots(), (std::vector<int>{100, 101}));
    EXPECT_TRUE(ChildTexts(Tree(), Caret()).isEmpty());
    EXPECT_FALSE(Expanded(Caret()));  // expanded by its step, collapsed by the closing click
    EXPECT_EQ(ChildTexts(Tree(), Tree().GetParentItem(Caret())), (QStringList{"b", "c"}));
}

TEST_F(ShellTreeTest, TheWalkStopsAtTheFirstFolderThatIsNotThere)
{
    ASSERT_EQ(SelectFolderTreePath(At("vol/USB/a/missing/b"), kTreePathCapacity, context), 1);
    EXPECT_EQ(CaretPath(), At("vol/USB/a"));
    EXPECT_EQ(context.currentFolder, At("vol/USB/a"));
    EXPECT_EQ(Files(), QStringList{"top.gif"});
}

TEST_F(ShellTreeTest, AFolderOfTheHomeIsReachedThroughTheDesktop)
{
    ASSERT_EQ(SelectFolderTreePath(At("home/x"), kTreePathCapacity, context), 1);
    EXPECT_EQ(Tree().GetItemText(Caret()), QStringLiteral("x"));
    EXPECT_EQ(Tree().GetParentItem(Caret()), Tree().GetRootItem());
    EXPECT_EQ(Files(), QStringList{"p.png"});

    // Refreshing the Desktop rebuilds the places and the volumes, then its folders.
    Tree().SelectItem(Tree().GetRootItem());
    ExpandFolderTreeItem(TreeRefreshKind::RootRefresh, context);
    EXPECT_EQ(ChildTexts(Tree(), Tree().GetRootItem()),
        (QStringList{"マイ ドキュメント", "マイ ピクチャー", "マイ コンピュータ", "Documents", "x"}));
    EXPECT_TRUE(Expanded(context.specialFolders[kRowMyComputer].treeItem));
    EXPECT_EQ(ChildTexts(Tree(), context.specialFolders[kRowMyComputer].treeItem).size(), 3);
}

TEST_F(ShellTreeTest, EachRefreshKindRecordsListsAndExpandsAsItShould)
{
    ASSERT_EQ(SelectFolderTreePath(At("vol/USB/a"), kTreePathCapacity, context), 1);
    const HTREEITEM a = Caret();
    struct Case {
        TreeRefreshKind kind;
        bool records;
        int files;
        bool expandedAfter;
    };
    const Case cases[] = {
        {TreeRefreshKind::SelectionChanged, true, 1, false},
        {TreeRefreshKind::Click, true, 1, true},
        {TreeRefreshKind::RootRefresh, false, 1, true},
        {TreeRefreshKind::WalkStep, false, 0, true},
        {TreeRefreshKind::FilterRefresh, false, 1, true},
    };
    for (const Case& c : cases) {
        Tree().Expand(a, TVE_COLLAPSE);
        context.currentFolder.clear();
        context.fileTree->DeleteAllItems();
        ExpandFolderTreeItem(c.kind, context);
        const int kind = static_cast<int>(c.kind);
        EXPECT_EQ(context.currentFolder, c.records ? At("vol/USB/a") : QString()) << kind;
        EXPECT_EQ(Files().size(), c.files) << kind;
        EXPECT_EQ(Expanded(a), c.expandedAfter) << kind;
        EXPECT_EQ(ChildTexts(Tree(), a), (QStringList{"b", "c"})) << kind;
        EXPECT_EQ(Image(a), c.expandedAfter || c.kind == TreeRefreshKind::SelectionChanged ? 41 : 40) << kind;
    }
    // A click on the expanded folder collapses it and still lists its files.
    ExpandFolderTreeItem(TreeRefreshKind::Click, context);
    EXPECT_FALSE(Expanded(a));
    EXPECT_EQ(Image(a), 40);
    EXPECT_EQ(Files(), QStringList{"top.gif"});
}

TEST_F(ShellTreeTest, TheFilterDecidesWhichImageFilesAreListed)
{
    ASSERT_EQ(SelectFolderTreePath(At("vol/USB/f"), kTreePathCapacity, context), 1);
    EXPECT_EQ(Files(), (QStringList{"t.tif", "U.JPG"}));
    for (const auto& [filter, files] :
        {std::pair<UINT, QStringList>{3, {"t.tif"}}, {2, {"U.JPG"}}, {9, {}}}) {
        AppSettings.ExtFilterNo = filter;
        ExpandFolderTreeItem(TreeRefreshKind::FilterRefresh, context);
        EXPECT_EQ(Files(), files) << filter;
    }
}

TEST_F(ShellTreeTest, ALinkToItsOwnFolderIsShownButNeverFollowedOnItsOwn)
{
    ASSERT_EQ(SelectFolderTreePath(At("vol/USB/loopdir/loop/loop"), kTreePathCapacity, context), 1);
    EXPECT_EQ(CaretPath(), At("vol/USB/loopdir/loop/loop"));
    EXPECT_EQ(ChildTexts(Tree(), Caret()), QStringList{"loop"});
    EXPECT_TRUE(ChildTexts(Tree(), Tree().GetChildItem(Caret())).isEmpty());
}

TEST_F(ShellTreeTest, AFolderThatCannotBeReadShowsEmpty)
{
    shell.unreadable.insert(At("vol/USB/locked"));
    ASSERT_EQ(SelectFolderTreePath(At("vol/USB/locked"), kTreePathCapacity, context), 1);
    EXPECT_EQ(CaretPath(), At("vol/USB/locked"));
    EXPECT_EQ(context.currentFolder, At("vol/USB/locked"));
    EXPECT_TRUE(ChildTexts(Tree(), Caret()).isEmpty());
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ShellTreeTest, AFolderDeletedMeanwhileEmptiesTheFileList)
{
    ASSERT_EQ(SelectFolderTreePath(At("vol/USB/a/b"), kTreePathCapacity, context), 1);
    ASSERT_EQ(Files().size(), 2);
    ASSERT_TRUE(QDir(At("vol/USB/a/b")).removeRecursively());
    context.currentFolder.clear();
    ExpandFolderTreeItem(TreeRefreshKind::Click, context);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(context.currentFolder.isEmpty());
    // A walk to a path no volume holds changes nothing.
    shell.volumes.clear();
    BuildFolderTree(context);
    EXPECT_EQ(SelectFolderTreePath(At("vol/USB/a"), kTreePathCapacity, context), 0);
}

}  // namespace
