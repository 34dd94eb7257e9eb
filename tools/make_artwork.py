#!/usr/bin/env python3
"""Draws the program's bitmaps and icons into resources/: the 55 x 23 button
face that clickable labels lie on, the three pieces of the title strip, the
user icon and the program icon. Plain Python, no imaging library: the shapes
are simple enough to compute pixel by pixel."""
import math
import os
import struct
import sys

BLUE = (0, 128, 192)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def bmp(path, width, height, pixel):
    """A 24-bit bottom-up BMP; pixel(x, y) gives (r, g, b) with y from the top."""
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + data)


def ico(path, size, pixel):
    """A 32-bit icon with alpha; pixel(x, y) gives (r, g, b, a)."""
    data = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b, a = pixel(x, y)
            data += bytes((b, g, r, a))
    mask = b"\0" * (((size + 31) // 32) * 4 * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(data) + len(mask), 0, 0, 0, 0)
    image = info + data + mask
    header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22)
    with open(path, "wb") as out:
        out.write(header + image)


def rounded_inside(x, y, w, h, r):
    cx = min(max(x + 0.5, r), w - r)
    cy = min(max(y + 0.5, r), h - r)
    return math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r


def button(x, y, w=55, h=23):
    """A rounded, softly lit button a shade lighter than the page colour."""
    if not rounded_inside(x, y, w, h, 5):
        return BLUE
    inner = 0 < x < w - 1 and 0 < y < h - 1 and rounded_inside(x - 1, y - 1, w - 2, h - 2, 4)
    if not inner:
        return (0, 84, 138)  # rim
    return mix((92, 178, 232), (20, 112, 178), y / (h - 1))


def title_piece(x, y, w, h, left_round, right_round):
    """The strip above the navigation buttons: a darker band with a light top edge."""
    if y == 0:
        return (120, 190, 230)
    if (left_round and x < 4 and y < 4 and math.hypot(4 - x, 4 - y) > 4) or (
        right_round and x >= w - 4 and y < 4 and math.hypot(x - (w - 5), 4 - y) > 4
    ):
        return BLUE
    return mix((16, 96, 150), (0, 70, 120), y / (h - 1))


def person(x, y, size, colour):
    """A head and shoulders, centred, with soft edges."""
    s = size / 32
    px, py = x + 0.5, y + 0.5
    head = math.hypot(px - 16 * s, py - 11 * s) - 6.5 * s
    # The shoulders: the upper half of an ellipse standing on the bottom edge.
    shoulders = math.hypot((px - 16 * s) / 1.3, py - 31 * s) - 12 * s if py > 18 * s else math.inf
    alpha = max(0.0, min(1.0, 0.5 - min(head, shoulders)))
    return colour + (round(alpha * 255),)


def program_icon(x, y, size=32):
    """A round blue badge with two arrows chasing each other: a sync."""
    c = size / 2
    d = math.hypot(x + 0.5 - c, y + 0.5 - c)
    alpha = max(0.0, min(1.0, c - 0.5 - d))
    if alpha == 0:
        return (0, 0, 0, 0)
    angle = math.degrees(math.atan2(y + 0.5 - c, x + 0.5 - c)) % 360
    on_ring = 6.5 <= d <= 10.5 and not (80 <= angle <= 110 or 260 <= angle <= 290)
    colour = (255, 255, 255) if on_ring else mix((40, 160, 220), (0, 96, 160), (y + 0.5) / size)
    return colour + (round(alpha * 255),)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources")
    bmp(os.path.join(folder, "button.bmp"), 55, 23, lambda x, y: button(x, y))
    bmp(os.path.join(folder, "link.bmp"), 116, 23, lambda x, y: button(x, y, 116, 23))
    bmp(os.path.join(folder, "title_left.bmp"), 25, 24, lambda x, y: title_piece(x, y, 25, 24, True, False))
    bmp(os.path.join(folder, "title_center.bmp"), 100, 24, lambda x, y: title_piece(x, y, 100, 24, False, False))
    bmp(os.path.join(folder, "title_right.bmp"), 22, 24, lambda x, y: title_piece(x, y, 22, 24, False, True))
    ico(os.path.join(folder, "user.ico"), 32, lambda x, y: person(x, y, 32, (0, 96, 160)))
    ico(os.path.join(folder, "corvane.ico"), 32, program_icon)


if __name__ == "__main__":
    main()
