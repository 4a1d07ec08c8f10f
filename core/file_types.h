// Image formats named by file extension: the type that also numbers the save
// formats, the kind that chooses the decoder and the flag bits of extension
// masks. The extension is the text after the last '.' of the whole path,
// compared without regard to ASCII case.
#pragma once

#include <QString>

enum ImageFileType : int {
    kImageTypeBmp = 1,
    kImageTypeJpeg = 2,
    kImageTypeTiff = 3,
    kImageTypeGif = 4,
    kImageTypePng = 5,
    kImageTypeNone = 10,  // not an image
};

enum ImageFileKind : int {
    kImageKindNone = 0,
    kImageKindBmp = 1,
    kImageKindJpeg = 2,
    kImageKindPng = 3,
    kImageKindTiff = 4,
    kImageKindGif = 5,
};

enum ImageTypeFlag : int {
    kImageFlagNone = 0,
    kImageFlagBmp = 1,
    kImageFlagJpeg = 2,
    kImageFlagTiff = 4,
    kImageFlagGif = 8,
    kImageFlagPng = 16,
};

ImageFileType GetImageTypeFromExtension(const QString& extension);
ImageFileType GetImageTypeOfPath(const QString& path);
ImageFileType GetImageTypeOfString(const QString& path);
ImageFileKind GetImageTypeFromPath(const QString& path);
ImageTypeFlag GetImageTypeFlagFromPath(const QString& path);

// The text after the last '.' of the path; empty when it has none.
QString GetFileExtension(const QString& path);
// The same on the first 519 characters of the path (a 520-character buffer).
QString GetFileExtensionOfString(const QString& path);

// Palette entries of a bit count: 1 -> 2, 4 -> 16, 8 -> 256, else 0.
int GetPaletteSizeForBitCount(int bitCount);
