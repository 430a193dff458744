#!/usr/bin/env bash
# Prints the test budget: non-blank, non-comment-only C++ lines of the
# committed files under src/ against those under tests/ and fuzz/, and their
# ratio. Exits non-zero when the tests pass 35% of the program: about a third,
# as the project's owner asked.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 2
count() {
  git ls-files -- "$@" | grep -E '\.(cpp|cc|h|hpp)$' |
    xargs -r grep -hv '^[[:space:]]*\(//.*\)\?$' | wc -l
}
src=$(count src)
tests=$(count tests fuzz)
echo "== test budget: src $src, tests+fuzz $tests ($(count tests/unit) unit," \
  "$(count tests/e2e) e2e, $(count tests/support) support, $(count fuzz) fuzz)," \
  "ratio $(awk -v t="$tests" -v s="$src" 'BEGIN { printf "%.3f", s ? t / s : 0 }') (limit 0.35)"
((tests * 100 <= src * 35))
