#!/usr/bin/python3
"""Writes assets/font/song.ttf: the Ming (Song) face the game draws its texts in.

The game asks for the Windows Song face "宋体"; on Linux that resolves to the
installed "AR PL UMing CN" (fonts-arphic-uming), a 17 MB collection of which
the game shows a few hundred characters. Reading glyphs from the whole file
keeps about 5.5 MB of it resident, because every glyph read maps its whole
neighbourhood of the file. This tool cuts a face with only the characters
the game itself shows:

  * printable ASCII;
  * every non-ASCII character in the game's sources (its texts are string
    literals there; the few other non-ASCII characters cost nothing);
  * the names of the shipped layouts (assets/map/*.qlp);
  * the characters FreeType's auto-hinter measures a Han face by, so that a
    system set to force that hinter draws the cut face like the whole one.

Glyph outlines, stored glyph boxes, metrics, embedded bitmaps and layout
tables are copied unchanged, so every character is drawn pixel for pixel as
from the installed face; the family is renamed "AR PL UMing Quellan" (the
name keeps "AR PL UMing", which the distribution's font rules match on).
Characters the face lacks, such as a player's name, fall back to the
installed face.

Needs Debian's python3-fonttools and fonts-arphic-uming. The output depends
only on the installed face, the fontTools version and the sources, so a run
on the same system writes the same bytes.

Usage: tools/font/make_song_face.py [repository root]
"""

import pathlib
import subprocess
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "AR PL UMing Quellan"
SOURCE_FAMILY = "AR PL UMing CN"
# FreeType's auto-hinter: the Han blue-zone strings and standard characters.
HINTER_HAN = (
    "他们你來們到和地对對就席我时時會来為能舰說说这這齊"
    "军同已愿既星是景民照现現理用置要軍那配里開雷露面顾"
    "个为人他以们你來個們到和大对對就我时時有来為要說说"
    "主些因它想意理生當看着置者自著裡过还进進過道還里面"
    "田囗"
)


NOTICE = """song.ttf is AR PL UMing CN (Copyright (C) 1999 Arphic Technology Co., Ltd.,
with changes by Arne Goetje and the CJK Unifonts project), as shipped by
Debian's fonts-arphic-uming, cut down to the characters Quellan shows and
renamed "AR PL UMing Quellan" by tools/font/make_song_face.py. The glyphs
themselves are not changed. It is distributed under the Arphic Public
License in ARPHICPL.TXT; the whole face is at
https://www.freedesktop.org/wiki/Software/CJKUnifonts/
"""


def installed_face():
    """(file, face index) of the installed SOURCE_FAMILY."""
    found = subprocess.run(
        ["fc-match", "-f", "%{file}\n%{index}\n%{family[0]}", SOURCE_FAMILY],
        check=True, capture_output=True, text=True).stdout.split("\n")
    if len(found) < 3 or found[2] != SOURCE_FAMILY:
        sys.exit(f"{SOURCE_FAMILY} is not installed (apt-get install fonts-arphic-uming)")
    return found[0], int(found[1])


def game_characters(root):
    chars = {chr(c) for c in range(0x20, 0x7F)}
    for path in sorted((root / "src").rglob("*")):
        if path.suffix in (".cpp", ".h"):
            chars |= {c for c in path.read_text(encoding="utf-8") if ord(c) > 0x7F}
    for path in (root / "assets" / "map").glob("*.qlp"):
        chars |= set(path.stem)
    return "".join(sorted(chars | set(HINTER_HAN)))


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2])
    file, index = installed_face()
    options = subset.Options()
    options.font_number = index
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.glyph_names = True
    options.legacy_kern = True
    # Keep the face's own numbers: FreeType places a glyph by its stored box,
    # so a recomputed box would shift outlines by a fraction of a pixel.
    options.recalc_bounds = False
    options.recalc_timestamp = False
    options.recalc_average_width = False
    options.recalc_max_context = False
    options.prune_unicode_ranges = False
    # The embedded bitmaps stay: they also decide how FreeType hints the face.
    options.drop_tables = [t for t in options.drop_tables if t not in ("EBDT", "EBLC", "EBSC")]
    options.drop_tables += ["BDF ", "FFTM"]
    face = TTFont(file, fontNumber=index, recalcBBoxes=False, recalcTimestamp=False)
    cutter = subset.Subsetter(options)
    cutter.populate(text=game_characters(root))
    cutter.subset(face)
    for record in face["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = FAMILY
        elif record.nameID == 6:
            record.string = FAMILY.replace(" ", "")
    face["name"].setName(
        f"{SOURCE_FAMILY} cut to the characters Quellan shows by tools/font/make_song_face.py",
        10, 3, 1, 0x409)
    out = root / "assets" / "font" / "song.ttf"
    out.parent.mkdir(parents=True, exist_ok=True)
    face.save(out, reorderTables=False)
    write_licence(out.parent)
    print(f"{out}: {len(face.getGlyphOrder())} glyphs, {out.stat().st_size} bytes")


def write_licence(folder):
    """The face's licence, and the notice of the change it asks for."""
    copyright = pathlib.Path("/usr/share/doc/fonts-arphic-uming/copyright").read_text(encoding="utf-8")
    start = copyright.index("ARPHIC PUBLIC LICENSE")
    end = copyright.index("=" * 40, start)
    (folder / "ARPHICPL.TXT").write_text(copyright[start:end].rstrip() + "\n", encoding="utf-8")
    (folder / "README.txt").write_text(NOTICE, encoding="utf-8")


if __name__ == "__main__":
    main()
