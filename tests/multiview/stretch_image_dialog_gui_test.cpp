// The batch shrink dialog over a stage of six files: what opening shows for
// one size and for mixed sizes, the enable rules of the five steps, the
// size box and width rules, the fixed text's check at the start, a run to
// its end with its failures, a stop in the middle (one finish, however the
// worker's OK arrives), and "キャンセル" leaving the settings alone.
#include "multiview/stretch_image_dialog.h"

#include "core/multi_view_globals.h"
#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "multiview/multi_view_stage.h"
#include "multiview/multi_view_state.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/controls/controls.h"
#include "tests/multiview/fake_multi_panel.h"
#include "tests/multiview/fake_thumbnail_decoder.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

class StretchDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_saved = AppSettings;
        AppSettings.MaxHBitmapNumber = 2000;
        AppSettings.Step2_HowRatio = 1;
        AppSettings.Step2_Ratio = 50;
        AppSettings.Step2_Width = 800;
        AppSettings.Step2_Height = 600;
        AppSettings.Step3_Forma = 2;
        AppSettings.Step3_Quality = 85;
        AppSettings.Step3_Interpolation = 1;
        AppSettings.HowStep4_SameFolder = 1;
        AppSettings.HowStep4_MoveFolder = 0;
        AppSettings.Step4_SaveFolder = m_dir.path() + "/out/";
        AppSettings.HowStep5_Overwrite = 0;
        AppSettings.HowStep5a_FixChara = 1;
        AppSettings.HowStep5b_AddFront = 1;
        AppSettings.Step5_EmbedZero = 1;
        AppSettings.Step5_OvereriteSameFile = 0;
        AppSettings.Step5_AddChara = "small-";
        GetMultiViewState() = MultiViewState{};
        GetMultiViewState().thumbSize = 144;
        ASSERT_TRUE(m_panel.Create());
        m_stage.SetPanelState(&m_panel);
        m_stage.List().SetThumbnailDecoder(m_decoder.Decoder());
        m_stage.List().SetAvailableMemoryMB([] { return DWORD{100000}; });
        ASSERT_TRUE(m_stage.Create(nullptr));
        m_folder = MakePictureFolder(m_dir, QStringLiteral("a"), 6);
        m_panel.displayState = kMultiDisplayLoading;
        m_stage.SendMessage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&m_folder), kSortBitName);
        ASSERT_TRUE(PumpUntil([&] { return !m_stage.Loaders().AnyAlive(); }, 10000));
        for (int p : {1, 2, 4})
            m_stage.List().SetSelection(p, 1);
        Summary(1, {{160, 120}}, {3});
    }
    void TearDown() override
    {
        m_stage.DestroyWindow();
        m_panel.DestroyWindow();
        AppSettings = m_saved;
        StretchSizeSummary = StretchSizeSummaryRecord{};
    }
    void Summary(int kinds, std::initializer_list<SIZE> sizes, std::initializer_list<int> counts)
    {
        StretchSizeSummaryRecord s;
        s.sizeKinds = static_cast<BYTE>(kinds);
        int i = 0;
        for (SIZE size : sizes)
            s.sizes[i++] = size;
        i = 0;
        for (int count : counts) {
            s.counts[i++] = count;
            s.fileCount += count;
        }
        s.exampleName = "p0001";
        s.exampleExtension = "png";
        s.folder = m_folder;
        StretchSizeSummary = s;
    }
    static void Click(CDlgStretchImage& d, int id, UINT check = 1)
    {
        d.CheckDlgButton(id, check);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    static void Type(CDlgStretchImage& d, int id, const QString& text)
    {
        d.SetDlgItemText(id, text);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), 0);
    }
    static QString Text(CDlgStretchImage& d, int id)
    {
        QString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static bool Enabled(CDlgStretchImage& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    static bool Shown(CDlgStretchImage& d, int id) { return d.GetDlgItem(id)->IsWindowVisible() != FALSE; }
    INT_PTR Run(const std::function<void(CDlgStretchImage&)>& script,
        decltype(ShrinkRunHooks::convert) convert = nullptr)
    {
        CDlgStretchImage dialog(&m_stage);
        dialog.SetConverterForTesting(
            convert ? convert : [this](const QString& in, const QString& out, const QString&) {
                std::lock_guard lock(m_callsMutex);
                m_calls.push_back({in, out});
                return ShrinkFileResult::Written;
            });
        return RunModalScript<CDlgStretchImage>(dialog, script);
    }

    QTemporaryDir m_dir;
    AppSettingsRecord m_saved;
    FakeThumbnailDecoder m_decoder;
    FakePanel m_panel;
    CDlgMultiViewStage m_stage;
    QString m_folder;
    std::mutex m_callsMutex;
    std::vector<std::pair<QString, QString>> m_calls;
};

TEST_F(StretchDialogTest, OneSizeOpensQuietlyAndTheStepsEnableTheirControls)
{
    ScriptedMessageBoxes boxes;
    const INT_PTR result = Run([&](CDlgStretchImage& d) {
        EXPECT_EQ(Text(d, IDC_SHRINK_NOTICE), "● 変換条件を上から順にセットして下さい。");
        EXPECT_EQ(Text(d, IDC_SHRINK_ALL_IMAGES), "選択された全ての画像を変換する。 (Total 3 ファイル)");
        EXPECT_FALSE(Enabled(d, IDC_SHRINK_CHOSEN_SIZES));
        for (int i = 0; i < 6; ++i)
            EXPECT_FALSE(Shown(d, IDC_SHRINK_SIZE_1 + i)) << i;
        EXPECT_EQ(Text(d, IDC_SHRINK_SOURCE_SIZE), "160×120");
        EXPECT_EQ(Text(d, IDC_SHRINK_RESULT_SIZE), "80×60");
        EXPECT_EQ(Text(d, IDC_SHRINK_QUALITY_VALUE), "85%");
        EXPECT_EQ(Text(d, IDC_SHRINK_FOLDER), m_folder);
        EXPECT_EQ(Text(d, IDC_SHRINK_EXAMPLE), "small-p0001.jpg");
        EXPECT_FALSE(Shown(d, IDC_SHRINK_PROGRESS));

        // Each step's choice against the controls it enables.
        struct Step {
            int click;
            std::vector<int> enabled;
            std::vector<int> disabled;
        };
        const Step steps[] = {
            {IDC_SHRINK_BY_SIZE, {IDC_SHRINK_WIDTH, IDC_SHRINK_HEIGHT},
                {IDC_SHRINK_RATIO, IDC_SHRINK_RATIO_SPIN_1}},
            {IDC_SHRINK_BY_RATIO, {IDC_SHRINK_RATIO, IDC_SHRINK_RESULT_SIZE}, {IDC_SHRINK_WIDTH}},
            {IDC_SHRINK_PNG, {}, {IDC_SHRINK_QUALITY, IDC_SHRINK_QUALITY_VALUE}},
            {IDC_SHRINK_JPEG, {IDC_SHRINK_QUALITY, IDC_SHRINK_QUALITY_VALUE}, {}},
            {IDC_SHRINK_CHOSEN_FOLDER, {IDC_SHRINK_BROWSE, IDC_SHRINK_FOLDER, IDC_SHRINK_MOVE}, {}},
            {IDC_SHRINK_SAME_FOLDER, {}, {IDC_SHRINK_BROWSE, IDC_SHRINK_FOLDER, IDC_SHRINK_MOVE}},
            {IDC_SHRINK_SERIAL, {IDC_SHRINK_ZERO_FILL}, {IDC_SHRINK_TEXT}},
            {IDC_SHRINK_FIXED_TEXT, {IDC_SHRINK_TEXT}, {IDC_SHRINK_ZERO_FILL}},
            {IDC_SHRINK_KEEP_NAME, {},
                {IDC_SHRINK_OVERWRITE, IDC_SHRINK_TEXT, IDC_SHRINK_FRONT, IDC_SHRINK_SERIAL}},
            {IDC_SHRINK_CHOSEN_FOLDER, {IDC_SHRINK_OVERWRITE}, {IDC_SHRINK_TEXT}},
        };
        for (const Step& s : steps) {
            Click(d, s.click);
            for (int id : s.enabled)
                EXPECT_TRUE(Enabled(d, id)) << s.click << " " << id;
            for (int id : s.disabled)
                EXPECT_FALSE(Enabled(d, id)) << s.click << " " << id;
        }
        // Keep name in the same folder forces overwrite; the example goes.
        Click(d, IDC_SHRINK_SAME_FOLDER);
        EXPECT_TRUE(d.IsDlgButtonChecked(IDC_SHRINK_OVERWRITE));
        EXPECT_FALSE(Shown(d, IDC_SHRINK_EXAMPLE));
        Click(d, IDC_SHRINK_CHANGE_NAME);
        Click(d, IDC_SHRINK_SERIAL);
        Click(d, IDC_SHRINK_BACK);
        EXPECT_EQ(Text(d, IDC_SHRINK_EXAMPLE), "p0001-1.jpg");
        d.SetDlgItemText(IDC_SHRINK_TEXT, "x_");
        Click(d, IDC_SHRINK_FIXED_TEXT);
        EXPECT_EQ(Text(d, IDC_SHRINK_EXAMPLE), "p0001x_.jpg");
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_EQ(AppSettings.Step5_AddChara, "small-");  // cancel stores nothing
    EXPECT_EQ(AppSettings.HowStep5b_AddFront, 1);
    EXPECT_TRUE(m_calls.empty());
}

TEST_F(StretchDialogTest, MixedSizesWarnOnceAndTheSizeBoxesChooseTheReference)
{
    AppSettings.Step2_HowRatio = 0;
    Summary(3, {{4000, 3000}, {3000, 4000}, {640, 480}}, {1, 1, 1});
    ScriptedMessageBoxes boxes;
    Run([&](CDlgStretchImage& d) {
        EXPECT_EQ(Text(d, IDC_SHRINK_NOTICE), "確認 : 異なる縦横比のファイルが選択されています。");
        EXPECT_EQ(d.Choices().ratioMode, 1);
        EXPECT_TRUE(d.IsDlgButtonChecked(IDC_SHRINK_BY_RATIO));
        EXPECT_EQ(Text(d, IDC_SHRINK_SIZE_1 + 1), "3000×4000 (1 ﾌｧｲﾙ)");
        EXPECT_TRUE(Shown(d, IDC_SHRINK_SIZE_1 + 2));
        EXPECT_FALSE(Shown(d, IDC_SHRINK_SIZE_1 + 3));
        EXPECT_FALSE(Enabled(d, IDC_SHRINK_SIZE_1));
        Click(d, IDC_SHRINK_CHOSEN_SIZES);
        EXPECT_TRUE(Enabled(d, IDC_SHRINK_SIZE_1 + 2));
        Click(d, IDC_SHRINK_SIZE_1, 0);  // the last ticked box stays
        EXPECT_TRUE(d.IsDlgButtonChecked(IDC_SHRINK_SIZE_1));
        Click(d, IDC_SHRINK_SIZE_1 + 2);
        Click(d, IDC_SHRINK_SIZE_1, 0);
        EXPECT_EQ(d.ReferenceSize(), (SIZE{640, 480}));
        EXPECT_EQ(Text(d, IDC_SHRINK_SOURCE_SIZE), "640×480");
        EXPECT_EQ(Text(d, IDC_SHRINK_RESULT_SIZE), "320×240");
        // Typed sizes follow the reference's aspect and limits.
        Click(d, IDC_SHRINK_BY_SIZE);
        Type(d, IDC_SHRINK_WIDTH, "320");
        EXPECT_EQ(Text(d, IDC_SHRINK_HEIGHT), "240");
        Type(d, IDC_SHRINK_WIDTH, "9999");
        EXPECT_EQ(Text(d, IDC_SHRINK_WIDTH), "640");
        EXPECT_EQ(Text(d, IDC_SHRINK_HEIGHT), "480");
        Type(d, IDC_SHRINK_RATIO, "0");
        EXPECT_EQ(Text(d, IDC_SHRINK_RATIO), "1");
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(boxes.Texts(),
        QStringList({"確認 : 異なる縦横比のファイルが選択されています。\n\nSTEP2 \"変換サイズ\" を "
                     "\"縮小率で指定\" に切り換えます。",
            "全てのチェックをOFFにする事は出来ません。"}));
}

TEST_F(StretchDialogTest, ARunConvertsTheSelectionAndStoresTheChoices)
{
    ScriptedMessageBoxes boxes;
    const INT_PTR result = Run(
        [&](CDlgStretchImage& d) {
            // A fixed text with a folder part is refused like a rename text.
            d.SetDlgItemText(IDC_SHRINK_TEXT, "a/b");
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            EXPECT_EQ(d.RunState(), kStretchIdle);
            EXPECT_EQ(Text(d, IDOK), "変換開始");
            d.SetDlgItemText(IDC_SHRINK_TEXT, "s_");
            Click(d, IDC_SHRINK_SERIAL);
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            EXPECT_EQ(Text(d, IDOK), "途中終了");
            EXPECT_FALSE(Enabled(d, IDCANCEL));
            EXPECT_FALSE(Enabled(d, IDC_SHRINK_PNG));
            EXPECT_TRUE(Shown(d, IDC_SHRINK_PROGRESS));
            // The worker's OK ends the dialog.
        },
        [&](const QString& in, const QString& out, const QString&) {
            std::lock_guard lock(m_callsMutex);
            m_calls.push_back({in, out});
            return m_calls.size() == 2 ? ShrinkFileResult::Failed : ShrinkFileResult::Written;
        });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(m_calls.size(), 3u);
    const QString name1 = m_stage.List().GetFileName(m_stage.List().GetSortIndex(1));
    EXPECT_EQ(m_calls[0].first, m_folder + "/" + name1);
    EXPECT_EQ(m_calls[0].second, m_folder + "/1-p0001.jpg");
    EXPECT_EQ(m_calls[2].second, m_folder + "/3-p0004.jpg");
    EXPECT_EQ(boxes.Texts(),
        QStringList({"ドライブ及びパスの指定は出来ません。",
            "縮小変換が終了しました。\n\n失敗又は処理を行わなかったファイル数 1"}));
    EXPECT_EQ(AppSettings.HowStep5a_FixChara, 0);
    EXPECT_EQ(AppSettings.Step5_AddChara, "s_");
}

TEST_F(StretchDialogTest, AStopEndsAfterTheCurrentFileAndFinishesOnce)
{
    ScriptedMessageBoxes boxes;
    std::atomic<int> calls{0};
    std::atomic<bool> firstStarted{false};
    const INT_PTR result = Run(
        [&](CDlgStretchImage& d) {
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            ASSERT_TRUE(PumpUntil([&] { return firstStarted.load(); }, 3000));
            // The stop waits, handling messages, until the worker has ended:
            // the worker's own OK comes inside that wait and is dropped.
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            EXPECT_EQ(d.RunState(), kStretchStopped);
        },
        [&](const QString&, const QString&, const QString&) {
            ++calls;
            firstStarted = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            return ShrinkFileResult::Written;
        });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(calls.load(), 1);
    EXPECT_EQ(boxes.Texts(), QStringList({"縮小変換を途中終了しました。"}));
}

}  // namespace
