#!/usr/bin/env python3
"""Draws the pictures of the Stochal ribbon buttons as 32-bit bitmaps with
premultiplied alpha (what Office shows on any ribbon colour), and writes
RibbonImages.rc, which lists them. Run from this folder; the files in
ribbon/ and the .rc are committed.

Office shows large buttons at 32 x 32 and small ones at 16 x 16 at 96 DPI,
and larger in proportion to the DPI. Each picture is drawn at the sizes of
100, 125, 150 and 200 % (addin/Ribbon.cpp picks one by the same steps), from
shapes, not by scaling a bitmap: filled boxes have their edges on whole
pixels at every size, the rest is drawn four times larger and averaged
down, so edges are smooth. The same run gives the same files."""
import math
import os
import struct

SUPER = 4


class Canvas:
    def __init__(self, size):
        self.size = size
        self.n = size * SUPER
        self.px = [[(0, 0, 0, 0)] * self.n for _ in range(self.n)]

    def _put(self, x, y, rgb):
        if 0 <= x < self.n and 0 <= y < self.n:
            self.px[y][x] = rgb + (255,)

    def _pixel_edges(self, a, b):
        """[a, b) in picture units as whole pixels, at least one wide."""
        k = self.size / 32
        first = math.floor(a * k + 0.5)
        last = max(first + 1, math.floor(b * k + 0.5))
        return first * SUPER, last * SUPER

    def rect(self, x0, y0, x1, y1, rgb):
        """Fills [x0, x1) x [y0, y1) in picture units of a 32-pixel picture,
        on whole pixels: a thin grid line stays one sharp pixel wide."""
        left, right = self._pixel_edges(x0, x1)
        top, bottom = self._pixel_edges(y0, y1)
        for y in range(top, bottom):
            for x in range(left, right):
                self._put(x, y, rgb)

    def circle(self, cx, cy, r, rgb):
        k = self.n / 32
        for y in range(int((cy - r) * k), int((cy + r) * k) + 1):
            for x in range(int((cx - r) * k), int((cx + r) * k) + 1):
                if (x / k - cx) ** 2 + (y / k - cy) ** 2 <= r * r:
                    self._put(x, y, rgb)

    def line(self, x0, y0, x1, y1, width, rgb):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 8) + 1
        for i in range(steps + 1):
            t = i / steps
            self.circle(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, rgb)

    def polyline(self, points, width, rgb):
        for (a, b) in zip(points, points[1:]):
            self.line(a[0], a[1], b[0], b[1], width, rgb)

    def pixels(self):
        """Averages each SUPER x SUPER block; premultiplied BGRA rows, top first."""
        rows = []
        for y in range(self.size):
            row = []
            for x in range(self.size):
                acc = [0, 0, 0, 0]
                for dy in range(SUPER):
                    for dx in range(SUPER):
                        r, g, b, a = self.px[y * SUPER + dy][x * SUPER + dx]
                        acc[0] += r * a
                        acc[1] += g * a
                        acc[2] += b * a
                        acc[3] += a
                count = SUPER * SUPER
                alpha = acc[3] / count
                row.append(tuple(round(c / count / 255) for c in acc[:3]) + (round(alpha),))
            rows.append(row)
        return rows


BLUE = (46, 104, 176)
LIGHT = (190, 214, 240)
RED = (196, 43, 43)
GREY = (90, 90, 90)
WHITE = (255, 255, 255)
GREEN = (60, 140, 70)


def grid(c, cells, highlight):
    """A sheet of cells; highlight lists (row, column) to fill."""
    c.rect(3, 4, 29, 28, GREY)
    c.rect(4, 5, 28, 27, WHITE)
    step = 24 / cells
    for (row, column) in highlight:
        c.rect(4 + column * step, 5 + row * (22 / cells), 4 + (column + 1) * step, 5 + (row + 1) * (22 / cells), LIGHT)
    for i in range(1, cells):
        c.rect(4 + i * step - 0.5, 5, 4 + i * step + 0.5, 27, GREY)
        c.rect(4, 5 + i * (22 / cells) - 0.5, 28, 5 + i * (22 / cells) + 0.5, GREY)


def fill_simple(c):
    grid(c, 2, [])
    # A die face in each cell: one, two, three and four dots.
    faces = [[(0.5, 0.5)], [(0.28, 0.28), (0.72, 0.72)], [(0.25, 0.25), (0.5, 0.5), (0.75, 0.75)],
             [(0.28, 0.28), (0.72, 0.28), (0.28, 0.72), (0.72, 0.72)]]
    for index, face in enumerate(faces):
        x0, y0 = 4 + (index % 2) * 12, 5 + (index // 2) * 11
        for (fx, fy) in face:
            c.circle(x0 + fx * 12, y0 + fy * 11, 1.6, BLUE)


def fill_distribution(c):
    for i, h in enumerate([3, 8, 15, 20, 15, 8, 3]):
        c.rect(3 + i * 3.8, 27 - h, 3 + i * 3.8 + 3.2, 27, LIGHT)
    curve = [(3 + t * 26, 27 - 22 * math.exp(-0.5 * ((t - 0.5) / 0.16) ** 2)) for t in [i / 40 for i in range(41)]]
    c.polyline(curve, 2.2, RED)
    c.rect(2, 27, 30, 29, GREY)


def sample(c):
    grid(c, 4, [(0, 0), (0, 1), (2, 0), (2, 1)])
    c.line(17, 8, 27, 8, 2.5, GREEN)
    c.line(17, 19, 27, 19, 2.5, GREEN)
    c.polyline([(24, 5), (27.5, 8), (24, 11)], 2.5, GREEN)
    c.polyline([(24, 16), (27.5, 19), (24, 22)], 2.5, GREEN)


def sort(c):
    for i, w in enumerate([10, 22, 6, 16]):
        c.rect(3, 5 + i * 6, 3 + w * 0.6, 9 + i * 6, BLUE)
    c.polyline([(19, 7), (29, 25)], 2.4, RED)
    c.polyline([(19, 25), (29, 7)], 2.4, RED)
    c.polyline([(25, 25), (29, 25), (29, 21)], 2.4, RED)
    c.polyline([(25, 7), (29, 7), (29, 11)], 2.4, RED)


def about(c):
    c.circle(16, 16, 14, BLUE)
    c.circle(16, 9, 2.6, WHITE)
    c.rect(13.5, 13, 18.5, 25, WHITE)


def help_(c):
    c.circle(16, 16, 14, BLUE)
    arc = [(16 + 5.5 * math.cos(a), 11.5 + 5 * math.sin(a)) for a in [math.pi * (1.0 + i / 20 * 1.45) for i in range(21)]]
    c.polyline(arc + [(16.5, 18.5), (16.5, 20)], 3.4, WHITE)
    c.circle(16.5, 24.5, 2.2, WHITE)


# File name, resource id, size at 100 % (large 32, small 16), drawing.
PICTURES = [("fill_simple", "IDB_RIBBON_FILL_SIMPLE", 32, fill_simple),
            ("fill_distribution", "IDB_RIBBON_FILL_DISTRIBUTION", 32, fill_distribution),
            ("sample", "IDB_RIBBON_SAMPLE", 32, sample),
            ("sort", "IDB_RIBBON_SORT", 32, sort),
            ("about", "IDB_RIBBON_ABOUT", 16, about),
            ("help", "IDB_RIBBON_HELP", 16, help_)]
# The scale steps drawn; step i of a picture has id + i * IDB_RIBBON_STEP_OFFSET.
SCALES = (100, 125, 150, 200)


def write_bmp(path, rows):
    size = len(rows)
    data = bytearray()
    for row in reversed(rows):  # bottom-up
        for (r, g, b, a) in row:
            data += bytes((b, g, r, a))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 32, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + data)


os.makedirs("ribbon", exist_ok=True)
rc = ["// Pictures of the ribbon buttons at 100, 125, 150 and 200 %, written with",
      "// the files by make_ribbon_images.py."]
for name, resource, base, draw in PICTURES:
    for step, scale in enumerate(SCALES):
        size = base * scale // 100
        canvas = Canvas(size)
        draw(canvas)
        path = "ribbon/%s_%d.bmp" % (name, size)
        write_bmp(path, canvas.pixels())
        rc.append("(%s + %d * IDB_RIBBON_STEP_OFFSET) BITMAP \"%s\"" % (resource, step, path))
with open("RibbonImages.rc", "w", newline="\n") as out:
    out.write("\n".join(rc) + "\n")
