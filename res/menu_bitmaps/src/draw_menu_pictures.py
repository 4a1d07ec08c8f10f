#!/usr/bin/env python3
"""Draws the pictures of the frame's menus, the stage's pop-up menu and the two
toolbars, and writes them with their resource lists.

    python3 res/menu_bitmaps/src/draw_menu_pictures.py            # write the files
    python3 res/menu_bitmaps/src/draw_menu_pictures.py --sheet DIR  # also contact sheets

It writes res/menu_bitmaps/bitmap_<id>.png (16 x 16) and bitmap_<id>_x2.png
(32 x 32), the toolbar strips in res/toolbar_bitmaps/, and res/menu_bitmaps.qrc
and res/toolbar_bitmaps.qrc. Python 3 standard library only; not part of
the build: the PNG files it writes are committed.

To change a picture, edit its function in pictures.py (each is registered for
its bitmap ids with @picture_of), run this script with --sheet, look at the
enlarged sheets on both backgrounds, and commit the script and the PNG files.
The shared parts (windows, folders, marks) are in parts.py, the drawing
primitives in pixel_canvas.py, the digit and letter fonts in pixel_fonts.py.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # leave no cache files in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pictures import PICTURES  # noqa: E402
from pixel_canvas import Canvas  # noqa: E402

RES = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

# The images of each toolbar strip, in button image order.
TOOLBARS = {
    128: [238, 239, 240, 275, 242, 243, 344, 258, 259, 260, 261, 262, 263, 264, 265] + list(range(244, 256))
    + [256, 257, 268],
    134: [275, 242, 375, 266, 308, 309, 268],
}


def draw(bitmap_id, side):
    c = Canvas(side)
    PICTURES[bitmap_id](c)
    return c


def strip(ids, side):
    s = Canvas(side * len(ids), side)
    for i, bitmap_id in enumerate(ids):
        s.blit(draw(bitmap_id, side), i * side, 0)
    return s


def qrc(prefix, folder, names):
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', '<qresource prefix="/%s">' % prefix]
    lines += ['    <file alias="%s">%s/%s</file>' % (n, folder, n) for n in names]
    lines += ["</qresource>", "</RCC>", ""]
    return "\n".join(lines)


def write_all():
    menu_dir = os.path.join(RES, "menu_bitmaps")
    bar_dir = os.path.join(RES, "toolbar_bitmaps")
    os.makedirs(bar_dir, exist_ok=True)
    menu_names = []
    for bitmap_id in sorted(PICTURES):
        for side, suffix in ((16, ""), (32, "_x2")):
            name = "bitmap_%d%s.png" % (bitmap_id, suffix)
            draw(bitmap_id, side).save(os.path.join(menu_dir, name))
            menu_names.append(name)
    bar_names = []
    for toolbar_id, ids in sorted(TOOLBARS.items()):
        for side, suffix in ((16, ""), (32, "_x2")):
            name = "toolbar_%d%s.png" % (toolbar_id, suffix)
            strip(ids, side).save(os.path.join(bar_dir, name))
            bar_names.append(name)
    with open(os.path.join(RES, "menu_bitmaps.qrc"), "w") as f:
        f.write(qrc("menu", "menu_bitmaps", menu_names))
    with open(os.path.join(RES, "toolbar_bitmaps.qrc"), "w") as f:
        f.write(qrc("toolbar", "toolbar_bitmaps", bar_names))
    print("wrote %d menu pictures and %d toolbar strips" % (len(menu_names), len(bar_names)))


def contact_sheets(out_dir, per_sheet=12):
    """Each picture at 16 x 16 enlarged 4 times, at 32 x 32 enlarged twice, and
    both at their own size, on a menu's light background and on its highlight."""
    os.makedirs(out_dir, exist_ok=True)
    ids = sorted(PICTURES)
    backgrounds = [(240, 240, 240, 255), (48, 96, 176, 255)]
    cell_w, cell_h = 64 + 8 + 64 + 8 + 16 + 4 + 32 + 8, 64 + 8
    for n in range(0, len(ids), per_sheet):
        chunk = ids[n:n + per_sheet]
        sheet = Canvas(cell_w * 2, cell_h * len(chunk))
        for row, bitmap_id in enumerate(chunk):
            small, large = draw(bitmap_id, 16), draw(bitmap_id, 32)
            for col, bg in enumerate(backgrounds):
                ox, oy = col * cell_w, row * cell_h
                sheet.fill(ox, oy, ox + cell_w - 1, oy + cell_h - 1, bg)
                for img, scale, x in ((small, 4, 4), (large, 2, 76), (small, 1, 148), (large, 1, 168)):
                    for y in range(img.h):
                        for xx in range(img.w):
                            p = img.px[y][xx]
                            if p[3]:
                                sheet.fill(ox + x + xx * scale, oy + 4 + y * scale, ox + x + xx * scale + scale - 1,
                                           oy + 4 + y * scale + scale - 1, p)
        sheet.save(os.path.join(out_dir, "sheet_%02d_%d-%d.png" % (n // per_sheet, chunk[0], chunk[-1])))
    for toolbar_id, ids in TOOLBARS.items():
        for side in (16, 32):
            s = strip(ids, side)
            big = Canvas(s.w * 2, s.h * 2)
            big.fill(0, 0, big.w - 1, big.h - 1, backgrounds[0])
            for y in range(s.h):
                for x in range(s.w):
                    if s.px[y][x][3]:
                        big.fill(x * 2, y * 2, x * 2 + 1, y * 2 + 1, s.px[y][x])
            big.save(os.path.join(out_dir, "toolbar_%d_%d.png" % (toolbar_id, side)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sheet", metavar="DIR", help="also write enlarged contact sheets to DIR")
    args = parser.parse_args()
    write_all()
    if args.sheet:
        contact_sheets(args.sheet)


if __name__ == "__main__":
    main()
