// The pictures beside the items of the frame's menus and the stage's pop-up
// menu, and the image strips of the two toolbars: our own artwork, drawn at
// 16 x 16 for icon scale 1 and drawn again at 32 x 32 for icon scale 2.
// The generator of the PNG files is res/menu_bitmaps/src/draw_menu_pictures.py.
#pragma once

#include <QImage>

// The 16 x 16 picture of a menu item's bitmap id at icon scale 1, its 32 x 32 drawing at scale 2
// (Format_ARGB32_Premultiplied); a null image for an id that has none.
QImage MenuItemPicture(int bitmapId, int iconScale);

// The toolbar's strip (128 or 134) at the icon scale; a null image for another id.
QImage ToolbarStrip(int toolbarId, int iconScale);

// The side of one picture at the icon scale: 16 or 32.
int MenuPictureSide(int iconScale);
