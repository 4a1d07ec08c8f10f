// Reading the legacy profile file "Kestrel.ini".
#include "settings_test_support.h"

#include "core/settings/profile_file.h"
#include "platform/system/cp932.h"

#include <gtest/gtest.h>

namespace {

QByteArray Cp932(const QString& text)
{
    return EncodeCp932(text).value();
}

}  // namespace

TEST(ProfileFile, Grammar)
{
    ProfileFile ini;
    const QByteArray first = Cp932(QStringLiteral("top=ignored\r\n"
                                                  "[ Sec ]\r\n"
                                                  "  Key  =  \"quoted value\"  \r\n"
                                                  "Single='x'\n"
                                                  "Half=\"open\r\n"
                                                  "; Comment=1\r\n"
                                                  "NoEquals\r\n"
                                                  "Num = -42px\r\n"
                                                  "Big = 99999999999\r\n"
                                                  "Empty =\r\n"
                                                  "Key = second\r\n"));
    const QByteArray undecodable = "Bad = \xA0\r\nAfter = 3\r\n";
    const QByteArray second = Cp932(QStringLiteral("[sec]\r\nOther = 1\r\n"));
    ini.Parse(first + undecodable + second);
    const QString sec = QStringLiteral("SEC");
    EXPECT_EQ(ini.GetString(sec, QStringLiteral("key"), QString(), 520), QStringLiteral("quoted value"));
    EXPECT_EQ(ini.GetString(sec, QStringLiteral("Single"), QString(), 520), QStringLiteral("x"));
    EXPECT_EQ(ini.GetString(sec, QStringLiteral("Half"), QString(), 520), QStringLiteral("\"open"));
    EXPECT_EQ(ini.GetString(sec, QStringLiteral("Key"), QString(), 12), QString());  // does not fit
    EXPECT_EQ(ini.GetString(sec, QStringLiteral("Comment"), QStringLiteral("d"), 520), QStringLiteral("d"));
    EXPECT_EQ(ini.GetString(sec, QStringLiteral("NoEquals"), QStringLiteral("d"), 520), QStringLiteral("d"));
    EXPECT_EQ(ini.GetString(sec, QStringLiteral("Other"), QStringLiteral("d"), 520), QStringLiteral("d"));
    EXPECT_EQ(ini.GetString(QStringLiteral("top"), QStringLiteral("top"), QStringLiteral("d"), 520),
        QStringLiteral("d"));
    EXPECT_EQ(ini.GetInt(sec, QStringLiteral("Num"), 5), -42);
    EXPECT_EQ(ini.GetInt(sec, QStringLiteral("Big"), 5), 2147483647);
    EXPECT_EQ(ini.GetInt(sec, QStringLiteral("Empty"), 5), 5);
    EXPECT_EQ(ini.GetInt(sec, QStringLiteral("Key"), 5), 0);
    EXPECT_EQ(ini.GetInt(sec, QStringLiteral("Missing"), 5), 5);
    EXPECT_EQ(ini.GetInt(sec, QStringLiteral("Bad"), 5), 5);  // the line does not decode
    EXPECT_EQ(ini.GetInt(sec, QStringLiteral("After"), 5), 3);
}

TEST(SettingsLegacy, ConvertsTheOlderLayout)
{
    StoreInFolder f;
    QByteArray ini =
        Cp932(QStringLiteral("[-Directory-]\r\n"
                             "LastAccessDir=/home/ユーザー/画像\r\n"
                             "[-ImageOption-]\r\n"
                             "PrevSaveLeft=10\r\nPrevSaveTop=20\r\nPrevSaveRight=30\r\n"
                             "MakeFilenameFrontStr=old-\r\n"
                             "MakeFilenameDigit=5\r\n"
                             "[-optionbasic-]\r\n"
                             "captureListMax=5\r\n"
                             "ShowZoomDlg = 0\r\n"
                             "[-TreeFile-]\r\n"
                             "rctTreeFile_rect=1,2,3\r\n"
                             "rctTreeFile_l=5\r\nrctTreeFile_b=99\r\n"
                             "[-TreeFile2-]\r\n"
                             "rctTreeFolder_r_2=500\r\n"
                             "ShortCutFolder2=\"/mnt/共有\"\r\n"
                             "[-ClipHistory-]\r\n"
                             "ClipRect03_rect=1,2,3,4\r\n"
                             "ClipRect05_l=7\r\nClipRect05_t=8\r\nClipRect05_r=9\r\nClipRect05_b=10\r\n"
                             "ClipPrevRect=5,5\r\n"
                             "[-Small Image-]\r\n"
                             "HowStep2_Ratio=0\r\n"
                             "Step2_HowRatio=1\r\n"
                             "Step5_AddChara=1234567890123456789012345\r\n"
                             "[-ThumbnailMaskInfo-]\r\n"
                             "MaskExt=31\r\n"
                             "[-Continue Capture-]\r\n"
                             "Step7_cc_Filename=連番\r\n"));
    ASSERT_TRUE(WriteWholeFile(f.Ini(), ini));
    f.settings.Step2_HowRatio = 9;
    g_nZoomStepBase = 0;
    f.store.ReadLegacyIni(f.folder);
    const AppSettingsRecord& s = f.settings;
    EXPECT_EQ(s.LastAccessDir, QStringLiteral("/home/ユーザー/画像"));
    EXPECT_EQ(s.TreeLastDir, QStringLiteral("no_choice_tree_control"));  // absent: default
    EXPECT_EQ(s.PrevSaveRect, (RECT{10, 20, 30, -1}));
    EXPECT_EQ(s.MakeFilenameFrontStr, QStringLiteral("Kestrel-"));  // not a legacy key
    EXPECT_EQ(s.MakeFilenameDigit, 4);
    EXPECT_EQ(s.CaptureListMax, 30);
    EXPECT_EQ(s.ShowZoomDlg, 0);
    EXPECT_EQ(s.rctTreeFile_rect, (RECT{5, 0, 240, 99}));
    EXPECT_EQ(s.rctTreeFolder2_rect, (RECT{0, 0, 500, 360}));
    EXPECT_EQ(s.ShortCutFolder2, QStringLiteral("/mnt/共有"));
    EXPECT_EQ(s.ClipRect03_rect, (RECT{1, 2, 3, 4}));
    EXPECT_EQ(s.ClipRect05_rect, (RECT{7, 8, 9, 10}));
    EXPECT_EQ(s.ClipRect06_rect, (RECT{1, 1, 1, 1}));
    EXPECT_EQ(s.ClipPrevRect, (RECT{0, 0, 1919, 1079}));
    EXPECT_EQ(s.Step2_HowRatio, 0);  // from its older name only
    EXPECT_EQ(s.Step5_AddChara, QStringLiteral("small-"));
    EXPECT_EQ(s.MaskExt, 0);
    EXPECT_EQ(s.Step7_cc_Filename, QStringLiteral("連番"));
    EXPECT_EQ(s.JpegQuality, 85);
    EXPECT_EQ(g_nZoomStepBase, 1000);

    // Converted by a load: the new settings file holds the values.
    f.store.LoadSettings();
    EXPECT_FALSE(QFile::exists(f.Ini()));
    AppSettingsRecord reread;
    SettingsStore(kTestScreen, f.folder, reread).ReadSettingsFile(f.folder);
    EXPECT_EQ(reread.LastAccessDir, QStringLiteral("/home/ユーザー/画像"));
    EXPECT_EQ(reread.ClipRect05_rect, (RECT{7, 8, 9, 10}));
}
