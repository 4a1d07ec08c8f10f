// The rules of the save-size dialog, apart from the dialog: checking a height
// or width the user typed against the settings' bounds, and following it with
// the other side while the ratio is kept.
#pragma once

#include <QString>

struct SaveSizeBounds {
    int minimum;    // MinSaveSize, for both sides
    int maxWidth;   // MaxSaveSizeWidth
    int maxHeight;  // MaxSaveSizeHeight
};

struct SaveSize {
    int width;
    int height;
    bool operator==(const SaveSize&) const = default;
};

struct SaveSizeCheck {
    SaveSize size;         // the values to keep and show
    bool refused;          // a bound was broken: the message is due
    int shownMinimum = 0;  // the bounds the message names
    int shownMaximum = 0;
};

// The ratio width / height of the size the dialog opens with; 0 when either
// side is not positive (no side can then follow the other).
double SaveSizeRatio(SaveSize size);

// After the height box: `typed` holds the boxes' values, `before` the values
// before the edit. A height out of bounds restores the old height; with the
// ratio kept a changed height sets width := height x ratio (truncated), and a
// width out of bounds restores both.
SaveSizeCheck CheckTypedHeight(
    SaveSize before, SaveSize typed, bool keepRatio, double ratio, SaveSizeBounds bounds);
// The same after the width box: height := width / ratio (truncated).
SaveSizeCheck CheckTypedWidth(
    SaveSize before, SaveSize typed, bool keepRatio, double ratio, SaveSizeBounds bounds);

// "指定できる最小サイズは %d, 最大サイズは %d までです。"
QString SaveSizeRangeMessage(int minimum, int maximum);
