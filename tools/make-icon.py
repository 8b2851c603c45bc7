#!/usr/bin/env python3
"""Draws the programs' icons and writes them as .ico files: 32 x 32 pixels, in 16 colours
(4 bits a pixel, the standard VGA palette) and, where asked, also in 256 colours.
Usage: make-icon.py vanetick OUT.ico [--256]"""
import math
import struct
import sys

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, GREY, YELLOW, WHITE, TEAL = 0, 4, 8, 11, 15, 6


def vanetick_pixels():
    """A clock face with a weather vane's arrow for the hands; None is transparent."""
    pixels = [[None] * 32 for _ in range(32)]
    cx = cy = 15.5
    for y in range(32):
        for x in range(32):
            d = math.hypot(x - cx, y - cy)
            if d <= 15.5:
                pixels[y][x] = NAVY if d > 13.5 else WHITE
    for hour in range(12):
        a = hour * math.pi / 6
        for r in (11.0, 12.0):
            pixels[int(cy - r * math.cos(a))][int(cx + r * math.sin(a))] = BLACK
    def line(x0, y0, x1, y1, colour):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            pixels[int(round(y0 + (y1 - y0) * t))][int(round(x0 + (x1 - x0) * t))] = colour
    line(15, 16, 15, 6, BLACK)
    line(16, 16, 16, 6, BLACK)
    line(15, 16, 23, 20, TEAL)
    line(16, 15, 23, 19, TEAL)
    for dx in range(-3, 4):
        line(15.5 + dx, 9 - (3 - abs(dx)), 15.5, 5, YELLOW)
    return pixels


def dib(pixels, bits, palette):
    size = 32
    colours = 1 << bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    table += b"\0\0\0\0" * (colours - len(palette))
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):
        row = [pixels[y][x] if pixels[y][x] is not None else 0 for x in range(size)]
        if bits == 4:
            xor_rows.append(bytes((row[x] << 4) | row[x + 1] for x in range(0, size, 2)))
        else:
            xor_rows.append(bytes(row))
        mask = 0
        for x in range(size):
            mask = (mask << 1) | (1 if pixels[y][x] is None else 0)
        and_rows.append(struct.pack(">I", mask))
    return header + table + b"".join(xor_rows) + b"".join(and_rows)


def write_ico(path, images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for bits, data in images:
        colour_count = 16 if bits == 4 else 0
        entries += struct.pack("<BBBBHHII", 32, 32, colour_count, 0, 1, bits, len(data), offset)
        blobs += data
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + entries + blobs)


def main():
    name, path = sys.argv[1], sys.argv[2]
    pixels = {"vanetick": vanetick_pixels}[name]()
    images = [(4, dib(pixels, 4, VGA))]
    if "--256" in sys.argv:
        images.append((8, dib(pixels, 8, VGA)))
    write_ico(path, images)


if __name__ == "__main__":
    main()
