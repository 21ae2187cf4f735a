#!/usr/bin/env python3
"""Draws Sparvane's icon (a speed gauge in a rounded blue square) and writes
resources/sparvane.ico with 16x16, 32x32 and 48x48 images.

Pure Python, no packages: each pixel is supersampled 4x4 against simple shapes, and the
images are stored as 32-bit BGRA DIBs with an AND mask, which every Windows version reads.

    python3 scripts/make_icon.py [output.ico]
"""
import math
import os
import struct
import sys

SIZES = (16, 32, 48)
SAMPLES = 4

CENTRE = (0.5, 0.58)
ARC_RADIUS = 0.30
ARC_FROM, ARC_TO = -30.0, 210.0   # degrees, 0 = right, counter-clockwise, over the top
HOT_ZONE = 30.0                    # the part of the scale below this angle is drawn in red
NEEDLE_ANGLE = 50.0
NEEDLE_LENGTH = 0.27

WHITE = (255, 255, 255)
HOT = (240, 95, 60)
NEEDLE = (255, 176, 40)


def rounded_square(x, y, inset=0.03, radius=0.2):
    """True inside the rounded square."""
    lo, hi = inset + radius, 1.0 - inset - radius
    dx = max(lo - x, 0.0, x - hi)
    dy = max(lo - y, 0.0, y - hi)
    inside_box = inset <= x <= 1.0 - inset and inset <= y <= 1.0 - inset
    return inside_box and dx * dx + dy * dy <= radius * radius


def background(y):
    """Vertical gradient from light to deep blue."""
    top, bottom = (45, 120, 210), (18, 55, 135)
    return tuple(round(a + (b - a) * y) for a, b in zip(top, bottom))


def angle_of(x, y):
    cx, cy = CENTRE
    return math.degrees(math.atan2(cy - y, x - cx))  # y grows downwards on screen


def on_arc(x, y, thickness):
    cx, cy = CENTRE
    r = math.hypot(x - cx, y - cy)
    if abs(r - ARC_RADIUS) > thickness / 2:
        return None
    a = angle_of(x, y)
    if a < -90:
        a += 360
    if ARC_FROM <= a <= ARC_TO:
        return HOT if a < HOT_ZONE else WHITE
    return None


def on_segment(x, y, ax, ay, bx, by, width):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
    px, py = ax + t * vx, ay + t * vy
    return math.hypot(x - px, y - py) <= width / 2


def colour_at(x, y, size):
    """RGBA of one sample point in unit coordinates."""
    if not rounded_square(x, y):
        return None
    colour = background(y)
    arc = on_arc(x, y, max(0.085, 1.7 / size))
    if arc:
        colour = arc
    cx, cy = CENTRE
    a = math.radians(NEEDLE_ANGLE)
    tip = (cx + NEEDLE_LENGTH * math.cos(a), cy - NEEDLE_LENGTH * math.sin(a))
    if on_segment(x, y, cx, cy, tip[0], tip[1], max(0.07, 1.5 / size)):
        colour = NEEDLE
    if math.hypot(x - cx, y - cy) <= max(0.075, 1.4 / size):
        colour = WHITE
    return colour


def render(size):
    """Rows top to bottom of (r, g, b, a) tuples."""
    rows = []
    n = SAMPLES * SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    c = colour_at(x, y, size)
                    if c:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        covered += 1
            if covered:
                row.append((round(r / covered), round(g / covered), round(b / covered), round(255 * covered / n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(size, rows):
    """BITMAPINFOHEADER + bottom-up BGRA pixels + AND mask, as an icon image."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, size * size * 4, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(pixels) + bytes(mask)


def ico(images):
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "sparvane.ico")
    images = [(s, dib(s, render(s))) for s in SIZES]
    with open(target, "wb") as f:
        f.write(ico(images))
    print("wrote", os.path.normpath(target))


if __name__ == "__main__":
    main()
