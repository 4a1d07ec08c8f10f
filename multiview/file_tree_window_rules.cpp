#include "multiview/file_tree_window_rules.h"

#include <cstdlib>

namespace {

int Width(const RECT& r)
{
    return r.right - r.left;
}

int Height(const RECT& r)
{
    return r.bottom - r.top;
}

void Reset(RECT& rect, const RECT& defaults, bool widths, bool heights)
{
    const int width = widths ? Width(defaults) : Width(rect);
    const int height = heights ? Height(defaults) : Height(rect);
    rect = RECT{0, 0, width, height};
}

bool OffOrigin(const RECT& r)
{
    return r.left != 0 || r.top != 0;
}

bool TreeOutOfRange(const RECT& r)
{
    return OffOrigin(r) || Width(r) < 50 || Height(r) < 50;
}

bool LineOutOfRange(const RECT& r, int minWidth)
{
    return OffOrigin(r) || Width(r) < minWidth || Height(r) < 18 || Height(r) > 25;
}

int TreeWidth(const FileTreeRects& rects)
{
    return Width(rects.folder);
}

}  // namespace

void RepairFileTreeRects(FileTreeRects& rects, bool widths, bool heights, bool folderToo)
{
    if (folderToo)
        Reset(rects.folder, kFileTreeDefaultRects.folder, widths, heights);
    Reset(rects.file, kFileTreeDefaultRects.file, widths, heights);
    Reset(rects.filter, kFileTreeDefaultRects.filter, widths, heights);
    Reset(rects.explore, kFileTreeDefaultRects.explore, widths, heights);
}

void RepairFileTreeRectsAtSetup(FileTreeRects& rects, const TreeWindowFigures& f)
{
    const bool folderBad = TreeOutOfRange(rects.folder);
    if (folderBad || TreeOutOfRange(rects.file))
        RepairFileTreeRects(rects, true, true, folderBad);
    if (LineOutOfRange(rects.filter, 50) || LineOutOfRange(rects.explore, 25))
        RepairFileTreeRects(rects, true, true, false);
    rects.file.right = rects.file.left + TreeWidth(rects);
    if (Width(rects.filter) + Width(rects.explore) + 4 != TreeWidth(rects)) {
        rects.explore.right = rects.explore.left + 26;
        rects.filter.right = rects.filter.left + TreeWidth(rects) - 30;
    }
    if (2 * f.fw + 8 + TreeWidth(rects) > f.screenWidth / 2)
        RepairFileTreeRects(rects, true, false, true);
    if (2 * f.fh + 16 + Height(rects.folder) + Height(rects.file) + Height(rects.filter) + f.cap >
        f.screenHeight)
        RepairFileTreeRects(rects, false, true, true);
}

SIZE FileTreeWindowSize(const FileTreeRects& rects, const TreeWindowFigures& f)
{
    return SIZE{2 * f.fw + 8 + TreeWidth(rects),
        2 * f.fh + 16 + Height(rects.folder) + Height(rects.file) + Height(rects.filter) + f.cap};
}

FileTreePlaces PlaceFileTreeControls(const FileTreeRects& rects)
{
    const int folderHeight = Height(rects.folder);
    const int fileTop = folderHeight + 8;
    const int lineTop = fileTop + Height(rects.file) + 4;
    const int exploreLeft = 4 + Width(rects.filter) + 4;
    FileTreePlaces places{};
    places.folder = RECT{4, 4, 4 + Width(rects.folder), 4 + folderHeight};
    places.file = RECT{4, fileTop, 4 + Width(rects.file), fileTop + Height(rects.file)};
    places.filter = RECT{4, lineTop, 4 + Width(rects.filter), lineTop + Height(rects.filter)};
    places.explore =
        RECT{exploreLeft, lineTop, exploreLeft + Width(rects.explore), lineTop + Height(rects.explore)};
    places.splitter = RECT{places.folder.left, places.folder.bottom, places.folder.right, places.file.top};
    return places;
}

void ResizeFileTreeRects(FileTreeRects& rects, SIZE window, const TreeWindowFigures& f)
{
    const int treeWidth = window.cx - (2 * f.fw + 8);
    rects.folder.right = rects.folder.left + treeWidth;
    rects.file.right = rects.file.left + treeWidth;
    rects.filter.right = rects.filter.left + treeWidth - 30;
    rects.explore.right = rects.explore.left + 26;

    const int folderHeight = Height(rects.folder);
    const int bothHeights = folderHeight + Height(rects.file);
    const int forTrees = window.cy - 2 * f.fh - f.cap - 16 - Height(rects.filter);
    const int folderPart = bothHeights > 0
        ? static_cast<int>(static_cast<long long>(forTrees) * folderHeight / bothHeights)
        : forTrees / 2;
    rects.folder.bottom = rects.folder.top + folderPart;
    rects.file.bottom = rects.file.top + forTrees - folderPart;

    if (window.cx < kFileTreeMinWindowWidth)
        RepairFileTreeRects(rects, true, false, true);
    if (window.cy < kFileTreeMinWindowHeight)
        RepairFileTreeRects(rects, false, true, true);
}

SplitterStep StepSplitter(FileTreeRects& rects, int dy, int pointerX, const RECT& band)
{
    if (dy == 0)
        return {true, false};
    if (std::abs(dy) > kSplitterMaxStep)
        return {false, false};
    const int folderHeight = Height(rects.folder) + dy;
    const int fileHeight = Height(rects.file) - dy;
    if (folderHeight < kSplitterMinTreeHeight || fileHeight < kSplitterMinTreeHeight)
        return {false, false};
    rects.folder.bottom = rects.folder.top + folderHeight;
    rects.file.bottom = rects.file.top + fileHeight;
    const bool withinBand = pointerX >= band.left && pointerX < band.right;
    return {withinBand, true};
}
