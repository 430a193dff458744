#!/usr/bin/env bash
# Compares what bikinfo reads from generated Bink files of both formats with
# what FFmpeg's ffprobe reads from them: width, height, frames, frame rate,
# audio track count, and each track's sample rate and channels.
#   scripts/crosscheck_ffprobe.sh [COUNT]   (default 40 files)
# Not part of the test command. Needs ffprobe (apt-get install ffmpeg). Files
# ffprobe cannot open are listed, not counted as disagreements.
set -uo pipefail

count="${1:-40}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="$root/build/native"
data="$root/build/crosscheck"
cd "$root" || exit 1
command -v ffprobe >/dev/null || { echo "crosscheck: ffprobe is missing (apt-get install ffmpeg)" >&2; exit 1; }
{ cmake --preset native && cmake --build --preset native --target bikinfo; } >/dev/null || exit 1

rm -rf "$data"
python3 bench/make_bink_files.py "$data" "$count" || exit 1
"$build/bin/bikinfo" --json "$data" >"$data.json"
for file in "$data"/*; do
  printf '%s\t' "$file"
  ffprobe -v error -show_streams -of json "$file" 2>&1 | tr -d '\n'
  echo
done >"$data.ffprobe"

python3 - "$data.json" "$data.ffprobe" <<'PY'
import json, sys
from fractions import Fraction

ours = {item["path"]: item for item in json.load(open(sys.argv[1]))}
agreed = differed = unread = 0
for line in open(sys.argv[2], encoding="utf-8"):
    path, _, text = line.rstrip("\n").partition("\t")
    item = ours[path]
    name = path.rsplit("/", 1)[-1] + " (" + ("BIK" if item["format"] == "bink1" else "KB2") + item["revision"] + ")"
    try:
        streams = json.loads(text)["streams"]
    except (ValueError, KeyError):
        unread += 1
        print("ffprobe cannot read", name + ":", text.strip()[:100])
        continue
    video = [s for s in streams if s["codec_type"] == "video"][0]
    audio = [s for s in streams if s["codec_type"] == "audio"]
    theirs = {
        "width": video["width"], "height": video["height"], # The demuxer gives the frame count as the duration in frame ticks.
        "frames": int(video.get("nb_frames", video.get("duration_ts", -1))),
        "frame rate": Fraction(video["r_frame_rate"]), "tracks": len(audio),
        "audio": [(int(a["sample_rate"]), a["channels"]) for a in audio]}
    mine = {
        "width": item["width"], "height": item["height"], "frames": item["frames"],
        "frame rate": Fraction(item["frame_rate"]), "tracks": len(item["audio"]),
        "audio": [(t["rate"], t["channels"]) for t in item["audio"]]}
    wrong = [k for k in mine if mine[k] != theirs[k]]
    if wrong:
        differed += 1
        for k in wrong:
            print("differs", name, k + ":", "bikinfo", mine[k], "ffprobe", theirs[k])
    else:
        agreed += 1
print(f"{agreed} files agree, {differed} differ, {unread} not read by ffprobe")
sys.exit(1 if differed else 0)
PY
