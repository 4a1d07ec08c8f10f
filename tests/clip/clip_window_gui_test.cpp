// Clip windows against a recording frame and control panel and a real view
// stage (whose save dialog is scripted): the picture at 1:1 and zoomed by the
// wheel, saving in every format at the three sizes and reloading, failed and
// cancelled saves, copying to the clipboard at the chosen size, pasting back,
// picking the PNG transparent colour, the first place and closing.
#include "clip/clip_window.h"
#include "clip/clip_window_rules.h"
#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/file_types.h"
#include "core/frame_messages.h"
#include "core/histories.h"
#include "core/save_size_globals.h"
#include "core/settings/app_settings.h"
#include "core/settings/settings_keys.h"
#include "core/stage_area.h"
#include "core/system_figures.h"
#include "imaging/bmp_file.h"
#include "imaging/dib_helpers.h"
#include "imaging/image_file_loaders.h"
#include "res/frame_command_ids.h"
#include "tests/support/dib_pixels.h"
#include "tests/support/display_figures.h"
#include "tests/support/fake_print_out_printer.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/print_dialog_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The frame: keeps the private messages and commands it receives and answers
// the copy request as a clipboard that takes (1) or refuses (0) the bitmap.
class ClipFrame : public CWnd {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    QList<Message> received;
    QList<QImage> copied;
    int copyAnswer = 1;

    bool Make() { return CreateEx(0, QStringLiteral("frame"), WS_POPUP, RECT{0, 0, 120, 80}, nullptr, 0); }
    QList<Message> Of(UINT message) const
    {
        QList<Message> found;
        for (const Message& m : received)
            if (m.message == message)
                found.append(m);
        return found;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER || message == WM_COMMAND)
            received.append(Message{message, wParam, lParam});
        if (message == WM_FRAME_COPY_BITMAP) {
            auto* bitmap = reinterpret_cast<HBITMAP>(wParam);
            copied.append(bitmap->image.copy());
            if (copyAnswer != 1)
                return 0;
            DeleteObject(bitmap);  // the clipboard's now
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ClipWindows : public AppStateSource {
public:
    HWND frame = nullptr;
    HWND stage = nullptr;
    HWND panel = nullptr;
    HWND clips[12]{};
    HWND Window(AppWindow w) const override
    {
        switch (w) {
        case AppWindow::MainFrame:
            return frame;
        case AppWindow::ViewStage:
            return stage;
        case AppWindow::ControlPanel:
            return panel;
        default:
            return nullptr;
        }
    }
    HWND ClipWindow(int index) const override { return index >= 0 && index < 12 ? clips[index] : nullptr; }
};

// A picture whose every pixel has its own colour.
QImage PatternImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 5) & 0xFF, (y * 7) & 0xFF, (x + y) * 3 & 0xFF));
    return image;
}

// A clip of w x h at bpp bits with the pattern's colours (8 bits: grey).
void FillSlot(CClipImageSlot* slot, int w, int h, int bpp)
{
    CLoadBitmap pattern;
    ASSERT_TRUE(FillPatternHolder(&pattern, w, h, bpp));
    slot->Reset(slot->index);
    ASSERT_EQ(InitDibHeaders(&slot->fileHeader, &slot->infoHeader, w, h, bpp, 0, 3780, 3780), 1);
    ASSERT_NE(slot->AllocColorTable(), nullptr);
    ASSERT_EQ(slot->AllocBits(), 1);
    CopyInfoHeader(&slot->colorBlock->bmiHeader, &slot->infoHeader);
    if (bpp == 8)
        std::memcpy(slot->colorBlock->bmiColors, pattern.info->bmiColors, 256 * sizeof(RGBQUAD));
    std::memcpy(slot->bits, pattern.bits, slot->fileHeader.bfSize - slot->fileHeader.bfOffBits);
}

// Answers the save-size dialog that opens next with w x h (0: as it opens)
// and OK, or with Cancel.
void AnswerSaveSize(int w, int h, bool ok)
{
    QTimer::singleShot(0, [=] {
        PumpUntil([] { return QApplication::activeModalWidget() != nullptr; }, 3000);
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        dialog->activateWindow();
        QApplication::setActiveWindow(dialog);
        PumpUntil([&] { return dialog->isActiveWindow(); }, 1000);
        QList<QLineEdit*> boxes = dialog->findChildren<QLineEdit*>();
        std::sort(boxes.begin(), boxes.end(), [](QLineEdit* a, QLineEdit* b) { return a->y() < b->y(); });
        if (ok && w > 0 && boxes.size() == 2) {
            // Height above width; each counts once its box has lost the focus.
            const int values[] = {h, w};
            for (int i = 0; i < 2; ++i) {
                boxes[i]->setFocus();
                PumpUntil([&] { return boxes[i]->hasFocus(); }, 500);
                boxes[i]->setText(QString::number(values[i]));
                boxes[1 - i]->setFocus();
                PumpFor(5);
            }
        }
        const QString wanted = ok ? QStringLiteral("OK") : QStringLiteral("キャンセル");
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == wanted)
                MouseClick(button, QPoint(5, 5));
    });
}

class ClipWindowGui : public testing::Test {
protected:
    void SetUp() override
    {
        m_metrics = g_ScreenMetrics;
        m_area = g_rcStageArea;
        m_settings = AppSettings;
        ASSERT_TRUE(dir.isValid());
        g_ScreenMetrics = FullHdScreenMetrics();
        g_fDpiScaleX = g_fDpiScaleY = 1.0f;
        g_rcStageArea = RECT{0, 100, 1920, 1040};
        ApplyAllSettingDefaults(AppSettings, dir.path() + QStringLiteral("/"), SIZE{1920, 1080});
        AppSettings.ClipZoomMag = 110;
        AppSettings.ShowQualityDlg = 0;
        AppSettings.FolderHistory = 0;
        AppSettings.ClipHistory = 0;
        AppSettings.ClipCloseOnSave = 0;
        AppSettings.ClipCloseOnClip = 0;
        AppSettings.ImageComplement = 0;
        AppSettings.IsClipWindowPos = 0;
        AppSettings.DefSaveFormat = 5;
        AppSettings.KeepRatioSize = 0;
        AppSettings.MinSaveSize = 10;
        AppSettings.MaxSaveSizeWidth = 4000;
        AppSettings.MaxSaveSizeHeight = 4000;
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(panel.Make());
        windows.frame = frame.GetSafeHwnd();
        windows.panel = panel.GetSafeHwnd();
        SetAppStateSource(&windows);
        ASSERT_TRUE(stage.Create(&frame));
        windows.stage = stage.GetSafeHwnd();
    }
    void TearDown() override
    {
        for (int i = 0; i < 12; ++i) {
            if (clips[i]) {
                clips[i]->DestroyWindow();
                clips[i].reset();
            }
            windows.clips[i] = nullptr;
        }
        stage.DestroyWindow();
        SetAppStateSource(nullptr);
        panel.DestroyWindow();
        frame.DestroyWindow();
        g_ScreenMetrics = m_metrics;
        g_rcStageArea = m_area;
        AppSettings = m_settings;
    }

    CDlgClipWindow& Open(int w, int h, int bpp = 24, BYTE index = 0)
    {
        slots[index] = std::make_unique<CClipImageSlot>(index);
        FillSlot(slots[index].get(), w, h, bpp);
        clips[index] = std::make_unique<CDlgClipWindow>(
            index, slots[index].get(), transparency, RECT{10, 20, 10 + w - 1, 20 + h - 1});
        EXPECT_TRUE(clips[index]->Create(&frame));
        windows.clips[index] = clips[index]->GetSafeHwnd();
        PumpFor(20);
        return *clips[index];
    }

    static void Press(CDlgClipWindow& w, int id) { w.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static void ChooseSize(CDlgClipWindow& w, int choice)
    {
        auto* combo = dynamic_cast<CComboBox*>(w.GetDlgItem(IDC_CLIP_SAVE_SIZE));
        combo->SetCurSel(choice);
        w.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CLIP_SAVE_SIZE, CBN_SELCHANGE),
            reinterpret_cast<LPARAM>(combo->GetSafeHwnd()));
    }
    static QString ComboText(CDlgClipWindow& w)
    {
        auto* combo = dynamic_cast<CComboBox*>(w.GetDlgItem(IDC_CLIP_SAVE_SIZE));
        QString text;
        combo->GetLBText(combo->GetCurSel(), text);
        return text;
    }
    // One wheel notch at a point of the client area.
    static void Wheel(CDlgClipWindow& w, POINT client, bool up)
    {
        w.ClientToScreen(&client);
        w.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, up ? 120 : -120), MAKELPARAM(client.x, client.y));
    }
    static POINT ImageCentre(const CDlgClipWindow& w)
    {
        const RECT r = w.ImageRectangle();
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // The picture as the control shows it (inside its one-pixel frame).
    static QImage Shown(CDlgClipWindow& w)
    {
        CWnd* picture = w.GetDlgItem(IDC_CLIP_PICTURE);
        picture->RedrawWindow();
        const SIZE s = w.ShownSize();
        return picture->GetSurface()->copy(1, 1, s.cx, s.cy);
    }
    bool Closed(BYTE index) const
    {
        for (const ClipFrame::Message& m : frame.Of(WM_FRAME_CLOSE_CLIPWINDOW))
            if (m.wParam == index)
                return true;
        return false;
    }

    struct Reloaded {
        CLoadBitmap_for_Dlg image;
        CPngTransparency transparency;
        bool ok = false;
    };
    static std::unique_ptr<Reloaded> Reload(const QString& path)
    {
        auto r = std::make_unique<Reloaded>();
        r->image.path.SetPath(path);
        r->ok = LoadImageFile(GetFileExtension(path), &r->image, &r->transparency, {}) == 1;
        return r;
    }

    QTemporaryDir dir;
    ClipFrame frame;
    ClipFrame panel;
    ClipWindows windows;
    CDlgViewStage stage;
    CPngTransparency transparency;
    std::unique_ptr<CClipImageSlot> slots[12];
    std::unique_ptr<CDlgClipWindow> clips[12];

private:
    ScreenMetrics m_metrics;
    RECT m_area{};
    AppSettingsRecord m_settings;
};

TEST_F(ClipWindowGui, ShowsExactlyItsPixelsAtOneToOne)
{
    for (int bpp : {8, 24, 32}) {
        CDlgClipWindow& w = Open(100, 80, bpp, static_cast<BYTE>(bpp / 8));
        EXPECT_EQ(w.ShownSize().cx, 100);
        EXPECT_EQ(w.ShownSize().cy, 80);
        EXPECT_EQ(w.GetWindowText(), QStringLiteral("Clip%1 1.000倍 (100×80)").arg(bpp / 8 + 1));
        const QImage shown = Shown(w);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 100; ++x)
                ASSERT_EQ(ColorrefFromPixel(shown.pixel(x, y)), PatternColor(x, y, 100, 80, bpp))
                    << bpp << ": " << x << "," << y;
    }
    // The buttons show our pictures.
    CDlgClipWindow& w = *clips[1];
    EXPECT_EQ(w.ShownImage(IDC_CLIP_SAVE), 177);
    EXPECT_EQ(w.ShownImage(IDC_CLIP_PICK_COLOR), 209);
    EXPECT_EQ(ClipWindowBitmapId(IDC_CLIP_COPY_TO_STAGE, 2), 359);
    EXPECT_TRUE(w.GetDlgItem(IDC_CLIP_PRINT)->IsWindowEnabled());
    EXPECT_EQ(ComboText(w), QStringLiteral("ｸﾘｯﾌﾟしたサイズ"));
    // Shown: the frame's status guidance names the window.
    EXPECT_FALSE(frame.Of(WM_FRAME_STATUS_GUIDE).isEmpty());
    EXPECT_EQ(frame.Of(WM_FRAME_STATUS_GUIDE).first().wParam, 166u);
}

TEST_F(ClipWindowGui, TheWheelOverThePictureZoomsInNotches)
{
    CDlgClipWindow& w = Open(100, 80);
    // Over the buttons' row: nothing.
    Wheel(w, POINT{10, 10}, true);
    EXPECT_EQ(w.ShownSize().cx, 100);

    Wheel(w, ImageCentre(w), true);
    EXPECT_EQ(w.ShownSize().cx, 110);
    EXPECT_EQ(w.ShownSize().cy, 88);
    EXPECT_EQ(w.GetWindowText(), QStringLiteral("Clip1 1.100倍 (110×88)"));
    EXPECT_EQ(ComboText(w), QStringLiteral("現在の表示サイズ"));
    EXPECT_EQ(w.SaveSizeChoice(), 1);
    RECT picture{};
    w.GetDlgItem(IDC_CLIP_PICTURE)->GetWindowRect(&picture);
    EXPECT_EQ(picture.right - picture.left, 112);
    EXPECT_EQ(picture.bottom - picture.top, 90);

    // The notch back, turned over the picture control (which hands the wheel
    // on), returns to 1:1 and to the clipped size's entry.
    POINT centre = ImageCentre(w);
    w.ClientToScreen(&centre);
    w.GetDlgItem(IDC_CLIP_PICTURE)
        ->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(w.ShownSize().cx, 100);
    EXPECT_EQ(w.SaveSizeChoice(), 0);
}

TEST_F(ClipWindowGui, ZoomSnapsStopsAtOneToOneAndKeepsASideAboveFivePixels)
{
    CDlgClipWindow& w = Open(405, 300);
    Wheel(w, ImageCentre(w), false);
    EXPECT_EQ(w.ShownSize().cx, 370);
    EXPECT_EQ(w.ShownSize().cy, 274);
    Wheel(w, ImageCentre(w), true);
    EXPECT_EQ(w.ShownSize().cx, 405);
    EXPECT_EQ(w.ShownSize().cy, 300);
    for (int i = 0; i < 80; ++i)
        Wheel(w, ImageCentre(w), false);
    EXPECT_TRUE(w.ShownSize().cx > 5 || w.ShownSize().cy > 5);
    EXPECT_GE(w.ShownSize().cx, 1);
    EXPECT_GE(w.ShownSize().cy, 1);
}

TEST_F(ClipWindowGui, SavesEveryFormatAtTheClippedSizeAndReloadsItsPixels)
{
    AppSettings.FolderHistory = 1;
    AppSettings.ClipHistory = 2;
    CDlgClipWindow& w = Open(12, 10);
    for (const char* ext : {"bmp", "jpg", "tif", "gif", "png"}) {
        const QString path = dir.filePath(QStringLiteral("clip.%1").arg(ext));
        ScriptedFileDialogs files({ChosenPath(path)});
        ScriptedMessageBoxes boxes;
        Press(w, IDC_CLIP_SAVE);
        EXPECT_TRUE(boxes.Texts().isEmpty()) << ext << ": " << boxes.Texts().join("/").toStdString();
        auto back = Reload(path);
        ASSERT_TRUE(back->ok) << ext;
        ASSERT_EQ(back->image.infoHeader.biWidth, 12) << ext;
        ASSERT_EQ(std::abs(back->image.infoHeader.biHeight), 10) << ext;
        const int tolerance = QByteArray(ext) == "jpg" ? 40 : 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x)
                EXPECT_TRUE(
                    NearColor(HolderPixel(back->image, x, y), PatternColor(x, y, 12, 10, 24), tolerance))
                    << ext << " " << x << "," << y;
    }
    // Each written file told the frame; the histories took the folder and the range.
    EXPECT_EQ(frame.Of(WM_FRAME_SYNC_TREE).size(), 5);
    EXPECT_EQ(QDir::cleanPath(AppSettings.WorkFolder01), QDir::cleanPath(dir.path()));
    const ClipHistoryRects history = LoadClipHistory();
    EXPECT_TRUE(std::any_of(std::begin(history.entries), std::end(history.entries),
        [](const RECT& r) { return r.left == 10 && r.top == 20 && r.right == 21 && r.bottom == 29; }));
    EXPECT_FALSE(Closed(0));
}

TEST_F(ClipWindowGui, SavesTheShownSizeAndAGivenSize)
{
    CDlgClipWindow& w = Open(100, 80);
    Wheel(w, ImageCentre(w), true);
    const QImage shown = Shown(w);
    for (const char* ext : {"png", "bmp"}) {
        const QString path = dir.filePath(QStringLiteral("shown.%1").arg(ext));
        ScriptedFileDialogs files({ChosenPath(path)});
        ScriptedMessageBoxes boxes;
        Press(w, IDC_CLIP_SAVE);
        auto back = Reload(path);
        ASSERT_TRUE(back->ok) << ext;
        ASSERT_EQ(back->image.infoHeader.biWidth, 110);
        ASSERT_EQ(std::abs(back->image.infoHeader.biHeight), 88);
        for (int y = 0; y < 88; y += 7)
            for (int x = 0; x < 110; x += 3)
                ASSERT_EQ(HolderPixel(back->image, x, y), ColorrefFromPixel(shown.pixel(x, y)))
                    << x << "," << y;
    }

    // A given size, by nearest pixels: 200 x 160 doubles every pixel.
    ChooseSize(w, 2);
    for (const char* ext : {"png", "bmp", "jpg"}) {
        const QString path = dir.filePath(QStringLiteral("given.%1").arg(ext));
        ScriptedFileDialogs files({ChosenPath(path)});
        ScriptedMessageBoxes boxes;
        AnswerSaveSize(200, 160, true);
        Press(w, IDC_CLIP_SAVE);
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("/").toStdString();
        auto back = Reload(path);
        ASSERT_TRUE(back->ok) << ext;
        ASSERT_EQ(back->image.infoHeader.biWidth, 200);
        ASSERT_EQ(std::abs(back->image.infoHeader.biHeight), 160);
        if (QByteArray(ext) == "jpg")
            continue;  // its edges blur: the clipped size checks how close JPEG comes
        for (int y = 0; y < 160; y += 5)
            for (int x = 0; x < 200; x += 3)
                ASSERT_EQ(HolderPixel(back->image, x, y), PatternColor(x / 2, y / 2, 100, 80, 24))
                    << ext << " " << x << "," << y;
    }

    // Smoothly: the size is right (the smoothing's own pixels are not compared).
    AppSettings.ImageComplement = 1;
    const QString path = dir.filePath(QStringLiteral("smooth.png"));
    ScriptedFileDialogs files({ChosenPath(path)});
    ScriptedMessageBoxes boxes;
    AnswerSaveSize(150, 40, true);
    Press(w, IDC_CLIP_SAVE);
    auto back = Reload(path);
    ASSERT_TRUE(back->ok);
    EXPECT_EQ(back->image.infoHeader.biWidth, 150);
    EXPECT_EQ(std::abs(back->image.infoHeader.biHeight), 40);
}

TEST_F(ClipWindowGui, AFailedSaveIsReportedAndKeepsTheWindow)
{
    AppSettings.ClipCloseOnSave = 1;
    AppSettings.FolderHistory = 1;
    CDlgClipWindow& w = Open(20, 10);
    {
        // A folder that does not exist.
        ScriptedFileDialogs files({ChosenPath(dir.filePath(QStringLiteral("missing/clip.png")))});
        ScriptedMessageBoxes boxes;
        Press(w, IDC_CLIP_SAVE);
        ASSERT_EQ(boxes.Texts().size(), 1);
        EXPECT_EQ(boxes.Texts().first(), ClipSaveResultMessage(w.SaveResult()));
        EXPECT_NE(w.SaveResult(), 1);
    }
    {
        // A disk without room for a bitmap of a megabyte.
        CDlgClipWindow& big = Open(600, 600, 24, 1);
        SetFreeSpaceProbeForTesting([](const QString&) -> std::uint64_t { return 0; });
        ScriptedFileDialogs files({ChosenPath(dir.filePath(QStringLiteral("full.bmp")))});
        ScriptedMessageBoxes boxes;
        Press(big, IDC_CLIP_SAVE);
        SetFreeSpaceProbeForTesting(nullptr);
        ASSERT_EQ(boxes.Texts().size(), 1);
        EXPECT_EQ(
            boxes.Texts().first(), QStringLiteral("失敗！: ディスクの容量が足りない可能性があります。"));
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("full.bmp"))));
    }
    EXPECT_FALSE(Closed(0));
    EXPECT_FALSE(Closed(1));
    EXPECT_TRUE(frame.Of(WM_FRAME_SYNC_TREE).isEmpty());
    // The dialog was confirmed: the folder went into the history.
    EXPECT_FALSE(AppSettings.WorkFolder01.isEmpty());

    // A written file with ClipCloseOnSave closes the window.
    ScriptedFileDialogs files({ChosenPath(dir.filePath(QStringLiteral("fine.png")))});
    ScriptedMessageBoxes boxes;
    Press(w, IDC_CLIP_SAVE);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_TRUE(Closed(0));
}

TEST_F(ClipWindowGui, ACancelledSaveLeavesNoMessageNoHistoryAndNoClose)
{
    AppSettings.ClipCloseOnSave = 1;
    AppSettings.FolderHistory = 1;
    AppSettings.ClipHistory = 2;
    AppSettings.WorkFolder01.clear();
    const ClipHistoryRects before = LoadClipHistory();
    CDlgClipWindow& w = Open(20, 10);
    ScriptedFileDialogs files({CancelledDialog()});
    ScriptedMessageBoxes boxes;
    Press(w, IDC_CLIP_SAVE);
    EXPECT_EQ(files.Requests().size(), 1);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_TRUE(AppSettings.WorkFolder01.isEmpty());
    const ClipHistoryRects after = LoadClipHistory();
    EXPECT_EQ(std::memcmp(&before.entries, &after.entries, sizeof before.entries), 0);
    EXPECT_FALSE(Closed(0));

    // A cancelled size dialog does not even ask for the name.
    ChooseSize(w, 2);
    AnswerSaveSize(0, 0, false);
    Press(w, IDC_CLIP_SAVE);
    EXPECT_EQ(files.Requests().size(), 1);
    EXPECT_FALSE(Closed(0));
}

TEST_F(ClipWindowGui, ASmoothResizeThatCannotBeSetUpIsAFailedSave)
{
    AppSettings.ClipCloseOnSave = 1;
    AppSettings.FolderHistory = 1;
    AppSettings.WorkFolder01.clear();
    AppSettings.ImageComplement = 1;
    CDlgClipWindow& w = Open(20, 10);
    // The slot's bitmap is gone: the stretch has nothing to start from.
    DeleteObject(slots[0]->dib);
    slots[0]->dib = nullptr;
    ChooseSize(w, 2);
    const QString path = dir.filePath(QStringLiteral("smooth.png"));
    ScriptedFileDialogs files({ChosenPath(path)});
    ScriptedMessageBoxes boxes;
    AnswerSaveSize(40, 20, true);
    Press(w, IDC_CLIP_SAVE);
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_EQ(boxes.Texts().first(), QStringLiteral("ファイル保存に必要なメモリの確保に失敗しました。"));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(Closed(0));
    EXPECT_TRUE(AppSettings.WorkFolder01.isEmpty());
    EXPECT_TRUE(frame.Of(WM_FRAME_SYNC_TREE).isEmpty());
}

TEST_F(ClipWindowGui, CopyHandsTheFrameABitmapOfTheChosenSize)
{
    CDlgClipWindow& w = Open(100, 80);
    {
        ScriptedMessageBoxes boxes;
        Press(w, IDC_CLIP_COPY);
        ASSERT_EQ(frame.copied.size(), 1);
        EXPECT_EQ(frame.copied[0].size(), QSize(100, 80));
        EXPECT_EQ(ColorrefFromPixel(frame.copied[0].pixel(7, 5)), PatternColor(7, 5, 100, 80, 24));
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("クリップボードにイメージをコピーしました。")});
    }
    Wheel(w, ImageCentre(w), true);
    {
        ScriptedMessageBoxes boxes;
        Press(w, IDC_CLIP_COPY);
        ASSERT_EQ(frame.copied.size(), 2);
        EXPECT_EQ(frame.copied[1].size(), QSize(110, 88));
    }
    ChooseSize(w, 2);
    {
        ScriptedMessageBoxes boxes;
        AnswerSaveSize(300, 240, true);
        Press(w, IDC_CLIP_COPY);
        ASSERT_EQ(frame.copied.size(), 3);
        EXPECT_EQ(frame.copied[2].size(), QSize(300, 240));
        EXPECT_EQ(ColorrefFromPixel(frame.copied[2].pixel(31, 20)), PatternColor(10, 6, 100, 80, 24));
    }
    {
        // Refused by the clipboard: the bitmap stays the window's and is freed.
        frame.copyAnswer = 0;
        ChooseSize(w, 0);
        ScriptedMessageBoxes boxes;
        Press(w, IDC_CLIP_COPY);
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("イメージのコピーに失敗しました。")});
    }
    EXPECT_FALSE(Closed(0));
    // With ClipCloseOnClip a copy that worked closes the window.
    frame.copyAnswer = 1;
    AppSettings.ClipCloseOnClip = 1;
    ScriptedMessageBoxes boxes;
    Press(w, IDC_CLIP_COPY);
    EXPECT_TRUE(Closed(0));
}

TEST_F(ClipWindowGui, PastingBackClosesUnlessTheSizeWasCancelled)
{
    {
        CDlgClipWindow& w = Open(30, 20, 24, 0);
        ScriptedMessageBoxes boxes;
        Press(w, IDC_CLIP_COPY_TO_STAGE);
        EXPECT_TRUE(boxes.Texts().isEmpty());
        ASSERT_EQ(frame.Of(WM_COMMAND).size(), 1);
        EXPECT_EQ(LOWORD(frame.Of(WM_COMMAND).first().wParam), ID_EDIT_PASTE_IMAGE);
        EXPECT_TRUE(Closed(0));
    }
    {
        // A failed copy is told, and the window still goes.
        frame.copyAnswer = 0;
        CDlgClipWindow& w = Open(30, 20, 24, 1);
        ScriptedMessageBoxes boxes;
        Press(w, IDC_CLIP_COPY_TO_STAGE);
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("イメージのコピーに失敗しました。")});
        EXPECT_EQ(frame.Of(WM_COMMAND).size(), 1);
        EXPECT_TRUE(Closed(1));
    }
    {
        // A cancelled or invalid size keeps the clip.
        CDlgClipWindow& w = Open(30, 20, 24, 2);
        ChooseSize(w, 2);
        ScriptedMessageBoxes boxes;
        AnswerSaveSize(0, 0, false);
        Press(w, IDC_CLIP_COPY_TO_STAGE);
        EXPECT_TRUE(boxes.Texts().isEmpty());
        EXPECT_FALSE(Closed(2));
        AppSettings.MinSaveSize = 25;  // the clip's height 20 is below it
        AnswerSaveSize(0, 0, true);
        Press(w, IDC_CLIP_COPY_TO_STAGE);
        EXPECT_TRUE(boxes.Texts().contains(QStringLiteral("有効な保存サイズが指定されませんでした。")));
        EXPECT_FALSE(Closed(2));
    }
}

TEST_F(ClipWindowGui, PickingSetsTheTransparentColourThatThePngCarries)
{
    CDlgClipWindow& w = Open(40, 30);
    Press(w, IDC_CLIP_PICK_COLOR);
    EXPECT_TRUE(w.PickMode());
    EXPECT_EQ(w.IsDlgButtonChecked(IDC_CLIP_PICK_COLOR), 1u);
    EXPECT_EQ(frame.Of(WM_FRAME_STATUS_GUIDE).last().lParam, 13);

    // The mouse over the picture control reaches the window through it.
    CWnd* picture = w.GetDlgItem(IDC_CLIP_PICTURE);
    const POINT at{1 + 7, 1 + 5};  // image pixel (7, 5)
    picture->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    ASSERT_FALSE(panel.Of(WM_CLIPCTL_SHOW_COLOR).isEmpty());
    const COLORREF colour = PatternColor(7, 5, 40, 30, 24);
    EXPECT_EQ(static_cast<COLORREF>(panel.Of(WM_CLIPCTL_SHOW_COLOR).last().wParam), colour);

    ScriptedMessageBoxes boxes;
    picture->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    picture->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x + 2, at.y));  // within 3 pixels: a click
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("PNGファイルの透過色の設定をしました。")});
    EXPECT_FALSE(w.PickMode());
    EXPECT_EQ(frame.Of(WM_FRAME_STATUS_GUIDE).last().wParam, 0u);
    ASSERT_EQ(w.Transparency().kind, CPngTransparency::kColorKey);
    // Pixel (9, 5) lies under the release point.
    const COLORREF picked = PatternColor(9, 5, 40, 30, 24);
    EXPECT_EQ(w.Transparency().transparentColor.red & 0xFF, GetRValue(picked));

    const QString path = dir.filePath(QStringLiteral("keyed.png"));
    ScriptedFileDialogs files({ChosenPath(path)});
    Press(w, IDC_CLIP_SAVE);
    auto back = Reload(path);
    ASSERT_TRUE(back->ok);
    ASSERT_TRUE(back->transparency.HasTransparency());
    EXPECT_EQ(back->transparency.transparentColor.red & 0xFF, GetRValue(picked));
    EXPECT_EQ(back->transparency.transparentColor.green & 0xFF, GetGValue(picked));
    EXPECT_EQ(back->transparency.transparentColor.blue & 0xFF, GetBValue(picked));
}

TEST_F(ClipWindowGui, APaletteKeyStaysAPaletteKeyAfterASaveAtTheShownSize)
{
    CDlgClipWindow& w = Open(40, 30, 8);
    Press(w, IDC_CLIP_PICK_COLOR);
    CWnd* picture = w.GetDlgItem(IDC_CLIP_PICTURE);
    {
        ScriptedMessageBoxes boxes;
        picture->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1 + 4, 1 + 2));
        picture->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1 + 4, 1 + 2));
    }
    ASSERT_EQ(w.Transparency().kind, CPngTransparency::kAlphaTable);
    ASSERT_NE(w.Transparency().alphaTable, nullptr);
    EXPECT_EQ(w.Transparency().alphaTable[4 + 3 * 2], 0);

    // The shown size is a surface without a palette: that file has a colour key.
    ChooseSize(w, 1);
    const QString shown = dir.filePath(QStringLiteral("shown.png"));
    {
        ScriptedFileDialogs files({ChosenPath(shown)});
        Press(w, IDC_CLIP_SAVE);
    }
    auto back = Reload(shown);
    ASSERT_TRUE(back->ok);
    EXPECT_EQ(back->transparency.kind, CPngTransparency::kColorKey);
    // The window's own record is untouched: the clipped size keeps the palette key.
    EXPECT_EQ(w.Transparency().kind, CPngTransparency::kAlphaTable);
    ChooseSize(w, 0);
    const QString clipped = dir.filePath(QStringLiteral("clipped.png"));
    {
        ScriptedFileDialogs files({ChosenPath(clipped)});
        Press(w, IDC_CLIP_SAVE);
    }
    back = Reload(clipped);
    ASSERT_TRUE(back->ok);
    EXPECT_EQ(back->transparency.kind, CPngTransparency::kAlphaTable);
}

TEST_F(ClipWindowGui, PickModeAsksForPngAndADragIsNoPick)
{
    AppSettings.DefSaveFormat = 1;
    CDlgClipWindow& w = Open(40, 30);
    ScriptedMessageBoxes boxes;
    Press(w, IDC_CLIP_PICK_COLOR);
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_TRUE(boxes.Texts().first().startsWith(
        QStringLiteral("透過色設定は PNG ファイル保存時のみ有効になります。")));
    CWnd* picture = w.GetDlgItem(IDC_CLIP_PICTURE);
    picture->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    picture->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(15, 5));
    EXPECT_TRUE(w.PickMode());
    EXPECT_EQ(w.Transparency().kind, CPngTransparency::kNone);
    // The button again ends it.
    Press(w, IDC_CLIP_PICK_COLOR);
    EXPECT_FALSE(w.PickMode());
    EXPECT_EQ(frame.Of(WM_FRAME_STATUS_GUIDE).last().lParam, 0);
}

TEST_F(ClipWindowGui, TheSecondWindowCascadesAndPlacesAreRemembered)
{
    CDlgClipWindow& first = Open(100, 80, 24, 0);
    CDlgClipWindow& second = Open(100, 80, 24, 1);
    const RECT a = first.WindowRectangle();
    const RECT b = second.WindowRectangle();
    EXPECT_EQ(b.left, a.left + 23);
    EXPECT_EQ(b.top, a.top + 23);

    // Remembered: a moved window comes back where it was moved to.
    AppSettings.IsClipWindowPos = 1;
    first.MoveWindow(300, 250, a.right - a.left, a.bottom - a.top);
    PumpUntil([&] { return first.WindowRectangle().left == 300; }, 1000);
    EXPECT_EQ(AppSettings.ClipWindowPos0X, 300);
    EXPECT_EQ(AppSettings.ClipWindowPos0Y, 250);
    clips[0]->DestroyWindow();
    clips[0].reset();
    windows.clips[0] = nullptr;
    CDlgClipWindow& again = Open(100, 80, 24, 0);
    EXPECT_EQ(again.WindowRectangle().left, 300);
    EXPECT_EQ(again.WindowRectangle().top, 250);

    // Not remembered: the place is erased when a window opens.
    AppSettings.IsClipWindowPos = 0;
    clips[0]->DestroyWindow();
    clips[0].reset();
    windows.clips[0] = nullptr;
    Open(100, 80, 24, 0);
    EXPECT_EQ(AppSettings.ClipWindowPos0X, -1);
    EXPECT_EQ(AppSettings.ClipWindowPos0Y, -1);
}

TEST_F(ClipWindowGui, TheFirstWindowIsCentredOnTheStagesView)
{
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(PatternImage(900, 700).save(path));
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(stage.RequestOpenImageFile(path), 1);
    const RECT v = stage.ViewRectangle();
    ASSERT_GT(v.right, v.left);
    CDlgClipWindow& w = Open(100, 80);
    const RECT r = w.WindowRectangle();
    // No control panel of the real kind: its right edge counts as 0.
    EXPECT_EQ(r.left, (v.left + v.right) / 2 - (r.right - r.left) / 2);
    EXPECT_EQ(r.top, GetFrameClientTop() + (v.top + v.bottom) / 2 - (r.bottom - r.top) / 2);
}

TEST_F(ClipWindowGui, StatusGuidanceFollowsActivationAndPickMode)
{
    CDlgClipWindow& w = Open(20, 10, 24, 4);
    const auto last = [&] { return frame.Of(WM_FRAME_STATUS_GUIDE).last(); };
    w.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(last().wParam, 166u);
    EXPECT_EQ(last().lParam, -1);
    w.SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(last().lParam, 4);
    Press(w, IDC_CLIP_PICK_COLOR);
    w.SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(last().lParam, 13);
    // A copy ends pick mode and clears the guidance.
    ScriptedMessageBoxes boxes;
    Press(w, IDC_CLIP_COPY);
    EXPECT_FALSE(w.PickMode());
    EXPECT_EQ(last().wParam, 0u);
    EXPECT_EQ(last().lParam, 0);
}

TEST_F(ClipWindowGui, AClipThatCannotBePreparedIsToldAndClosesItself)
{
    // A slot without a picture: nothing can be drawn from it.
    slots[5] = std::make_unique<CClipImageSlot>(BYTE{5});
    ScriptedMessageBoxes boxes;
    clips[5] = std::make_unique<CDlgClipWindow>(BYTE{5}, slots[5].get(), transparency, RECT{});
    ASSERT_TRUE(clips[5]->Create(&frame));
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("メモリ不足によりClipWindowを開けませんでした。")});
    EXPECT_TRUE(PumpUntil([&] { return Closed(5); }, 2000));
}

TEST_F(ClipWindowGui, ThePrintButtonPrintsTheClipThroughTheDialog)
{
    FakePrintOutPrinter printer;
    CDlgClipWindow& w = Open(60, 40, 24, 2);
    ASSERT_TRUE(w.GetDlgItem(IDC_CLIP_PRINT)->IsWindowEnabled());
    PrintDialogScript script([](CDlgPrintOut& d) {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PRINT_START, BN_CLICKED), 0);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PRINT_CLOSE, BN_CLICKED), 0);
    });
    Press(w, IDC_CLIP_PRINT);
    EXPECT_TRUE(script.Ran());
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0].image.cx, 60);
    EXPECT_EQ(printer.jobs[0].image.cy, 40);
    EXPECT_EQ(CDlgPrintOut::Running(), nullptr);
    EXPECT_FALSE(Closed(2));
}

TEST_F(ClipWindowGui, OnlyTheCloseCommandClosesTheWindow)
{
    CDlgClipWindow& w = Open(20, 10, 24, 3);
    // Enter and Esc do nothing.
    w.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    w.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(Closed(3));
    // Ctrl+Q arrives as the close button's command.
    Press(w, IDC_CLIP_CLOSE);
    EXPECT_TRUE(Closed(3));
}

}  // namespace
