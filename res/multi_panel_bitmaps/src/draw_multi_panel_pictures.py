#!/usr/bin/env python3
"""Draws the pictures of the multi-view panel's buttons and writes them with
their resource list.

    python3 res/multi_panel_bitmaps/src/draw_multi_panel_pictures.py [--sheet FILE]

Each button has one picture for icon scale 1 (28 x 24) and one for scale 2
(56 x 48): a 16 x 16 or 32 x 32 drawing centred on the button's opaque face. The
two view buttons have a second form for the mode that is on (a pale blue
face in a navy frame). It writes res/multi_panel_bitmaps/bitmap_<id>.png and
res/multi_panel_bitmaps.qrc. Python 3 standard library only; not part of the
build: the PNG files it writes are committed. The drawing primitives and the
shared parts come from res/menu_bitmaps/src.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # leave no cache files in the source tree
HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(RES, "menu_bitmaps", "src"))

from parts import (BLUE, BROWN, DGREEN, DGREY, DRED, GREEN, LBLUE, LGREY, MGREY, NAVY, OUT, PAPER,  # noqa: E402
                   RED, WHITE, YELLOW, arrow_head, badge_cross, badge_play, badge_stop, big, clipboard, folder,
                   page, picture, pointer, window)
from pixel_canvas import Canvas, rect  # noqa: E402

FACE = {1: (28, 24), 2: (56, 48)}
# The button face the pictures stand on (the bitmaps are opaque, as the other panel's are).
BUTTON_FACE = (240, 240, 240)


# -- the drawings (16 x 16, or 32 x 32 when big) --------------------------------------


def grid(c):
    """Nine thumbnails in three rows."""
    n = 3
    cell = 10 if big(c) else 5
    gap = 1
    for row in range(n):
        for col in range(n):
            x0 = col * (cell + gap) + (0 if big(c) else 0)
            y0 = row * (cell + gap)
            picture(c, x0, y0, x0 + cell - 1, y0 + cell - 1)


def preview(c):
    """One large picture over a strip of small ones."""
    if big(c):
        picture(c, 1, 0, 30, 20)
        for i in range(4):
            picture(c, 1 + i * 8, 23, 6 + i * 8, 30)
    else:
        picture(c, 0, 0, 15, 10)
        for i in range(4):
            c.box(i * 4, 12, i * 4 + 2, 15, OUT, BLUE)


def load(c):
    """A folder with a start mark: read the folder."""
    if big(c):
        folder(c, 0, 4, 24, 24)
    else:
        folder(c, 0, 2, 12, 12)
    badge_play(c)


def stop(c):
    """A folder with a stop mark: stop reading."""
    if big(c):
        folder(c, 0, 4, 24, 24)
    else:
        folder(c, 0, 2, 12, 12)
    badge_stop(c)


def clear_view(c):
    """The thumbnails with a red cross: cleared."""
    grid(c)
    badge_cross(c)


def copy_picture(c):
    """A picture laid on a clipboard."""
    if big(c):
        clipboard(c, 0, 2, 20, 30)
        picture(c, 12, 12, 31, 28)
    else:
        clipboard(c, 0, 1, 10, 15)
        picture(c, 6, 7, 15, 14)


def open_in_clip_mode(c):
    """A picture in a window, pointed at."""
    if big(c):
        window(c, 0, 0, 27, 23)
        picture(c, 3, 6, 24, 20)
        pointer(c, 18, 16)
    else:
        window(c, 0, 0, 13, 11)
        picture(c, 2, 4, 11, 10)
        pointer(c, 9, 8)


def bin_(c):
    """A waste bin with its lid."""
    if big(c):
        c.box(4, 4, 27, 6, OUT, LGREY)
        c.box(12, 1, 19, 4, OUT, LGREY)
        c.shape(rect(6, 7, 25, 31), MGREY, OUT)
        for x in (10, 15, 20):
            c.fill(x, 10, x + 1, 28, DGREY)
    else:
        c.box(2, 2, 13, 3, OUT, LGREY)
        c.box(6, 0, 9, 2, OUT, LGREY)
        c.shape(rect(3, 4, 12, 15), MGREY, OUT)
        for x in (5, 7, 9):
            c.fill(x, 6, x, 13, DGREY)


def delete(c):
    """Files into the bin."""
    bin_(c)
    badge_cross(c)


def copy_files(c):
    """Two sheets, one behind the other."""
    if big(c):
        page(c, 2, 0, 20, 22)
        page(c, 11, 9, 29, 31)
    else:
        page(c, 1, 0, 10, 11)
        page(c, 5, 4, 14, 15)


def shrink(c):
    """A picture with arrows pointing in from its corners."""
    if big(c):
        c.dashed_frame(0, 0, 31, 31, OUT, WHITE, 2)
        picture(c, 9, 9, 22, 22)
        for tip, d in (((8, 8), "nw"), ((23, 8), "ne"), ((8, 23), "sw"), ((23, 23), "se")):
            corner_arrow(c, tip, d, 6)
    else:
        c.dashed_frame(0, 0, 15, 15, OUT, WHITE, 1)
        picture(c, 4, 4, 11, 11)
        for x, y, dx, dy in ((2, 2, 1, 1), (13, 2, -1, 1), (2, 13, 1, -1), (13, 13, -1, -1)):
            c.put(x, y, RED)
            c.put(x + dx, y + dy, RED)


def corner_arrow(c, tip, direction, length):
    """A red arrow along a diagonal whose head touches the tip."""
    x, y = tip
    sx = 1 if "w" in direction else -1
    sy = 1 if "n" in direction else -1
    for i in range(length):
        c.fill(x - sx * i, y - sy * i, x - sx * i, y - sy * i, RED)
        c.put(x - sx * i + sx, y - sy * i, RED)
    c.fill(min(x, x - sx * 3), y, max(x, x - sx * 3), y, RED)
    c.fill(x, min(y, y - sy * 3), x, max(y, y - sy * 3), RED)


def name_box(c, x0, y0, x1, y1):
    """A name field with a text cursor."""
    c.box(x0, y0, x1, y1, OUT, WHITE)
    h = y1 - y0
    if big(c):
        for i, x in enumerate(range(x0 + 3, x1 - 8, 4)):
            c.fill(x, y0 + 3, x + 2, y1 - 3, BLUE)
        c.fill(x1 - 5, y0 + 2, x1 - 4, y1 - 2, RED)
    else:
        c.fill(x0 + 2, y0 + 2, x1 - 5, y1 - 2, BLUE)
        c.fill(x1 - 3, y0 + 1, x1 - 3, y1 - 1, RED)
    return h


def rename_one(c):
    """A sheet with its name being typed."""
    if big(c):
        page(c, 4, 0, 24, 22)
        name_box(c, 0, 22, 31, 31)
    else:
        page(c, 3, 0, 12, 10)
        name_box(c, 0, 11, 15, 15)


def rename_batch(c):
    """Three sheets and a name being typed: one name for all."""
    if big(c):
        for i in range(3):
            page(c, 2 + i * 5, i * 3, 18 + i * 5, 14 + i * 3)
        name_box(c, 0, 22, 31, 31)
    else:
        for i in range(3):
            page(c, 1 + i * 3, i * 2, 8 + i * 3, 6 + i * 2)
        name_box(c, 0, 11, 15, 15)


# -- the buttons ---------------------------------------------------------------------------

# bitmap id at scale 1, at scale 2, the drawing, the mode-on face
PICTURES = [
    (286, 330, grid, False),
    (285, 329, grid, True),
    (292, 332, preview, False),
    (291, 331, preview, True),
    (300, 333, load, False),
    (301, 334, stop, False),
    (297, 335, clear_view, False),
    (298, 336, copy_picture, False),
    (299, 337, open_in_clip_mode, False),
    (304, 338, delete, False),
    (306, 339, copy_files, False),
    (366, 367, shrink, False),
    (368, 369, rename_one, False),
    (370, 371, rename_batch, False),
]


def face(scale, draw, on):
    w, h = FACE[scale]
    side = 16 * scale
    c = Canvas(w, h)
    c.fill(0, 0, w - 1, h - 1, BUTTON_FACE)
    if on:
        c.box(0, 0, w - 1, h - 1, NAVY, LBLUE)
        if scale == 2:
            c.frame(1, 1, w - 2, h - 2, NAVY)
    icon = Canvas(side)
    draw(icon)
    c.blit(icon, (w - side) // 2, (h - side) // 2)
    return c


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sheet", metavar="FILE", help="also write every picture on one enlarged sheet")
    args = parser.parse_args()
    out = os.path.join(RES, "multi_panel_bitmaps")
    names = []
    faces = []
    for id1, id2, draw, on in PICTURES:
        for scale, bitmap_id in ((1, id1), (2, id2)):
            c = face(scale, draw, on)
            name = "bitmap_%d.png" % bitmap_id
            c.save(os.path.join(out, name))
            names.append(name)
            faces.append(c)
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', '<qresource prefix="/multipanel">']
    lines += ['    <file alias="%s">multi_panel_bitmaps/%s</file>' % (n, n) for n in sorted(names)]
    lines += ["</qresource>", "</RCC>", ""]
    with open(os.path.join(RES, "multi_panel_bitmaps.qrc"), "w") as f:
        f.write("\n".join(lines))
    if args.sheet:
        sheet = Canvas(2 * (56 * 2 + 8), len(PICTURES) * (48 * 2 + 8))
        sheet.fill(0, 0, sheet.w - 1, sheet.h - 1, (236, 236, 236, 255))
        for i, c in enumerate(faces):
            row, col = i // 2, i % 2
            for y in range(c.h):
                for x in range(c.w):
                    if c.px[y][x][3]:
                        ox = col * (56 * 2 + 8) + x * 2
                        oy = row * (48 * 2 + 8) + y * 2
                        sheet.fill(ox, oy, ox + 1, oy + 1, c.px[y][x])
        sheet.save(args.sheet)
    print("wrote %d pictures" % len(names))


if __name__ == "__main__":
    main()
