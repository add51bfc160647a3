#!/usr/bin/env python3
"""Writes the splitter bars' cursors: a double arrow across a bar, 32x32 monochrome."""
import struct


def cursor(vertical):
    w = h = 32
    black = set()
    for i in range(4, 28):
        for t in (15, 16):
            black.add((i, t))
    for j in range(10, 22):
        black.add((13, j))
        black.add((18, j))
    for k in range(5):
        for j in range(16 - k, 16 + k + 1):
            black.add((4 + k, j))
            black.add((27 - k, j))
    if vertical:
        black = {(y, x) for (x, y) in black}
    xor = bytearray()
    andm = bytearray()
    for row in range(h - 1, -1, -1):
        xb = [0] * 4
        ab = [0xFF] * 4
        for col in range(w):
            if (col, row) in black:
                ab[col // 8] &= ~(0x80 >> (col % 8)) & 0xFF
        xor += bytes(xb)
        andm += bytes(ab)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + bytes(xor) + bytes(andm)
    return struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", w, h, 0, 0, 16, 16, len(image), 22) + image


for name, vertical in (("splitx.cur", False), ("splity.cur", True)):
    with open(name, "wb") as f:
        f.write(cursor(vertical))
