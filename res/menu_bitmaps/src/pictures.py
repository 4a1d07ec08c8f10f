"""The pictures of the menu items and toolbar buttons, one function per bitmap id.

Each function draws on an empty canvas of 16 x 16 or 32 x 32 pixels (big(c)
tells which). Pairs that switch something on and off share one drawing: the
start form carries a green start mark, the stop form a red stop mark, and the
hide / off form is struck through in red; closing and clearing carry a red
cross. Lines are drawn in the dark outline colour so that the pictures stay
readable on a menu's highlight as well as on its light background.
"""

import math

import pixel_fonts as fonts
from parts import (BLUE, BROWN, DGREEN, DGREY, DRED, GOLD, GREEN, LBLUE, LGREY, MGREY, NAVY, OUT, PAPER, RED,
                   SKY, WHITE, YELLOW, badge_check, badge_cross, badge_play, badge_stop, big,
                   clipboard, disk, folder, gear, magnifier, marching_rect, monitor, mouse, page, picture,
                   pointer, ruler, scene, slash, text, window, arrow_head)
from pixel_canvas import CLEAR, Canvas, arc, disc, glyph_pixels, polygon, rect, ring, text_width

PICTURES = {}


def picture_of(*ids):
    def register(fn):
        for i in ids:
            PICTURES[i] = fn
        return fn

    return register


def with_mark(draw, mark):
    def fn(c):
        draw(c)
        mark(c)

    return fn


# -- selecting -----------------------------------------------------------------------


def two_click_selection(c):
    """A selection frame with its two clicked corners marked."""
    if big(c):
        marching_rect(c, 2, 2, 22, 16)
        for x, y in ((2, 2), (22, 16)):
            c.box(x - 2, y - 2, x + 2, y + 2, OUT, BLUE)
    else:
        marching_rect(c, 1, 1, 10, 7)
        for x, y in ((1, 1), (10, 7)):
            c.box(x - 1, y - 1, x + 1, y + 1, OUT, BLUE)


def wheel_selection(c):
    """A selection frame grown by the mouse wheel."""
    if big(c):
        marching_rect(c, 8, 1, 29, 16)
        mouse(c, 1, 7, 12, 26)
    else:
        marching_rect(c, 4, 0, 14, 7)
        mouse(c, 0, 3, 6, 13)


picture_of(219)(with_mark(two_click_selection, badge_play))
picture_of(220)(with_mark(two_click_selection, badge_stop))
picture_of(221)(with_mark(wheel_selection, badge_play))
picture_of(222)(with_mark(wheel_selection, badge_stop))


@picture_of(223)
def fixed_size_selection(c):
    """A selection frame of a fixed size: the frame with its size locked."""
    if big(c):
        marching_rect(c, 1, 1, 24, 20)
        c.fill(4, 24, 21, 24, OUT)
        arrow_head(c, (1, 24), "l", 2, OUT)
        arrow_head(c, (24, 24), "r", 2, OUT)
        # the padlock
        c.paint(arc(25, 20, 4.5, 2, 180, 360), OUT)
        c.box(18, 19, 31, 31, OUT, YELLOW)
        c.fill(24, 23, 25, 27, BROWN)
    else:
        marching_rect(c, 0, 0, 11, 9)
        c.fill(1, 12, 8, 12, OUT)
        c.put(1, 11, OUT)
        c.put(1, 13, OUT)
        c.put(8, 11, OUT)
        c.put(8, 13, OUT)
        c.paint(arc(12.5, 10, 2.5, 1, 180, 360), OUT)
        c.box(9, 10, 15, 15, OUT, YELLOW)
        c.fill(12, 12, 12, 13, BROWN)


def coordinates(c):
    """Axes with a point and its guide lines: the selection's coordinates."""
    if big(c):
        c.fill(3, 2, 4, 29, OUT)
        c.fill(3, 27, 30, 28, OUT)
        arrow_head(c, (3, 0), "u", 3, OUT)
        c.put(4, 0, OUT)
        arrow_head(c, (30, 27), "r", 3, OUT)
        for y in range(10, 27, 2):
            c.put(20, y, BLUE)
        for x in range(5, 20, 2):
            c.put(x, 10, BLUE)
        c.shape(disc(20.5, 10.5, 3.5), RED, DRED)
        for v in (9, 15):
            c.fill(v + 2, 29, v + 2, 30, DGREY)
    else:
        c.fill(1, 1, 1, 14, OUT)
        c.fill(1, 14, 14, 14, OUT)
        c.put(0, 2, OUT)
        c.put(2, 2, OUT)
        c.put(13, 13, OUT)
        c.put(13, 15, OUT)
        for y in range(6, 14, 2):
            c.put(10, y, BLUE)
        for x in range(3, 10, 2):
            c.put(x, 5, BLUE)
        c.shape(rect(9, 4, 11, 6), RED, None)
        c.put(10, 5, DRED)


picture_of(224)(coordinates)
picture_of(225)(with_mark(coordinates, slash))


def shown_selection(c, outside):
    """An image whose selection is shown by changing its surroundings."""
    scene(c, 0, 0, c.w - 1, c.h - 1)
    c.map(outside)
    # the selection keeps the image as it is
    x0, y0, x1, y1 = (8, 7, 23, 22) if big(c) else (4, 4, 11, 11)
    untouched = Canvas(c.w)
    scene(untouched, 0, 0, c.w - 1, c.h - 1)
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            c.put(x, y, untouched.get(x, y))
    c.frame(0, 0, c.w - 1, c.h - 1, OUT)


def darker(p):
    return (p[0] * 2 // 5, p[1] * 2 // 5, p[2] * 2 // 5, 255)


def lighter(p):
    return (p[0] + (255 - p[0]) * 7 // 10, p[1] + (255 - p[1]) * 7 // 10, p[2] + (255 - p[2]) * 7 // 10, 255)


@picture_of(226)
def darkened_surroundings(c):
    shown_selection(c, darker)


@picture_of(270)
def lightened_surroundings(c):
    shown_selection(c, lighter)


@picture_of(227)
def framed_selection(c):
    scene(c, 0, 0, c.w - 1, c.h - 1)
    c.frame(0, 0, c.w - 1, c.h - 1, OUT)
    if big(c):
        c.frame(6, 5, 25, 24, RED)
        c.frame(7, 6, 24, 23, RED)
    else:
        c.frame(3, 3, 12, 12, RED)


# -- the stage's aids --------------------------------------------------------------


def pixel_grid(c):
    """Enlarged pixels with the lines between them."""
    cell = 7 if big(c) else 4
    cols = [LBLUE, SKY, BLUE, SKY, BLUE, NAVY, BLUE, NAVY, NAVY, BLUE, SKY, LBLUE, BLUE, NAVY, SKY, LBLUE]
    start = 1 if big(c) else 1
    k = 0
    for gy in range(4 if big(c) else 3):
        for gx in range(4 if big(c) else 3):
            x, y = start + gx * cell, start + gy * cell
            c.fill(x, y, x + cell, y + cell, cols[k % len(cols)])
            k += 1
    n = (4 if big(c) else 3) * cell + start
    for v in range(start, n + 1, cell):
        c.fill(v, start, v, n, OUT)
        c.fill(start, v, n, v, OUT)


picture_of(228)(pixel_grid)
picture_of(229)(with_mark(pixel_grid, slash))


def centre_marker(c):
    """A cross hair in a circle, its centre in red."""
    if big(c):
        c.paint(ring(16, 16, 11, 2), OUT)
        for x0, y0, x1, y1 in ((15, 1, 16, 11), (15, 21, 16, 30), (1, 15, 11, 16), (21, 15, 30, 16)):
            c.fill(x0, y0, x1, y1, OUT)
        c.shape(rect(14, 14, 17, 17), RED, DRED)
    else:
        c.paint(ring(8, 8, 5.8), OUT)
        for x0, y0, x1, y1 in ((7, 0, 8, 4), (7, 11, 8, 15), (0, 7, 4, 8), (11, 7, 15, 8)):
            c.fill(x0, y0, x1, y1, OUT)
        c.fill(7, 7, 8, 8, RED)


picture_of(230)(centre_marker)
picture_of(231)(with_mark(centre_marker, slash))


# -- capturing ------------------------------------------------------------------------


def corner_marks(c, x0, y0, x1, y1, colour, length):
    for x, y, dx, dy in ((x0, y0, 1, 1), (x1, y0, -1, 1), (x0, y1, 1, -1), (x1, y1, -1, -1)):
        for i in range(length):
            c.put(x + dx * i, y, colour)
            c.put(x, y + dy * i, colour)


@picture_of(232)
def capture_full_screen(c):
    if big(c):
        x0, y0, x1, y1 = monitor(c, 0, 2, 31, 29)
        corner_marks(c, x0 + 2, y0 + 2, x1 - 2, y1 - 2, WHITE, 5)
        corner_marks(c, x0 + 3, y0 + 3, x1 - 3, y1 - 3, WHITE, 4)
    else:
        x0, y0, x1, y1 = monitor(c, 0, 1, 15, 14)
        corner_marks(c, x0 + 1, y0 + 1, x1 - 1, y1 - 1, WHITE, 3)


@picture_of(233)
def capture_active_window(c):
    if big(c):
        x0, y0, x1, y1 = monitor(c, 0, 2, 31, 29, screen=LGREY)
        window(c, x0 + 4, y0 + 3, x1 - 4, y1 - 2)
        corner_marks(c, x0 + 2, y0 + 1, x1 - 2, y1, RED, 4)
    else:
        x0, y0, x1, y1 = monitor(c, 0, 1, 15, 14, screen=LGREY)
        window(c, x0 + 2, y0 + 1, x1 - 2, y1 - 1)


def cursor_centred(c):
    """A screen with the pointer drawn to its middle."""
    if big(c):
        x0, y0, x1, y1 = monitor(c, 0, 2, 31, 29)
        for tip, d in (((x0 + 6, 15), "r"), ((x1 - 6, 15), "l")):
            arrow_head(c, tip, d, 3, NAVY)
        c.fill(x0 + 1, 15, x0 + 4, 15, NAVY)
        c.fill(x1 - 4, 15, x1 - 1, 15, NAVY)
        pointer(c, 15, 5)
    else:
        monitor(c, 0, 0, 15, 15)
        art(c, 1, 5, ["..o", "ooo", "..o"], {"o": NAVY})
        art(c, 12, 5, ["o..", "ooo", "o.."], {"o": NAVY})
        pointer(c, 6, 1)


picture_of(234)(cursor_centred)
picture_of(235)(with_mark(cursor_centred, slash))


def colour_number(c, label):
    """A colour swatch above its value written out."""
    if big(c):
        c.box(1, 1, 14, 14, OUT, (230, 110, 40))
        c.box(8, 5, 21, 18, OUT, BLUE)
        font = fonts.BOLD
        w = text_width(font, label, 2)
        x = (32 - w) // 2
        c.paint(glyph_pixels(font, label, x, 20, 2), OUT)
    else:
        c.box(0, 0, 7, 7, OUT, (230, 110, 40))
        c.box(4, 3, 10, 8, OUT, BLUE)
        w = text_width(fonts.SMALL, label)
        text(c, fonts.SMALL, label, (16 - w) // 2, 10, OUT)


@picture_of(236)
def colour_decimal(c):
    colour_number(c, "255")


@picture_of(237)
def colour_hex(c):
    colour_number(c, "FF")


# -- files -------------------------------------------------------------------------


@picture_of(238)
def new_image(c):
    if big(c):
        page(c, 4, 1, 25, 30)
        sparkle(c, 24, 22, 6)
    else:
        page(c, 1, 0, 12, 15)
        star = {(13, 10), (12, 11), (13, 11), (14, 11), (11, 12), (12, 12), (13, 12), (14, 12), (15, 12),
                (12, 13), (13, 13), (14, 13), (13, 14)}
        c.shape(star, YELLOW, GOLD, halo=CLEAR)


def sparkle(c, cx, cy, r):
    """A yellow star: something new."""
    pts = []
    for i in range(8):
        rr = r + 0.5 if i % 2 == 0 else r * 0.35
        a = math.pi / 4 * i - math.pi / 2
        pts.append((cx + 0.5 + rr * math.cos(a), cy + 0.5 + rr * math.sin(a)))
    c.shape(polygon(pts), YELLOW, GOLD, halo=CLEAR)


@picture_of(239)
def open_image(c):
    if big(c):
        folder(c, 1, 5, 30, 27, open_=True)
    else:
        folder(c, 0, 2, 15, 14, open_=True)


@picture_of(240)
def save_image(c):
    if big(c):
        disk(c, 2, 2, 29, 29)
    else:
        disk(c, 1, 1, 14, 14)


@picture_of(241)
def quit_app(c):
    """A door with an arrow going out of it."""
    if big(c):
        c.box(2, 1, 17, 30, OUT, (215, 190, 160))
        c.shape(polygon([(3, 2), (14, 5), (14, 29), (3, 30)]), BROWN, OUT)
        c.fill(11, 16, 12, 18, YELLOW)
        c.fill(17, 14, 26, 17, GREEN)
        arrow_head(c, (30, 15), "r", 5.5, GREEN)
        c.fill(17, 14, 26, 14, GREEN)
    else:
        c.box(1, 0, 9, 15, OUT, (215, 190, 160))
        c.shape(polygon([(2, 1), (8, 3), (8, 15), (2, 15)]), BROWN, OUT)
        c.put(6, 8, YELLOW)
        c.fill(9, 7, 12, 8, GREEN)
        arrow_head(c, (15, 7), "r", 3, GREEN)


def tree(c):
    """Folders joined by the lines of a tree."""
    if big(c):
        folder(c, 1, 1, 14, 10)
        for x, y in ((12, 13), (12, 23)):
            folder(c, x, y - 3, x + 15, y + 5)
        for y in range(11, 25, 2):
            c.put(6, y, OUT)
        for x in range(6, 12, 2):
            c.put(x, 14, OUT)
            c.put(x, 24, OUT)
    else:
        small_folder(c, 0, 0, 7, 4)
        small_folder(c, 6, 6, 15, 10)
        small_folder(c, 6, 11, 15, 15)
        for y in range(5, 14, 2):
            c.put(2, y, OUT)
        c.put(4, 8, OUT)
        c.put(4, 13, OUT)


def small_folder(c, x0, y0, x1, y1):
    """A folder only a few pixels high."""
    c.shape(rect(x0, y0, x0 + 3, y0) | rect(x0, y0 + 1, x1, y1), YELLOW, BROWN)
    c.fill(x0 + 1, y0 + 1, x1 - 1, y0 + 1, GOLD)


picture_of(242)(tree)


@picture_of(243)
def work_folder(c):
    if big(c):
        folder(c, 0, 3, 27, 25)
    else:
        folder(c, 0, 1, 13, 12)
    badge_check(c)


# -- clip windows ----------------------------------------------------------------------


def clip_window(number):
    def draw(c):
        label = str(number)
        if big(c):
            window(c, 1, 2, 30, 29)
            font, gap, top = fonts.BOLD, 2, 9
        else:
            window(c, 0, 1, 15, 14)
            font, gap, top = fonts.DIGITS_7, 1, 5
        w = text_width(font, label, gap)
        c.paint(glyph_pixels(font, label, (c.w - w) // 2, top + (3 if big(c) else 1), gap), OUT)

    return draw


for _i in range(12):
    picture_of(244 + _i)(clip_window(_i + 1))


def stacked_windows(c):
    if big(c):
        for i in range(3):
            window(c, i * 5, i * 5, 16 + i * 5, 16 + i * 5)
    else:
        for i in range(3):
            window(c, i * 3, i * 3, 8 + i * 3, 8 + i * 3)


@picture_of(256)
def show_all_windows(c):
    stacked_windows(c)


@picture_of(257)
def close_all_windows(c):
    stacked_windows(c)
    badge_cross(c)


# -- the image ---------------------------------------------------------------------------


def zoom(c, sign):
    if big(c):
        magnifier(c, 12, 12, 10.5, (30, 30))
        c.fill(7, 11, 16, 12, NAVY)
        if sign == "+":
            c.fill(11, 7, 12, 16, NAVY)
    else:
        magnifier(c, 6, 6, 5.8, (15, 15))
        c.fill(3, 5, 8, 6, NAVY)
        if sign == "+":
            c.fill(5, 3, 6, 8, NAVY)


@picture_of(258)
def zoom_in(c):
    zoom(c, "+")


@picture_of(259)
def zoom_out(c):
    zoom(c, "-")


@picture_of(260)
def paste_image(c):
    if big(c):
        x0, y0, x1, y1 = clipboard(c, 1, 1, 22, 30)
        picture(c, 10, 12, 30, 28)
    else:
        clipboard(c, 0, 0, 11, 15)
        picture(c, 5, 6, 15, 14)


@picture_of(261)
def restore_image(c):
    """An image with an arrow going back: its original state."""
    if big(c):
        picture(c, 0, 12, 18, 31)
        hook_32(c, 14, 0, OUT)
    else:
        picture(c, 0, 6, 10, 15)
        art(c, 6, 0, HOOK_16, {"o": OUT})


@picture_of(262)
def colour_adjust(c):
    """Three sliders, red, green and blue."""
    cols = [(RED, DRED), (GREEN, DGREEN), (BLUE, NAVY)]
    if big(c):
        for i, (col, dark) in enumerate(cols):
            x = 5 + i * 10
            c.fill(x, 2, x + 1, 29, DGREY)
            y = (18, 6, 13)[i]
            c.box(x - 3, y, x + 4, y + 6, dark, col)
    else:
        for i, (col, dark) in enumerate(cols):
            x = 2 + i * 5
            c.fill(x, 0, x, 15, DGREY)
            y = (9, 2, 6)[i]
            c.box(x - 2, y, x + 2, y + 3, dark, col)


def mirror(c, horizontal):
    """Two triangles about a dashed axis, the second the first mirrored."""
    n = c.w
    if big(c):
        left = polygon([(13, 4), (13, 28), (1, 28)])
        axis, dash = 15, 4
    else:
        left = polygon([(6, 2), (6, 14), (0, 14)])
        axis, dash = 7, 3
    c.shape(left, BLUE, OUT)
    c.shape({(n - 1 - x, y) for x, y in left}, PAPER, OUT)
    for y in range(0, n, dash):
        c.fill(axis, y, axis + 1, y + dash - 2, OUT)
    if not horizontal:
        c.px = [[c.px[x][y] for x in range(n)] for y in range(n)]


@picture_of(263)
def flip_left_right(c):
    mirror(c, True)


@picture_of(264)
def flip_top_bottom(c):
    mirror(c, False)


@picture_of(265)
def rotate_right(c):
    """An image and a clockwise arrow turning it a quarter."""
    if big(c):
        picture(c, 0, 12, 19, 31)
        c.paint(arc(16, 14, 12, 2, 195, 340), OUT)
        arrow_head(c, (27, 15), "d", 5, OUT)
    else:
        picture(c, 0, 6, 9, 15)
        art(c, 1, 0, ROTATE_16, {"o": OUT})


ROTATE_16 = [
    "...ooooo......",
    ".oo.....oo....",
    "o.........o...",
    "o..........o..",
    "...........o..",
    "........ooooooo",
    ".........ooooo.",
    "..........ooo..",
    "...........o...",
]

# A hooked arrow pointing back to the left: undo, go back.
HOOK_16 = [
    "..o.......",
    ".oo.......",
    "oooooooo..",
    "ooooooooo.",
    ".oo....ooo",
    "..o.....oo",
    "........oo",
    ".......oo.",
]


def hook_32(c, x, y, colour):
    """The hooked back arrow drawn for 32 x 32, about 16 x 14 from (x, y)."""
    arrow_head(c, (x, y + 5), "l", 5.5, colour)
    c.fill(x + 5, y + 4, x + 10, y + 6, colour)
    c.paint(arc(x + 10.5, y + 10.5, 6.5, 3, 270, 90), colour)
    c.fill(x + 5, y + 14, x + 10, y + 16, colour)


def art(c, x, y, rows, colours):
    """Pixel art written as rows of letters; '.' leaves the pixel alone."""
    for dy, row in enumerate(rows):
        for dx, ch in enumerate(row):
            if ch in colours:
                c.put(x + dx, y + dy, colours[ch])


# -- help and settings ----------------------------------------------------------------------


@picture_of(266)
def options(c):
    if big(c):
        gear(c, 16, 16, 14.5, 8)
    else:
        gear(c, 8, 8, 7.5, 8)


@picture_of(267)
def manual(c):
    """A book with a question mark."""
    if big(c):
        c.box(4, 1, 27, 30, OUT, NAVY)
        c.fill(7, 27, 26, 29, PAPER)
        c.fill(7, 27, 26, 27, LGREY)
        c.fill(5, 2, 6, 29, (30, 50, 110))
        q = ["..####..", ".##..##.", ".##..##.", "....##..", "...##...", "...##...", "........",
             "...##...", "...##..."]
        for dy, row in enumerate(q):
            for dx, ch in enumerate(row):
                if ch == "#":
                    c.put(11 + dx, 7 + dy * 2, WHITE)
                    c.put(11 + dx, 8 + dy * 2, WHITE)
    else:
        c.box(2, 0, 13, 15, OUT, NAVY)
        c.fill(4, 13, 12, 14, PAPER)
        c.fill(3, 1, 3, 14, (30, 50, 110))
        q = [".##.", "#..#", "..#.", ".#..", "....", ".#.."]
        for dy, row in enumerate(q):
            for dx, ch in enumerate(row):
                if ch == "#":
                    c.put(6 + dx, 3 + dy, WHITE)


@picture_of(268)
def about(c):
    """An information sign."""
    if big(c):
        c.shape(disc(16, 16, 15), BLUE, NAVY)
        c.fill(14, 7, 17, 10, WHITE)
        c.fill(12, 13, 17, 14, WHITE)
        c.fill(14, 13, 17, 23, WHITE)
        c.fill(12, 23, 19, 25, WHITE)
    else:
        c.shape(disc(8, 8, 8), BLUE, NAVY)
        c.fill(7, 3, 8, 4, WHITE)
        c.fill(6, 6, 8, 6, WHITE)
        c.fill(7, 6, 8, 11, WHITE)
        c.fill(6, 12, 9, 12, WHITE)


@picture_of(269)
def copy_colour_info(c):
    """A clipboard holding a colour and its values."""
    if big(c):
        x0, y0, x1, y1 = clipboard(c, 3, 1, 28, 30)
        c.box(x0 + 2, y0 + 2, x0 + 9, y0 + 9, OUT, (230, 110, 40))
        for y in (y0 + 3, y0 + 7, y0 + 13, y0 + 17):
            c.fill(x0 + 12 if y < y0 + 11 else x0 + 2, y, x1 - 2, y + 1, MGREY)
    else:
        x0, y0, x1, y1 = clipboard(c, 1, 0, 14, 15)
        c.box(x0 + 1, y0 + 1, x0 + 4, y0 + 4, OUT, (230, 110, 40))
        c.fill(x0 + 6, y0 + 2, x1 - 1, y0 + 2, MGREY)
        c.fill(x0 + 6, y0 + 4, x1 - 1, y0 + 4, MGREY)
        c.fill(x0 + 1, y0 + 7, x1 - 1, y0 + 7, MGREY)
        c.fill(x0 + 1, y0 + 9, x1 - 1, y0 + 9, MGREY)


@picture_of(275)
def print_image(c):
    """A printer with a sheet coming out."""
    if big(c):
        c.box(8, 1, 23, 12, OUT, PAPER)
        c.rbox(1, 10, 30, 24, OUT, LGREY)
        c.fill(2, 11, 29, 12, WHITE)
        c.fill(4, 15, 6, 16, GREEN)
        c.box(6, 19, 25, 30, OUT, PAPER)
        for y in (22, 25, 28):
            c.fill(9, y, 22, y, MGREY)
        c.fill(11, 4, 20, 4, MGREY)
        c.fill(11, 7, 20, 7, MGREY)
    else:
        c.box(4, 0, 11, 6, OUT, PAPER)
        c.box(0, 5, 15, 12, OUT, LGREY)
        c.put(2, 7, GREEN)
        c.box(3, 10, 12, 15, OUT, PAPER)
        c.fill(5, 12, 10, 12, MGREY)
        c.fill(6, 2, 9, 2, MGREY)


def exif_card(c):
    """A card headed EXIF with a list of entries below."""
    if big(c):
        c.rbox(0, 2, 31, 29, OUT, PAPER)
        c.fill(1, 3, 30, 14, NAVY)
        w = text_width(fonts.LETTERS_9, "EXIF", 2)
        c.paint(glyph_pixels(fonts.LETTERS_9, "EXIF", (32 - w) // 2, 4, 2), WHITE)
        for y in (18, 23):
            c.box(3, y - 1, 6, y + 2, MGREY, PAPER)
            c.fill(9, y, 27, y + 1, MGREY)
        c.fill(4, 18, 5, 19, NAVY)
    else:
        c.box(0, 1, 15, 14, OUT, PAPER)
        c.fill(1, 2, 14, 7, NAVY)
        w = text_width(fonts.SMALL, "EXIF")
        text(c, fonts.SMALL, "EXIF", (16 - w) // 2, 2, WHITE)
        c.fill(2, 10, 3, 10, NAVY)
        c.fill(5, 10, 12, 10, MGREY)
        c.fill(2, 12, 3, 12, MGREY)
        c.fill(5, 12, 12, 12, MGREY)


@picture_of(308)
def exif_settings(c):
    exif_card(c)


@picture_of(309)
def exif_clear(c):
    exif_card(c)
    badge_cross(c)


# -- measuring, one-shot zoom, thumbnails, file names ----------------------------------------


def measure(c):
    """A ruler with the distance it measures above it."""
    if big(c):
        ruler(c, 0, 14, 31, 25)
        c.fill(3, 7, 28, 8, OUT)
        arrow_head(c, (1, 7), "l", 3.5, OUT)
        arrow_head(c, (30, 7), "r", 3.5, OUT)
    else:
        ruler(c, 0, 7, 15, 12)
        c.fill(2, 3, 13, 3, OUT)
        arrow_head(c, (0, 3), "l", 2, OUT)
        arrow_head(c, (15, 3), "r", 2, OUT)


picture_of(344)(measure)


def measure_small(c):
    if big(c):
        ruler(c, 0, 6, 31, 19)
    else:
        ruler(c, 0, 3, 15, 9)


picture_of(354)(with_mark(measure_small, badge_play))
picture_of(355)(with_mark(measure_small, badge_stop))


def bolt(c):
    """A flash in the top right corner: done once, at once."""
    if big(c):
        shape = polygon([(25, 0), (19, 9), (24, 9), (21, 16), (30, 6), (25, 6), (29, 0)])
        c.shape(shape, YELLOW, GOLD, halo=CLEAR)
    else:
        rows = ["...gg", "..gyg", ".gyg.", "gyyyg", ".gyg.", "gyg..", "gg..."]
        halo = {(11 + dx + i, dy + j) for dy, row in enumerate(rows) for dx, ch in enumerate(row) if ch != "."
                for i in (-1, 0, 1) for j in (-1, 0, 1)}
        c.paint(halo, CLEAR)
        art(c, 11, 0, rows, {"g": GOLD, "y": YELLOW})


@picture_of(360)
def one_shot_zoom(c):
    """The zoom lens with a flash: zoom in once."""
    zoom(c, "+")
    bolt(c)


@picture_of(361)
def one_shot_zoom_back(c):
    """The one-shot lens zooming back out."""
    zoom(c, "-")
    bolt(c)


@picture_of(375)
def thumbnail_mask(c):
    """Four thumbnails, two of them masked."""
    if big(c):
        spots = [(1, 1), (17, 1), (1, 17), (17, 17)]
        s = 13
    else:
        spots = [(0, 0), (8, 0), (0, 8), (8, 8)]
        s = 6
    for i, (x, y) in enumerate(spots):
        picture(c, x, y, x + s, y + s)
        if i in (1, 2):
            c.map(lambda p: (p[0] // 3 + 60, p[1] // 3 + 60, p[2] // 3 + 70, 255), (x + 1, y + 1, x + s - 1, y + s - 1))


def auto_names(c):
    """A diskette whose label carries a running number."""
    if big(c):
        c.rbox(1, 1, 30, 30, OUT, NAVY)
        c.box(8, 1, 23, 9, OUT, LGREY)
        c.fill(19, 3, 21, 7, NAVY)
        c.box(4, 13, 27, 30, OUT, PAPER)
        c.paint(glyph_pixels(fonts.BOLD, "12", 9, 16, 2), NAVY)
    else:
        c.rbox(0, 0, 15, 15, OUT, NAVY)
        c.box(4, 0, 11, 4, OUT, LGREY)
        c.fill(9, 1, 9, 3, NAVY)
        c.box(2, 6, 13, 15, OUT, PAPER)
        text(c, fonts.SMALL, "12", 5, 8, NAVY)


picture_of(393)(auto_names)
picture_of(394)(with_mark(auto_names, slash))
