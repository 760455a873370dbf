#!/usr/bin/env python3
"""Draws the two check-box bitmaps of the table editor's "Data Read-Only" menu item.

Both are 13 x 13, 24 bit: a grey frame around a white box on a light grey
background (the bottom-left pixel, which the menu takes as transparent).
CHECKEDBOX adds a dark check mark.

Usage: make_checkbox_bitmaps.py [OUTPUT_DIR]   (default: ../resources)
Only the Python standard library is used.
"""

import os
import struct
import sys

SIZE = 13
BACK = (0xC0, 0xC0, 0xC0)
FRAME = (0x80, 0x80, 0x80)
BOX = (0xFF, 0xFF, 0xFF)
MARK = (0x20, 0x20, 0x20)
# The check mark: a short stroke down to the right, then a long one up.
CHECK = [(3, 6), (4, 7), (5, 8), (6, 7), (7, 6), (8, 5), (9, 4)]


def box(checked):
    img = [[BACK] * SIZE for _ in range(SIZE)]
    for y in range(1, SIZE - 1):
        for x in range(1, SIZE - 1):
            edge = x in (1, SIZE - 2) or y in (1, SIZE - 2)
            img[y][x] = FRAME if edge else BOX
    if checked:
        for x, y in CHECK:
            for dy in (0, 1):
                img[y + dy][x] = MARK
    return img


def bmp_bytes(img):
    """A bottom-up 24-bit BMP with a BITMAPINFOHEADER."""
    height, width = len(img), len(img[0])
    row_size = ((width * 24 + 31) // 32) * 4
    rows = []
    for row in reversed(img):
        data = bytearray()
        for r, g, b in row:
            data += bytes((b, g, r))
        data += bytes(row_size - len(data))
        rows.append(bytes(data))
    pixels = b"".join(rows)
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    os.makedirs(out, exist_ok=True)
    for name, checked in (("EMPTYBOX", False), ("CHECKEDBOX", True)):
        path = os.path.join(out, name + ".bmp")
        with open(path, "wb") as f:
            f.write(bmp_bytes(box(checked)))
        print(os.path.normpath(path))


if __name__ == "__main__":
    main()
