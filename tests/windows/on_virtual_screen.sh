#!/usr/bin/env bash
# Runs a test program on X11, on a virtual screen of its own, as on a user's desktop: keys typed there
# go through the X server and its keyboard layout, and Qt reports accessibility events, on a D-Bus of
# its own whose accessibility bus runs before the program starts (Qt joins only a bus that is already
# there). Offscreen, Qt reports none and no key passes an X server.
#   on_virtual_screen.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb"; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$display_file")" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- sh -c 'gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress >/dev/null && exec "$@"' sh "$@" 2> >(grep -v '^dbus-daemon' >&2)
