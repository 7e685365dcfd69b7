#!/usr/bin/env bash
# Starts Kx again and again under an X window manager on a virtual screen, and prints where its outer
# frame lands: the margins to the screen's left, right, top and bottom edges, and whether the frame
# is centred within 2 px. Every start gets a new screen and a new window manager; Kx starts before the
# manager, with it, or after it by a delay that changes from start to start, as when a desktop
# starts its programs at login.
#
#   scripts/placement_margins.sh WM [STARTS] [DISPLAY] [PROGRAM]
#
# WM: openbox, metacity, xfwm4, icewm or mutter. Needs Xvfb, the manager, xdotool, xprop and
# xwininfo. Not a test: it judges nothing beyond the count it prints last. A start in which the
# manager never came up is told and made again.
set -uo pipefail

wm="${1:?which window manager}"
starts="${2:-20}"
display="${3:-:50}"
program="${4:-$(cd "$(dirname "$0")/.." && pwd)/build/kx}"
screen_w=1280
screen_h=1024
export DISPLAY="$display"

case "$wm" in
openbox) wm_command=(openbox --sm-disable) ;;
metacity) wm_command=(metacity) ;;
xfwm4) wm_command=(xfwm4 --compositor=off --sm-client-disable) ;;
icewm) wm_command=(icewm) ;;
mutter) wm_command=(mutter --x11 --replace --sm-disable) ;;
*) wm_command=("$wm") ;;
esac

# Waits up to $2 tenths of a second for the command $1 to succeed.
wait_for() {
    local tries="$2"
    until eval "$1" >/dev/null 2>&1; do
        ((tries-- > 0)) || return 1
        sleep 0.1
    done
}

manager_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# Kx alone: no session bus, so that nothing starts one for it that outlives the screen.
run_kx() {
    DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
    kx=$!
}

# The outer frame of window $1 as "x y width height", from its place and the frame the manager gives.
outer_frame() {
    local info extents
    [ -n "$1" ] || return 1
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$extents" ] || extents=0,0,0,0
    awk -v extents="$extents" '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { split(extents, e, ","); print x - e[1], y - e[3], w + e[1] + e[2], h + e[3] + e[4] }' <<<"$info"
}

# One start; prints its line and returns 0 if the frame was centred, 1 if not, 2 if it has to be made
# again.
one_start() {
    local start="$1" order window="" last="" same=0 frame extents x y w h left right top bottom verdict
    # The last screen on this display has gone once its lock has; the new one is this start's own.
    wait_for "[ ! -e $lock ]" 50 || { echo "$display is taken"; exit 1; }
    Xvfb "$display" -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    wait_for "xdpyinfo && [ \$(tr -d ' ' <$lock) = $xvfb ]" 50 || { echo "start $start: no X server"; return 2; }
    # The manager's own session bus, ended with it.
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
    read -r bus_address bus_pid <<<"$bus"
    # Kx 0.3 s before the manager, with it, or 0 to 1 s after it is ready, in turn.
    case $((start % 8)) in
    0) order="0.3 s before" ;;
    1) order="with" ;;
    *) order="$(awk -v s="$start" 'BEGIN { printf "%.1f", (s % 8 - 2) * 0.2 }') s after" ;;
    esac
    if [ "$order" = "0.3 s before" ]; then
        run_kx
        sleep 0.3
    fi
    DBUS_SESSION_BUS_ADDRESS="$bus_address" "${wm_command[@]}" >/dev/null 2>&1 &
    manager=$!
    if [ "$order" != "0.3 s before" ] && [ "$order" != "with" ]; then
        wait_for manager_ready 100
        sleep "${order% s after}"
    fi
    [ "$order" = "0.3 s before" ] || run_kx
    wait_for manager_ready 100 || { echo "start $start: no manager"; return 2; }
    wait_for 'window=$(xdotool search --onlyvisible --pid '"$kx"' --name "^Kx$" | head -n1); [ -n "$window" ]' 100 ||
        { echo "start $start: no window"; return 2; }
    # The frame has settled once it has not moved for a second.
    for ((i = 0; i < 60 && same < 10; ++i)); do
        frame=$(outer_frame "$window")
        if [ "$frame" = "$last" ]; then ((++same)); else same=0 last="$frame"; fi
        sleep 0.1
    done
    read -r x y w h <<<"${last:-0 0 0 0}"
    left=$x right=$((screen_w - x - w)) top=$y bottom=$((screen_h - y - h))
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
    [ -n "$extents" ] || { echo "start $start: not framed"; return 2; }
    verdict=off
    ((left - right <= 2 && right - left <= 2 && top - bottom <= 2 && bottom - top <= 2)) && verdict=centred
    printf '%s start %2d, Kx %s the manager: outer %sx%s, margins left %s right %s top %s bottom %s, frame %s: %s\n' \
        "$wm" "$start" "$order" "$w" "$h" "$left" "$right" "$top" "$bottom" "$extents" "$verdict"
    [ "$verdict" = centred ]
}

centred=0
made=0
lock="/tmp/.X${display#:}-lock"
for ((start = 1, attempts = 0; start <= starts && attempts < 2 * starts; ++attempts)); do
    kx="" manager="" xvfb="" bus_pid=""
    one_start "$start"
    result=$?
    # shellcheck disable=SC2086 # each may be empty
    kill $kx $manager $bus_pid 2>/dev/null
    wait $kx $manager 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    ((result == 2)) && continue
    ((result == 0)) && ((++centred))
    ((++made, ++start))
done
echo "$wm: $centred of $made starts centred within 2 px"
