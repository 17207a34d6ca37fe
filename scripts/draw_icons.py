#!/usr/bin/env python3
"""Draws the program's two pictures and writes them into resources/.

- resources/tallyvane.ico, icon group 128: the program icon, a rounded indigo
  tile with two opposed arrows over a gold ruler.  Three images: 16x16 and
  32x32 in 256 colours, 64x64 in 24-bit colour, each with its transparency
  (AND) mask.
- resources/rule.bmp, bitmap 106: the 230x4 rule under the "Display Options"
  heading (also used as a divider in a few other dialogs), 24-bit colour.

Both are drawn from shapes defined here, sampled several times per pixel so
that slanted edges are smoothed.  Standard library only; the output depends on
nothing but this file, so running it again reproduces the committed files byte
for byte:

    python3 scripts/draw_icons.py            (writes them)
    python3 scripts/draw_icons.py --check    (fails if either differs from what is drawn here)
"""

import os
import sys

from icon_images import Polygon, bmp24_file, differing, icon_file, icon_image, render_colour

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "resources")


# --- Shapes, in pixels of the image being drawn (see icon_images.py) ---------

class Rect:
    def __init__(self, x0, y0, x1, y1, paint):
        self.box = (x0, y0, x1, y1)
        self.paint = paint

    def contains(self, x, y):
        x0, y0, x1, y1 = self.box
        return x0 <= x < x1 and y0 <= y < y1


class RoundRect(Rect):
    def __init__(self, x0, y0, x1, y1, radius, paint):
        super().__init__(x0, y0, x1, y1, paint)
        self.radius = radius

    def contains(self, x, y):
        x0, y0, x1, y1 = self.box
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        r = self.radius
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def solid(rgb):
    return lambda x, y: rgb


def vertical_gradient(top_rgb, bottom_rgb, y0, y1):
    def paint(x, y):
        t = min(max((y - y0) / (y1 - y0), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(top_rgb, bottom_rgb))
    return paint


# --- The icon's design ------------------------------------------------------

TILE_EDGE = (44, 34, 120)
TILE_TOP = (124, 116, 244)
TILE_BOTTOM = (62, 48, 176)
ARROW = (255, 255, 255)
RULER = (255, 206, 84)
RULER_EDGE = (196, 136, 24)
TICK = (52, 40, 132)


def arrow(tip_x, centre_y, tail_x, shaft_half, head_len, head_half, paint):
    """An arrow along a row, pointing at tip_x (left or right of tail_x)."""
    d = 1 if tip_x > tail_x else -1
    base = tip_x - d * head_len
    return Polygon([
        (tail_x, centre_y - shaft_half),
        (base, centre_y - shaft_half),
        (base, centre_y - head_half),
        (tip_x, centre_y),
        (base, centre_y + head_half),
        (base, centre_y + shaft_half),
        (tail_x, centre_y + shaft_half),
    ], paint)


def tile(size, radius):
    """Dark outline, then the gradient face one pixel inside it."""
    inset = max(1, size // 32)
    return [
        RoundRect(0, 0, size, size, radius, solid(TILE_EDGE)),
        RoundRect(inset, inset, size - inset, size - inset, radius - inset,
                  vertical_gradient(TILE_TOP, TILE_BOTTOM, 0, size)),
    ]


def ruler(x0, y0, x1, y1, ticks):
    """A gold bar with a darker lower edge and indigo ticks hanging from its top.

    ticks: (x, width, length) triples in pixels.
    """
    edge = max(1, round((y1 - y0) / 5))
    shapes = [Rect(x0, y0, x1, y1, solid(RULER_EDGE)),
              Rect(x0, y0, x1, y1 - edge, solid(RULER))]
    for x, w, length in ticks:
        shapes.append(Rect(x, y0, x + w, y0 + length, solid(TICK)))
    return shapes


def pixel_arrows_16():
    """Two opposed arrows with 1-pixel shafts and stepped 5-pixel heads."""
    white = solid(ARROW)
    right = [Rect(3, 4, 10, 5, white), Rect(10, 2, 11, 7, white),
             Rect(11, 3, 12, 6, white), Rect(12, 4, 13, 5, white)]
    left = [Rect(6, 8, 13, 9, white), Rect(5, 6, 6, 11, white),
            Rect(4, 7, 5, 10, white), Rect(3, 8, 4, 9, white)]
    return right + left


def icon_shapes(size):
    """The shapes of the icon at one size, bottom layer first.

    The 16-pixel image has its own layout so that its lines sit on whole
    pixels; the larger ones are the 32-pixel layout scaled, with finer ticks.
    """
    if size == 16:
        return (tile(16, 3.5) + pixel_arrows_16()
                + ruler(2, 12, 14, 15, [(x, 1, 1) for x in (3, 5, 7, 8, 10, 12)]))
    k = size // 32
    shapes = tile(size, 7 * k)
    shapes.append(arrow(26.5 * k, 8.5 * k, 6 * k, 1.5 * k, 6.5 * k, 5 * k, solid(ARROW)))
    shapes.append(arrow(5.5 * k, 17.5 * k, 26 * k, 1.5 * k, 6.5 * k, 5 * k, solid(ARROW)))
    # One-pixel ticks at every grid unit (64 px) or every other one (32 px):
    # long at both ends and the middle, middle-length half-way between.
    ticks = []
    for u in range(6, 27, 1 if size == 64 else 2):
        length = 3 if (u - 6) % 10 == 0 else 2 if (u - 6) % 5 == 0 else 1
        ticks.append((u * k, 1, length * k))
    shapes += ruler(4 * k, 24 * k, 28 * k, 29 * k, ticks)
    return shapes


# --- Palette for the 256-colour images ---------------------------------------

def median_cut(counts, boxes_wanted):
    """Reduces a {colour: count} table to at most boxes_wanted colours."""
    boxes = [list(counts.items())]
    while len(boxes) < boxes_wanted:
        best, best_span, best_channel = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                vals = [c[ch] for c, _ in box]
                span = max(vals) - min(vals)
                if span > best_span:
                    best, best_span, best_channel = i, span, ch
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda item: item[0][best_channel])
        total = sum(n for _, n in box)
        run, cut = 0, 1
        for cut in range(1, len(box)):
            run += box[cut - 1][1]
            if run * 2 >= total:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(c[ch] * n for c, n in box) / total))
                             for ch in range(3)))
    return palette


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def icon_image_8bit(pixels):
    counts = {}
    for row in pixels:
        for r, g, b, opaque in row:
            if opaque:
                counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    # Index 0 stays black: transparent pixels use it, as the screen XORs them.
    palette = [(0, 0, 0)] + median_cut(counts, 255)
    lookup = {c: nearest(palette, c) for c in counts}
    rows = [bytes(lookup[p[:3]] if p[3] else 0 for p in row) for row in pixels]
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    table += bytes(4 * (256 - len(palette)))
    return icon_image(rows, 8, transparent(pixels), table, 256)


def icon_image_24bit(pixels):
    rows = [b"".join(bytes((b, g, r)) if opaque else b"\0\0\0" for r, g, b, opaque in row)
            for row in pixels]
    return icon_image(rows, 24, transparent(pixels))


def transparent(pixels):
    return [[not p[3] for p in row] for row in pixels]



# --- The rule -----------------------------------------------------------------

RULE_WIDTH, RULE_HEIGHT = 230, 4
RULE_LEFT = (72, 52, 172)     # deep blue-violet
RULE_RIGHT = (150, 142, 232)  # soft violet, still darker than the windows' light end


def rule_pixels():
    """A bevelled line: a darker top row, two body rows and a pale highlight
    row, fading from deep blue-violet at the left to soft violet at the right."""
    rows = []
    for y in range(RULE_HEIGHT):
        row = []
        for x in range(RULE_WIDTH):
            t = (x / (RULE_WIDTH - 1)) ** 0.8
            body = [a + (b - a) * t for a, b in zip(RULE_LEFT, RULE_RIGHT)]
            if y == 0:
                c = [body[0] * 0.8, body[1] * 0.8, body[2] * 0.9]
            elif y == RULE_HEIGHT - 1:
                c = [v + (255 - v) * 0.6 for v in body]
            else:
                c = body
            row.append(tuple(int(round(v)) for v in c))
        rows.append(row)
    return rows


def outputs():
    """{path: bytes} of both files."""
    images = []
    for size, bit_count in ((16, 8), (32, 8), (64, 24)):
        pixels = render_colour(icon_shapes(size), size, size, 8 if size < 64 else 6)
        data = icon_image_8bit(pixels) if bit_count == 8 else icon_image_24bit(pixels)
        images.append((size, bit_count, data))
    return {os.path.join(OUT_DIR, "tallyvane.ico"): icon_file(images),
            os.path.join(OUT_DIR, "rule.bmp"): bmp24_file(rule_pixels())}


def main(argv):
    files = outputs()
    if "--check" in argv[1:]:
        stale = differing(files, ROOT)
        if stale:
            sys.exit("draw_icons: not as drawn here, run scripts/draw_icons.py: " + ", ".join(stale))
        print(f"draw_icons: {len(files)} files as drawn here")
        return
    os.makedirs(OUT_DIR, exist_ok=True)
    for path, data in files.items():
        with open(path, "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv)
