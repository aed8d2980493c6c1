#!/usr/bin/env python3
"""Draws the main window's background tile.

A 64 x 64 tile of slate blue: four bevelled squares with a small raised
diamond in the middle of each, quiet enough that the teal command panel
stands out in front of it. Run it again to redraw the tile.

It writes src/app/images/background.rgb, the raw pixels (rows top to bottom,
3 bytes R G B each) that the main window wraps in a QImage without an image
decoder (which would scan the image plugins at start-up), and
src/app/images/background.png, the same picture to look at.
"""
import struct
import sys
import zlib

SIZE = 64
CELL = 32
BASE = (52, 66, 84)
LIGHT = (70, 88, 110)
DARK = (38, 48, 62)
DIAMOND = (62, 78, 98)
DIAMOND_LIGHT = (84, 104, 128)
DIAMOND_DARK = (44, 56, 72)


def pixel(x, y):
    cx, cy = x % CELL, y % CELL
    # Bevel of each square: light on top and left, dark on bottom and right.
    if cy == 0 or cx == 0:
        return LIGHT
    if cy == CELL - 1 or cx == CELL - 1:
        return DARK
    # A diamond in the middle, lit from the top left.
    dx, dy = cx - CELL // 2, cy - CELL // 2
    d = abs(dx) + abs(dy)
    if d == 7:
        return DIAMOND_LIGHT if dx + dy < 0 else DIAMOND_DARK
    if d < 7:
        return DIAMOND
    return BASE


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "src/app/images"
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open(folder + "/background.png", "wb") as f:
        f.write(png(SIZE, SIZE, rows))
    with open(folder + "/background.rgb", "wb") as f:
        f.write(bytes(c for row in rows for px in row for c in px))


if __name__ == "__main__":
    main()
