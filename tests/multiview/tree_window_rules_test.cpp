#include "multiview/file_tree_window_rules.h"
#include "multiview/folder_tree_window_rules.h"

#include <gtest/gtest.h>

namespace {

// FW 8, FH 8, CAP 23 on a 1920 x 1080 screen; the multi-view panel is 300 wide.
constexpr TreeWindowFigures kFigures{8, 8, 23, 1920, 1080};
constexpr int kPanelWidth = 300;

TEST(TreeWindowRules, DefaultPositionAndHeldArrowThrottle)
{
    EXPECT_EQ(TreeWindowDefaultPosition(RECT{100, 50, 401, 650}, 23), (POINT{250, 73}));
    const struct {
        bool held;
        DWORD now, last;
        bool dropped;
    } cases[] = {
        {true, 1000, 600, true},          // 400 ms since the last change
        {true, 1100, 600, false},         // 500 ms: the next step may come
        {false, 1000, 900, false},        // a key that is not held repeating passes
        {true, 100, 0xFFFFFF00u, true},   // 356 ms across the tick count's wrap
        {true, 0xFFFFFF00u, 100, false},  // long ago
    };
    for (const auto& c : cases)
        EXPECT_EQ(DropHeldArrowKey(c.held, c.now, c.last), c.dropped) << c.now << " " << c.last;
}

TEST(FolderTreeGeometry, StoredSizeRepairedAsTheWindowOpens)
{
    const int defaultWidth = kPanelWidth - 24;
    const struct {
        RECT stored;
        SIZE tree;
    } cases[] = {
        {{0, 0, 240, 360}, {240, 360}},           // kept
        {{1, 0, 241, 360}, {defaultWidth, 180}},  // off the origin
        {{0, 0, 49, 360}, {defaultWidth, 180}},   // too narrow
        {{0, 0, 240, 49}, {defaultWidth, 180}},   // too low
        {{0, 0, 937, 360}, {defaultWidth, 360}},  // window wider than half the screen
        {{0, 0, 936, 360}, {936, 360}},           // exactly half
        {{0, 0, 240, 1034}, {240, 180}},          // taller than the screen
        {{0, 0, 240, 1033}, {240, 1033}},
    };
    for (const auto& c : cases) {
        const SIZE tree = RepairFolderTreeSize(c.stored, kFigures, kPanelWidth);
        EXPECT_EQ(tree.cx, c.tree.cx) << c.stored.right;
        EXPECT_EQ(tree.cy, c.tree.cy) << c.stored.bottom;
    }
}

TEST(FolderTreeGeometry, WindowAroundTheTreeAndBackAfterSizing)
{
    for (bool shown : {true, false}) {
        const int top = FolderTreeTop(shown);
        EXPECT_EQ(top, shown ? 129 : 22);
        const SIZE window = FolderTreeWindowSize(SIZE{240, 360}, top, kFigures);
        EXPECT_EQ(window.cx, 240 + 24);
        EXPECT_EQ(window.cy, 23 + 24 + top + 360);
        // Sizing the window to what it is gives the same tree back.
        const SIZE tree = FolderTreeSizeForWindow(window, top, kFigures, kPanelWidth);
        EXPECT_EQ(tree.cx, 240);
        EXPECT_EQ(tree.cy, 360);
        EXPECT_EQ(FolderTreeRect(SIZE{240, 360}, top), (RECT{4, top + 4, 244, top + 364}));
    }
    // Below 250 x 400 the window's sides fall back to the defaults.
    const SIZE small = FolderTreeSizeForWindow(SIZE{249, 399}, 129, kFigures, kPanelWidth);
    EXPECT_EQ(small.cx, kPanelWidth - 24);
    EXPECT_EQ(small.cy, 180);
    const SIZE enough = FolderTreeSizeForWindow(SIZE{250, 400}, 129, kFigures, kPanelWidth);
    EXPECT_EQ(enough.cx, 226);
    EXPECT_EQ(enough.cy, 400 - 23 - 24 - 129);
    // Hiding the shortcut area in a window that keeps its size gives the tree the room.
    EXPECT_EQ(
        FolderTreeHeightInClient(500, 22, kFigures) - FolderTreeHeightInClient(500, 129, kFigures), 107);
}

TEST(FolderTreeGeometry, ShortcutRowsKeepToTheRightEdge)
{
    const ShortcutRowPlace row = PlaceShortcutRow(RECT{10, 30, 200, 50}, RECT{205, 30, 250, 52}, 46, 300);
    EXPECT_EQ(row.button, (RECT{251, 30, 297, 52}));
    EXPECT_EQ(row.label, (RECT{10, 30, 248, 50}));
    EXPECT_EQ(StretchShortcutGroup(RECT{4, 2, 100, 120}, 300), (RECT{4, 2, 300, 120}));
}

TEST(FolderTreeShortcuts, LabelsShowRegisteredFoldersOnly)
{
    EXPECT_EQ(ShortcutLabelText(QString()), QStringLiteral("--未登録--"));
    EXPECT_EQ(ShortcutLabelText(QStringLiteral("/")), QStringLiteral("--未登録--"));
    EXPECT_EQ(ShortcutLabelText(QStringLiteral("/a")), QStringLiteral("/a"));
}

TEST(FolderTreeShortcuts, RegisteringRefusesNoFolderDuplicatesAndTooLongPaths)
{
    ShortcutFolders folders{QStringLiteral("/a"), QStringLiteral("/b"), QString(), QString(), QString()};
    EXPECT_EQ(RegisterShortcut(folders, 2, QString()), ShortcutRegistration::NoFolder);
    EXPECT_EQ(RegisterShortcut(folders, 2, QStringLiteral("/b")), ShortcutRegistration::AlreadyRegistered);
    EXPECT_EQ(RegisterShortcut(folders, 2, QString(520, u'x')), ShortcutRegistration::NoFolder);
    EXPECT_TRUE(folders[2].isEmpty());
    // The comparison is exact: another case is another folder.
    EXPECT_EQ(RegisterShortcut(folders, 2, QStringLiteral("/B")), ShortcutRegistration::Registered);
    EXPECT_EQ(folders[2], QStringLiteral("/B"));
    // Registering replaces what the slot held.
    EXPECT_EQ(RegisterShortcut(folders, 0, QStringLiteral("/c")), ShortcutRegistration::Registered);
    EXPECT_EQ(folders[0], QStringLiteral("/c"));
}

TEST(FolderTreeShortcuts, JumpNeedsTheFolderAndSkipsTheOneShown)
{
    EXPECT_EQ(DecideShortcutJump(QStringLiteral("/a"), false, QString()), ShortcutJump::Missing);
    EXPECT_EQ(
        DecideShortcutJump(QStringLiteral("/a"), true, QStringLiteral("/a")), ShortcutJump::AlreadyShown);
    EXPECT_EQ(DecideShortcutJump(QStringLiteral("/a"), true, QStringLiteral("/a/b")), ShortcutJump::Walk);
}

FileTreeRects Rects(SIZE folder, SIZE file, SIZE filter, SIZE explore)
{
    return FileTreeRects{{0, 0, folder.cx, folder.cy}, {0, 0, file.cx, file.cy}, {0, 0, filter.cx, filter.cy},
        {0, 0, explore.cx, explore.cy}};
}

bool operator==(const FileTreeRects& a, const FileTreeRects& b)
{
    return a.folder == b.folder && a.file == b.file && a.filter == b.filter && a.explore == b.explore;
}

TEST(FileTreeGeometry, RepairAtSetup)
{
    const FileTreeRects good = Rects({300, 200}, {300, 260}, {270, 22}, {26, 22});
    const struct {
        const char* what;
        FileTreeRects stored;
        FileTreeRects repaired;
    } cases[] = {
        {"kept", good, good},
        {"folder tree 30 wide: everything to the defaults", Rects({30, 200}, {300, 260}, {270, 22}, {26, 22}),
            kFileTreeDefaultRects},
        {"file tree 30 high: the folder tree stays, the rest reset",
            Rects({300, 200}, {300, 30}, {270, 22}, {26, 22}),
            Rects({300, 200}, {300, 250}, {270, 21}, {26, 21})},
        {"filter 26 high", Rects({300, 200}, {300, 260}, {270, 26}, {26, 22}),
            Rects({300, 200}, {300, 250}, {270, 21}, {26, 21})},
        {"button 24 wide", Rects({300, 200}, {300, 260}, {270, 22}, {24, 22}),
            Rects({300, 200}, {300, 250}, {270, 21}, {26, 21})},
        {"file tree follows the folder tree's width, the line fills it",
            Rects({300, 200}, {320, 260}, {200, 22}, {30, 22}), good},
        {"window wider than half the screen: widths reset",
            Rects({940, 200}, {940, 260}, {910, 22}, {26, 22}),
            Rects({240, 200}, {240, 260}, {210, 22}, {26, 22})},
        {"window taller than the screen: heights reset", Rects({300, 600}, {300, 500}, {270, 22}, {26, 22}),
            Rects({300, 180}, {300, 250}, {270, 21}, {26, 21})},
    };
    for (const auto& c : cases) {
        FileTreeRects rects = c.stored;
        RepairFileTreeRectsAtSetup(rects, kFigures);
        EXPECT_TRUE(rects == c.repaired) << c.what;
    }
}

TEST(FileTreeGeometry, ControlsAndSplitterBand)
{
    const FileTreeRects rects = Rects({240, 180}, {240, 250}, {210, 21}, {26, 21});
    const SIZE window = FileTreeWindowSize(rects, kFigures);
    EXPECT_EQ(window.cx, 24 + 240);
    EXPECT_EQ(window.cy, 16 + 16 + 180 + 250 + 21 + 23);
    const FileTreePlaces places = PlaceFileTreeControls(rects);
    EXPECT_EQ(places.folder, (RECT{4, 4, 244, 184}));
    EXPECT_EQ(places.file, (RECT{4, 188, 244, 438}));
    EXPECT_EQ(places.filter, (RECT{4, 442, 214, 463}));
    EXPECT_EQ(places.explore, (RECT{218, 442, 244, 463}));
    EXPECT_EQ(places.splitter, (RECT{4, 184, 244, 188}));
}

TEST(FileTreeGeometry, SizingSharesTheHeightInProportion)
{
    FileTreeRects rects = Rects({240, 100}, {240, 200}, {210, 21}, {26, 21});
    // 400 high for the trees: the folder tree's third, truncated, and the rest.
    ResizeFileTreeRects(rects, SIZE{24 + 300, 400 + 16 + 23 + 16 + 21}, kFigures);
    EXPECT_TRUE(rects == Rects({300, 133}, {300, 267}, {270, 21}, {26, 21}));
    // Below 150 x 300 the defaults come back.
    ResizeFileTreeRects(rects, SIZE{149, 299}, kFigures);
    EXPECT_TRUE(rects == kFileTreeDefaultRects);
}

TEST(FileTreeSplitter, Steps)
{
    const RECT band{4, 184, 244, 188};
    const struct {
        const char* what;
        int dy, x;
        bool keep, moved;
        int folderHeight;
    } cases[] = {
        {"still", 0, 100, true, false, 180},
        {"down", 10, 100, true, true, 190},
        {"up", -25, 100, true, true, 155},
        {"too fast", 26, 100, false, false, 180},
        {"too fast up", -26, 100, false, false, 180},
        {"the file tree keeps 50", 25, 100, true, true, 205},
        {"pointer left the band: moved, then the drag ends", 5, 244, false, true, 185},
    };
    for (const auto& c : cases) {
        FileTreeRects rects = Rects({240, 180}, {240, 250}, {210, 21}, {26, 21});
        if (c.dy == 25)
            rects.file.bottom = 75;
        const SplitterStep step = StepSplitter(rects, c.dy, c.x, band);
        EXPECT_EQ(step.keepDragging, c.keep) << c.what;
        EXPECT_EQ(step.moved, c.moved) << c.what;
        EXPECT_EQ(rects.folder.bottom, c.folderHeight) << c.what;
    }
    // A step that would leave a tree 49 pixels high ends the drag and moves nothing.
    FileTreeRects rects = Rects({240, 180}, {240, 74}, {210, 21}, {26, 21});
    const SplitterStep step = StepSplitter(rects, 25, 100, band);
    EXPECT_FALSE(step.keepDragging);
    EXPECT_EQ(rects.file.bottom, 74);
}

}  // namespace
