// The frame keeps the EXIF information window: a request opens it and
// answers with its listing, a close request or the window's own close ends
// it, and the frame returns to the rectangle it had before the window's
// docking narrowed it.
#include "app/main_frame.h"
#include "core/frame_messages.h"
#include "exif/exif_tag_mask.h"
#include "multiview/exif_window.h"
#include "platform/system/screen_metrics.h"
#include "tests/support/exif_builder.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MainFrameExifGui : public FrameAppTest {
protected:
    ~MainFrameExifGui() override { ExifDisplaySettings = m_saved; }
    QString Fixture()
    {
        ExifDisplaySettings.mask = ExifTagMask{};
        SetExifClearTag(271, 1, ExifDisplaySettings.mask);
        const QString path = m_dir.filePath(QStringLiteral("a.jpg"));
        EXPECT_TRUE(ExifBuilder().Ascii(ExifBuilder::Ifd0, 271, "Maker").WriteTo(path));
        return path;
    }
    HWND ExifWindow() const { return m_frame->Window(AppWindow::ExifWindow); }
    LRESULT ShowExif(const QString& path)
    {
        return m_frame->SendMessage(WM_FRAME_SHOW_EXIF, reinterpret_cast<WPARAM>(&path));
    }

    ExifDisplaySettingsRecord m_saved = ExifDisplaySettings;
    QTemporaryDir m_dir;
};

TEST_F(MainFrameExifGui, ARequestOpensTheWindowAndAnswersWithItsListing)
{
    ExifDisplaySettings.rememberPosition = 1;
    const QString path = Fixture();

    EXPECT_EQ(m_frame->SendMessage(WM_FRAME_SHOW_EXIF), 0);  // no path: opened, nothing listed
    const HWND window = ExifWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ShowExif(path), 1);
    EXPECT_EQ(ExifWindow(), window);  // one window at a time
    EXPECT_EQ(ShowExif(m_dir.filePath(QStringLiteral("missing.jpg"))), 0);

    m_frame->SendMessage(WM_FRAME_CLOSE_EXIFVIEW);
    EXPECT_EQ(ExifWindow(), nullptr);
    // The window's own close (Esc) ends it through the frame as well.
    ShowExif(path);
    ASSERT_NE(ExifWindow(), nullptr);
    ::SendMessageW(ExifWindow(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(ExifWindow(), nullptr);
}

TEST_F(MainFrameExifGui, DockingNarrowsAFullFrameAndItsEndWidensItAgain)
{
    ExifDisplaySettings.rememberPosition = 0;
    const QString path = Fixture();
    RECT before{};
    m_frame->GetWindowRect(&before);
    ASSERT_EQ(ShowExif(path), 1);
    RECT exif{};
    ::GetWindowRect(ExifWindow(), &exif);
    RECT narrowed{};
    m_frame->GetWindowRect(&narrowed);
    // The frame fills the screen, so the window has no room beside it.
    ASSERT_GT(before.right + (exif.right - exif.left), QueryScreenSize().cx);
    EXPECT_EQ(m_frame->m_rcBeforeExif, before);
    EXPECT_LT(narrowed.right, before.right);
    EXPECT_EQ(exif.right, QueryScreenSize().cx);
    EXPECT_EQ(exif.top, before.top);
    m_frame->SendMessage(WM_FRAME_CLOSE_EXIFVIEW);
    PumpFor(50);
    RECT after{};
    m_frame->GetWindowRect(&after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(m_frame->m_rcBeforeExif, RECT{});
    // Docked again and left open: the frame's end closes it with the rest.
    ASSERT_EQ(ShowExif(path), 1);
    EXPECT_NE(ExifWindow(), nullptr);
}

TEST_F(MainFrameExifGui, TheFrameReturnsToItsRectangleAsTheWindowGoesUnlessResized)
{
    RECT now{};
    m_frame->GetWindowRect(&now);
    // Kept at docking; the window's end restores it once and forgets it.
    m_frame->m_rcBeforeExif = RECT{now.left, now.top, now.right - 40, now.bottom};
    EXPECT_EQ(m_frame->SendMessage(WM_FRAME_EXIFVIEW_DESTROYED), 1);
    EXPECT_EQ(m_frame->m_rcBeforeExif, RECT{});
    PumpFor(50);
    RECT restored{};
    m_frame->GetWindowRect(&restored);
    EXPECT_EQ(restored.right - restored.left, now.right - now.left - 40);
    // Nothing kept: the frame stays where it is.
    EXPECT_EQ(m_frame->SendMessage(WM_FRAME_EXIFVIEW_DESTROYED), 1);
    RECT after{};
    m_frame->GetWindowRect(&after);
    EXPECT_EQ(after, restored);
}

}  // namespace
