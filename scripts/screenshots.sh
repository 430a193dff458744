#!/usr/bin/env bash
# Remakes the README's pictures: every window of the program and its message
# box, at 96 dpi, and the main window and settings at 120 and 144 dpi.
#   scripts/screenshots.sh            -> docs/screenshots/*.png
# Each scene is posed by the end-to-end tests' Pose.DISABLED_Scene inside a Wine
# desktop, which draws window captions; the picture is trimmed to the windows.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$here/setup.sh" || exit 1
source "$here/wine-env.sh"
cd "$VINTREL_ROOT" || exit 1

log=build/screenshots.log
mkdir -p build
if ! { cmake --preset "$VINTREL_WINDOWS_PRESET" && cmake --build --preset "$VINTREL_WINDOWS_PRESET" --target e2e_tests; } >"$log" 2>&1; then
  echo "screenshots: build FAILED; end of $log:"
  tail -n 40 "$log"
  exit 1
fi

out="$VINTREL_ROOT/docs/screenshots"
work="$VINTREL_WINDOWS_BUILD/screenshots"
mkdir -p "$out" "$work"
vintrel_start_xvfb 1024x768 || exit 1
trap 'wineserver -k >/dev/null 2>&1; vintrel_stop_xvfb' EXIT
vintrel_ensure_prefix || exit 1
pose="$VINTREL_WINDOWS_BUILD/bin/e2e_tests.exe"

set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  # The DPI is read when Wine's processes start: let the old ones go.
  wineserver -k >/dev/null 2>&1
  timeout 30 wineserver -w >/dev/null 2>&1
}

# shoot SCENE NAME
shoot() {
  local scene="$1" name="$2" ready="$work/$2.ready" release="$work/$2.release"
  rm -f "$ready" "$release"
  VINTREL_SCENE="$scene" VINTREL_READY="$(winepath -w "$ready")" \
    VINTREL_RELEASE="$(winepath -w "$release")" \
    wine explorer /desktop=vintrel,1024x768 "$pose" --gtest_filter=Pose.DISABLED_Scene \
      --gtest_also_run_disabled_tests >/dev/null 2>&1 &
  local pid=$! i
  for ((i = 0; i < 300; i++)); do
    [[ -f "$ready" ]] && break
    sleep 0.1
  done
  if [[ ! -f "$ready" ]]; then
    echo "screenshots: scene $scene did not come up" >&2
    kill "$pid" 2>/dev/null
    return 1
  fi
  # The pointer would raise a tooltip over whatever it rests on.
  xdotool mousemove 0 0 >/dev/null 2>&1
  sleep 1  # let the last window finish painting
  import -window root "$work/$name.full.png"
  # The desktop is one flat colour: trimming it leaves just the windows.
  convert "$work/$name.full.png" -fuzz 2% -trim +repage -bordercolor '#2b6f94' -border 8 \
    "$out/$name.png"
  touch "$release"
  wait "$pid" 2>/dev/null
  echo "screenshots: $out/$name.png"
}

status=0
set_dpi 96
for scene in main panel details settings about message folder; do
  shoot "$scene" "$scene" || status=1
done
shoot damaged details-damaged || status=1
for dpi in 120 144; do
  set_dpi "$dpi"
  shoot main "main-$dpi" || status=1
  shoot settings "settings-$dpi" || status=1
done
set_dpi 96
exit $status
