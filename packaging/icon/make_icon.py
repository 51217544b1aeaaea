#!/usr/bin/env python3
"""Draws Wagelyn's application icon, a gold coin stamped with a dollar sign on
a green banknote, as a 32 x 32, 16-colour XPM image.

    python3 packaging/icon/make_icon.py > app/resources/wagelyn.xpm
"""

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


def main() -> None:
    rows = ["".join(pixel(x, y) for x in range(SIZE)) for y in range(SIZE)]
    used = sorted({c for row in rows for c in row})
    print("/* XPM */")
    print("static const char *const wagelyn[] = {")
    print(f'"{SIZE} {SIZE} {len(used)} 1",')
    for key in used:
        print(f'"{key} c {PALETTE[key]}",')
    for i, row in enumerate(rows):
        print(f'"{row}"' + ("," if i < SIZE - 1 else ""))
    print("};")


if __name__ == "__main__":
    main()
