// The settings file: its exact bytes, the reader's search rules and the
// round trip.
#include "settings_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kJapaneseFolder = QStringLiteral("/home/ユーザー/キャプチャ/");

QByteArray GoldenDefaultFile()
{
    return ReadWholeFile(QStringLiteral(KESTREL_TEST_DATA_DIR "/settings/default_1920x1080.cfg"));
}

// Replaces the whole line that starts with `start` (without its CR LF).
QByteArray ReplaceLine(QByteArray text, const QByteArray& start, const QByteArray& line)
{
    const qsizetype at = text.indexOf("\n" + start) + 1;
    EXPECT_GT(at, 0) << start.constData();
    const qsizetype end = text.indexOf('\r', at);
    return text.replace(at, end - at, line);
}

QByteArray RemoveLine(QByteArray text, const QByteArray& start)
{
    const qsizetype at = text.indexOf("\n" + start) + 1;
    EXPECT_GT(at, 0) << start.constData();
    return text.remove(at, text.indexOf('\n', at) + 1 - at);
}

// Moves the section that opens with header, with its keys, behind the last one.
QByteArray MoveSectionToEnd(QByteArray text, const QByteArray& header)
{
    const qsizetype at = text.indexOf(header);
    const qsizetype end = text.indexOf("\r\n\r\n[", at) + 4;  // with the empty line after it
    EXPECT_GE(at, 0) << header.constData();
    const QByteArray section = text.mid(at, end - at);
    return text.remove(at, end - at) + "\r\n" + section.chopped(2);
}

}  // namespace

TEST(SettingsFile, DefaultsAreWrittenByteForByte)
{
    const QByteArray golden = GoldenDefaultFile();
    ASSERT_FALSE(golden.isEmpty());
    QTemporaryDir dir;
    AppSettingsRecord settings;
    SettingsStore store(kTestScreen, kJapaneseFolder, settings);
    store.ReadSettingsFile(dir.path());  // no file: every default
    EXPECT_EQ(store.FormatSettingsText(), golden);

    ASSERT_EQ(store.WriteSettingsFile(dir.path()), 1);
    EXPECT_EQ(ReadWholeFile(dir.filePath(QLatin1String(kSettingsFileName))), golden);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QLatin1String(kSettingsFileName)});
}

TEST(SettingsFile, FileWithLfLineEndsIsWrittenBackUnchangedWithCrLf)
{
    const QByteArray golden = GoldenDefaultFile();
    StoreInFolder f;
    ASSERT_TRUE(WriteWholeFile(f.Cfg(), QByteArray(golden).replace("\r\n", "\n")));
    f.store.ReadSettingsFile(f.folder);
    ASSERT_EQ(f.store.WriteSettingsFile(f.folder), 1);
    EXPECT_EQ(ReadWholeFile(f.Cfg()), golden);
}

TEST(SettingsFile, ReaderFollowsTheFileSearchRules)
{
    struct Case {
        const char* name;
        std::function<QByteArray(QByteArray)> edit;
        std::function<void(const AppSettingsRecord&)> expect;
    };
    const Case cases[] = {
        {"values override defaults",
            [](QByteArray t) {
                t = ReplaceLine(t, "ColorRadix", "ColorRadix = 10");
                return ReplaceLine(t, "Step5_AddChara", "Step5_AddChara = \x83\x86\x81\x5B");
            },
            [](const AppSettingsRecord& s) {
                EXPECT_EQ(s.ColorRadix, 10);
                EXPECT_EQ(s.Step5_AddChara, QStringLiteral("ユー"));
            }},
        {"a missing section keeps only its own keys at their defaults",
            [](QByteArray t) {
                t = ReplaceLine(t, "ColorRadix", "ColorRadix = 10");
                t = ReplaceLine(t, "ShowPixelGrid", "ShowPixelGrid = 0");
                t = ReplaceLine(t, "JpegQuality", "JpegQuality = 50");
                return t.replace("[-OptionColor-]", "[-OptionColour-]");
            },
            [](const AppSettingsRecord& s) {
                EXPECT_EQ(s.ColorRadix, 10);    // before the missing section
                EXPECT_EQ(s.ShowPixelGrid, 1);  // in it
                EXPECT_EQ(s.JpegQuality, 50);   // after it
            }},
        {"sections are found in any order",
            [](QByteArray t) {
                t = ReplaceLine(t, "TreeLastDir", "TreeLastDir = /moved");
                t = ReplaceLine(t, "JpegQuality", "JpegQuality = 50");
                return MoveSectionToEnd(t, "[-Directory-]");
            },
            [](const AppSettingsRecord& s) {
                EXPECT_EQ(s.TreeLastDir, QStringLiteral("/moved"));
                EXPECT_EQ(s.JpegQuality, 50);
            }},
        {"a key missing from its section keeps its default, not a longer key's value",
            [](QByteArray t) {
                t = RemoveLine(t, "TreeDlgPosX =");
                t = RemoveLine(t, "ClipHistory =");
                return ReplaceLine(t, "TreeDlgPosX2", "TreeDlgPosX2 = 300");
            },
            [](const AppSettingsRecord& s) {
                EXPECT_EQ(s.TreeDlgPosX, -1);
                EXPECT_EQ(s.TreeDlgPosX2, 300);
                EXPECT_EQ(s.ClipHistory, 1);  // not ClipHistoryProtect's 0
            }},
        {"numbers are truncated to the member's width",
            [](QByteArray t) { return ReplaceLine(t, "JpegQuality", "JpegQuality = 300"); },
            [](const AppSettingsRecord& s) { EXPECT_EQ(s.JpegQuality, 44); }},
        {"an unsigned number too large for int",
            [](QByteArray t) { return ReplaceLine(t, "ZoomStep", "ZoomStep = 4294967295"); },
            [](const AppSettingsRecord& s) { EXPECT_EQ(s.ZoomStep, 0xFFFFFFFFu); }},
        {"no number reads as 0",
            [](QByteArray t) { return ReplaceLine(t, "MaxZoomMag", "MaxZoomMag = many"); },
            [](const AppSettingsRecord& s) { EXPECT_EQ(s.MaxZoomMag, 0); }},
        {"a file with LF line ends reads like one with CR LF",
            [](QByteArray t) {
                t = ReplaceLine(t, "ColorRadix", "ColorRadix = 10");
                t = ReplaceLine(t, "TreeLastDir", "TreeLastDir = /lf");
                return t.replace("\r\n", "\n");
            },
            [](const AppSettingsRecord& s) {
                EXPECT_EQ(s.ColorRadix, 10);
                EXPECT_EQ(s.TreeLastDir, QStringLiteral("/lf"));  // not running into the next line
                EXPECT_EQ(s.JpegQuality, 85);
            }},
        {"file-name base of 30 characters is kept",
            [](QByteArray t) {
                return ReplaceLine(t, "Step7_cc_Filename", "Step7_cc_Filename = " + QByteArray(30, 'n'));
            },
            [](const AppSettingsRecord& s) {
                EXPECT_EQ(s.Step7_cc_Filename, QString(30, QLatin1Char('n')));
            }},
        {"file-name base of 31 characters is replaced",
            [](QByteArray t) {
                return ReplaceLine(t, "Step7_cc_Filename", "Step7_cc_Filename = " + QByteArray(31, 'n'));
            },
            [](const AppSettingsRecord& s) { EXPECT_EQ(s.Step7_cc_Filename, QStringLiteral("capture")); }},
        {"over-long or empty name texts are replaced",
            [](QByteArray t) {
                t = ReplaceLine(t, "MakeFilenameFrontStr", "MakeFilenameFrontStr = ");
                return ReplaceLine(t, "Step5_AddChara", "Step5_AddChara = " + QByteArray(25, 'a'));
            },
            [](const AppSettingsRecord& s) {
                EXPECT_EQ(s.MakeFilenameFrontStr, QStringLiteral("Kestrel-"));
                EXPECT_EQ(s.Step5_AddChara, QStringLiteral("small-"));
            }},
        {"a rectangle needs four fields and fits 24 characters",
            [](QByteArray t) {
                t = ReplaceLine(t, "PrevSaveRect", "PrevSaveRect = 10,20,30");
                t = ReplaceLine(t, "ClipRect01_rect", "ClipRect01_rect = 1000000,2000000,3000000,4");
                return ReplaceLine(t, "ClipRect02_rect", "ClipRect02_rect = 100000,200000,300000,4");
            },
            [](const AppSettingsRecord& s) {
                EXPECT_EQ(s.PrevSaveRect, (RECT{-1, -1, -1, -1}));
                EXPECT_EQ(s.ClipRect01_rect, (RECT{1, 1, 1, 1}));  // 25 characters
                EXPECT_EQ(s.ClipRect02_rect, (RECT{100000, 200000, 300000, 4}));
            }},
        {"an absent text becomes empty, an absent number keeps its default",
            [](QByteArray t) {
                t = RemoveLine(t, "TreeLastDir");
                return RemoveLine(t, "BMP_dpi");
            },
            [](const AppSettingsRecord& s) {
                EXPECT_TRUE(s.TreeLastDir.isEmpty());
                EXPECT_EQ(s.BMP_dpi, 96u);
            }},
        {"texts that do not decode or fit read empty",
            [](QByteArray t) {
                t = ReplaceLine(t, "TreeLastDir", "TreeLastDir = /a\xA0");
                return ReplaceLine(t, "LastAccessDir", "LastAccessDir = /" + QByteArray(519, 'd'));
            },
            [](const AppSettingsRecord& s) {
                EXPECT_TRUE(s.TreeLastDir.isEmpty());
                EXPECT_TRUE(s.LastAccessDir.isEmpty());
            }},
        {"keys that are never read, and the mask bits",
            [](QByteArray t) {
                t = ReplaceLine(t, "CaptureListMax", "CaptureListMax = 5");
                t = ReplaceLine(t, "SmoothMove", "SmoothMove = 1");
                return ReplaceLine(t, "MaskExt", "MaskExt = 7");
            },
            [](const AppSettingsRecord& s) {
                EXPECT_EQ(s.CaptureListMax, 30);
                EXPECT_EQ(s.SmoothMove, 0);
                EXPECT_EQ(s.MaskExt, 0);
            }},
        {"a file cut after a key name keeps that key's default",
            [](QByteArray t) {
                t.chop(QByteArray(" = 5000\r\n").size());
                return t;
            },
            [](const AppSettingsRecord& s) { EXPECT_EQ(s.CC_SaveWait_ms, 5000); }},
        {"a zero byte costs only the value it stands in",
            [](QByteArray t) {
                t = ReplaceLine(t, "TreeLastDir", QByteArray("TreeLastDir = /a\0b", 19));
                t = ReplaceLine(t, "JpegQuality", QByteArray("JpegQuality = 5\0", 16));
                t = ReplaceLine(t, "ColorRadix", "ColorRadix = 10");
                return ReplaceLine(t, "TreeDlgPosX2", "TreeDlgPosX2 = 300");
            },
            [](const AppSettingsRecord& s) {
                EXPECT_TRUE(s.TreeLastDir.isEmpty());  // as an absent text
                EXPECT_EQ(s.JpegQuality, 85);
                EXPECT_EQ(s.ColorRadix, 10);
                EXPECT_EQ(s.TreeDlgPosX2, 300);
            }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StoreInFolder f;
        ASSERT_TRUE(WriteWholeFile(f.Cfg(), c.edit(GoldenDefaultFile())));
        g_nZoomStepBase = 0;
        f.store.ReadSettingsFile(f.folder);
        c.expect(f.settings);
        EXPECT_EQ(g_nZoomStepBase, 1000);
        EXPECT_EQ(g_nRangeSelectMethod, 2);
    }
}

TEST(SettingsFile, UnreadableFileGivesDefaults)
{
    StoreInFolder f;
    ASSERT_TRUE(QDir(f.folder).mkdir(QLatin1String(kSettingsFileName)));  // a folder of that name
    f.settings.JpegQuality = 1;
    f.store.ReadSettingsFile(f.folder);
    EXPECT_EQ(f.settings.JpegQuality, 85);
    EXPECT_EQ(f.settings.LastAccessDir, f.folder);
}

TEST(SettingsFile, SaveAndLoadKeepEveryMember)
{
    StoreInFolder f;
    AppSettingsRecord& s = f.settings;
    f.store.ReadSettingsFile(f.folder);
    // A value unlike the default in every member, at the edges of the widths.
    int n = 0;
    for (const SettingSection& section : SettingSections()) {
        for (const SettingKey& k : section.keys) {
            ++n;
            switch (k.kind) {
            case SettingKind::Text:
                s.*std::get<QString AppSettingsRecord::*>(k.member) = QStringLiteral("ソ表 %1\\").arg(n);
                break;
            case SettingKind::Rect:
                s.*std::get<RECT AppSettingsRecord::*>(k.member) = RECT{-n, 2 * n, -100000, 9999999};
                break;
            default:
                SetSettingNumber(s, k, n % 2 == 0 ? -n : 0xFFFFFFFFll - n);
                break;
            }
        }
    }
    s.LastAccessDir = QString(519, QLatin1Char('L'));  // the longest path that fits
    s.WorkFolder10 = QString(520, QLatin1Char('W'));
    const AppSettingsRecord saved = s;
    ASSERT_EQ(f.store.WriteSettingsFile(f.folder), 1);

    f.store.ReadSettingsFile(f.folder);
    AppSettingsRecord expected = saved;
    expected.CaptureListMax = 30;  // never read
    expected.SmoothMove = 0;
    expected.MaskExt = 0;
    SettingsStore expectedStore(kTestScreen, f.folder, expected);
    EXPECT_EQ(f.store.FormatSettingsText(), expectedStore.FormatSettingsText());
    EXPECT_EQ(s.LastAccessDir, saved.LastAccessDir);
    EXPECT_EQ(s.TreeLastDir, saved.TreeLastDir);
}
