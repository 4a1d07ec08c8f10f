// The capture-window chooser's arithmetic, apart from any window: which row
// lies under a point, and how tall the chooser is and where it stands.
#pragma once

// The row under y (the list's client coordinates) of `count` rows that fill a
// view `viewHeight` pixels tall: y / (viewHeight / count), truncated, kept
// within 0 .. count - 1. -1 (no row) for an empty list or a view of no height.
int ChooserRowAt(int y, int viewHeight, int count);

struct ChooserLayout {
    int dialogTop;
    int dialogHeight;  // the list and its margins
    int listHeight;
};

// Pixels above and below the list.
inline constexpr int kChooserListMargin = 5;

// The chooser at `top` holding `count` rows of `rowHeight`: as tall as its rows
// and margins, moved up so that its bottom stays at least 1.5 caption heights
// (truncated) above the screen's bottom.
ChooserLayout ComputeChooserLayout(int top, int count, int rowHeight, int screenHeight, int captionHeight);
