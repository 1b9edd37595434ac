#!/usr/bin/env bash
# Non-blank lines of C++ in tests/ over those in src/ and bench/: the share of the code that
# is tests (agreed: 0.25 to 0.35).
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' | xargs -r cat | grep -c -v '^\s*$'; }
code=$(count src bench)
tests=$(count tests)
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests %d, code %d, ratio %.2f\n", t, c, t / c }'
