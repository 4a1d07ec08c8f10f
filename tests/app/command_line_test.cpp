// The file to open from the command line: the last supported image wins.
#include "app/command_line.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(CommandLine, LastSupportedImageWins)
{
    const QString longPath = QStringLiteral("/tmp/") + QString(260, u'a') + QStringLiteral(".png");
    struct Case {
        QStringList args;
        QString expected;
    };
    const Case cases[] = {
        {{"kestrel", "/tmp/notes.txt", "/tmp/b.png"}, "/tmp/b.png"},
        {{"kestrel", "/tmp/a.jpg", "/tmp/notes.txt"}, "/tmp/a.jpg"},
        {{"kestrel", "/tmp/a.jpg", "/tmp/b.PNG"}, "/tmp/b.PNG"},
        {{"kestrel", "/tmp/notes.txt", "--flag"}, ""},
        {{"/tmp/program.png"}, ""},                           // the program's own name is not an argument
        {{"kestrel", "/tmp/a.bmp", longPath}, "/tmp/a.bmp"},  // too long: skipped, not cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').left(80).toStdString());
        EXPECT_EQ(PickOpenFilePath(c.args), c.expected);
    }
}
