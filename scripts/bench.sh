#!/usr/bin/env bash
# Times vintrel.exe against floor programs under Wine on a private X display
# and prints a summary table: scripts/bench.sh [RUNS]   (default 15, at least 10)
# Not part of the test command. Builds the windows preset's configuration
# (windows64 where the kernel runs no 32-bit code: scripts/wine-env.sh) in
# build/bench-PRESET with -DVINTREL_BENCH=ON, and runs in a Wine prefix of its
# own, so the tests' prefix and settings file are left alone.
set -uo pipefail

runs="${1:-15}"
if (( runs < 10 )); then
  echo "bench: at least 10 runs, please" >&2
  exit 2
fi
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$here/setup.sh" >/dev/null || exit 1
source "$here/wine-env.sh"
cd "$VINTREL_ROOT" || exit 1

build="build/bench-$VINTREL_WINDOWS_PRESET"
export WINEPREFIX="$VINTREL_ROOT/$build/wineprefix"
mkdir -p "$build"
echo "== build (log: $build/build.log)"
if ! { cmake --preset "$VINTREL_WINDOWS_PRESET" -B "$build" -DVINTREL_BENCH=ON &&
       cmake --build "$build" --target vintrel_bench -j 2; } >"$build/build.log" 2>&1; then
  tail -n 40 "$build/build.log"
  exit 1
fi

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

echo "== timing, $runs runs each after 2 warm-up runs (progress on stderr)"
# One figure at a time; the runner prints a table header and its rows.
time_figure() {
  wine "$build/bin/vintrel_bench.exe" --runs "$runs" --warmup 2 --only "$1" | tail -n +3
}
rows="$(time_figure startup)" || exit 1
rows+=$'\n'"$(time_figure play)" || exit 1
rows+=$'\n'"$(time_figure details)" || exit 1

exe="$build/bin/vintrel.exe"
objdump=$(command -v x86_64-w64-mingw32-objdump || command -v i686-w64-mingw32-objdump)
floor="$build/bin/bench_floor_window.exe"
size=$(stat -c %s "$exe")
floor_size=$(stat -c %s "$floor")
dlls="$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -f | paste -sd ' ')"
floor_dlls="$("$objdump" -p "$floor" | sed -n 's/^\s*DLL Name: //p' | sort -f | paste -sd ' ')"

echo
echo "== summary (Wine $(wine --version 2>/dev/null | sed 's/^wine-//'), $(nproc) cores, $VINTREL_WINDOWS_PRESET build)"
echo "| Figure | Program: median (min-max) | Floor | Floor: median (min-max) | Ratio | Target | Met |"
echo "|---|---|---|---|---|---|---|"
echo "$rows"
awk -v s="$size" -v f="$floor_size" 'BEGIN {
  printf "| size of vintrel.exe | %.0f KB | one empty window | %.0f KB | %.2f | <= 600 KB | %s |\n",
         s / 1024, f / 1024, s / f, (s <= 600 * 1024 ? "yes" : "NO") }'
echo "| DLLs imported | $dlls | one empty window | $floor_dlls | - | KnownDLLs and COMCTL32 only | $(bash "$here/check_imports.sh" "$exe" >/dev/null && echo yes || echo NO) |"

echo
echo "== start-up by phase, $runs runs (marks in the program: src/win/start_phases.h)"
wine "$build/bin/vintrel_bench.exe" --runs "$runs" --warmup 2 --only phases || exit 1
