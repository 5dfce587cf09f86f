#!/usr/bin/env python3
"""Writes a Windows icon file holding the given PNG pictures as they are.

Usage: make_icon.py OUT.ico PICTURE.png...

Each picture keeps its PNG form inside the icon, which Windows reads since
Vista; the width and height come from the PNG header.
"""
import struct
import sys


def png_size(data: bytes) -> tuple[int, int]:
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG picture")
    return struct.unpack(">II", data[16:24])


def main() -> int:
    if len(sys.argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    out, names = sys.argv[1], sys.argv[2:]
    pictures = []
    for name in names:
        with open(name, "rb") as f:
            data = f.read()
        try:
            width, height = png_size(data)
        except ValueError as e:
            print(f"make_icon.py: {name}: {e}", file=sys.stderr)
            return 1
        if width > 256 or height > 256:
            print(f"make_icon.py: {name}: larger than 256 pixels", file=sys.stderr)
            return 1
        pictures.append((width, height, data))
    offset = 6 + 16 * len(pictures)
    header = struct.pack("<HHH", 0, 1, len(pictures))
    entries = b""
    for width, height, data in pictures:
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + entries + b"".join(data for _, _, data in pictures))
    return 0


if __name__ == "__main__":
    sys.exit(main())
