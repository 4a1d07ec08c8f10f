// Choosing between the settings file and the legacy file, converting the
// legacy file, and saving without losing the previous file.
#include "settings_test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {

// A settings file of exactly `size` bytes whose TreeLastDir is "/cfg".
QByteArray CfgOfSize(qsizetype size)
{
    QByteArray text = "[-Directory-]\r\nLastAccessDir = /\r\nTreeLastDir = /cfg\r\n";
    text.append(QByteArray(size - text.size(), 'x'));
    return text;
}

// A legacy file of exactly `size` bytes whose TreeLastDir is "/ini".
QByteArray IniOfSize(qsizetype size)
{
    QByteArray text = "[-Directory-]\r\nTreeLastDir=/ini\r\n;";
    text.append(QByteArray(size - text.size(), 'x'));
    return text;
}

// Lets writes beyond `bytes` fail with EFBIG while it lives (as root, a
// folder that cannot be written is no use).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

}  // namespace

TEST(SettingsLoad, FileChoiceByTheHundredByteThreshold)
{
    struct Case {
        qsizetype cfg;  // -1: absent
        qsizetype ini;
        const char* treeLastDir;
        bool iniRemains;
    } const cases[] = {
        {-1, -1, "no_choice_tree_control", false},
        {100, 101, "/ini", false},  // converted, written as cfg, deleted
        {101, 200, "/cfg", true},
        {0, 101, "/ini", false},
        {100, 100, "/cfg", true},  // a short cfg is read normally
        {-1, 100, "no_choice_tree_control", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cfg " << c.cfg << ", ini " << c.ini);
        StoreInFolder f;
        if (c.cfg >= 0) {
            ASSERT_TRUE(WriteWholeFile(f.Cfg(), CfgOfSize(c.cfg)));
        }
        if (c.ini >= 0) {
            ASSERT_TRUE(WriteWholeFile(f.Ini(), IniOfSize(c.ini)));
        }
        EXPECT_EQ(f.store.IsFirstRun(), c.cfg <= 0 && c.ini < 0 ? 1 : 0);
        f.store.LoadSettings();
        EXPECT_EQ(f.settings.TreeLastDir, QLatin1String(c.treeLastDir));
        EXPECT_EQ(QFile::exists(f.Ini()), c.iniRemains);
        if (c.ini > 100 && c.cfg <= 100) {
            // The new file holds the converted values before the range check.
            AppSettingsRecord reread;
            SettingsStore(kTestScreen, f.folder, reread).ReadSettingsFile(f.folder);
            EXPECT_EQ(reread.TreeLastDir, QStringLiteral("/ini"));
        }
    }
}

TEST(SettingsLoad, FirstRunGetsDefaultsAndTheCheckFillsTheFolders)
{
    StoreInFolder f;
    EXPECT_EQ(f.store.IsFirstRun(), 1);
    ASSERT_TRUE(WriteWholeFile(f.Ini(), ""));  // empty files do not count
    ASSERT_TRUE(WriteWholeFile(f.Cfg(), ""));
    EXPECT_EQ(f.store.IsFirstRun(), 1);
    f.store.LoadSettings();
    f.store.CheckSettings();
    EXPECT_EQ(f.settings.LastAccessDir, f.folder);
    EXPECT_EQ(f.settings.TreeLastDir, QStringLiteral("no_choice_tree_control"));
    EXPECT_EQ(f.settings.ClipPrevRect, (RECT{0, 0, 1919, 1079}));
    EXPECT_EQ(f.settings.Step1_cc_CapRect, (RECT{0, 0, 1919, 1079}));
}

TEST(SettingsLoad, FailedSaveKeepsTheOldFileWhole)
{
    StoreInFolder f;
    f.store.ReadSettingsFile(f.folder);
    f.settings.JpegQuality = 33;
    ASSERT_EQ(f.store.WriteSettingsFile(f.folder), 1);
    const QByteArray old = ReadWholeFile(f.Cfg());

    f.settings.JpegQuality = 44;
    int error = 0;
    {
        FileSizeLimit limit(1000);  // the disk fills up in the middle of the text
        EXPECT_EQ(f.store.WriteSettingsFile(f.folder, &error), 0);
    }
    EXPECT_EQ(error, EFBIG);  // the reason is kept for the message
    EXPECT_EQ(ReadWholeFile(f.Cfg()), old);
    EXPECT_EQ(
        QDir(f.folder).entryList(QDir::Files | QDir::Hidden), QStringList{QLatin1String(kSettingsFileName)});
    EXPECT_EQ(f.store.WriteSettingsFile(f.folder + QStringLiteral("no/such/folder"), &error), 0);
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(f.store.WriteSettingsFile(f.folder, &error), 1);
    EXPECT_EQ(error, 0);
}

TEST(SettingsLoad, LegacyFileStaysWhenItsConversionCannotBeWritten)
{
    StoreInFolder f;
    ASSERT_TRUE(WriteWholeFile(f.Ini(), IniOfSize(500)));
    {
        FileSizeLimit limit(1000);
        f.store.LoadSettings();
    }
    EXPECT_EQ(f.settings.TreeLastDir, QStringLiteral("/ini"));
    EXPECT_TRUE(QFile::exists(f.Ini()));
    EXPECT_FALSE(QFile::exists(f.Cfg()));
    EXPECT_EQ(QDir(f.folder).entryList(QDir::Files | QDir::Hidden),
        QStringList{QLatin1String(kLegacySettingsFileName)});
}
