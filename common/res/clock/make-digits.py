#!/usr/bin/env python3
"""Writes the digital clock's cell bitmaps: seven-segment digits 0-9, the separator and the blank
cell, red on black (the clock recolours pure red), as 8-bit BMP files beside this script."""
import os
import struct

W, H = 24, 40
RED, BLACK = (255, 0, 0), (0, 0, 0)
# Segments a..g as rectangles (x0, y0, x1, y1), the usual seven-segment order.
SEG = {
    'a': (7, 3, 17, 7), 'b': (17, 6, 21, 19), 'c': (17, 21, 21, 34),
    'd': (7, 33, 17, 37), 'e': (3, 21, 7, 34), 'f': (3, 6, 7, 19), 'g': (7, 18, 17, 22),
}
DIGITS = ['abcdef', 'bc', 'abged', 'abgcd', 'fgbc', 'afgcd', 'afgedc', 'abc', 'abcdefg', 'abcdfg']


def write_bmp(path, pixels):
    # 8 bits with a colour table: CreateMappedBitmap recolours through the table only.
    palette = [BLACK, RED] + [BLACK] * 254
    row = (W + 3) & ~3
    data = bytearray()
    for y in range(H - 1, -1, -1):  # bottom-up rows
        line = bytes(palette.index(pixels[y][x]) for x in range(W))
        data += line + bytes(row - len(line))
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, 8, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + table + data)


def cell(rects):
    pixels = [[BLACK] * W for _ in range(H)]
    for x0, y0, x1, y1 in rects:
        for y in range(y0, y1):
            for x in range(x0, x1):
                pixels[y][x] = RED
    return pixels


here = os.path.dirname(os.path.abspath(__file__))
for n, segs in enumerate(DIGITS):
    write_bmp(os.path.join(here, 'digit%d.bmp' % n), cell([SEG[s] for s in segs]))
write_bmp(os.path.join(here, 'separator.bmp'), cell([(10, 11, 14, 15), (10, 25, 14, 29)]))
write_bmp(os.path.join(here, 'blank.bmp'), cell([]))
