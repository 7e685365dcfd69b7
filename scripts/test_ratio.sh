#!/usr/bin/env bash
# The tests' size against the code's: non-blank lines that are not only a comment ("//" in C++, "# "
# in scripts and tables), of every file under tests/ but pictures and the sanitizers' suppressions,
# against the code a developer writes by hand outside tests/: .cpp and .h files, CMake files, the
# shell scripts, CI's and debian/rules. Designer writes the form (.ui), as moc writes its output: it
# does not count. The project keeps the ratio within 0.25 to 0.35.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { xargs -r cat | grep -c -v -E '^\s*(//|# |#$|$)'; }
code=$(git ls-files -co --exclude-standard '*.cpp' '*.h' '*CMakeLists.txt' '*.cmake' '*.sh' '.ci/*' 'debian/rules' |
    grep -v -E '(^|/)tests?/' | count)
tests=$(git ls-files -co --exclude-standard 'tests/*' | grep -v -E '\.(jpg|png|bmp|supp)$' | count)
awk -v c="$code" -v t="$tests" 'BEGIN { printf "tests %d lines, code %d lines: %.3f\n", t, c, t / c }'
