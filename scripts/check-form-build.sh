#!/usr/bin/env bash
# Checks that one build after an edit of the main window's form is enough, under Ninja as under Make:
# the build that regenerates the form's header compiles the window against it, and leaves nothing for
# a second build. Works on a scratch copy of the tree, in build/form-build unless another folder is
# given; run by test.sh after the suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="${1:-$root/build/form-build}"
rm -rf "$work" && mkdir -p "$work/tree"
(cd "$root" && git ls-files -z --cached --others --exclude-standard) |
    tar -C "$root" --null --files-from=- --ignore-failed-read -cf - 2>/dev/null | tar -C "$work/tree" -xf -

window=ui/CMakeFiles/kx_ui.dir/main_window/form_princ.cpp.o
cmake -S "$work/tree" -B "$work/build" -G Ninja -DKX_BUILD_TESTS=OFF -DKX_BUILD_BENCHMARK=OFF >/dev/null
ninja -C "$work/build" "$window" >/dev/null

# Frame1 three pixels to the right, then one build.
form="$work/tree/ui/main_window/form_princ.ui"
frame1='/<widget class="QGroupBox" name="Frame1">/,/<\/rect>/'
x=$(sed -n "$frame1 s|.*<x>\([0-9]*\)</x>.*|\1|p" "$form")
sed -i "$frame1 s|<x>$x</x>|<x>$((x + 3))</x>|" "$form"
grep -q "<x>$((x + 3))</x>" "$form" || { echo "check-form-build: found no Frame1 to move" >&2; exit 1; }
ninja -C "$work/build" "$window" >/dev/null

if ! ninja -C "$work/build" -n "$window" | grep -q "no work to do"; then
    echo "check-form-build: after an edit of the form, one build left the window to be compiled again:" >&2
    ninja -C "$work/build" -n -d explain "$window" 2>&1 | head -n 20 >&2
    exit 1
fi
echo "One build after an edit of the form compiles the window against it"
