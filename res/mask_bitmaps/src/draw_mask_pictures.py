#!/usr/bin/env python3
"""Draws the pictures of the mask settings' "set all" and "clear all" buttons
and writes them with their resource list.

    python3 res/mask_bitmaps/src/draw_mask_pictures.py

Each picture is a stack of check boxes, the front one ticked (show every
file of the scope) or empty (mask every file of the scope): 16 x 16 for icon
scale 1, 32 x 32 for scale 2, on a clear ground, shown beside the button's
text. It writes res/mask_bitmaps/bitmap_<id>.png and res/mask_bitmaps.qrc.
Python 3 standard library only; not part of the build: the PNG files it
writes are committed. The drawing primitives come from res/menu_bitmaps/src.
"""

import os
import sys

sys.dont_write_bytecode = True  # leave no cache files in the source tree
HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(RES, "menu_bitmaps", "src"))

from parts import DGREEN, LGREY, OUT, PAPER  # noqa: E402
from pixel_canvas import Canvas  # noqa: E402


def box_stack(c, s):
    """A box behind, up and to the right, and the front box; returns the front box."""
    side = 12 * s
    back = (c.w - side, 0, c.w - 1, side - 1)
    front = (0, c.h - side, side - 1, c.h - 1)
    c.box(*back, OUT, LGREY)
    c.box(*front, OUT, PAPER)
    return front


def tick(c, box, s):
    """A green tick inside the box."""
    x0, y0, _, _ = box
    points = [(2, 6), (3, 7), (4, 8), (5, 7), (6, 6), (7, 5), (8, 4), (9, 3)]
    for x, y in points:
        c.fill(x0 + x * s, y0 + y * s - s, x0 + x * s + s - 1, y0 + y * s + s - 1, DGREEN)


def set_all(c, s):
    tick(c, box_stack(c, s), s)


def clear_all(c, s):
    box_stack(c, s)


# bitmap id at scale 1, at scale 2, the drawing
PICTURES = [
    (377, 379, set_all),
    (378, 380, clear_all),
]


def main():
    out = os.path.join(RES, "mask_bitmaps")
    names = []
    for id1, id2, draw in PICTURES:
        for scale, bitmap_id in ((1, id1), (2, id2)):
            c = Canvas(16 * scale)
            draw(c, scale)
            name = "bitmap_%d.png" % bitmap_id
            c.save(os.path.join(out, name))
            names.append(name)
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', '<qresource prefix="/mask">']
    lines += ['    <file alias="%s">mask_bitmaps/%s</file>' % (n, n) for n in sorted(names)]
    lines += ["</qresource>", "</RCC>", ""]
    with open(os.path.join(RES, "mask_bitmaps.qrc"), "w") as f:
        f.write("\n".join(lines))
    print("wrote %d pictures" % len(names))


if __name__ == "__main__":
    main()
