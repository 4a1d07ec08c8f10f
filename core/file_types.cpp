#include "core/file_types.h"

namespace {

struct ExtensionRow {
    const char16_t* extension;
    ImageFileType type;
    ImageFileKind kind;
    ImageTypeFlag flag;
};

constexpr ExtensionRow kExtensions[] = {
    {u"bmp", kImageTypeBmp, kImageKindBmp, kImageFlagBmp},
    {u"jpg", kImageTypeJpeg, kImageKindJpeg, kImageFlagJpeg},
    {u"jpeg", kImageTypeJpeg, kImageKindJpeg, kImageFlagJpeg},
    {u"tif", kImageTypeTiff, kImageKindTiff, kImageFlagTiff},
    {u"tiff", kImageTypeTiff, kImageKindTiff, kImageFlagTiff},
    {u"gif", kImageTypeGif, kImageKindGif, kImageFlagGif},
    {u"png", kImageTypePng, kImageKindPng, kImageFlagPng},
};

// Case-insensitive for the ASCII letters only.
bool SameExtension(const QString& a, const char16_t* b)
{
    const QString other = QString::fromUtf16(b);
    if (a.size() != other.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t c = a[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != other[i].unicode())
            return false;
    }
    return true;
}

const ExtensionRow* FindRow(const QString& extension)
{
    for (const ExtensionRow& row : kExtensions)
        if (SameExtension(extension, row.extension))
            return &row;
    return nullptr;
}

}  // namespace

ImageFileType GetImageTypeFromExtension(const QString& extension)
{
    const ExtensionRow* row = FindRow(extension);
    return row ? row->type : kImageTypeNone;
}

ImageFileType GetImageTypeOfPath(const QString& path)
{
    return GetImageTypeFromExtension(GetFileExtension(path));
}

ImageFileType GetImageTypeOfString(const QString& path)
{
    return GetImageTypeFromExtension(GetFileExtensionOfString(path));
}

ImageFileKind GetImageTypeFromPath(const QString& path)
{
    const ExtensionRow* row = FindRow(GetFileExtension(path));
    return row ? row->kind : kImageKindNone;
}

ImageTypeFlag GetImageTypeFlagFromPath(const QString& path)
{
    const ExtensionRow* row = FindRow(GetFileExtension(path));
    return row ? row->flag : kImageFlagNone;
}

QString GetFileExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QString() : path.mid(dot + 1);
}

QString GetFileExtensionOfString(const QString& path)
{
    return GetFileExtension(path.left(519));
}

int GetPaletteSizeForBitCount(int bitCount)
{
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    }
    return 0;
}
