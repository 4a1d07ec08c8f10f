// The rename dialog over a stage of six files: single mode stays on a file
// after a clash and takes back a name with a folder part; batch mode adds
// text with the separator, runs past failures (the first message's No
// silences the rest) and counts them; the delete count's checks and steps;
// and what an empty selection does.
#include "multiview/rename_dialog.h"

#include "core/multi_view_globals.h"
#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "multiview/multi_view_stage.h"
#include "multiview/multi_view_state.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/controls/controls.h"
#include "platform/system/file_operations.h"
#include "tests/multiview/fake_multi_panel.h"
#include "tests/multiview/fake_thumbnail_decoder.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RenameDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_saved = AppSettings;
        AppSettings.MaxHBitmapNumber = 2000;
        GetMultiViewState() = MultiViewState{};
        GetMultiViewState().thumbSize = 144;
        RenameChoices = RenameChoicesRecord{};
        ASSERT_TRUE(m_panel.Create());
        m_stage.SetPanelState(&m_panel);
        m_stage.List().SetThumbnailDecoder(m_decoder.Decoder());
        m_stage.List().SetAvailableMemoryMB([] { return DWORD{100000}; });
        ASSERT_TRUE(m_stage.Create(nullptr));
        m_stage.ShowWindow(SW_SHOW);
        m_folder = MakePictureFolder(m_dir, QStringLiteral("a"), 6);
        m_panel.displayState = kMultiDisplayLoading;
        m_stage.SendMessage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&m_folder), kSortBitName);
        ASSERT_TRUE(PumpUntil([&] { return !m_stage.Loaders().AnyAlive(); }, 10000));
    }
    void TearDown() override
    {
        SetFileOperationFault({});
        m_stage.DestroyWindow();
        m_panel.DestroyWindow();
        AppSettings = m_saved;
        RenameChoices = RenameChoicesRecord{};
        g_nRenameMode = 0;
    }
    void Select(std::initializer_list<int> positions)
    {
        for (int p : positions)
            m_stage.List().SetSelection(p, 1);
    }
    static void Click(CDlgChangeFileName& d, int id, UINT check = 1)
    {
        d.CheckDlgButton(id, check);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    static QString Text(CDlgChangeFileName& d, int id)
    {
        QString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static bool Enabled(CDlgChangeFileName& d, int id)
    {
        return d.GetDlgItem(id)->IsWindowEnabled() != FALSE;
    }
    QString NameAt(int position) const
    {
        return m_stage.List().GetFileName(m_stage.List().GetSortIndex(position));
    }
    bool OnDisk(const QString& name) const { return QFile::exists(m_folder + "/" + name); }
    INT_PTR Run(const std::function<void(CDlgChangeFileName&)>& script)
    {
        CDlgChangeFileName dialog(&m_stage, &m_done);
        return RunModalScript<CDlgChangeFileName>(dialog, script);
    }

    QTemporaryDir m_dir;
    AppSettingsRecord m_saved;
    FakeThumbnailDecoder m_decoder;
    FakePanel m_panel;
    CDlgMultiViewStage m_stage;
    QString m_folder;
    int m_done = -1;
};

TEST_F(RenameDialogTest, SingleModeStaysOnAClashTakesBackAFolderPartAndRenamesTheCurrentItem)
{
    Select({2});
    m_stage.SetFocusPosition(4);  // one selected file: the current item is the one renamed
    g_nRenameMode = kRenameSingle;
    RenameChoices.selectionMethod = kSelectNamePart;
    ScriptedMessageBoxes boxes;
    const INT_PTR result = Run([&](CDlgChangeFileName& d) {
        EXPECT_EQ(d.Items().size(), 1u);
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "p0004.png");
        int start = -1;
        int end = -1;
        static_cast<CEdit*>(d.GetDlgItem(IDC_RENAME_EDIT))->GetSel(start, end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 5);
        EXPECT_EQ(Text(d, IDC_RENAME_STATUS), "処理されたファイル数 0,   選択ファイル総数 1");
        EXPECT_FALSE(Enabled(d, IDC_RENAME_RESTORE));
        EXPECT_FALSE(Enabled(d, IDC_RENAME_ADD));
        // The thumbnail (4:3, red) fitted on white into the box.
        CWnd* box = d.GetDlgItem(IDC_RENAME_PREVIEW);
        const auto pixel = [&](int x, int y) {
            CDC* dc = box->GetDC();
            const COLORREF colour = dc->GetPixel(x, y);
            box->ReleaseDC(dc);
            return colour;
        };
        EXPECT_TRUE(PumpUntil([&] { return pixel(49, 49) == RGB(200, 0, 0); }, 2000));
        EXPECT_EQ(pixel(49, 5), RGB(255, 255, 255));

        d.SetDlgItemText(IDC_RENAME_EDIT, "p0000.png");
        EXPECT_TRUE(Enabled(d, IDC_RENAME_RESTORE));
        Click(d, IDC_RENAME_EXECUTE);  // taken: the same file again
        EXPECT_EQ(boxes.Texts().last(), "既に存在するファイル名が指定されました。");
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "p0004.png");
        EXPECT_EQ(m_done, 0);

        d.SetDlgItemText(IDC_RENAME_EDIT, "q.png");
        d.SetDlgItemText(IDC_RENAME_EDIT, "sub\\q.png");
        EXPECT_EQ(boxes.Texts().last(), "ドライブ及びパスの指定は出来ません。");
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "q.png");
        d.SetDlgItemText(IDC_RENAME_EDIT, "..");
        Click(d, IDC_RENAME_EXECUTE);
        EXPECT_EQ(boxes.Texts().last(), "ドライブ及びパスの指定は出来ません。");
        EXPECT_EQ(m_done, 0);

        d.SetDlgItemText(IDC_RENAME_EDIT, "q.png");
        Click(d, IDC_RENAME_EXECUTE);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes.Texts().last(), "ファイル名の変更処理が終了しました。");
    EXPECT_EQ(m_done, 1);
    EXPECT_TRUE(OnDisk("q.png"));
    EXPECT_FALSE(OnDisk("p0004.png"));
    EXPECT_TRUE(OnDisk("p0000.png"));
    EXPECT_EQ(NameAt(4), "q.png");  // told to the stage at once
}

TEST_F(RenameDialogTest, BatchAddCarriesTheSeparatorRunsPastFailuresAndCountsThem)
{
    Select({0, 1, 2, 3});
    g_nRenameMode = kRenameBatch;
    RenameChoices.batchOperation = kBatchAddText;
    RenameChoices.addPosition = kAtHead;
    RenameChoices.separatorOn = 1;
    RenameChoices.separator = 2;  // underscore
    // The clash appears after the folder was listed.
    QFile(m_folder + "/p0002_x.png").open(QIODevice::WriteOnly);
    SetFileOperationFault([](FileOperationKind kind, const QString& path) {
        return kind == FileOperationKind::Move && path.endsWith("p0001.png") ? ERROR_ACCESS_DENIED
                                                                             : ERROR_SUCCESS;
    });
    ScriptedMessageBoxes boxes({IDOK, IDNO});  // the refusal, then the first error
    const INT_PTR result = Run([&](CDlgChangeFileName& d) {
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "_");
        EXPECT_EQ(Text(d, IDC_RENAME_TOTAL), "選択ファイル総数 4");
        EXPECT_FALSE(Enabled(d, IDC_RENAME_SELECT_WHOLE));
        EXPECT_TRUE(Enabled(d, IDC_RENAME_HYPHEN));
        EXPECT_FALSE(Enabled(d, IDC_RENAME_DELETE_HEAD));
        d.SetDlgItemText(IDC_RENAME_EDIT, "x_");
        EXPECT_EQ(Text(d, IDC_RENAME_STATUS), "⇒ x_p0000.png");
        Click(d, IDC_RENAME_ADD_END);  // the separator moves to the text's other end
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "_x");
        EXPECT_EQ(Text(d, IDC_RENAME_STATUS), "⇒ p0000_x.png");
        Click(d, IDC_RENAME_SEPARATOR_ON, 0);
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "x");
        EXPECT_FALSE(Enabled(d, IDC_RENAME_HYPHEN));
        Click(d, IDC_RENAME_SEPARATOR_ON, 1);
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "_x");
        d.SetDlgItemText(IDC_RENAME_EDIT, "a/b");
        Click(d, IDC_RENAME_EXECUTE);  // refused before any rename
        EXPECT_EQ(boxes.Texts().last(), "ドライブ及びパスの指定は出来ません。");
        EXPECT_EQ(m_done, 0);
        d.SetDlgItemText(IDC_RENAME_EDIT, "_x");
        Click(d, IDC_RENAME_EXECUTE);
    });
    EXPECT_EQ(result, IDOK);
    const QStringList texts = boxes.Texts();
    // One error message (answered No), then none, then the count of both failures.
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[1],
        "失敗: p0001.png\n\nアクセスが拒否されました。書き込み可能メディアか確認してください。\n\n"
        "以後、エラーメッセージを表示しますか？");
    EXPECT_EQ(texts[2], "2 個のファイル変換に失敗しました。");
    EXPECT_EQ(m_done, 4);
    for (const char* name : {"p0000_x.png", "p0001.png", "p0002.png", "p0002_x.png", "p0003_x.png"})
        EXPECT_TRUE(OnDisk(name)) << name;
    EXPECT_EQ(NameAt(0), "p0000_x.png");
    EXPECT_EQ(NameAt(1), "p0001.png");
    EXPECT_EQ(NameAt(3), "p0003_x.png");
    EXPECT_EQ(RenameChoices.addPosition, kAtEnd);  // kept for the next opening
}

TEST_F(RenameDialogTest, BatchDeleteChecksTheCountAndStepsItBelowTheNameLength)
{
    Select({0, 1});
    g_nRenameMode = kRenameBatch;
    RenameChoices.batchOperation = kBatchDeleteChars;
    RenameChoices.deleteCount = 7;  // reset by the opening
    ScriptedMessageBoxes boxes;
    const INT_PTR result = Run([&](CDlgChangeFileName& d) {
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "0");
        EXPECT_EQ(Text(d, IDC_RENAME_STATUS), "⇒ p0000.png");
        EXPECT_FALSE(Enabled(d, IDC_RENAME_ADD_HEAD));
        EXPECT_TRUE(Enabled(d, IDC_RENAME_DELETE_HEAD));
        Click(d, IDC_RENAME_EXECUTE);
        EXPECT_EQ(boxes.Texts().last(), "有効な数値を入力してください。");

        const auto step = [&](int delta) {
            NMUPDOWN change{};
            change.hdr.idFrom = IDC_RENAME_COUNT_SPIN;
            change.hdr.code = UDN_DELTAPOS;
            change.iDelta = delta;
            LRESULT answer = 0;
            d.OnNotify(IDC_RENAME_COUNT_SPIN, reinterpret_cast<LPARAM>(&change), &answer);
        };
        for (int i = 0; i < 6; ++i)
            step(+1);
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "4");  // "p0000" keeps one character
        EXPECT_EQ(Text(d, IDC_RENAME_STATUS), "⇒ p.png");
        step(-1);
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "3");
        Click(d, IDC_RENAME_DELETE_HEAD);
        EXPECT_EQ(Text(d, IDC_RENAME_STATUS), "⇒ 00.png");
        d.GetDlgItem(IDC_RENAME_EDIT)->SetFocus();
        d.SendMessage(WM_COMMAND, IDOK);  // Enter in the edit executes
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes.Texts().last(), "ファイル名の変更処理が終了しました。");
    EXPECT_TRUE(OnDisk("00.png"));
    EXPECT_TRUE(OnDisk("01.png"));
}

TEST_F(RenameDialogTest, ALongNameIsAskedAboutOnceAndFailsWithoutARename)
{
    Select({1, 3});
    g_nRenameMode = kRenameSingle;
    const QString folder = m_folder + "/";
    const QString tooLong = QString(kRenamePathLimit - folder.size() - 4, u'n') + ".png";
    ScriptedMessageBoxes boxes({IDNO, IDYES});
    const INT_PTR result = Run([&](CDlgChangeFileName& d) {
        EXPECT_EQ(d.Folder(), folder);
        d.SetDlgItemText(IDC_RENAME_EDIT, tooLong);  // No: the text goes back
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "p0001.png");
        d.SetDlgItemText(IDC_RENAME_EDIT, tooLong);  // Yes: kept, and not asked again
        d.SetDlgItemText(IDC_RENAME_EDIT, tooLong + "x");
        EXPECT_EQ(boxes.Texts().size(), 2);
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), tooLong + "x");
        Click(d, IDC_RENAME_EXECUTE);  // fails, the file keeps its name, the next one is due
        EXPECT_EQ(boxes.Texts().last(), "ファイル名の変換に失敗しました。");
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT), "p0003.png");
        EXPECT_EQ(Text(d, IDC_RENAME_STATUS), "処理されたファイル数 1,   選択ファイル総数 2");
        Click(d, IDC_RENAME_BATCH);  // the rest as a batch; no operation chosen yet
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT_TITLE), "削除する文字数  ( 元ファイル名 : p0003.png )");
        EXPECT_TRUE(Enabled(d, IDC_RENAME_ADD_HEAD));
        EXPECT_FALSE(Enabled(d, IDC_RENAME_DELETE_HEAD));
        EXPECT_FALSE(Enabled(d, IDC_RENAME_SELECT_WHOLE));
        Click(d, IDC_RENAME_ADD);
        EXPECT_EQ(Text(d, IDC_RENAME_EDIT_TITLE), "付加する文字列  ( 元ファイル名 : p0003.png )");
        d.SetDlgItemText(IDC_RENAME_EDIT, "b");
        Click(d, IDC_RENAME_EXECUTE);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes.Texts()[0],
        "これ以上文字数を増やすとファイル名の変更に失敗する可能性があります。\n\nこのまま処理を進めますか？");
    EXPECT_EQ(boxes.Texts().last(), "1 個のファイル変換に失敗しました。");
    EXPECT_TRUE(OnDisk("p0001.png"));
    EXPECT_TRUE(OnDisk("p0003b.png"));
    EXPECT_EQ(g_nRenameMode, kRenameBatch);
}

TEST_F(RenameDialogTest, NothingSelectedClosesWithItsMessage)
{
    g_nRenameMode = kRenameSingle;
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(Run([](CDlgChangeFileName& d) { d.EndDialog(-3); }), IDCANCEL);
    EXPECT_EQ(boxes.Texts(), QStringList({"ファイルが選択されていません。"}));
    EXPECT_EQ(m_done, 0);
}

}  // namespace
