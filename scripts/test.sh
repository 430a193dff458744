#!/usr/bin/env bash
# Builds every preset and runs every test: the unit tests natively (plain,
# under the sanitizers, and as a 32-bit program), a short run of each fuzz
# target, the downloads built twice from clean clones and compared, then the
# end-to-end tests under Wine on a private X display and a start of the
# downloaded program. Exits non-zero if anything failed; the last lines
# printed are ctest's summary of the end-to-end tests, the smoke test's and
# the test budget (scripts/test_budget.sh).
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

# native32 is the unit tests built with g++ -m32: the 32-bit program's own
# arithmetic (size_t, long) on the pure code it shares.
declare -A tests_how=([native32]=" (a 32-bit program, run by this kernel)")
vintrel_runs_32bit ||
  tests_how[native32]=" (a 32-bit program, run by qemu-i386: this kernel runs no 32-bit code)"
for preset in native native-sanitize native32; do
  if build_preset "$preset"; then
    echo "== $preset: tests${tests_how[$preset]:-}"
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

# The downloads: scripts/package.sh in two clean clones of this commit, in
# folders of different depth with blanks and Cyrillic letters, must write the
# same bytes. A tree with uncommitted changes is checked at its last commit.
release="$VINTREL_ROOT/build/release check"
release_one="$release/one"
release_two="$release/другая папка/two"
package_clone() {
  local clone=$1 commit
  commit="$(git -C "$VINTREL_ROOT" rev-parse HEAD)" || return 1
  git clone -q --no-checkout "$VINTREL_ROOT" "$clone" && git -C "$clone" checkout -q "$commit" ||
    return 1
  if ! bash "$clone/scripts/package.sh" >"$clone.log" 2>&1; then
    echo "== release: scripts/package.sh FAILED in $clone; end of $clone.log:"
    tail -n 40 "$clone.log"
    return 1
  fi
}
echo "== release: scripts/package.sh in two clean clones, compared byte for byte"
rm -rf "$release"
if package_clone "$release_one" && package_clone "$release_two"; then
  if diff -r "$release_one/dist" "$release_two/dist"; then
    sed 's/^/   /' "$release_one/dist/SHA256SUMS"
  else
    echo "== release: the two clones' downloads DIFFER"
    failed=1
  fi
else
  failed=1
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

# The download a user gets, unzipped into a folder with a blank and Cyrillic
# letters: its vintrel.exe shows its main window and ends when asked to
# close; its bikinfo.exe answers a bare start with its usage (exit code 2).
smoke_test() {
  local arch=win64 folder="$release/распакованный архив" zip pid i window caption
  [[ $e2e == windows ]] && arch=win32
  zip="$(echo "$release_one/dist/"vintrel-*-"$arch".zip)"
  echo "== release: $(basename "$zip") unzipped and started under Wine"
  [[ -f $zip ]] || { echo "== release: no $zip"; return 1; }
  rm -rf "$folder" && mkdir -p "$folder" && python3 -m zipfile -e "$zip" "$folder" || return 1
  wine "$folder/bikinfo.exe" >/dev/null 2>&1
  [[ $? == 2 ]] || { echo "== release: bikinfo.exe did not answer with its usage"; return 1; }
  wine "$folder/vintrel.exe" >/dev/null 2>&1 &
  pid=$!
  for ((i = 0; i < 150; i++)); do
    window="$(xdotool search --name '^VINTREL ver .*  Vintrel Team$' 2>/dev/null | head -n 1)"
    [[ -n $window ]] && break
    sleep 0.2
  done
  if [[ -z $window ]]; then
    echo "== release: no main window within 30 s"
    kill "$pid" 2>/dev/null
    return 1
  fi
  caption="$(xdotool getwindowname "$window" 2>/dev/null)"
  # Wine's taskkill without /f posts WM_CLOSE, as closing the window would.
  wine taskkill /im vintrel.exe >/dev/null 2>&1
  for ((i = 0; i < 100; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "== release: vintrel.exe did not end when its window was closed"
    kill "$pid" 2>/dev/null
    return 1
  fi
  wait "$pid" || { echo "== release: vintrel.exe ended with exit code $?"; return 1; }
  echo "== release: \"$caption\" shown and closed"
}
smoke_test || failed=1
# Test code stays within 35% of the program's: past that the run fails.
bash "$here/test_budget.sh" || failed=1
exit $failed
