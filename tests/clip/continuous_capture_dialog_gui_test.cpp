// The continuous-capture dialog over a fake screen and a temporary folder:
// the entries' limits and labels, the sample name, the range preview, the
// start's refusals and questions (message boxes answered by the test), a
// whole run, the compact window, and a stop clicked while the start is
// still on the stack.
#include "clip/continuous_capture_dialog.h"

#include "clip/continuous_capture_rules.h"
#include "core/frame_services.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "platform/controls/controls.h"
#include "tests/clip/continuous_capture_fakes.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QDir>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

const QString kCompleted = QStringLiteral("連続キャプチャ終了しました");
const QString kStopped = QStringLiteral("ユーザー操作により連続キャプチャを中止しました。");
const QString kNoRange = QStringLiteral("有効なキャプチャ範囲が設定されていません。");
const QString kNoRow = QStringLiteral("キャプチャするウィンドウが選択されていません。");
const QString kExisting = QStringLiteral(
    "既に同名ファイルが存在しています。\n\n同名ファイルの保存をしない設定になっていますので、\n\n同名ファイル"
    "は保存されません。このまま実行しますか？\n\n("
    "作成されるすべてのファイル名をチェックしている訳ではありません。)");
const QString kMinimizeIdle = QStringLiteral("最小化ボタンは連続キャプチャ実行時に有効になります。");

constexpr SIZE kScreen{1920, 1080};

// The dialog with the desktop and the screen answered by the test.
class TestDialog : public CDlgContinueCapture {
public:
    TestDialog()
    {
        Session().SetScreen(std::make_unique<FakeCaptureScreen>(m_screenClock));
        ContinuousCaptureSystem system = DefaultContinuousCaptureSystem();
        system.availableMemoryMB = [] { return DWORD{4000}; };
        system.diskFreeMB = [](const QString&) { return DWORD{100000}; };
        Session().SetSystem(system);
    }

protected:
    HWND DesktopWindow() const override { return GetSafeHwnd(); }
    int ScreenBitsPerPixel() const override { return 32; }
    SIZE ScreenSize() const override { return kScreen; }

private:
    FakeCaptureClock m_screenClock;  // only for copies that take time; none here
};

// The frame as the dialog asks it to minimise and restore itself.
class FakeFrame : public FrameServices {
public:
    void MinimizeFrame() override { ++minimized; }
    void RestoreFrame() override
    {
        ++restored;
        if (onRestore)
            onRestore();
    }
    int minimized = 0;
    int restored = 0;
    std::function<void()> onRestore;
};

// A screen whose second copy takes longer than the interval.
class SlowScreen : public FakeCaptureScreen {
public:
    explicit SlowScreen(FakeCaptureClock& clock) : FakeCaptureScreen(clock) { }
    bool Copy(CImage& picture, int left, int top) override
    {
        if (++m_copies == 2)
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
        return FakeCaptureScreen::Copy(picture, left, top);
    }

private:
    int m_copies = 0;
};

// Every message box answered, its text recorded and the test's look taken
// while it stands open.
class BoxSpy {
public:
    explicit BoxSpy(std::function<int(const QString&)> answer = {}) : m_answer(std::move(answer))
    {
        SetMessageBoxHookForTesting([this](const MessageBoxRequest& r) {
            texts << r.text;
            return m_answer ? m_answer(r.text) : (MessageBoxButtons(r.type).value(0, IDOK));
        });
    }
    ~BoxSpy() { SetMessageBoxHookForTesting({}); }
    QStringList texts;

private:
    std::function<int(const QString&)> m_answer;
};

class ContinuousCaptureDialog : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppSettingsRecord& s = AppSettings;
        s.Step1_cc_Target = 2;
        s.Step1_cc_CapRect = RECT{0, 0, 63, 47};
        s.Step1_cc_MouseCursor = 0;
        s.Step2_FirstWait = 100;
        s.Step3_cc_CapNum = 3;
        s.Step4_cc_CapInterval = 1;
        s.Step4_ForceCapture = 0;
        s.Step5_cc_SaveFormat = 1;
        s.Step5_cc_Quality = 90;
        s.Step6_cc_SaveFolder = Folder();
        s.Step6_cc_Goto_MultiMode = 0;
        s.Step7_cc_Filename = QStringLiteral("name");
        s.Step7_cc_OverWrite = 1;
        s.Step7_cc_AddFront = 0;
        s.Step8_WndStatus = 2;
        s.Step8_ShowPos = 1;
        s.CC_SaveWait_ms = 5000;
        s.CaptureListMax = 20;
        SetFrameServices(&m_frame);
    }
    void TearDown() override { SetFrameServices(nullptr); }

    // The run's folder, which the start makes.
    QString Folder() const { return m_dir.path() + QStringLiteral("/out/"); }
    QString FileOf(const QString& name) const { return Folder() + name; }

    static void Click(CDialog& d, int id) { MouseClick(d.GetDlgItem(id)->GetWidget(), QPoint(4, 4)); }
    // Types into a control and leaves it (its kill-focus notification).
    static void Leave(CDialog& d, int id, const QString& text, UINT code = EN_KILLFOCUS)
    {
        d.SetDlgItemText(id, text);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), 0);
    }
    static QString Text(CDialog& d, int id)
    {
        QString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static void Spin(CDialog& d, int id, int delta)
    {
        NMUPDOWN change;
        change.hdr.idFrom = static_cast<UINT_PTR>(id);
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = delta;
        d.SendMessage(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
    }

    QTemporaryDir m_dir;
    FakeFrame m_frame;
};

TEST_F(ContinuousCaptureDialog, EntriesAreKeptWithinTheirLimitsAsTheyAreLeft)
{
    BoxSpy boxes;
    TestDialog dialog;
    RunModalScript<TestDialog>(dialog, [&](TestDialog& d) {
        const struct {
            int id;
            const char* typed;
            const char* shown;
        } cases[] = {
            {IDC_CC_COUNT, "0", "1"},
            {IDC_CC_COUNT, "20000", "10000"},
            {IDC_CC_INTERVAL, "0.05", "0.1"},
            {IDC_CC_INTERVAL, "99", "60.0"},
            {IDC_CC_INTERVAL, "0.3", "0.3"},
            {IDC_CC_RANGE_LEFT, "5000", "1919"},
            {IDC_CC_RANGE_BOTTOM, "-3", "0"},
            {IDC_CC_RANGE_BOTTOM, "1080", "1079"},
        };
        for (const auto& c : cases) {
            Leave(d, c.id, QString::fromLatin1(c.typed));
            EXPECT_EQ(Text(d, c.id), QString::fromLatin1(c.shown)) << c.id << " " << c.typed;
        }
        EXPECT_EQ(d.State().intervalTenths, 3);  // rounded, not truncated to 2
        // The first wait: its limit with the utilities' message.
        Leave(d, IDC_CC_FIRST_WAIT, QStringLiteral("9"), CBN_KILLFOCUS);
        EXPECT_EQ(Text(d, IDC_CC_FIRST_WAIT), QStringLiteral("7.0"));
        EXPECT_EQ(d.State().firstWaitMs, 7000);
        // The spins: the count by one, the interval by a second and by a tenth (up is negative).
        Spin(d, IDC_CC_COUNT_SPIN, -1);
        EXPECT_EQ(Text(d, IDC_CC_COUNT), QStringLiteral("10000"));
        Spin(d, IDC_CC_COUNT_SPIN, 1);
        EXPECT_EQ(Text(d, IDC_CC_COUNT), QStringLiteral("9999"));
        Spin(d, IDC_CC_INTERVAL_SPIN_COARSE, 1);
        EXPECT_EQ(Text(d, IDC_CC_INTERVAL), QStringLiteral("0.1"));
        Spin(d, IDC_CC_INTERVAL_SPIN_COARSE, -1);
        Spin(d, IDC_CC_INTERVAL_SPIN_FINE, -1);
        EXPECT_EQ(Text(d, IDC_CC_INTERVAL), QStringLiteral("1.2"));

        EXPECT_EQ(Text(d, IDC_CC_COUNT_RANGE), QStringLiteral("( 1 ～ 10000 )枚"));
        EXPECT_EQ(Text(d, IDC_CC_INTERVAL_RANGE), QStringLiteral("( 0.1 ～ 60 )秒"));
        EXPECT_EQ(Text(d, IDC_CC_STEP7), QStringLiteral("STEP7 : 保存ファイル名 ( 最大文字数 30 文字 )"));
        EXPECT_EQ(Text(d, IDC_CC_QUALITY_TEXT), QStringLiteral("90%"));
        // The slider's positions 0..99 are the qualities 1..100, a page is 5.
        auto* slider = qobject_cast<QSlider*>(d.GetDlgItem(IDC_CC_QUALITY)->GetWidget());
        ASSERT_NE(slider, nullptr);
        slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(Text(d, IDC_CC_QUALITY_TEXT), QStringLiteral("95%"));
        slider->triggerAction(QAbstractSlider::SliderToMaximum);
        EXPECT_EQ(Text(d, IDC_CC_QUALITY_TEXT), QStringLiteral("100%"));
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("最大設定待ち時間は 7.0 秒です。")});
    // Cancel stores nothing.
    EXPECT_EQ(AppSettings.Step3_cc_CapNum, 3);
    EXPECT_EQ(AppSettings.Step4_cc_CapInterval, 1);
}

TEST_F(ContinuousCaptureDialog, SampleNameFollowsTheNameTheNumberPlaceAndTheFormat)
{
    AppSettings.Step3_cc_CapNum = 250;
    AppSettings.Step7_cc_Filename = QStringLiteral("shot");
    TestDialog dialog;
    RunModalScript<TestDialog>(dialog, [&](TestDialog& d) {
        for (int checked : {IDC_CC_TARGET_RANGE, IDC_CC_FORMAT_BMP, IDC_CC_NUMBER_LAST, IDC_CC_OVERWRITE,
                 IDC_CC_SHOW_COMPACT, IDC_CC_COMPACT_TOP_LEFT})
            EXPECT_EQ(d.IsDlgButtonChecked(checked), 1u) << checked;
        EXPECT_EQ(Text(d, IDC_CC_SAMPLE), QStringLiteral("shot-001.bmp"));
        EXPECT_FALSE(d.GetDlgItem(IDC_CC_QUALITY)->IsWindowEnabled());
        Click(d, IDC_CC_NUMBER_FIRST);
        EXPECT_EQ(Text(d, IDC_CC_SAMPLE), QStringLiteral("001-shot.bmp"));
        Click(d, IDC_CC_FORMAT_JPEG);
        EXPECT_EQ(Text(d, IDC_CC_SAMPLE), QStringLiteral("001-shot.jpg"));
        EXPECT_TRUE(d.GetDlgItem(IDC_CC_QUALITY)->IsWindowEnabled());
        Click(d, IDC_CC_FORMAT_PNG);
        d.SetDlgItemText(IDC_CC_FILE_NAME, QStringLiteral("abc"));
        EXPECT_EQ(Text(d, IDC_CC_SAMPLE), QStringLiteral("001-abc.png"));
        // Fewer digits once the count has fewer.
        Leave(d, IDC_CC_COUNT, QStringLiteral("9"));
        EXPECT_EQ(Text(d, IDC_CC_SAMPLE), QStringLiteral("1-abc.png"));
        Click(d, IDCANCEL);
    });
}

TEST_F(ContinuousCaptureDialog, PreviewDrawsTheRangeInRedOnTheGreyScreen)
{
    AppSettings.Step1_cc_CapRect = RECT{0, 0, 959, 539};  // the top-left quarter
    TestDialog dialog;
    RunModalScript<TestDialog>(dialog, [&](TestDialog& d) {
        CWnd* preview = d.GetDlgItem(IDC_CC_PREVIEW);
        ASSERT_TRUE(preview->IsWindowVisible());
        preview->Invalidate();
        preview->UpdateWindow();
        RECT area{};
        preview->GetClientRect(&area);
        const RangePreview shown = ComputeRangePreview(area, kScreen.cx, kScreen.cy, RECT{0, 0, 959, 539});
        const QImage& pixels = *preview->GetSurface();
        auto at = [&](int x, int y) { return QColor(pixels.pixel(x, y)); };
        EXPECT_EQ(at(shown.range.left, shown.range.top), QColor(255, 0, 0));
        EXPECT_EQ(at(shown.range.right - 1, shown.range.bottom - 1), QColor(255, 0, 0));
        EXPECT_EQ(at(shown.range.left + 2, shown.range.top + 2), QColor(255, 255, 255));
        EXPECT_EQ(at(shown.screen.right - 2, shown.screen.bottom - 2), QColor(192, 192, 192));
        // A typed edge moves the mark.
        Leave(d, IDC_CC_RANGE_RIGHT, QStringLiteral("1919"));
        preview->UpdateWindow();
        EXPECT_EQ(at(shown.screen.right - 1, shown.range.top), QColor(255, 0, 0));
        Click(d, IDCANCEL);
    });
}

TEST_F(ContinuousCaptureDialog, StartRefusesATargetItCannotUse)
{
    const struct {
        BYTE target;
        RECT range;
        QString message;
    } cases[] = {
        {2, RECT{0, 0, 0, 0}, kNoRange}, {2, RECT{5, 5, 5, 400}, kNoRange},
        {1, RECT{0, 0, 63, 47}, kNoRow},  // nothing chosen in the window list
    };
    for (const auto& c : cases) {
        AppSettings.Step1_cc_Target = c.target;
        AppSettings.Step1_cc_CapRect = c.range;
        BoxSpy boxes;
        TestDialog dialog;
        bool stayedOpen = false;
        RunModalScript<TestDialog>(dialog, [&](TestDialog& d) {
            Click(d, IDOK);
            stayedOpen = d.IsWindowVisible() && d.GetDlgItem(IDC_CC_COUNT)->IsWindowEnabled();
            Click(d, IDCANCEL);
        });
        EXPECT_EQ(boxes.texts, QStringList{c.message});
        EXPECT_TRUE(stayedOpen);
        EXPECT_FALSE(QDir(Folder()).exists());  // nothing started
    }
}

TEST_F(ContinuousCaptureDialog, ExistingFilesAreAskedAboutAndSkippedWhenTheRunGoesOn)
{
    AppSettings.Step7_cc_OverWrite = 0;
    ASSERT_TRUE(QDir().mkpath(Folder()));
    for (const char* name : {"name-1.bmp", "name-2.bmp", "name-3.bmp"}) {
        QFile file(FileOf(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep");
    }
    {
        // No: the dialog stays as it is.
        BoxSpy boxes([](const QString&) { return IDNO; });
        TestDialog dialog;
        const INT_PTR result = RunModalScript<TestDialog>(dialog, [&](TestDialog& d) {
            Click(d, IDOK);
            EXPECT_TRUE(d.IsWindowVisible());
            Click(d, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(boxes.texts, QStringList{kExisting});
    }
    {
        // Yes: the run goes on, writes nothing over them and says so.
        BoxSpy boxes([](const QString&) { return IDYES; });
        TestDialog dialog;
        const INT_PTR result = RunModalScript<TestDialog>(dialog, [&](TestDialog& d) { Click(d, IDOK); });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(boxes.texts,
            (QStringList{kExisting,
                QStringLiteral(
                    "計 3 ファイル中 3 ファイルの保存を行いませんでした。\n\n同名ファイルを保存しないに"
                    "設定しているか確認して下さい。")}));
    }
    for (const char* name : {"name-1.bmp", "name-2.bmp", "name-3.bmp"}) {
        QFile file(FileOf(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("keep"));
    }
}

TEST_F(ContinuousCaptureDialog, CancellingTheFolderPickerChoosesTheDocumentsFolder)
{
    const QString saved = g_szMyDocumentsFolder;
    g_szMyDocumentsFolder = m_dir.path() + QStringLiteral("/docs");
    ScriptedFileDialogs dialogs({CancelledDialog()});
    TestDialog dialog;
    RunModalScript<TestDialog>(dialog, [&](TestDialog& d) {
        Click(d, IDC_CC_BROWSE);
        EXPECT_EQ(Text(d, IDC_CC_FOLDER), m_dir.path() + QStringLiteral("/docs/"));
        Click(d, IDCANCEL);
    });
    ASSERT_EQ(dialogs.Requests().size(), 1);
    EXPECT_EQ(dialogs.Requests()[0].title, QStringLiteral("保存フォルダの選択"));
    g_szMyDocumentsFolder = saved;
}

TEST_F(ContinuousCaptureDialog, ARunSavesEveryFrameReportsAndStoresTheSettings)
{
    AppSettings.Step8_WndStatus = 1;  // the program hides in the task bar meanwhile
    BoxSpy boxes;
    TestDialog dialog;
    const INT_PTR result = RunModalScript<TestDialog>(dialog, [&](TestDialog& d) {
        Click(d, IDC_CC_CURSOR);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes.texts, QStringList{kCompleted});
    for (const char* name : {"name-1.bmp", "name-2.bmp", "name-3.bmp"})
        EXPECT_TRUE(QFile::exists(FileOf(QString::fromLatin1(name)))) << name;
    EXPECT_EQ(m_frame.minimized, 1);
    EXPECT_EQ(m_frame.restored, 1);
    EXPECT_EQ(AppSettings.Step1_cc_MouseCursor, 1);  // OK stored what was set
}

TEST_F(ContinuousCaptureDialog, ASaverFailureAfterTheLastCaptureIsReportedAsTheRunsEnd)
{
    // One frame into a folder so deep that its file's path is too long: the
    // loop is done before the saver meets the path.
    QString folder = Folder();
    while (folder.size() < 250)
        folder += QStringLiteral("deep-folder/");
    AppSettings.Step6_cc_SaveFolder = folder;
    AppSettings.Step3_cc_CapNum = 1;
    BoxSpy boxes;
    TestDialog dialog;
    RunModalScript<TestDialog>(dialog, [&](TestDialog& d) { Click(d, IDOK); });
    EXPECT_EQ(boxes.texts,
        QStringList{QStringLiteral("ファイルパスが長すぎます。\n\n連続キャプチャを終了します。")});
}

TEST_F(ContinuousCaptureDialog, TheCompactWindowStacksItsControlsAtTheMarginsOfTheChosenCorner)
{
    const struct {
        BYTE position;
        WORD intervalTenths;
        bool progress;
    } cases[] = {
        {1, 29, false}, {2, 30, true},  // from 3 s on the wait for the next frame shows
    };
    for (const auto& c : cases) {
        AppSettings.Step3_cc_CapNum = 1;
        AppSettings.Step8_ShowPos = c.position;
        AppSettings.Step4_cc_CapInterval = c.intervalTenths;
        TestDialog dialog;
        RECT window{};
        RECT counter{};
        RECT button{};
        bool progressShown = !c.progress;
        bool settingsShown = true;
        BoxSpy boxes([&](const QString&) {
            // Told at the end of the run, while the window is still compact.
            dialog.GetWindowRect(&window);
            for (auto [id, rect] : {std::pair<int, RECT*>{IDC_CC_COUNTER, &counter}, {IDOK, &button}}) {
                dialog.GetDlgItem(id)->GetWindowRect(rect);
                dialog.ScreenToClient(rect);
            }
            progressShown = dialog.GetDlgItem(IDC_CC_PROGRESS)->IsWindowVisible();
            settingsShown = dialog.GetDlgItem(IDC_CC_COUNT)->IsWindowVisible();
            return IDOK;
        });
        RunModalScript<TestDialog>(dialog, [&](TestDialog& d) { Click(d, IDOK); });
        const int width = window.right - window.left;
        EXPECT_EQ(window.left, c.position == 2 ? kScreen.cx - 10 - width : 10) << c.position;
        EXPECT_EQ(window.top, 10);
        EXPECT_EQ(counter.left, 10);
        EXPECT_EQ(button.left, 10);
        EXPECT_LT(counter.top, button.top);
        EXPECT_EQ(progressShown, c.progress);
        EXPECT_FALSE(settingsShown);
    }
}

TEST_F(ContinuousCaptureDialog, AStopClosesTheDialogOnlyOnceTheStartHasReturned)
{
    AppSettings.Step3_cc_CapNum = 10000;
    TestDialog dialog;
    bool openAtStop = false;
    bool stillRunningAtStop = true;
    int minimizedBeforeStop = -1;
    RECT atStop{};
    // The start goes on after the stop: the frame comes back while the dialog still stands.
    bool openAtRestore = false;
    m_frame.onRestore = [&] { openAtRestore = dialog.GetSafeHwnd() && dialog.IsWindowVisible(); };
    BoxSpy boxes([&](const QString& text) {
        if (text == kStopped) {
            openAtStop = dialog.GetSafeHwnd() && dialog.IsWindowVisible();
            stillRunningAtStop = dialog.IsRunning();
            minimizedBeforeStop = m_frame.minimized;
            dialog.GetWindowRect(&atStop);
        }
        return IDOK;
    });
    // The timers end with the test, so none can fire on a dialog that is gone.
    QTimer during, stop;
    for (QTimer* t : {&during, &stop})
        t->setSingleShot(true);
    QObject::connect(&during, &QTimer::timeout, [&] {
        // Looked at again later while the start is on its way (its first wait handles messages here).
        if (!dialog.IsRunning()) {
            during.start(20);
            return;
        }
        dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        dialog.SetWindowPos(nullptr, 300, 300, 0, 0, SWP_NOSIZE);
        stop.start(200);
    });
    QObject::connect(&stop, &QTimer::timeout, [&] { Click(dialog, IDOK); });
    const INT_PTR result = RunModalScript<TestDialog>(dialog, [&](TestDialog& d) {
        during.start(0);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(openAtStop);
    EXPECT_TRUE(openAtRestore);
    EXPECT_FALSE(stillRunningAtStop);
    // While running the minimise box takes the frame to the task bar, and the window stays put.
    EXPECT_EQ(minimizedBeforeStop, 1);
    EXPECT_EQ(atStop.left, 10);
    EXPECT_EQ(atStop.top, 10);
    // The stop is told once, and no result after it.
    EXPECT_EQ(boxes.texts, QStringList{kStopped});
    EXPECT_EQ(AppSettings.Step3_cc_CapNum, 10000);
}

TEST_F(ContinuousCaptureDialog, AMissedIntervalIsToldOnce)
{
    BoxSpy boxes;
    TestDialog dialog;
    FakeCaptureClock unused;
    dialog.Session().SetScreen(std::make_unique<SlowScreen>(unused));
    const INT_PTR result = RunModalScript<TestDialog>(dialog, [&](TestDialog& d) { Click(d, IDOK); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes.texts, QStringList{IntervalMissedMessage(1)});
}

// Looks at the window as the first wait begins, then ends the dialog as a
// closing frame does.
class FirstWaitDialog : public TestDialog {
public:
    void WaitMessages(DWORD maxMs) override
    {
        if (!m_looked) {
            m_looked = true;
            barShown = GetDlgItem(IDC_CC_PROGRESS)->IsWindowVisible() == TRUE;
            GetDlgItemText(IDC_CC_PROGRESS_CAPTION, caption);
            EndForFrameClose();
        }
        TestDialog::WaitMessages(maxMs);
    }
    bool barShown = false;
    QString caption;

private:
    bool m_looked = false;
};

TEST_F(ContinuousCaptureDialog, AFirstWaitOfThreeSecondsOrMoreShowsItsProgress)
{
    for (const auto& [waitMs, shown] : {std::pair{2000, false}, std::pair{3000, true}}) {
        AppSettings.Step2_FirstWait = waitMs;
        BoxSpy boxes;
        FirstWaitDialog dialog;
        const INT_PTR result =
            RunModalScript<FirstWaitDialog>(dialog, [&](FirstWaitDialog& d) { Click(d, IDOK); });
        EXPECT_EQ(dialog.barShown, shown) << waitMs;
        EXPECT_EQ(dialog.caption, QStringLiteral("キャプチャ開始まで"));
        // The frame closing during the wait ends the dialog without a run.
        EXPECT_EQ(result, IDOK);
        EXPECT_TRUE(boxes.texts.isEmpty());
        EXPECT_FALSE(QFile::exists(FileOf(QStringLiteral("name-1.bmp"))));
    }
}

TEST_F(ContinuousCaptureDialog, MinimisingBeforeARunOnlyTellsWhenItWorks)
{
    BoxSpy boxes;
    TestDialog dialog;
    RunModalScript<TestDialog>(dialog, [&](TestDialog& d) {
        EXPECT_FALSE(d.GetStyle() & WS_MINIMIZEBOX);
        EXPECT_FALSE(d.GetWidget()->windowFlags() & Qt::WindowMinimizeButtonHint);
        d.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        EXPECT_TRUE(d.IsWindowVisible());
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(boxes.texts, QStringList{kMinimizeIdle});
    EXPECT_EQ(m_frame.minimized, 0);
}

}  // namespace
