#!/usr/bin/env python3
"""Draws the page numbering dialog's button bitmaps and card icon (run from this folder)."""
import struct

GREY = (192, 192, 192)  # the buttons' transparent colour


def write_bmp(path, pixels):
    h, w = len(pixels), len(pixels[0])
    stride = (w * 3 + 3) & ~3
    rows = b""
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        rows += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    open(path, "wb").write(header + info + rows)


def write_ico(path, pixels):
    # One 32-bit image with its AND mask; alpha 0 where the pixel is None.
    h, w = len(pixels), len(pixels[0])
    xor = b""
    mask = b""
    for row in reversed(pixels):
        xor += b"".join(bytes((0, 0, 0, 0)) if p is None else bytes((p[2], p[1], p[0], 255)) for p in row)
        bits = 0
        line = b""
        for x, p in enumerate(row):
            bits = (bits << 1) | (1 if p is None else 0)
            if x % 8 == 7:
                line += bytes((bits,))
                bits = 0
        mask += line + b"\0" * ((4 - len(line) % 4) % 4)
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    head = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", w, h, 0, 0, 1, 32, len(image), 22)
    open(path, "wb").write(head + image)


def canvas(w, h, fill):
    return [[fill] * w for _ in range(h)]


def rect(px, x0, y0, x1, y1, c):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            px[y][x] = c


# Add: a green plus with a dark edge.
add = canvas(16, 16, GREY)
rect(add, 6, 2, 9, 13, (0, 96, 0))
rect(add, 2, 6, 13, 9, (0, 96, 0))
rect(add, 7, 3, 8, 12, (40, 180, 40))
rect(add, 3, 7, 12, 8, (40, 180, 40))
write_bmp("add.bmp", add)

# Delete: a red cross.
delete = canvas(16, 16, GREY)
for i in range(3, 13):
    for d in (-1, 0, 1):
        for x, y in ((i + d, i), (15 - i + d, i)):
            if 0 <= x < 16:
                delete[y][x] = (128, 0, 0) if d else (220, 30, 30)
write_bmp("delete.bmp", delete)

# Card: a ruled sheet with a folded corner.
ico = canvas(32, 32, None)
rect(ico, 5, 2, 26, 29, (64, 64, 64))
rect(ico, 6, 3, 25, 28, (255, 255, 255))
for y in (8, 12, 16, 20, 24):
    rect(ico, 8, y, 23, y, (70, 110, 200))
rect(ico, 12, 8, 12, 24, (70, 110, 200))
for i in range(6):
    for x in range(26 - 6 + i, 27):
        ico[2 + i][x] = None
    ico[2 + i][26 - 6 + i] = (64, 64, 64)
    rect(ico, 20, 2 + i, 20 + i - 1, 2 + i, (210, 210, 210)) if i else None
rect(ico, 20, 8, 26, 8, (64, 64, 64))
rect(ico, 20, 2, 20, 8, (64, 64, 64))
write_ico("card.ico", ico)
