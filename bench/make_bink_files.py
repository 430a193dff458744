#!/usr/bin/env python3
"""Writes COUNT generated Bink files of both formats into FOLDER.

make_bink_files.py FOLDER [COUNT] [--million]

Sizes are mixed (the frames are sparse zeros, so big files cost no disk),
each file has 1-8 audio tracks, and every 50th file has a 100,000-frame
index. With --million one more file has a 1,000,000-frame index.
"""
import os
import random
import struct
import sys

# (signature, revision, has the extra field after the track count)
KINDS = [(b"BIK", b"i", False), (b"BIK", b"k", True), (b"KB2", b"g", False), (b"KB2", b"j", True)]
RATES = [11025, 22050, 32000, 44100, 48000]


def bink(kind, frames, frame_bytes, tracks, width, height, num, den):
    signature, revision, extra = kind
    head = signature + revision + struct.pack(
        "<10I", 0, frames, frame_bytes, frames, width, height, num, den, 0, len(tracks))
    if extra:
        head += b"\0" * 4
    head += b"".join(struct.pack("<I", t[2]) for t in tracks)
    head += b"".join(struct.pack("<HH", t[0], t[1]) for t in tracks)
    head += b"".join(struct.pack("<I", t[3]) for t in tracks)
    start = len(head) + 4 * (frames + 1)
    index = struct.pack(
        "<%dI" % (frames + 1),
        *[start + i * frame_bytes + (1 if i < frames and i % 30 == 0 else 0)
          for i in range(frames + 1)])
    size = start + frames * frame_bytes
    return head[:4] + struct.pack("<I", size - 8) + head[8:] + index, size


def write(path, data, size):
    with open(path, "wb") as out:
        out.write(data)
        out.truncate(size)  # sparse frame data


def main():
    folder = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[2].isdigit() else 1000
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(15)
    for n in range(count):
        kind = KINDS[n % len(KINDS)]
        frames = 100000 if n % 50 == 0 else rng.randint(10, 5000)
        frame_bytes = 2 * rng.randint(1, 5000)
        tracks = [(rng.choice(RATES), rng.choice([0, 0x2000, 0x4000, 0x6000]) | rng.choice([0, 0x1000]),
                   rng.randint(100, 20000), t) for t in range(rng.randint(1, 8))]
        fps = rng.choice([(30, 1), (25, 1), (30000, 1001), (24000, 1001), (15, 1)])
        width, height = rng.choice([(320, 240), (640, 480), (1280, 720), (1920, 1080)])
        data, size = bink(kind, frames, frame_bytes, tracks, width, height, *fps)
        ext = ".bk2" if kind[0] == b"KB2" else ".bik"
        write(os.path.join(folder, "v%04d%s" % (n, ext)), data, size)
    if "--million" in sys.argv:
        data, size = bink(KINDS[0], 1000000, 2, [(44100, 0x6000, 1000, 0)], 640, 480, 30, 1)
        write(os.path.join(folder, "million.bik"), data, size)


main()
