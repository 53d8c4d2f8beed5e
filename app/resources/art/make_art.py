#!/usr/bin/env python3
"""Draws the configuration window's background picture and the application icon.

Only the standard library: pixels are computed here and written as RGBA PNG files with zlib.
Run from anywhere; the pictures are written next to this script:
    python3 app/resources/art/make_art.py
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

BACKGROUND_SIZE = (1366, 660)
ICON_SIZE = (32, 32)

# Panels under the window's four groups and the write button, in picture pixels (x, y, width, height).
PANELS = [
    (22, 24, 598, 122),
    (22, 160, 598, 216),
    (658, 24, 560, 352),
    (22, 406, 596, 178),
]


def write_png(path, width, height, pixel):
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # no filter
        for x in range(width):
            rows.extend(pixel(x, y))
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        out.write(chunk(b"IEND", b""))


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def over(base, colour, alpha):
    return mix(base, colour, alpha)


def rounded_box_coverage(x, y, box, radius):
    """1 inside a rounded rectangle, 0 outside, a one-pixel soft edge between."""
    bx, by, bw, bh = box
    cx = min(max(x, bx + radius), bx + bw - radius)
    cy = min(max(y, by + radius), by + bh - radius)
    distance = math.hypot(x - cx, y - cy)
    return max(0.0, min(1.0, radius - distance + 0.5))


def in_thermometer(x, y, left, top, scale):
    """The outline of a thermometer: a tube with a bulb, scale pixels wide."""
    tube = abs(x - left) <= scale * 0.22 and top <= y <= top + scale * 2.6
    cap = math.hypot(x - left, y - top) <= scale * 0.22
    bulb = math.hypot(x - left, y - (top + scale * 2.9)) <= scale * 0.45
    return tube or cap or bulb


def in_mercury(x, y, left, top, scale):
    column = abs(x - left) <= scale * 0.09 and top + scale * 1.1 <= y <= top + scale * 2.7
    bulb = math.hypot(x - left, y - (top + scale * 2.9)) <= scale * 0.3
    return column or bulb


def in_droplet(x, y, cx, cy, radius):
    """A drop: a circle with a point on top."""
    if math.hypot(x - cx, y - cy) <= radius:
        return True
    if y < cy and y >= cy - radius * 2.0:
        half_width = radius * (y - (cy - radius * 2.0)) / (radius * 2.0)
        return abs(x - cx) <= half_width * 1.05
    return False


def background_pixel(x, y):
    width, height = BACKGROUND_SIZE
    sky_top, sky_bottom = (214, 232, 246), (246, 250, 253)
    colour = mix(sky_top, sky_bottom, y / height)
    # A calm wave along the bottom edge.
    wave = height - 58 + 10 * math.sin(x / 95.0) + 5 * math.sin(x / 37.0 + 1.3)
    if y > wave:
        colour = over(colour, (150, 196, 226), min(1.0, (y - wave) / 3.0) * 0.55)
    for panel in PANELS:
        coverage = rounded_box_coverage(x, y, panel, 10)
        if coverage > 0:
            colour = over(colour, (255, 255, 255), 0.62 * coverage)
    # The logger's two channels on the free right side: a thermometer and a drop.
    if in_thermometer(x, y, 1290, 120, 60):
        colour = over(colour, (255, 255, 255), 0.9)
        if in_mercury(x, y, 1290, 120, 60):
            colour = (222, 60, 52)
    if in_droplet(x, y, 1290, 420, 34):
        colour = over(colour, (70, 150, 215), 0.75)
    return bytes(int(round(c)) for c in colour) + b"\xff"


def icon_pixel(x, y):
    px, py = x + 0.5, y + 0.5
    coverage = rounded_box_coverage(px, py, (1, 1, 30, 30), 6)
    if coverage <= 0:
        return b"\x00\x00\x00\x00"
    colour = mix((40, 120, 200), (20, 80, 160), py / 32)
    if in_thermometer(px, py, 12, 5, 7.5):
        colour = (255, 255, 255)
        if in_mercury(px, py, 12, 5, 7.5):
            colour = (222, 60, 52)
    if in_droplet(px, py, 22.5, 21, 4.5):
        colour = (150, 215, 255)
    return bytes(int(round(c)) for c in colour) + bytes([int(round(255 * coverage))])


def main():
    write_png(os.path.join(HERE, "background.png"), *BACKGROUND_SIZE, background_pixel)
    write_png(os.path.join(HERE, "icon.png"), *ICON_SIZE, icon_pixel)


if __name__ == "__main__":
    main()
