#include "platform/system/positioned_io.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// A ten-byte file "0123456789" opened for reading and writing.
class PositionedIoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QByteArray path = QFile::encodeName(m_dir.filePath(QStringLiteral("f.bin")));
        m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(m_fd, 0);
        ASSERT_TRUE(WriteAllAt(m_fd, "0123456789", 10, 0));
    }
    void TearDown() override { ::close(m_fd); }

    QTemporaryDir m_dir;
    int m_fd = -1;
};

}  // namespace

TEST_F(PositionedIoTest, ReadsStopAtTheEndOfTheFile)
{
    char buffer[16] = {};
    EXPECT_EQ(ReadUpToAt(m_fd, buffer, sizeof buffer, 6), 4u);
    EXPECT_EQ(QByteArray(buffer, 4), QByteArray("6789"));
    EXPECT_EQ(ReadUpToAt(m_fd, buffer, sizeof buffer, 20), 0u);
    EXPECT_TRUE(ReadExactlyAt(m_fd, buffer, 4, 6));
    EXPECT_FALSE(ReadExactlyAt(m_fd, buffer, 5, 6));  // one byte past the end
}

TEST_F(PositionedIoTest, WritesLandAtTheirOffsetOnly)
{
    ASSERT_TRUE(WriteAllAt(m_fd, "ab", 2, 3));
    char buffer[10] = {};
    ASSERT_TRUE(ReadExactlyAt(m_fd, buffer, sizeof buffer, 0));
    EXPECT_EQ(QByteArray(buffer, 10), QByteArray("012ab56789"));
}

TEST_F(PositionedIoTest, AnInvalidDescriptorFails)
{
    char buffer[4] = {};
    EXPECT_EQ(ReadUpToAt(-1, buffer, sizeof buffer, 0), 0u);
    EXPECT_FALSE(ReadExactlyAt(-1, buffer, sizeof buffer, 0));
    EXPECT_FALSE(WriteAllAt(-1, "x", 1, 0));
}
