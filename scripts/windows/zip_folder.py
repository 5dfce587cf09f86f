#!/usr/bin/env python3
"""Packs a folder into a zip whose every entry name is flagged as UTF-8.

Usage: zip_folder.py OUT.zip FOLDER

The entries are FOLDER's own name and everything below it, in name order,
compressed at the highest level. Windows' Explorer and 7-Zip read a name
without the UTF-8 flag (general purpose bit 11) in the system's OEM code
page, 936 on a Chinese system, so the layouts' Chinese names would unpack
garbled; with the flag they unpack as they are. Python's zipfile flags only
names that are not plain ASCII; here every name carries the flag, so that no
unpacker has to guess. The zip is read back and every flag checked.
"""
import os
import sys
import zipfile

UTF8_NAME = 0x800


class Utf8Info(zipfile.ZipInfo):
    """An entry whose name is always written as flagged UTF-8."""

    __slots__ = ()

    def _encodeFilenameFlags(self):
        return self.filename.encode("utf-8"), self.flag_bits | UTF8_NAME


def entries(folder: str):
    """The paths below FOLDER's parent, FOLDER first, folders before their files."""
    parent = os.path.dirname(os.path.abspath(folder))
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        yield os.path.relpath(root, parent)
        for name in sorted(files):
            yield os.path.relpath(os.path.join(root, name), parent)


def main() -> int:
    if len(sys.argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    out, folder = sys.argv[1], sys.argv[2].rstrip("/")
    parent = os.path.dirname(os.path.abspath(folder))
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for rel in entries(folder):
            path = os.path.join(parent, rel)
            info = Utf8Info.from_file(path, rel)
            if info.is_dir():
                z.writestr(info, b"")
            else:
                info.compress_type = zipfile.ZIP_DEFLATED
                with open(path, "rb") as f:
                    z.writestr(info, f.read(), compresslevel=9)
    with zipfile.ZipFile(out) as z:
        unflagged = [i.filename for i in z.infolist() if not i.flag_bits & UTF8_NAME]
    if unflagged:
        print(f"zip_folder.py: {len(unflagged)} names without the UTF-8 flag: {unflagged[:3]}",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
