#!/usr/bin/env python3
"""Draws the program's icon (32 x 32) and the About box picture, both in 16 colours.

The picture is 107 x 73 at 96 DPI; it is drawn four times as large (428 x 292), and the program
scales it down to the display's DPI. Writes src/app/res/nerolith.ico and src/app/res/about.bmp;
run it from anywhere.
"""
import pathlib
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None  # a transparent icon pixel

# 3 x 5 glyphs: each string is one row, '#' is ink.
GLYPHS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", ".##", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "+": ["...", ".#.", "###", ".#.", "..."],
    "-": ["...", "...", "###", "...", "..."],
    "=": ["...", "###", "...", "###", "..."],
    "x": ["...", "#.#", ".#.", "#.#", "..."],
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "[": ["##.", "#..", "#..", "#..", "##."],
    "]": [".##", "..#", "..#", "..#", ".##"],
}


PICTURE_SCALE = 4


class Canvas:
    """Pixels drawn in units of `scale` pixels."""

    def __init__(self, width, height, fill, scale=1):
        self.scale = scale
        self.width, self.height = width * scale, height * scale
        self.pixels = [[fill] * self.width for _ in range(self.height)]

    def rect(self, x, y, w, h, colour):
        s = self.scale
        for row in range(y * s, (y + h) * s):
            for col in range(x * s, (x + w) * s):
                self.pixels[row][col] = colour

    def frame(self, x, y, w, h, colour):
        self.rect(x, y, w, 1, colour)
        self.rect(x, y + h - 1, w, 1, colour)
        self.rect(x, y, 1, h, colour)
        self.rect(x + w - 1, y, 1, h, colour)

    def raised(self, x, y, w, h, face):
        """A key: light top-left edge, dark bottom-right edge."""
        self.rect(x, y, w, h, face)
        self.rect(x, y, w, 1, WHITE)
        self.rect(x, y, 1, h, WHITE)
        self.rect(x, y + h - 1, w, 1, BLACK)
        self.rect(x + w - 1, y, 1, h, BLACK)

    def text(self, x, y, text, colour):
        for glyph in text:
            if glyph != " ":
                for row, line in enumerate(GLYPHS[glyph]):
                    for col, ink in enumerate(line):
                        if ink == "#":
                            self.rect(x + col, y + row, 1, 1, colour)
            x += 4


def calculator(canvas, x, y, w, h, display, display_h):
    """A calculator body with a display showing `display` and a 4 x 4 key grid."""
    canvas.rect(x + 1, y, w - 2, h, NAVY)
    canvas.rect(x, y + 1, w, h - 2, NAVY)
    canvas.rect(x + 2, y + 2, w - 4, 1, BLUE)
    canvas.rect(x + 2, y + 3, w - 4, display_h, BLACK)
    canvas.rect(x + 3, y + 4, w - 6, display_h - 2, LIME)
    width = 4 * len(display) - 1
    canvas.text(x + w - 4 - width, y + 4 + (display_h - 2 - 5) // 2, display, BLACK)
    top = y + display_h + 5
    gap = 1
    step_x = (w - 4 + gap) // 4
    step_y = (h - (top - y) - 2 + gap) // 4
    for row in range(4):
        for col in range(4):
            face = SILVER
            if col == 3:
                face = YELLOW
            if row == 3 and col == 3:
                face = RED
            canvas.raised(x + 2 + col * step_x, top + row * step_y, step_x - gap, step_y - gap, face)


def icon():
    canvas = Canvas(32, 32, CLEAR)
    calculator(canvas, 4, 0, 24, 32, "12", display_h=9)
    return canvas


def picture():
    canvas = Canvas(107, 73, SILVER, PICTURE_SCALE)
    canvas.rect(0, 0, 107, 73, TEAL)
    canvas.frame(0, 0, 107, 73, BLACK)
    calculator(canvas, 6, 6, 40, 61, "157", display_h=11)
    # A 2 x 2 matrix and a solved equation on a sheet of paper.
    canvas.rect(52, 8, 49, 57, WHITE)
    canvas.frame(52, 8, 49, 57, GRAY)
    canvas.text(56, 12, "A=", NAVY)
    canvas.text(64, 12, "[", BLACK)
    canvas.text(68, 12, "1 2", MAROON)
    canvas.text(82, 12, "]", BLACK)
    canvas.text(64, 19, "[", BLACK)
    canvas.text(68, 19, "3 4", MAROON)
    canvas.text(82, 19, "]", BLACK)
    canvas.rect(56, 28, 41, 1, GRAY)
    canvas.text(56, 33, "2x+1=5", NAVY)
    canvas.text(56, 41, "x=2", RED)
    canvas.rect(56, 50, 41, 1, GRAY)
    canvas.text(56, 55, "7-3=4", GREEN)
    return canvas


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def packed_rows(canvas):
    """4-bit pixel rows, bottom row first, each padded to 4 bytes."""
    stride = ((canvas.width * 4 + 31) // 32) * 4
    data = bytearray()
    for row in reversed(canvas.pixels):
        line = bytearray(stride)
        for col, colour in enumerate(row):
            value = BLACK if colour is CLEAR else colour
            line[col // 2] |= value << (0 if col % 2 else 4)
        data += line
    return bytes(data)


def mask_rows(canvas):
    """1-bit transparency mask rows, bottom row first, each padded to 4 bytes."""
    stride = ((canvas.width + 31) // 32) * 4
    data = bytearray()
    for row in reversed(canvas.pixels):
        line = bytearray(stride)
        for col, colour in enumerate(row):
            if colour is CLEAR:
                line[col // 8] |= 0x80 >> (col % 8)
        data += line
    return bytes(data)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def ico_file(canvas):
    image = packed_rows(canvas) + mask_rows(canvas)
    body = info_header(canvas.width, canvas.height * 2, len(image)) + palette_bytes() + image
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", canvas.width, canvas.height, 16, 0, 1, 4, len(body), 22)
    return directory + entry + body


def bmp_file(canvas):
    image = packed_rows(canvas)
    offset = 14 + 40 + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info_header(canvas.width, canvas.height, len(image)) + palette_bytes() + image


def main():
    folder = pathlib.Path(__file__).resolve().parent.parent / "src" / "app" / "res"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "nerolith.ico").write_bytes(ico_file(icon()))
    (folder / "about.bmp").write_bytes(bmp_file(picture()))


if __name__ == "__main__":
    main()
