// The file-tree window's rules, kept free of windows: the four stored
// control sizes (folder tree, file tree, filter box, explore button),
// repaired and laid out; the window's sizing; and the splitter between the
// two trees.
#pragma once

#include "multiview/tree_window_rules.h"

// Each rectangle keeps left and top at 0: right is the width, bottom the height.
struct FileTreeRects {
    RECT folder{};
    RECT file{};
    RECT filter{};
    RECT explore{};
};

// The sizes a repair gives: folder tree 240 x 180, file tree 240 x 250,
// filter box 210 x 21, explore button 26 x 21.
inline constexpr FileTreeRects kFileTreeDefaultRects{
    {0, 0, 240, 180}, {0, 0, 240, 250}, {0, 0, 210, 21}, {0, 0, 26, 21}};

// Resets the widths and/or heights asked for, with left and top at 0. The
// file tree, filter box and explore button are reset on every repair; the
// folder tree only with folderToo.
void RepairFileTreeRects(FileTreeRects& rects, bool widths, bool heights, bool folderToo);

// The checks as the window opens: controls off the origin or out of their
// ranges are repaired; the file tree takes the folder tree's width; the
// filter box and the button fill the tree width; sizes that would make the
// window wider than half the screen or taller than the screen are reset.
void RepairFileTreeRectsAtSetup(FileTreeRects& rects, const TreeWindowFigures& f);

// The window's size around the controls.
SIZE FileTreeWindowSize(const FileTreeRects& rects, const TreeWindowFigures& f);

// Where the controls stand in the client area, and the splitter: the
// 4-pixel band between the trees.
struct FileTreePlaces {
    RECT folder;
    RECT file;
    RECT filter;
    RECT explore;
    RECT splitter;
};
FileTreePlaces PlaceFileTreeControls(const FileTreeRects& rects);

inline constexpr int kFileTreeMinWindowWidth = 150;
inline constexpr int kFileTreeMinWindowHeight = 300;
// The sizes after the user sized the window: the width goes to the trees,
// the height left for the trees is shared in the proportion they had.
void ResizeFileTreeRects(FileTreeRects& rects, SIZE window, const TreeWindowFigures& f);

// One mouse step of a splitter drag, dy pixels down since the last point.
inline constexpr int kSplitterMaxStep = 25;
inline constexpr int kSplitterMinTreeHeight = 50;
struct SplitterStep {
    bool keepDragging;
    bool moved;  // the split moved: lay the controls out again
};
// Moves the split when the step is allowed. A step longer than 25 pixels,
// one that would leave a tree lower than 50 pixels, and a pointer outside
// the band's horizontal extent end the drag.
SplitterStep StepSplitter(FileTreeRects& rects, int dy, int pointerX, const RECT& band);

// The extension filter's entries; the chosen index is ExtFilterNo.
inline constexpr const char16_t* kFileTreeFilterTexts[] = {u"bmp / jpg / tif / gif / png ファイル",
    u"*.bmp (ﾋﾞｯﾄﾏｯﾌﾟ)", u"*.jpg (jpeg ﾌｧｲﾙ)", u"*.tif (tiff ﾌｧｲﾙ)", u"*.gif (gif ﾌｧｲﾙ)",
    u"*.png (png ﾌｧｲﾙ)"};
inline constexpr char16_t kFileTreeExploreTip[] = u"エクスプローラを表示します。";
// TreeLastDir before the file tree chose any folder.
inline constexpr char16_t kTreeLastDirNone[] = u"no_choice_tree_control";
