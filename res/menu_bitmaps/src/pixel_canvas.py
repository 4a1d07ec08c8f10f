"""A small RGBA pixel canvas for drawing the menu and toolbar pictures.

Everything is drawn on whole pixels (no anti-aliasing), so the pictures stay
sharp at 16 x 16. Coordinates are inclusive pixel positions. Python 3 standard
library only: the PNG files are written with zlib.
"""

import math
import struct
import zlib

CLEAR = (0, 0, 0, 0)


def rgba(c):
    return c if len(c) == 4 else (c[0], c[1], c[2], 255)


class Canvas:
    def __init__(self, width, height=None):
        self.w = width
        self.h = width if height is None else height
        self.px = [[CLEAR] * self.w for _ in range(self.h)]

    # -- single pixels and rectangles ---------------------------------------

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = rgba(c)

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y][x]
        return CLEAR

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.put(x, y0, c)
            self.put(x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(x0, y, c)
            self.put(x1, y, c)

    def box(self, x0, y0, x1, y1, outline, inside=None):
        if inside is not None:
            self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, outline)

    def rbox(self, x0, y0, x1, y1, outline, inside=None):
        """A box with its four corner pixels cut off."""
        self.box(x0, y0, x1, y1, outline, inside)
        for x, y in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
            self.put(x, y, CLEAR)
        for x, y in ((x0 + 1, y0 + 1), (x1 - 1, y0 + 1), (x0 + 1, y1 - 1), (x1 - 1, y1 - 1)):
            self.put(x, y, outline)

    def dashed_frame(self, x0, y0, x1, y1, on, off, dash=1):
        """Marching ants: the border alternates two colours every `dash` pixels."""
        path = [(x, y0) for x in range(x0, x1)] + [(x1, y) for y in range(y0, y1)]
        path += [(x, y1) for x in range(x1, x0, -1)] + [(x0, y) for y in range(y1, y0, -1)]
        for i, (x, y) in enumerate(path):
            self.put(x, y, on if (i // dash) % 2 == 0 else off)

    # -- lines --------------------------------------------------------------

    def line(self, x0, y0, x1, y1, c, pen=1):
        """A Bresenham line; a pen wider than 1 is a square stamped at each step."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.fill(x0, y0, x0 + pen - 1, y0 + pen - 1, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    # -- shapes given as a set of pixels ------------------------------------

    def shape(self, pixels, inside, outline=None, halo=None):
        """Fills a pixel set; its edge pixels (a 4-neighbour outside) take the
        outline colour; a halo colour (CLEAR cuts a gap) rings it outside."""
        pixels = set(pixels)
        if halo is not None:
            for x, y in pixels:
                for dx in (-1, 0, 1):
                    for dy in (-1, 0, 1):
                        if (x + dx, y + dy) not in pixels:
                            self.put(x + dx, y + dy, halo)
        for x, y in pixels:
            edge = any((x + dx, y + dy) not in pixels for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            self.put(x, y, outline if (edge and outline is not None) else inside)

    def paint(self, pixels, c):
        for x, y in pixels:
            self.put(x, y, c)

    # -- copying ------------------------------------------------------------

    def blit(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                p = other.px[y][x]
                if p[3]:
                    self.put(ox + x, oy + y, p)

    def map(self, fn, region=None):
        """Replaces each opaque pixel (of a region) by fn(pixel)."""
        x0, y0, x1, y1 = region if region else (0, 0, self.w - 1, self.h - 1)
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                p = self.get(x, y)
                if p[3]:
                    self.put(x, y, fn(p))

    # -- output -------------------------------------------------------------

    def png(self):
        raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in self.px)

        def chunk(tag, data):
            return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

        head = struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", zlib.compress(raw, 9))
                + chunk(b"IEND", b""))

    def save(self, path):
        with open(path, "wb") as f:
            f.write(self.png())


# -- pixel sets ----------------------------------------------------------------


def disc(cx, cy, r):
    """The pixels whose centres lie within r of (cx, cy)."""
    out = set()
    for y in range(int(cy - r) - 1, int(cy + r) + 2):
        for x in range(int(cx - r) - 1, int(cx + r) + 2):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                out.add((x, y))
    return out


def ring(cx, cy, r, width=1):
    """The edge of a disc, `width` pixels thick along the axes."""
    inner = disc(cx, cy, r)
    out = set()
    for x, y in inner:
        for d in range(1, width + 1):
            if any(p not in inner for p in ((x + d, y), (x - d, y), (x, y + d), (x, y - d))):
                out.add((x, y))
                break
    return out


def arc(cx, cy, r, width, start_deg, end_deg):
    """Part of a ring; angles run clockwise from east (screen coordinates)."""
    out = set()
    for x, y in ring(cx, cy, r, width):
        a = math.degrees(math.atan2(y + 0.5 - cy, x + 0.5 - cx)) % 360
        if (start_deg <= a <= end_deg) if start_deg <= end_deg else (a >= start_deg or a <= end_deg):
            out.add((x, y))
    return out


def polygon(points):
    """The pixels whose centres lie inside a polygon (even-odd rule)."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    out = set()
    for y in range(int(min(ys)) - 1, int(max(ys)) + 2):
        cy = y + 0.5
        for x in range(int(min(xs)) - 1, int(max(xs)) + 2):
            cx = x + 0.5
            inside = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > cy) != (yj > cy) and cx < (xj - xi) * (cy - yi) / (yj - yi) + xi:
                    inside = not inside
                j = i
            if inside:
                out.add((x, y))
    return out


def rect(x0, y0, x1, y1):
    return {(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)}


# -- text ----------------------------------------------------------------------


def glyph_pixels(font, text, x, y, gap=1):
    """The pixels of a text in a bitmap font (a dict of row strings)."""
    out = set()
    for ch in text:
        rows = font[ch]
        for dy, row in enumerate(rows):
            for dx, bit in enumerate(row):
                if bit == "#":
                    out.add((x + dx, y + dy))
        x += len(rows[0]) + gap
    return out


def text_width(font, text, gap=1):
    return sum(len(font[ch][0]) for ch in text) + gap * (len(text) - 1)
