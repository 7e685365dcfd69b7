#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop gets: the program with its six
# pictures beside it, the .desktop file, the metainfo and the icon; then starts the installed
# program and sees it running.
set -euo pipefail
build=$1 prefix=$2 app_id=$3 picture_check=$4

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/kx share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
            share/icons/hicolor/32x32/apps/$app_id.png; do
    [ -f "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
"$picture_check" "$prefix/bin"

"$prefix/bin/kx" &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" || true
    echo "the installed program did not keep running"
    exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "installed into $prefix: the program starts and finds its pictures"
