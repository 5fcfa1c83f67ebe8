#!/usr/bin/env python3
"""Draws brivon-sub's icon, a grey document sheet with a white star, and writes it as an .ico.

    draw_icon.py <output.ico>

The icon holds, in this order: a 256x256 PNG and 48, 32 and 16 pixel bitmaps at 8 bits per
pixel (a grey palette), then a 256x256 PNG and 64, 48, 32 and 16 pixel bitmaps at 32 bits per
pixel (with alpha). Only the standard library is used, and the output depends on nothing but this
file, so every build writes the same bytes.
"""

import math
import struct
import sys
import zlib

# Picture geometry, in units of the icon's side.
SHEET_LEFT, SHEET_TOP, SHEET_RIGHT, SHEET_BOTTOM = 0.16, 0.05, 0.84, 0.95
FOLD = 0.22
STAR_CENTRE = (0.5, 0.6)
STAR_OUTER, STAR_INNER = 0.25, 0.105

OUTLINE = 96
SHEET = 176
FOLD_FACE = 216
STAR = 255

SAMPLES = 4  # per pixel and axis


def star_polygon():
    cx, cy = STAR_CENTRE
    points = []
    for i in range(10):
        radius = STAR_OUTER if i % 2 == 0 else STAR_INNER
        angle = -math.pi / 2 + i * math.pi / 5
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def shapes(size):
    """Polygons from top to bottom of the drawing order, each with its grey level."""
    # At small sizes a line narrower than a pixel would vanish.
    line = max(1.0 / size, 0.035)
    left, top, right, bottom = SHEET_LEFT, SHEET_TOP, SHEET_RIGHT, SHEET_BOTTOM
    diagonal_inset = line * (math.sqrt(2) - 1)
    outer = [(left, top), (right - FOLD, top), (right, top + FOLD), (right, bottom), (left, bottom)]
    inner = [(left + line, top + line), (right - FOLD - diagonal_inset, top + line),
             (right - line, top + FOLD + diagonal_inset), (right - line, bottom - line),
             (left + line, bottom - line)]
    fold_edge = [(right - FOLD - line / 2, top), (right - FOLD - line / 2, top + FOLD + line / 2),
                 (right, top + FOLD + line / 2)]
    fold_face = [(right - FOLD + line / 2, top + line * 2.5), (right - FOLD + line / 2, top + FOLD - line / 2),
                 (right - line * 2.5, top + FOLD - line / 2)]
    return [(star_polygon(), STAR), (fold_face, FOLD_FACE), (fold_edge, OUTLINE), (inner, SHEET),
            (outer, OUTLINE)], outer


def crossings(polygon, y):
    """The x positions where the horizontal line at y crosses the polygon's edges, sorted."""
    xs = []
    count = len(polygon)
    for i in range(count):
        (x0, y0), (x1, y1) = polygon[i], polygon[(i + 1) % count]
        if (y0 <= y < y1) or (y1 <= y < y0):
            xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
    xs.sort()
    return xs


def inside(xs, x):
    return sum(1 for c in xs if c <= x) % 2 == 1


def render(size):
    """Rows of (grey, alpha) pixels, both 0..255, top row first."""
    layers, outline = shapes(size)
    step = 1.0 / (size * SAMPLES)
    grey_sum = [[0] * size for _ in range(size)]
    hits = [[0] * size for _ in range(size)]
    for sy in range(size * SAMPLES):
        y = (sy + 0.5) * step
        row_outline = crossings(outline, y)
        row_layers = [(crossings(polygon, y), grey) for polygon, grey in layers]
        py = sy // SAMPLES
        for sx in range(size * SAMPLES):
            x = (sx + 0.5) * step
            if not inside(row_outline, x):
                continue
            for xs, grey in row_layers:
                if inside(xs, x):
                    px = sx // SAMPLES
                    grey_sum[py][px] += grey
                    hits[py][px] += 1
                    break
    per_pixel = SAMPLES * SAMPLES
    image = []
    for py in range(size):
        row = []
        for px in range(size):
            n = hits[py][px]
            grey = (grey_sum[py][px] + n // 2) // n if n else 0
            row.append((grey, (n * 255 + per_pixel // 2) // per_pixel))
        image.append(row)
    return image


def opaque(alpha):
    return alpha >= 128


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png(image, depth):
    size = len(image)
    if depth == 8:
        # A grey palette; index 0 is the one transparent entry (nothing in the picture is black).
        header = struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)
        rows = b"".join(b"\0" + bytes(g if opaque(a) else 0 for g, a in row) for row in image)
        extra = png_chunk(b"PLTE", b"".join(bytes((i, i, i)) for i in range(256))) + png_chunk(b"tRNS", b"\0")
    else:
        header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
        rows = b"".join(b"\0" + b"".join(bytes((g, g, g, a)) for g, a in row) for row in image)
        extra = b""
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + extra +
            png_chunk(b"IDAT", zlib.compress(rows, 9)) + png_chunk(b"IEND", b""))


def and_mask(image):
    """The 1-bit transparency mask of an icon bitmap, bottom row first, rows padded to 32 bits."""
    size = len(image)
    row_bytes = ((size + 31) // 32) * 4
    out = b""
    for row in reversed(image):
        bits = bytearray(row_bytes)
        for x, (_, alpha) in enumerate(row):
            if not opaque(alpha):
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def bitmap(image, depth):
    size = len(image)
    mask = and_mask(image)
    if depth == 8:
        palette = b"".join(bytes((i, i, i, 0)) for i in range(256))
        pad = (-size) % 4
        pixels = b"".join(bytes(g if opaque(a) else 0 for g, a in row) + b"\0" * pad for row in reversed(image))
        colours_used = 256
    else:
        palette = b""
        pixels = b"".join(b"".join(bytes((g, g, g, a)) for g, a in row) for row in reversed(image))
        colours_used = 0
    # Height counts the colour bitmap and the mask together, as icon bitmaps do.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, depth, 0, len(pixels) + len(mask), 0, 0,
                         colours_used, 0)
    return header + palette + pixels + mask


ENTRIES = [(256, 8, True), (48, 8, False), (32, 8, False), (16, 8, False),
           (256, 32, True), (64, 32, False), (48, 32, False), (32, 32, False), (16, 32, False)]


def icon():
    pictures = {}
    images = []
    for size, depth, as_png in ENTRIES:
        if size not in pictures:
            pictures[size] = render(size)
        image = pictures[size]
        images.append((size, depth, png(image, depth) if as_png else bitmap(image, depth)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, depth, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, depth, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: draw_icon.py <output.ico>")
    with open(sys.argv[1], "wb") as out:
        out.write(icon())


if __name__ == "__main__":
    main()
