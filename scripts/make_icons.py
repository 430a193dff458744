#!/usr/bin/env python3
"""Draws the program's two icons and writes them as classic BMP-in-ICO files.

    scripts/make_icons.py           rewrite src/res/main.ico and src/res/bullseye.ico
    scripts/make_icons.py --check   fail if the committed files differ from a fresh drawing

main.ico      window icon: a film frame with a small target; 32x32 and 16x16 at 16 colours.
bullseye.ico  program icon (message boxes, settings dialog): a red and white target;
              32x32 and 16x16 at 16 colours, 32x32 and 48x48 at 256 colours.

Only the standard library is used, so the icons can be remade on any machine.
Every image carries an AND mask; transparent pixels are index 0 (black) in the
colour bitmap so that the XOR step leaves the screen untouched.
"""

import argparse
import math
import os
import struct
import sys

SUPERSAMPLES = 6  # per axis; edges are decided by coverage, colours by the samples

# The standard 16-colour VGA palette, in the order Windows uses for 4-bit bitmaps.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RED = (230, 20, 20)
DARK_RED = (128, 0, 0)
FILM = (24, 24, 28)
SCREEN = (0, 128, 128)


def shade(colour, x, y, size, amount):
    """Lights a colour from the top left so the 256-colour images look rounded."""
    t = ((x + y) / (2.0 * size)) - 0.5  # -0.5 top left .. +0.5 bottom right
    f = 1.0 - amount * t * 2.0
    return tuple(max(0, min(255, round(c * f))) for c in colour)


def ring_colour(d, radius, bounds):
    """Red and white rings, red at the rim; bounds are the ring edges as fractions of radius."""
    band = sum(1 for b in bounds if d <= b * radius)
    return RED if band % 2 == 0 else WHITE


# Ring edges. At 16 pixels equal rings come out square, so those edges are tuned by eye.
TARGET_RINGS = (0.8, 0.6, 0.4, 0.2)
TARGET_RINGS_16 = (0.74, 0.43)
GATE_RINGS = (0.66, 0.33)
GATE_RINGS_16 = (0.69, 0.39)


def bullseye(x, y, size, rich):
    c = size / 2.0
    d = math.hypot(x - c, y - c)
    radius = c - 0.25
    if d > radius:
        return None
    outline = max(1.0, size / 24.0)
    if d > radius - outline:
        colour = DARK_RED
    else:
        colour = ring_colour(d, radius - outline, TARGET_RINGS_16 if size <= 16 else TARGET_RINGS)
    return shade(colour, x, y, size, 0.18) if rich else colour


def film_frame(x, y, size, rich):
    """A square of film with sprocket holes down both sides and a target in the gate."""
    u = size / 16.0  # one unit is one pixel of the 16x16 image
    if not (0 <= x < size and 0 <= y < size):
        return None
    hole_w, hole_h, pitch = 2 * u, 2 * u, 4 * u
    for left in (1 * u, size - 3 * u):
        if left <= x < left + hole_w and (y - 1 * u) % pitch < hole_h:
            return None  # the holes show what lies behind the icon
    gate_l, gate_r, gate_t, gate_b = 4 * u, size - 4 * u, 1 * u, size - 1 * u
    if not (gate_l <= x < gate_r and gate_t <= y < gate_b):
        return shade(FILM, x, y, size, 0.3) if rich else BLACK
    c = size / 2.0
    d = math.hypot(x - c, y - c)
    radius = 3.6 * u if size <= 16 else (gate_r - gate_l) / 2.0 - 0.5 * u
    if d > radius:
        colour = SCREEN
    else:
        colour = ring_colour(d, radius, GATE_RINGS_16 if size <= 16 else GATE_RINGS)
    return shade(colour, x, y, size, 0.18) if rich else colour


def nearest(colour, palette):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))


def render(scene, size, rich):
    """Returns size*size pixels, each None (transparent) or a list of sample colours."""
    n = SUPERSAMPLES
    pixels = []
    for py in range(size):
        for px in range(size):
            samples = [scene(px + (sx + 0.5) / n, py + (sy + 0.5) / n, size, rich)
                       for sy in range(n) for sx in range(n)]
            covered = [s for s in samples if s is not None]
            pixels.append(covered if len(covered) * 2 >= len(samples) else None)
    return pixels


def to_vga16(pixels):
    """Crisp 16-colour pixels: the palette colour most samples fall on wins."""
    out = []
    for covered in pixels:
        if covered is None:
            out.append(None)
            continue
        votes = {}
        for s in covered:
            i = nearest(s, VGA16)
            votes[i] = votes.get(i, 0) + 1
        out.append(max(sorted(votes), key=lambda i: votes[i]))
    return VGA16, out


def median_cut(colours, count):
    """Palette of at most `count` colours for the given (colour, weight) pairs."""
    boxes = [colours]
    while len(boxes) < count:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break
        box = max(splittable, key=lambda b: max(
            max(c[0][k] for c in b) - min(c[0][k] for c in b) for k in range(3)))
        axis = max(range(3), key=lambda k: max(c[0][k] for c in box) - min(c[0][k] for c in box))
        box.sort(key=lambda c: c[0][axis])
        half = len(box) // 2
        boxes.remove(box)
        boxes += [box[:half], box[half:]]
    palette = []
    for b in boxes:
        total = sum(w for _, w in b)
        palette.append(tuple(round(sum(c[k] * w for c, w in b) / total) for k in range(3)))
    return palette


def to_256(pixels):
    """Smooth 256-colour pixels: sample average, mapped to a palette made for the image."""
    averages = []
    for covered in pixels:
        if covered is None:
            averages.append(None)
        else:
            averages.append(tuple(round(sum(s[k] for s in covered) / len(covered))
                                  for k in range(3)))
    weights = {}
    for a in averages:
        if a is not None:
            weights[a] = weights.get(a, 0) + 1
    # Index 0 stays black: transparent pixels need it.
    palette = [BLACK] + median_cut(sorted(weights.items()), 255)
    palette += [BLACK] * (256 - len(palette))
    cache = {}
    out = []
    for a in averages:
        if a is None:
            out.append(None)
        else:
            if a not in cache:
                cache[a] = nearest(a, palette)
            out.append(cache[a])
    return palette, out


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def pack_rows(values, size, bpp):
    """Bottom-up rows, each padded to 32 bits, as BMP stores them."""
    data = bytearray()
    for y in reversed(range(size)):
        acc, nbits, row = 0, 0, bytearray()
        for x in range(size):
            acc = (acc << bpp) | values[y * size + x]
            nbits += bpp
            if nbits == 8:
                row.append(acc)
                acc, nbits = 0, 0
        if nbits:
            row.append(acc << (8 - nbits))
        row += bytes(row_bytes(size * bpp) - len(row))
        data += row
    return data


def bmp_image(size, bpp, palette, indices):
    colour = pack_rows([0 if i is None else i for i in indices], size, bpp)
    mask = pack_rows([1 if i is None else 0 for i in indices], size, 1)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + colour + mask


def ico_file(images):
    """images: list of (size, bpp, palette, indices) in directory order."""
    blobs = [(size, bpp, bmp_image(size, bpp, pal, idx)) for size, bpp, pal, idx in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for size, bpp, blob in blobs:
        colours = 1 << bpp if bpp < 8 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bpp, len(blob),
                           offset)
        offset += len(blob)
    for _, _, blob in blobs:
        out += blob
    return bytes(out)


def image(scene, size, bpp):
    if bpp == 4:
        palette, indices = to_vga16(render(scene, size, rich=False))
    else:
        palette, indices = to_256(render(scene, size, rich=True))
    return size, bpp, palette, indices


def build():
    return {
        "main.ico": ico_file([image(film_frame, 32, 4), image(film_frame, 16, 4)]),
        "bullseye.ico": ico_file([image(bullseye, 32, 4), image(bullseye, 16, 4),
                                  image(bullseye, 32, 8), image(bullseye, 48, 8)]),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed icons instead of writing them")
    parser.add_argument("--out",
                        default=os.path.join(os.path.dirname(__file__), "..", "src", "res"),
                        help="folder of the .ico files (default: src/res)")
    args = parser.parse_args()
    stale = []
    for name, data in build().items():
        path = os.path.join(args.out, name)
        if args.check:
            try:
                with open(path, "rb") as f:
                    if f.read() != data:
                        stale.append(name)
            except OSError:
                stale.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
            print(f"wrote {os.path.normpath(path)} ({len(data)} bytes)")
    if stale:
        print("out of date, run scripts/make_icons.py: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
