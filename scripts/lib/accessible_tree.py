#!/usr/bin/env python3
"""Prints the accessible tree of every program registered on an accessibility
bus, walked the way a screen reader walks it: the registry's children, then
each object's role, name and children over AT-SPI (through busctl).

    python3 scripts/lib/accessible_tree.py BUS_ADDRESS

One line per object, indented by depth: "role: 'name'". Lists (the
chooser's layouts) show their first few items. Exits 1 when no program is registered.
"""
import json
import subprocess
import sys

ACCESSIBLE = "org.a11y.atspi.Accessible"
MAX_DEPTH = 8
LIST_ITEMS_SHOWN = 3


def busctl(address, *args):
    done = subprocess.run(["busctl", f"--address={address}", "--json=short", "--timeout=5", *args],
                          capture_output=True, text=True)
    return json.loads(done.stdout)["data"] if done.returncode == 0 else None


def walk(address, dest, path, depth):
    name = busctl(address, "get-property", dest, path, ACCESSIBLE, "Name")
    role = busctl(address, "call", dest, path, ACCESSIBLE, "GetRoleName")
    print("  " * depth + f"{role[0] if role else '?'}: {name!r}")
    children = (busctl(address, "call", dest, path, ACCESSIBLE, "GetChildren") or [[]])[0]
    shown = children[:LIST_ITEMS_SHOWN] if role and role[0] == "list" else children
    if depth < MAX_DEPTH:
        for child_dest, child_path in shown:
            walk(address, child_dest, child_path, depth + 1)
    if len(shown) < len(children):
        print("  " * (depth + 1) + f"... {len(children) - len(shown)} more")


def main():
    address = sys.argv[1]
    programs = busctl(address, "call", "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root",
                      ACCESSIBLE, "GetChildren")
    if not programs or not programs[0]:
        print("no program registered")
        return 1
    for dest, path in programs[0]:
        walk(address, dest, path, 0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
