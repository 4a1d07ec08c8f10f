// A clip window's copy button on a real display: the range cut from the
// stage is on the X clipboard, and another program reads it back pixel for
// pixel as PNG, with BMP offered too. Kestrel serves the selection from its
// own event loop, so the loop runs while the other program reads.
#include "app/kestrel_app.h"
#include "clip/clip_window.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/copy_messages.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "platform/system/program_folder.h"
#include "platform/window/own_windows_on_screen.h"
#include "platform/x11/desktop_services.h"
#include "res/dialog_166_clip_window.h"
#include "tests/support/clipboard_reader.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

class ClipWindowClipboardX11 : public testing::Test {
protected:
    void SetUp() override
    {
        if (!DesktopIsAvailable())
            GTEST_SKIP() << "needs a display";
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            GTEST_SKIP() << "needs xclip";
        ASSERT_TRUE(m_dir.isValid());
        SetProgramFolderForTesting(m_dir.path());
        // A settings file of a program run before: no first-start notice.
        ASSERT_TRUE(WriteBytes(m_dir.filePath(QStringLiteral("Kestrel.cfg")), "[-Directory-]\n"));
        m_app = std::make_unique<CKestrelApp>();
        ASSERT_TRUE(m_app->InitInstance());
        m_frame = m_app->Frame();
        ASSERT_NE(m_frame, nullptr);
        ASSERT_NE(m_frame->GetViewStage(), nullptr);
        ASSERT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));
    }
    void TearDown() override
    {
        if (m_frame && m_frame->GetSafeHwnd()) {
            m_frame->SendMessage(WM_CLOSE);
            PumpUntil([&] { return !m_frame->GetSafeHwnd(); }, 3000);
        }
        m_app.reset();
        SetProgramFolderForTesting(QString());
        g_nStageMode = 1;
    }

    CDlgViewStage& Stage() { return *m_frame->GetViewStage(); }

    // Cuts the view's pixels between two points with the two-click method.
    void CutRange(int x0, int y0, int x1, int y1)
    {
        g_nRangeSelectMethod = 2;
        Stage().SendMessage(WM_COMMAND, MAKEWPARAM(ID_STAGE_ENTER_CLIP, 0), 0);
        const RECT v = Stage().ViewRectangle();
        for (const POINT p : {POINT{v.left + x0, v.top + y0}, POINT{v.left + x1, v.top + y1}}) {
            Stage().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
            Stage().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        }
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CKestrelApp> m_app;
    CMainFrame* m_frame = nullptr;
};

TEST_F(ClipWindowClipboardX11, TheCopyButtonPutsTheCutRangeOnTheClipboardForOtherPrograms)
{
    const QImage picture = PatternImage(120, 90).convertToFormat(QImage::Format_RGB32);
    const QString path = m_dir.filePath(QStringLiteral("p.png"));
    ASSERT_TRUE(picture.save(path));
    ASSERT_EQ(Stage().RequestOpenImageFile(path), 1);

    CutRange(7, 9, 52, 40);
    CDlgClipWindow* clip = m_frame->m_pClipWindow[0];
    ASSERT_NE(clip, nullptr);
    // Both clicks' pixels belong to the range: the stage shows the picture at 1.0.
    const RECT range = AppSettings.ClipPrevRect;
    ASSERT_EQ(range.left, 7);
    ASSERT_EQ(range.top, 9);
    ASSERT_EQ(range.right, 52);
    ASSERT_EQ(range.bottom, 40);
    const QImage expected =
        picture.copy(range.left, range.top, range.right - range.left + 1, range.bottom - range.top + 1);

    ScriptedMessageBoxes boxes;
    clip->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CLIP_COPY, BN_CLICKED), 0);
    EXPECT_EQ(boxes.Texts(), QStringList{ClipboardCopyMessageText(1)});

    const QList<QByteArray> targets = ReadClipboardWithXclip(QStringLiteral("TARGETS")).split('\n');
    EXPECT_TRUE(targets.contains("image/png")) << targets.join(' ').toStdString();
    EXPECT_TRUE(targets.contains("image/bmp")) << targets.join(' ').toStdString();

    const QImage read = QImage::fromData(ReadClipboardWithXclip(QStringLiteral("image/png")), "PNG");
    ASSERT_FALSE(read.isNull());
    ASSERT_EQ(read.size(), expected.size());
    const QImage readRgb = read.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(readRgb.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
}

TEST_F(ClipWindowClipboardX11, TextTheFrameCopiesIsReadAsUtf8ByOtherPrograms)
{
    const QString text = QStringLiteral("赤:012  緑:034  青:056");
    m_frame->SendMessage(WM_FRAME_COPY_TEXT, reinterpret_cast<WPARAM>(&text));
    EXPECT_EQ(QString::fromUtf8(ReadClipboardWithXclip(QStringLiteral("UTF8_STRING"))), text);
}

}  // namespace
