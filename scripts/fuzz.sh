#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (the fuzz preset: clang, ASan, UBSan,
# the same vintrel_core the program links) and runs each for a bounded time,
# default 60 s each: scripts/fuzz.sh [SECONDS]
# The corpora grow in build/fuzz/corpus, seeded from fuzz/corpus; a crash or
# a broken promise leaves its input in build/fuzz/findings and makes the
# script fail.
set -uo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build/fuzz"
bash "$root/scripts/setup.sh" || exit 1
cd "$root" || exit 1
mkdir -p build
echo "== fuzz: configure and build (log: build/fuzz.log)"
if ! { cmake --preset fuzz && cmake --build --preset fuzz; } >build/fuzz.log 2>&1; then
  tail -n 40 build/fuzz.log
  exit 1
fi

status=0
for source in fuzz/*_fuzzer.cpp; do
  name="$(basename "$source" _fuzzer.cpp)"
  target="$out/bin/${name}_fuzzer"
  echo "== run ${name}_fuzzer for ${seconds} s"
  mkdir -p "$out/corpus/$name" "$out/findings"
  if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "$target" \
      -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$out/findings/${name}-" \
      "$out/corpus/$name" "$root/fuzz/corpus/$name" 2>"$out/${name}.log"; then
    status=1
    echo "   FOUND a fault: see $out/${name}.log and $out/findings/"
    grep -m 5 -E 'ERROR|runtime error|broken promise|deadly' "$out/${name}.log"
  else
    grep -E '^(stat::number_of_executed_units|stat::new_units_added)' "$out/${name}.log" |
      sed 's/^/   /'
    echo "   corpus: $(find "$out/corpus/$name" -type f | wc -l) inputs"
  fi
done
exit "$status"
