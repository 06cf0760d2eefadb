#!/usr/bin/env python3
"""Draws the pictures of the sample installation medium as 24-bit BMP files:
the wizard's left picture and the three pictures of the printer-type page.

    tools/make-pictures.py medium/DRVCONFIG
"""
import struct
import sys
from pathlib import Path


def bmp(width, height, pixel):
    """A bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def blend(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


NAVY, SKY, WHITE, GREY, DARK, PAPER, RED = (0, 51, 153), (120, 170, 230), (255, 255, 255), (190, 195, 205), (60, 64, 72), (250, 250, 240), (200, 40, 40)


def left(x, y, w=110, h=236):
    """A blue band, light at the top, with a roll of paper running down its middle."""
    colour = blend(SKY, NAVY, y / h)
    if 40 <= x < 70 and y >= 30:
        colour = PAPER if (y // 12) % 8 else GREY
    if 35 <= x < 75 and 18 <= y < 34:
        colour = DARK
    return colour


def printer(accent, wide):
    """A printer seen from the front: body, paper slot, receipt, a status light."""
    def pixel(x, y, w=160, h=120):
        body_left, body_right = (20, 140) if wide else (40, 120)
        colour = blend(WHITE, GREY, y / h)
        if body_left <= x < body_right and 50 <= y < 105:
            colour = DARK if y < 58 or y > 100 else blend(GREY, DARK, 0.35)
            if body_right - 18 <= x < body_right - 10 and 88 <= y < 94:
                colour = accent
        if body_left + 20 <= x < body_right - 20 and 10 <= y < 55:
            colour = PAPER if (y - 10) % 9 else GREY
        return colour
    return pixel


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "medium/DRVCONFIG")
    out.mkdir(parents=True, exist_ok=True)
    (out / "Left.bmp").write_bytes(bmp(110, 236, left))
    (out / "Printer.bmp").write_bytes(bmp(160, 120, printer((40, 160, 60), False)))
    (out / "RPrinter.bmp").write_bytes(bmp(160, 120, printer(NAVY, False)))
    (out / "EPrinter.bmp").write_bytes(bmp(160, 120, printer(RED, True)))


if __name__ == "__main__":
    main()
