#!/usr/bin/env bash
# Builds every preset and runs every test: the unit tests natively (plain and
# under the sanitizers), a short run of each fuzz target, then the end-to-end
# tests under Wine on a private X display. Exits non-zero if anything failed;
# the last lines printed are ctest's summary of the end-to-end tests and the
# test budget (scripts/test_budget.sh).
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$here/setup.sh" || exit 1
source "$here/wine-env.sh"
cd "$VINTREL_ROOT" || exit 1
mkdir -p build

failed=0

echo "== folder include graph"
python3 "$here/check_layers.py" || failed=1

# Configure and build a preset, its chatter in build/<preset>.log; the log's
# tail only when something went wrong.
build_preset() {
  local preset=$1 log="build/$1.log"
  echo "== $preset: configure and build (log: $log)"
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; } >"$log" 2>&1; then
    echo "== $preset: build FAILED; end of $log:"
    tail -n 60 "$log"
    return 1
  fi
}

for preset in native native-sanitize; do
  if build_preset "$preset"; then
    echo "== $preset: tests"
    ctest --preset "$preset" || failed=1
  else
    failed=1
  fi
done

# The fuzz targets: built from the same library, each run over its seeds and
# for a few seconds more, so that a target that rots or crashes fails here.
if build_preset fuzz; then
  echo "== fuzz: seeds and a short run of each target"
  ctest --preset fuzz || failed=1
else
  failed=1
fi

if build_preset windows; then
  echo "== windows: imported DLLs"
  bash "$here/check_imports.sh" build/windows/bin/vintrel.exe build/windows/bin/bikinfo.exe || failed=1
else
  failed=1
fi
e2e=$VINTREL_WINDOWS_PRESET
if [[ $e2e != windows ]]; then
  echo "== this kernel runs no 32-bit code: the end-to-end tests run the $e2e build"
  build_preset "$e2e" || failed=1
fi

# One display and one persistent wineserver for all end-to-end tests: Wine
# then starts its helper processes once instead of once per test program.
vintrel_start_xvfb || exit 1
stop_wine() {
  wineserver -k >/dev/null 2>&1
  timeout 30 wineserver -w >/dev/null 2>&1
  vintrel_stop_xvfb
}
trap stop_wine EXIT
mkdir -p "$WINEPREFIX"
wineserver -p
if ! vintrel_ensure_prefix; then
  echo "== $e2e: could not create the Wine prefix $WINEPREFIX"
  exit 1
fi
# Wine's services start now, with their output going nowhere: started by
# the first test, they would hold its output open and ctest would wait for
# them until the test's timeout.
wineboot >/dev/null 2>&1

echo "== $e2e: end-to-end tests under Wine (DISPLAY=$DISPLAY)"
ctest --preset "$e2e" || failed=1
# Test code stays within 40% of the program's: past that the run fails.
bash "$here/test_budget.sh" || failed=1
exit $failed
