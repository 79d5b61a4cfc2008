#!/usr/bin/env python3
"""Compares a PDF made on Windows (under Wine) with the one the Linux build
makes of the same labels: the same words on the same pages, each within
0.1 mm, judged by pdftotext's boxes (left edge and bottom: pdftotext reads a
word's top from the embedded font's metrics, which differ under Wine) and by
the ink of both PDFs rendered at 600 dpi (top and left edge of each word's
ink). Also checks that the fonts embedded are the metric twins the Linux
build uses. Prints the worst distances; exits 1 when a check fails.

    compare_pdfs.py LINUX.pdf WINDOWS.pdf
    compare_pdfs.py --printed LINUX.pdf PRINTED.pdf

With --printed, the second PDF is what the print spooler wrote of a job
printed through Windows' print path, where the text is drawn but may not be
searchable: only the ink is compared, at the top of each label (the words
with nothing drawn within 4 mm above them), within 0.5 mm.
"""
import re
import subprocess
import sys
import tempfile
import zlib

TOLERANCE_MM = 0.1
DPI = 600
MM_PER_POINT = 25.4 / 72


def words(pdf):
    out = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True,
                         check=True).stdout
    found, page = [], 0
    for line in out.splitlines():
        page += "<page " in line
        m = re.search(r'xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)<',
                      line)
        if m:
            found.append((page, m[5], *map(float, m.groups()[:4])))
    return sorted(found)


def pages(pdf):
    """The pages rendered in grey, as (width, height, bytes) each."""
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", pdf, f"{folder}/p"], check=True)
        rendered = []
        for n in range(1, 1000):
            try:
                data = open(f"{folder}/p-{n}.pgm", "rb").read()
            except FileNotFoundError:
                try:
                    data = open(f"{folder}/p-{n:02d}.pgm", "rb").read()
                except FileNotFoundError:
                    break
            header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
            rendered.append((int(header[1]), int(header[2]), data[header.end():]))
        return rendered


def ink(page, box):
    """The top and left edge, in mm, of the ink inside a word's box."""
    width, height, pixels = page
    px = lambda points: int(points / 72 * DPI)
    x0, y0, x1, y1 = max(px(box[0]) - 4, 0), max(px(box[1]) - 4, 0), px(box[2]) + 4, px(box[3]) + 4
    dark = lambda x, y: pixels[y * width + x] < 128
    top = next((y for y in range(y0, min(y1, height)) if any(dark(x, y) for x in range(x0, min(x1, width)))), None)
    left = next((x for x in range(x0, min(x1, width)) if any(dark(x, y) for y in range(y0, min(y1, height)))), None)
    mm = lambda p: None if p is None else p / DPI * 25.4
    return mm(top), mm(left)


def embedded_font_names(pdf):
    data = open(pdf, "rb").read()
    names = set()
    for stream in re.finditer(rb"stream\r?\n(.*?)endstream", data, re.S):
        try:
            raw = zlib.decompress(stream[1])
        except zlib.error:
            continue
        names.update(n.decode() for n in re.findall(rb"Liberation [A-Za-z ]+", raw))
        names.update(n.decode("utf-16-be") for n in re.findall(rb"(?:\0[A-Za-z ]){6,}", raw)
                     if b"L\0i\0b" in n or n.startswith(b"\0L\0i\0b"))
    return {n.strip() for n in names if n.strip().startswith("Liberation")}


def main(linux_pdf, windows_pdf):
    ok = True
    a, b = words(linux_pdf), words(windows_pdf)
    if [(w[0], w[1]) for w in a] != [(w[0], w[1]) for w in b]:
        print(f"different words: {len(a)} on Linux, {len(b)} on Windows")
        return 1
    dx = max(abs(p[2] - q[2]) for p, q in zip(a, b)) * MM_PER_POINT
    dbottom = max(abs(p[5] - q[5]) for p, q in zip(a, b)) * MM_PER_POINT
    linux_pages, windows_pages = pages(linux_pdf), pages(windows_pdf)
    dink = 0
    for p, q in zip(a, b):
        top_a, left_a = ink(linux_pages[p[0] - 1], p[2:])
        top_b, left_b = ink(windows_pages[q[0] - 1], p[2:])
        if None in (top_a, left_a, top_b, left_b):
            print(f"no ink for {p[1]} on page {p[0]}")
            ok = False
            continue
        dink = max(dink, abs(top_a - top_b), abs(left_a - left_b))
    print(f"{len(a)} words on {len(linux_pages)} pages; worst: box left {dx:.3f} mm, "
          f"box bottom {dbottom:.3f} mm, ink {dink:.3f} mm")
    fonts = embedded_font_names(windows_pdf)
    print("fonts embedded on Windows: " + (", ".join(sorted(fonts)) or "none named Liberation"))
    ok = ok and max(dx, dbottom, dink) <= TOLERANCE_MM and bool(fonts)
    return 0 if ok else 1


def printed(linux_pdf, printed_pdf):
    a = words(linux_pdf)
    linux_pages, printed_pages = pages(linux_pdf), pages(printed_pdf)
    if len(linux_pages) != len(printed_pages):
        print(f"{len(linux_pages)} pages on Linux, {len(printed_pages)} printed")
        return 1
    mm = 72 / 25.4
    above = lambda v, w: v[0] == w[0] and v[4] > w[2] and v[2] < w[4] and 0 <= w[3] - v[5] < 4 * mm
    tops = [w for w in a if not any(above(v, w) for v in a if v is not w)]
    dx, dy = [], []
    for w in tops:
        box = (w[2] - 1.5 * mm, w[3] - 1.5 * mm, w[4] + 1.5 * mm, w[5])
        top_a, left_a = ink(linux_pages[w[0] - 1], box)
        top_b, left_b = ink(printed_pages[w[0] - 1], box)
        if None in (top_a, left_a, top_b, left_b):
            print(f"no ink for {w[1]} on page {w[0]}")
            return 1
        dx.append(left_b - left_a)
        dy.append(top_b - top_a)
    worst = max(map(abs, dx + dy))
    print(f"{len(tops)} label tops on {len(linux_pages)} pages; printed minus Linux: "
          f"x {min(dx):+.3f} to {max(dx):+.3f} mm, y {min(dy):+.3f} to {max(dy):+.3f} mm")
    return 0 if worst <= 0.5 else 1


if __name__ == "__main__":
    if sys.argv[1] == "--printed":
        sys.exit(printed(*sys.argv[2:4]))
    sys.exit(main(*sys.argv[1:3]))
