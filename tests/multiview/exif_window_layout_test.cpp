#include "multiview/exif_window_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ExifWindowText, NameThenEachLineEndingInOneCrLf)
{
    // A formatter line may end in "\n" already; it still gets exactly one break.
    const QString text = BuildExifText(QStringLiteral("a.jpg"),
        {QStringLiteral("Make : X"), QStringLiteral("Note : two\n"), QStringLiteral("Model : Y")});
    EXPECT_EQ(text, QStringLiteral("a.jpg\r\nMake : X\r\nNote : two\r\nModel : Y\r\n"));
}

TEST(ExifWindowText, StopsAfterTheLineThatPassesTheLimitWithoutABreak)
{
    const QString line(259, u'x');
    const QStringList lines(30, line);  // 30 x 261 characters would pass 5000
    const QString text = BuildExifText(QStringLiteral("n"), lines);
    EXPECT_LE(text.size(), kExifTextChars);
    EXPECT_TRUE(text.endsWith(line));
    // Every line but the last kept its break, and the text passed the limit only with the last line.
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), text.count(line));
    EXPECT_GT(text.size(), kExifTextChars - kExifLineChars);
    EXPECT_LE(text.size() - line.size(), kExifTextChars - kExifLineChars);
}

TEST(ExifWindowText, LineSpacingByResolution)
{
    const struct {
        int dpi, spacing;
    } cases[] = {{96, 0}, {100, 0}, {101, 3}, {120, 3}, {125, 3}, {126, 5}, {144, 5}};
    for (const auto& c : cases)
        EXPECT_EQ(ExifLineSpacing(c.dpi), c.spacing) << c.dpi;
}

TEST(ExifWindowText, BottomStopsAboveTheScreensBottom)
{
    EXPECT_EQ(FitExifBottom(700, 768).bottom, 700);
    EXPECT_EQ(FitExifBottom(700, 768).shortenedBy, 0);
    EXPECT_EQ(FitExifBottom(900, 768).bottom, 738);
    EXPECT_EQ(FitExifBottom(900, 768).shortenedBy, 162);
}

TEST(ExifWindowDock, FrameFillingTheScreenGivesWayToTheWindow)
{
    const ExifDock dock = DockExifWindow(1920, RECT{0, 10, 1920, 1000}, SIZE{300, 400}, 600);
    EXPECT_TRUE(dock.narrowFrame);
    EXPECT_EQ(dock.frame, (RECT{0, 10, 1619, 1000}));
    EXPECT_EQ(dock.window, (RECT{1620, 10, 1920, 410}));
}

TEST(ExifWindowDock, RoomBesideANarrowFrameLeavesTheFrameAlone)
{
    const ExifDock dock = DockExifWindow(1920, RECT{100, 20, 900, 700}, SIZE{300, 400}, 600);
    EXPECT_FALSE(dock.narrowFrame);
    EXPECT_EQ(dock.frame, (RECT{100, 20, 900, 700}));
    EXPECT_EQ(dock.window, (RECT{901, 20, 1201, 420}));
}

TEST(ExifWindowDock, FrameKeepsItsMinimumAndTheWindowStaysOnTheScreen)
{
    // Wider than the screen: the window is cut to the screen's width, the
    // frame keeps its minimum width, and the window lies over it.
    const ExifDock wide = DockExifWindow(1024, RECT{0, 0, 1024, 700}, SIZE{3000, 200}, 600);
    EXPECT_TRUE(wide.narrowFrame);
    EXPECT_EQ(wide.frame, (RECT{0, 0, 600, 700}));
    EXPECT_EQ(wide.window, (RECT{0, 0, 1024, 200}));
    // A frame already at its minimum is not narrowed at all.
    const ExifDock least = DockExifWindow(1024, RECT{0, 0, 600, 700}, SIZE{500, 200}, 600);
    EXPECT_FALSE(least.narrowFrame);
    EXPECT_EQ(least.frame.right, 600);
    EXPECT_EQ(least.window, (RECT{524, 0, 1024, 200}));
}

}  // namespace
