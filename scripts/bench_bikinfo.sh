#!/usr/bin/env bash
# Measures the native bikinfo against its floors and ffprobe on 1,000
# generated files (both formats, 1-8 tracks, every 50th with a 100,000-frame
# index) and prints each figure as a ratio to a floor measured in this run:
#   scripts/bench_bikinfo.sh [RUNS]   (default 5)
# Not part of the test command. Needs ffprobe (apt-get install ffmpeg).
set -uo pipefail

runs="${1:-5}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="$root/build/bench-native"
data="$build/files"
cd "$root" || exit 1
command -v ffprobe >/dev/null || { echo "bench: ffprobe is missing (apt-get install ffmpeg)" >&2; exit 1; }

echo "== build (log: $build/build.log)"
mkdir -p "$build"
if ! { cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release && cmake --build "$build" --target bikinfo -j 2 &&
       cc -O2 -o "$build/floor_read" bench/floor_read.c &&
       cc -O2 -x c -o "$build/floor_start" - <<<'int main(void) { return 0; }'; } >"$build/build.log" 2>&1; then
  tail -n 30 "$build/build.log"
  exit 1
fi
bikinfo="$build/bin/bikinfo"
floor="$build/floor_read"

rm -rf "$data" "$build/one"
python3 bench/make_bink_files.py "$data" 1000 || exit 1
mkdir -p "$build/one"
python3 bench/make_bink_files.py "$build/one" 0 --million || exit 1
million="$build/one/million.bik"
files=("$data"/*)
echo "== ${#files[@]} files, $(du -sh --apparent-size "$data" | cut -f1) apparent (sparse); $runs runs each, median"

# Median wall time in seconds of running "$@" $runs times (one warm-up run).
median() {
  "$@" >/dev/null 2>&1
  for ((i = 0; i < runs; i++)); do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc
  done | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}
per_file() { printf '%s\0' "${files[@]}" | xargs -0 -n1 "$@"; }
peak_kib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }

echo "== (a) one process per file (${#files[@]} processes each)"
t_start=$(median per_file "$build/floor_start")
t_floor1=$(median per_file "$floor")
t_bik1=$(median per_file "$bikinfo")
runs_saved=$runs; runs=1  # ffprobe takes about a minute per pass
t_ffprobe=$(median per_file ffprobe -v error -show_streams)
runs=$runs_saved

echo "== (b) the whole folder in one run"
t_floor=$(median "$floor" "$data")
t_table=$(median "$bikinfo" "$data")
t_json=$(median "$bikinfo" --json "$data")

echo "== (c) peak memory (max RSS)"
m_floor=$(peak_kib "$floor" "$data")
m_folder=$(peak_kib "$bikinfo" --json "$data")
m_million=$(peak_kib "$bikinfo" "$million")
m_twice=$(peak_kib "$bikinfo" "$data" "$data" "$million")
m_start=$(peak_kib "$build/floor_start")
m_ffprobe=$(peak_kib ffprobe -v error -show_streams "${files[1]}")

echo
echo "| Figure | Measured | Floor | Floor measured | Ratio | Target | Met |"
echo "|---|---|---|---|---|---|---|"
row() {  # name value unit floor-name floor-value ratio target met
  printf '| %s | %s | %s | %s | %s | %s | %s |\n' "$@"
}
ms() { awk -v t="$1" -v n="${#files[@]}" 'BEGIN { printf "%.3f ms/file", 1000 * t / n }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
met() { awk -v r="$1" -v t="$2" -v d="$3" 'BEGIN { ok = d == "le" ? r <= t : r >= t; print ok ? "yes" : "NO" }'; }
r=$(ratio "$t_ffprobe" "$t_bik1")
row "ffprobe -show_streams, one process per file" "$(ms "$t_ffprobe")" "bikinfo, one process per file" "$(ms "$t_bik1")" "$r x slower" ">= 20" "$(met "$r" 20 ge)"
r=$(ratio "$t_bik1" "$t_floor1")
row "bikinfo, one process per file" "$(ms "$t_bik1")" "floor reader, one process per file" "$(ms "$t_floor1")" "$r" "-" "-"
r=$(ratio "$t_bik1" "$t_start")
row "bikinfo, one process per file" "$(ms "$t_bik1")" "empty C program, one process per file" "$(ms "$t_start")" "$r" "-" "-"
r=$(ratio "$t_table" "$t_floor")
row "bikinfo FOLDER (table)" "$(ms "$t_table")" "floor reader FOLDER" "$(ms "$t_floor")" "$r" "<= 2" "$(met "$r" 2 le)"
r=$(ratio "$t_json" "$t_floor")
row "bikinfo --json FOLDER" "$(ms "$t_json")" "floor reader FOLDER" "$(ms "$t_floor")" "$r" "<= 2" "$(met "$r" 2 le)"
for pair in "bikinfo --json FOLDER:$m_folder" "bikinfo FOLDER FOLDER MILLION:$m_twice" "bikinfo on a 1,000,000-frame file:$m_million" "ffprobe -show_streams, one file:$m_ffprobe"; do
  name="${pair%%:*}"; kib="${pair##*:}"
  r=$(ratio "$kib" "$m_floor")
  target="<= 8 MiB"; ok=$(awk -v k="$kib" 'BEGIN { print k <= 8192 ? "yes" : "NO" }')
  [[ "$name" == ffprobe* ]] && target="-" && ok="-"
  row "peak memory: $name" "$(awk -v k="$kib" 'BEGIN { printf "%.1f MiB", k / 1024 }')" "floor reader FOLDER" "$(awk -v k="$m_floor" 'BEGIN { printf "%.1f MiB", k / 1024 }')" "$r" "$target" "$ok"
done
echo "(empty C program: $(awk -v k="$m_start" 'BEGIN { printf "%.1f MiB", k / 1024 }') peak; $(nproc) cores; $(ffprobe -version | head -n 1 | cut -d' ' -f1-3))"
