#!/usr/bin/env python3
"""Writes the shipped layout files assets/map/<name>.qlp from tools/data/classic-layouts.tsv.

Each file is GB18030 text with CR LF line ends: one "//" comment line naming the
layout and its fewest steps, then the ten layout lines "index,flag,cell" in
index order. The table numbers the generals 2..6 in order of their top-left
cell; here the first lying general becomes general 2 (the one who lies in
横刀立马) and the others follow as 3..6 in order of their top-left cell, so
横刀立马 comes out exactly as the start-up arrangement of the game.

Usage: tools/make_layouts.py [--tsv FILE] [--out DIR]
The output depends only on the table, so every run writes the same bytes.
"""

import argparse
import csv
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
FIRST_GENERAL, LAST_GENERAL = 2, 6
UPRIGHT = 1


def parse_lines(text):
    """'1,0,2;2,1,1;...' -> list of (index, flag, cell)."""
    lines = []
    for item in text.split(";"):
        index, flag, cell = (int(field) for field in item.split(","))
        lines.append((index, flag, cell))
    return lines


def renumber_generals(lines):
    """Gives the first lying general index 2 and the rest 3..6 by top-left cell."""
    generals = sorted((cell, flag) for index, flag, cell in lines
                      if FIRST_GENERAL <= index <= LAST_GENERAL)
    lying = [g for g in generals if g[1] != UPRIGHT]
    ordered = lying[:1] + [g for g in generals if g not in lying[:1]]
    result = [line for line in lines if not FIRST_GENERAL <= line[0] <= LAST_GENERAL]
    for index, (cell, flag) in enumerate(ordered, start=FIRST_GENERAL):
        result.append((index, flag, cell))
    return sorted(result)


def layout_text(name, steps, lines):
    rows = [f"// {name} — 最少 {steps} 步"]
    rows += [f"{index},{flag},{cell}" for index, flag, cell in lines]
    return "".join(row + "\r\n" for row in rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tsv", type=pathlib.Path, default=HERE / "data" / "classic-layouts.tsv")
    parser.add_argument("--out", type=pathlib.Path, default=HERE.parent / "assets" / "map")
    args = parser.parse_args()

    args.out.mkdir(parents=True, exist_ok=True)
    with args.tsv.open(encoding="utf-8", newline="") as table:
        rows = list(csv.DictReader(table, delimiter="\t"))
    for row in rows:
        lines = renumber_generals(parse_lines(row["layout_lines"]))
        if [line[0] for line in lines] != list(range(1, 11)):
            sys.exit(f"{row['name']}: expected the pieces 1..10 once each")
        text = layout_text(row["name"], row["min_cell_steps"], lines)
        (args.out / f"{row['name']}.qlp").write_bytes(text.encode("gb18030"))
    print(f"wrote {len(rows)} layouts to {args.out}")


if __name__ == "__main__":
    main()
