// Small icons from the desktop's icon theme, named by their theme names. A
// path's icon is named without touching the file's contents: folders by
// their kind (open or closed), files by the type their name suggests. The
// pictures are 16 x 16, loaded once per name; where the theme has no icon of
// that name the style's standard icon of the same kind stands in.
#pragma once

#include "platform/types/types.h"

#include <QImage>
#include <QString>

// Which icon of a path (flags as the shell's file-information call takes them).
enum : UINT {
    SHGFI_ICON = 0x000000100,
    SHGFI_DISPLAYNAME = 0x000000200,
    SHGFI_TYPENAME = 0x000000400,
    SHGFI_OPENICON = 0x000000002,
    SHGFI_SMALLICON = 0x000000001,
    SHGFI_USEFILEATTRIBUTES = 0x000000010,
};

// Theme names of the icons the trees show.
namespace theme_icon {
inline constexpr const char* kApplication = "application-x-executable";
inline constexpr const char* kFolder = "folder";
inline constexpr const char* kFolderOpen = "folder-open";
inline constexpr const char* kDesktop = "user-desktop";
inline constexpr const char* kDocuments = "folder-documents";
inline constexpr const char* kPictures = "folder-pictures";
inline constexpr const char* kComputer = "computer";
inline constexpr const char* kNetwork = "network-workgroup";
inline constexpr const char* kHardDisk = "drive-harddisk";
inline constexpr const char* kRemovable = "drive-removable-media";
inline constexpr const char* kOptical = "drive-optical";
inline constexpr const char* kRemote = "folder-remote";
inline constexpr const char* kFile = "text-x-generic";
}  // namespace theme_icon

// The theme name of a path's icon: a folder's (open with SHGFI_OPENICON), or
// the icon of the file type its name suggests. With SHGFI_USEFILEATTRIBUTES
// the path need not exist (it counts as a file); otherwise a missing path has
// no icon (empty name).
QString ShellIconName(const QString& path, UINT flags);
// The 16 x 16 picture of a theme icon; null only when neither the theme nor
// the style has one.
QImage ThemeIconImage(const QString& name);
// The small icon of a path (a file's type icon, a folder's icon), or null.
QImage GetSmallFileIcon(const QString& path);
