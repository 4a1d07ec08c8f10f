#!/usr/bin/env python3
"""Draws the pictures of the continuous-capture dialog's start/stop button and
writes them with their resource list.

    python3 res/continuous_capture_bitmaps/src/draw_continuous_capture_buttons.py

A stack of captured windows with a green start mark (386, and 388 for the
large icon scale) or a red stop mark (387, 389). The small pictures are
32 x 32, the large ones the same drawing at twice the size, on the button
face colour. Python 3 standard library only, with the drawing parts of the
menu pictures (res/menu_bitmaps/src/); not part of the build: the PNG files
it writes are committed.
"""

import os
import sys

sys.dont_write_bytecode = True  # leave no cache files in the source tree
HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(RES, "menu_bitmaps", "src"))

from parts import BLUE, NAVY, badge_play, badge_stop, window  # noqa: E402
from pixel_canvas import Canvas  # noqa: E402

BUTTON_FACE = (240, 240, 240, 255)


def frames(c):
    """Three windows, one behind the other: the frames of a series."""
    window(c, 11, 2, 29, 15, title=BLUE)
    window(c, 6, 6, 24, 19, title=BLUE)
    window(c, 1, 10, 19, 23, title=NAVY)


def start(c):
    frames(c)
    badge_play(c)


def stop(c):
    frames(c)
    badge_stop(c)


def on_face(draw):
    c = Canvas(32)
    draw(c)
    out = Canvas(32)
    out.fill(0, 0, 31, 31, BUTTON_FACE)
    out.blit(c, 0, 0)
    return out


def doubled(c):
    out = Canvas(c.w * 2, c.h * 2)
    for y in range(c.h):
        for x in range(c.w):
            out.fill(x * 2, y * 2, x * 2 + 1, y * 2 + 1, c.px[y][x])
    return out


PICTURES = {386: (start, 1), 387: (stop, 1), 388: (start, 2), 389: (stop, 2)}


def main():
    out_dir = os.path.join(RES, "continuous_capture_bitmaps")
    names = []
    for bitmap_id, (draw, scale) in sorted(PICTURES.items()):
        picture = on_face(draw)
        if scale == 2:
            picture = doubled(picture)
        name = "bitmap_%d.png" % bitmap_id
        picture.save(os.path.join(out_dir, name))
        names.append(name)
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', '<qresource prefix="/continuous_capture">']
    lines += ['    <file alias="%s">continuous_capture_bitmaps/%s</file>' % (n, n) for n in names]
    lines += ["</qresource>", "</RCC>", ""]
    with open(os.path.join(RES, "continuous_capture_bitmaps.qrc"), "w") as f:
        f.write("\n".join(lines))
    print("wrote %d pictures" % len(names))


if __name__ == "__main__":
    main()
