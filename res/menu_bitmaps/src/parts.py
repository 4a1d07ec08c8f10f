"""The palette and the drawn parts the pictures are built from.

Every part takes the canvas and a box in real pixels, so a picture places it
for 16 x 16 and again for 32 x 32; the 32 x 32 drawing keeps one-pixel
outlines and adds the detail the larger size has room for.
"""

import math

from pixel_canvas import CLEAR, arc, disc, glyph_pixels, polygon, rect, ring

# The palette of the program's other pictures (clip window, panel, mode bar).
OUT = (40, 40, 48)
NAVY = (40, 70, 150)
BLUE = (60, 130, 220)
LBLUE = (200, 215, 240)
SKY = (150, 200, 240)
PAPER = (250, 250, 250)
LGREY = (200, 200, 205)
MGREY = (150, 150, 160)
DGREY = (110, 110, 120)
BROWN = (160, 110, 60)
TAN = (205, 180, 155)
RED = (200, 60, 40)
DRED = (140, 35, 25)
GREEN = (90, 200, 90)
DGREEN = (45, 125, 55)
HILL = (100, 170, 90)
YELLOW = (255, 214, 90)
GOLD = (220, 160, 40)
ORANGE = (240, 138, 48)
WHITE = (255, 255, 255)


def big(c):
    return c.w >= 32


# -- windows and screens ------------------------------------------------------


def window(c, x0, y0, x1, y1, title=NAVY, body=PAPER):
    """A window: dark outline, title bar, plain body."""
    bar = 4 if big(c) else 2
    c.box(x0, y0, x1, y1, OUT, body)
    c.fill(x0 + 1, y0 + 1, x1 - 1, y0 + bar, title)
    if big(c) and x1 - x0 >= 14:
        c.fill(x1 - 4, y0 + 2, x1 - 3, y0 + 3, LBLUE)


def monitor(c, x0, y0, x1, y1, screen=SKY):
    """A flat screen on a stand; returns the screen's inner box."""
    if big(c):
        c.rbox(x0, y0, x1, y1 - 6, OUT, DGREY)
        inner = (x0 + 2, y0 + 2, x1 - 2, y1 - 8)
        mid = (x0 + x1) // 2
        c.fill(mid - 2, y1 - 5, mid + 3, y1 - 2, DGREY)
        c.box(mid - 7, y1 - 1, mid + 8, y1, OUT, MGREY)
    else:
        c.box(x0, y0, x1, y1 - 3, OUT, DGREY)
        inner = (x0 + 1, y0 + 1, x1 - 1, y1 - 4)
        mid = (x0 + x1) // 2
        c.fill(mid, y1 - 2, mid + 1, y1 - 1, DGREY)
        c.fill(mid - 3, y1, mid + 4, y1, OUT)
    c.fill(*inner, screen)
    return inner


def scene(c, x0, y0, x1, y1):
    """A small landscape: sky, sun and a hill; the picture of an image."""
    c.fill(x0, y0, x1, y1, SKY)
    w, h = x1 - x0 + 1, y1 - y0 + 1
    sun = disc(x0 + w * 0.72, y0 + h * 0.3, max(1.2, w * 0.13))
    c.paint({p for p in sun if x0 <= p[0] <= x1 and y0 <= p[1] <= y1}, YELLOW)
    hill = polygon([(x0 - 1, y1 + 1), (x0 - 1, y0 + h * 0.62), (x0 + w * 0.35, y0 + h * 0.42),
                    (x0 + w * 0.8, y0 + h * 0.72), (x1 + 1, y0 + h * 0.68), (x1 + 1, y1 + 1)])
    c.paint({p for p in hill if x0 <= p[0] <= x1 and y0 <= p[1] <= y1}, HILL)


def picture(c, x0, y0, x1, y1):
    """An image: a landscape in a dark frame."""
    scene(c, x0 + 1, y0 + 1, x1 - 1, y1 - 1)
    c.frame(x0, y0, x1, y1, OUT)


# -- paper, folders and boards ------------------------------------------------------


def page(c, x0, y0, x1, y1, fold=None):
    """A sheet of paper with a dog-ear at its top right."""
    f = fold if fold is not None else (6 if big(c) else 3)
    corner = x1 - f
    sheet = {(x, y) for x, y in rect(x0, y0, x1, y1) if x - corner <= y - y0}
    c.shape(sheet, PAPER, OUT)
    # the folded corner
    for i in range(f + 1):
        c.put(corner, y0 + i, OUT)
        c.put(corner + i, y0 + f, OUT)
    for y in range(y0 + 1, y0 + f):
        for x in range(corner + 1, corner + y - y0):
            c.put(x, y, LGREY)


def folder(c, x0, y0, x1, y1, open_=False):
    """A yellow folder; open_, its front flap tilted forward."""
    tab = 3 if big(c) else 2
    tw = 10 if big(c) else 5
    back = rect(x0, y0 + tab, x1, y1) | rect(x0, y0, x0 + tw, y0 + tab)
    c.shape(back, GOLD, BROWN)
    if open_:
        d = 5 if big(c) else 3
        front = polygon([(x0 + d, y0 + tab + d), (x1 + 1, y0 + tab + d), (x1 + 1 - d, y1 + 1), (x0, y1 + 1)])
        c.shape(front, YELLOW, BROWN)
    else:
        front = rect(x0, y0 + tab + (3 if big(c) else 2), x1, y1)
        c.shape(front, YELLOW, BROWN)


def clipboard(c, x0, y0, x1, y1):
    """A clipboard; returns the box of its paper."""
    c.rbox(x0, y0 + 1, x1, y1, BROWN, TAN)
    if big(c):
        inner = (x0 + 3, y0 + 5, x1 - 3, y1 - 3)
        c.box(inner[0], inner[1], inner[2], inner[3], MGREY, PAPER)
        mid = (x0 + x1) // 2
        c.box(mid - 5, y0, mid + 6, y0 + 4, OUT, LGREY)
        c.fill(mid - 1, y0 - 1, mid + 2, y0, OUT)
    else:
        inner = (x0 + 2, y0 + 3, x1 - 2, y1 - 2)
        c.fill(*inner, PAPER)
        mid = (x0 + x1) // 2
        c.box(mid - 2, y0, mid + 3, y0 + 2, OUT, LGREY)
    return inner


def disk(c, x0, y0, x1, y1):
    """A diskette: navy case, metal shutter above, white label below."""
    b = big(c)
    c.rbox(x0, y0, x1, y1, OUT, NAVY)
    if b:
        c.box(x0 + 7, y0, x1 - 6, y0 + 9, OUT, LGREY)
        c.fill(x1 - 10, y0 + 2, x1 - 8, y0 + 7, NAVY)
        c.box(x0 + 4, y0 + 14, x1 - 4, y1, OUT, PAPER)
        for y in (y0 + 17, y0 + 20, y0 + 23):
            if y < y1 - 1:
                c.fill(x0 + 7, y, x1 - 7, y, LGREY)
    else:
        c.box(x0 + 3, y0, x1 - 3, y0 + 4, OUT, LGREY)
        c.fill(x1 - 5, y0 + 1, x1 - 5, y0 + 3, NAVY)
        c.box(x0 + 2, y0 + 7, x1 - 2, y1, OUT, PAPER)


# -- tools -------------------------------------------------------------------------


def magnifier(c, cx, cy, r, handle_to):
    """A lens of radius r at (cx, cy) with a handle out to handle_to (x, y)."""
    b = big(c)
    hx, hy = handle_to
    sx, sy = int(cx + r * 0.62), int(cy + r * 0.62)
    c.line(sx, sy, hx - (2 if b else 1), hy - (2 if b else 1), OUT, pen=3 if b else 2)
    if b:
        c.line(sx + 1, sy + 1, hx - 1, hy - 1, BROWN, pen=2)
    c.paint(disc(cx, cy, r), LBLUE)
    c.paint(ring(cx, cy, r, 2 if b else 1), OUT)
    if b:
        c.paint(arc(cx, cy, r - 3.2, 1, 190, 250), WHITE)


def gear(c, cx, cy, r, teeth=8, colour=DGREY):
    """A cog wheel with a hole."""
    body = disc(cx, cy, r * 0.78)
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        tw = 0.22
        pts = []
        for da, rr in ((-tw, r * 0.6), (-tw * 0.7, r + 0.3), (tw * 0.7, r + 0.3), (tw, r * 0.6)):
            pts.append((cx + rr * math.cos(a + da), cy + rr * math.sin(a + da)))
        body |= polygon(pts)
    body -= disc(cx, cy, r * (0.32 if r > 10 else 0.26))
    c.shape(body, colour, OUT)


def arrow_head(c, tip, direction, size, colour, outline=None):
    """A filled triangle pointing in direction ('l', 'r', 'u', 'd') with its tip at tip."""
    x, y = tip
    s = size
    pts = {
        "r": [(x + 1, y + 0.5), (x + 1 - s, y + 0.5 - s), (x + 1 - s, y + 0.5 + s)],
        "l": [(x, y + 0.5), (x + s, y + 0.5 - s), (x + s, y + 0.5 + s)],
        "d": [(x + 0.5, y + 1), (x + 0.5 - s, y + 1 - s), (x + 0.5 + s, y + 1 - s)],
        "u": [(x + 0.5, y), (x + 0.5 - s, y + s), (x + 0.5 + s, y + s)],
    }[direction]
    c.shape(polygon(pts), colour, outline)


POINTER_16 = ["o", "oo", "owo", "owwo", "owwwo", "owwwwo", "owwooo", "owo", "oo", "o"]
POINTER_32 = ["o", "oo", "owo", "owwo", "owwwo", "owwwwo", "owwwwwo", "owwwwwwo", "owwwwwwwo", "owwwwwwwwo",
              "owwwwwwwwwo", "owwwwwoooooo", "owwoowwo", "owo  owwo", "oo    owwo", "o     owwo", "       oo"]


def pointer(c, x, y):
    """The mouse pointer arrow with its tip at (x, y)."""
    for dy, row in enumerate(POINTER_32 if big(c) else POINTER_16):
        for dx, ch in enumerate(row):
            if ch != " ":
                c.put(x + dx, y + dy, OUT if ch == "o" else WHITE)


def mouse(c, x0, y0, x1, y1, wheel=RED):
    """A computer mouse seen from above, its wheel highlighted."""
    b = big(c)
    r = (x1 - x0 + 1) / 2
    body = disc(x0 + r, y0 + r, r) | rect(x0, int(y0 + r), x1, int(y1 - r + 1)) | disc(x0 + r, y1 + 1 - r, r)
    c.shape(body, PAPER, OUT)
    mid = (x0 + x1) // 2
    split = y0 + (8 if b else 4)
    c.fill(x0 + 1, split, x1 - 1, split, MGREY)
    c.fill(mid, y0 + 1, mid + (1 if b and (x1 - x0) % 2 else 0), split - 1, MGREY)
    if b:
        c.box(mid - 1, y0 + 3, mid + 2, y0 + 9, OUT, wheel)
    else:
        c.fill(mid, y0 + 1, mid + ((x1 - x0) % 2), y0 + 3, wheel)


def ruler(c, x0, y0, x1, y1):
    """A yellow ruler lying flat, its marks hanging from the upper edge."""
    b = big(c)
    c.box(x0, y0, x1, y1, BROWN, YELLOW)
    step = 3 if b else 2
    for i, x in enumerate(range(x0 + step, x1 - 1, step)):
        length = (5 if i % 2 else 3) if b else (3 if i % 2 else 2)
        c.fill(x, y0 + 1, x, y0 + length, BROWN)


# -- marks -------------------------------------------------------------------------


def marching_rect(c, x0, y0, x1, y1):
    """A selection frame: dark and white dashes round a pale inside."""
    c.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, LBLUE)
    c.dashed_frame(x0, y0, x1, y1, OUT, WHITE, 2)


def badge_box(c):
    """The bottom right corner the state marks sit in."""
    return (19, 19, 31, 31) if big(c) else (9, 9, 15, 15)


def badge_play(c):
    """A green start mark."""
    x0, y0, x1, y1 = badge_box(c)
    h = y1 - y0 + 1
    tri = set()
    for i in range(h):
        for x in range(x0 + 1, x0 + 3 + min(i, h - 1 - i)):
            tri.add((x, y0 + i))
    c.shape(tri, GREEN, DGREEN if big(c) else None, halo=CLEAR)
    if not big(c):
        c.paint({(x0 + 1, y) for y in range(y0, y1 + 1)}, DGREEN)


def badge_stop(c):
    """A red stop mark."""
    x0, y0, x1, y1 = badge_box(c)
    if big(c):
        c.shape(rect(x0 + 1, y0 + 1, x1, y1) - {(x0 + 1, y0 + 1), (x1, y0 + 1), (x0 + 1, y1), (x1, y1)}, RED,
                DRED, halo=CLEAR)
    else:
        c.shape(rect(x0 + 1, y0 + 1, x1, y1), RED, DRED, halo=CLEAR)


def badge_cross(c):
    """A red disc with a white cross: close, clear."""
    x0, y0, x1, y1 = badge_box(c)
    cx, cy = (x0 + x1 + 1) / 2, (y0 + y1 + 1) / 2
    r = (x1 - x0 + 1) / 2
    c.shape(disc(cx, cy, r), RED, DRED, halo=CLEAR)
    if big(c):
        for i in range(-3, 3):
            c.fill(int(cx) + i - 1, int(cy) + i, int(cx) + i, int(cy) + i, WHITE)
            c.fill(int(cx) - i - 2, int(cy) + i, int(cx) - i - 1, int(cy) + i, WHITE)
    else:
        for i in (-1, 0, 1):
            c.put(x0 + 3 + i, y0 + 3 + i, WHITE)
            c.put(x0 + 3 - i, y0 + 3 + i, WHITE)


def badge_check(c):
    """A green disc with a white tick: chosen."""
    x0, y0, x1, y1 = badge_box(c)
    cx, cy = (x0 + x1 + 1) / 2, (y0 + y1 + 1) / 2
    r = (x1 - x0 + 1) / 2
    c.shape(disc(cx, cy, r), GREEN, DGREEN, halo=CLEAR)
    if big(c):
        for i, (x, y) in enumerate([(x0 + 3, y0 + 6), (x0 + 4, y0 + 7), (x0 + 5, y0 + 8)]):
            c.fill(x, y, x + 1, y + 1, WHITE)
        for i in range(5):
            c.fill(x0 + 6 + i, y0 + 7 - i, x0 + 7 + i, y0 + 8 - i, WHITE)
    else:
        for x, y in ((x0 + 1, y0 + 3), (x0 + 2, y0 + 4), (x0 + 3, y0 + 3), (x0 + 4, y0 + 2), (x0 + 5, y0 + 1)):
            c.put(x, y, WHITE)


def slash(c):
    """The off mark: a red bar from top left to bottom right, with a light edge."""
    n = c.w
    wide = 3 if big(c) else 2
    bar = set()
    for i in range(n):
        for j in range(wide):
            bar.add((i + j - wide // 2, i))
    bar = {p for p in bar if 0 <= p[0] < n}
    edge = set()
    for x, y in bar:
        for dx in (-1, 1):
            if (x + dx, y) not in bar:
                edge.add((x + dx, y))
    c.paint(edge, WHITE)
    c.paint(bar, RED)


def text(c, font, s, x, y, colour):
    c.paint(glyph_pixels(font, s, x, y), colour)
