#!/usr/bin/env bash
# Fails when a program of the Windows build imports a DLL that Windows could
# load from the program's own folder: anything but a KnownDLL (loaded from the
# system folder whatever lies beside the program) and COMCTL32 (taken from the
# side-by-side store through the manifest). Libraries needed only now and then
# are loaded at run time, from the system folder only. Also fails a program
# whose image does not ask for the protections the build asks for.
#   scripts/check_imports.sh PROGRAM.exe...
set -uo pipefail

# KnownDLLs present on Windows 7, 10 and 11 alike, plus COMCTL32.
allowed='kernel32|user32|gdi32|advapi32|msvcrt|comdlg32|shell32|ole32|oleaut32|shlwapi|imm32|comctl32'
# The 64-bit tool reads both kinds of program.
objdump=$(command -v x86_64-w64-mingw32-objdump || command -v i686-w64-mingw32-objdump || command -v objdump)
status=0
for program in "$@"; do
  if [[ ! -f "$program" ]]; then
    echo "check_imports: no such program: $program" >&2
    status=1
    continue
  fi
  imports=$("$objdump" -p "$program")
  dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$imports")
  foreign=$(grep -viE "^($allowed)\.dll$" <<<"$dlls")
  if [[ -n "$foreign" ]]; then
    echo "check_imports: $(basename "$program") imports DLLs that a planted copy could replace:" $foreign
    status=1
  else
    echo "check_imports: $(basename "$program"):" $dlls
  fi
  # libssp's stack guard seeds itself through CryptoAPI, which loads a whole
  # crypto provider at every start; the programs bring their own guard.
  if grep -q 'CryptAcquireContext' <<<"$imports"; then
    echo "check_imports: $(basename "$program") seeds a stack guard through CryptoAPI (libssp)"
    status=1
  fi
  # Address space randomisation (with relocations to move by), no-execute
  # data, and high-entropy addresses on x86-64 or no SEH handlers on i686.
  flags=$(sed -n 's/^DllCharacteristics[[:space:]]*\([0-9a-fA-F]*\).*/\1/p' <<<"$imports")
  wanted=$((0x40 | 0x100))
  if grep -q '^Magic.*PE32+' <<<"$imports"; then
    wanted=$((wanted | 0x20))
  else
    wanted=$((wanted | 0x400))
  fi
  if [[ -z "$flags" ]] || (((0x$flags & wanted) != wanted)) ||
    grep -q 'relocations stripped' <<<"$imports"; then
    printf 'check_imports: %s lacks protections: DllCharacteristics %s, wanted %04x with relocations\n' \
      "$(basename "$program")" "${flags:-none}" "$wanted"
    status=1
  fi
done
exit $status
