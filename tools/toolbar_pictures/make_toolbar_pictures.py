#!/usr/bin/env python3
"""Draws the main window's toolbar pictures: config/pic/toolbar_32/N.bmp and N_hot.bmp for N = 1..12.

Each is a 32 x 32, 24-bit .bmp on the toolbar's mask colour RGB(100,100,100), which the toolbar
shows as transparent. The hot picture is the same glyph in brighter colours. Run by hand from the
checkout's top folder; the outputs are committed.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from bmp_canvas import MASK, Canvas  # noqa: E402


def shade(colour, hot):
    """Hot pictures are lighter, so the pointer's button stands out."""
    return tuple(min(255, c + 60) for c in colour) if hot else colour


WHITE = (255, 255, 255)
INK = (30, 30, 30)
BLUE = (40, 90, 200)
RED = (200, 40, 40)
GREEN = (40, 150, 60)
YELLOW = (230, 190, 50)


def page(c, hot):
    c.fill(7, 3, 25, 29, shade(WHITE, hot))
    c.frame(7, 3, 25, 29, INK)
    c.fill(19, 3, 25, 9, MASK)
    c.line(19, 3, 24, 8, INK)
    c.line(19, 3, 19, 8, INK)
    c.line(19, 8, 24, 8, INK)
    for y in (13, 17, 21, 25):
        c.line(10, y, 21, y, shade(BLUE, hot))


def folder(c, hot):
    c.fill(3, 8, 14, 12, shade(YELLOW, hot))
    c.fill(3, 11, 29, 27, shade(YELLOW, hot))
    c.frame(3, 11, 29, 27, INK)
    c.line(6, 15, 26, 15, INK)


def calendar(c, hot, header, rows, columns):
    c.fill(4, 5, 28, 28, shade(WHITE, hot))
    c.fill(4, 5, 28, 11, shade(header, hot))
    c.frame(4, 5, 28, 28, INK)
    for i in range(1, columns):
        x = 4 + i * 24 // columns
        c.line(x, 11, x, 27, INK)
    for i in range(1, rows):
        y = 11 + i * 17 // rows
        c.line(4, y, 27, y, INK)
    c.line(10, 2, 10, 7, INK, 2)
    c.line(21, 2, 21, 7, INK, 2)


def settings(c, hot):
    calendar(c, hot, RED, 3, 3)
    c.line(14, 24, 27, 11, shade(GREEN, hot), 3)


def circle_sign(c, hot, colour, question):
    c.disc(16, 16, 13, shade(colour, hot))
    if question:
        c.line(12, 11, 15, 8, WHITE, 3)
        c.line(15, 8, 20, 10, WHITE, 3)
        c.line(20, 10, 17, 16, WHITE, 3)
        c.fill(15, 17, 18, 20, WHITE)
        c.fill(15, 23, 18, 26, WHITE)
    else:
        c.fill(15, 8, 18, 11, WHITE)
        c.fill(15, 13, 18, 25, WHITE)


def star(c, hot):
    c.line(16, 4, 9, 27, shade(YELLOW, hot), 3)
    c.line(16, 4, 23, 27, shade(YELLOW, hot), 3)
    c.line(5, 12, 27, 12, shade(YELLOW, hot), 3)
    c.line(5, 12, 23, 27, shade(YELLOW, hot), 3)
    c.line(27, 12, 9, 27, shade(YELLOW, hot), 3)


def disk(c, hot, left=5, top=5, size=22):
    c.fill(left, top, left + size, top + size, shade(BLUE, hot))
    c.frame(left, top, left + size, top + size, INK)
    c.fill(left + 5, top + 2, left + size - 5, top + 8, shade(WHITE, hot))
    c.fill(left + 4, top + 12, left + size - 4, top + size - 1, shade(WHITE, hot))


def arrow(c, hot, left, top):
    colour = shade(RED, hot)
    c.line(left, top + 6, left + 12, top + 6, colour, 3)
    c.line(left + 8, top + 1, left + 13, top + 7, colour, 3)
    c.line(left + 8, top + 12, left + 13, top + 6, colour, 3)


def door(c, hot):
    c.fill(6, 4, 18, 28, shade((150, 100, 60), hot))
    c.frame(6, 4, 18, 28, INK)
    c.fill(14, 15, 16, 17, YELLOW)
    arrow(c, hot, 15, 10)


def save_and_exit(c, hot):
    disk(c, hot, 2, 2, 18)
    arrow(c, hot, 16, 17)


PICTURES = {
    1: page,
    2: folder,
    3: settings,
    4: lambda c, hot: calendar(c, hot, BLUE, 4, 3),
    5: lambda c, hot: calendar(c, hot, GREEN, 5, 7),
    6: lambda c, hot: calendar(c, hot, YELLOW, 6, 2),
    7: lambda c, hot: circle_sign(c, hot, GREEN, True),
    8: lambda c, hot: circle_sign(c, hot, BLUE, False),
    9: star,
    10: disk,
    11: door,
    12: save_and_exit,
}


def main():
    folder_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join('config', 'pic', 'toolbar_32')
    os.makedirs(folder_path, exist_ok=True)
    for number, draw in PICTURES.items():
        for hot, suffix in ((False, ''), (True, '_hot')):
            canvas = Canvas()
            draw(canvas, hot)
            canvas.write(os.path.join(folder_path, '%d%s.bmp' % (number, suffix)))


if __name__ == '__main__':
    main()
