#!/usr/bin/env python3
"""Checks that a PNG file is the program's icon at a given size:

    check_icon_png.py FILE SIZE

Decodes the file with its own reader (every PNG filter type) and looks at
what the icon shows (scripts/draw_icons.py): a rounded indigo tile, so
transparent corners and a blue face at the top, over a gold ruler near the
bottom.  A picture upside down, in BGR order or with its mask inverted fails.
Prints what is wrong and exits 1.
"""

import struct
import sys
import zlib

# Per size: a point of the tile's face above the arrows, a point of the ruler.
POINTS = {16: ((8, 1), (9, 13)), 32: ((16, 2), (17, 27)), 64: ((32, 4), (35, 55))}


def chunks(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("no PNG signature")
    at = 8
    while at < len(data):
        length, = struct.unpack_from(">I", data, at)
        kind, body = data[at + 4:at + 8], data[at + 8:at + 8 + length]
        crc, = struct.unpack_from(">I", data, at + 8 + length)
        if zlib.crc32(kind + body) & 0xFFFFFFFF != crc:
            raise ValueError("bad CRC in chunk %r" % kind)
        yield kind, body
        at += 12 + length


def decode(data):
    """(width, height, rows of RGBA tuples) of an 8-bit RGBA PNG."""
    header, idat = None, b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    if header is None:
        raise ValueError("no IHDR chunk")
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise ValueError("not 8-bit RGBA without interlacing: depth %d, colour type %d" % (depth, colour))
    raw = zlib.decompress(idat)
    stride = width * 4
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            corner = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                pred = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + pred) & 0xFF
            elif kind != 0:
                raise ValueError("unknown filter %d" % kind)
        rows.append([tuple(line[x:x + 4]) for x in range(0, stride, 4)])
        previous = line
    return width, height, rows


def problems(path, size):
    with open(path, "rb") as f:
        width, height, rows = decode(f.read())
    if (width, height) != (size, size):
        return ["%dx%d, not %dx%d" % (width, height, size, size)]
    found = []
    for x, y in ((0, 0), (size - 1, 0), (0, size - 1), (size - 1, size - 1)):
        if rows[y][x][3] != 0:
            found.append("corner (%d, %d) is not transparent" % (x, y))
    (fx, fy), (rx, ry) = POINTS[size]
    r, g, b, a = rows[fy][fx]
    if a != 255 or b < r + 60:
        found.append("(%d, %d) near the top is %s, not the tile's opaque blue" % (fx, fy, (r, g, b, a)))
    r, g, b, a = rows[ry][rx]
    if a != 255 or r < 200 or b > 150:
        found.append("(%d, %d) near the bottom is %s, not the ruler's opaque gold" % (rx, ry, (r, g, b, a)))
    return found


def main(argv):
    path, size = argv[1], int(argv[2])
    try:
        found = problems(path, size)
    except (OSError, ValueError, zlib.error, struct.error) as e:
        found = [str(e)]
    for line in found:
        print("%s: %s" % (path, line))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
