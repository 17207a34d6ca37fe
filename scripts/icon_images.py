"""Drawing and file writing shared by draw_icons.py and draw_labels.py.

Shapes are tested at several points per pixel so that slanted and curved
edges come out smooth; the pictures are then written as .ico files (each
image with its AND mask, for whatever ignores the colour's own transparency)
or as a .bmp.  Standard library only.

Coordinates are in pixels of the image being drawn, x to the right, y down;
pixel (i, j) covers the square [i, i+1) x [j, j+1).  A shape has a bounding
box (x0, y0, x1, y1) and a contains(x, y) test; the drawing scripts add their
own kinds beside Polygon.
"""

import os
import struct


class Polygon:
    """A filled polygon, even-odd rule; paint is the colour, if any, at (x, y)."""

    def __init__(self, points, paint=None):
        self.points = points
        self.paint = paint
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    def contains(self, x, y):
        inside = False
        pts = self.points
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < xi + (y - yi) * (xj - xi) / (yj - yi):
                inside = not inside
            j = i
        return inside


def pixel_samples(shapes, width, height, samples):
    """Rows of pixels, top first, each the list of (shape, x, y) of its samples
    that hit a shape: the topmost shape there, samples in rows top first.

    shapes: bottom layer first; samples: per pixel and axis.  A shape is only
    tested at the samples inside its box.
    """
    n = samples
    points = [(k + 0.5) / n for k in range(n)]
    fine_w, fine_h = width * n, height * n
    hits = [[None] * fine_w for _ in range(fine_h)]
    for shape in reversed(shapes):
        x0, y0, x1, y1 = shape.box
        i0, i1 = max(0, int(x0 * n)), min(fine_w - 1, int(x1 * n) + 1)
        j0, j1 = max(0, int(y0 * n)), min(fine_h - 1, int(y1 * n) + 1)
        for j in range(j0, j1 + 1):
            y = j // n + points[j % n]
            row = hits[j]
            for i in range(i0, i1 + 1):
                if row[i] is None and shape.contains(i // n + points[i % n], y):
                    row[i] = shape
    return [[[(hits[py * n + sy][px * n + sx], px + points[sx], py + points[sy])
              for sy in range(n) for sx in range(n) if hits[py * n + sy][px * n + sx] is not None]
             for px in range(width)]
            for py in range(height)]


def coverage(shapes, size, samples):
    """Each pixel's share of samples under some shape, 0 to 255, rows top to bottom."""
    return [[round(255 * len(hit) / (samples * samples)) for hit in row]
            for row in pixel_samples(shapes, size, size, samples)]


def render_colour(shapes, width, height, samples):
    """Rows of (r, g, b, opaque), each shape painting its own colour.

    A pixel is opaque when at least half of its samples hit a shape; its colour
    is the mean of the samples that hit one, so no dark or light fringe appears
    where the image meets whatever lies behind it.
    """
    rows = []
    for line in pixel_samples(shapes, width, height, samples):
        row = []
        for hit in line:
            if len(hit) * 2 >= samples * samples:
                acc = [0.0, 0.0, 0.0]
                for shape, x, y in hit:
                    c = shape.paint(x, y)
                    acc[0] += c[0]
                    acc[1] += c[1]
                    acc[2] += c[2]
                row.append(tuple(int(round(v / len(hit))) for v in acc) + (True,))
            else:
                row.append((0, 0, 0, False))
        rows.append(row)
    return rows


# --- Files --------------------------------------------------------------------

def row_bytes(bits_per_row):
    """A bitmap row's length: rows are padded to whole 4-byte words."""
    return (bits_per_row + 31) // 32 * 4


def bitmap_info(width, height, bit_count, image_size, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0,
                       image_size, 0, 0, colours_used, 0)


def bitmap_rows(rows):
    """The rows' pixel bytes bottom-up, each row padded."""
    out = bytearray()
    for line in reversed(rows):
        out += line + bytes(row_bytes(len(line) * 8) - len(line))
    return bytes(out)


def and_mask(transparent):
    """1 bit per pixel, 1 where transparent[y][x], rows bottom-up and padded."""
    size = len(transparent[0])
    out = bytearray()
    for row in reversed(transparent):
        bits = bytearray(row_bytes(size))
        for x, clear in enumerate(row):
            if clear:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def icon_image(rows, bit_count, transparent, palette=b"", colours_used=0):
    """One image of an .ico file: rows hold each row's pixel bytes, top first."""
    size = len(rows)
    xor = bitmap_rows(rows)
    mask = and_mask(transparent)
    header = bitmap_info(size, 2 * size, bit_count, len(xor) + len(mask), colours_used)
    return header + palette + xor + mask


def icon_file(images):
    """The bytes of an .ico file; images: (size, bit_count, image bytes) in directory order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bit_count, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bit_count,
                           len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def bmp24_file(pixels):
    """The bytes of a 24-bit .bmp file of rows of (r, g, b), top first."""
    height, width = len(pixels), len(pixels[0])
    data = bitmap_rows([b"".join(bytes((b, g, r)) for r, g, b in row) for row in pixels])
    info = bitmap_info(width, height, 24, len(data), 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + data


def differing(files, root):
    """The paths, relative to root, of files ({path: bytes}) whose bytes on disk differ."""
    stale = []
    for path, data in files.items():
        try:
            with open(path, "rb") as f:
                same = f.read() == data
        except OSError:
            same = False
        if not same:
            stale.append(os.path.relpath(path, root))
    return stale
