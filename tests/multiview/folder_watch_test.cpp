// The folder watch on a real folder: a new, rewritten, re-timed, renamed or
// deleted file in the folder is a change, taken once; what happens inside a
// subfolder is not.
#include "multiview/folder_watch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

namespace {

void Write(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile f(path);
    ASSERT_TRUE(f.open(mode));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

class FolderWatch : public testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Write(Path("a.jpg"), "first");
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
        Write(Path("sub/inner.jpg"), "inner");
        ASSERT_TRUE(m_watch.Start(m_dir.path()));
        EXPECT_FALSE(m_watch.TakeChange());
    }
    QString Path(const char* name) const { return m_dir.path() + QLatin1Char('/') + QString::fromUtf8(name); }

    QTemporaryDir m_dir;
    CFolderWatch m_watch;
};

TEST_F(FolderWatch, ChangesOfTheFoldersOwnEntriesAreSeenOnce)
{
    const struct {
        const char* what;
        std::function<void(FolderWatch&)> change;
    } cases[] = {
        {"new file", [](FolderWatch& t) { Write(t.Path("b.png"), "new"); }},
        {"content", [](FolderWatch& t) { Write(t.Path("a.jpg"), "more", QIODevice::Append); }},
        {"time",
            [](FolderWatch& t) {
                const utimbuf times{1000000000, 1000000000};
                ASSERT_EQ(utime(QFile::encodeName(t.Path("a.jpg")).constData(), &times), 0);
            }},
        {"rename", [](FolderWatch& t) { ASSERT_TRUE(QFile::rename(t.Path("a.jpg"), t.Path("c.jpg"))); }},
        {"subfolder made", [](FolderWatch& t) { ASSERT_TRUE(QDir(t.m_dir.path()).mkdir("new")); }},
        {"delete", [](FolderWatch& t) { ASSERT_TRUE(QFile::remove(t.Path("c.jpg"))); }},
    };
    for (const auto& c : cases) {
        c.change(*this);
        EXPECT_TRUE(m_watch.TakeChange()) << c.what;
        EXPECT_FALSE(m_watch.TakeChange()) << c.what << ": taken once";
    }
}

TEST_F(FolderWatch, WhatHappensInsideASubfolderIsNoChange)
{
    Write(Path("sub/other.jpg"), "other");
    Write(Path("sub/inner.jpg"), "changed", QIODevice::Append);
    ASSERT_TRUE(QFile::remove(Path("sub/other.jpg")));
    EXPECT_FALSE(m_watch.TakeChange());
}

TEST_F(FolderWatch, StopsAndRefusesWhatCannotBeWatched)
{
    m_watch.Stop();
    Write(Path("b.png"), "new");
    EXPECT_FALSE(m_watch.IsWatching());
    EXPECT_FALSE(m_watch.TakeChange());
    EXPECT_FALSE(m_watch.Start(Path("missing")));
    EXPECT_FALSE(m_watch.Start(Path("a.jpg")));  // a file is no folder
    EXPECT_FALSE(m_watch.IsWatching());
}

}  // namespace
