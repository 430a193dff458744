#!/usr/bin/env bash
# Times the folder window against bikinfo.exe on the same 1,000 generated
# files (bench/make_bink_files.py), in one run under the same Wine, and
# measures how fast the window answers during its scan:
#   scripts/bench_folder.sh [RUNS]   (default 5; one warm-up run more)
# Not part of the test command. Builds the windows preset's configuration
# (windows64 where the kernel runs no 32-bit code) in build/bench-PRESET with
# -DVINTREL_BENCH=ON and runs in that build's own Wine prefix.
set -uo pipefail

runs="${1:-5}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$here/setup.sh" >/dev/null || exit 1
source "$here/wine-env.sh"
cd "$VINTREL_ROOT" || exit 1

build="build/bench-$VINTREL_WINDOWS_PRESET"
export WINEPREFIX="$VINTREL_ROOT/$build/wineprefix"
mkdir -p "$build"
echo "== build (log: $build/build.log)"
if ! { cmake --preset "$VINTREL_WINDOWS_PRESET" -B "$build" -DVINTREL_BENCH=ON &&
       cmake --build "$build" --target vintrel_folder_bench -j 2; } >"$build/build.log" 2>&1; then
  tail -n 40 "$build/build.log"
  exit 1
fi
files="$build/folder-files"
rm -rf "$files"
python3 bench/make_bink_files.py "$files" 1000 || exit 1

vintrel_start_xvfb || exit 1
stop_wine() {
  wineserver -k >/dev/null 2>&1
  timeout 30 wineserver -w >/dev/null 2>&1
  vintrel_stop_xvfb
}
trap stop_wine EXIT
mkdir -p "$WINEPREFIX"
vintrel_ensure_prefix || exit 1
# A persistent wineserver, so no start below pays for starting Wine itself.
wineserver -p

echo "== $(ls "$files" | wc -l) files, $runs runs after one warm-up (progress on stderr)"
echo "== Wine $(wine --version 2>/dev/null | sed 's/^wine-//'), $(nproc) cores, $VINTREL_WINDOWS_PRESET build"
wine "$build/bin/vintrel_folder_bench.exe" --runs "$runs" --warmup 1 "$(winepath -w "$files")"
