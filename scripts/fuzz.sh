#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang and runs each for a bounded
# time (default 60 s each): scripts/fuzz.sh [SECONDS]
# Needs clang and libclang-rt-14-dev. The corpora grow in build/fuzz/corpus;
# a crash leaves its input in build/fuzz/findings and makes the script fail.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build/fuzz"
cxx="${CXX_FUZZ:-clang++}"
flags=(-std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -I"$root/src" -I"$root/fuzz")

declare -A sources=(
  [bink_header]="src/bink/bink_examine.cpp src/bink/bink_facts.cpp src/bink/bink_index.cpp src/bink/panel_text.cpp"
  [stored_text]="src/settings/stored_number.cpp src/settings/settings_values.cpp"
  [command_line]="src/app/command_line.cpp src/common/text.cpp src/playback/player_command.cpp src/settings/settings_values.cpp src/settings/stored_number.cpp"
)
order=(bink_header stored_text command_line)

bash "$root/scripts/setup.sh" || exit 1
mkdir -p "$out/seeds" "$out/findings"
echo "== seeds"
"$cxx" -std=c++20 -O1 -I"$root/tests/support" -o "$out/make_seeds" \
  "$root/fuzz/make_seeds.cpp" "$root/tests/support/bik_maker.cpp"
"$out/make_seeds" "$out/seeds"

for name in "${order[@]}"; do
  echo "== build ${name}_fuzzer"
  srcs=()
  for s in ${sources[$name]}; do srcs+=("$root/$s"); done
  "$cxx" "${flags[@]}" -o "$out/${name}_fuzzer" "$root/fuzz/${name}_fuzzer.cpp" "${srcs[@]}"
done

status=0
for name in "${order[@]}"; do
  echo "== run ${name}_fuzzer for ${seconds} s"
  mkdir -p "$out/corpus/$name"
  if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "$out/${name}_fuzzer" \
      -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$out/findings/${name}-" \
      "$out/corpus/$name" "$out/seeds/$name" 2>"$out/${name}.log"; then
    status=1
    echo "   FOUND a fault: see $out/${name}.log and $out/findings/"
    grep -m 5 -E 'ERROR|runtime error|broken promise|deadly' "$out/${name}.log" || true
  else
    grep -E '^(stat::number_of_executed_units|stat::new_units_added)' "$out/${name}.log" |
      sed 's/^/   /'
  fi
done
exit "$status"
