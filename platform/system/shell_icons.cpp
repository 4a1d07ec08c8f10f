#include "platform/system/shell_icons.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QPixmap>

namespace {

constexpr int kSmallIcon = 16;

// The style's icon of the same kind, for a theme without the name.
QIcon StandardIcon(const QString& name)
{
    static const QFileIconProvider provider;
    using Type = QAbstractFileIconProvider::IconType;
    if (name == QLatin1String(theme_icon::kComputer))
        return provider.icon(Type::Computer);
    if (name == QLatin1String(theme_icon::kDesktop))
        return provider.icon(Type::Desktop);
    if (name == QLatin1String(theme_icon::kNetwork) || name == QLatin1String(theme_icon::kRemote))
        return provider.icon(Type::Network);
    if (name.startsWith(u"drive-"))
        return provider.icon(Type::Drive);
    if (name.startsWith(u"folder"))
        return provider.icon(Type::Folder);
    return provider.icon(Type::File);
}

QImage Render(const QIcon& icon)
{
    if (icon.isNull())
        return QImage();
    const QPixmap pixmap = icon.pixmap(QSize(kSmallIcon, kSmallIcon));
    if (pixmap.isNull())
        return QImage();
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    if (image.size() != QSize(kSmallIcon, kSmallIcon))
        image = image.scaled(kSmallIcon, kSmallIcon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

void UseInstalledThemeOnce()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Without a desktop session Qt knows no theme: the installed one serves.
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == u"hicolor")
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

}  // namespace

QString ShellIconName(const QString& path, UINT flags)
{
    UseInstalledThemeOnce();
    const QFileInfo info(path);
    const bool assumeFile = flags & SHGFI_USEFILEATTRIBUTES;
    if (!assumeFile && !info.exists())
        return QString();
    if (!assumeFile && info.isDir())
        return QLatin1String((flags & SHGFI_OPENICON) ? theme_icon::kFolderOpen : theme_icon::kFolder);
    static const QMimeDatabase types;
    const QMimeType type = types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (info.suffix().compare(u"exe", Qt::CaseInsensitive) == 0)
        return QLatin1String(theme_icon::kApplication);
    const QString name = type.iconName();
    if (!name.isEmpty() && !QIcon::fromTheme(name).isNull())
        return name;
    return type.genericIconName().isEmpty() ? QLatin1String(theme_icon::kFile) : type.genericIconName();
}

QImage ThemeIconImage(const QString& name)
{
    static QHash<QString, QImage> loaded;  // UI thread only
    if (name.isEmpty())
        return QImage();
    const auto known = loaded.constFind(name);
    if (known != loaded.constEnd())
        return *known;
    UseInstalledThemeOnce();
    QImage image = Render(QIcon::fromTheme(name));
    if (image.isNull())
        image = Render(StandardIcon(name));
    loaded.insert(name, image);
    return image;
}

QImage GetSmallFileIcon(const QString& path)
{
    return ThemeIconImage(ShellIconName(path, SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
}
