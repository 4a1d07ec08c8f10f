// The folder-tree window's rules, kept free of windows: the tree's stored
// size, repaired and turned into the window's size; the shortcut area's
// rows; and the five shortcut folders, registered and jumped to.
#pragma once

#include "multiview/tree_window_rules.h"

#include <QString>
#include <array>

// The tree's top offset in the client area with the shortcut area shown or hidden.
inline constexpr int kFolderTreeTopShortcutsShown = 129;
inline constexpr int kFolderTreeTopShortcutsHidden = 22;
int FolderTreeTop(bool shortcutsShown);

inline constexpr int kFolderTreeDefaultHeight = 180;
inline constexpr int kFolderTreeMinSide = 50;
inline constexpr int kFolderTreeMinWindowWidth = 250;
inline constexpr int kFolderTreeMinWindowHeight = 400;

// The tree's default width: the multi-view panel's width less the window's margins.
int FolderTreeDefaultWidth(int panelWidth, const TreeWindowFigures& f);

// The stored tree rectangle (only its size counts) as the window opens: one
// placed off the origin or smaller than 50 on a side is reset; a width that
// would make the window wider than half the screen, or a height that would
// make it taller than the screen, is reset on its own.
SIZE RepairFolderTreeSize(const RECT& stored, const TreeWindowFigures& f, int panelWidth);

// The window's size around a tree of that size at top offset `top`.
SIZE FolderTreeWindowSize(SIZE tree, int top, const TreeWindowFigures& f);
// The tree's rectangle in the client area.
RECT FolderTreeRect(SIZE tree, int top);

// The tree's size after the user sized the window: what the window leaves
// for it, with a width reset below a window 250 wide and a height reset below
// a window 400 high.
SIZE FolderTreeSizeForWindow(SIZE window, int top, const TreeWindowFigures& f, int panelWidth);

// The tree's height once the shortcut area is shown or hidden in a window
// that keeps its size: from top + 4 down to the client bottom less FH + 4.
int FolderTreeHeightInClient(int clientHeight, int top, const TreeWindowFigures& f);

// One row of the shortcut area laid out against the client's right edge:
// the button keeps the width of the first button and ends 3 pixels inside
// the edge; the label ends 3 pixels left of the button.
struct ShortcutRowPlace {
    RECT label;
    RECT button;
};
ShortcutRowPlace PlaceShortcutRow(const RECT& label, const RECT& button, int buttonWidth, int clientWidth);
// The shortcut area's group box reaching the client's right edge.
RECT StretchShortcutGroup(const RECT& group, int clientWidth);

// The five shortcut folders.
inline constexpr int kShortcutCount = 5;
using ShortcutFolders = std::array<QString, kShortcutCount>;
// The longest folder path the program keeps.
inline constexpr int kShortcutPathCapacity = 520;

inline constexpr char16_t kShortcutUnregistered[] = u"--未登録--";
inline constexpr char16_t kShortcutNoFolderMessage[] =
    u"フォルダが指定されていないか、登録できないフォルダです。";
inline constexpr char16_t kShortcutDuplicateMessage[] = u"指定されたフォルダは既に登録されています。";
inline constexpr char16_t kShortcutMissingMessage[] = u"このフォルダは存在しません。";

// A stored shortcut counts when it is longer than one character.
bool IsShortcutRegistered(const QString& stored);
// The label's text: the folder, or "--未登録--".
QString ShortcutLabelText(const QString& stored);

enum class ShortcutRegistration {
    Registered,
    NoFolder,           // no current folder, or one too long to keep
    AlreadyRegistered,  // the same text stands in a slot already
};
// Registers the current folder as shortcut `index` (0..4) unless the outcome says why not.
ShortcutRegistration RegisterShortcut(ShortcutFolders& folders, int index, const QString& currentFolder);

enum class ShortcutJump {
    Walk,          // show the folder in the tree
    Missing,       // the folder is gone: tell the user
    AlreadyShown,  // the multi view shows it already: nothing to do
};
ShortcutJump DecideShortcutJump(const QString& folder, bool folderExists, const QString& multiViewFolder);
