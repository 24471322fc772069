#!/usr/bin/env python3
"""Reads an X window dump (xwd, 24 or 32 bits a pixel) and answers questions about its pixels.

pixels.py FILE red                 prints the centre of the pure red pixels, "X Y", or nothing
pixels.py FILE at X Y              prints the pixel's colour, "R G B"
pixels.py FILE box R G B [X Y]     prints the smallest rectangle, "X Y W H", that holds every pixel
                                   of another colour than R G B (every other pixel looked at), or
                                   nothing; pixels right of X and below Y left out
pixels.py FILE contrast X Y W H    prints the highest contrast (WCAG 2) of any pixel in the
                                   rectangle against the rectangle's commonest colour
"""
import collections
import struct
import sys


def read_xwd(path):
    with open(path, "rb") as f:
        data = f.read()
    header = struct.unpack(">25I", data[:100])
    header_size, width, height = header[0], header[4], header[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = header[7], header[11], header[12], header[19]
    masks = header[14:17]
    start = header_size + ncolors * 12
    step = bits_per_pixel // 8
    fmt = "<I" if byte_order == 0 else ">I"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    shifts = [shift(m) for m in masks]

    def pixel(x, y):
        at = start + y * bytes_per_line + x * step
        raw = data[at:at + step] + b"\0" * (4 - step)
        value = struct.unpack(fmt, raw)[0]
        return tuple((value & m) >> s for m, s in zip(masks, shifts))

    return width, height, pixel


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def main():
    width, height, pixel = read_xwd(sys.argv[1])
    if sys.argv[2] == "red":
        xs, ys = [], []
        for y in range(height):
            for x in range(width):
                if pixel(x, y) == (255, 0, 0):
                    xs.append(x)
                    ys.append(y)
        if xs:
            print((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2)
    elif sys.argv[2] == "at":
        print(*pixel(int(sys.argv[3]), int(sys.argv[4])))
    elif sys.argv[2] == "box":
        other = tuple(int(v) for v in sys.argv[3:6])
        right, below = (int(v) for v in sys.argv[6:8]) if len(sys.argv) > 6 else (width, height)
        xs, ys = [], []
        for y in range(0, height, 2):
            for x in range(0, width, 2):
                if pixel(x, y) != other and not (x >= right and y >= below):
                    xs.append(x)
                    ys.append(y)
        if xs:
            print(min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)
    elif sys.argv[2] == "contrast":
        x0, y0, w, h = (int(v) for v in sys.argv[3:7])
        colours = [pixel(x, y) for y in range(y0, min(y0 + h, height))
                   for x in range(x0, min(x0 + w, width))]
        common = collections.Counter(colours).most_common(1)[0][0]
        print(f"{max(contrast(common, c) for c in colours):.2f}")


main()
