#!/usr/bin/env python3
"""Draws the six segment bitmaps of the seven-segment display.

Every bitmap is a black shape on white. The display colours a shape by flood
filling it from its seed point, so each shape is one connected area around its
seed (two for the colon). The shapes lean to the right like the digits they
make up: x moves by SLANT pixels per pixel of height.

    SEGVERT   68 x 190, 1 bit   vertical segment, seed at the centre
    SEGHORZ  200 x  38, 1 bit   horizontal segment, seed at the centre
    SEGDOT    38 x  38, 1 bit   decimal point, seed at the centre
    SEGPLUS  200 x 190, 24 bit  plus sign, seed at the centre
    SEGDEG   160 x 138, 24 bit  degree ring, seed (25, 69) on its left side
    SEGCOLON  68 x 190, 24 bit  colon, seeds (18, 172) and (50, 18)

Usage: make_segment_bitmaps.py [OUTPUT_DIR]   (default: ../resources)
Only the Python standard library is used.
"""

import math
import os
import struct
import sys

# The glyph leans 37 pixels over the 197 pixels between its rows of segments.
SLANT = 37 / 197
# Half the thickness of a segment stroke.
HALF = 16


def blank(width, height):
    return [[False] * width for _ in range(height)]


def fill_polygon(img, points):
    """Sets every pixel whose centre lies inside the polygon (even-odd rule)."""
    height, width = len(img), len(img[0])
    n = len(points)
    for py in range(height):
        y = py + 0.5
        xs = []
        for i in range(n):
            (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
            if (y1 <= y < y2) or (y2 <= y < y1):
                xs.append(x1 + (y - y1) * (x2 - x1) / (y2 - y1))
        xs.sort()
        for a, b in zip(xs[0::2], xs[1::2]):
            for px in range(max(0, math.ceil(a - 0.5)), min(width, math.floor(b - 0.5) + 1)):
                img[py][px] = True


def lean(points, base_y):
    """Leans upright points to the right, keeping row base_y in place."""
    return [(x + SLANT * (base_y - y), y) for x, y in points]


def fill_disc(img, cx, cy, r_outer, r_inner=0.0):
    for py, row in enumerate(img):
        for px in range(len(row)):
            d = math.hypot(px + 0.5 - cx, py + 0.5 - cy)
            if r_inner <= d <= r_outer:
                row[px] = True


def vertical_segment():
    img = blank(68, 190)
    c = 16  # centre of the stroke in the bottom row
    fill_polygon(img, lean([(c, 1), (c + HALF, 1 + HALF), (c + HALF, 189 - HALF), (c, 189),
                            (c - HALF, 189 - HALF), (c - HALF, 1 + HALF)], 190))
    return img


def horizontal_segment():
    img = blank(200, 38)
    left, right, mid = 0, 191, 19
    fill_polygon(img, lean([(left, mid), (left + HALF, mid - HALF), (right - HALF, mid - HALF), (right, mid),
                            (right - HALF, mid + HALF), (left + HALF, mid + HALF)], 38))
    return img


def dot():
    img = blank(38, 38)
    fill_disc(img, 19, 19, 16)
    return img


def plus():
    img = blank(200, 190)
    cx, cy, arm = 100, 95, 75
    fill_polygon(img, [(cx - arm, cy - HALF), (cx + arm, cy - HALF), (cx + arm, cy + HALF), (cx - arm, cy + HALF)])
    fill_polygon(img, lean([(cx - HALF, cy - arm), (cx + HALF, cy - arm), (cx + HALF, cy + arm),
                            (cx - HALF, cy + arm)], cy))
    return img


def degree():
    img = blank(160, 138)
    cx, cy = 80, 69
    fill_disc(img, cx, cy, 60, 32)
    # A hairline slit at the lower right joins the hole to the outside, so the
    # display's background fill reaches it; scaled down it does not show.
    dx, dy = math.cos(math.radians(45)), math.sin(math.radians(45))
    for py, row in enumerate(img):
        for px in range(len(row)):
            x, y = px + 0.5 - cx, py + 0.5 - cy
            if x * dx + y * dy > 0 and abs(x * dy - y * dx) < 1.5:
                row[px] = False
    return img


def colon():
    img = blank(68, 190)
    fill_disc(img, 18, 172, 16)
    fill_disc(img, 50, 18, 16)
    return img


def bmp_bytes(img, bits):
    """A bottom-up BMP with a BITMAPINFOHEADER: 1 bit (palette black, white) or 24 bit."""
    height, width = len(img), len(img[0])
    row_size = ((width * bits + 31) // 32) * 4
    palette = b"\x00\x00\x00\x00\xff\xff\xff\x00" if bits == 1 else b""
    rows = []
    for row in reversed(img):
        if bits == 1:
            data = bytearray(row_size)
            for x, black in enumerate(row):
                if not black:
                    data[x // 8] |= 0x80 >> (x % 8)
        else:
            data = bytearray()
            for black in row:
                data += b"\x00\x00\x00" if black else b"\xff\xff\xff"
            data += bytes(row_size - len(data))
        rows.append(bytes(data))
    pixels = b"".join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       2 if bits == 1 else 0, 0)
    return header + info + palette + pixels


BITMAPS = [
    ("SEGVERT", vertical_segment, 1),
    ("SEGHORZ", horizontal_segment, 1),
    ("SEGDOT", dot, 1),
    ("SEGPLUS", plus, 24),
    ("SEGDEG", degree, 24),
    ("SEGCOLON", colon, 24),
]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    os.makedirs(out, exist_ok=True)
    for name, draw, bits in BITMAPS:
        path = os.path.join(out, name + ".bmp")
        with open(path, "wb") as f:
            f.write(bmp_bytes(draw(), bits))
        print(os.path.normpath(path))


if __name__ == "__main__":
    main()
