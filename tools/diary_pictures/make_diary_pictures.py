#!/usr/bin/env python3
"""Draws the pictures of the diary class dialogs under config/pic:

- item_special/2000.bmp (no symbol, all white) and 2001.bmp ... 2028.bmp with their highlighted
  _Sel variants, 32 x 32 on white: the previews show them on white as they are, and the image
  lists that load them with the mask colour RGB(100,100,100) find none of it. Pictures 1 to 21 show the first label of
  each item numbering list of the skeleton package ("1.", "1)", ..., "→"), 22 to 28 the special
  signs that only the sign picker offers;
- add_txt.bmp, a page with a plus;
- LineType/LineType1.bmp ... LineType7.bmp, 121 x 22: single, dotted, dashSmallGap, dashed,
  dotDash, dotDotDash, wave;
- LineSettings/TableStyle.ini and TableStyle1.bmp ... TableStyleN.bmp, 496 x 108: each picture is
  drawn from its own section of the INI file as written, so a picture never disagrees with the
  values its preset applies.

Run by hand from the checkout's top folder; the outputs are committed.
"""
import configparser
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from bmp_canvas import Canvas, colour_of  # noqa: E402

WHITE = (255, 255, 255)
INK = (20, 20, 20)
BLUE = (30, 80, 190)
RED = (200, 30, 30)
GREEN = (30, 140, 60)
SELECTED = (190, 215, 250)   # the highlighted picture's ground
SELECTED_FRAME = (40, 90, 200)

# Strokes of the few characters the numbering labels need, on a grid 4 wide and 6 high.
STROKES = {
    '1': [(1, 1, 2, 0), (2, 0, 2, 6), (1, 6, 3, 6)],
    '0': [(0, 0, 3, 0), (3, 0, 3, 6), (3, 6, 0, 6), (0, 6, 0, 0)],
    'A': [(0, 6, 2, 0), (2, 0, 4, 6), (1, 4, 3, 4)],
    'a': [(0, 3, 3, 3), (3, 3, 3, 6), (3, 6, 0, 6), (0, 6, 0, 4), (0, 4, 3, 4)],
    'I': [(1, 0, 3, 0), (2, 0, 2, 6), (1, 6, 3, 6)],
    'i': [(2, 1, 2, 1), (2, 3, 2, 6)],
    '.': [(1, 6, 1, 6)],
    ')': [(1, 0, 2, 2), (2, 2, 2, 4), (2, 4, 1, 6)],
    '(': [(2, 0, 1, 2), (1, 2, 1, 4), (1, 4, 2, 6)],
    '、': [(1, 5, 2, 6)],
    '一': [(0, 3, 4, 3)],
    '甲': [(0, 1, 4, 1), (4, 1, 4, 4), (4, 4, 0, 4), (0, 4, 0, 1), (0, 2.5, 4, 2.5), (2, 1, 2, 6)],
    '子': [(0, 0, 4, 0), (4, 0, 2, 2), (2, 2, 2, 6), (2, 6, 1, 5), (0, 3, 4, 3)],
    '壹': [(2, 0, 2, 1), (0, 1, 4, 1), (1, 2, 3, 2), (0, 3, 4, 3), (1, 4, 3, 4), (1, 4, 1, 6), (3, 4, 3, 6),
           (1, 6, 3, 6)],
}


def text(c, label, left, top, scale, colour, advance=5):
    """Writes the label in the stroke font, each character `advance` grid steps after the last."""
    for index, character in enumerate(label):
        x0 = left + index * advance * scale
        for x1, y1, x2, y2 in STROKES[character]:
            c.line(x0 + x1 * scale, top + y1 * scale, x0 + x2 * scale, top + y2 * scale, colour, 2)


def label(content, advance=5):
    def draw(c, colour):
        scale = 3 if len(content) <= 2 else 2
        width = (len(content) * advance - 1) * scale
        text(c, content, (32 - width) // 2, 16 - 3 * scale, scale, colour, advance)
    return draw


def circled_one(c, colour):
    c.ring(16, 16, 12, colour, 2)
    text(c, '1', 11, 10, 2, colour)


def full_width_one(c, colour):
    text(c, '1', 4, 7, 3, colour)
    text(c, '.', 16, 7, 3, colour)


def bullet(c, colour):
    c.disc(16, 16, 7, colour)


def hollow_bullet(c, colour):
    c.ring(16, 16, 8, colour, 2)


def square(c, colour):
    c.fill(9, 9, 23, 23, colour)


def diamond(c, colour):
    for row in range(-8, 9):
        half = 8 - abs(row)
        c.line(16 - half, 16 + row, 16 + half, 16 + row, colour)


def star(c, colour):
    points = [(16, 4), (19, 13), (28, 13), (21, 19), (24, 28), (16, 22), (8, 28), (11, 19), (4, 13), (13, 13)]
    for index, (x, y) in enumerate(points):
        nx, ny = points[(index + 1) % len(points)]
        c.line(x, y, nx, ny, colour, 2)
    c.fill(12, 13, 21, 21, colour)


def ballot_box(c, colour):
    c.frame(8, 8, 24, 24, colour)
    c.frame(9, 9, 23, 23, colour)


def arrow(c, colour):
    c.line(6, 15, 24, 15, colour, 3)
    c.line(18, 9, 25, 16, colour, 3)
    c.line(18, 22, 25, 15, colour, 3)


def check(c, colour):
    c.line(7, 16, 13, 23, colour, 3)
    c.line(13, 23, 25, 8, colour, 3)


def cross(c, colour):
    c.line(8, 8, 23, 23, colour, 3)
    c.line(23, 8, 8, 23, colour, 3)


def checked_box(c, colour):
    ballot_box(c, colour)
    c.line(11, 16, 14, 20, colour, 2)
    c.line(14, 20, 21, 11, colour, 2)


def crossed_box(c, colour):
    ballot_box(c, colour)
    c.line(11, 11, 20, 20, colour, 2)
    c.line(20, 11, 11, 20, colour, 2)


def flag(c, colour):
    c.line(9, 5, 9, 27, colour, 2)
    c.fill(11, 6, 24, 15, colour)


def sun(c, colour):
    c.disc(16, 16, 6, colour)
    for dx, dy in ((0, -1), (0, 1), (-1, 0), (1, 0), (-1, -1), (1, 1), (-1, 1), (1, -1)):
        c.line(16 + dx * 9, 16 + dy * 9, 16 + dx * 12, 16 + dy * 12, colour, 2)


def telephone(c, colour):
    c.fill(7, 11, 25, 14, colour)
    c.fill(7, 9, 11, 14, colour)
    c.fill(21, 9, 25, 14, colour)
    c.fill(10, 16, 22, 26, colour)
    c.frame(13, 18, 19, 24, WHITE)


# Pictures 1 to 21 in the order of the item numbering lists; 22 to 28 the further signs.
SYMBOLS = [
    label('1.'), label('1)'), label('(1)', 4), label('01.', 4), circled_one, label('A.'), label('a)'),
    label('I.'), label('i.'), label('一、'), label('甲、'), label('子、'), label('壹、'), full_width_one,
    bullet, hollow_bullet, square, diamond, star, ballot_box, arrow,
    check, cross, checked_box, crossed_box, flag, sun, telephone,
]
SYMBOL_COLOURS = [BLUE] * 14 + [INK] * 7 + [GREEN, RED, GREEN, RED, RED, (230, 150, 20), INK]


def symbol_pictures(folder):
    os.makedirs(folder, exist_ok=True)
    Canvas(32, 32, WHITE).write(os.path.join(folder, '2000.bmp'))
    for number, (draw, colour) in enumerate(zip(SYMBOLS, SYMBOL_COLOURS), start=1):
        normal = Canvas(32, 32, WHITE)
        draw(normal, colour)
        normal.write(os.path.join(folder, '20%02d.bmp' % number))
        selected = Canvas(32, 32, SELECTED)
        selected.frame(0, 0, 32, 32, SELECTED_FRAME)
        draw(selected, colour)
        selected.write(os.path.join(folder, '20%02d_Sel.bmp' % number))


def add_text_picture(path):
    c = Canvas()
    c.fill(6, 3, 22, 29, WHITE)
    c.frame(6, 3, 22, 29, INK)
    for y in (8, 12, 16, 20):
        c.line(9, y, 19, y, BLUE)
    c.line(18, 24, 28, 24, GREEN, 3)
    c.line(22, 19, 22, 29, GREEN, 3)
    c.write(path)


# Each line type as the lengths of its pieces, on and off in turn; the wave is drawn apart.
LINE_TYPES = [('single', [1, 0]), ('dotted', [1, 2]), ('dashSmallGap', [8, 2]), ('dashed', [6, 4]),
              ('dotDash', [6, 3, 1, 3]), ('dotDotDash', [6, 3, 1, 3, 1, 3]), ('wave', None)]


def horizontal(c, left, right, y, colour, pattern):
    """A line from left to right in the on/off pattern of piece lengths (None: a wave)."""
    if pattern is None:
        for x in range(left, right):
            phase = (x - left) % 8
            c.put(x, y + (0 if phase in (0, 4) else (-1 if phase < 4 else 1)), colour)
        return
    x, index = left, 0
    while x < right:
        length = pattern[index % len(pattern)]
        if index % 2 == 0:
            c.line(x, y, min(x + length, right) - 1, y, colour)
        x += length
        index += 1


def vertical(c, x, top, bottom, colour, pattern):
    if pattern is None:
        for y in range(top, bottom):
            phase = (y - top) % 8
            c.put(x + (0 if phase in (0, 4) else (-1 if phase < 4 else 1)), y, colour)
        return
    y, index = top, 0
    while y < bottom:
        length = pattern[index % len(pattern)]
        if index % 2 == 0:
            c.line(x, y, x, min(y + length, bottom) - 1, colour)
        y += length
        index += 1


def line_type_pictures(folder):
    os.makedirs(folder, exist_ok=True)
    for number, (_, pattern) in enumerate(LINE_TYPES, start=1):
        c = Canvas(121, 22, WHITE)
        horizontal(c, 6, 115, 11, INK, pattern)
        horizontal(c, 6, 115, 12, INK, pattern)
        c.write(os.path.join(folder, 'LineType%d.bmp' % number))


# The table presets: line type, borders (left, right, top, bottom, inner lines), line colour and
# the title-row, odd-row and even-row backgrounds ("" for none).
PRESETS = [
    ('dotted', 1, 1, 1, 1, 1, '8D826D', '', '', ''),
    ('single', 1, 1, 1, 1, 1, '000000', 'D9D9D9', '', ''),
    ('single', 0, 0, 1, 1, 1, '4F81BD', 'DBE5F1', 'FFFFFF', 'EEF3FA'),
    ('dashed', 1, 1, 1, 1, 0, '9BBB59', 'EBF1DE', 'F7FAF0', ''),
    ('dashSmallGap', 0, 0, 1, 1, 1, 'C0504D', 'F2DCDB', '', ''),
    ('dotDash', 1, 1, 1, 1, 1, '8064A2', 'E5E0EC', 'FFFFFF', 'F2EFF6'),
    ('single', 0, 0, 0, 1, 1, 'F79646', 'FDE9D9', '', ''),
    ('dotted', 0, 0, 0, 0, 1, '777777', '', '', ''),
]
PRESET_KEYS = ['line_type', 'bLineLeft', 'bLineRight', 'bLineTop', 'bLineBottom', 'bLineMiddle', 'line_color',
               'class_table_bk_color', 'line_table_bk_color', 'line_table_bk_color2']


def write_presets(path):
    lines = []
    for index, preset in enumerate(PRESETS):
        lines.append('[LIST%d]' % index)
        lines += ['%s=%s' % (key, value) for key, value in zip(PRESET_KEYS, preset)]
        lines.append('')
    with open(path, 'w', newline='') as out:
        out.write('\r\n'.join(lines))


def table_picture(section):
    """A class table of a title row and four line rows, as the preset's values say."""
    c = Canvas(496, 108, WHITE)
    left, top, right, bottom = 12, 8, 484, 100
    rows = 5
    height = (bottom - top) // rows
    pattern = dict(LINE_TYPES)[section['line_type']]
    line = colour_of(section['line_color'])
    for row in range(rows):
        key = 'class_table_bk_color' if row == 0 else ('line_table_bk_color2' if row % 2 == 0 else 'line_table_bk_color')
        value = section[key] or (section['line_table_bk_color'] if key == 'line_table_bk_color2' else '')
        if value:
            c.fill(left, top + row * height, right, top + (row + 1) * height, colour_of(value))
    for row in range(rows):   # the text of each row, as grey bars
        y = top + row * height + height // 2
        c.fill(left + 10, y - 2, left + (160 if row == 0 else 300), y + 2, (90, 90, 90) if row == 0 else (170, 170, 170))
    edges = [('bLineTop', lambda: horizontal(c, left, right, top, line, pattern)),
             ('bLineBottom', lambda: horizontal(c, left, right, bottom, line, pattern)),
             ('bLineLeft', lambda: vertical(c, left, top, bottom + 1, line, pattern)),
             ('bLineRight', lambda: vertical(c, right, top, bottom + 1, line, pattern))]
    for key, draw in edges:
        if section[key] == '1':
            draw()
    if section['bLineMiddle'] == '1':
        for row in range(1, rows):
            horizontal(c, left, right, top + row * height, line, pattern)
    return c


def table_style_pictures(folder):
    os.makedirs(folder, exist_ok=True)
    ini_path = os.path.join(folder, 'TableStyle.ini')
    write_presets(ini_path)
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(ini_path)
    for index in range(len(PRESETS)):
        table_picture(parser['LIST%d' % index]).write(os.path.join(folder, 'TableStyle%d.bmp' % (index + 1)))


def main():
    pictures = sys.argv[1] if len(sys.argv) > 1 else os.path.join('config', 'pic')
    symbol_pictures(os.path.join(pictures, 'item_special'))
    add_text_picture(os.path.join(pictures, 'add_txt.bmp'))
    line_type_pictures(os.path.join(pictures, 'LineType'))
    table_style_pictures(os.path.join(pictures, 'LineSettings'))


if __name__ == '__main__':
    main()
