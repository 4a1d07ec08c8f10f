#include "multiview/exif_window_layout.h"

#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

QString ExifLineText(QString line)
{
    if (line.endsWith(u'\n'))
        line.chop(1);
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

QString BuildExifText(const QString& fileName, const QStringList& lines)
{
    QString text = fileName + kCrLf;
    for (const QString& line : lines) {
        text += ExifLineText(line);
        if (text.size() > kExifTextChars - kExifLineChars)
            break;
        text += kCrLf;
    }
    return text;
}

int ExifLineSpacing(int dpi)
{
    if (dpi <= 100)
        return 0;
    return dpi <= 125 ? 3 : 5;
}

ExifVerticalFit FitExifBottom(int bottom, int screenHeight)
{
    const int limit = screenHeight - kExifScreenBottomGap;
    if (bottom <= limit)
        return {bottom, 0};
    return {limit, bottom - limit};
}

ExifDock DockExifWindow(int screenWidth, const RECT& frame, SIZE window, int minFrameWidth)
{
    const int width = std::clamp(static_cast<int>(window.cx), 0, std::max(0, screenWidth));
    ExifDock dock{false, frame, {}};
    if (screenWidth - frame.right - 1 < width) {
        // The frame gives way, but keeps its minimum width and stays on the screen.
        const int wanted = screenWidth - width - 1;
        const int floor = std::min<int>(frame.right, frame.left + minFrameWidth);
        const int right = std::max(wanted, floor);
        if (right < frame.right) {
            dock.narrowFrame = true;
            dock.frame.right = right;
        }
    }
    const int left = screenWidth < dock.frame.right + width ? screenWidth - width : dock.frame.right + 1;
    dock.window = RECT{left, dock.frame.top, left + width, dock.frame.top + window.cy};
    return dock;
}
