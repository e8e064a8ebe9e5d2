#!/usr/bin/env python3
"""Writes BMP_PICTURES_24.bmp, _32, _48 and _64: the twelve key pictures in the order of
KeyPicture (keyboard/KeyVocabulary.h), side by side in one strip per size, black on white (white
is transparent), 16 colours. Each size is drawn from the shapes below at its own resolution, so
that no picture is a stretched smaller one. The 16 x 16 pictures are the BMP_*.bmp of their own.
The library lists the same sizes (KeyPictureStripSizes in keyboard/BuildKeyboards.cpp)."""
import math
import struct

SIZES = [24, 32, 48, 64]
DESIGN = 16.0  # the shapes are given on a 16-unit square, as the 16 x 16 pictures are drawn
BLACK, WHITE = 0, 15


def polygon(*points):
    def inside(x, y):
        hit = False
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                hit = not hit
        return hit
    return inside


def stroke(width, *points):
    def near(x, y):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            dx, dy = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
            if math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= width / 2:
                return True
        return False
    return near


def rounded(left, top, right, bottom, radius):
    def inside(x, y):
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return math.hypot(x - cx, y - cy) <= radius
    return inside


def ring(left, top, right, bottom, radius, width):
    outer = rounded(left, top, right, bottom, radius)
    inner = rounded(left + width, top + width, right - width, bottom - width, radius - width)
    return lambda x, y: outer(x, y) and not inner(x, y)


def disc(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) <= radius


# The page toggle is a switch: off (outlined, its knob left) on the alternate page's toggle,
# on (filled, its knob right) on the first page's.
TRACK = (1.0, 4.0, 15.0, 12.0, 4.0)

# Each picture: (colour, shape) layers, later ones drawn over earlier ones.
PICTURES = [
    ('backspace', [(BLACK, polygon((1, 8), (5.5, 3.5), (5.5, 6.8), (15, 6.8), (15, 9.2),
                                   (5.5, 9.2), (5.5, 12.5)))]),
    ('down', [(BLACK, polygon((6.3, 2), (9.7, 2), (9.7, 8), (14, 8), (8, 14), (2, 8),
                              (6.3, 8)))]),
    ('end', [(BLACK, stroke(1.3, (5.5, 4), (2.6, 4), (2.6, 11.5), (5.5, 11.5))),
             (BLACK, stroke(1.3, (2.6, 7.7), (5, 7.7))),
             (BLACK, stroke(1.3, (7.2, 11.5), (7.2, 7), (9.3, 7), (9.3, 11.5))),
             (BLACK, stroke(1.3, (13.4, 3.5), (13.4, 11.5), (11.2, 11.5), (11.2, 7),
                            (13.4, 7)))]),
    ('home', [(BLACK, polygon((2, 2), (10, 2), (2, 10))),
              (BLACK, stroke(2.6, (4, 4), (13, 13)))]),
    ('left', [(BLACK, polygon((2, 8), (8, 2), (8, 5.2), (13.5, 5.2), (13.5, 10.8), (8, 10.8),
                              (8, 14)))]),
    ('numlock', [(BLACK, ring(*TRACK, 1.2)), (BLACK, disc(5.2, 8, 1.9))]),
    ('numlock on', [(BLACK, rounded(*TRACK)), (WHITE, disc(10.8, 8, 1.9))]),
    ('return', [(BLACK, polygon((1, 10), (5, 6), (5, 9), (12.8, 9), (12.8, 3), (15, 3),
                                (15, 11), (5, 11), (5, 14)))]),
    ('right', [(BLACK, polygon((14, 8), (8, 2), (8, 5.2), (2.5, 5.2), (2.5, 10.8), (8, 10.8),
                               (8, 14)))]),
    ('space', [(BLACK, stroke(1.5, (2.5, 7.5), (2.5, 11.5), (13.5, 11.5), (13.5, 7.5)))]),
    ('tab', [(BLACK, stroke(1.3, (1.5, 4.5), (10, 4.5))),
             (BLACK, polygon((12.2, 4.5), (9, 1.8), (9, 7.2))),
             (BLACK, stroke(1.3, (13.8, 1.8), (13.8, 7.2))),
             (BLACK, stroke(1.3, (2.2, 8.8), (2.2, 14.2))),
             (BLACK, polygon((3.8, 11.5), (7, 8.8), (7, 14.2))),
             (BLACK, stroke(1.3, (6, 11.5), (14.5, 11.5)))]),
    ('up', [(BLACK, polygon((8, 2), (14, 8), (9.7, 8), (9.7, 14), (6.3, 14), (6.3, 8),
                            (2, 8)))]),
]


def draw(size):
    """Colour index per pixel of the strip, top row first; each pixel sampled at its centre."""
    pixels = [[WHITE] * (size * len(PICTURES)) for _ in range(size)]
    for index, (_, layers) in enumerate(PICTURES):
        for y in range(size):
            for x in range(size):
                at = ((x + 0.5) * DESIGN / size, (y + 0.5) * DESIGN / size)
                for colour, shape in layers:
                    if shape(*at):
                        pixels[y][index * size + x] = colour
    return pixels


# The 16 standard colours (R, G, B), as the other pictures have them.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def bitmap(pixels):
    width, height = len(pixels[0]), len(pixels)
    rows = b''
    for row in reversed(pixels):
        line = bytes((row[i] << 4) | row[i + 1] for i in range(0, width, 2))
        rows += line + b'\0' * ((4 - len(line) % 4) % 4)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in VGA)
    offset = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(rows), 2835, 2835, 16, 0)
    return struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset) + info + palette + rows


def main():
    for size in SIZES:
        with open('BMP_PICTURES_%d.bmp' % size, 'wb') as f:
            f.write(bitmap(draw(size)))


main()
