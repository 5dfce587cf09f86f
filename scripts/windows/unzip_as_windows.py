#!/usr/bin/env python3
"""Unpacks a zip the way Windows' Explorer does on a Chinese system.

Usage: unzip_as_windows.py ZIP FOLDER

A name flagged as UTF-8 (general purpose bit 11) is read as UTF-8, any other
name in code page 936, the OEM code page of a Simplified Chinese Windows.
Bytes that code page has no character for become U+FFFD, and characters no
Windows file name may hold become "_", as 7-Zip writes them. Prints each
name that was read in code page 936, so that a check can tell why a file is
missing. Entries that would land outside FOLDER are refused.
"""
import os
import sys
import zipfile

UTF8_NAME = 0x800
NOT_IN_NAMES = set('<>:"|?*') | {chr(c) for c in range(32)}


def windows_name(info: zipfile.ZipInfo) -> str:
    if info.flag_bits & UTF8_NAME:
        return info.filename
    # zipfile read the unflagged name in code page 437, which maps every byte
    # to one character; that gives the stored bytes back unchanged.
    raw = info.filename.encode("cp437")
    return raw.decode("cp936", errors="replace")


def safe_parts(name: str) -> list[str]:
    parts = [p for p in name.replace("\\", "/").split("/") if p]
    if name.startswith(("/", "\\")) or any(p in (".", "..") for p in parts):
        raise ValueError(f"the entry {name!r} points outside the folder")
    return ["".join("_" if c in NOT_IN_NAMES else c for c in p) for p in parts]


def main() -> int:
    if len(sys.argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    archive, folder = sys.argv[1], sys.argv[2]
    with zipfile.ZipFile(archive) as z:
        for info in z.infolist():
            name = windows_name(info)
            if not info.flag_bits & UTF8_NAME and not name.isascii():
                print(f"code page 936: {name}")
            try:
                parts = safe_parts(name)
            except ValueError as e:
                print(f"unzip_as_windows.py: {e}", file=sys.stderr)
                return 1
            path = os.path.join(folder, *parts)
            if info.is_dir():
                os.makedirs(path, exist_ok=True)
                continue
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with z.open(info) as src, open(path, "wb") as dst:
                dst.write(src.read())
    return 0


if __name__ == "__main__":
    sys.exit(main())
