#!/usr/bin/env python3
"""Draws the About box picture, About.bmp: a histogram of draws under the
normal density it approaches. Run from this folder; the output is committed.

The picture is laid out on a 100 x 110 grid of units and drawn at PIXELS
pixels a unit, so that it is sharp where the About box shows it at 200 %;
the dialog resamples it smoothly to the size its picture control has at
the DPI of the moment.

Deterministic: the bars are the expected counts of 2000 normal draws in
fourteen bins, so running it again gives the same file byte for byte."""
import math
import struct

UNITS_WIDE, UNITS_HIGH = 100, 110
PIXELS = 2
WIDTH, HEIGHT = UNITS_WIDE * PIXELS, UNITS_HIGH * PIXELS
BACKGROUND = (255, 255, 255)
BAR = (173, 198, 232)
BAR_EDGE = (70, 110, 170)
CURVE = (200, 40, 40)
AXIS = (60, 60, 60)

pixels = [[BACKGROUND] * WIDTH for _ in range(HEIGHT)]


def put(x, y, colour):
    if 0 <= x < WIDTH and 0 <= y < HEIGHT:
        pixels[y][x] = colour


def fill(x0, y0, x1, y1, colour):
    """Fills the units [x0, x1) x [y0, y1)."""
    for y in range(y0 * PIXELS, y1 * PIXELS):
        for x in range(x0 * PIXELS, x1 * PIXELS):
            put(x, y, colour)


def density(z):
    return math.exp(-0.5 * z * z) / math.sqrt(2 * math.pi)


def cdf(z):
    return 0.5 * (1 + math.erf(z / math.sqrt(2)))


LEFT, RIGHT, BASE, TOP = 6, 94, 96, 14
SPAN = 3.5  # standard deviations either side
bins = 14
scale = (BASE - TOP) / density(0)


def to_x(z):
    return LEFT + (z + SPAN) / (2 * SPAN) * (RIGHT - LEFT)


# Bars: the probability of each bin divided by its width, a histogram's
# height; a one-unit edge on the top and the sides.
for b in range(bins):
    z0 = -SPAN + 2 * SPAN * b / bins
    z1 = -SPAN + 2 * SPAN * (b + 1) / bins
    height = (cdf(z1) - cdf(z0)) / (z1 - z0) * scale
    x0, x1 = round(to_x(z0)), round(to_x(z1))
    y0 = round(BASE - height)
    fill(x0, y0, x1, BASE, BAR_EDGE)
    fill(x0 + 1, y0 + 1, x1 - 1, BASE, BAR)

# The density, two units thick, followed pixel by pixel.
previous = None
for x in range(LEFT * PIXELS, RIGHT * PIXELS + PIXELS):
    z = (x / PIXELS - LEFT) / (RIGHT - LEFT) * 2 * SPAN - SPAN
    y = round((BASE - density(z) * scale) * PIXELS)
    span = range(min(y, previous), max(y, previous) + 1) if previous is not None else [y]
    for yy in span:
        for thickness in range(2 * PIXELS):
            put(x, yy + PIXELS - 1 - thickness, CURVE)
    previous = y

# Axis with ticks at whole standard deviations.
fill(LEFT - 2, BASE, RIGHT + 3, BASE + 1, AXIS)
for k in range(-3, 4):
    x = round(to_x(k))
    fill(x, BASE, x + 1, BASE + 4, AXIS)

row_bytes = WIDTH * 3
padding = (4 - row_bytes % 4) % 4
image = bytearray()
for y in range(HEIGHT - 1, -1, -1):  # bottom-up rows
    for (r, g, b) in pixels[y]:
        image += bytes((b, g, r))
    image += b"\0" * padding
header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0, 0)
with open("About.bmp", "wb") as out:
    out.write(header + info + image)
