// The EXIF window's arithmetic, kept free of windows: the text it shows,
// the spacing between its lines, how far it may reach down the screen and
// where it docks beside the main frame.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <QStringList>

// The text buffer's size and the most one line may add to it.
inline constexpr int kExifTextChars = 5000;
inline constexpr int kExifLineChars = 260;
// The window's bottom stays this far above the screen's bottom.
inline constexpr int kExifScreenBottomGap = 30;

// The file name and the lines, each followed by CR LF while the text stays
// within kExifTextChars - kExifLineChars; the first line that passes it ends
// the text without a break. A line's own "\n" ending becomes CR LF, so every
// line ends the same way whether the formatter ended it or not.
QString BuildExifText(const QString& fileName, const QStringList& lines);

// A formatter line without its own line end (as it is measured and shown).
QString ExifLineText(QString line);

// The gap between listed lines at a horizontal resolution in dots per inch.
int ExifLineSpacing(int dpi);

// The window's vertical reach: bottom is where it would end; the result is
// where it ends (no lower than screenHeight - kExifScreenBottomGap) and how
// much the list was shortened for that.
struct ExifVerticalFit {
    int bottom;
    int shortenedBy;
};
ExifVerticalFit FitExifBottom(int bottom, int screenHeight);

// Docking beside the main frame on a screen screenWidth wide. The window's
// width is bounded by the screen; the frame is narrowed (same left, top and
// height) only as far as minFrameWidth allows and never moved off the
// screen. narrowFrame tells whether the frame changes.
struct ExifDock {
    bool narrowFrame;
    RECT frame;   // the frame's rectangle after docking
    RECT window;  // the window's rectangle
};
ExifDock DockExifWindow(int screenWidth, const RECT& frame, SIZE window, int minFrameWidth);
