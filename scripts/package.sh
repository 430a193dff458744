#!/usr/bin/env bash
# Builds the downloads from this tree and writes them to dist/:
#   vintrel-VERSION-win64.zip   the first download: 64-bit Windows
#   vintrel-VERSION-win32.zip   32-bit Windows 7, 8 and 10
#   SHA256SUMS
# Each zip holds vintrel.exe, bikinfo.exe, README.txt (the user's guide in
# Russian, docs/guide.ru.md) and LICENSE.txt. The same commit gives the same
# bytes from any clone in any folder: the programs carry no build path and no
# link time (CMakeLists.txt), and the members of a zip have a fixed order and
# the commit's date (scripts/release_files.py).
#   scripts/package.sh
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
bash "$here/setup.sh"
cd "$root"

version="$(sed -n 's/^project(vintrel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
if [[ -z $version ]]; then
  echo "package: no version in CMakeLists.txt's project()" >&2
  exit 1
fi
python3 "$here/release_files.py" guide README.md docs/guide.ru.md
# SOURCE_DATE_EPOCH, where a build system sets it, or else the commit's time.
stamp="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}"
if [[ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]]; then
  echo "package: this tree has uncommitted changes: the zips are not its commit's"
fi

mkdir -p build dist
zips=()
for arch in win64 win32; do
  preset="release-$arch" log="build/release-$arch.log"
  echo "package: building $preset (log: $log)"
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; } >"$log" 2>&1; then
    echo "package: build FAILED; end of $log:" >&2
    tail -n 40 "$log" >&2
    exit 1
  fi
  bin="build/$preset/bin"
  bash "$here/check_imports.sh" "$bin/vintrel.exe" "$bin/bikinfo.exe"
  zip="vintrel-$version-$arch.zip"
  rm -f "dist/$zip"
  python3 "$here/release_files.py" zip "dist/$zip" "$stamp" \
    "vintrel.exe=$bin/vintrel.exe" "bikinfo.exe=$bin/bikinfo.exe" \
    "README.txt=docs/guide.ru.md" "LICENSE.txt=LICENSE"
  zips+=("$zip")
done
python3 "$here/release_files.py" programs build/release-win64/bin/vintrel.exe \
  build/release-win32/bin/vintrel.exe
(cd dist && sha256sum "${zips[@]}" >SHA256SUMS)
echo "package: wrote to $root/dist:"
(cd dist && cat SHA256SUMS)
