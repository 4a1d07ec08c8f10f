// The desktop's namespace: the places (the home folder when there is no
// Desktop folder; nothing for a missing Documents or Pictures folder) and
// the folder listings of the trees (by name, hidden folders left out).
#include "core/shell_namespace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

TEST(ShellNamespace, PlacesFollowTheFoldersThatExist)
{
    QTemporaryDir dir;
    const QString home = QDir(dir.path()).canonicalPath();
    const ScopedEnv homeEnv("HOME", home.toUtf8());
    const ScopedEnv configEnv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
    const ShellNamespace& shell = CurrentShellNamespace();

    EXPECT_EQ(shell.PlacePath(ShellPlace::Desktop), home);
    EXPECT_EQ(shell.PlacePath(ShellPlace::Documents), QString());
    EXPECT_EQ(shell.PlacePath(ShellPlace::Pictures), QString());

    ASSERT_TRUE(QDir(home).mkpath("Desktop") && QDir(home).mkpath("Pictures"));
    EXPECT_EQ(shell.PlacePath(ShellPlace::Desktop), home + "/Desktop");
    EXPECT_EQ(shell.PlacePath(ShellPlace::Pictures), home + "/Pictures");
}

TEST(ShellNamespace, ListingsAreByNameWithoutHiddenFolders)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const char* folder : {"b", ".git", "A"})
        ASSERT_TRUE(QDir(root).mkpath(folder));
    for (const char* file : {".profile", "c.png", "a.jpg"}) {
        QFile f(root + u'/' + QString::fromUtf8(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const auto entries = CurrentShellNamespace().ListFolder(root);
    ASSERT_TRUE(entries);
    QStringList seen;
    for (const ShellFolderEntry& e : *entries)
        seen << e.name + (e.folder ? "/" : "");
    EXPECT_EQ(seen, (QStringList{".profile", "A/", "a.jpg", "b/", "c.png"}));

    EXPECT_FALSE(CurrentShellNamespace().ListFolder(root + "/missing"));
    EXPECT_EQ(CurrentShellNamespace().PathKind(root + "/b"), ShellPathKind::Folder);
    EXPECT_EQ(CurrentShellNamespace().PathKind(root + "/c.png"), ShellPathKind::File);
    EXPECT_EQ(CurrentShellNamespace().PathKind(root + "/nothing"), ShellPathKind::Missing);
}

}  // namespace
