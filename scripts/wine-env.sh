# Shared helpers for running the Windows build under Wine. Source this file;
# it defines functions and exports the environment every Wine run needs.
#
#   VINTREL_ROOT    the repository
#   WINEPREFIX      a private prefix in the build tree, never the user's own:
#                   the tests delete settings and registry keys in it
#   WINEDEBUG=-all  Wine's diagnostics would bury the test output
#   LANG=C.UTF-8    Cyrillic arguments reach GetCommandLineW intact only then

VINTREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Some kernels run no 32-bit code at all (ia32 emulation switched off): there
# neither Wine's 32-bit loader nor a 32-bit Windows program in any Wine mode
# can start. On such a machine the end-to-end tests run the 64-bit build of
# the same sources (preset windows64) under 64-bit Wine; vintrel.exe itself
# is still built, and checked, for 32-bit Windows.
vintrel_runs_32bit() {
  /lib/ld-linux.so.2 --help >/dev/null 2>&1
}
if vintrel_runs_32bit; then
  VINTREL_WINDOWS_PRESET=windows
else
  VINTREL_WINDOWS_PRESET=windows64
  # Debian's wine and wineboot pick the 32-bit loader whenever it is
  # installed; these stand-ins name the 64-bit one.
  VINTREL_WINE64_BIN="$VINTREL_ROOT/build/wine64-bin"
  if [[ ! -x "$VINTREL_WINE64_BIN/wine-stable" ]]; then
    mkdir -p "$VINTREL_WINE64_BIN"
    for name in wine wine-stable; do
      printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$VINTREL_WINE64_BIN/$name.$$"
      chmod +x "$VINTREL_WINE64_BIN/$name.$$"
      mv "$VINTREL_WINE64_BIN/$name.$$" "$VINTREL_WINE64_BIN/$name"
    done
  fi
  export PATH="$VINTREL_WINE64_BIN:$PATH"
  export WINELOADER=/usr/lib/wine/wine64
fi
VINTREL_WINDOWS_BUILD="$VINTREL_ROOT/build/$VINTREL_WINDOWS_PRESET"
export WINEPREFIX="${VINTREL_WINEPREFIX:-$VINTREL_WINDOWS_BUILD/wineprefix}"
export WINEDEBUG=-all
export LANG=C.UTF-8
export LC_ALL=C.UTF-8
# No Mono or Gecko: without this the first start of a prefix stops to offer
# their download, which a machine without a display can never answer. No
# debugger either: a program that crashes ends instead of waiting for one.
export WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="

VINTREL_XVFB_PID=""

# Creates the prefix on first use. ctest may start several Wine runs at once,
# so creation happens under a lock and is marked done only when complete.
vintrel_ensure_prefix() {
  local ready="$WINEPREFIX/.vintrel-ready"
  if [[ -f "$ready" ]]; then
    vintrel_install_marlett
    return 0
  fi
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock -w 300 9 || { echo "wine-env: timed out waiting for the prefix lock" >&2; exit 1; }
    if [[ ! -f "$ready" ]]; then
      # Also completes a prefix whose first start was interrupted.
      wineboot -i >/dev/null 2>&1 || { echo "wine-env: wineboot -i failed" >&2; exit 1; }
      touch "$ready"
    fi
  ) 9>"$WINEPREFIX.lock" || return 1
  vintrel_install_marlett
}

# Debian's 32-bit Wine does not find the Marlett font it ships, so caption
# buttons showed letters ("r" for the close box) instead of their symbols.
vintrel_install_marlett() {
  local font=/usr/share/wine/fonts/marlett.ttf
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [[ -f "$font" && -d "$fonts" && ! -f "$fonts/marlett.ttf" ]]; then
    cp "$font" "$fonts/marlett.ttf.$$" && mv "$fonts/marlett.ttf.$$" "$fonts/marlett.ttf"
  fi
}

# Starts a private Xvfb on a free display and exports DISPLAY; the argument
# is the screen size (default 1280x1024). Xvfb picks the display number itself
# (-displayfd), so concurrent starts cannot collide.
vintrel_start_xvfb() {
  local size="${1:-1280x1024}" numfile
  numfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  VINTREL_XVFB_PID=$!
  local i
  for ((i = 0; i < 200; i++)); do
    if [[ -s "$numfile" ]]; then
      export DISPLAY=":$(tr -d '[:space:]' <"$numfile")"
      rm -f "$numfile"
      return 0
    fi
    kill -0 "$VINTREL_XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  rm -f "$numfile"
  echo "wine-env: Xvfb did not start" >&2
  vintrel_stop_xvfb
  return 1
}

vintrel_stop_xvfb() {
  if [[ -n "$VINTREL_XVFB_PID" ]]; then
    kill "$VINTREL_XVFB_PID" 2>/dev/null
    wait "$VINTREL_XVFB_PID" 2>/dev/null
    VINTREL_XVFB_PID=""
  fi
}
