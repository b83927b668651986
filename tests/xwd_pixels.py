# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints how many pixels of one colour an XWD image (Xvfb's -fbdir screen) shows in a
rectangle. Usage: python3 xwd_pixels.py SCREEN.xwd WIDTHxHEIGHT+X+Y R G B"""

import re
import struct
import sys

screen = open(sys.argv[1], "rb").read()
wanted = tuple(int(c) for c in sys.argv[3:6])
width, height, left, top = map(
    int, re.fullmatch(r"(\d+)x(\d+)\+(-?\d+)\+(-?\d+)", sys.argv[2]).groups())
fields = struct.unpack(">25I", screen[:100])
header, byte_order, bits, stride = fields[0], fields[7], fields[11], fields[12]
screen_width, screen_height, colours = fields[4], fields[5], fields[19]
if bits != 32 or byte_order != 0:
    sys.exit(f"unexpected XWD layout: {bits} bits per pixel, byte order {byte_order}")
start = header + 12 * colours
blue_green_red = bytes(reversed(wanted))
count = 0
for row in range(max(top, 0), min(top + height, screen_height)):
    line = screen[start + row * stride:start + (row + 1) * stride]
    for column in range(max(left, 0), min(left + width, screen_width)):
        count += line[column * 4:column * 4 + 3] == blue_green_red
print(count)
