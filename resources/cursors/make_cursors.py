#!/usr/bin/env python3
"""Draws the program's tool cursors as 32x32 XPM images (C arrays that the tools library
includes). Each cursor is a small cross-hair at the hot spot with a picture of the tool
beside it, black with a white rim so it shows on any colour. Run it to regenerate."""
import math
import os

SIZE = 32
HOT = (4, 4)


def blank():
    return [[' '] * SIZE for _ in range(SIZE)]


def put(img, x, y):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = '#'


def line(img, x0, y0, x1, y1):
    n = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(n + 1):
        put(img, round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n))


def rect(img, l, t, r, b, fill=False):
    for y in range(t, b + 1):
        for x in range(l, r + 1):
            if fill or x in (l, r) or y in (t, b):
                put(img, x, y)


def ellipse(img, l, t, r, b, fill=False):
    cx, cy, rx, ry = (l + r) / 2, (t + b) / 2, (r - l) / 2, (b - t) / 2
    for y in range(t, b + 1):
        for x in range(l, r + 1):
            d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
            if d <= 1.0 and (fill or d >= 0.55):
                put(img, x, y)


def dashed(img, l, t, r, b):
    for x in range(l, r + 1):
        if x % 2 == 0:
            put(img, x, t); put(img, x, b)
    for y in range(t, b + 1):
        if y % 2 == 0:
            put(img, l, y); put(img, r, y)


def cross(img):
    x, y = HOT
    for d in range(-4, 5):
        if d:
            put(img, x + d, y); put(img, x, y + d)


def pencil(img):
    line(img, 12, 28, 27, 13); line(img, 14, 29, 29, 14); line(img, 27, 13, 29, 14)
    line(img, 12, 28, 14, 29); put(img, 12, 29); put(img, 11, 30)


def glyph(name, img):
    g = {
        'CR_TDRAWDOT': lambda: pencil(img),
        'CR_TDRAWLINE': lambda: line(img, 12, 28, 28, 12),
        'CR_TDRAWRECT': lambda: rect(img, 12, 14, 28, 27),
        'CR_TFILLRECT': lambda: rect(img, 12, 14, 28, 27, True),
        'CR_TDRAWELLIPSE': lambda: ellipse(img, 12, 13, 28, 28),
        'CR_TFILLELLIPSE': lambda: ellipse(img, 12, 13, 28, 28, True),
        'CR_TDRAWBEZIER': lambda: [put(img, 12 + i, round(20 + 7 * math.sin(i / 16 * 2 * math.pi))) for i in range(17)],
        'CR_TDRAWSPRAY': lambda: [put(img, 14 + (i * 7) % 13, 14 + (i * 5) % 13) for i in range(24)] + [rect(img, 24, 24, 28, 30, True)],
        'CR_TFILL': lambda: [rect(img, 13, 18, 23, 28), line(img, 13, 18, 18, 13), line(img, 18, 13, 23, 18), put(img, 26, 24), put(img, 26, 25), put(img, 25, 26), put(img, 26, 26), put(img, 27, 26)],
        'CR_TDRAWEDGE': lambda: [rect(img, 12, 14, 28, 28), rect(img, 15, 17, 25, 25)],
        'CR_TDRAWLIBRARY': lambda: [rect(img, 13, 13, 27, 28), line(img, 16, 17, 24, 17), line(img, 16, 21, 24, 21), line(img, 16, 25, 22, 25)],
        'CR_TANIMATION': lambda: [rect(img, 12, 14, 28, 27), rect(img, 14, 16, 19, 25), rect(img, 21, 16, 26, 25)],
        'CR_TSELECTRECT': lambda: dashed(img, 12, 14, 28, 28),
        'CR_TSELECTELLIPSE': lambda: [put(img, x, y) for (x, y) in ellipse_points(12, 13, 28, 28)],
        'CR_TSELECTPARALLELOGRAM': lambda: [line(img, 16, 14, 28, 14), line(img, 28, 14, 24, 28), line(img, 24, 28, 12, 28), line(img, 12, 28, 16, 14)],
        'CR_TSELECTPOLY': lambda: [line(img, 13, 27, 17, 13), line(img, 17, 13, 28, 19), line(img, 28, 19, 21, 28), line(img, 21, 28, 13, 27)],
        'CR_TSELECTREGION': lambda: [put(img, round(20 + 8 * math.cos(a / 10)), round(20 + 6 * math.sin(a / 10) + math.sin(a / 3))) for a in range(0, 63, 2)],
        'CR_TSELECTBORDER': lambda: [rect(img, 12, 14, 28, 28), dashed(img, 15, 17, 25, 25)],
        'CR_TSELECTSURFACE': lambda: [line(img, 12, 29, 24, 17), line(img, 13, 29, 25, 17), put(img, 26, 13), put(img, 28, 16), put(img, 23, 13), put(img, 28, 19)],
        'CR_TSELECTCOLORS': lambda: [rect(img, 12, 14, 18, 20, True), rect(img, 21, 14, 27, 20), rect(img, 12, 23, 18, 29), rect(img, 21, 23, 27, 29, True)],
        'CR_GETCOLOR': lambda: [line(img, 12, 28, 24, 16), line(img, 13, 29, 25, 17), rect(img, 24, 11, 28, 15, True)],
        'CR_MOVE': lambda: [line(img, 20, 12, 20, 28), line(img, 12, 20, 28, 20), line(img, 17, 15, 20, 12), line(img, 23, 15, 20, 12), line(img, 17, 25, 20, 28), line(img, 23, 25, 20, 28), line(img, 15, 17, 12, 20), line(img, 15, 23, 12, 20), line(img, 25, 17, 28, 20), line(img, 25, 23, 28, 20)],
    }
    g[name]()


def ellipse_points(l, t, r, b):
    cx, cy, rx, ry = (l + r) / 2, (t + b) / 2, (r - l) / 2, (b - t) / 2
    return [(round(cx + rx * math.cos(a * math.pi / 16)), round(cy + ry * math.sin(a * math.pi / 16))) for a in range(0, 32, 2)]


def rim(img):
    out = [row[:] for row in img]
    for y in range(SIZE):
        for x in range(SIZE):
            if img[y][x] == ' ' and any(0 <= x + dx < SIZE and 0 <= y + dy < SIZE and img[y + dy][x + dx] == '#'
                                        for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                out[y][x] = '.'
    return out


NAMES = ['CR_TANIMATION', 'CR_TDRAWBEZIER', 'CR_TDRAWDOT', 'CR_TDRAWEDGE', 'CR_TDRAWELLIPSE', 'CR_TDRAWLIBRARY',
         'CR_TDRAWLINE', 'CR_TDRAWRECT', 'CR_TDRAWSPRAY', 'CR_TFILL', 'CR_TFILLELLIPSE', 'CR_TFILLRECT',
         'CR_TSELECTBORDER', 'CR_TSELECTCOLORS', 'CR_TSELECTELLIPSE', 'CR_TSELECTPARALLELOGRAM', 'CR_TSELECTPOLY',
         'CR_TSELECTRECT', 'CR_TSELECTREGION', 'CR_TSELECTSURFACE', 'CR_MOVE', 'CR_GETCOLOR']


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name in NAMES:
        img = blank()
        cross(img)
        glyph(name, img)
        img = rim(img)
        ident = name.lower()
        rows = ''.join(f'"{"".join(r)}",\n' for r in img)
        text = (f'/* {name}: drawn by make_cursors.py for Pixmo3; hot spot {HOT[0]},{HOT[1]} */\n'
                f'static const char* const {ident}_xpm[] = {{\n"{SIZE} {SIZE} 3 1",\n'
                f'"  c None",\n". c #FFFFFF",\n"# c #000000",\n{rows}}};\n')
        with open(os.path.join(here, ident + '.xpm'), 'w') as f:
            f.write(text)


if __name__ == '__main__':
    main()
