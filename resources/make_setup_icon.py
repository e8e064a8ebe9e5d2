#!/usr/bin/env python3
"""Writes PlinkerpadSetup.ico: a keypad on a blue tile, as 32x32 and 16x16 with 16 colours and
32x32 with 256 colours (the order of the icon's images)."""
import struct

# The 16 standard colours (R, G, B); the design uses black, navy, grey, silver and white.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
NAVY, GREY, SILVER, WHITE, BLUE = 4, 8, 7, 15, 12


def design(size):
    """Colour index per pixel, top row first, and the transparency mask (1 = transparent)."""
    pixels = [[0] * size for _ in range(size)]
    mask = [[1] * size for _ in range(size)]
    edge = size // 16
    for y in range(edge, size - edge):
        for x in range(edge, size - edge):
            mask[y][x] = 0
            pixels[y][x] = NAVY if x < size // 2 + y // 4 else BLUE
    # Three columns and four rows of keys; each key is silver with a white top-left edge.
    inner = size - 4 * edge
    key = inner // 4
    for row in range(4):
        for col in range(3):
            left = 2 * edge + col * (inner // 3) + (inner // 3 - key) // 2
            top = 2 * edge + row * key
            for y in range(top + 1, top + key):
                for x in range(left + 1, left + key):
                    light = y == top + 1 or x == left + 1
                    pixels[y][x] = WHITE if light else (SILVER if size > 16 else WHITE)
            if size > 16:
                for x in range(left + 1, left + key):
                    pixels[top + key - 1][x] = GREY
    return pixels, mask


def image(size, bits):
    pixels, mask = design(size)
    colours = 1 << bits
    palette = VGA + [(0, 0, 0)] * (colours - 16)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    xor = b''
    for row in reversed(pixels):
        if bits == 4:
            line = bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2))
        else:
            line = bytes(row)
        xor += line + b'\0' * ((4 - len(line) % 4) % 4)
    andm = b''
    for row in reversed(mask):
        bits_row = 0
        for x, v in enumerate(row):
            bits_row |= v << (size - 1 - x)
        line = bits_row.to_bytes(size // 8, 'big')
        andm += line + b'\0' * ((4 - len(line) % 4) % 4)
    return header + pal + xor + andm, colours


def main():
    images = [image(32, 4), image(16, 4), image(32, 8)]
    sizes = [32, 16, 32]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (data, colours), size, bits in zip(images, sizes, [4, 4, 8]):
        out += struct.pack('<BBBBHHII', size, size, colours % 256, 0, 1, bits, len(data), offset)
        offset += len(data)
    out += b''.join(data for data, _ in images)
    with open('PlinkerpadSetup.ico', 'wb') as f:
        f.write(out)


main()
