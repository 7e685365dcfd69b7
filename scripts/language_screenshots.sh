#!/usr/bin/env bash
# Takes a picture of Kx's window, of its message and of its information window in each language, as
# a translator looks at them: on a virtual X screen under metacity, a calculation typed in, the
# information window opened from the keyboard. Not a test: the pictures are for looking at.
#
#   scripts/language_screenshots.sh [FOLDER] [LOCALE...]
#       FOLDER: where the pictures go, build/screenshots by default; LOCALE: it_IT.UTF-8 de_DE.UTF-8
#       en_US.UTF-8 fr_FR.UTF-8 es_ES.UTF-8 by default. KX=path/to/kx tries another program.
set -euo pipefail
source "$(dirname "$0")/prepare.sh"

folder=$(realpath -m "${1:-$kx_root/build/screenshots}")
shift || true
locales=("$@")
[ ${#locales[@]} -gt 0 ] || locales=(it_IT.UTF-8 de_DE.UTF-8 en_US.UTF-8 fr_FR.UTF-8 es_ES.UTF-8)
kx_install_missing xvfb metacity xdotool x11-apps imagemagick "${kx_packages[@]}"
kx_generate_locales "${locales[@]}"
kx="${KX:-}"
if [ -z "$kx" ]; then
    kx_build build >/dev/null
    kx="$kx_root/build/kx"
fi
mkdir -p "$folder"

for locale in "${locales[@]}"; do
    export KX_SHOT_LOCALE="$locale" folder kx
    xvfb-run -a -s "-screen 0 760x420x24" bash -c '
        # The whole screen, which holds only Kx'"'"'s windows; or the active window, where a message
        # box is, which the whole screen shows without it under Xvfb.
        shoot() { xwd "${2:--root}" ${3:-} -silent | convert xwd:- "$folder/$1_$KX_SHOT_LOCALE.png"; }
        metacity --sm-disable --no-composite >/dev/null 2>&1 &
        sleep 1
        LANGUAGE= LC_ALL="$KX_SHOT_LOCALE" "$kx" >/dev/null 2>&1 &
        xdotool search --sync --name "^Kx$" >/dev/null
        sleep 1
        # A round port of 10 cm, 20 cm long, in 50 dm³, and Enter in the length; from the height, Tab goes
        # to the width and the volume, Shift+Tab back to the diameter.
        xdotool key --delay 100 Tab Tab 5 0 shift+Tab 1 0 Tab Tab 2 0 Return
        sleep 0.5
        shoot main
        xdotool key --delay 100 Tab Tab Tab space
        sleep 1.5
        shoot information
        # Closed, it takes the diameter away: the calculation lacks data. Entering the width puts the
        # diameter out of the way of Tab.
        xdotool key Escape
        sleep 0.5
        xdotool key --delay 100 Tab Tab Tab Tab space
        sleep 1.5
        shoot message -id "$(xdotool getactivewindow)"
        kill %2
    '
done
echo "The pictures are in $folder"
