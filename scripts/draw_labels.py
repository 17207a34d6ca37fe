#!/usr/bin/env python3
"""Draws the clothing care-label icons and writes the files that use them.

Sources, all in data/labels/ (UTF-8 text):
- ICON.txt: one icon each: its resource id ("id N") and its drawing;
- parts/NAME.txt: drawings shared by several icons (tub, square, iron, ...);
- strokefont.txt: the letters and digits drawn on the icons;
- labels.txt: the groups and labels of wLabels.dat, naming icons by file name.

Outputs, written again on every run and committed, byte for byte the same for
the same sources:
- data/labels/ICON.ico: the icon at 16, 32 and 64 pixels (the dialog
  loads it at the system icon size: 32 at 96 dpi, 64 at 192 dpi), 32-bit
  colour with alpha for smooth edges, and an AND mask for whatever ignores it;
- resources/wLabels.rc: each icon as an ICON resource with its id, for the
  resource-only library wLabels.dll;
- data/wLabels.dat: the file the program reads.

    python3 scripts/draw_labels.py            (writes them)
    python3 scripts/draw_labels.py --check    (fails if any differs from its sources)

Drawing commands, one a line, on a 32 x 32 grid, x to the right, y down
("#" starts a comment):
    width W                 stroke width of the strokes that follow (default 2)
    poly x y x y ...        open line through the points
    loop x y x y ...        closed line
    fill x y x y ...        filled polygon
    circle cx cy r          circle outline
    disc cx cy r            filled circle
    curve x0 y0 cx cy x1 y1 quadratic curve from (x0, y0) to (x1, y1)
    wave x0 x1 y amp n      sine line from x0 to x1 around y, n periods
    text cx cy h TEXT       TEXT in the stroke font, h high, centred on (cx, cy)
    scale s dx dy           the points of what follows become (s*x+dx, s*y+dy);
                            stroke widths keep their size
    part NAME               draw parts/NAME.txt with the current scale
Strokes have round ends and joins.  Everything is drawn in black.

labels.txt, one a line:
    group N NAME            a group line of wLabels.dat (N from 0 to 4)
    label ICON1 ICON2 TEXT  a label: its first icon, its second ("-" for none)
                            and its meaning

wLabels.dat: UTF-16 little-endian with the byte-order mark FF FE and CR LF
line ends (the meanings hold the degree sign); each line is number A in
characters 1 to 3, number B in 4 to 6, both right-aligned, and the text from
character 7: a group line has A = the group number and B = 0, a label line
A = the first icon's id and B = the second's, 0 for none.
"""

import math
import os
import sys

from icon_images import Polygon, differing, coverage, icon_file, icon_image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LABELS = os.path.join(ROOT, "data", "labels")
PARTS = os.path.join(LABELS, "parts")
RC_PATH = os.path.join(ROOT, "resources", "wLabels.rc")
DAT_PATH = os.path.join(ROOT, "data", "wLabels.dat")

GRID = 32
SIZES = (16, 32, 64)
SAMPLES = 4          # per pixel and axis
INK = (0, 0, 0)
NON_ICON_SOURCES = {"labels.txt", "strokefont.txt"}


class SourceError(Exception):
    pass


# --- Shapes, in pixels of the image being drawn ---------------------------------

class Capsule:
    """A line segment with round ends, half-width r."""

    def __init__(self, a, b, r):
        self.a, self.b, self.r = a, b, r
        self.box = (min(a[0], b[0]) - r, min(a[1], b[1]) - r,
                    max(a[0], b[0]) + r, max(a[1], b[1]) + r)

    def contains(self, x, y):
        (ax, ay), (bx, by) = self.a, self.b
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= self.r * self.r


class Ring:
    def __init__(self, c, radius, half_width):
        self.c, self.radius, self.hw = c, radius, half_width
        outer = radius + half_width
        self.box = (c[0] - outer, c[1] - outer, c[0] + outer, c[1] + outer)

    def contains(self, x, y):
        d = math.hypot(x - self.c[0], y - self.c[1])
        return abs(d - self.radius) <= self.hw


class Disc:
    def __init__(self, c, radius):
        self.c, self.radius = c, radius
        self.box = (c[0] - radius, c[1] - radius, c[0] + radius, c[1] + radius)

    def contains(self, x, y):
        return (x - self.c[0]) ** 2 + (y - self.c[1]) ** 2 <= self.radius ** 2


# --- Reading the sources ---------------------------------------------------------

def numbers(words, count, where):
    try:
        values = [float(w) for w in words]
    except ValueError:
        raise SourceError(f"{where}: numbers expected")
    if count is not None and len(values) != count:
        raise SourceError(f"{where}: {count} numbers expected, {len(values)} given")
    return values


def pairs(values, where):
    if len(values) < 4 or len(values) % 2:
        raise SourceError(f"{where}: an even number of coordinates, at least two points")
    return [(values[i], values[i + 1]) for i in range(0, len(values), 2)]


def load_font(path):
    """{character: (width, [(closed, [points])])} from strokefont.txt."""
    font, current = {}, None
    with open(path, encoding="utf-8") as f:
        for n, raw in enumerate(f, 1):
            line = raw.split("#", 1)[0].split()
            where = f"{os.path.basename(path)}:{n}"
            if not line:
                continue
            if line[0] == "glyph" and len(line) == 3:
                current = (float(line[2]), [])
                font[line[1]] = current
            elif line[0] in ("poly", "loop") and current is not None:
                current[1].append((line[0] == "loop", pairs(numbers(line[1:], None, where), where)))
            else:
                raise SourceError(f"{where}: not understood: {raw.strip()}")
    return font


class Drawing:
    """Turns drawing commands into shapes at one image size."""

    def __init__(self, pixels, font):
        self.unit = pixels / GRID
        self.font = font
        self.shapes = []
        self.width = 2.0
        self.transform = (1.0, 0.0, 0.0)

    def point(self, x, y):
        s, dx, dy = self.transform
        return ((s * x + dx) * self.unit, (s * y + dy) * self.unit)

    def stroke(self, points, closed=False):
        pts = [self.point(x, y) for x, y in points]
        if closed:
            pts.append(pts[0])
        r = self.width * self.unit / 2
        for a, b in zip(pts, pts[1:]):
            self.shapes.append(Capsule(a, b, r))

    def run_file(self, path, depth=0):
        if depth > 4:
            raise SourceError(f"{path}: parts nested too deeply")
        with open(path, encoding="utf-8") as f:
            for n, raw in enumerate(f, 1):
                words = raw.split("#", 1)[0].split()
                if words:
                    self.command(words, f"{os.path.relpath(path, ROOT)}:{n}", depth)

    def command(self, words, where, depth):
        op, args = words[0], words[1:]
        if op == "id":
            return
        if op == "width":
            self.width = numbers(args, 1, where)[0]
        elif op in ("poly", "loop"):
            self.stroke(pairs(numbers(args, None, where), where), op == "loop")
        elif op == "fill":
            self.shapes.append(Polygon([self.point(x, y)
                                        for x, y in pairs(numbers(args, None, where), where)]))
        elif op == "circle":
            cx, cy, r = numbers(args, 3, where)
            s = self.transform[0]
            self.shapes.append(Ring(self.point(cx, cy), s * r * self.unit, self.width * self.unit / 2))
        elif op == "disc":
            cx, cy, r = numbers(args, 3, where)
            self.shapes.append(Disc(self.point(cx, cy), self.transform[0] * r * self.unit))
        elif op == "curve":
            x0, y0, cx, cy, x1, y1 = numbers(args, 6, where)
            steps = 24
            pts = []
            for i in range(steps + 1):
                t = i / steps
                u = 1 - t
                pts.append((u * u * x0 + 2 * u * t * cx + t * t * x1,
                            u * u * y0 + 2 * u * t * cy + t * t * y1))
            self.stroke(pts)
        elif op == "wave":
            x0, x1, y, amp, periods = numbers(args, 5, where)
            steps = max(8, int(periods * 16))
            self.stroke([(x0 + (x1 - x0) * i / steps,
                          y - amp * math.sin(2 * math.pi * periods * i / steps))
                         for i in range(steps + 1)])
        elif op == "text":
            if len(args) != 4:
                raise SourceError(f"{where}: text cx cy h TEXT")
            cx, cy, h = numbers(args[:3], 3, where)
            self.text(cx, cy, h, args[3], where)
        elif op == "scale":
            self.transform = tuple(numbers(args, 3, where))
        elif op == "part":
            if len(args) != 1:
                raise SourceError(f"{where}: part NAME")
            path = os.path.join(PARTS, args[0] + ".txt")
            if not os.path.exists(path):
                raise SourceError(f"{where}: no part {args[0]}")
            saved = self.width
            self.run_file(path, depth + 1)
            self.width = saved
        else:
            raise SourceError(f"{where}: unknown command {op}")

    def text(self, cx, cy, h, text, where):
        k = h / 6
        gap = 1.6
        glyphs = []
        for ch in text:
            if ch not in self.font:
                raise SourceError(f"{where}: the stroke font has no {ch!r}")
            glyphs.append(self.font[ch])
        total = sum(w for w, _ in glyphs) + gap * (len(glyphs) - 1)
        x = cx - total * k / 2
        top = cy - h / 2
        for w, strokes in glyphs:
            for closed, pts in strokes:
                self.stroke([(x + px * k, top + py * k) for px, py in pts], closed)
            x += (w + gap) * k


def icon_image_32bit(alpha):
    """Ink of the alpha's strength; the mask keeps the pixels at least half covered."""
    rows = [b"".join(bytes((INK[2], INK[1], INK[0], a)) if a else b"\0\0\0\0" for a in line)
            for line in alpha]
    return icon_image(rows, 32, [[a < 128 for a in line] for line in alpha])


# --- The icons, the resource script and the data file ---------------------------------

def icon_sources():
    """{name: (id, path)} of data/labels/*.txt other than the font and the list."""
    icons, ids = {}, {}
    for file in sorted(os.listdir(LABELS)):
        if not file.endswith(".txt") or file in NON_ICON_SOURCES:
            continue
        path = os.path.join(LABELS, file)
        icon_id = None
        with open(path, encoding="utf-8") as f:
            for raw in f:
                words = raw.split("#", 1)[0].split()
                if words[:1] == ["id"] and len(words) == 2 and words[1].isdigit():
                    icon_id = int(words[1])
        name = file[:-4]
        if icon_id is None or not 100 <= icon_id <= 999:
            raise SourceError(f"{file}: needs a line 'id N' with N from 100 to 999")
        if icon_id in ids:
            raise SourceError(f"{file}: id {icon_id} is also {ids[icon_id]}'s")
        ids[icon_id] = name
        icons[name] = (icon_id, path)
    return icons


def read_labels(icons):
    """The lines of wLabels.dat, from labels.txt."""
    lines = []
    path = os.path.join(LABELS, "labels.txt")
    with open(path, encoding="utf-8") as f:
        for n, raw in enumerate(f, 1):
            text = raw.strip()
            where = f"labels.txt:{n}"
            if not text or text.startswith("#"):
                continue
            words = text.split(None, 3)
            if words[0] == "group" and len(words) >= 3 and words[1].isdigit():
                number = int(words[1])
                if number > 4:
                    raise SourceError(f"{where}: groups are numbered 0 to 4")
                lines.append(f"{number:3d}{0:3d}{text.split(None, 2)[2]}")
            elif words[0] == "label" and len(words) == 4:
                first = icons.get(words[1])
                second = icons.get(words[2]) if words[2] != "-" else (0, None)
                if first is None or second is None:
                    raise SourceError(f"{where}: no icon named {words[1]} or {words[2]}")
                lines.append(f"{first[0]:3d}{second[0]:3d}{words[3]}")
            else:
                raise SourceError(f"{where}: not understood: {text}")
    return lines


def outputs():
    """{path: bytes} of every file this script writes."""
    font = load_font(os.path.join(LABELS, "strokefont.txt"))
    icons = icon_sources()
    dat_lines = read_labels(icons)
    files = {}
    for name, (_, path) in sorted(icons.items()):
        images = []
        for size in SIZES:
            drawing = Drawing(size, font)
            drawing.run_file(path)
            images.append((size, 32, icon_image_32bit(coverage(drawing.shapes, size, SAMPLES))))
        files[os.path.join(LABELS, name + ".ico")] = icon_file(images)

    rc = ["// The care-label icons of wLabels.dll, a library of resources only.",
          "// Written by scripts/draw_labels.py from data/labels/; do not edit.",
          ""]
    for name, (icon_id, _) in sorted(icons.items(), key=lambda item: item[1][0]):
        rc.append(f'{icon_id} ICON "../data/labels/{name}.ico"')
    files[RC_PATH] = ("\n".join(rc) + "\n").encode("ascii")

    text = "".join(line + "\r\n" for line in dat_lines)
    files[DAT_PATH] = b"\xff\xfe" + text.encode("utf-16-le")
    return files


def main(argv):
    """Writes the outputs; with --check only compares them with the files."""
    files = outputs()
    if "--check" in argv[1:]:
        stale = differing(files, ROOT)
        icons_now = {p for p in files if p.endswith(".ico")}
        for file in sorted(os.listdir(LABELS)):
            path = os.path.join(LABELS, file)
            if file.endswith(".ico") and path not in icons_now:
                stale.append(os.path.relpath(path, ROOT) + " (no source)")
        if stale:
            sys.exit("draw_labels: not as the sources draw them, run scripts/draw_labels.py: "
                     + ", ".join(stale))
        print(f"draw_labels: {len(files)} files as the sources draw them")
        return
    for path, data in files.items():
        with open(path, "wb") as f:
            f.write(data)
    print(f"draw_labels: {len(files) - 2} icons, resources/wLabels.rc and data/wLabels.dat written")


if __name__ == "__main__":
    try:
        main(sys.argv)
    except (SourceError, OSError) as error:
        sys.exit(f"draw_labels: {error}")
