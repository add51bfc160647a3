#!/usr/bin/env python3
"""Writes the table-line tool's cursors, 32x32 monochrome: black strokes with a white outline."""
import struct


def line(pts, x0, y0, x1, y1):
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
    err = dx + dy
    while True:
        pts.add((x0, y0))
        if x0 == x1 and y0 == y1:
            return
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


def circle(pts, cx, cy, r):
    for x in range(cx - r - 1, cx + r + 2):
        for y in range(cy - r - 1, cy + r + 2):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if abs(d - r) < 0.6:
                pts.add((x, y))


def cross(pts, cx, cy, n):
    line(pts, cx - n, cy, cx + n, cy)
    line(pts, cx, cy - n, cx, cy + n)


def arrow_head(pts, x, y, dx, dy, n=4):
    # A filled head pointing along (dx, dy) with its tip at (x, y).
    for k in range(n + 1):
        for j in range(-k, k + 1):
            if dx:
                pts.add((x - dx * k, y + j))
            else:
                pts.add((x + j, y - dy * k))


def pointer(pts):
    # The plain arrow, tip at (0, 0).
    for k in range(12):
        line(pts, 0, k, k * 2 // 3, k)
    line(pts, 0, 0, 0, 15)
    line(pts, 0, 15, 4, 11)
    line(pts, 4, 11, 8, 11)
    line(pts, 0, 0, 8, 11)


def shape(name):
    p = set()
    hot = (16, 16)
    if name == "over":  # select mode over a line: the arrow with a ruled line
        pointer(p)
        hot = (0, 0)
        line(p, 10, 20, 28, 20)
        line(p, 10, 21, 28, 21)
    elif name == "movev":  # a vertical line moved sideways
        line(p, 15, 6, 15, 26)
        line(p, 16, 6, 16, 26)
        line(p, 4, 16, 27, 16)
        arrow_head(p, 4, 16, -1, 0)
        arrow_head(p, 27, 16, 1, 0)
    elif name == "moveh":  # a horizontal line moved up or down
        line(p, 6, 15, 26, 15)
        line(p, 6, 16, 26, 16)
        line(p, 16, 4, 16, 27)
        arrow_head(p, 16, 4, 0, -1)
        arrow_head(p, 16, 27, 0, 1)
    elif name == "draw":  # the draw tool: a pen cross
        cross(p, 16, 16, 10)
        line(p, 22, 4, 28, 10)
        line(p, 22, 5, 27, 10)
    elif name == "drawstart":  # over a line a new one may start on
        cross(p, 16, 16, 10)
        circle(p, 16, 16, 5)
    elif name == "delete":  # the delete tool
        cross(p, 16, 16, 10)
        line(p, 22, 22, 29, 29)
        line(p, 29, 22, 22, 29)
    elif name == "deleteon":  # over a line that may be deleted
        line(p, 6, 6, 26, 26)
        line(p, 7, 6, 26, 25)
        line(p, 26, 6, 6, 26)
        line(p, 25, 6, 6, 25)
    elif name == "cut":  # scissors
        circle(p, 9, 24, 4)
        circle(p, 23, 24, 4)
        line(p, 12, 21, 24, 4)
        line(p, 20, 21, 8, 4)
        hot = (16, 12)
    elif name == "cutat":  # scissors at a crossing
        circle(p, 9, 24, 4)
        circle(p, 23, 24, 4)
        line(p, 12, 21, 24, 4)
        line(p, 20, 21, 8, 4)
        cross(p, 16, 12, 3)
        hot = (16, 12)
    elif name == "extend":  # a line stretched to the next one
        line(p, 4, 16, 22, 16)
        line(p, 4, 17, 22, 17)
        arrow_head(p, 22, 16, 1, 0)
        line(p, 27, 6, 27, 26)
        hot = (4, 16)
    return p, hot


def cursor(name):
    black, hot = shape(name)
    black = {(x, y) for (x, y) in black if 0 <= x < 32 and 0 <= y < 32}
    white = set()
    for (x, y) in black:
        for ddx in (-1, 0, 1):
            for ddy in (-1, 0, 1):
                q = (x + ddx, y + ddy)
                if q not in black and 0 <= q[0] < 32 and 0 <= q[1] < 32:
                    white.add(q)
    w = h = 32
    xor = bytearray()
    andm = bytearray()
    for row in range(h - 1, -1, -1):
        xb = [0] * 4
        ab = [0xFF] * 4
        for col in range(w):
            bit = 0x80 >> (col % 8)
            if (col, row) in black:
                ab[col // 8] &= ~bit & 0xFF
            elif (col, row) in white:
                ab[col // 8] &= ~bit & 0xFF
                xb[col // 8] |= bit
        xor += bytes(xb)
        andm += bytes(ab)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + bytes(xor) + bytes(andm)
    return struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", w, h, 0, 0, hot[0], hot[1], len(image), 22) + image


for name in ("over", "movev", "moveh", "draw", "drawstart", "delete", "deleteon", "cut", "cutat", "extend"):
    with open(name + ".cur", "wb") as f:
        f.write(cursor(name))
