#!/usr/bin/env python3
"""Draws the programs' icons: three book spines with their white call-number
labels for lomos, a sheet of labels with barcodes and text lines for fichas.

    tools/make-icons.py windows   lomos.ico, fichas.ico (16 to 256 pixels)
    tools/make-icons.py icons     NAME.svg and hicolor/SIZExSIZE/apps/NAME.png

The drawing is a list of filled boxes, so the SVG and the PNG images show
the same picture at every size.
"""
import struct
import sys
import zlib

INK = (0x1F, 0x2A, 0x44, 255)
PAPER = (0xFB, 0xF8, 0xF0, 255)
NAVY = (0x24, 0x3B, 0x6B, 255)
RED = (0xA8, 0x32, 0x32, 255)
GREEN = (0x2F, 0x6B, 0x3A, 255)
GOLD = (0xC8, 0x9B, 0x3C, 255)
CLEAR = (0, 0, 0, 0)


class Canvas(list):
    def __init__(self, size):
        super().__init__([CLEAR] * size for _ in range(size))
        self.boxes = []


def canvas(size):
    return Canvas(size)


def rect(img, x0, y0, x1, y1, colour):
    """Fills the box given in 0..1 of the icon's size."""
    img.boxes.append((x0, y0, x1, y1, colour))
    n = len(img)
    for y in range(round(y0 * n), round(y1 * n)):
        for x in range(round(x0 * n), round(x1 * n)):
            img[y][x] = colour


def svg(img):
    shapes = "".join(
        f'<rect x="{x0 * 256:.1f}" y="{y0 * 256:.1f}" width="{(x1 - x0) * 256:.1f}" '
        f'height="{(y1 - y0) * 256:.1f}" fill="#{c[0]:02x}{c[1]:02x}{c[2]:02x}"/>\n'
        for x0, y0, x1, y1, c in img.boxes)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            + shapes + "</svg>\n")


def lomos(n):
    img = canvas(n)
    for i, (colour, top) in enumerate([(NAVY, 0.08), (RED, 0.16), (GREEN, 0.04)]):
        x = 0.08 + i * 0.30
        rect(img, x, top, x + 0.26, 0.96, colour)
        rect(img, x + 0.04, 0.56, x + 0.22, 0.84, PAPER)  # the spine label
        for line in range(3):
            y = 0.60 + line * 0.08
            rect(img, x + 0.07, y, x + 0.19, y + 0.03, INK)
        rect(img, x, top + 0.08, x + 0.26, top + 0.12, GOLD)
    return img


def fichas(n):
    img = canvas(n)
    rect(img, 0.06, 0.04, 0.94, 0.96, INK)
    rect(img, 0.09, 0.07, 0.91, 0.93, PAPER)
    for row in range(3):
        y = 0.12 + row * 0.28
        rect(img, 0.14, y, 0.86, y + 0.22, (0xEE, 0xE8, 0xD8, 255))
        for bar in range(9):  # a barcode
            x = 0.17 + bar * 0.035
            rect(img, x, y + 0.03, x + (0.02 if bar % 3 else 0.012), y + 0.10, INK)
        rect(img, 0.52, y + 0.04, 0.82, y + 0.07, NAVY)
        rect(img, 0.52, y + 0.12, 0.76, y + 0.15, NAVY)
        rect(img, 0.17, y + 0.14, 0.42, y + 0.17, RED)
    return img


def png(img):
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in img)
    chunk = lambda kind, data: (struct.pack(">I", len(data)) + kind + data +
                                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    n = len(img)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(draw):
    images = [png(draw(n)) for n in (16, 32, 48, 256)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip((16, 32, 48, 256), images):
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    import os
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    for name, draw in (("lomos", lomos), ("fichas", fichas)):
        if os.path.basename(folder.rstrip("/")) == "windows":
            with open(f"{folder}/{name}.ico", "wb") as f:
                f.write(ico(draw))
            continue
        with open(f"{folder}/{name}.svg", "w") as f:
            f.write(svg(draw(256)))
        for n in (16, 22, 24, 32, 48, 64, 128, 256):
            os.makedirs(f"{folder}/hicolor/{n}x{n}/apps", exist_ok=True)
            with open(f"{folder}/hicolor/{n}x{n}/apps/{name}.png", "wb") as f:
                f.write(png(draw(n)))
