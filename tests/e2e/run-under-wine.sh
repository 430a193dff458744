#!/usr/bin/env bash
# Runs one Windows program of the build under Wine in the build's private
# prefix and returns its exit code. ctest calls it for every end-to-end test;
# it works from a plain terminal too, with or without a display. With
# VINTREL_DPI set, the screen has that DPI while the program runs.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

# Wine does not return when the program is missing: fail at once instead of
# at ctest's timeout (a failed build leaves test programs missing).
if [[ $# -eq 0 || ! -f "$1" ]]; then
  echo "run-under-wine: no such program: ${1:-(none given)}" >&2
  exit 1
fi

own_display=false
if [[ -z "${DISPLAY:-}" ]]; then
  vintrel_start_xvfb || exit 1
  own_display=true
fi
vintrel_ensure_prefix || exit 1

desktop='HKCU\Control Panel\Desktop'
if [[ -n "${VINTREL_DPI:-}" ]]; then
  wine reg add "$desktop" /v LogPixels /t REG_DWORD /d "$VINTREL_DPI" /f >/dev/null 2>&1
fi
wine "$@"
status=$?
if [[ -n "${VINTREL_DPI:-}" ]]; then
  wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1
fi

if $own_display; then
  # Let Wine's helper processes end before their display goes away.
  timeout 30 wineserver -w
  vintrel_stop_xvfb
fi
exit $status
