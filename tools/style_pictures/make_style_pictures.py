#!/usr/bin/env python3
"""Draws the pictures that stand on or beside the dialogs' font-style and border check boxes,
config/pic/styles/<resource id>.bmp, 16 x 16 on the dialogs' face colour:

- 231 bold, 237 italic, 232 strike-out, 233 underline: a letter in that style;
- 234 top border, 235 inner horizontal lines, 236 bottom border: a dotted cell with that line
  drawn solid.

The program registers each as the bitmap resource of its number. Run by hand from the checkout's
top folder; the outputs are committed.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from bmp_canvas import Canvas  # noqa: E402

FACE = (212, 208, 200)   # the dialogs' face colour (the layer's classic COLOR_BTNFACE)
INK = (0, 0, 0)
GREY = (128, 128, 128)
RED = (200, 30, 30)
SIZE = 16


def strokes(c, lines, colour, width, slant=0.0):
    """Lines on the 16 x 16 grid; `slant` leans them right by that much per row above the foot."""
    for x0, y0, x1, y1 in lines:
        c.line(round(x0 + slant * (13 - y0)), y0, round(x1 + slant * (13 - y1)), y1, colour, width)


def bold(c):
    strokes(c, [(4, 2, 4, 13), (4, 2, 9, 2), (9, 2, 11, 4), (11, 4, 9, 7), (4, 7, 10, 7),
                (10, 7, 12, 9), (12, 9, 12, 11), (12, 11, 10, 13), (4, 13, 10, 13)], INK, 2)


def italic(c):
    strokes(c, [(7, 2, 7, 13), (5, 2, 10, 2), (4, 13, 9, 13)], INK, 1, slant=0.35)


def strike_out(c):
    strokes(c, [(11, 3, 9, 2), (9, 2, 6, 2), (6, 2, 4, 4), (4, 4, 5, 6), (5, 6, 10, 8), (10, 8, 11, 10),
                (11, 10, 10, 12), (10, 12, 6, 13), (6, 13, 4, 12)], INK, 1)
    c.line(2, 7, 13, 7, RED, 1)


def underline(c):
    strokes(c, [(4, 2, 4, 10), (4, 10, 6, 12), (6, 12, 9, 12), (9, 12, 11, 10), (11, 10, 11, 2)], INK, 1)
    c.line(2, 14, 13, 14, INK, 1)


def dotted_cell(c):
    """A 12 x 12 cell of dotted grey lines: its four edges and the line across its middle."""
    for i in range(2, 14, 2):
        for y in (2, 8, 13):
            c.put(i, y, GREY)
        for x in (2, 13):
            c.put(x, i, GREY)


def border(row):
    def draw(c):
        dotted_cell(c)
        c.line(2, row, 13, row, INK, 1)
        c.line(2, row + (1 if row < 13 else -1), 13, row + (1 if row < 13 else -1), INK, 1)
    return draw


PICTURES = {231: bold, 237: italic, 232: strike_out, 233: underline,
            234: border(2), 235: border(8), 236: border(13)}


def main():
    folder = os.path.join('config', 'pic', 'styles')
    os.makedirs(folder, exist_ok=True)
    for number, draw in PICTURES.items():
        c = Canvas(SIZE, SIZE, FACE)
        draw(c)
        c.write(os.path.join(folder, '%d.bmp' % number))


if __name__ == '__main__':
    main()
