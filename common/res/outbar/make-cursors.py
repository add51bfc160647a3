#!/usr/bin/env python3
"""Writes the outlook bar's cursors: an arrow with a mark, 32x32 monochrome, hot spot at the tip."""
import struct


def arrow():
    inside = set()
    for y in range(0, 17):
        for x in range(0, y * 2 // 3 + 1):
            inside.add((x, y))
    for y in range(11, 21):
        for x in range(3 + (y - 11) // 3, 6 + (y - 11) // 3):
            inside.add((x, y))
    return inside


def box(x0, y0, x1, y1):
    cells = set()
    for x in range(x0, x1 + 1):
        for y in range(y0, y1 + 1):
            cells.add((x, y))
    return cells


def cursor(mark):
    shape = arrow() | mark
    w = h = 32
    black = set()
    white = set()
    for (x, y) in shape:
        edge = any((x + dx, y + dy) not in shape for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        (black if edge else white).add((x, y))
    xor = bytearray()
    andm = bytearray()
    for row in range(h - 1, -1, -1):
        xb = [0] * 4
        ab = [0xFF] * 4
        for col in range(w):
            bit = 0x80 >> (col % 8)
            if (col, row) in black or (col, row) in white:
                ab[col // 8] &= ~bit & 0xFF
            if (col, row) in white:
                xb[col // 8] |= bit
        xor += bytes(xb)
        andm += bytes(ab)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + bytes(xor) + bytes(andm)
    return struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", w, h, 0, 0, 0, 0, len(image), 22) + image


marks = {
    # A folder button under the arrow.
    "folder.cur": box(12, 20, 27, 26),
    # An item icon carried along.
    "drag.cur": box(14, 16, 25, 27),
    # A small square beside the tip.
    "item.cur": box(12, 4, 17, 9),
}
for name, mark in marks.items():
    with open(name, "wb") as f:
        f.write(cursor(mark))
