#!/usr/bin/python3
"""Draws the program icon: an orange keycap with a T on a dark tile, written as a Windows .ico.

Drawn from shapes only (no fonts), so every build makes the same bytes.
Usage: make_icon.py OUTPUT.ico
"""
import io
import struct
import sys

from PIL import Image, ImageDraw

DARK = (30, 30, 34, 255)
EDGE = (70, 70, 78, 255)
ORANGE = (255, 175, 0, 255)
FACE = (48, 44, 40, 255)


def draw(size=256):
    s = size / 256
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    box = lambda x0, y0, x1, y1: [round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1]
    d.rounded_rectangle(box(8, 8, 248, 248), radius=round(40 * s), fill=DARK, outline=EDGE, width=max(1, round(4 * s)))
    d.rounded_rectangle(box(44, 52, 212, 220), radius=round(24 * s), fill=ORANGE)
    d.rounded_rectangle(box(60, 60, 196, 196), radius=round(18 * s), fill=FACE)
    d.rectangle(box(84, 84, 172, 108), fill=ORANGE)   # the T's bar
    d.rectangle(box(116, 84, 140, 176), fill=ORANGE)  # and its stem
    return img


def dib(img):
    """A 32-bit icon image: header, bottom-up BGRA rows, then the 1-bit AND mask."""
    w, h = img.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    px = img.load()
    colour = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            colour += bytes((b, g, r, a))
    stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if px[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(colour) + bytes(mask)


def main(path):
    big = draw(256)
    entries = []
    for size in (16, 24, 32, 48, 256):
        # Small sizes are drawn afresh rather than scaled, so their edges stay crisp.
        img = big if size == 256 else draw(size)
        if size == 256:
            buf = io.BytesIO()
            img.save(buf, "PNG", optimize=False)
            data = buf.getvalue()
        else:
            data = dib(img)
        entries.append((size, data))

    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        dim = 0 if size == 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1])
