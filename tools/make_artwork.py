#!/usr/bin/env python3
"""Draws the program's bitmaps and icons into resources/: the 55 x 23 button
face that clickable labels lie on, the three pieces of the title strip, the
user icon and the program icon (in every size the shell asks for). Plain
Python, no imaging library: the shapes are simple enough to compute pixel by
pixel."""
import math
import os
import struct
import sys
import zlib

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
    multi_ico(path, [size], lambda x, y, _: pixel(x, y))


def dib_image(size, pixel):
    """One icon image as a DIB: 32-bit colour with alpha, then the AND mask
    (set where a pixel is fully transparent, for readers that ignore alpha)."""
    data = bytearray()
    mask = bytearray()
    stride = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(size):
            r, g, b, a = pixel(x, y)
            data += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(data) + len(mask), 0, 0, 0, 0)
    return info + data + mask


def png_image(size, pixel):
    """One icon image as PNG (RGBA), the usual form of the 256-pixel image."""
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    rows = bytearray()
    for y in range(size):
        rows.append(0)
        for x in range(size):
            rows += bytes(pixel(x, y))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(
        b"IEND", b""
    )


def multi_ico(path, sizes, pixel):
    """An icon file with one image per size; pixel(x, y, size) gives (r, g, b, a).
    Images of 256 pixels are stored as PNG, smaller ones as DIBs."""
    images = [
        png_image(size, lambda x, y, s=size: pixel(x, y, s))
        if size >= 256
        else dib_image(size, lambda x, y, s=size: pixel(x, y, s))
        for size in sizes
    ]
    header = struct.pack("<HHH", 0, 1, len(sizes))
    offset = len(header) + 16 * len(sizes)
    for size, image in zip(sizes, images):
        header += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(header + b"".join(images))


def rounded_inside(x, y, w, h, r):
    cx = min(max(x + 0.5, r), w - r)
    cy = min(max(y + 0.5, r), h - r)
    return math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r


def scaled(pixels, scale):
    """Pixels at 100 % at `scale`, rounded as the program rounds them (half away from zero)."""
    return int(pixels * scale + 0.5)


def button(x, y, w=55, h=23, scale=1.0):
    """A rounded, softly lit button a shade lighter than the page colour."""
    radius = 5 * scale
    if not rounded_inside(x, y, w, h, radius):
        return BLUE
    inner = 0 < x < w - 1 and 0 < y < h - 1 and rounded_inside(x - 1, y - 1, w - 2, h - 2, radius - 1)
    if not inner:
        return (0, 84, 138)  # rim
    return mix((92, 178, 232), (20, 112, 178), y / (h - 1))


def title_piece(x, y, w, h, left_round, right_round, scale=1.0):
    """The strip above the navigation buttons: a darker band with a light top edge."""
    edge = max(1, round(scale))
    r = 4 * scale
    if y < edge:
        return (120, 190, 230)
    if (left_round and x < r and y < r and math.hypot(r - x, r - y) > r) or (
        right_round and x >= w - r and y < r and math.hypot(x - (w - 1 - r), r - y) > r
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


def in_sync_arrows(px, py):
    """Two arrows chasing each other round a circle, in units of the icon's size
    (0 to 1, y downwards): each an arc of the ring ending in an arrowhead."""
    d = math.hypot(px - 0.5, py - 0.5)
    angle = math.degrees(math.atan2(py - 0.5, px - 0.5)) % 360
    inner, outer, head = 0.2, 0.33, 0.13
    middle = (inner + outer) / 2
    for start in (110, 290):  # the two arrows, half a turn apart
        a = (angle - start) % 360
        if a <= 140 and inner <= d <= outer:  # the shaft
            return True
        if 140 <= a <= 170:  # the head, narrowing to its point
            if abs(d - middle) <= head * (1 - (a - 140) / 30):
                return True
    return False


def program_icon(x, y, size=32):
    """A round blue badge with two white arrows chasing each other: a sync.
    Drawn in size-independent units and sampled 4 x 4 times per pixel, so every
    size has smooth edges."""
    samples = 4
    total = [0.0, 0.0, 0.0, 0.0]
    for sy in range(samples):
        for sx in range(samples):
            px = (x + (sx + 0.5) / samples) / size
            py = (y + (sy + 0.5) / samples) / size
            if math.hypot(px - 0.5, py - 0.5) > 0.5 - 0.5 / size:
                continue
            colour = (255, 255, 255) if in_sync_arrows(px, py) else mix((40, 160, 220), (0, 96, 160), py)
            for i in range(3):
                total[i] += colour[i]
            total[3] += 1
    if total[3] == 0:
        return (0, 0, 0, 0)
    r, g, b = (round(total[i] / total[3]) for i in range(3))
    return (r, g, b, round(total[3] * 255 / samples**2))


def installer_side(x, y, w=164, h=314, badge=96):
    """The installer's welcome and finish picture: the page colour deepening
    downwards, with the program icon near the top."""
    background = mix((0, 128, 192), (0, 64, 110), y / (h - 1))
    left, top = (w - badge) // 2, 40
    if left <= x < left + badge and top <= y < top + badge:
        r, g, b, a = program_icon(x - left, y - top, badge)
        return mix(background, (r, g, b), a / 255)
    return background


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources")
    # Each bitmap at 100 % and, drawn for that size rather than stretched, at 150 % ("_150").
    for suffix, scale in (("", 1.0), ("_150", 1.5)):
        def piece(name, w, h, draw):
            sw, sh = scaled(w, scale), scaled(h, scale)
            bmp(os.path.join(folder, name + suffix + ".bmp"), sw, sh, lambda x, y: draw(x, y, sw, sh))

        piece("button", 55, 23, lambda x, y, w, h: button(x, y, w, h, scale))
        piece("link", 116, 23, lambda x, y, w, h: button(x, y, w, h, scale))
        piece("title_left", 25, 24, lambda x, y, w, h: title_piece(x, y, w, h, True, False, scale))
        piece("title_center", 100, 24, lambda x, y, w, h: title_piece(x, y, w, h, False, False, scale))
        piece("title_right", 22, 24, lambda x, y, w, h: title_piece(x, y, w, h, False, True, scale))
    bmp(os.path.join(folder, "installer.bmp"), 164, 314, installer_side)
    ico(os.path.join(folder, "user.ico"), 32, lambda x, y: person(x, y, 32, (0, 96, 160)))
    # The notification area, title bar, Start menu and Explorer each pick their size.
    multi_ico(os.path.join(folder, "corvane.ico"), [16, 20, 24, 32, 48, 256], program_icon)


if __name__ == "__main__":
    main()
