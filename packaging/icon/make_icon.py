#!/usr/bin/env python3
"""Draws Wagelyn's application icon, a gold coin stamped with a dollar sign on
a green banknote: the 32 x 32, 16-colour image the windows carry (XPM), the
same image as a Windows icon (ICO), and the scalable design (SVG).

    python3 packaging/icon/make_icon.py xpm > packaging/icon/wagelyn.xpm
    python3 packaging/icon/make_icon.py ico > packaging/icon/wagelyn.ico
    python3 packaging/icon/make_icon.py svg > packaging/icon/wagelyn.svg

packaging/icon/make_sizes.sh renders the SVG at the icon themes' sizes.
"""

import os
import struct
import sys

SIZE = 32

# Palette: key -> colour. Sixteen at most.
PALETTE = {
    " ": "None",
    ".": "#1B4D2B",  # banknote edge
    "g": "#3C8D52",  # banknote
    "l": "#7CC38E",  # banknote highlight
    "o": "#5A3A00",  # coin outline
    "r": "#B8860B",  # coin rim
    "y": "#F2C12E",  # coin face
    "h": "#FFE98A",  # coin highlight
    "d": "#6B4700",  # stamped sign
}

# The dollar sign, 9 wide and 15 high, stamped in the middle of the coin.
DOLLAR = [
    "....#....",
    "..#####..",
    ".##.#.##.",
    "##..#..##",
    "##..#....",
    ".##.#....",
    "..####...",
    "....###..",
    "....#.##.",
    "....#..##",
    "##..#..##",
    ".##.#.##.",
    "..#####..",
    "....#....",
    ".........",
]


def pixel(x: int, y: int) -> str:
    cx, cy, radius = 17.5, 16.5, 12.8
    dx, dy = x + 0.5 - cx, y + 0.5 - cy
    distance = (dx * dx + dy * dy) ** 0.5
    if distance <= radius:
        sx, sy = x - 13, y - 9
        if 0 <= sy < len(DOLLAR) and 0 <= sx < len(DOLLAR[0]) and DOLLAR[sy][sx] == "#":
            return "d"
        if distance > radius - 1.2:
            return "o"
        if distance > radius - 3.0:
            return "r"
        if dx + dy < -9.0:
            return "h"
        return "y"
    # The banknote behind the coin, lower left.
    if 1 <= x <= 22 and 10 <= y <= 29:
        if x in (1, 22) or y in (10, 29):
            return "."
        if y in (12, 27) or x in (3, 20):
            return "l"
        return "g"
    return " "


def rows() -> list:
    return ["".join(pixel(x, y) for x in range(SIZE)) for y in range(SIZE)]


def write_xpm() -> None:
    image = rows()
    used = sorted({c for row in image for c in row})
    print("/* XPM */")
    print("static const char *const wagelyn_icon[] = {")
    print(f'"{SIZE} {SIZE} {len(used)} 1",')
    for key in used:
        print(f'"{key} c {PALETTE[key]}",')
    for i, row in enumerate(image):
        print(f'"{row}"' + ("," if i < SIZE - 1 else ""))
    print("};")


# Larger and smaller sizes for the Windows icon, rendered from the SVG by
# make_sizes.sh; Windows picks the one nearest to what the screen's DPI asks.
ICO_PNG_SIZES = (16, 24, 48, 64, 256)


def write_ico() -> None:
    """The 32 x 32 image, 4 bits a pixel (16 colours), with its AND mask, and
    the theme sizes as PNG entries."""
    image = rows()
    keys = [k for k in PALETTE if k != " "]
    # Index 0 is black, the colour under the mask's transparent pixels:
    # Windows draws an icon as (screen AND mask) XOR colour, so any other
    # colour there would tint the background behind the coin.
    palette = bytes(4)
    for key in keys:
        colour = PALETTE[key]
        r, g, b = (int(colour[i : i + 2], 16) for i in (1, 3, 5))
        palette += bytes((b, g, r, 0))
    palette += bytes(4 * (15 - len(keys)))
    index = {key: i + 1 for i, key in enumerate(keys)}
    pixels = b""
    mask = b""
    for row in reversed(image):  # bottom-up
        nibbles = [index.get(c, 0) for c in row]
        pixels += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2))
        bits = "".join("1" if c == " " else "0" for c in row)
        mask += int(bits, 2).to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(pixels) + len(mask), 0, 0, 16, 0)
    bitmap = header + palette + pixels + mask
    here = os.path.dirname(os.path.abspath(__file__))
    images = [(SIZE, 16, 4, bitmap)]
    for size in ICO_PNG_SIZES:
        with open(os.path.join(here, "hicolor", str(size), "wagelyn.png"), "rb") as png:
            images.append((size, 0, 32, png.read()))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, colours, bits, data in images:
        # A size of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                               len(data), offset)
        offset += len(data)
    sys.stdout.buffer.write(directory + entries + b"".join(data for *_, data in images))


def write_svg() -> None:
    """The same design drawn with shapes, on the 32-unit grid of the image."""
    p = PALETTE
    print(f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">
  <title>Wagelyn</title>
  <rect x="1.5" y="10.5" width="21" height="19" fill="{p['g']}" stroke="{p['.']}"/>
  <rect x="3.5" y="12.5" width="17" height="15" fill="none" stroke="{p['l']}"/>
  <circle cx="17.5" cy="16.5" r="12.2" fill="{p['r']}" stroke="{p['o']}" stroke-width="1.2"/>
  <circle cx="17.5" cy="16.5" r="9.8" fill="{p['y']}"/>
  <path d="M 9.8 12.6 A 9.8 9.8 0 0 1 13.6 7.5" fill="none" stroke="{p['h']}" stroke-width="2.4"
        stroke-linecap="round"/>
  <g fill="none" stroke="{p['d']}" stroke-width="1.8" stroke-linecap="round">
    <path d="M 21.2 12.2 C 20 9.9, 14 9.6, 14 12.9 C 14 16.4, 21.5 15.6, 21.5 19.6
             C 21.5 23.4, 15 23.3, 13.6 21"/>
    <path d="M 17.5 8.8 V 24"/>
  </g>
</svg>""")


if __name__ == "__main__":
    {"xpm": write_xpm, "ico": write_ico, "svg": write_svg}[sys.argv[1] if len(sys.argv) > 1 else "xpm"]()
