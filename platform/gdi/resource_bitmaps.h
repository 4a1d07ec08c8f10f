// The program's bitmaps by resource id: our own artwork, drawn on the button
// face colour. A picture exists in two sizes under two ids, one for each icon
// scale (the small one at scale 1, twice its size at scale 2); the caller
// picks the id for the screen's scale.
//
//   276 / 341  one-to-one display ("1:1" under a magnifier), 20 x 20 / 40 x 40
#pragma once

#include "platform/gdi/gdi_objects.h"

#include <QImage>

// The picture of a resource id (Format_RGB32); a null image for an unknown id.
QImage ResourceBitmapImage(int resourceId);

// A new bitmap holding the picture, which the caller deletes (DeleteObject);
// null for an unknown id.
HBITMAP LoadResourceBitmap(int resourceId);

// A new bitmap (Format_RGB32) of a picture file, such as the PNG artwork in
// the program's resources (":/..."), which the caller deletes; null when the
// file is missing or cannot be read.
HBITMAP LoadBitmapFile(const QString& path);

// A new bitmap holding a copy of the image (Format_RGB32), which the caller
// deletes; null for a null image.
HBITMAP CreateBitmapFromImage(const QImage& image);
