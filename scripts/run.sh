#!/usr/bin/env bash
# Builds vintrel.exe and starts it under Wine, with FILE as its argument when
# given. With a display the program simply runs there. Without one it runs on
# a private Xvfb inside a Wine desktop (which draws window captions); the
# script waits for the main window, saves a screenshot, prints its path and
# stops the program.
#
#   scripts/run.sh [FILE]
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
file=""
if (($# > 0)); then
  file="$(realpath -m -- "$1")"  # before leaving the caller's folder
fi

bash "$here/setup.sh" || exit 1
source "$here/wine-env.sh"
# A prefix of its own: the tests delete and break vintrel.ini in theirs.
export WINEPREFIX="${VINTREL_WINEPREFIX:-$VINTREL_WINDOWS_BUILD/run-prefix}"
cd "$VINTREL_ROOT" || exit 1
mkdir -p build

log=build/windows.log
echo "run: building vintrel.exe (log: $log)"
if ! { cmake --preset "$VINTREL_WINDOWS_PRESET" && cmake --build --preset "$VINTREL_WINDOWS_PRESET" --target vintrel; } >"$log" 2>&1; then
  echo "run: build FAILED; end of $log:"
  tail -n 60 "$log"
  exit 1
fi
exe="$VINTREL_WINDOWS_BUILD/bin/vintrel.exe"

if [[ -n "${DISPLAY:-}" ]]; then
  vintrel_ensure_prefix || exit 1
  args=()
  [[ -n "$file" ]] && args=("$(winepath -w "$file")")
  exec wine "$exe" "${args[@]}"
fi

# The Wine desktop fills the whole private screen, so the screenshot is just
# the desktop.
vintrel_start_xvfb 1024x768 || exit 1
wine_pid=""
cleanup() {
  [[ -n "$wine_pid" ]] && kill "$wine_pid" 2>/dev/null
  wineserver -k >/dev/null 2>&1
  timeout 30 wineserver -w >/dev/null 2>&1
  vintrel_stop_xvfb
}
trap cleanup EXIT
vintrel_ensure_prefix || exit 1
args=()
[[ -n "$file" ]] && args=("$(winepath -w "$file")")

wine explorer /desktop=vintrel,1024x768 "$exe" "${args[@]}" >/dev/null 2>&1 &
wine_pid=$!

# The program's windows live inside the desktop, out of reach of X tools, so
# wait for the screen itself: something drawn on the desktop, and two shots in
# a row alike, which means the window has finished painting.
shots="$VINTREL_ROOT/build/screenshots"
mkdir -p "$shots"
shot="$shots/run.png"
previous="$shots/.previous.png"
rm -f "$shot" "$previous"
settled=false
for ((i = 0; i < 150; i++)); do
  sleep 0.2
  kill -0 "$wine_pid" 2>/dev/null || break
  import -window root "$shot" 2>/dev/null || continue
  spread="$(convert "$shot" -format '%[fx:standard_deviation]' info: 2>/dev/null)"
  if [[ -f "$previous" && "$spread" != "0" ]] &&
    [[ "$(compare -metric AE "$shot" "$previous" null: 2>&1)" == "0" ]]; then
    settled=true
    break
  fi
  cp "$shot" "$previous"
done
rm -f "$previous"

if ! $settled; then
  rm -f "$shot"
  if kill -0 "$wine_pid" 2>/dev/null; then
    echo "run: the main window did not appear within 30 s" >&2
  elif [[ -n "$file" ]]; then
    # Given a file, the program hands it to the player and ends at once.
    echo "run: the program started the player for $file and ended; no screenshot"
    exit 0
  else
    echo "run: the program ended before its window could be captured" >&2
  fi
  exit 1
fi
echo "$shot"
