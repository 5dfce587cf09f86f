#!/usr/bin/env python3
"""The folder include graph of src/: which folder includes which, and whether
any folder reaches up to one above it.

Each folder of src/ has a layer; a file may include headers of its own folder
and of folders in lower layers only. The game's rules sit at the bottom, the
window at the top, so a rule can never come to depend on a widget.

    include_graph.py [--check] [SRC]

prints every edge "from -> to  (includes)" and, with --check, ends with 1 if
an edge goes upward or a folder has no layer.
"""
import collections
import os
import re
import sys

# Lower numbers are lower layers. Folders on one layer do not include each
# other.
LAYERS = {
    "common": 0,
    "setup": 1,
    "frame_model": 1,
    "play": 2,
    "music": 2,
    "coach": 3,
    "platform": 4,
    "xpbutton": 5,
    "media": 5,
    "frame": 5,
    "solve": 6,
    "app": 7,
}

INCLUDE = re.compile(r'\s*#\s*include\s+"([A-Za-z_0-9]+)/')


def edges(src):
    found = collections.Counter()
    for root, _, files in os.walk(src):
        for name in files:
            if not name.endswith((".h", ".cpp", ".inc")):
                continue
            path = os.path.join(root, name)
            folder = os.path.relpath(path, src).split(os.sep)[0]
            with open(path, encoding="utf-8") as text:
                for line in text:
                    match = INCLUDE.match(line)
                    if match and match.group(1) != folder:
                        found[(folder, match.group(1))] += 1
    return found


def main(argv):
    check = "--check" in argv
    rest = [a for a in argv if a != "--check"]
    src = rest[0] if rest else os.path.join(os.path.dirname(__file__), "..", "..", "src")
    graph = edges(src)
    faults = []
    for (upper, lower), count in sorted(graph.items()):
        print(f"{upper} -> {lower}  ({count})")
        if upper not in LAYERS or lower not in LAYERS:
            faults.append(f"{upper} -> {lower}: a folder without a layer")
        elif LAYERS[lower] >= LAYERS[upper]:
            faults.append(f"{upper} -> {lower}: reaches up or sideways")
    for fault in faults:
        print("fault:", fault, file=sys.stderr)
    return 1 if check and faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
