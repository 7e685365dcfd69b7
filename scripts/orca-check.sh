#!/usr/bin/env bash
# Plays a few tasks in Kx by keys alone with the Orca screen reader listening, as a blind user would,
# and prints what Orca said under each task. It needs no desktop: it starts its own X server, window
# manager, D-Bus session, accessibility bus and speech server, whose speech goes to a file instead of
# a sound card. Orca runs at its default settings in it_IT.UTF-8, or in the locale KX_ORCA_LOCALE
# names (de_DE.UTF-8, ...), where Kx speaks that locale's language. Slow and in need of many packages,
# so no part of ctest.
#
#   scripts/orca-check.sh [KX]      KX: the program to try; build/kx, built first, by default
#
# Each utterance takes the time a fast voice would take: KX_ORCA_PACE characters a second, 100 unless
# set (Orca's default rate is about 17), and at least 0.2 s. When Orca cuts one short, its line ends
# with "[interrotto]". KX_ORCA_KEEP=folder keeps there the speech, Orca's debug log and Kx's output.
set -euo pipefail
source "$(dirname "$0")/prepare.sh"

orca_packages=(
    orca speech-dispatcher speech-dispatcher-audio-plugins at-spi2-core dbus libglib2.0-bin
    gsettings-desktop-schemas xvfb metacity x11-utils xdotool locales
)
locale_name=${KX_ORCA_LOCALE:-it_IT.UTF-8}
language=${locale_name%%_*}

# Phase one, outside the D-Bus session: packages, locale, program, X server.
outside() {
    kx_install_missing "${orca_packages[@]}"
    kx_generate_locales "$locale_name"

    local kx
    if [ $# -gt 0 ]; then
        kx="$(realpath "$1")"
    else
        kx_install_missing "${kx_packages[@]}"
        kx_build build >/dev/null
        kx="$kx_root/build/kx"
    fi
    [ -x "$kx" ] || { echo "No program at $kx" >&2; exit 1; }

    work="$(mktemp -d /tmp/kx-orca.XXXXXX)"
    trap 'finish_outside' EXIT
    start_x_server

    # Everything the D-Bus session's services start inherits these: a fresh user whose desktop has
    # accessibility on and whose speech server writes to a file.
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
    export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run"
    export LANG="$locale_name" LC_ALL="$locale_name" GSETTINGS_BACKEND=keyfile
    unset LANGUAGE WAYLAND_DISPLAY SPEECHD_ADDRESS SESSION_MANAGER
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    write_speech_server_settings
    gsettings set org.gnome.desktop.interface toolkit-accessibility true

    # What the D-Bus session's services print goes to a log; the tasks print on ours again.
    KX_ORCA_WORK="$work" KX_ORCA_PROGRAM="$kx" dbus-run-session -- "$0" --inside-dbus \
        3>&1 4>&2 >"$work/dbus-session.log" 2>&1
}

start_x_server() {
    local n
    for n in 70 71 72 73 74 75 76 77 78 79; do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        local tries
        for tries in $(seq 50); do
            [ -S "/tmp/.X11-unix/X$n" ] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$xvfb_pid" 2>/dev/null && [ -S "/tmp/.X11-unix/X$n" ]; then
            export DISPLAY=":$n"
            return
        fi
    done
    echo "No free X display among :70 to :79" >&2
    exit 1
}

# Debian's settings, with one output module first: the generic one, which runs a command for each
# utterance. By then the server has turned symbols into words, as far as Orca's punctuation level
# asks. The module would split a text at its delimiters: a control character that is never spoken
# keeps each utterance whole.
write_speech_server_settings() {
    local folder="$XDG_CONFIG_HOME/speech-dispatcher"
    mkdir -p "$folder/modules"
    cp -r /etc/speech-dispatcher/speechd.conf /etc/speech-dispatcher/clients "$folder"/
    cat >>"$folder/speechd.conf" <<EOF
AddModule "tofile" "sd_generic" "tofile.conf"
DefaultModule "tofile"
AudioOutputMethod "alsa"
AudioALSADevice "null"
EOF
    cat >"$folder/modules/tofile.conf" <<EOF
GenericExecuteSynth "$work/say \\'\$DATA\\'"
GenericDelimiters "$(printf '\001')"
GenericMaxChunkLength 100000
GenericLanguage "$language" "$language" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "$language" "MALE1" "$language"
AddVoice "en" "MALE1" "en"
EOF
    # The utterance takes as long as a voice would need for it, so that Orca can cut it short as
    # it would a voice: the server then ends the command, and the line is left without its end,
    # which the next utterance marks.
    cat >"$work/say" <<EOF
#!/bin/sh
[ -n "\$(tail -c 1 $work/speech.txt)" ] && printf ' [interrotto]\n' >>$work/speech.txt
printf '%s' "\$1" >>$work/speech.txt
sleep "\$(awk -v n="\${#1}" 'BEGIN { t = n / ${KX_ORCA_PACE:-100}; print t < 0.2 ? 0.2 : t }')"
printf '\n' >>$work/speech.txt
EOF
    chmod +x "$work/say"
}

finish_outside() {
    [ -n "${xvfb_pid:-}" ] && stop "$xvfb_pid"
    if [ -n "${KX_ORCA_KEEP:-}" ]; then
        mkdir -p "$KX_ORCA_KEEP"
        cp "$work"/*.txt "$work"/*.log "$KX_ORCA_KEEP"/ 2>/dev/null || true
        echo "Kept the speech and the logs in $KX_ORCA_KEEP"
    fi
    rm -rf "$work"
}

# Phase two, inside the D-Bus session: speech server, Orca, Kx, and the tasks.
inside() {
    exec 1>&3 2>&4 3>&- 4>&-
    work="$KX_ORCA_WORK"
    speech="$work/speech.txt"
    orca_log="$work/orca-debug.txt"
    : >"$speech"
    trap 'finish_inside' EXIT

    # GNOME's own window manager: it activates new windows and gives the focus back when a modal one
    # closes, as a desktop does.
    metacity --sm-disable --no-composite >"$work/metacity.log" 2>&1 &
    wm_pid=$!
    wait_for "the window manager" 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

    speech-dispatcher --run-single --timeout 0 >"$work/speech-dispatcher.log" 2>&1 &
    speechd_pid=$!
    wait_for "the speech server" 10 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

    orca --debug-file "$orca_log" >"$work/orca.log" 2>&1 &
    orca_pid=$!
    wait_for "Orca to speak" 30 test -s "$speech"
    settle

    play_tasks
}

finish_inside() {
    local pid
    for pid in "${kx_pid:-}" "${orca_pid:-}" "${speechd_pid:-}" "${wm_pid:-}"; do
        [ -n "$pid" ] && stop "$pid"
    done
    return 0
}

# Ends a process the script started. Orca, asked to end, can hang on its way out: after a few seconds
# it is ended outright.
stop() {
    kill "$1" 2>/dev/null || return 0
    local tries
    for tries in $(seq 30); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# wait_for <what> <seconds> <command...>: until the command succeeds.
wait_for() {
    local what="$1" seconds="$2"
    shift 2
    local tries
    for tries in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    echo "Gave up waiting for $what" >&2
    exit 1
}

# Until Orca has had its say: its last utterance is over, and neither the speech nor Orca's debug
# log has grown for a while.
settle() {
    local quiet=0 last="" now tries
    for tries in $(seq 600); do
        sleep 0.1
        now="$(stat -c %s "$speech" "$orca_log" 2>/dev/null | tr '\n' ' ')"
        if [ "$now" = "$last" ] && [ -z "$(tail -c 1 "$speech")" ]; then
            quiet=$((quiet + 1))
            [ $quiet -ge 8 ] && return 0
        else
            quiet=0
            last="$now"
        fi
    done
}

spoken_lines() { wc -l <"$speech"; }

# The utterances since line <from> of the speech, indented under what was pressed; one that has just
# begun waits for the next.
print_since() {
    head -n "$(spoken_lines)" "$speech" | tail -n +"$(($1 + 1))" | sed 's/^/      /'
}

task() { printf '\n== %s\n' "$*"; }

# press <what the user does> <xdotool arguments...>
press() {
    local what="$1"
    shift
    local from
    from="$(spoken_lines)"
    xdotool "$@"
    settle
    printf '  > %s\n' "$what"
    print_since "$from"
}

key() { press "$*" key --delay 80 "$@"; }

# access_key <Italian caption>: Alt and the letter the window's language underlines in the button's
# caption, as its translation gives it.
access_key() {
    local caption="$1"
    if [ "$language" != it ]; then
        caption=$(grep -A 2 -F "<source>${caption/&/&amp;}</source>" "$kx_root/translations/kx_$language.ts" |
            sed -n 's/.*<translation>\(.*\)<\/translation>.*/\1/p' | sed 's/&amp;/\&/')
    fi
    local letter="${caption#*&}"
    echo "alt+$(printf '%s' "${letter:0:1}" | tr '[:upper:]' '[:lower:]')"
}
type_text() { press "type \"$1\"" type --delay 120 "$1"; }

play_tasks() {
    local from i window
    task "Kx starts: the window takes the focus, which goes to the height field"
    from="$(spoken_lines)"
    "$KX_ORCA_PROGRAM" >"$work/kx.log" 2>&1 &
    kx_pid=$!
    window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Kx$' | head -n 1)"
    [ -n "$window" ] || { echo "Kx opened no window" >&2; exit 1; }
    xdotool windowactivate --sync "$window"
    settle
    print_since "$from"

    task "Tab through the window, once round"
    for i in $(seq 10); do key Tab; done

    task "A round port: volume 50, diameter 10, length 20, Enter in the length"
    key Tab
    type_text 50
    key shift+Tab
    type_text 10
    key Tab
    key Tab
    type_text 20
    key Return

    task "Calcola Kx, twice with the same result"
    key "$(access_key '&Calcola Kx ')"
    key "$(access_key '&Calcola Kx ')"

    task "Back to a field that holds a value: Shift+Tab, Tab, Shift+Tab; the value read whole, no stray word"
    key shift+Tab
    key Tab
    key shift+Tab

    task "Keypad Enter on Calcola Kx is Orca's where am I, and presses nothing"
    key Tab
    key Tab
    key KP_Enter

    task "The spin: Tab to it, a step up and a step down, where am I: a length, no percentage"
    for i in $(seq 5); do key Tab; done
    key Up
    key Down
    key KP_Enter

    task "Numero condotti: Shift+Tab to it, Down, Home"
    key shift+Tab
    key Down
    key Home

    task "Ottimizza dimensioni"
    key "$(access_key '&Ottimizza dimensioni')"

    task "Orca reads the status bar: Insert+KP_Enter twice"
    key Insert+KP_Enter Insert+KP_Enter

    task "Orca's flat review reads the whole window: KP_Add twice, then KP_Subtract leaves it"
    key KP_Add KP_Add
    key KP_Subtract

    task "The information window: Shift+Tab to its button, Space; flat review line by line; Escape"
    key shift+Tab
    key shift+Tab
    key space
    key KP_Subtract
    key KP_8
    for i in $(seq 3); do key KP_9; done
    key KP_Subtract
    key Escape

    task "Calcola Kx with the diameter emptied by the height field: the message, closed with Enter"
    key "$(access_key '&Calcola Kx ')"
    key Return

    kill -0 "$kx_pid" 2>/dev/null || echo "Kx ended before the tasks did: see its output (KX_ORCA_KEEP)"
}

if [ "${1:-}" = "--inside-dbus" ]; then
    inside
else
    outside "$@"
fi
