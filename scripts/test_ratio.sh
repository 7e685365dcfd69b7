#!/usr/bin/env bash
# The tests' size against the code's: non-blank lines that are not only a comment ("//" in C++,
# "# " in scripts and tables), of every file under tests/ that holds tests or their data (not the
# fuzz seed corpus), against every .cpp/.h and Designer form (.ui) outside tests/. The project
# keeps it within 0.25 to 0.35.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { xargs -r cat | grep -c -v -E '^\s*(//|# |#$|$)'; }
code=$(git ls-files -co --exclude-standard '*.cpp' '*.h' '*.ui' | grep -v -E '(^|/)tests?/' | count)
tests=$(git ls-files -co --exclude-standard 'tests/*' | grep -v -E '/corpus/|\.(jpg|png|bmp|supp)$' | count)
awk -v c="$code" -v t="$tests" 'BEGIN { printf "tests %d lines, code %d lines: %.3f\n", t, c, t / c }'
