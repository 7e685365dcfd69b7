#!/usr/bin/env bash
# Runs Kx on Qt's own Wayland platform under a headless sway, driven by a virtual keyboard, and keeps
# a screenshot of each step: a first result, the information window open and closed, then the results
# of a length changed twice, which must show (Kx 46,11 at 20 cm; 39,62 at 30 cm by Enter; 35,28 at
# 40 cm by Alt+C). It also counts the subsurfaces Kx asked for, which must be none: a child widget
# with a surface of its own is what once kept new results from being drawn.
#
#   scripts/wayland_results.sh [OUT_FOLDER] [PROGRAM]
#
# Needs sway, wtype, grim and the package qt6-wayland. Not a test: it judges nothing; look at the
# pictures.
set -euo pipefail

out="${1:-/tmp/kx-wayland}"
program="${2:-$(cd "$(dirname "$0")/.." && pwd)/build/kx}"
mkdir -p "$out"
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
cat >"$runtime/config" <<'EOF'
xwayland disable
output HEADLESS-1 resolution 1280x1024 position 0 0
default_border normal
default_floating_border normal
EOF

# sway refuses to run as root: as root, it runs as nobody.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$runtime"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman "${as_user[@]}" sway -c "$runtime/config" \
    >"$out/sway.log" 2>&1 &
sway=$!
cleanup() {
    kill ${kx:-} "$sway" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

socket="" ipc=""
for ((i = 0; i < 100; ++i)); do
    for found in "$runtime"/wayland-? "$runtime"/sway-ipc.*.sock; do
        case "$found" in
        */wayland-?) socket="${found##*/}" ;;
        *.sock) ipc="$found" ;;
        esac
    done
    [ -e "$runtime/$socket" ] && [ -e "$ipc" ] && break
    sleep 0.1
done
export WAYLAND_DISPLAY="$socket" SWAYSOCK="$ipc"

LC_ALL=it_IT.UTF-8 QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 DBUS_SESSION_BUS_ADDRESS=disabled: \
    "$program" >/dev/null 2>"$out/wayland_debug.log" &
kx=$!

# Waits until the screen has stopped changing, then keeps it in $out/$1.png.
shot() {
    local previous="" current
    for ((i = 0; i < 50; ++i)); do
        sleep 0.2
        grim "$out/$1.png"
        current=$(md5sum <"$out/$1.png")
        [ "$current" = "$previous" ] && return 0
        previous="$current"
    done
}

# Keys through a virtual keyboard of their own, which the program first has to take note of.
key() {
    wtype -s 300 "$@"
    sleep 0.3
}

for ((i = 0; i < 50; ++i)); do
    swaymsg -t get_tree | grep -q '"name": "Kx"' && break
    sleep 0.1
done
shot 0-started

# A rectangular port 10 x 10 cm, 20 cm long, in 50 dm3: the focus starts in the port's height, and
# Tab goes on to its width, the box's volume and the port's length.
key 10 && key -k Tab && key 10 && key -k Tab && key 50 && key -k Tab && key -M ctrl a -m ctrl 20
key -M alt c -m alt # Calcola Kx
shot 1-first-result
key -k Tab -k Tab -k Tab && key -k space # on to the information button
shot 2-information-window
swaymsg -q kill # its title bar's close
shot 3-information-closed
key -k Tab -k Tab -k Tab && key -M ctrl a -m ctrl 30 && key -k Return # the length; Enter calculates
shot 4-length-30-enter
key -M ctrl a -m ctrl 40 && key -M alt c -m alt
shot 5-length-40-alt-c

subsurfaces=$(grep -c 'wl_subcompositor@[0-9]*\.get_subsurface' "$out/wayland_debug.log" || true)
echo "subsurfaces asked for: $subsurfaces; pictures in $out"
