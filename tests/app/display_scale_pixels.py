#!/usr/bin/python3
"""Pixel measures of the game window shot at several display scales.

Each shot is a binary PPM of the window's bounding box on a magenta desktop.
Coordinates given on the command line are window pixels at 100 %.

  detail SHOT SCALE X Y W H    share of SCALE x SCALE blocks (SCALE 2) over the
                                box that are not one colour repeated
  agree ONE SHOT SCALE X Y W H  mean difference per channel between the box of
                                SHOT averaged down and the box at 100 %
  unpainted ONE SHOT SCALE      desktop pixels of SHOT that lie wholly inside
                                the window's outline (taken from ONE)
  same SHOT1 SHOT2 SCALE X1 Y1 X2 Y2 W H   mean difference between a box of
                                SHOT1 and one of SHOT2 (a piece before a move
                                and its new cell after)
"""
import math
import sys

DESKTOP = (255, 0, 255)


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos : pos + 1].isspace():
            pos += 1
        if data[pos : pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end : end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6" and fields[3] == b"255", path
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1 : pos + 1 + 3 * width * height]


class Shot:
    def __init__(self, path):
        self.width, self.height, self.data = read_ppm(path)

    def at(self, x, y):
        x = min(max(x, 0), self.width - 1)
        y = min(max(y, 0), self.height - 1)
        i = 3 * (y * self.width + x)
        return tuple(self.data[i : i + 3])


def device(v, scale):
    """The device pixel where window pixel v begins."""
    return math.floor(v * scale + 0.5)


def detail(shot, scale, x, y, w, h):
    s = int(scale)
    blocks = busy = 0
    for by in range(device(y, scale), device(y + h, scale), s):
        for bx in range(device(x, scale), device(x + w, scale), s):
            colours = {shot.at(bx + i, by + j) for i in range(s) for j in range(s)}
            blocks += 1
            busy += len(colours) > 1
    return busy / blocks


def averaged(shot, scale, x, y):
    """Window pixel (x, y) of a scaled shot: the mean of the device pixels
    whose centres fall inside it."""
    xs = range(math.ceil(x * scale - 0.5), math.ceil((x + 1) * scale - 0.5))
    ys = range(math.ceil(y * scale - 0.5), math.ceil((y + 1) * scale - 0.5))
    pixels = [shot.at(i, j) for i in xs for j in ys]
    return [sum(p[c] for p in pixels) / len(pixels) for c in range(3)]


def agree(one, shot, scale, x, y, w, h):
    """Each window pixel is matched against its nearest neighbours at 100 %
    too: at 125 % and 150 % a widget whose edge falls between device pixels
    is drawn up to one device pixel away from the grid of the window."""
    total = 0.0
    for j in range(y, y + h):
        for i in range(x, x + w):
            b = averaged(shot, scale, i, j)
            total += min(
                sum(abs(a[c] - b[c]) for c in range(3)) / 3
                for a in (one.at(i + di, j + dj) for di in (-1, 0, 1) for dj in (-1, 0, 1))
            )
    return total / (w * h)


def unpainted(one, shot, scale):
    count = 0
    for dy in range(shot.height):
        for dx in range(shot.width):
            if shot.at(dx, dy) != DESKTOP:
                continue
            # The window pixels this device pixel touches.
            x0, x1 = math.floor(dx / scale), math.ceil((dx + 1) / scale) - 1
            y0, y1 = math.floor(dy / scale), math.ceil((dy + 1) / scale) - 1
            covered = [
                (i, j)
                for i in range(x0, x1 + 1)
                for j in range(y0, y1 + 1)
                if i < one.width and j < one.height
            ]
            if covered and all(one.at(i, j) != DESKTOP for i, j in covered):
                count += 1
    return count


def same(a, b, scale, x1, y1, x2, y2, w, h):
    total = 0.0
    n = 0
    for j in range(device(h, scale)):
        for i in range(device(w, scale)):
            p = a.at(device(x1, scale) + i, device(y1, scale) + j)
            q = b.at(device(x2, scale) + i, device(y2, scale) + j)
            total += sum(abs(p[c] - q[c]) for c in range(3)) / 3
            n += 1
    return total / n


def main(argv):
    what, args = argv[1], argv[2:]
    if what == "detail":
        shot = Shot(args[0])
        print(f"{detail(shot, float(args[1]), *map(int, args[2:6])):.3f}")
    elif what == "agree":
        print(f"{agree(Shot(args[0]), Shot(args[1]), float(args[2]), *map(int, args[3:7])):.2f}")
    elif what == "unpainted":
        print(unpainted(Shot(args[0]), Shot(args[1]), float(args[2])))
    elif what == "same":
        print(f"{same(Shot(args[0]), Shot(args[1]), float(args[2]), *map(int, args[3:9])):.2f}")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
