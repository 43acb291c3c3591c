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

# Bonus kinds in the order the quest brings them in, gentle ones first: the small bomb and
# short fires, then the long fires and big bombs, the vanishing stars, the strongest last.
BACKGROUNDS = 4
BONUS_ORDER = [101, 102, 109, 110, 105, 106, 103, 104, 107, 108, 111, 112]
# The quest level (1-based, counted across the sets) that brings in each of them.
BONUS_FROM = {kind: 3 + 2 * n for n, kind in enumerate(BONUS_ORDER)}


def bonuses_at(number):
    """The kinds brought in by quest level `number`, in the order they came."""
    return [kind for kind in BONUS_ORDER if BONUS_FROM[kind] <= number]


# Per set: two music tracks, one for each half of the set (the halves part at the day tree).
# Per level: kinds, clock in seconds, board drawing and an optional chain drawing.
SETS = [
    {
        "id": 1, "music": ("level1", "level2"),
        "levels": [
            dict(kinds=[1, 2, 3, 4], time=45, board=[
                ".......",
                ".ppppp.",
                ".ppppp.",
                ".ppppp.",
                ".ppppp.",
                ".......",
            ]),
            dict(kinds=[1, 2, 3, 4], time=50, board=[
                "........",
                ".pp..pp.",
                ".pp..pp.",
                "...pp...",
                ".pp..pp.",
                ".pp..pp.",
                "........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=70, board=[
                "........",
                "pppppppp",
                "pppppppp",
                "........",
                "........",
                "pppppppp",
                "pppppppp",
                "........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=70, board=[
                "........",
                ".pppppp.",
                ".p....p.",
                ".p.gg.p.",
                ".p.gg.p.",
                ".p....p.",
                ".pppppp.",
                "........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=80, board=[
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
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=90, board=[
                ".........",
                ".ppp.ppp.",
                ".p.....p.",
                "...   ...",
                "...   ...",
                ".p.....p.",
                ".ppp.ppp.",
                ".........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=100, board=[
                "..       ..",
                "...     ...",
                "....   ....",
                "...........",
                ".ppppppppp.",
                ".pgggggggp.",
                ".ppppppppp.",
                "...........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=200, board=[
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
            ]),
        ],
    },
    {
        # Islands: parts of the board that only meet through the cascades above them.
        "id": 2, "music": ("level2", "level3"),
        "levels": [
            dict(kinds=[1, 2, 3, 4, 5], time=65, board=[
                "....  ....",
                ".pp.  .pp.",
                ".pp.  .pp.",
                "....  ....",
                ".pp.  .pp.",
                ".pp.  .pp.",
                "....  ....",
                "....  ....",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=138, board=[
                "...  ...  ...",
                ".p.  .p.  .p.",
                ".p.  .p.  .p.",
                "ppp  ppp  ppp",
                ".p.  .p.  .p.",
                ".p.  .p.  .p.",
                "...  ...  ...",
                "...  ...  ...",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=215, board=[
                "...........",
                ".ppppppppp.",
                ".p.     .p.",
                ".p. ... .p.",
                ".p. .P. .p.",
                ".p. ... .p.",
                ".p.     .p.",
                ".ppppppppp.",
                "...........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=190, board=[
                "....   ....",
                ".pp.   .pp.",
                ".pp.   .pp.",
                "....   ....",
                "   .....   ",
                "   .PPP.   ",
                "   .....   ",
                "....   ....",
                ".pp.   .pp.",
                "....   ....",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=220, board=[
                "....  ....  ....",
                ".PP.  .PP.  .PP.",
                ".PP.  .PP.  .PP.",
                "....  ....  ....",
                "................",
                "pppppppppppppppp",
                "................",
            ], chains=[
                "                ",
                "                ",
                "                ",
                "                ",
                "                ",
                "   2   22   2   ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=100, board=[
                ".....   .....",
                ".ppp.   .ppp.",
                ".pPp.....pPp.",
                ".ppp.   .ppp.",
                ".....   .....",
                "  ...   ...  ",
                "  .p.....p.  ",
                "  ...   ...  ",
            ], chains=[
                "             ",
                "             ",
                "     222     ",
                "             ",
                "             ",
                "             ",
                "     222     ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=180, board=[
                "....    ....",
                ".pp.    .pp.",
                ".pp......pp.",
                "....gggg....",
                "    .gg.    ",
                "....gggg....",
                ".pp......pp.",
                ".pp.    .pp.",
                "....    ....",
            ], chains=[
                "            ",
                "            ",
                "    1111    ",
                "            ",
                "            ",
                "            ",
                "    2222    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=280, board=[
                "...  ...  ...",
                ".p.  .p.  .p.",
                ".P.  .P.  .P.",
                "...  ...  ...",
                "  .........  ",
                "  .PPPPPPP.  ",
                "  .........  ",
                "...  ...  ...",
                ".p.  .p.  .p.",
                "...  ...  ...",
            ], chains=[
                "             ",
                "             ",
                "             ",
                "             ",
                "             ",
                "  2       2  ",
            ]),
        ],
    },
    {
        # Diamonds and stars: slanted edges, so lines get shorter toward the tips.
        "id": 3, "music": ("level3", "level4"),
        "levels": [
            dict(kinds=[1, 2, 3, 4, 5], time=90, board=[
                "    ..    ",
                "   ....   ",
                "  ..pp..  ",
                " ..pppp.. ",
                "..pppppp..",
                "..pppppp..",
                " ..pppp.. ",
                "  ..pp..  ",
                "   ....   ",
                "    ..    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=100, board=[
                "   ...   ...   ",
                "  ..p.. ..p..  ",
                " ..ppp...ppp.. ",
                "..ppppp.ppppp..",
                " ..ppp...ppp.. ",
                "  ..p.. ..p..  ",
                "   ...   ...   ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=140, board=[
                "     ...     ",
                "    .....    ",
                "   ..ppp..   ",
                "  ..pgggp..  ",
                " ..pgggggp.. ",
                "  ..pgggp..  ",
                "   ..ppp..   ",
                "    .....    ",
                "     ...     ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=100, board=[
                "      ..      ",
                "     ....     ",
                "    ..pp..    ",
                "..............",
                " ..pppppppp.. ",
                "  ..pppppp..  ",
                "  ..pp..pp..  ",
                " ...      ... ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=160, board=[
                "   .      .   ",
                "  ...    ...  ",
                " ..p..  ..p.. ",
                "..ppp....ppp..",
                " ..PPPPPPPP.. ",
                "..ppp....ppp..",
                " ..p..  ..p.. ",
                "  ...    ...  ",
                "   .      .   ",
            ], chains=[
                "              ",
                "              ",
                "              ",
                "      11      ",
                "              ",
                "      22      ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=170, board=[
                "     ...     ",
                "    .....    ",
                "   ..PPP..   ",
                "  ..PPPPP..  ",
                " ..PP...PP.. ",
                "  ..PPPPP..  ",
                "   ..PPP..   ",
                "    .....    ",
                "     ...     ",
            ], chains=[
                "             ",
                "             ",
                "             ",
                "             ",
                "     222     ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=110, board=[
                "  .   .   .  ",
                " ... ... ... ",
                "..p...p...p..",
                " .ppp.p.ppp. ",
                "..ggggggggg..",
                " .ppp.p.ppp. ",
                "..p...p...p..",
                " ... ... ... ",
                "  .   .   .  ",
            ], chains=[
                "             ",
                "             ",
                "             ",
                "    1   1    ",
                "             ",
                "    1   1    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=190, board=[
                "      ..      ",
                "     .yy.     ",
                "    ..yy..    ",
                "..............",
                ".yyyggggggyyy.",
                " ..yggggggy.. ",
                "  ..ggPPgg..  ",
                "  ..gg..gg..  ",
                " ..yy.  .yy.. ",
                " ...      ... ",
            ], chains=[
                "              ",
                "              ",
                "              ",
                "              ",
                "              ",
                "              ",
                "      22      ",
            ]),
        ],
    },
    {
        # Letters: strokes three cells wide, so every stroke holds a line.
        "id": 4, "music": ("level4", "level5"),
        "levels": [
            dict(kinds=[1, 2, 3, 4, 5], time=45, board=[  # L
                "...      ",
                ".p.      ",
                ".p.      ",
                ".p.      ",
                ".p.      ",
                ".p.......",
                ".ppppppp.",
                ".........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5], time=50, board=[  # T
                "...........",
                ".ppppppppp.",
                "...........",
                "    .p.    ",
                "    .p.    ",
                "    .p.    ",
                "    .p.    ",
                "    ...    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=100, board=[  # H
                "...   ...",
                ".p.   .p.",
                ".p.   .p.",
                ".p.....p.",
                ".PPPPPPP.",
                ".p.....p.",
                ".p.   .p.",
                ".p.   .p.",
                "...   ...",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=140, board=[  # O
                " ....... ",
                "..ppppp..",
                ".pp...pp.",
                ".p.   .p.",
                ".p.   .p.",
                ".p.   .p.",
                ".pp...pp.",
                "..ppppp..",
                " ....... ",
            ], chains=[
                "         ",
                "         ",
                "  2   2  ",
                "         ",
                "         ",
                "         ",
                "  2   2  ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=160, board=[  # E
                ".........",
                ".ggggggg.",
                ".........",
                ".p.      ",
                ".p.......",
                ".ppppppp.",
                ".p.......",
                ".........",
                ".ggggggg.",
                ".........",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=170, board=[  # U
                "...     ...",
                ".P.     .P.",
                ".P.     .P.",
                ".P.     .P.",
                ".P.......P.",
                ".pPPPPPPPp.",
                "...........",
            ], chains=[
                "           ",
                "           ",
                " 1       1 ",
                "           ",
                "           ",
                "    222    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=170, board=[  # S
                "  .........",
                " ..ppppppp.",
                "..p........",
                ".p.        ",
                ".ggggggggg.",
                "...........",
                "        .p.",
                "........p..",
                ".ppppppp.. ",
                ".........  ",
            ], chains=[
                "           ",
                "           ",
                "           ",
                "           ",
                "           ",
                "  2  2  2  ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6, 7], time=190, board=[  # Y
                "...     ...",
                ".P.     .P.",
                "..P.   .P..",
                " ..p...p.. ",
                "  ..pgp..  ",
                "   ..g..   ",
                "    .g.    ",
                "    .g.    ",
                "    ...    ",
            ]),
        ],
    },
    {
        # Christmas shapes: a tree, a bell, a candle, a star, a present, a snowman, a
        # stocking and the tree-top star.
        "id": 5, "music": ("level5", "level4"),
        "levels": [
            dict(kinds=[1, 2, 3, 4, 5, 6], time=130, board=[  # tree
                "     ...     ",
                "    .ppp.    ",
                "   ..ppp..   ",
                "  ...ppp...  ",
                "   .ppppp.   ",
                "  .ppppppp.  ",
                " ..ppppppp.. ",
                ".............",
                "     ...     ",
                "     ...     ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=140, board=[  # bell
                "    ...    ",
                "   .....   ",
                "  ..ppp..  ",
                "  .ppppp.  ",
                "  .pPPPp.  ",
                " ..pPPPp.. ",
                " .ppppppp. ",
                "ppp.....ppp",
                "    .p.    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=200, board=[  # candle
                "    ...    ",
                "    .y.    ",
                "    ...    ",
                "   .....   ",
                "   .ppp.   ",
                "   .PPP.   ",
                "   .ppp.   ",
                "   .PPP.   ",
                "...........",
                ".ggggggggg.",
            ], chains=[
                "           ",
                "           ",
                "           ",
                "           ",
                "           ",
                "    2 2    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=170, board=[  # present
                ".....   .....",
                " .ppp. .ppp. ",
                "  ..ppgpp..  ",
                ".............",
                ".PPPPgPPPPP..",
                ".....g.......",
                ".PPPPgPPPPP..",
                ".............",
            ], chains=[
                "             ",
                "             ",
                "      1      ",
                "             ",
                "      2      ",
                "      2      ",
                "      2      ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=180, board=[  # snowman
                "    ...    ",
                "   .ppp.   ",
                "   .ppp.   ",
                "  .......  ",
                " ..ppppp.. ",
                " .ppPPPpp. ",
                " ..ppppp.. ",
                "...........",
                ".ppPPPPPpp.",
                "...........",
            ], chains=[
                "           ",
                "           ",
                "           ",
                "           ",
                "           ",
                "    222    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6], time=180, board=[  # stocking
                ".......      ",
                ".ggggg.      ",
                ".......      ",
                " .ppp.       ",
                " .pPp.       ",
                " .pPp.       ",
                " .pPp......  ",
                " .pPPPPPPpp. ",
                " .ppppppppp. ",
                " ..........  ",
            ], chains=[
                "             ",
                "             ",
                "             ",
                "             ",
                "   2         ",
                "             ",
                "   2  2  2   ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6, 7], time=210, board=[  # tree with baubles
                "      ...      ",
                "     .yyy.     ",
                "    ..ppp..    ",
                "   ...pPp...   ",
                "    .ppPpp.    ",
                "   .ppPPPpp.   ",
                "  ..pPPPPPp..  ",
                " ..ppPPPPPpp.. ",
                "...............",
                "      ...      ",
            ], chains=[
                "               ",
                "               ",
                "               ",
                "       1       ",
                "               ",
                "      2 2      ",
                "               ",
                "    2     2    ",
            ]),
            dict(kinds=[1, 2, 3, 4, 5, 6, 7], time=220, board=[  # the star on top
                "       ...       ",
                "      .yyy.      ",
                "      .ygy.      ",
                ".................",
                " ..ppPPgggPPpp.. ",
                "   ..pPgggPp..   ",
                "    ..PPgPP..    ",
                "   ..pPP.PPp..   ",
                "  ..pp.. ..pp..  ",
                " ...         ... ",
            ], chains=[
                "                 ",
                "                 ",
                "                 ",
                "                 ",
                "        2        ",
                "                 ",
                "        2        ",
                "                 ",
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


def check_lines_reach(field, url):
    """Every cell of the board lies on a straight run of at least three cells."""
    def run(r, c, dr, dc):
        n = 1
        for sign in (1, -1):
            rr, cc = r + sign * dr, c + sign * dc
            while 0 <= rr < len(field) and 0 <= cc < len(field[0]) and field[rr][cc] != NO_CELL:
                n += 1
                rr, cc = rr + sign * dr, cc + sign * dc
        return n
    for r, line in enumerate(field):
        for c, cell in enumerate(line):
            if cell != NO_CELL:
                assert max(run(r, c, 0, 1), run(r, c, 1, 0)) >= 3, f"cell {r}, {c} of {url} is cut off"


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
    # The frame around the board must clear the top bar and stay on the screen.
    assert len(field) <= 12 and len(field[0]) <= 19, f"{url} is too big for the screen"
    check_lines_reach(field, url)
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


# Each level deals from its own random stream, so reshaping one level leaves the starting
# tiles of the others as they were (the first level's stream is the one it always had).
DEAL_SEED = 20261210


def main():
    number = 0
    quest = []
    for set_index, zestaw in enumerate(SETS):
        folder = f"zestaw{zestaw['id']}"
        os.makedirs(os.path.join(DATA, "levels", folder), exist_ok=True)
        listed = []
        for n, spec in enumerate(zestaw["levels"], 1):
            number += 1
            half = 0 if n <= 4 else 1
            # The backgrounds take turns by half sets, so each comes back every second set.
            spec = dict(spec, bonuses=bonuses_at(number), music=zestaw["music"][half],
                        bg=(2 * set_index + half) % BACKGROUNDS + 1)
            url = f"data/levels/{folder}/level{n:02d}.lvl"
            with open(os.path.join(ROOT, "assets", url), "w", newline="\n") as f:
                f.write(level_text(number, url, spec, random.Random(DEAL_SEED + number - 1)))
            listed.append((f"lvl{n}", [("url", f'"{url}"'), ("id", f'"{number}"')]))
        set_url = f"data/levels/{folder}.dat"
        with open(os.path.join(ROOT, "assets", set_url), "w", newline="\n") as f:
            f.write(group("levels", [("i", len(listed))], listed))
        quest.append((folder, [("url", f'"{set_url}"'), ("id", zestaw["id"])]))
    with open(os.path.join(DATA, "zestawy-quest.dat"), "w", newline="\n") as f:
        f.write(group("zestawy", [("I", len(quest))], quest))


if __name__ == "__main__":
    main()
