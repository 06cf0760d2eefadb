#!/usr/bin/env python3
"""Draws Gantry's icons and its button cursor (32 x 32, 32-bit colour with alpha) and
writes them as .ico/.cur files beside this script. Run it again after changing a picture."""
import math
import os
import struct

SIZE = 32


def canvas():
    return [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]


def fill(img, test, colour):
    for y in range(SIZE):
        for x in range(SIZE):
            if test(x + 0.5, y + 0.5):
                img[y][x] = colour + (255,)


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def line(x0, y0, x1, y1, width):
    length = math.hypot(x1 - x0, y1 - y0)

    def test(x, y):
        t = max(0.0, min(1.0, ((x - x0) * (x1 - x0) + (y - y0) * (y1 - y0)) / (length * length)))
        return math.hypot(x - (x0 + t * (x1 - x0)), y - (y0 + t * (y1 - y0))) <= width / 2

    return test


BLUE, WHITE, RED, GREEN, GREY, ORANGE, TEAL, BLACK = (
    (0, 0, 180), (255, 255, 255), (200, 30, 30), (30, 150, 60), (120, 120, 120), (230, 130, 20), (45, 180, 180),
    (0, 0, 0))


def printer(img, body):
    fill(img, box(9, 3, 23, 12), WHITE)          # paper going in
    fill(img, box(3, 11, 29, 24), body)          # body
    fill(img, box(9, 20, 23, 29), WHITE)         # paper coming out
    fill(img, box(11, 23, 21, 24), GREY)
    fill(img, box(11, 26, 19, 27), GREY)


def pictures():
    gantry = canvas()
    printer(gantry, BLUE)
    fill(gantry, disc(25, 15, 2), GREEN)

    exit_ = canvas()
    fill(exit_, disc(16, 16, 14), RED)
    fill(exit_, line(10, 10, 22, 22, 4), WHITE)
    fill(exit_, line(22, 10, 10, 22, 4), WHITE)

    clear = canvas()
    fill(clear, box(6, 4, 26, 28), WHITE)
    fill(clear, lambda x, y: box(6, 4, 26, 28)(x, y) and not box(8, 6, 24, 26)(x, y), GREY)
    fill(clear, line(4, 28, 28, 4, 4), RED)

    online = canvas()
    fill(online, ring(16, 16, 13, 9), GREEN)
    fill(online, lambda x, y: x > 16 and y < 16 and x - 16 < 16 - y, (0, 0, 0))
    for y in range(SIZE):
        for x in range(SIZE):
            if online[y][x][:3] == (0, 0, 0):
                online[y][x] = (0, 0, 0, 0)
    fill(online, lambda x, y: 20 <= x <= 30 and 2 <= y <= 12 and x - 20 >= y - 2, GREEN)

    printer_mode = canvas()
    printer(printer_mode, TEAL)

    api_mode = canvas()
    fill(api_mode, box(8, 8, 24, 24), ORANGE)
    for k in range(10, 24, 4):
        fill(api_mode, box(k, 3, k + 2, 8), GREY)
        fill(api_mode, box(k, 24, k + 2, 29), GREY)
        fill(api_mode, box(3, k, 8, k + 2), GREY)
        fill(api_mode, box(24, k, 29, k + 2), GREY)
    fill(api_mode, box(12, 12, 20, 20), WHITE)

    about = canvas()
    fill(about, disc(16, 16, 14), BLUE)
    fill(about, disc(16, 9, 2.5), WHITE)
    fill(about, box(14, 13, 18, 25), WHITE)

    pointer = canvas()
    arrow = lambda x, y: x >= 1 and y >= 1 and y <= 20 and x - 1 <= (y - 1) * 0.7
    fill(pointer, lambda x, y: arrow(x, y) or line(4, 14, 10, 26, 3.5)(x, y), BLACK)
    fill(pointer, lambda x, y: (x >= 2.5 and y >= 4 and y <= 18.5 and x - 2.5 <= (y - 4) * 0.62)
         or line(4.5, 15, 9.5, 25, 1.2)(x, y), WHITE)

    return {"gantry.ico": gantry, "exit.ico": exit_, "clear.ico": clear, "get_online.ico": online,
            "printer_mode.ico": printer_mode, "api_mode.ico": api_mode, "about.ico": about,
            "pointer.cur": pointer}


def encode(img, cursor):
    pixels = b"".join(struct.pack("BBBB", b, g, r, a) for row in reversed(img) for (r, g, b, a) in row)
    mask = b""
    for row in reversed(img):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    kind, a, b = (2, 1, 1) if cursor else (1, 1, 32)  # a cursor keeps its hot spot where an icon keeps planes, bits
    return struct.pack("<HHH", 0, kind, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, a, b, len(image), 22) + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, img in pictures().items():
        with open(os.path.join(here, name), "wb") as out:
            out.write(encode(img, name.endswith(".cur")))


if __name__ == "__main__":
    main()
