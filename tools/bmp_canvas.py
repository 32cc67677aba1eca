"""Our painter for the shipped pictures: a pixel canvas that draws fills, frames, lines and discs
and writes itself as a 24-bit .bmp (and reads one back). The picture scripts under tools/ draw
with it."""
import struct

MASK = (100, 100, 100)   # the colour the program's image lists show as transparent


def colour_of(text):
    """The colour of six hexadecimal digits, red first, as the program stores colours."""
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


class Canvas:
    def __init__(self, width=32, height=32, background=MASK):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    @classmethod
    def read(cls, path):
        """A canvas holding a 24-bit .bmp as `write` makes it."""
        data = open(path, 'rb').read()
        offset, = struct.unpack_from('<I', data, 10)
        width, height, _, bits = struct.unpack_from('<iiHH', data, 18)
        if bits != 24:
            raise ValueError('%s is not a 24-bit picture' % path)
        canvas = cls(width, abs(height))
        row_bytes = (width * 3 + 3) // 4 * 4
        for y in range(abs(height)):
            start = offset + (abs(height) - 1 - y if height > 0 else y) * row_bytes
            canvas.pixels[y] = [tuple(reversed(data[start + x * 3:start + x * 3 + 3])) for x in range(width)]
        return canvas

    def get(self, x, y):
        return self.pixels[y][x]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, colour)

    def frame(self, left, top, right, bottom, colour):
        for x in range(left, right):
            self.put(x, top, colour)
            self.put(x, bottom - 1, colour)
        for y in range(top, bottom):
            self.put(left, y, colour)
            self.put(right - 1, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = x0 + (x1 - x0) * i / steps
            y = y0 + (y1 - y0) * i / steps
            for dx in range(width):
                for dy in range(width):
                    self.put(int(round(x)) + dx, int(round(y)) + dy, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(self.height):
            for x in range(self.width):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.put(x, y, colour)

    def ring(self, cx, cy, radius, colour, width=1):
        for y in range(self.height):
            for x in range(self.width):
                distance = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if radius - width < distance <= radius:
                    self.put(x, y, colour)

    def write(self, path):
        row_bytes = (self.width * 3 + 3) // 4 * 4   # rows are padded to four bytes
        image = bytearray()
        for y in reversed(range(self.height)):     # a .bmp stores its rows from the bottom up
            row = bytearray()
            for r, g, b in self.pixels[y]:
                row += bytes((b, g, r))
            image += row + bytes(row_bytes - len(row))
        header = struct.pack('<2sIHHI', b'BM', 54 + len(image), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
        with open(path, 'wb') as out:
            out.write(header + info + image)
