#include "core/file_queries.h"
#include "core/path_utils.h"
#include "platform/system/program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
}

}  // namespace

TEST(PathUtils, SeparatorRules)
{
    struct Case {
        const char* in;
        const char* added;
        const char* removed;
    };
    const Case cases[] = {
        {"/a/b", "/a/b/", "/a/b"},
        {"/a/b/", "/a/b/", "/a/b"},
        {"/", "/", "/"},  // the root keeps its separator
        {"", "", ""},     // an empty text stays empty
        {"a", "a/", "a"},
    };
    for (const Case& c : cases) {
        QString added = QString::fromUtf8(c.in);
        AddBackslash(added);
        EXPECT_EQ(added, QString::fromUtf8(c.added)) << c.in;
        QString removed = QString::fromUtf8(c.in);
        RemoveTrailingBackslash(removed);
        EXPECT_EQ(removed, QString::fromUtf8(c.removed)) << c.in;
    }
    QString text = QStringLiteral("ab,");
    RemoveTrailingChar(text, u',');
    RemoveTrailingChar(text, u',');
    EXPECT_EQ(text, QStringLiteral("ab"));
    QString empty;
    RemoveTrailingChar(empty, u',');
    EXPECT_TRUE(empty.isEmpty());

    EXPECT_EQ(IsSamePath(QStringLiteral("/home/a"), QStringLiteral("/home/a/")), 1);
    EXPECT_EQ(IsSamePath(QStringLiteral("/home/a"), QStringLiteral("/home/A")), 0);
    EXPECT_EQ(GetFolderOfPath(QStringLiteral("/p/q/r.png")), QStringLiteral("/p/q/"));
    EXPECT_EQ(GetFolderOfPath(QStringLiteral("r.png")), QString());
}

TEST(PathUtils, FileNamePartAndProgramFolder)
{
    QString name;
    EXPECT_EQ(GetFileNamePart(QStringLiteral("/p/q/写真.jpg"), name), 1);
    EXPECT_EQ(name, QStringLiteral("写真.jpg"));
    EXPECT_EQ(GetFileNamePart(QStringLiteral("/p/q/"), name), 0);
    EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(GetFileNamePart(QString(), name), 0);
    EXPECT_EQ(GetFileNamePart(QStringLiteral("/"), name), 0);
    EXPECT_EQ(GetFileNamePart(QStringLiteral("rel.png"), name), 1);
    EXPECT_EQ(name, QStringLiteral("rel.png"));

    SetProgramFolderForTesting(QStringLiteral("/opt/kestrel"));
    GetExeFolder(g_szExeFolder);
    EXPECT_EQ(g_szExeFolder, QStringLiteral("/opt/kestrel/"));
    SetProgramFolderForTesting(QString());
}

TEST(PathUtils, SpecialFoldersComeFromTheUserFolders)
{
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral(".config"));
    QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/\xe3\x83\x87\xe3\x82\xb9\xe3\x82\xaf\"\n"
               "XDG_DOCUMENTS_DIR=\"$HOME/docs\"\n");
    dirs.close();
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    InitSpecialFolderPaths();
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(g_szDesktopFolder, home.filePath(QStringLiteral("デスク")));
    EXPECT_EQ(g_szMyDocumentsFolder, home.filePath(QStringLiteral("docs")));
}

TEST(PathUtils, CreateFolderPathMakesEachMissingLevel)
{
    QTemporaryDir dir;
    const QString base = dir.path();
    ASSERT_TRUE(QDir(base).mkdir(QStringLiteral("x")));
    const QString deep = base + QStringLiteral("/x/y/z");
    EXPECT_EQ(CreateFolderPath(deep, 520), 1);
    EXPECT_EQ(IsFolder(deep), 1);
    EXPECT_EQ(CreateFolderPath(deep + u'/', 520), 1);  // all there already

    // A file in the way, and a path longer than the buffer.
    Touch(base + QStringLiteral("/file"));
    EXPECT_EQ(CreateFolderPath(base + QStringLiteral("/file/sub"), 520), 0);
    EXPECT_EQ(CreateFolderPath(base + QStringLiteral("/long"), static_cast<int>(base.size()) + 6), 0);
    EXPECT_EQ(GetPathKind(base + QStringLiteral("/long")), 0);
    EXPECT_EQ(CreateFolderPath(base + QStringLiteral("/long"), static_cast<int>(base.size()) + 7), 1);
}

TEST(PathUtils, CreateFolderPathFromManyThreadsAtOnce)
{
    // Workers may create the same output folder together: a level another
    // thread made first counts as made.
    QTemporaryDir dir;
    for (int round = 0; round < 20; ++round) {
        const QString deep = dir.path() + QStringLiteral("/r%1/a/b/c").arg(round);
        std::atomic<int> failures{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t)
            threads.emplace_back([&] {
                if (CreateFolderPath(deep, 520) != 1)
                    ++failures;
            });
        for (std::thread& t : threads)
            t.join();
        EXPECT_EQ(failures.load(), 0) << qPrintable(deep);
        EXPECT_EQ(IsFolder(deep), 1);
    }
}
