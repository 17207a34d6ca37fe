#!/usr/bin/env python3
"""Writes the three icons of the care-label tests' icon library: 32x32 squares
of one colour each (red, blue, green), 16 colours with an all-opaque mask, so
a test can tell by a pixel which icon was drawn where.  The output is
committed; running this again reproduces it byte for byte:

    python3 tests/win/icons/draw_test_icons.py
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32


def icon(rgb):
    palette = [(0, 0, 0), rgb] + [(0, 0, 0)] * 14
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, 0, 0, 0, 16, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    pixels = bytes([0x11]) * (SIZE * SIZE // 2)  # every pixel palette entry 1
    mask = bytes(SIZE * SIZE // 8)                 # every pixel opaque
    image = header + colours + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


for name, rgb in (("red", (255, 0, 0)), ("blue", (0, 0, 255)), ("green", (0, 160, 0))):
    with open(os.path.join(HERE, name + ".ico"), "wb") as f:
        f.write(icon(rgb))
