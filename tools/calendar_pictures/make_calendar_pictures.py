"""Makes the calendar pictures under config/pic from documents our own generator writes:

- YearlyCalendar/YearlyCalendarStyle.ini, the eight yearly-calendar styles (sections LIST0 to
  LIST7, the thirty Calendar_ keys each), and 1.bmp ... 8.bmp, 221 x 163: each picture is the
  yearly calendar of a document made with exactly the values of its section;
- samples/302.bmp (a diary page, 683 x 203), 304.bmp (a monthly calendar, 507 x 587),
  296.bmp (the year planner, 513 x 614), 300.bmp (the yearly calendar, 510 x 550) and 277.bmp
  (the top of a monthly calendar's table, 332 x 84), from the shipped full-year sample design.

Each design is made into a .docx by tests/e2e/make_design_document, rendered by LibreOffice and
cut out of the page with pdftoppm. LibreOffice has no face for the symbol characters a special
sign is written with and draws an empty box instead: where the page has one, the picture shows the
program's own picture of the sign (config/pic/item_special) in the sign's colour. Run from the
checkout after building:
    python3 tools/calendar_pictures/make_calendar_pictures.py build/tests/e2e/make_design_document
"""
import itertools
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..'))
from bmp_canvas import Canvas, colour_of  # noqa: E402

CHECKOUT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
BASE_DESIGN = os.path.join(CHECKOUT, 'config', 'samples', 'FullYear_AllCalendars.ini')
FONTS_CONF = os.path.join(CHECKOUT, 'tests', 'support', 'fonts.conf')
SIGN_PICTURES = os.path.join(CHECKOUT, 'config', 'pic', 'item_special')
WHITE = (255, 255, 255)
# The document writes a special sign as a character of a symbol face, U+F000 to U+F0FF.
SYMBOL_CODES = range(0xF000, 0xF100)

# The thirty keys of a style, in the order of the preset file.
STYLE_KEYS = [
    'line_type', 'line_color', 'month_bk_color', 'month_font_color', 'Month_Align',
    'bMonthBold', 'bMonthItalic', 'bMonthStrike', 'week_bk_color', 'week_font_color',
    'bWeekBold', 'bWeekItalic', 'bWeekStrike', 'day0And6_font_color', 'back_color_day06',
    'bDay06Bold', 'bDay06Italic', 'bDay06Strike', 'day1To5_font_color', 'back_color_day15',
    'bDay15Bold', 'bDay15Italic', 'bDay15Strike', 'day_nolink_font_color', 'back_color_nodiary',
    'bDayNotDiaryBold', 'bDayNotDiaryItalic', 'bDayNotDiaryStrike', 'font_name', 'back_color_empty',
]


def style(line, line_colour, month, week, weekend, weekday, outside, font, empty, align=1,
          flags=(1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 1)):
    """month and week: (background, text); weekend and weekday: (text, background);
    outside: (text, background); flags: the fifteen style flags in record order."""
    values = [line, line_colour, month[0], month[1], str(align)] + [str(f) for f in flags[0:3]]
    values += [week[0], week[1]] + [str(f) for f in flags[3:6]]
    values += [weekend[0], weekend[1]] + [str(f) for f in flags[6:9]]
    values += [weekday[0], weekday[1]] + [str(f) for f in flags[9:12]]
    values += [outside[0], outside[1]] + [str(f) for f in flags[12:15]]
    values += [font, empty]
    return dict(zip(STYLE_KEYS, values))


STYLES = [
    style('dotted', '808080', ('FFFFFF', '000000'), ('808080', 'FFFFFF'), ('808080', 'FFFFFF'),
          ('0000CD', 'FFFFFF'), ('808080', 'FFFFFF'), 'Tahoma', 'F3F3F3'),
    style('single', '4F81BD', ('4F81BD', 'FFFFFF'), ('DBE5F1', '1F497D'), ('C0504D', 'F2F2F2'),
          ('1F497D', 'FFFFFF'), ('A6A6A6', 'FFFFFF'), 'Arial', 'FFFFFF'),
    style('dashed', '7A2E1F', ('7A2E1F', 'FFFFFF'), ('E8DCC8', '7A2E1F'), ('7A2E1F', 'F7F1E8'),
          ('3A5FCD', 'FFFFFF'), ('999999', 'FFFFFF'), 'Times New Roman', 'F3F3F3', align=0),
    style('single', '2E7D32', ('2E7D32', 'FFFFFF'), ('C8E6C9', '1B5E20'), ('2E7D32', 'E8F5E9'),
          ('333333', 'FFFFFF'), ('9E9E9E', 'FAFAFA'), 'Tahoma', 'FFFFFF'),
    style('dotDash', '6A1B9A', ('EDE7F6', '4A148C'), ('6A1B9A', 'FFFFFF'), ('AD1457', 'FCE4EC'),
          ('4A148C', 'FFFFFF'), ('B0A8B9', 'FFFFFF'), 'Arial', 'F5F5F5', align=2),
    style('single', '000000', ('000000', 'FFFFFF'), ('FFFFFF', '000000'), ('000000', 'EEEEEE'),
          ('000000', 'FFFFFF'), ('888888', 'FFFFFF'), 'Courier New', 'DDDDDD',
          flags=(1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0)),
    style('dotDotDash', 'E65100', ('FFF3E0', 'E65100'), ('FFB74D', '5D4037'), ('E65100', 'FFF8E1'),
          ('5D4037', 'FFFFFF'), ('BCAAA4', 'FFFFFF'), 'Tahoma', 'FFFDE7',
          flags=(1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1)),
    style('dashSmallGap', '00838F', ('00838F', 'FFFFFF'), ('E0F7FA', '006064'), ('00838F', 'E0F7FA'),
          ('263238', 'FFFFFF'), ('90A4AE', 'FFFFFF'), 'Times New Roman', 'ECEFF1', align=0,
          flags=(0, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1, 1)),
]


def run(command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kwargs).stdout


def write_presets(path):
    lines = []
    for index, values in enumerate(STYLES):
        lines.append('[LIST%d]' % index)
        lines += ['Calendar_%s=%s' % (key, values[key]) for key in STYLE_KEYS]
    with open(path, 'w', newline='\r\n') as out:
        out.write('\n'.join(lines) + '\n')


def read_presets(path):
    """The sections as the program reads them back, so each picture shows its section as written."""
    sections, current = [], None
    for line in open(path, encoding='ascii').read().splitlines():
        if line.startswith('['):
            current = {}
            sections.append(current)
        elif '=' in line:
            key, value = line.split('=', 1)
            current[key[len('Calendar_'):]] = value
    return sections


def design_with(overrides, folder, name):
    """The base design with the keys of section Main set as given."""
    text = open(BASE_DESIGN, 'rb').read().decode('gb18030')
    main_end = text.index('\r\n[', 1)
    main, rest = text[:main_end], text[main_end:]
    for key, value in overrides.items():
        pattern = re.compile(r'^%s=.*$' % re.escape(key), re.M)
        if pattern.search(main):
            main = pattern.sub(lambda _: '%s=%s' % (key, value), main)
        else:
            main += '\r\n%s=%s' % (key, value)
    path = os.path.join(folder, name + '.ini')
    with open(path, 'wb') as out:
        out.write((main + rest).encode('gb18030'))
    return path


def make_pdf(maker, design, folder):
    out = os.path.join(folder, os.path.splitext(os.path.basename(design))[0])
    os.makedirs(out)
    docx = run([maker, CHECKOUT, design, out]).strip()
    profile = 'file://' + os.path.join(folder, 'profile')
    run(['soffice', '--headless', '--norestore', '-env:UserInstallation=' + profile,
         '--convert-to', 'pdf', '--outdir', out, docx], env=dict(os.environ, FONTCONFIG_FILE=FONTS_CONF))
    return os.path.splitext(docx)[0] + '.pdf'


def read_ppm(data):
    parts = data.split(b'\n', 3)
    width, height = map(int, parts[1].split())
    pixels = parts[3]
    return width, height, [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
                           for y in range(height)]


def render(pdf, page, dpi, crop=None):
    command = ['pdftoppm', '-f', str(page), '-l', str(page), '-r', '%.3f' % dpi, '-aa', 'yes', '-aaVector', 'yes']
    if crop:
        command += ['-x', str(crop[0]), '-y', str(crop[1]), '-W', str(crop[2]), '-H', str(crop[3])]
    data = subprocess.run(command + [pdf], check=True, capture_output=True).stdout
    return read_ppm(data)


def ink_rows(pixels):
    return [any(p != WHITE for p in row) for row in pixels]


def content_box(pixels):
    """Left, top, right, bottom of what is not white."""
    rows = ink_rows(pixels)
    top = rows.index(True)
    bottom = len(rows) - rows[::-1].index(True)
    columns = [any(pixels[y][x] != WHITE for y in range(top, bottom)) for x in range(len(pixels[0]))]
    left = columns.index(True)
    right = len(columns) - columns[::-1].index(True)
    return left, top, right, bottom


def blocks(pixels, box):
    """The bands of rows with ink, separated by white rows, inside the box."""
    rows = ink_rows([row[box[0]:box[2]] for row in pixels])
    found, start = [], None
    for y in range(box[1], box[3] + 1):
        ink = y < box[3] and rows[y]
        if ink and start is None:
            start = y
        elif not ink and start is not None:
            found.append((start, y))
            start = None
    return found


def picture(pdf, page, width, height, region, sign=None):
    """The region of the page (a function of the page's pixels at 72 dots per inch giving a box
    in points) scaled to fit width x height, centred on white; `sign` (number, colour) is painted
    over each symbol character of the region."""
    _, _, pixels = render(pdf, page, 72)
    left, top, right, bottom = region(pixels)
    scale = min(width / (right - left), height / (bottom - top))
    dpi = 72 * scale
    crop = (int(left * scale), int(top * scale), min(width, int((right - left) * scale) + 1),
            min(height, int((bottom - top) * scale) + 1))
    got_width, got_height, cut = render(pdf, page, dpi, crop)
    canvas = Canvas(width, height, WHITE)
    x0, y0 = (width - got_width) // 2, (height - got_height) // 2
    for y in range(got_height):
        for x in range(got_width):
            canvas.put(x0 + x, y0 + y, cut[y][x])
    if sign:
        for box in symbol_boxes(pdf, page):
            pixels_box = [box[0] * scale - crop[0] + x0, box[1] * scale - crop[1] + y0,
                          box[2] * scale - crop[0] + x0, box[3] * scale - crop[1] + y0]
            if min(pixels_box) >= 0 and pixels_box[2] < width and pixels_box[3] < height:
                paint_sign(canvas, pixels_box, *sign)
    return canvas


def symbol_boxes(pdf, page):
    """The boxes, in points, of the symbol characters on the page."""
    words = run(['pdftotext', '-f', str(page), '-l', str(page), '-bbox', pdf, '-'])
    pattern = r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.)</word>'
    return [tuple(map(float, found.groups()[:4])) for found in re.finditer(pattern, words)
            if ord(found.group(5)) in SYMBOL_CODES]


def mixed(ground, ink, cover):
    return tuple(int(round(g + (i - g) * cover)) for g, i in zip(ground, ink))


def paint_sign(canvas, box, number, colour):
    """The empty box LibreOffice drew in the line's box gives way to the sign's picture, scaled to
    most of the line's height (the document writes a sign larger than its row's text); a pixel
    takes ink by the share of the picture's ink it covers, doubled so thin strokes stay seen."""
    left, top, right, bottom = box
    height = bottom - top
    ground = canvas.get(min(int(right) + 2, canvas.width - 1), int((top + bottom) / 2))
    canvas.fill(int(left) - 1, int(top + height * 0.15), int(right) + 2, int(bottom - height * 0.15) + 1, ground)
    size = max(int(round(height * 0.9)), 4)
    sign = Canvas.read(os.path.join(SIGN_PICTURES, '20%02d.bmp' % number))
    ink = colour_of(colour)
    x0, y0 = int(left), int(round((top + bottom - size) / 2))
    for y, x in itertools.product(range(size), range(size)):
        block = [sign.get(sx, sy) for sy in range(y * sign.height // size, (y + 1) * sign.height // size)
                 for sx in range(x * sign.width // size, (x + 1) * sign.width // size)]
        cover = min(1.0, 2 * sum(pixel != WHITE for pixel in block) / len(block))
        if cover and 0 <= x0 + x < canvas.width and 0 <= y0 + y < canvas.height:
            canvas.put(x0 + x, y0 + y, mixed(canvas.get(x0 + x, y0 + y), ink, cover))


def month_calendar_sign(design):
    """The (number, colour) of the special sign the design's monthly calendar rows show, or None;
    the pictures paint one sign."""
    text = open(design, 'rb').read().decode('gb18030')
    values = dict(line.split('=', 1) for line in text.splitlines() if '=' in line)
    signs = {(int(values['MonthOfCale_iSpecialSign%d_%s' % cell]), values['MonthOfCale_SpecialSignColor%d_%s' % cell])
             for cell in itertools.product(range(1, 6), ('06', '15'))
             if values.get('MonthOfCale_bAddSpecialSign%d_%s' % cell) == '1'}
    if len(signs) > 1:
        raise SystemExit('the monthly calendar of %s shows %d signs; its pictures paint one' % (design, len(signs)))
    return signs.pop() if signs else None


def padded(box, margin, pixels):
    return (max(box[0] - margin, 0), max(box[1] - margin, 0), min(box[2] + margin, len(pixels[0])),
            min(box[3] + margin, len(pixels)))


def whole_page(pixels):
    return padded(content_box(pixels), 4, pixels)


def first_half_year(pixels):
    """The yearly calendar's first two quarters: its first two tall bands (the title is low)."""
    box = content_box(pixels)
    bands = blocks(pixels, box)
    tallest = max(bottom - top for top, bottom in bands)
    quarters = [band for band in bands if band[1] - band[0] > tallest // 2]
    return padded((box[0], quarters[0][0], box[2], quarters[1][1]), 3, pixels)


def top_of(aspect):
    """The top of the content, as wide as the content and `aspect` times as high as wide."""
    def region(pixels):
        box = content_box(pixels)
        return padded((box[0], box[1], box[2], box[1] + int((box[2] - box[0]) * aspect)), 2, pixels)
    return region


def table_top(aspect):
    """As top_of, from the top of the page's table (its tallest band of ink), below the headings."""
    def region(pixels):
        box = content_box(pixels)
        top = max(blocks(pixels, box), key=lambda band: band[1] - band[0])[0]
        left, _, right, bottom = padded((box[0], top, box[2], top + int((box[2] - box[0]) * aspect)), 2, pixels)
        return left, top, right, bottom   # no margin above: the heading's ink stands there
    return region


def page_of(pdf, text):
    """The first page whose text holds the words."""
    pages = int(re.search(r'Pages:\s+(\d+)', run(['pdfinfo', pdf])).group(1))
    for page in range(1, pages + 1):
        if text in run(['pdftotext', '-f', str(page), '-l', str(page), pdf, '-']):
            return page
    raise SystemExit('no page holds ' + text)


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    maker = os.path.abspath(sys.argv[1])
    pic = os.path.join(CHECKOUT, 'config', 'pic')
    presets = os.path.join(pic, 'YearlyCalendar')
    samples = os.path.join(pic, 'samples')
    os.makedirs(presets, exist_ok=True)
    os.makedirs(samples, exist_ok=True)
    ini = os.path.join(presets, 'YearlyCalendarStyle.ini')
    write_presets(ini)
    with tempfile.TemporaryDirectory() as folder:
        # Half a year of diary from 10 January: the first days show the style of days outside it.
        short_range = {'Month_Start': 1, 'Day_Start': 10, 'Month_End': 6, 'Day_End': 30, 'ShowAllMonths': 1,
                       'MonthOfCale_bAddMonthOfCalendar': 0, 'Config_YearPlanner': 0}
        for index, values in enumerate(read_presets(ini)):
            keys = dict(short_range, **{'Calendar_' + key: value for key, value in values.items()})
            pdf = make_pdf(maker, design_with(keys, folder, 'preset%d' % (index + 1)), folder)
            picture(pdf, 1, 221, 163, first_half_year).write(os.path.join(presets, '%d.bmp' % (index + 1)))
        sample = design_with({}, folder, 'sample')
        sign = month_calendar_sign(sample)
        pdf = make_pdf(maker, sample, folder)
        month = page_of(pdf, '月日历')
        day = page_of(pdf, '2026-01-01')
        picture(pdf, 1, 510, 550, whole_page).write(os.path.join(samples, '300.bmp'))
        picture(pdf, 2, 513, 614, whole_page).write(os.path.join(samples, '296.bmp'))
        picture(pdf, month, 507, 587, whole_page, sign).write(os.path.join(samples, '304.bmp'))
        picture(pdf, month, 332, 84, table_top(84 / 332), sign).write(os.path.join(samples, '277.bmp'))
        picture(pdf, day, 683, 203, top_of(203 / 683)).write(os.path.join(samples, '302.bmp'))


if __name__ == '__main__':
    main()
