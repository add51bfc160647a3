#!/usr/bin/env python3
"""Writes the cell tool's cursors: an arrow with a badge naming the tool, 32x32 monochrome."""
import struct

ARROW = [
    "X",
    "XX",
    "X.X",
    "X..X",
    "X...X",
    "X....X",
    "X.....X",
    "X......X",
    "X.......X",
    "X........X",
    "X.....XXXXX",
    "X..X..X",
    "X.X X..X",
    "XX  X..X",
    "X    X..X",
    "     X..X",
    "      XX",
]

BADGES = {
    # A "T" for a static text.
    "static": [
        "XXXXXXXXX",
        "XXXXXXXXX",
        "   XXX",
        "   XXX",
        "   XXX",
        "   XXX",
        "   XXX",
        "   XXX",
        "   XXX",
    ],
    # A "V" for a card variable.
    "variable": [
        "XX     XX",
        "XX     XX",
        " XX   XX",
        " XX   XX",
        "  XX XX",
        "  XX XX",
        "   XXX",
        "   XXX",
        "    X",
    ],
    # A framed hill for a graphic variable.
    "image": [
        "XXXXXXXXXXX",
        "X.........X",
        "X.......X.X",
        "X.........X",
        "X...X.....X",
        "X..XXX..X.X",
        "X.XXXXXXXXX",
        "XXXXXXXXXXX",
    ],
    # A cross for the remaining cell cursor.
    "other": [
        "   XXX",
        "   XXX",
        "   XXX",
        "XXXXXXXXX",
        "XXXXXXXXX",
        "XXXXXXXXX",
        "   XXX",
        "   XXX",
        "   XXX",
    ],
}


def cursor(badge):
    w = h = 32
    # (col, row) -> 'X' black or '.' white; anything else transparent.
    pixels = {}
    for row, line in enumerate(ARROW):
        for col, ch in enumerate(line):
            if ch in "X.":
                pixels[(col, row)] = ch
    for row, line in enumerate(BADGES[badge]):
        for col, ch in enumerate(line):
            if ch in "X.":
                pixels[(14 + col, 17 + row)] = ch
    xor = bytearray()
    andm = bytearray()
    for row in range(h - 1, -1, -1):
        xb = [0] * 4
        ab = [0xFF] * 4
        for col in range(w):
            ch = pixels.get((col, row))
            bit = 0x80 >> (col % 8)
            if ch == "X":
                ab[col // 8] &= ~bit & 0xFF
            elif ch == ".":
                ab[col // 8] &= ~bit & 0xFF
                xb[col // 8] |= bit
        xor += bytes(xb)
        andm += bytes(ab)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + bytes(xor) + bytes(andm)
    return struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", w, h, 0, 0, 0, 0, len(image), 22) + image


for name in BADGES:
    with open(name + ".cur", "wb") as f:
        f.write(cursor(name))
