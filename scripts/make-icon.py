#!/usr/bin/env python3
"""Draws the program icon (ui/resources/Torvane.ico): 48, 32, 24 and 16 pixel
images, 32-bit colour with alpha, stored as BMP entries. Rerun it after changing
the drawing; the .ico is committed."""
import os
import struct

SIZES = (48, 32, 24, 16)


def pixel(x, y, n):
    """BGRA of one pixel of the n x n image: a blue rounded tile with two
    switch toggles (one on, one off)."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    r = 0.18
    dx = max(r - u, 0, u - (1 - r))
    dy = max(r - v, 0, v - (1 - r))
    if dx * dx + dy * dy > r * r:
        return (0, 0, 0, 0)
    colour = (0xC8, 0x78, 0x20, 0xFF)  # tile
    for row, on in ((0.33, True), (0.67, False)):
        if abs(v - row) < 0.12 and 0.18 < u < 0.82:
            colour = (0x60, 0xC0, 0x30, 0xFF) if on else (0xB0, 0xB0, 0xB0, 0xFF)
            knob = 0.68 if on else 0.32
            if (u - knob) ** 2 + (v - row) ** 2 < 0.1 ** 2:
                colour = (0xFF, 0xFF, 0xFF, 0xFF)
    return colour


def image(n):
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(n)):  # bottom-up
        rows.append(b"".join(bytes(pixel(x, y, n)) for x in range(n)))
    mask_row = b"\0" * (((n + 31) // 32) * 4)  # AND mask unused with alpha
    return header + b"".join(rows) + mask_row * n


def main():
    images = [image(n) for n in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    target = os.path.join(os.path.dirname(__file__), "..", "ui", "resources", "Torvane.ico")
    with open(target, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
