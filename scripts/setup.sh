#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, and nothing when the
# machine is ready already (that check takes a second or two).
set -euo pipefail

if [[ $EUID -ne 0 ]]; then
  SUDO=sudo
else
  SUDO=
fi

packages=(
  cmake g++ make libgtest-dev googletest clang libclang-rt-14-dev
  g++-mingw-w64-i686 wine wine32:i386
  xvfb xauth xdotool imagemagick fonts-liberation g++-multilib
)

# Installs those of the given packages that are missing; with
# --no-install-recommends first, without what they recommend.
install_missing() {
  local missing=() options=() p status
  if [[ ${1:-} == --no-install-recommends ]]; then
    options=("$1")
    shift
  fi
  for p in "$@"; do
    status="$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)"
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
  done
  ((${#missing[@]} == 0)) && return 0

  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # wine32 is a 32-bit package: it needs the i386 architecture in dpkg and its
  # package lists before apt can see it.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq "${options[@]}" "${missing[@]}" >/dev/null
  echo "setup: done"
}

install_missing "${packages[@]}"
# A kernel that runs no 32-bit code needs the 64-bit Wine and compiler for the
# end-to-end tests (scripts/wine-env.sh says why).
if ! /lib/ld-linux.so.2 --help >/dev/null 2>&1; then
  install_missing wine64 g++-mingw-w64-x86-64
  # The 32-bit unit tests (preset native32) run under qemu-user's emulator.
  # Not its recommended binfmt hook: that would make this kernel seem to run
  # 32-bit programs, and the Wine set-up would choose 32-bit Wine.
  install_missing --no-install-recommends qemu-user
fi
