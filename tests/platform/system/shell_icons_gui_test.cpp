// Theme icons of paths: folders by their state, files by the type their name
// suggests, nothing for a path that is not there; every name has a picture.
#include "platform/system/shell_icons.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ShellIcons, PathsAreNamedByKindAndEveryNameHasAPicture)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    QFile png(folder + "/a.png");
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    png.close();
    const UINT small = SHGFI_ICON | SHGFI_SMALLICON;

    EXPECT_EQ(ShellIconName(folder, small), QStringLiteral("folder"));
    EXPECT_EQ(ShellIconName(folder, small | SHGFI_OPENICON), QStringLiteral("folder-open"));
    EXPECT_EQ(ShellIconName(folder + "/missing.png", small), QString());
    EXPECT_EQ(ShellIconName(folder + "/missing.exe", small | SHGFI_USEFILEATTRIBUTES),
        QStringLiteral("application-x-executable"));
    const QString image = ShellIconName(png.fileName(), small);
    EXPECT_TRUE(image.startsWith(u"image-")) << image.toStdString();
    EXPECT_EQ(ShellIconName(folder + "/b.png", small | SHGFI_USEFILEATTRIBUTES), image);

    for (const QString& name : {QStringLiteral("folder"), QStringLiteral("computer"),
             QStringLiteral("drive-harddisk"), QStringLiteral("application-x-executable"), image}) {
        const QImage picture = ThemeIconImage(name);
        EXPECT_EQ(picture.size(), QSize(16, 16)) << name.toStdString();
    }
    EXPECT_TRUE(ThemeIconImage(QString()).isNull());
    EXPECT_FALSE(GetSmallFileIcon(folder + "/c.jpg").isNull());
}

}  // namespace
