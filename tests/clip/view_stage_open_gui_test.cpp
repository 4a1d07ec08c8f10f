// Images reaching the view stage: opened by path, dropped, handed over by
// the frame and continuous capture, refused, and cleared.
#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "core/frame_messages.h"
#include "platform/clipboard/clipboard.h"
#include "platform/gdi/gdi.h"
#include "platform/window/drop_files.h"
#include "platform/x11/null_desktop_services.h"
#include "tests/clip/view_stage_fixture.h"
#include "tests/support/scripted_dialogs.h"

#include <cstring>

namespace {

using ViewStageOpen = ViewStageTest;

TEST_F(ViewStageOpen, SmallImageIsShownPixelForPixel)
{
    const QImage picture = PatternImage(40, 30);
    for (const char* name : {"small.png", "small.bmp"}) {
        SCOPED_TRACE(name);
        const QString path = Write(QString::fromLatin1(name), picture);
        EXPECT_EQ(stage.RequestOpenImageFile(path), 1);
        ASSERT_TRUE(stage.HasImage());
        EXPECT_EQ(ViewSize().cx, 40);
        EXPECT_EQ(ViewSize().cy, 30);
        for (QPoint p : {QPoint(0, 0), QPoint(39, 0), QPoint(17, 11), QPoint(0, 29), QPoint(39, 29)})
            EXPECT_EQ(ViewPixel(p.x(), p.y()), picture.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();
        EXPECT_EQ(Field(IDC_STAGE_IMAGE_NAME), QString::fromLatin1(name));
        EXPECT_EQ(Field(IDC_STAGE_IMAGE_SIZE), QStringLiteral("40×30"));
        EXPECT_TRUE(OneToOneEnabled());
        EXPECT_EQ(AppSettings.LastAccessDir, dir.path() + QStringLiteral("/"));
    }
    // The stage keeps the minimum size around a small view, and the frame is told after each request.
    EXPECT_EQ(StageSize().cx, 674);
    EXPECT_EQ(StageSize().cy, 600);
    EXPECT_GE(frame.Count(WM_FRAME_CLOSE_SKY), 2);
    EXPECT_GE(frame.Count(WM_FRAME_CLOSE_CONTRAST), 2);
    EXPECT_EQ(g_szCaptureTitle, QStringLiteral("small"));
}

TEST_F(ViewStageOpen, LargeImageIsFittedIntoTheLargestView)
{
    // Four quadrants of one colour each.
    QImage picture(3000, 2000, QImage::Format_RGB32);
    const QRgb colours[4] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(200, 200, 0)};
    for (int y = 0; y < 2000; ++y)
        for (int x = 0; x < 3000; ++x)
            picture.setPixel(x, y, colours[(x >= 1500 ? 1 : 0) + (y >= 1000 ? 2 : 0)]);
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("large.png"), picture)), 1);
    ASSERT_TRUE(stage.HasImage());
    // Largest view 1908 x 901: the scale is 901 / 2000.
    EXPECT_EQ(ViewSize().cx, 1351);
    EXPECT_EQ(ViewSize().cy, 901);
    EXPECT_EQ(StageSize().cx, 1920);
    EXPECT_EQ(StageSize().cy, 940);
    const int w = ViewSize().cx;
    const int h = ViewSize().cy;
    EXPECT_EQ(ViewPixel(w / 4, h / 4), colours[0] & 0xFFFFFF);
    EXPECT_EQ(ViewPixel(3 * w / 4, h / 4), colours[1] & 0xFFFFFF);
    EXPECT_EQ(ViewPixel(w / 4, 3 * h / 4), colours[2] & 0xFFFFFF);
    EXPECT_EQ(ViewPixel(3 * w / 4, 3 * h / 4), colours[3] & 0xFFFFFF);
    EXPECT_EQ(Field(IDC_STAGE_IMAGE_SIZE), QStringLiteral("3000×2000"));
}

TEST_F(ViewStageOpen, RefusedFilesLeaveTheStageEmpty)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const Case cases[] = {
        {"broken.png", QByteArray("\x89PNG\r\n\x1a\n garbage", 17), "ファイルの読み込みに失敗しました。"},
        {"notes.txt", QByteArray("text"), "対応していないファイルタイプです。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("good.png"), PatternImage(20, 10))), 1);
        ASSERT_TRUE(stage.HasImage());
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(stage.RequestOpenImageFile(WriteBytes(QString::fromLatin1(c.name), c.bytes)), 1);
        EXPECT_TRUE(boxes.Texts().contains(QString::fromUtf8(c.message)))
            << boxes.Texts().join(u'|').toStdString();
        EXPECT_FALSE(stage.HasImage());
        EXPECT_EQ(ViewSize().cx, 0);
        EXPECT_EQ(Field(IDC_STAGE_IMAGE_SIZE), QString());
        EXPECT_FALSE(OneToOneEnabled());
        EXPECT_EQ(StageSize().cx, 674);
        EXPECT_EQ(StageSize().cy, 600);
    }
}

TEST_F(ViewStageOpen, DroppedFiles)
{
    const QString a = Write(QStringLiteral("a.png"), PatternImage(8, 8));
    const QString b = Write(QStringLiteral("b.png"), PatternImage(9, 9));
    {
        ScriptedMessageBoxes boxes;
        HDROP two = MakeDropRecord({a, b}, POINT{5, 5});
        EXPECT_EQ(stage.SendMessage(WM_STAGE_DROP_FILES, reinterpret_cast<WPARAM>(two)), 1);
        FreeDropRecord(two);
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("一度に複数のファイルは開けません。")});
        EXPECT_FALSE(stage.HasImage());
    }
    HDROP one = MakeDropRecord({b}, POINT{5, 5});
    stage.SendMessage(WM_STAGE_DROP_FILES, reinterpret_cast<WPARAM>(one));
    FreeDropRecord(one);
    EXPECT_TRUE(stage.HasImage());
    EXPECT_EQ(ViewSize().cx, 9);
    // Both drops bring the frame forward.
    EXPECT_TRUE(PumpUntil([&] { return frame.Count(WM_FRAME_FOREGROUND) == 2; }));
}

TEST_F(ViewStageOpen, PathsHandedOverByTheFrameAndContinuousCapture)
{
    g_szOpenFilePath = Write(QStringLiteral("shared.bmp"), PatternImage(12, 6));
    EXPECT_EQ(stage.SendMessage(WM_STAGE_OPEN_SHARED_PATH), 1);
    EXPECT_EQ(ViewSize().cx, 12);

    g_pszContinueCaptureLastPath = Write(QStringLiteral("serial.png"), PatternImage(14, 7));
    EXPECT_EQ(stage.SendMessage(WM_STAGE_OPEN_PATH_PTR), 1);
    g_pszContinueCaptureLastPath.clear();  // the sender frees its buffer
    EXPECT_EQ(ViewSize().cx, 14);
    EXPECT_EQ(Field(IDC_STAGE_IMAGE_NAME), QStringLiteral("serial.png"));

    // An empty buffer opens nothing.
    EXPECT_EQ(stage.SendMessage(WM_STAGE_OPEN_PATH_PTR), 1);
    EXPECT_EQ(ViewSize().cx, 14);
    g_szOpenFilePath.clear();
}

TEST_F(ViewStageOpen, ClearingAsksFirstAndNoChangesNothing)
{
    OpenPanel();
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("keep.png"), PatternImage(30, 20))), 1);
    EXPECT_EQ(panel.Count(WM_CLIPCTL_IMAGE_READY), 1);
    {
        ScriptedMessageBoxes boxes({IDNO});
        stage.SendMessage(WM_STAGE_NEW_VIEW, 1, 1);
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("イメージをクリアします。よろしいですか？")});
        EXPECT_TRUE(stage.HasImage());
        EXPECT_EQ(ViewSize().cx, 30);
        EXPECT_EQ(Field(IDC_STAGE_IMAGE_SIZE), QStringLiteral("30×20"));
        EXPECT_EQ(panel.Count(WM_CLIPCTL_NO_IMAGE), 0);
    }
    {
        ScriptedMessageBoxes boxes({IDYES});
        stage.SendMessage(WM_STAGE_NEW_VIEW, 1, 1);
        EXPECT_FALSE(stage.HasImage());
        EXPECT_EQ(Field(IDC_STAGE_IMAGE_NAME), QString());
        EXPECT_EQ(panel.Count(WM_CLIPCTL_NO_IMAGE), 1);
        EXPECT_FALSE(OneToOneEnabled());
    }
}

TEST_F(ViewStageOpen, EditsReachTheSurface)
{
    const QImage picture = PatternImage(20, 10);
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("edit.png"), picture)), 1);
    ASSERT_TRUE(stage.HasImage());
    EXPECT_EQ(ViewPixel(3, 2), picture.pixel(3, 2) & 0xFFFFFF);

    EXPECT_EQ(stage.SendMessage(WM_STAGE_FLIP_LR), 1);
    EXPECT_EQ(ViewPixel(3, 2), picture.pixel(16, 2) & 0xFFFFFF);
    EXPECT_EQ(stage.SendMessage(WM_STAGE_ROTATE_90), 1);
    EXPECT_EQ(ViewSize().cx, 10);
    EXPECT_EQ(ViewSize().cy, 20);
    stage.SendMessage(WM_STAGE_RESET_IMAGE);
    EXPECT_EQ(ViewSize().cx, 20);
    EXPECT_EQ(ViewPixel(3, 2), picture.pixel(3, 2) & 0xFFFFFF);
}

TEST_F(ViewStageOpen, ClipboardBitmapReachesTheStage)
{
    const QImage picture = PatternImage(24, 16);
    BITMAPINFO info{};
    info.bmiHeader.biSize = 40;
    info.bmiHeader.biWidth = picture.width();
    info.bmiHeader.biHeight = -picture.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(static_cast<BYTE*>(bits) + y * rgb.width() * 4, rgb.constScanLine(y), rgb.width() * 4);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_BITMAP, bitmap), nullptr);
    CloseClipboard();

    ASSERT_TRUE(OpenClipboard(nullptr));
    auto* held = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(held, nullptr);
    stage.NameRequestedImage(QStringLiteral("clipboard.bmp"));
    EXPECT_EQ(stage.SendMessage(WM_STAGE_OPEN_IMAGE, kStageOpenClipboard, reinterpret_cast<LPARAM>(held)), 1);
    // The clipboard still holds its bitmap.
    EXPECT_EQ(GetClipboardData(CF_BITMAP), held);
    CloseClipboard();

    ASSERT_TRUE(stage.HasImage());
    EXPECT_EQ(stage.Image().infoHeader.biBitCount, 24);
    EXPECT_EQ(ViewSize().cx, 24);
    EXPECT_EQ(ViewSize().cy, 16);
    for (QPoint p : {QPoint(0, 0), QPoint(23, 0), QPoint(9, 7), QPoint(23, 15)})
        EXPECT_EQ(ViewPixel(p.x(), p.y()), picture.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();

    // No bitmap: the import fails with its message and the stage is cleared.
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(stage.SendMessage(WM_STAGE_OPEN_IMAGE, kStageOpenClipboard, 0), 1);
    EXPECT_TRUE(boxes.Texts().contains(QStringLiteral("クリップボードからの取り込みに失敗しました。")))
        << boxes.Texts().join(u'|').toStdString();
    EXPECT_FALSE(stage.HasImage());
}

TEST_F(ViewStageOpen, FailedCaptureTellsTheUserAndGivesTheFrameItsTitleBack)
{
    // Without a screen to copy every capture fails: the desktop is a null one,
    // also where the tests run with a display.
    struct NullDesktop {
        NullWindowList windows;
        NullWindowControl control;
        NullScreenGrab grab;
        NullCursor cursor;
        NullPointerConfinement pointer;
        NullInput input;
        DesktopServices services{windows, control, grab, cursor, pointer, input};
        NullDesktop() { SetDesktopServicesForTesting(&services); }
        ~NullDesktop() { SetDesktopServicesForTesting(nullptr); }
    } desktop;
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("before.png"), PatternImage(20, 10))), 1);
    frame.SetWindowText(QStringLiteral("Kestrel - before.png"));
    AppSettings.WaitForCapture = 0;
    struct VersionGuard {
        DWORD saved = g_nWindowsVersion;
        ~VersionGuard() { g_nWindowsVersion = saved; }
    } version;
    g_nWindowsVersion = 0x700;
    stage.NameRequestedImage(QStringLiteral("full_screen.bmp"));
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(stage.SendMessage(WM_STAGE_OPEN_IMAGE, kStageOpenFullScreen, 0), 1);
    const QList<MessageBoxRequest> shown = boxes.Requests();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].caption, QStringLiteral("キャプチャ失敗"));
    EXPECT_EQ(shown[1].text, QStringLiteral("画像の取り込みに失敗しました。"));
    EXPECT_EQ(frame.GetWindowText(), QStringLiteral("Kestrel - before.png"));
    EXPECT_FALSE(stage.HasImage());
}

}  // namespace
