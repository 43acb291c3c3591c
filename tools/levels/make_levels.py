#!/usr/bin/env python3
"""Writes the quest level sets under assets/data/.

Boards are drawn below as text; this script adds the border of no-cells, places a tile creator
on top of every vertical run of cells, deals starting tiles without ready-made lines (but with
moves to make) and writes the level files, the set files and the quest list in the game's
group/entry format. Run it from anywhere; the output is committed.

Board characters: ' ' no cell, '.' plain cell, 'p' purple plate, 'y' gold plate (one match
each), 'P' two-layer purple plate, 'g' gold layer on purple (two matches each).
Chain characters (optional second drawing of the same shape): '1', '2' chain level, else none.
"""
import os
import random

ROOT = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))
DATA = os.path.join(ROOT, "assets", "data")

# Tileset ids of the catalogue: 0 no cell, 1 plain, then the plates.
NO_CELL, PLAIN = 0, 1
PLATE_IDS = {"p": 2, "y": 3, "P": 4, "g": 5}
CELL_IDS = {" ": NO_CELL, ".": PLAIN, **PLATE_IDS}

# The gentle bonuses first (small bomb, short fires), the strong ones in the second set.
FIRE = [101, 102, 109, 110]
STRONG = [105, 106, 103, 104]
ALL_BONUSES = list(range(101, 113))

SETS = [
    {
        "id": 1,
        "levels": [
            dict(kinds=[1, 2, 3, 4], bonuses=[], time=300, bg=1, music="level1", board=[
                ".......",
                ".......",
                ".ppppp.",
                ".ppppp.",
                ".......",
                ".......",
            ]),
            dict(kinds=[1, 2, 3, 4], bonuses=[], time=300, bg=1, music="level1", board=[
                "........",
                ".pp..pp.",
                ".pp..pp.",
                "...pp...",
                ".pp..pp.",
                ".pp..pp.",
                "........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], bonuses=FIRE, time=330, bg=2, music="level2", board=[
                "........",
                "pppppppp",
                "........",
                "........",
                "........",
                "........",
                "pppppppp",
                "........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], bonuses=FIRE, time=360, bg=2, music="level2", board=[
                "........",
                ".pppppp.",
                ".p....p.",
                ".p.gg.p.",
                ".p.gg.p.",
                ".p....p.",
                ".pppppp.",
                "........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], bonuses=FIRE, time=360, bg=3, music="level3", board=[
                "........",
                "........",
                "..pppp..",
                ".pppppp.",
                ".pppppp.",
                "..pppp..",
                "........",
                "........",
            ], chains=[
                "        ",
                "        ",
                "  1111  ",
                "        ",
                "        ",
                "  1111  ",
                "        ",
                "        ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], bonuses=FIRE + [105], time=390, bg=3, music="level3", board=[
                ".........",
                ".ppp.ppp.",
                ".p.....p.",
                "...   ...",
                "...   ...",
                ".p.....p.",
                ".ppp.ppp.",
                ".........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], bonuses=FIRE + [105, 106], time=420, bg=4, music="level4", board=[
                "..       ..",
                "...     ...",
                "....   ....",
                "...........",
                ".ppppppppp.",
                ".pgggggggp.",
                ".ppppppppp.",
                "...........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], bonuses=FIRE + [105, 106, 107], time=420, bg=4,
                 music="level4", board=[
                "..........",
                ".gg....gg.",
                ".gp.  .pg.",
                "..p.  .p..",
                "..pppppp..",
                "..p.  .p..",
                ".gp.  .pg.",
                ".gg....gg.",
                "..........",
            ], chains=[
                "          ",
                "          ",
                "   1  1   ",
                "          ",
                "   1111   ",
                "          ",
                "   1  1   ",
                "          ",
                "          ",
            ]),
        ],
    },
    {
        "id": 2,
        "levels": [
            dict(kinds=[1, 2, 3, 4, 5], bonuses=FIRE + STRONG, time=330, bg=1, music="level2", board=[
                "      ...",
                "    .....",
                "  .......",
                ".........",
                ".ppppppp.",
                "pPPPPPPPp",
                ".ppppppp.",
                ".........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], bonuses=FIRE + STRONG + [107], time=330, bg=2, music="level3", board=[
                ".....  .....",
                ".ppp.  .ppp.",
                ".pgp.  .pgp.",
                ".ppp.  .ppp.",
                ".....  .....",
                ".....  .....",
                ".yyy.  .yyy.",
                ".....  .....",
            ], chains=[
                "            ",
                "            ",
                "  1      1  ",
                "            ",
                "            ",
                "            ",
                " 111    111 ",
                "            ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], bonuses=FIRE + STRONG + [107, 108], time=330, bg=3,
                 music="level3", board=[
                "    ..    ",
                "   ....   ",
                "  ..pp..  ",
                " ..pggp.. ",
                "..pggggp..",
                "..pggggp..",
                " ..pggp.. ",
                "  ..pp..  ",
                "   ....   ",
                "    ..    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], bonuses=FIRE + STRONG + [107, 108], time=330, bg=4,
                 music="level4", board=[
                "..........",
                ".gggggggg.",
                ".g......g.",
                ".g.    .g.",
                ".g.    .g.",
                ".g.    .g.",
                ".g......g.",
                ".gggggggg.",
                "..........",
            ], chains=[
                "          ",
                "          ",
                "  2    2  ",
                "          ",
                "          ",
                "          ",
                "  2    2  ",
                "          ",
                "          ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], bonuses=ALL_BONUSES, time=330, bg=1, music="level4", board=[
                "     ..     ",
                "    ....    ",
                "    .pp.    ",
                "   ..pp..   ",
                "  ...gg...  ",
                "  ..pggp..  ",
                " ..ppggpp.. ",
                "............",
                "    ....    ",
                "    ....    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], bonuses=ALL_BONUSES, time=300, bg=2, music="level5", board=[
                "...........",
                ".p.p.p.p.p.",
                "...........",
                "p. p. p. p.",
                "...........",
                ".p.p.p.p.p.",
                "...........",
                "p. p. p. p.",
                "...........",
            ], chains=[
                "           ",
                " 2       2 ",
                "           ",
                "           ",
                "     2     ",
                "           ",
                "           ",
                "           ",
                "           ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6, 7], bonuses=ALL_BONUSES, time=330, bg=3, music="level5", board=[
                "...........",
                ".ggggggggg.",
                ".g.......g.",
                ".g.yyyyy.g.",
                ".g.yPPPy.g.",
                ".g.yyyyy.g.",
                ".g.......g.",
                ".ggggggggg.",
                "...........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6, 7], bonuses=ALL_BONUSES, time=360, bg=4, music="level5", board=[
                "    ....    ",
                "   ..gg..   ",
                "   ..pp..   ",
                "  ..pggp..  ",
                "  ..pppp..  ",
                " ..pggggp.. ",
                " ..pppppp.. ",
                "..pgggggggp.",
                "............",
                "    ....    ",
            ], chains=[
                "            ",
                "            ",
                "            ",
                "    1  1    ",
                "            ",
                "    2  2    ",
                "            ",
                "            ",
                "   1    1   ",
                "            ",
            ]),
        ],
    },
]


def bordered(drawing, width):
    rows = [" " * (width + 2)]
    rows += [" " + line.ljust(width) + " " for line in drawing]
    rows.append(" " * (width + 2))
    return rows


def creators(field):
    """Top cell of every vertical run of cells: each run refills from its own creator."""
    found = []
    for r, line in enumerate(field):
        for c, cell in enumerate(line):
            if cell != NO_CELL and (r == 0 or field[r - 1][c] == NO_CELL):
                found.append((r, c))
    return found


def makes_line(tiles, field, r, c):
    kind = tiles[r][c]
    if not kind:
        return False
    for dr, dc in ((0, 1), (1, 0)):
        run = 1
        for sign in (1, -1):
            rr, cc = r + sign * dr, c + sign * dc
            while 0 <= rr < len(tiles) and 0 <= cc < len(tiles[0]) and tiles[rr][cc] == kind:
                run += 1
                rr, cc = rr + sign * dr, cc + sign * dc
        if run >= 3:
            return True
    return False


def moves(tiles, field, chains):
    found = 0
    for r in range(len(tiles)):
        for c in range(len(tiles[0])):
            for dr, dc in ((0, 1), (1, 0)):
                rr, cc = r + dr, c + dc
                if rr >= len(tiles) or cc >= len(tiles[0]):
                    continue
                if not tiles[r][c] or not tiles[rr][cc] or chains[r][c] or chains[rr][cc]:
                    continue
                tiles[r][c], tiles[rr][cc] = tiles[rr][cc], tiles[r][c]
                if makes_line(tiles, field, r, c) or makes_line(tiles, field, rr, cc):
                    found += 1
                tiles[r][c], tiles[rr][cc] = tiles[rr][cc], tiles[r][c]
    return found


def deal(field, chains, kinds, rng):
    """Starting tiles with no line of three and at least a few moves to make."""
    while True:
        tiles = [[0] * len(field[0]) for _ in field]
        for r, line in enumerate(field):
            for c, cell in enumerate(line):
                if cell == NO_CELL:
                    continue
                choices = kinds[:]
                rng.shuffle(choices)
                for kind in choices:
                    tiles[r][c] = kind
                    if not makes_line(tiles, field, r, c):
                        break
                else:
                    tiles[r][c] = 0
        full = all(tiles[r][c] for r, line in enumerate(field) for c, cell in enumerate(line) if cell)
        if full and moves(tiles, field, chains) >= 3:
            return tiles


def values(row):
    return ", ".join(str(v) for v in row)


def level_text(number, url, spec, rng):
    width = max(len(line) for line in spec["board"])
    board = bordered(spec["board"], width)
    field = [[CELL_IDS[ch] for ch in line] for line in board]
    chain_drawing = bordered(spec.get("chains", []), width)
    chain_drawing += [" " * (width + 2)] * (len(board) - len(chain_drawing))
    chains = [[int(ch) if ch in "12" else 0 for ch in line] for line in chain_drawing]
    for r, line in enumerate(field):
        for c, cell in enumerate(line):
            assert cell != NO_CELL or not chains[r][c], f"chain on a no-cell in {url}"
    tiles = deal(field, chains, spec["kinds"], rng)
    made = creators(field)
    out = ["level {"]
    entry = lambda key, value: out.append(f"\t{key} = {value}")
    entry("id", number)
    entry("typ", '"MATCH-3"')
    entry("url", f'"{url}"')
    entry("background", spec["bg"])
    entry("music", f'"{spec["music"]}"')
    entry("rows", len(field))
    entry("cols", len(field[0]))
    entry("actTime", spec["time"])
    entry("maxTime", spec["time"])
    entry("availableTiles", '"' + " ".join(map(str, spec["kinds"])) + '"')
    entry("availableBonuses", '"' + " ".join(map(str, spec["bonuses"])) + '"')
    entry("tileCreators", len(made))
    for i, (r, c) in enumerate(made, 1):
        entry(f"tileC{i}", f"{r}, {c}")
    for name, grid in (("field", field), ("tiles", tiles), ("chaines", chains)):
        out.append(f"\t{name} {{")
        for r, row in enumerate(grid, 1):
            out.append(f"\t\trow{r} = {values(row)}")
        out.append("\t}")
        out.append("")
    out.append("}")
    out.append("")
    return "\n".join(out) + "\n"


def group(name, entries, subgroups=()):
    out = [f"{name} {{"]
    out += [f"\t{key} = {value}" for key, value in entries]
    for sub_name, sub_entries in subgroups:
        out.append(f"\t{sub_name} {{")
        out += [f"\t\t{key} = {value}" for key, value in sub_entries]
        out.append("\t}")
        out.append("")
    out += ["}", "", ""]
    return "\n".join(out)


def main():
    rng = random.Random(20261210)
    number = 0
    quest = []
    for zestaw in SETS:
        folder = f"zestaw{zestaw['id']}"
        os.makedirs(os.path.join(DATA, "levels", folder), exist_ok=True)
        listed = []
        for n, spec in enumerate(zestaw["levels"], 1):
            number += 1
            url = f"data/levels/{folder}/level{n:02d}.lvl"
            with open(os.path.join(ROOT, "assets", url), "w", newline="\n") as f:
                f.write(level_text(number, url, spec, rng))
            listed.append((f"lvl{n}", [("url", f'"{url}"'), ("id", f'"{number}"')]))
        set_url = f"data/levels/{folder}.dat"
        with open(os.path.join(ROOT, "assets", set_url), "w", newline="\n") as f:
            f.write(group("levels", [("i", len(listed))], listed))
        quest.append((folder, [("url", f'"{set_url}"'), ("id", zestaw["id"])]))
    with open(os.path.join(DATA, "zestawy-quest.dat"), "w", newline="\n") as f:
        f.write(group("zestawy", [("I", len(quest))], quest))


if __name__ == "__main__":
    main()
