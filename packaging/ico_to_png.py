#!/usr/bin/env python3
"""Writes the images of a Windows icon file as PNG files, for the desktop
menu on Linux (packaging/desktop-install.sh):

    python3 packaging/ico_to_png.py resources/tallyvane.ico FOLDER

makes FOLDER/<size>.png for each square size the icon holds (the deepest
image of a size wins) and prints the sizes.  Reads what icon files carry:
1, 4 and 8-bit images with a palette, 24-bit and 32-bit ones, each with its
transparency (AND) mask, and images stored as PNG.  Standard library only.
"""

import os
import struct
import sys
import zlib


class IconError(Exception):
    pass


def directory(data):
    """(width, height, bit count, image bytes) per image of the icon."""
    if len(data) < 6:
        raise IconError("too short for an icon")
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        raise IconError("not an icon file")
    images = []
    for i in range(count):
        if 6 + 16 * (i + 1) > len(data):
            raise IconError("directory cut short")
        w, h, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        if offset + size > len(data):
            raise IconError("image %d lies beyond the end of the file" % i)
        images.append((w or 256, h or 256, bits, data[offset:offset + size]))
    return images


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def dib_pixels(dib):
    """Rows of (r, g, b, a), top row first, from a DIB with its AND mask."""
    header, width, height2, _, bits = struct.unpack_from("<IiiHH", dib, 0)
    compression, = struct.unpack_from("<I", dib, 16)
    colours_used, = struct.unpack_from("<I", dib, 32)
    if compression != 0:
        raise IconError("compressed bitmaps are not icons")
    if bits not in (1, 4, 8, 24, 32):
        raise IconError("%d-bit images are not read" % bits)
    height = height2 // 2  # the colour rows, then the mask's
    palette = []
    if bits <= 8:
        entries = colours_used or 1 << bits
        for i in range(entries):
            b, g, r, _ = struct.unpack_from("<BBBB", dib, header + 4 * i)
            palette.append((r, g, b))
        colours = header + 4 * entries
    else:
        colours = header
    stride = row_bytes(width * bits)
    mask_at = colours + stride * height
    mask_stride = row_bytes(width)
    if mask_at + mask_stride * height > len(dib):
        raise IconError("image data cut short")
    # A 32-bit image whose alpha is all zero is an old one that relies on its mask.
    alpha_used = bits == 32 and any(dib[colours + 3:mask_at:4])
    rows = []
    for y in range(height):
        src = colours + stride * (height - 1 - y)  # stored bottom-up
        mask = mask_at + mask_stride * (height - 1 - y)
        row = []
        for x in range(width):
            if bits <= 8:
                per_byte = 8 // bits
                byte = dib[src + x // per_byte]
                shift = 8 - bits * (x % per_byte + 1)
                r, g, b = palette[(byte >> shift) & ((1 << bits) - 1)]
                a = 255
            else:
                step = bits // 8
                b, g, r = dib[src + step * x:src + step * x + 3]
                a = dib[src + 4 * x + 3] if alpha_used else 255
            if not alpha_used and dib[mask + x // 8] & (0x80 >> (x % 8)):
                r = g = b = a = 0
            row.append((r, g, b, a))
        rows.append(row)
    return rows


def png(rows):
    """A PNG file of RGBA rows."""
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for pixel in row:
            raw += bytes(pixel)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def convert(icon_path, folder):
    """Writes folder/<size>.png per square size; returns the sizes."""
    with open(icon_path, "rb") as f:
        data = f.read()
    best = {}
    for w, h, bits, image in directory(data):
        if w == h and (w not in best or bits > best[w][0]):
            best[w] = (bits, image)
    os.makedirs(folder, exist_ok=True)
    for size, (_, image) in sorted(best.items()):
        out = image if image.startswith(b"\x89PNG") else png(dib_pixels(image))
        with open(os.path.join(folder, "%d.png" % size), "wb") as f:
            f.write(out)
    return sorted(best)


def main(argv):
    if len(argv) != 3:
        print("usage: ico_to_png.py ICON FOLDER", file=sys.stderr)
        return 2
    try:
        sizes = convert(argv[1], argv[2])
    except (OSError, IconError, struct.error) as e:
        print("ico_to_png: %s: %s" % (argv[1], e), file=sys.stderr)
        return 1
    print(" ".join(str(s) for s in sizes))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
